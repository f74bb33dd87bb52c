#include "app/dayview.h"
#include "output/tableexport.h"
#include "testsupport.h"

#include <QTest>

using namespace corvane;

class TableExportTest : public QObject {
    Q_OBJECT
private slots:
    void commaDelimited_data();
    void commaDelimited();
    void html_data();
    void html();
    void emptyDayListWritesTitlesAndOneEmptyRow();
    void filesAreUtf8AndReplaced();
    void unwritableFileIsReportedWithItsNameAndReason();
};

namespace {

TaskTable dayList(const QStringList &cells) {
    TaskTable day;
    setUpDayTable(day);
    day.setRowCells(1, cells);
    return day;
}

} // namespace

void TableExportTest::commaDelimited_data() {
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("line");
    QTest::newRow("plain cells, an empty one, a comma")
        << QStringList{"", "1 - High", "Call, then write", "Yes", "No"}
        << "\"\",1 - High,\"Call, then write\",Yes,No";
    QTest::newRow("inner quotes are doubled") << QStringList{"9:00 AM", "Work", "say \"hi\"", "No", "No"}
                                              << "9:00 AM,Work,\"say \"\"hi\"\"\",No,No";
    QTest::newRow("comma and quotes in one pair")
        << QStringList{"9:00 AM", "Work", "a, \"b\"", "No", "No"} << "9:00 AM,Work,\"a, \"\"b\"\"\",No,No";
    QTest::newRow("two lines are quoted") << QStringList{"9:00 AM", "Work", "first\r\nsecond", "No", "No"}
                                          << "9:00 AM,Work,\"first\r\nsecond\",No,No";
    QTest::newRow("accents stay") << QStringList{"9:00 AM", "Café", "Zoë", "No", "No"}
                                  << "9:00 AM,Café,Zoë,No,No";
}

void TableExportTest::commaDelimited() {
    QFETCH(QStringList, cells);
    QFETCH(QString, line);
    QCOMPARE(commaDelimitedText(dayList(cells)), "Time,Category,What,Done?,Alarm?\r\n" + line + "\r\n");
}

void TableExportTest::html_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("cell");
    QTest::newRow("plain") << "Call"
                           << "<td nowrap>Call</td>";
    QTest::newRow("two lines") << "first\r\nsecond"
                               << "<td nowrap>first<br>\nsecond</td>";
    QTest::newRow("markup is escaped")
        << "<b>Fish & Chips</b> \"now\""
        << "<td nowrap>&lt;b&gt;Fish &amp; Chips&lt;/b&gt; &quot;now&quot;</td>";
    QTest::newRow("script is escaped") << "<script>alert(1)</script>"
                                       << "<td nowrap>&lt;script&gt;alert(1)&lt;/script&gt;</td>";
}

void TableExportTest::html() {
    QFETCH(QString, what);
    QFETCH(QString, cell);
    const QString expected = "<meta charset=\"utf-8\">\r\n"
                             "<table border=1>\r\n"
                             "<tr>\r\n"
                             "<td nowrap BGCOLOR=\"#C0C0C0\"><B>Time</B></td>\r\n"
                             "<td nowrap BGCOLOR=\"#C0C0C0\"><B>Category</B></td>\r\n"
                             "<td nowrap BGCOLOR=\"#C0C0C0\"><B>What</B></td>\r\n"
                             "<td nowrap BGCOLOR=\"#C0C0C0\"><B>Done?</B></td>\r\n"
                             "<td nowrap BGCOLOR=\"#C0C0C0\"><B>Alarm?</B></td>\r\n"
                             "</tr>\r\n"
                             "<tr>\r\n"
                             "<td nowrap>9:00 AM</td>\r\n"
                             "<td nowrap><br></td>\r\n" +
                             cell +
                             "\r\n"
                             "<td nowrap>No</td>\r\n"
                             "<td nowrap>Yes</td>\r\n"
                             "</tr>\r\n"
                             "</table><p>\r\n";
    QCOMPARE(htmlTable(dayList({"9:00 AM", "", what, "No", "Yes"})), expected);
}

void TableExportTest::emptyDayListWritesTitlesAndOneEmptyRow() {
    TaskTable day;
    setUpDayTable(day);
    QCOMPARE(commaDelimitedText(day),
             QString("Time,Category,What,Done?,Alarm?\r\n\"\",\"\",\"\",\"\",\"\"\r\n"));
    QCOMPARE(htmlTable(day).count("<td nowrap><br></td>"), 5);
}

void TableExportTest::filesAreUtf8AndReplaced() {
    test::Sandbox sandbox;
    const QString file = sandbox.path("tasks.txt");
    test::writeFile(file, "an old and much longer file that the export replaces whole");
    QVERIFY(exportCommaDelimited(dayList({"9:00 AM", "Café", "Zoë", "No", "No"}), file));
    QCOMPARE(test::readFile(file),
             QByteArray("Time,Category,What,Done?,Alarm?\r\n9:00 AM,Caf\xc3\xa9,Zo\xc3\xab,No,No\r\n"));
    QVERIFY(exportHtml(dayList({"9:00 AM", "Café", "Zoë", "No", "No"}), sandbox.path("tasks.htm")));
    QVERIFY(test::readFile(sandbox.path("tasks.htm")).contains("<td nowrap>Caf\xc3\xa9</td>"));
}

void TableExportTest::unwritableFileIsReportedWithItsNameAndReason() {
    QString error;
    QVERIFY(!exportHtml(dayList({}), "/nonexistent-folder/tasks.htm", &error));
    QVERIFY2(error.startsWith("Could not write /nonexistent-folder/tasks.htm: ") && error.size() > 50,
             qPrintable(error));
    QVERIFY(!exportCommaDelimited(dayList({}), "/nonexistent-folder/tasks.txt", &error));
    QVERIFY(error.startsWith("Could not write /nonexistent-folder/tasks.txt: "));
}

QTEST_GUILESS_MAIN(TableExportTest)
#include "tst_tableexport.moc"
