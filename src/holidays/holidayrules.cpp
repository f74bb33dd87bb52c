#include "holidays/holidayrules.h"

#include "store/dateformats.h"
#include "store/programfolder.h"
#include "store/routines.h"

#include <QFileInfo>

namespace corvane {

const QStringList &holidayOrdinals() {
    static const QStringList words{QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Third"),
                                   QStringLiteral("Fourth"), QStringLiteral("Last")};
    return words;
}

QString holidayFileName() {
    return besideProgram(QStringLiteral("holiday.grd"));
}

TaskTable newHolidayTable() {
    TaskTable table(4, 2);
    table.setRowCells(0, {QStringLiteral("Holiday name"), QStringLiteral("Mo #"), QStringLiteral("Month"),
                          QStringLiteral("Day of month")});
    const int widths[] = {286, 61, 80, 121};
    for (int column = 0; column < 4; ++column)
        table.setColumnWidth(column, widths[column]);
    return table;
}

bool loadHolidays(TaskTable &table, const QString &fileName, QString *error) {
    // Emptied first: a load keeps the cells its file does not mention, and a rule deleted since the
    // last load must not linger.
    table.clear();
    table.setRowCount(1);
    if (!QFileInfo::exists(fileName))
        return true;
    if (table.load(fileName, error))
        return true;
    table.clear();
    table.setRowCount(1);
    return false;
}

int NthWeekday(int year, int month, int n, int weekday) {
    if (month < 1 || month > 12)
        return 0;
    const int days = daysInMonth(month, year);
    // Sunday = 1 ... Saturday = 7.
    const int firstWeekday = QDate(year, month, 1).dayOfWeek() % 7 + 1;
    const auto falls = [&](int day) { return (firstWeekday + day - 2) % 7 + 1 == weekday; };
    if (n >= 5) {
        for (int day = days; day >= 1; --day)
            if (falls(day))
                return day;
        return 0;
    }
    for (int day = 1; day <= days; ++day) {
        if (!falls(day))
            continue;
        if (n == 1)
            return day;
        --n;
    }
    return 0;
}

QDate HolidayDate(int year, int month, const QString &dayText) {
    if (!dayText.contains(QLatin1Char(':')))
        return QDate(year, month, readInteger(dayText)); // invalid for a day the month lacks
    const QString text = dayText.toLower();
    int ordinal = 0;
    for (int i = 0; i < holidayOrdinals().size() && ordinal == 0; ++i)
        if (text.contains(holidayOrdinals()[i].toLower()))
            ordinal = i + 1;
    int weekday = 0;
    const QStringList &dayNames = formats().longDayNames;
    for (int i = 0; i < dayNames.size() && weekday == 0; ++i)
        if (!dayNames[i].isEmpty() && text.contains(dayNames[i].toLower()))
            weekday = i + 1;
    if (ordinal == 0 || weekday == 0)
        return QDate(year, month, 1);
    return QDate(year, month, NthWeekday(year, month, ordinal, weekday));
}

QDate ruleDate(const TaskTable &table, int row, int year, int month) {
    const QString monthName = formats().longMonthNames.value(month - 1);
    if (monthName.isEmpty() || !table.cell(HolidayMonth, row).contains(monthName, Qt::CaseInsensitive))
        return QDate();
    return HolidayDate(year, month, table.cell(HolidayDay, row));
}

QString holidayName(const TaskTable &table, const QDate &date) {
    if (!date.isValid())
        return QString();
    for (int row = 1; row < table.rowCount(); ++row)
        if (ruleDate(table, row, date.year(), date.month()) == date)
            return table.cell(HolidayName, row);
    return QString();
}

} // namespace corvane
