#include "app/dayview.h"
#include "store/daynumber.h"
#include "store/tasktable.h"
#include "testsupport.h"

#include <QDir>
#include <QTest>

#include <random>

using namespace corvane;

namespace {

TaskTable loaded(const QByteArray &bytes, bool *ok = nullptr, QString *error = nullptr) {
    TaskTable table;
    QString message;
    const bool done = table.fromGridBytes(bytes, "x.grd", &message);
    if (ok)
        *ok = done;
    if (error)
        *error = message;
    return table;
}

QStringList column(const TaskTable &table, int c) {
    QStringList cells;
    for (int r = 1; r < table.rowCount(); ++r)
        cells << table.cell(c, r);
    return cells;
}

} // namespace

class TaskTableTest : public QObject {
    Q_OBJECT
private slots:
    void nonDateExampleIsWrittenByteForByte();
    void nonDateExampleReadsBack();
    void lineBreaksRoundTrip();
    void emptyTableSavesHeaderAndWidthsOnly();
    void controlBytesAndCommasInCells();
    void surplusCellLinesAreIgnored();
    void loadKeepsCellsTheFileDoesNotMention();
    void corruptHeader_data();
    void corruptHeader();
    void badInput_data();
    void badInput();
    void windows1252FileKeepsItsAccents();
    void savedFileIsUtf8AndRoundTrips();
    void missingFileIsNotFound();
    void failedSaveIsReportedAndKeepsTheOldFile();
    void failedSaveNamesTheSystemReason();
    void headerIsBoundedByTheFileSize_data();
    void headerIsBoundedByTheFileSize();
    void rowOperations();
    void sortOrdersDataRowsOnly();
    void sortWithFewerThanTwoRowsChangesNothing();
    void storeKeysSortByDayThenSequence();
    void sortOrdersAnyArrangement();
    void removingRowsIsOnePass();
};

void TaskTableTest::nonDateExampleIsWrittenByteForByte() {
    TaskTable table(3, 2);
    const QStringList titles{"Category", "What", "Done?"};
    table.setRowCells(0, titles);
    table.setRowCells(1, {"Work", "Call the bank", "No"});
    table.setColumnWidth(0, 62);
    table.setColumnWidth(1, 503);
    table.setColumnWidth(2, 52);
    QCOMPARE(table.toGridBytes(),
             QByteArray("3,2\r\ncw 0,62\r\ncw 1,503\r\ncw 2,52\r\n0,0,Category\r\n1,0,What\r\n"
                        "2,0,Done?\r\n0,1,Work\r\n1,1,Call the bank\r\n2,1,No\r\n"));
}

void TaskTableTest::lineBreaksRoundTrip() {
    TaskTable table(1, 2);
    table.setCell(0, 1, "a\r\nb\r\n");
    const QByteArray bytes = table.toGridBytes();
    QVERIFY(bytes.contains(QByteArray("0,1,a\x09\x08"
                                      "b\x09\x08\r\n")));
    TaskTable back;
    QString error;
    QVERIFY(back.fromGridBytes(bytes, "x.grd", &error));
    QCOMPARE(back.cell(0, 1), QString("a\r\nb\r\n"));
}

void TaskTableTest::nonDateExampleReadsBack() {
    bool ok = false;
    const TaskTable table = loaded("3,2\r\ncw 0,62\r\ncw 1,503\r\ncw 2,52\r\n0,0,Category\r\n1,0,What\r\n"
                                   "2,0,Done?\r\n0,1,Work\r\n1,1,Call the bank\r\n2,1,No\r\n",
                                   &ok);
    QVERIFY(ok);
    QCOMPARE(table.columnCount(), 3);
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(table.rowCells(0), (QStringList{"Category", "What", "Done?"}));
    QCOMPARE(table.rowCells(1), (QStringList{"Work", "Call the bank", "No"}));
    QCOMPARE(table.columnWidth(1), 503);
}

void TaskTableTest::emptyTableSavesHeaderAndWidthsOnly() {
    TaskTable table(2, 4);
    table.setColumnWidth(0, 110);
    QCOMPARE(table.toGridBytes(), QByteArray("2,4\r\ncw 0,110\r\ncw 1,64\r\n"));
}

