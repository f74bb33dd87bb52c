#include "editing/taskrules.h"

#include "store/clock.h"
#include "store/dateformats.h"
#include "store/daynumber.h"
#include "store/routines.h"

namespace corvane {

int whatColumn(TaskList list) {
    return list == TaskList::Day ? int(DayWhat) : int(NondayWhat);
}

bool isTaskRow(const TaskTable &table, TaskList list, int row) {
    if (row < 1 || row >= table.rowCount())
        return false;
    if (list == TaskList::Day)
        return !table.cell(DayTime, row).isEmpty();
    return !table.cell(NondayCategory, row).isEmpty() || !table.cell(NondayWhat, row).isEmpty();
}

std::function<bool(const TaskTable &, int)> emptyRowTest(TaskList list) {
    return [list](const TaskTable &table, int row) { return !isTaskRow(table, list, row); };
}

TaskFields readTask(const TaskTable &table, TaskList list, int row) {
    TaskFields task;
    if (list == TaskList::Day) {
        task.time = table.cell(DayTime, row);
        task.category = table.cell(DayCategory, row);
        task.what = table.cell(DayWhat, row);
        task.done = table.cell(DayDone, row) == QStringLiteral("Yes");
        task.alarm = table.cell(DayAlarm, row) == QStringLiteral("Yes");
    } else {
        task.category = table.cell(NondayCategory, row);
        task.what = table.cell(NondayWhat, row);
        task.done = table.cell(NondayDone, row) == QStringLiteral("Yes");
    }
    return task;
}

void writeTask(TaskTable &table, TaskList list, int row, const TaskFields &task) {
    if (list == TaskList::Day)
        table.setRowCells(row, {task.time, task.category, task.what, yesNo(task.done), yesNo(task.alarm)});
    else
        table.setRowCells(row, {task.category, task.what, yesNo(task.done)});
}

void insertIntoStore(TaskTable &store, int day, const TaskFields &task) {
    insertIntoStore(store, QList<int>{day}, task);
}

void insertIntoStore(TaskTable &store, const QList<int> &days, const TaskFields &task) {
    store.insertRows(1, int(days.size()));
    QStringList cells{QString(), task.time, task.category, task.what, yesNo(task.done), yesNo(task.alarm)};
    for (int i = 0; i < days.size(); ++i) {
        cells[StoreKey] = storeKey(days[i], 100);
        store.setRowCells(1 + i, cells);
    }
}

TaskList editTarget(bool nondayFocused, bool dayFocused, bool senderIsDayControl) {
    return !nondayFocused && (dayFocused || senderIsDayControl) ? TaskList::Day : TaskList::Nonday;
}

QString dayOrigin(const QDate &day) {
    return formatDateTime(QStringLiteral("ddd ddddd"), QDateTime(day, QTime(0, 0)));
}

QString editorTitle(const QDate &day) {
    return dayOrigin(day) + u' ' + relativeDate(QDateTime(day, QTime(0, 0)));
}

bool isPastDay(const QDate &day) {
    return dayNumber(day) < dayNumber(now().date());
}

QString editCaption(const QString &what) {
    return QStringLiteral("Task: ") + what.left(50) + QStringLiteral(" ...");
}

QString deleteQuestion(const QString &what) {
    return QStringLiteral("Really delete \"") + what.left(50) + QStringLiteral(" ... \"?");
}

QString editRefusal(const TaskTable &table, TaskList list, int row, bool completing) {
    if (!isTaskRow(table, list, row))
        return QStringLiteral("There is nothing to edit");
    if (completing && readTask(table, list, row).done)
        return QStringLiteral("Task already marked as complete");
    return {};
}

} // namespace corvane
