#include "app/dayview.h"
#include "output/webpage.h"
#include "store/dateformats.h"
#include "store/daynumber.h"
#include "testsupport.h"

#include <QTest>

using namespace corvane;

class WebPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void monthWithAHolidayAndTwoTasksLineForLine();
    void weekRows_data();
    void weekRows();
    void filterHidesTasksFromCellsAndDetails();
    void dayWithoutTasksIsBlank();
};

namespace {

const QDate valentine(2015, 2, 14);

TaskTable storeWithTwoTasks() {
    TaskTable store;
    setUpStoreTable(store);
    store.setRowCount(4);
    const int day = dayNumber(valentine);
    store.setRowCells(1, {storeKey(day - 1, 101), "8:00 AM", "Work", "the day before", "No", "No"});
    store.setRowCells(2, {storeKey(day, 101), "9:00 AM", "Work", "flowers", "No", "Yes"});
    store.setRowCells(3, {storeKey(day, 102), "6:30 PM", "<Home>", "dinner & \"wine\"", "Yes", "No"});
    return store;
}

QStringList page(const QDate &month, bool details, const TaskTable &store,
                 const RowFilter &filter = passAll) {
    return webPageLines(
        month, details,
        [&](const QDate &date) {
            return daySummaryHtml(store, date, date == valentine ? "Valentine's Day & more" : QString(),
                                  filter);
        },
        [&](const QDate &date) { return dayDetailLines(store, date, filter); });
}

} // namespace

void WebPageTest::initTestCase() {
    test::pinFormats("en_US");
    fix2000();
}