void TaskTableTest::controlBytesAndCommasInCells() {
    const TaskTable table = loaded("1,4\r\n0,1,a\tb\r\n0,2,c\x08"
                                   "d\r\n0,3,one, two,, three,\r\n");
    QCOMPARE(table.cell(0, 1), QString("a\rb"));
    QCOMPARE(table.cell(0, 2), QString("c\nd"));
    QCOMPARE(table.cell(0, 3), QString("one, two,, three,"));
}

void TaskTableTest::surplusCellLinesAreIgnored() {
    const TaskTable table = loaded("2,2\r\n0,1,kept\r\n0,2,beyond the rows\r\n2,1,beyond the columns\r\n"
                                   "-1,1,negative\r\n");
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(table.rowCells(1), (QStringList{"kept", ""}));
}

void TaskTableTest::loadKeepsCellsTheFileDoesNotMention() {
    TaskTable table(2, 4);
    for (int r = 0; r < 4; ++r)
        table.setRowCells(r, {QString("a%1").arg(r), QString("b%1").arg(r)});
    QString error;
    QVERIFY(table.fromGridBytes("2,3\r\n1,1,new\r\n", "x.grd", &error));
    QCOMPARE(table.rowCount(), 3);
    QCOMPARE(table.rowCells(1), (QStringList{"a1", "new"}));
    QCOMPARE(table.rowCells(2), (QStringList{"a2", "b2"}));
    // An empty first line keeps the shape as it was.
    QVERIFY(table.fromGridBytes("\r\n0,2,again\r\n", "x.grd", &error));
    QCOMPARE(table.rowCount(), 3);
    QCOMPARE(table.rowCells(2), (QStringList{"again", "b2"}));
}

void TaskTableTest::corruptHeader_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no columns") << QByteArray("0,5\r\n0,0,x\r\n");
    QTest::newRow("no rows") << QByteArray("5,0\r\n");
    QTest::newRow("negative") << QByteArray("-1,3\r\n");
    QTest::newRow("no comma") << QByteArray("5\r\n");
    QTest::newRow("words") << QByteArray("columns,rows\r\n");
    QTest::newRow("too many columns") << QByteArray("1001,1\r\n");
    QTest::newRow("too many rows") << QByteArray("1,10000001\r\n");
    QTest::newRow("too many cells") << QByteArray("1000,1000000\r\n");
    QTest::newRow("beyond int") << QByteArray("99999999999999999999,99999999999999999999\r\n");
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
}

void TaskTableTest::corruptHeader() {
    QFETCH(QByteArray, bytes);
    TaskTable table(2, 3);
    table.setCell(1, 2, "kept");
    QString error;
    QVERIFY(!table.fromGridBytes(bytes, "/data/grid.grd", &error));
    QCOMPARE(error, QString("File contains no data or corrupt file /data/grid.grd"));
    // A failed load leaves the table as it was.
    QCOMPARE(table.columnCount(), 2);
    QCOMPARE(table.rowCount(), 3);
    QCOMPARE(table.cell(1, 2), QString("kept"));
}

void TaskTableTest::badInput_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("column0");
    QTest::newRow("empty file") << QByteArray() << 1 << QStringList();
    QTest::newRow("truncated") << QByteArray("1,4\r\ncw 0,5\r\n0,1,first\r\n0,2,sec") << 4
                               << QStringList{"first", "sec", ""};
    QTest::newRow("CR only") << QByteArray("1,3\rcw 0,5\r0,1,a\r0,2,b\r") << 3 << QStringList{"a", "b"};
    QTest::newRow("LF only") << QByteArray("1,3\ncw 0,5\n0,1,a\n0,2,b\n") << 3 << QStringList{"a", "b"};
    QTest::newRow("missing commas") << QByteArray("1,3\r\n0\r\n0,1\r\n0,2,ok\r\ncw\r\ncw,9\r\n") << 3
                                    << QStringList{"", "ok"};
    QTest::newRow("blank lines") << QByteArray("1,3\r\n\r\n\r\n0,1,a\r\n\r\n") << 3 << QStringList{"a", ""};
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "1,2\r\n0,1,a\r\n")
                                     << 2 << QStringList{"a"};
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 7919) % 256);
    QTest::newRow("binary after a header") << QByteArray("1,2\r\n") + binary << 2 << QStringList{""};
}

