#include "app/dayview.h"

#include "store/dateformats.h"
#include "store/daynumber.h"

namespace corvane {

namespace {

// Rows [first, end) of the store that hold the day, found by bisection; first == end when none.
std::pair<int, int> dayRows(const TaskTable &store, int dayNumber) {
    const int first = firstRowOfDay(store, dayNumber, passAll);
    if (first < 1)
        return {0, 0};
    int end = first;
    while (end < store.rowCount() && dayOfKey(store.cell(StoreKey, end)) == dayNumber)
        ++end;
    return {first, end};
}

bool passes(const TaskTable &store, int row, const RowFilter &filter) {
    return filter(store.cell(StoreDone, row), store.cell(StoreCategory, row));
}

} // namespace

void setUpStoreTable(TaskTable &store) {
    store.setColumnCount(6);
    store.setRowCount(1);
    const int widths[] = {110, 94, 146, 64, 64, 64};
    for (int c = 0; c < 6; ++c)
        store.setColumnWidth(c, widths[c]);
    store.setColumnCompare(StoreKey, compareStoreKeys);
}

void setUpDayTable(TaskTable &day) {
    day.setColumnCount(5);
    day.setRowCount(2);
    day.setRowCells(0, {QStringLiteral("Time"), QStringLiteral("Category"), QStringLiteral("What"),
                        QStringLiteral("Done?"), QStringLiteral("Alarm?")});
    const int widths[] = {54, 62, 231, 52, 52};
    for (int c = 0; c < 5; ++c)
        day.setColumnWidth(c, widths[c]);
    day.setColumnCompare(DayTime, compareTimes);
}

void setUpNondayTable(TaskTable &nonday) {
    nonday.setColumnCount(3);
    nonday.setRowCount(2);
    nonday.setRowCells(0, {QStringLiteral("Category"), QStringLiteral("What"), QStringLiteral("Done?")});
    const int widths[] = {62, 503, 52};
    for (int c = 0; c < 3; ++c)
        nonday.setColumnWidth(c, widths[c]);
}

int compareTimes(const QString &a, const QString &b) {
    if (a.isEmpty() || b.isEmpty())
        return 0;
    const double x = readTime(a);
    const double y = readTime(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

void readFromStore(const TaskTable &store, TaskTable &day, int dayNumber, const RowFilter &filter) {
    const int first = firstRowOfDay(store, dayNumber, filter);
    if (first < 1) {
        day.setRowCount(2);
        day.clear();
        return;
    }
    day.setRowCount(dayRowCount(store, first, filter) + 1);
    day.clear();
    int target = 1;
    for (int r = first; r < store.rowCount() && dayOfKey(store.cell(StoreKey, r)) == dayNumber; ++r) {
        if (!passes(store, r, filter))
            continue;
        for (int c = DayTime; c <= DayAlarm; ++c)
            day.setCell(c, target, store.cell(c + 1, r));
        ++target;
    }
}

void writeToStore(TaskTable &store, const TaskTable &day, int dayNumber, const RowFilter &filter) {
    // The day's rows are rebuilt as one block, so a big store is shifted once, not once per task.
    const auto [first, end] = dayRows(store, dayNumber);
    QList<QStringList> rows;
    for (int r = first; r < end; ++r)
        if (!passes(store, r, filter))
            rows.append(store.rowCells(r));
    for (int j = 1; j < day.rowCount(); ++j) {
        if (day.cell(DayTime, j).isEmpty())
            continue;
        QStringList cells{storeKey(dayNumber, j + 100)};
        for (int c = DayTime; c <= DayAlarm; ++c)
            cells.append(day.cell(c, j));
        rows.append(cells);
    }
    const int at = first > 0 ? first : store.rowCount();
    if (end > first)
        store.removeRows(first, end - first);
    store.insertRows(at, int(rows.size()));
    for (int i = 0; i < rows.size(); ++i)
        store.setRowCells(at + i, rows[i]);
}

void sortStore(TaskTable &store) {
    store.removeDataRowsIf([&store](int row) { return store.cell(StoreKey, row).isEmpty(); });
    store.setSortColumn(StoreKey);
    store.setSortAscending(true);
    store.sort();
}

void removeListRow(TaskTable &list, int row) {
    if (list.rowCount() < 3)
        list.clear();
    else
        list.removeRows(row, 1);
}

QString nondayTitle(const TaskTable &nonday) {
    const QString title = QStringLiteral("Non-Date Oriented Tasks");
    if (nonday.rowCount() < 3)
        return title;
    return QString::number(nonday.rowCount() - 1) + QLatin1Char(' ') + title;
}

QString dayTitle(const TaskTable &day, const QDateTime &date, const QString &holiday) {
    const QString relative = relativeDate(date);
    if (!holiday.isEmpty())
        return holiday + QStringLiteral("  ") + relative;
    const QString count =
        day.rowCount() < 3 ? QString() : QString::number(day.rowCount() - 1) + QStringLiteral(" tasks ");
    return count + formatDateTime(QStringLiteral("ddd ddddd"), date) + QStringLiteral("  ") + relative;
}

} // namespace corvane
