#include "output/webpage.h"

#include "app/updatereminder.h"
#include "output/tableexport.h"
#include "store/dateformats.h"
#include "store/daynumber.h"

namespace corvane {

MonthGrid FillGridWithNumbers(const QDate &month) {
    MonthGrid grid{};
    const QDate first(month.year(), month.month(), 1);
    int column = first.dayOfWeek() % 7 + 1; // Sunday is 1
    int week = 1;
    for (int day = 1; day <= first.daysInMonth(); ++day) {
        grid[week][column] = day;
        if (++column > 7) {
            column = 1;
            ++week;
        }
    }
    return grid;
}

namespace {

// Shaded when the row and the column are both even or both odd.
QString GetCheckerBoard(int a, int b) {
    return (a + b) % 2 == 0 ? QStringLiteral("bgcolor=#CCFFFF") : QString();
}

// The sheet: each rule's selector and its declarations.
struct StyleRule {
    const char *selector;
    QStringList declarations;
};

QList<StyleRule> styleRules() {
    const QStringList border = {QStringLiteral("border-color : #669999;"),
                                QStringLiteral("border-width : .1em;")};
    const auto sides = [&](const char *bottom, const char *right) {
        return border + QStringList{QStringLiteral("border-bottom-style : %1;").arg(QLatin1String(bottom)),
                                    QStringLiteral("border-top-style : none;"),
                                    QStringLiteral("border-right-style : %1;").arg(QLatin1String(right)),
                                    QStringLiteral("border-left-style : none;")};
    };
    const QStringList cell = sides("solid", "solid");
    const QStringList rightCell = sides("none", "solid");
    const QStringList verdana = {QStringLiteral("font-family : Verdana, Arial;"),
                                 QStringLiteral("color : #669999;")};
    return {
        {"body",
         {QStringLiteral("font-family : Arial;"), QStringLiteral("font-size : 9pt;"),
          QStringLiteral("margin : 0px;")}},
        {"td.CalMonth",
         {QStringLiteral("font-family : Verdana, Arial;"), QStringLiteral("font-size : x-large;"),
          QStringLiteral("font-weight : bold;"), QStringLiteral("background-color : #669999;"),
          QStringLiteral("color : #CCFFFF;")}},
        {"td", {QStringLiteral("font-family : Arial;"), QStringLiteral("font-size : 9pt;")}},
        {"td.DayHeader",
         verdana + QStringList{QStringLiteral("font-style : italic;")} + sides("solid", "none")},
        {"td.cell", cell},
        {"td.bottomcell", cell},
        {"td.rightcell", rightCell},
        {"td.numbercell", verdana + rightCell},
        {"td.FillDay", rightCell},
        {"td.bottomFillDay", cell},
    };
}

class PageWriter {
public:
    PageWriter(const QDate &month, const DaySummary &summary) : m_month(month), m_summary(summary) {
        m_grid = FillGridWithNumbers(month);
    }
    const MonthGrid &grid() const { return m_grid; }
    QDate dateAt(int week, int column) const {
        return QDate(m_month.year(), m_month.month(), m_grid[week][column]);
    }

    void OutputLine(const QString &text) { lines << text; }
    void head();
    void DumpMonth();
    void dayNames();
    void OutputRow(int week) {
        OutputDayTop(week);
        OutputDayBottom(week);
    }
    void dumpDetails(const DayDetails &details);
    void footer();

    QStringList lines;

private:
    void OutputDayTop(int week);
    void OutputDayBottom(int week);
    QString DumpData(int column, int week) const;