void TaskTableTest::badInput() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, rows);
    bool ok = false;
    const TaskTable table = loaded(bytes, &ok);
    QVERIFY(ok);
    QCOMPARE(table.rowCount(), rows);
    QTEST(column(table, 0), "column0");
}

void TaskTableTest::windows1252FileKeepsItsAccents() {
    test::Sandbox sandbox;
    test::writeFile(sandbox.path("gridNon.grd"), "3,2\r\n0,1,Caf\xE9\r\n1,1,Pay \x80"
                                                 "5 \x96 r\xE9sum\xE9\r\n");
    TaskTable table;
    QString error;
    QVERIFY(table.load(sandbox.path("gridNon.grd"), &error));
    QCOMPARE(table.cell(0, 1), QString::fromUtf8("Café"));
    QCOMPARE(table.cell(1, 1), QString::fromUtf8("Pay €5 – résumé"));
}

void TaskTableTest::savedFileIsUtf8AndRoundTrips() {
    test::Sandbox sandbox;
    TaskTable table(6, 3);
    table.setRowCells(1, {"36526.101", "5:30 PM", "Büro", "Zeile 1\r\nZeile 2 – €\r\n", "No", "Yes"});
    table.setRowCells(2, {"36527.100", "", "", "日本語", "Yes", "No"});
    const QString file = sandbox.path("grid.grd");
    QString error;
    QVERIFY(table.save(file, &error));
    const QByteArray bytes = test::readFile(file);
    QVERIFY(bytes.startsWith("6,3\r\n"));
    QVERIFY(bytes.contains("2,1,B\xC3\xBCro\r\n"));
    TaskTable back;
    QVERIFY(back.load(file, &error));
    for (int r = 0; r < 3; ++r)
        QCOMPARE(back.rowCells(r), table.rowCells(r));
    QCOMPARE(QDir(sandbox.dir.path()).entryList(QDir::Files), QStringList{"grid.grd"});
}

void TaskTableTest::missingFileIsNotFound() {
    test::Sandbox sandbox;
    TaskTable table;
    QString error;
    QVERIFY(!table.load(sandbox.path("none.grd"), &error));
    QCOMPARE(error, "File " + sandbox.path("none.grd") + " not found");
}

void TaskTableTest::failedSaveIsReportedAndKeepsTheOldFile() {
    test::Sandbox sandbox;
    TaskTable table(1, 2);
    table.setCell(0, 1, "new");
    QString error;
    // The folder does not exist.
    QVERIFY(!table.save(sandbox.path("nowhere/grid.grd"), &error));
    QVERIFY(!error.isEmpty());
    // The name is taken by a folder: nothing replaces it, and nothing is left behind.
    const QString blocked = sandbox.path("grid.grd");
    QVERIFY(QDir().mkpath(blocked + "/inside"));
    error.clear();
    QVERIFY(!table.save(blocked, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(blocked + "/inside").isDir());
    QCOMPARE(QDir(sandbox.dir.path()).entryList(QDir::Files), QStringList{});
}

void TaskTableTest::failedSaveNamesTheSystemReason() {
    test::Sandbox sandbox;
    test::FakePrompter prompts;
    const QString file = sandbox.path("grid.grd");
    test::writeFile(file, "1,1\r\n");
    TaskTable table(1, 2000);
    for (int r = 0; r < table.rowCount(); ++r)
        table.setCell(0, r, QString("a task of some length, row %1").arg(r));
    bool saved = true, reported = true;
    QString error;
    {
        const test::FileSizeLimit limit(4096);
        saved = table.save(file, &error);
        reported = saveTableReporting(table, file);
    }
    QVERIFY(!saved && !reported);
    QCOMPARE(error, QString("File too large"));
    QCOMPARE(prompts.errors, QStringList{"Could not save " + file + ": File too large"});
    QCOMPARE(test::readFile(file), QByteArray("1,1\r\n"));
}

void TaskTableTest::headerIsBoundedByTheFileSize_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::newRow("ten bytes claiming millions") << QByteArray("6,3333333\r\n") << 1 << 2;
    QTest::newRow("one cell claiming millions") << QByteArray("6,3333333\r\n0,1,x\r\n") << 1 << 3;
    QTest::newRow("the cells it has stay") << QByteArray("6,3333333\r\ncw 4,9\r\n2,50,far\r\n") << 5 << 52;
    QByteArray store("6,3\r\ncw 0,110\r\ncw 1,94\r\ncw 2,146\r\ncw 3,64\r\ncw 4,64\r\ncw 5,64\r\n");
    QTest::newRow("a store without tasks") << store << 6 << 3;
    QTest::newRow("a list with its empty row")
        << QByteArray("3,2\r\ncw 0,62\r\ncw 1,503\r\ncw 2,52\r\n0,0,Category\r\n1,0,What\r\n2,0,Done?\r\n")
        << 3 << 2;
    QTest::newRow("a store of one task")
        << store + "0,1,36526.101\r\n1,1,9:00 AM\r\n3,1,x\r\n4,1,No\r\n5,1,No\r\n0,2,36527.101\r\n"
        << 6 << 3;
}

