#include "output/printselection.h"
#include "output/tableprint.h"
#include "store/dateformats.h"
#include "testsupport.h"

#include <QPrinter>
#include <QProcess>
#include <QTest>

using namespace corvane;

class TablePrintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pageShowsTitleDateTimeColumnTitlesAndEveryLineOfACell();
    void longTableBreaksPagesWithTheItemsOnEachPage();
    void tooWideTableShrinksToThePage();
    void completedTasksPrintLandscape();
    void unwritableFileFails();
};

namespace {

const QDateTime printedAt(QDate(2000, 3, 15), QTime(14, 5));

QString pdfInfo(const QString &fileName) {
    QProcess process;
    process.start("pdfinfo", {fileName});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool printToPdf(const QString &fileName, const TaskTable &table, const PrintSettings &settings) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    return printTable(printer, table, settings, printedAt);
}

TaskTable printRows(int count) {
    TaskTable table;
    setUpPrintTable(table);
    table.setRowCount(count + 1);
    for (int row = 1; row <= count; ++row)
        table.setRowCells(row, {"3/5/2000", "9:00 AM", "Work", QString("task %1").arg(row), "No", "No"});
    return table;
}

} // namespace

void TablePrintTest::initTestCase() {
    test::pinFormats("en_US");
    fix2000();
}

void TablePrintTest::pageShowsTitleDateTimeColumnTitlesAndEveryLineOfACell() {
    test::Sandbox sandbox;
    TaskTable table = printRows(2);
    table.setCell(PrintWhat, 2, "Call the bank\r\nthen write to Zoë");
    QVERIFY(printToPdf(sandbox.path("p.pdf"), table, selectionPrintSettings()));
    const QString text = test::pdfText(sandbox.path("p.pdf"));
    const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.value(0).contains(QRegularExpression("^\\s*3/15/2000\\s+Tasks for ALL dates\\s+2:05 PM$")),
             qPrintable(lines.value(0)));
    QVERIFY2(
        lines.value(1).contains(QRegularExpression("Date\\s+Time\\s+Category\\s+What\\s+Completed\\s+Alarm")),
        qPrintable(text));
    QVERIFY(lines.value(2).contains(QRegularExpression("3/5/2000\\s+9:00 AM\\s+Work\\s+task 1\\s+No\\s+No")));
    QVERIFY(lines.value(3).contains(QRegularExpression("Call the bank")));
    QVERIFY2(text.contains("then write to Zoë"), qPrintable(text));
}

void TablePrintTest::longTableBreaksPagesWithTheItemsOnEachPage() {
    test::Sandbox sandbox;
    QVERIFY(printToPdf(
        sandbox.path("p.pdf"), printRows(150),
        dayListPrintSettings("Tasks for today", printFont("Arial", 10), {59, 63, 68, 350, 48, 54})));
    QVERIFY(pdfInfo(sandbox.path("p.pdf")).contains(QRegularExpression("Pages:\\s+[3-9]\n")));
    const QString text = test::pdfText(sandbox.path("p.pdf"));
    const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
    QVERIFY(pages.size() >= 3);
    for (const QString &page : pages) {
        QVERIFY(page.contains("Tasks for today"));
        QVERIFY(page.contains("3/15/2000")); // the date at the bottom left
    }
    QCOMPARE(text.count("Category"), 1); // the title row is not repeated
    QVERIFY(text.contains("task 150"));
}

void TablePrintTest::tooWideTableShrinksToThePage() {
    test::Sandbox sandbox;
    TaskTable table = printRows(1);
    table.setCell(PrintAlarm, 1, "LastColumn");
    PrintSettings settings = selectionPrintSettings();
    settings.columnWidths = {300, 300, 300, 300, 300, 300};
    QVERIFY(printToPdf(sandbox.path("wide.pdf"), table, settings));
    QVERIFY(test::pdfText(sandbox.path("wide.pdf")).contains("LastColumn"));
    settings.fit = FitToPage::Never;
    QVERIFY(printToPdf(sandbox.path("cut.pdf"), table, settings));
    QVERIFY(!test::pdfText(sandbox.path("cut.pdf")).contains("LastColumn"));
}

void TablePrintTest::completedTasksPrintLandscape() {
    test::Sandbox sandbox;
    TaskTable table(6, 2);
    table.setRowCells(0, {"Comp Date", "Time", "Category", "Orig Date", "What", "Comp Notes"});
    table.setRowCells(1, {"3/15/2000", "10:30 AM", "Work", "Wed 3/15/2000", "report", "went well"});
    QVERIFY(printToPdf(sandbox.path("c.pdf"), table, completedPrintSettings()));
    QVERIFY(pdfInfo(sandbox.path("c.pdf")).contains("792 x 612"));
    QVERIFY(test::pdfText(sandbox.path("c.pdf"))
                .contains(QRegularExpression("3/15/2000\\s+Completed Tasks\\s+2:05 PM")));
}

void TablePrintTest::unwritableFileFails() {
    QVERIFY(!printToPdf("/nonexistent-folder/p.pdf", printRows(1), selectionPrintSettings()));
}

QTEST_MAIN(TablePrintTest)
#include "tst_tableprint.moc"
