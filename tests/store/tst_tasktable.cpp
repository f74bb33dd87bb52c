#include "store/tasktable.h"
#include "testsupport.h"

#include <QTest>

using namespace corvane;

class TaskTableTest : public QObject {
    Q_OBJECT
private slots:
    void nonDateExampleIsWrittenByteForByte();
    void lineBreaksRoundTrip();
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

QTEST_MAIN(TaskTableTest)
#include "tst_tasktable.moc"