void TaskTableTest::headerIsBoundedByTheFileSize() {
    QFETCH(QByteArray, bytes);
    bool ok = false;
    const TaskTable table = loaded(bytes, &ok);
    QVERIFY(ok);
    QTEST(table.columnCount(), "columns");
    QTEST(table.rowCount(), "rows");
    QVERIFY(table.toGridBytes().size() < 200);
    // What it wrote reads back as the same table.
    TaskTable again;
    QVERIFY(again.fromGridBytes(table.toGridBytes(), "x.grd", nullptr));
    QCOMPARE(again.toGridBytes(), table.toGridBytes());
    if (table.rowCount() > 50)
        QCOMPARE(table.cell(2, 50), QString("far"));
}

void TaskTableTest::rowOperations() {
    TaskTable table(2, 1);
    table.setRowCount(0);
    QCOMPARE(table.rowCount(), 1);
    table.insertRows(1, 3);
    QCOMPARE(table.rowCount(), 4);
    for (int r = 1; r < 4; ++r)
        table.setCell(0, r, QString::number(r));
    QCOMPARE(table.cell(5, 1), QString());
    QCOMPARE(table.cell(0, -1), QString());
    table.setCell(0, 9, "outside"); // ignored
    table.moveRow(1, 3);
    QCOMPARE(column(table, 0), (QStringList{"2", "3", "1"}));
    table.moveRow(3, 1);
    QCOMPARE(column(table, 0), (QStringList{"1", "2", "3"}));
    table.insertRows(2, 1);
    QCOMPARE(column(table, 0), (QStringList{"1", "", "2", "3"}));
    table.removeRows(2, 1);
    QCOMPARE(column(table, 0), (QStringList{"1", "2", "3"}));
    table.removeRows(2, 99);
    QCOMPARE(column(table, 0), (QStringList{"1"}));
    table.setCell(1, 0, "title");
    table.clear();
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(table.cell(0, 1), QString());
    QCOMPARE(table.cell(1, 0), QString("title"));
    QVERIFY(table.rowIsEmpty(1));
}

void TaskTableTest::sortOrdersDataRowsOnly() {
    TaskTable table(3, 5);
    table.setRowCells(0, {"z title", "", ""});
    table.setRowCells(1, {"b", "2", "x"});
    table.setRowCells(2, {"a", "9", "x"});
    table.setRowCells(3, {"b", "1", "y"});
    table.setRowCells(4, {"B", "5", "x"});
    table.sort();
    QCOMPARE(column(table, 0), (QStringList{"B", "a", "b", "b"}));
    QCOMPARE(column(table, 1), (QStringList{"5", "9", "1", "2"}));
    QCOMPARE(table.cell(0, 0), QString("z title"));
    table.setSortAscending(false);
    table.sort();
    QCOMPARE(column(table, 1), (QStringList{"2", "1", "9", "5"}));
    // The last column never breaks a tie.
    table.setSortColumn(1);
    table.setSortAscending(true);
    table.setColumnCompare(1, [](const QString &, const QString &) { return 0; });
    table.setRowCells(1, {"same", "", "b"});
    table.setRowCells(2, {"same", "", "a"});
    table.removeRows(3, 2);
    table.sort();
    QCOMPARE(column(table, 2), (QStringList{"b", "a"}));
}

