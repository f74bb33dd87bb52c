#include "interchange/importplan.h"

#include "editing/taskrules.h"
#include "store/daynumber.h"
#include "store/routines.h"

#include <QSet>

#include <cmath>

namespace corvane {

namespace {

// Times are equal when they read as the same time of day; texts that are no time only when equal.
QString timeKey(const QString &time) {
    const double value = readTime(time);
    if (value >= 0.0 && value < 1.0)
        return QString::number(std::llround(value * 86'400'000.0));
    return QStringLiteral("?") + time;
}

QString dupKey(int day, const QString &time, const QString &category, const QString &what) {
    if (day <= 0)
        return QStringLiteral("N") + QChar(0) + category + QChar(0) + what;
    return QString::number(day) + QChar(0) + timeKey(time) + QChar(0) + category + QChar(0) + what;
}

QString dupKey(const IcalTask &task) {
    return dupKey(task.day, task.time, task.category, task.what);
}

QString counted(qsizetype count, const char *one, const char *many) {
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(count == 1 ? one : many);
}

} // namespace

int ImportPlan::datedCount() const {
    return int(std::count_if(toAdd.begin(), toAdd.end(), [](const IcalTask &t) { return t.isDated(); }));
}

ImportPlan planImport(const IcalReading &reading, const TaskTable &store, const TaskTable &nonday) {
    QSet<QString> known;
    known.reserve(store.rowCount() + nonday.rowCount() + reading.tasks.size());
    for (int row = 1; row < store.rowCount(); ++row) {
        known.insert(dupKey(dayOfKey(store.cell(StoreKey, row)), store.cell(StoreTime, row),
                            store.cell(StoreCategory, row), store.cell(StoreWhat, row)));
    }
    for (int row = 1; row < nonday.rowCount(); ++row) {
        if (isTaskRow(nonday, TaskList::Nonday, row))
            known.insert(
                dupKey(0, QString(), nonday.cell(NondayCategory, row), nonday.cell(NondayWhat, row)));
    }

    ImportPlan plan;
    plan.notUnderstood = reading.notUnderstood;
    plan.cutRepeats = reading.cutRepeats;
    plan.tooMany = reading.tooMany;
    for (const IcalTask &task : reading.tasks) {
        const QString key = dupKey(task);
        if (known.contains(key)) {
            ++plan.duplicates;
            continue;
        }
        known.insert(key);
        plan.toAdd << task;
    }
    return plan;
}

void addImported(const ImportPlan &plan, TaskTable &store, TaskTable &nonday,
                 const std::function<void(int done, int total)> &progress) {
    const int total = int(plan.toAdd.size());
    const int dated = plan.datedCount();
    store.insertRows(1, dated);
    QList<int> freeRows;
    for (int row = 1; row < nonday.rowCount(); ++row)
        if (!isTaskRow(nonday, TaskList::Nonday, row))
            freeRows << row;
    const int appended = std::max<int>(0, total - dated - int(freeRows.size()));
    for (int i = 0; i < appended; ++i)
        freeRows << nonday.rowCount() + i;
    nonday.setRowCount(nonday.rowCount() + appended);

    int storeRow = 1;
    int freeIndex = 0;
    for (int i = 0; i < total; ++i) {
        const IcalTask &task = plan.toAdd[i];
        const QString done = yesNo(task.done);
        if (task.isDated()) {
            store.setRowCells(storeRow++, {storeKey(task.day, 100), task.time, task.category, task.what, done,
                                           yesNo(task.alarm)});
        } else {
            nonday.setRowCells(freeRows[freeIndex++], {task.category, task.what, done});
        }
        if (progress && i % 5000 == 4999)
            progress(i + 1, total);
    }
}

QString importSummary(const ImportPlan &plan) {
    const qsizetype dated = plan.datedCount();
    const qsizetype undated = plan.toAdd.size() - dated;
    QStringList lines;
    if (plan.toAdd.isEmpty())
        lines << QStringLiteral("No task will be added.");
    else
        lines << counted(plan.toAdd.size(), "task will be added", "tasks will be added") +
                     QStringLiteral(": ") + QString::number(dated) + QStringLiteral(" date oriented, ") +
                     QString::number(undated) + QStringLiteral(" non-date oriented.");
    if (plan.duplicates > 0)
        lines << counted(plan.duplicates, "task is skipped", "tasks are skipped") +
                     QStringLiteral(" because an equal task already exists.");
    if (plan.cutRepeats > 0)
        lines << counted(plan.cutRepeats, "repeating item was", "repeating items were") +
                     QStringLiteral(" cut at ") + QString::number(repeatSpanDays) +
                     QStringLiteral(" days or ") + QString::number(repeatMaxOccurrences) +
                     QStringLiteral(" occurrences.");
    if (plan.tooMany)
        lines << QStringLiteral("The file holds more than ") + QString::number(importMaxTasks) +
                     QStringLiteral(" tasks; the rest is left out.");
    if (!plan.notUnderstood.isEmpty())
        lines << counted(plan.notUnderstood.size(), "item was", "items were") +
                     QStringLiteral(" not understood:");
    return lines.join(QLatin1Char('\n'));
}

} // namespace corvane