void WebPageTest::monthWithAHolidayAndTwoTasksLineForLine() {
    const QStringList lines = page(valentine, true, storeWithTwoTasks());
    const QStringList head = {"<html><head>",
                              "<META HTTP-EQUIV='Content-Type' content='text/html; charset=utf-8'>",
                              "<title>Calendar</title>", "", "<style type=\"text/css\"> body  {"};
    QCOMPARE(lines.mid(0, 5), head);
    const qsizetype styleEnd = lines.indexOf(" </style> ");
    const QStringList sheet = lines.mid(5, styleEnd - 5);
    QCOMPARE(
        sheet.filter(QRegularExpression("\\{$")),
        (QStringList{" td.CalMonth  {", " td  {", " td.DayHeader  {", " td.cell  {", " td.bottomcell  {",
                     " td.rightcell  {", " td.numbercell  {", " td.FillDay  {", " td.bottomFillDay  {"}));
    QCOMPARE(sheet.count(" }"), 10);
    const qsizetype numberCell = sheet.indexOf(" td.numbercell  {");
    QCOMPARE(
        sheet.mid(numberCell + 1, 9),
        (QStringList{"\tfont-family : Verdana, Arial;", "\tcolor : #669999;", "\tborder-color : #669999;",
                     "\tborder-width : .1em;", "\tborder-bottom-style : none;", "\tborder-top-style : none;",
                     "\tborder-right-style : solid;", "\tborder-left-style : none;", " }"}));

    const QStringList expected = {
        " </style> ",
        "",
        "</head>",
        "<body bgcolor=white>",
        "<font face=\"Arial\" size=\"-1\">",
        "<table width=\"100%\">",
        "<td width=\"1%\">&nbsp;</td>",
        "<td align=\"center\" class=\"calmonth\">Corvane - February 2015</td>",
        "</table>",
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
        "<td valign=top width=14% nowrap align=center class=dayheader>Saturday</td> <!-- Saturday label -->",
        "</tr>",
        // Week 1: 1 to 7 February.
        "<tr>",
        "<td width=1 class=rightcell rowspan=12>&nbsp;</td>",
        "<td valign=top width=14% nowrap align=right class=numbercell bgcolor=#CCFFFF>1</td>",
        "<td valign=top width=14% nowrap align=right class=numbercell >2</td>",
        "<td valign=top width=14% nowrap align=right class=numbercell bgcolor=#CCFFFF>3</td>",
        "<td valign=top width=14% nowrap align=right class=numbercell >4</td>",
        "<td valign=top width=14% nowrap align=right class=numbercell bgcolor=#CCFFFF>5</td>",
        "<td valign=top width=14% nowrap align=right class=numbercell >6</td>",
        "<td valign=top width=14% nowrap align=right class=numbercell bgcolor=#CCFFFF>7</td>",
        "</tr>",
        "<tr>",
        "<td width=14% class=cell bgcolor=#CCFFFF valign=\"top\" height=\"90\">&nbsp;</td>",
        "<td width=14% class=cell  valign=\"top\" >&nbsp;</td>",
        "<td width=14% class=cell bgcolor=#CCFFFF valign=\"top\" >&nbsp;</td>",
        "<td width=14% class=cell  valign=\"top\" >&nbsp;</td>",
        "<td width=14% class=cell bgcolor=#CCFFFF valign=\"top\" >&nbsp;</td>",
        "<td width=14% class=cell  valign=\"top\" >&nbsp;</td>",
        "<td width=14% class=cell bgcolor=#CCFFFF valign=\"top\" >&nbsp;</td>",
        "</tr>",
        // Week 2: 8 to 14 February, the day before and the holiday with its two tasks.
        "<tr>",
        "<td valign=top width=14% nowrap align=right class=numbercell >8</td>",
        "<td valign=top width=14% nowrap align=right class=numbercell bgcolor=#CCFFFF>9</td>",
        "<td valign=top width=14% nowrap align=right class=numbercell >10</td>",
        "<td valign=top width=14% nowrap align=right class=numbercell bgcolor=#CCFFFF>11</td>",
        "<td valign=top width=14% nowrap align=right class=numbercell >12</td>",
        "<td valign=top width=14% nowrap align=right class=numbercell bgcolor=#CCFFFF>13</td>",
        "<td valign=top width=14% nowrap align=right class=numbercell >14</td>",
        "</tr>",
        "<tr>",
        "<td width=14% class=cell  valign=\"top\" height=\"90\">&nbsp;</td>",
        "<td width=14% class=cell bgcolor=#CCFFFF valign=\"top\" >&nbsp;</td>",
        "<td width=14% class=cell  valign=\"top\" >&nbsp;</td>",
        "<td width=14% class=cell bgcolor=#CCFFFF valign=\"top\" >&nbsp;</td>",
        "<td width=14% class=cell  valign=\"top\" >&nbsp;</td>",
        "<td width=14% class=cell bgcolor=#CCFFFF valign=\"top\" >8:00 am Work<br></td>",
        "<td width=14% class=cell  valign=\"top\" ><font color=\"Blue\">Valentine's Day &amp; "
        "more</font><br>9:00 am "
        "Work<br>6:30 pm &lt;Home&gt;<br></td>",
        "</tr>",
    };
    QCOMPARE(lines.mid(styleEnd, expected.size()), expected);

    // Weeks 3 and 4 are full, week 5 holds no day, and there is no week 6.
    const QStringList rest = lines.mid(styleEnd + expected.size());
    QCOMPARE(rest.filter("class=numbercell").size(), 14);
    const QStringList week5 = {
        "<tr>",
        "<td width=14% class=FillDay bgcolor=#CCFFFF>&nbsp;</td>",
        "<td width=14% class=FillDay >&nbsp;</td>",
        "<td width=14% class=FillDay bgcolor=#CCFFFF>&nbsp;</td>",
        "<td width=14% class=FillDay >&nbsp;</td>",
        "<td width=14% class=FillDay bgcolor=#CCFFFF>&nbsp;</td>",
        "<td width=14% class=FillDay >&nbsp;</td>",
        "<td width=14% class=FillDay bgcolor=#CCFFFF>&nbsp;</td>",
        "</tr>",
        "<tr>",
        "<td width=14% class=BottomFillDay height=\"90\" bgcolor=#CCFFFF>&nbsp;</td>",
        "<td width=14% class=BottomFillDay height=\"90\" >&nbsp;</td>",
        "<td width=14% class=BottomFillDay height=\"90\" bgcolor=#CCFFFF>&nbsp;</td>",
        "<td width=14% class=BottomFillDay height=\"90\" >&nbsp;</td>",
        "<td width=14% class=BottomFillDay height=\"90\" bgcolor=#CCFFFF>&nbsp;</td>",
        "<td width=14% class=BottomFillDay height=\"90\" >&nbsp;</td>",
        "<td width=14% class=BottomFillDay height=\"90\" bgcolor=#CCFFFF>&nbsp;</td>",
        "</tr>",
        "</table>",
        "</font>",
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
        "<tr>",
        "<td class=detail valign=\"top\" align=\"center\">13</td>",
        "<td class=detail valign=\"top\" align=\"center\">8:00 am</td>",
        "<td class=detail valign=\"top\" align=\"center\">Work</td>",
        "<td class=detail valign=\"top\" align=\"center\">No</td>",
        "<td class=detail valign=\"top\" align=\"center\">No</td>",
        "<td class=detail valign=\"top\" align=\"left\">the day before</td>",
        "</tr>",
        "<tr>",
        "<td class=detail valign=\"top\" align=\"center\">14</td>",
        "<td class=detail valign=\"top\" align=\"center\">9:00 am</td>",
        "<td class=detail valign=\"top\" align=\"center\">Work</td>",
        "<td class=detail valign=\"top\" align=\"center\">Yes</td>",
        "<td class=detail valign=\"top\" align=\"center\">No</td>",
        "<td class=detail valign=\"top\" align=\"left\">flowers</td>",
        "</tr>",
        "<tr>",
        "<td class=detail valign=\"top\" align=\"center\">14</td>",
        "<td class=detail valign=\"top\" align=\"center\">6:30 pm</td>",
        "<td class=detail valign=\"top\" align=\"center\">&lt;Home&gt;</td>",
        "<td class=detail valign=\"top\" align=\"center\">No</td>",
        "<td class=detail valign=\"top\" align=\"center\">Yes</td>",
        "<td class=detail valign=\"top\" align=\"left\">dinner &amp; &quot;wine&quot;</td>",
        "</tr>",
        "</table>",
        "<br>&nbsp;",
        "<CENTER><HR width=\"90%\">",
        "<FONT SIZE=\"-1\" FACE=\"Arial\">Corvane courtesy of <A HREF=\"https://www.halvering.example/\" "
        "TARGET=\"_top\">Halvering Corporation</A><BR>",
        "&nbsp;</FONT></CENTER>",
        "</body></html>",
    };
    QCOMPARE(rest.mid(rest.size() - week5.size()), week5);
    QCOMPARE(rest.size(), 2 * 18 + week5.size());
}