    QDate m_month;
    DaySummary m_summary;
    MonthGrid m_grid;
};

void PageWriter::head() {
    for (const char *line :
         {"<html><head>", "<META HTTP-EQUIV='Content-Type' content='text/html; charset=utf-8'>",
          "<title>Calendar</title>", ""})
        OutputLine(QLatin1String(line));
    bool first = true;
    for (const StyleRule &rule : styleRules()) {
        if (first)
            OutputLine(QStringLiteral("<style type=\"text/css\"> body  {"));
        else
            OutputLine(QStringLiteral(" %1  {").arg(QLatin1String(rule.selector)));
        first = false;
        for (const QString &declaration : rule.declarations)
            OutputLine(u'\t' + declaration);
        OutputLine(QStringLiteral(" }"));
    }
    for (const char *line :
         {" </style> ", "", "</head>", "<body bgcolor=white>", "<font face=\"Arial\" size=\"-1\">"})
        OutputLine(QLatin1String(line));
}

void PageWriter::DumpMonth() {
    OutputLine(QStringLiteral("<table width=\"100%\">"));
    OutputLine(QStringLiteral("<td width=\"1%\">&nbsp;</td>"));
    OutputLine(
        QStringLiteral("<td align=\"center\" class=\"calmonth\">Corvane - %1</td>")
            .arg(escapeHtml(formatDateTime(QStringLiteral("mmmm yyyy"), QDateTime(m_month, QTime(0, 0))))));
    OutputLine(QStringLiteral("</table>"));
}

void PageWriter::dayNames() {
    for (const char *line : {
             "<table border=0 cellspacing=0 cellpadding=1>",
             "",
             "<tr>",
             "<td width=1>&nbsp;</td> ",
             "<td valign=top width=14% nowrap align=center class=dayheader >Sunday</td> ",
             "<td valign=top width=14% nowrap align=center class=dayheader bgcolor=#CCFFFF>Monday</td> ",
             "<td valign=top width=14% nowrap align=center class=dayheader>Tuesday</td> ",
             "<td valign=top width=14% nowrap align=center class=dayheader bgcolor=#CCFFFF>Wednesday</td>",
             "<td valign=top width=14% nowrap align=center class=dayheader>Thursday</td> ",
             "<td valign=top width=14% nowrap align=center class=dayheader bgcolor=#CCFFFF>Friday</td> ",
             "<td valign=top width=14% nowrap align=center class=dayheader>Saturday</td> <!-- Saturday label "
             "-->",
             "</tr>",
         })
        OutputLine(QLatin1String(line));
}

void PageWriter::OutputDayTop(int week) {
    OutputLine(QStringLiteral("<tr>"));
    if (week == 1)
        OutputLine(QStringLiteral("<td width=1 class=rightcell rowspan=12>&nbsp;</td>"));
    for (int column = 1; column <= 7; ++column) {
        const QString shade = GetCheckerBoard(week, column);
        if (const int day = m_grid[week][column])
            OutputLine(
                QStringLiteral("<td valign=top width=14% nowrap align=right class=numbercell %1>%2</td>")
                    .arg(shade)
                    .arg(day));
        else
            OutputLine(QStringLiteral("<td width=14% class=FillDay %1>&nbsp;</td>").arg(shade));
    }
    OutputLine(QStringLiteral("</tr>"));
}

void PageWriter::OutputDayBottom(int week) {
    OutputLine(QStringLiteral("<tr>"));
    for (int column = 1; column <= 7; ++column) {
        const QString shade = GetCheckerBoard(column, week);
        if (m_grid[week][column]) {
            const QString height = column == 1 ? QStringLiteral("height=\"90\"") : QString();
            OutputLine(QStringLiteral("<td width=14% class=cell %1 valign=\"top\" %2>%3</td>")
                           .arg(shade, height, DumpData(column, week)));
        } else {
            OutputLine(
                QStringLiteral("<td width=14% class=BottomFillDay height=\"90\" %1>&nbsp;</td>").arg(shade));
        }
    }
    OutputLine(QStringLiteral("</tr>"));
}

QString PageWriter::DumpData(int column, int week) const {
    const QString text = m_summary ? m_summary(dateAt(week, column)) : QString();
    return text.isEmpty() ? QStringLiteral("&nbsp;") : text;
}

void PageWriter::dumpDetails(const DayDetails &details) {
    for (const char *line : {
             "<p>",
             "<table width=\"100%\" border=\"1\" cellpadding=\"3\" cellspacing=\"0\">",
             "<tr>",
             "<td colspan=\"6\" align=\"center\" class=\"calmonth\">Details</td>",
             "</tr>",
             "<tr>",
             "<td class=dayheader align=\"center\" bgcolor=#CCFFFF>Day</td>",
             "<td class=dayheader align=\"center\" bgcolor=#CCFFFF>Time</td>",
             "<td class=dayheader align=\"center\" bgcolor=#CCFFFF>Category</td>",
             "<td class=dayheader align=\"center\" bgcolor=#CCFFFF>Alarm?</td>",
             "<td class=dayheader align=\"center\" bgcolor=#CCFFFF>Done?</td>",
             "<td width=55% class=dayheader bgcolor=#CCFFFF>Notes</td>",
             "</tr>",
         })
        OutputLine(QLatin1String(line));
    for (int week = 1; week <= 6; ++week) {
        for (int column = 1; column <= 7; ++column) {
            if (!m_grid[week][column] || !details)
                continue;
            for (const QString &task : details(dateAt(week, column))) {
                OutputLine(QStringLiteral("<tr>"));
                for (int field = 1; field <= 5; ++field)
                    OutputLine(QStringLiteral("<td class=detail valign=\"top\" align=\"center\">%1</td>")
                                   .arg(escapeHtml(tabField(task, field))));
                OutputLine(QStringLiteral("<td class=detail valign=\"top\" align=\"left\">%1</td>")
                               .arg(escapeHtml(tabField(task, 6))));
                OutputLine(QStringLiteral("</tr>"));
            }
        }
    }
    OutputLine(QStringLiteral("</table>"));
}

void PageWriter::footer() {
    OutputLine(QStringLiteral("<br>&nbsp;"));
    OutputLine(QStringLiteral("<CENTER><HR width=\"90%\">"));
    OutputLine(QStringLiteral("<FONT SIZE=\"-1\" FACE=\"Arial\">Corvane courtesy of <A HREF=\"%1\" "
                              "TARGET=\"_top\">Halvering Corporation</A><BR>")
                   .arg(homePageAddress()));
    OutputLine(QStringLiteral("&nbsp;</FONT></CENTER>"));
    OutputLine(QStringLiteral("</body></html>"));
}

// The store rows of a day, in store order.
template <typename Visit> void forEachRowOfDay(const TaskTable &store, const QDate &date, Visit visit) {
    const int day = dayNumber(date);
    const int first = firstRowOfDay(store, day, passAll);
    if (first < 1)
        return;
    for (int row = first; row < store.rowCount() && dayOfKey(store.cell(StoreKey, row)) == day; ++row)
        visit(row);
}

} // namespace

QStringList webPageLines(const QDate &month, bool details, const DaySummary &summary,
                         const DayDetails &lines) {
    PageWriter page(month, summary);
    page.head();
    page.DumpMonth();
    page.dayNames();
    for (int week = 1; week <= 5; ++week)
        page.OutputRow(week);
    if (page.grid()[6][1])
        page.OutputRow(6);
    page.OutputLine(QStringLiteral("</table>"));
    page.OutputLine(QStringLiteral("</font>"));
    if (details)
        page.dumpDetails(lines);
    page.footer();
    return page.lines;
}

QString daySummaryHtml(const TaskTable &store, const QDate &date, const QString &holiday,
                       const RowFilter &filter) {
    QString html;
    if (!holiday.isEmpty())
        html += QStringLiteral("<font color=\"Blue\">") + escapeHtml(holiday) + QStringLiteral("</font><br>");
    forEachRowOfDay(store, date, [&](int row) {
        if (filter(store.cell(StoreDone, row), store.cell(StoreCategory, row)))
            html += escapeHtml(store.cell(StoreTime, row).toLower()) + u' ' +
                    escapeHtml(store.cell(StoreCategory, row)) + QStringLiteral("<br>");
    });
    return html;
}

QStringList dayDetailLines(const TaskTable &store, const QDate &date, const RowFilter &filter) {
    QStringList lines;
    forEachRowOfDay(store, date, [&](int row) {
        if (!filter(store.cell(StoreDone, row), store.cell(StoreCategory, row)))
            return;
        lines << QStringList{QString::number(date.day()),    store.cell(StoreTime, row).toLower(),
                             store.cell(StoreCategory, row), store.cell(StoreAlarm, row),
                             store.cell(StoreDone, row),     store.cell(StoreWhat, row)}
                     .join(u'\t');
    });
    return lines;
}

} // namespace corvane