void TaskTableTest::sortWithFewerThanTwoRowsChangesNothing() {
    TaskTable table(1, 2);
    table.setCell(0, 0, "z");
    table.setCell(0, 1, "a");
    int changes = 0;
    table.setObserver([&](int, int) { ++changes; });
    table.sort();
    QCOMPARE(changes, 0);
    QCOMPARE(table.cell(0, 0), QString("z"));
}

void TaskTableTest::storeKeysSortByDayThenSequence() {
    const QStringList keys{"36526.101", "10000.100",  "36526.1000", "garbage",  "9999.101",
                           "36526.100", "100000.100", "36525.999",  "9999.100", "036526.102"};
    TaskTable store(6, int(keys.size()) + 1);
    for (int r = 1; r <= keys.size(); ++r)
        store.setRowCells(r, {keys[r - 1], "", "", "", "No", "No"});
    store.setColumnCompare(0, compareStoreKeys);
    store.sort();
    QCOMPARE(column(store, 0),
             (QStringList{"garbage", "9999.100", "9999.101", "10000.100", "36525.999", "36526.100",
                          "36526.1000", "36526.101", "036526.102", "100000.100"}));
    // Keys are written exactly as before.
    QVERIFY(store.toGridBytes().contains("0,7,36526.1000\r\n"));
}

void TaskTableTest::sortOrdersAnyArrangement() {
    // Sorted, a few rows inserted at the top, reversed, and shuffled stores all end in order.
    QStringList keys;
    for (int i = 0; i < 300; ++i)
        keys << storeKey(36500 + i / 7, 101 + i % 7);
    QStringList reversed(keys.rbegin(), keys.rend());
    QStringList shuffled = keys;
    std::mt19937 random(1);
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    QStringList topInserted = QStringList{"36520.100", "36499.100", "36600.100"} + keys;
    for (const QStringList &input : {keys, topInserted, reversed, shuffled}) {
        TaskTable store(2, int(input.size()) + 1);
        for (int r = 1; r <= input.size(); ++r)
            store.setRowCells(r, {input[r - 1], QString::number(r)});
        store.setColumnCompare(0, compareStoreKeys);
        store.sort();
        QStringList expected = input;
        std::sort(expected.begin(), expected.end(),
                  [](const QString &a, const QString &b) { return compareStoreKeys(a, b) < 0; });
        QCOMPARE(column(store, 0), expected);
        // Each row moved whole.
        for (int r = 1; r < store.rowCount(); ++r)
            QCOMPARE(input[store.cell(1, r).toInt() - 1], store.cell(0, r));
    }
}

void TaskTableTest::removingRowsIsOnePass() {
    TaskTable store;
    setUpStoreTable(store);
    store.setRowCount(2001);
    QStringList expected;
    for (int r = 1; r < store.rowCount(); ++r) {
        const bool keyless = r % 3 != 0;
        const QString key = keyless ? QString() : storeKey(36526 + r, 101);
        store.setRowCells(r, {key, "9:00 AM", "", QString("task %1").arg(r), "No", "No"});
        if (!keyless)
            expected << key;
    }
    int changes = 0;
    store.setObserver([&changes](int, int) { ++changes; });
    sortStore(store);
    QCOMPARE(column(store, 0), expected);
    QCOMPARE(store.cell(3, 1), QString("task 3"));
    // One change for all the key-less rows, not one each.
    QCOMPARE(changes, 1);
    store.removeDataRowsIf([](int) { return true; });
    QCOMPARE(store.rowCount(), 1);
}

QTEST_MAIN(TaskTableTest)
#include "tst_tasktable.moc"