void WebPageTest::weekRows_data() {
    QTest::addColumn<QDate>("month");
    QTest::addColumn<int>("weeks");
    QTest::addColumn<int>("lastDay");
    QTest::addColumn<int>("lastWeekSunday"); // the day in the Sunday cell of the last week, 0 for none
    QTest::newRow("April 2000 starts on a Saturday") << QDate(2000, 4, 1) << 6 << 30 << 30;
    QTest::newRow("February 2000 is a leap month") << QDate(2000, 2, 1) << 5 << 29 << 27;
    QTest::newRow("February 1900 is not") << QDate(1900, 2, 1) << 5 << 28 << 25;
    QTest::newRow("February 2015 starts on a Sunday") << QDate(2015, 2, 1) << 5 << 28 << 0;
}

void WebPageTest::weekRows() {
    QFETCH(QDate, month);
    QFETCH(int, weeks);
    QFETCH(int, lastDay);
    QFETCH(int, lastWeekSunday);
    const MonthGrid grid = FillGridWithNumbers(month);
    QCOMPARE(grid[weeks][1], lastWeekSunday);
    int days = 0;
    for (const auto &week : grid)
        for (int day : week)
            days = std::max(days, day);
    QCOMPARE(days, lastDay);
    const QStringList lines = page(month, false, storeWithTwoTasks());
    QCOMPARE(lines.filter("<tr>").size(), 1 + 2 * weeks);
    QCOMPARE(lines.filter(QRegularExpression(QString(">%1</td>$").arg(lastDay))).size(), 1);
    QVERIFY(lines.filter(QRegularExpression(QString(">%1</td>$").arg(lastDay + 1))).isEmpty());
    QVERIFY(!lines.contains("<td colspan=\"6\" align=\"center\" class=\"calmonth\">Details</td>"));
}

void WebPageTest::filterHidesTasksFromCellsAndDetails() {
    const RowFilter noHome = [](const QString &, const QString &category) { return category != "<Home>"; };
    const TaskTable store = storeWithTwoTasks();
    QCOMPARE(daySummaryHtml(store, valentine, QString(), noHome), QString("9:00 am Work<br>"));
    QCOMPARE(dayDetailLines(store, valentine, noHome), QStringList{"14\t9:00 am\tWork\tYes\tNo\tflowers"});
    QVERIFY(page(valentine, true, store, noHome).filter("Home").isEmpty());
}

void WebPageTest::dayWithoutTasksIsBlank() {
    QCOMPARE(daySummaryHtml(storeWithTwoTasks(), QDate(2015, 2, 1), QString(), passAll), QString());
    QVERIFY(dayDetailLines(storeWithTwoTasks(), QDate(2015, 2, 1), passAll).isEmpty());
}

QTEST_GUILESS_MAIN(WebPageTest)
#include "tst_webpage.moc"
