#include "holidays/holidaylist.h"

#include "holidays/holidayrules.h"
#include "store/routines.h"

namespace corvane {

HolidayDayChoice splitHolidayDay(const QString &dayText) {
    HolidayDayChoice day;
    const QString separator = QStringLiteral(" : ");
    const qsizetype at = dayText.indexOf(separator);
    if (at < 0) {
        day.dayOfMonth = readInteger(dayText);
        return day;
    }
    day.specific = false;
    day.ordinal = dayText.left(at);
    day.weekday = dayText.mid(at + separator.size(), 255);
    return day;
}

QString holidayDayText(const HolidayDayChoice &day) {
    if (day.specific)
        return QString::number(day.dayOfMonth);
    return day.ordinal + QStringLiteral(" : ") + day.weekday;
}

QStringList holidayRuleCells(const QString &name, const QString &monthText, const HolidayDayChoice &day) {
    return {name, QStringLiteral("%1").arg(monthNumber(monthText), 2, 10, QLatin1Char('0')), monthText,
            holidayDayText(day)};
}

void addHolidayRule(TaskTable &rules, int row, const QStringList &cells) {
    if (!rules.cell(HolidayName, row).isEmpty())
        rules.insertRows(row, 1);
    rules.setRowCells(row, cells);
}

void deleteHolidayRule(TaskTable &rules, int row) {
    if (row < 1 || row >= rules.rowCount())
        return;
    if (rules.rowCount() > 2) {
        rules.removeRows(row, 1);
        return;
    }
    rules.setRowCells(row, {});
}

bool canDropHolidayRule(const TaskTable &rules, int row) {
    return row >= 1 && row < rules.rowCount();
}

bool moveHolidayRule(TaskTable &rules, int from, int to) {
    if (from == to || !canDropHolidayRule(rules, from) || !canDropHolidayRule(rules, to))
        return false;
    rules.moveRow(from, to);
    return true;
}

} // namespace corvane
