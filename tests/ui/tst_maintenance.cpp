#include "app/dayview.h"
#include "editing/complete.h"
#include "editing/completedhistory.h"
#include "maintenance/archive.h"
#include "maintenance/find.h"
#include "runningprogram.h"
#include "store/daynumber.h"
#include "store/programfolder.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>

using namespace corvane;

namespace {

const QDate today(2000, 3, 15);

QList<QStringList> cellsOf(const TaskTable &table) {
    QList<QStringList> rows;
    for (int row = 0; row < table.rowCount(); ++row)
        rows << table.rowCells(row);
    return rows;
}

QByteArray gridFile(const QString &name) {
    return test::readFile(besideProgram(name));
}

} // namespace

class MaintenanceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinFormats("en_US"); }
    void init();
    void cleanup() { running.reset(); }

    void archiveThenRestoreBringsBackTheArchivedTables();
    void restoreWithACorruptMemberChangesNothing();
    void restoreWithAMissingMemberChangesNothing();
    void archiveThatCannotBeWrittenIsReported();
    void findSelectsEachHitsDayAndRow();
    void findOnTheSelectedDayPicksByDirection();
    void findDialogSitsOverTheNondayList();

private:
    void addTask(const QDate &date, const QString &time, const QString &what);
    void findNext(const QString &text, bool down = true);
    TfrmComplete &complete() const { return *forms().frmComplete; }

    std::unique_ptr<test::RunningProgram> running;
    TfrmMain *main = nullptr;
};

void MaintenanceTest::init() {
    running = std::make_unique<test::RunningProgram>(QDateTime(today, QTime(10, 30)));
    main = running->main;
    QVERIFY(running->exposed);
}

void MaintenanceTest::addTask(const QDate &date, const QString &time, const QString &what) {
    TaskTable &store = main->gridStore;
    const int row = store.rowCount();
    store.insertRows(row, 1);
    store.setRowCells(row, {storeKey(dayNumber(date), 100 + row), time, "Work", what, "No", "No"});
    main->SortGridStore();
    main->cal1DateChange();
}

void MaintenanceTest::findNext(const QString &text, bool down) {
    main->FindDialog1->edFind->setText(text);
    (down ? main->FindDialog1->rbDown : main->FindDialog1->rbUp)->setChecked(true);
    main->FindDialog1->btFindNext->click();
}

void MaintenanceTest::archiveThenRestoreBringsBackTheArchivedTables() {
    addTask(today, "9:00 AM", "Ring Zoë, then \"the bank\"\r\nsecond line");
    addTask(QDate(2000, 4, 2), "1:00 PM", "dentist");
    main->gridNonday->table().setRowCells(1, {"Home", "paint, the fence", "No"});
    addCompletion(complete().history(), {now(), now(), "Work", "Wed 03/15/2000", "filed", "on time"});
    const QByteArray store = main->gridStore.toGridBytes();
    const QByteArray nonday = main->gridNonday->table().toGridBytes();
    const QList<QStringList> history = cellsOf(complete().history());

    const QString chosen = running->sandbox.path("may.arb");
    running->prompts.fileAnswers = {chosen};
    main->Archive1->trigger();
    QCOMPARE(running->prompts.fileCaptions, QStringList{"Save Archive"});
    const ArchiveSet set = archiveSet(chosen);
    QCOMPARE(running->prompts.informations, QStringList{"Archive stored in the files - " + chosen + ", " +
                                                        set.nondate + " and " + set.completed});
    QCOMPARE(test::readFile(set.nondate), nonday);

    // Changes after the archive.
    main->gridDay->setRow(1);
    main->deleteEntry(main->gridDay, true, main->selectedDate());
    addTask(today, "11:00 AM", "new since");
    main->gridNonday->table().setRowCells(1, {"", "", ""});
    clearCompleted(complete().history());

    running->prompts.fileAnswers = {chosen};
    main->Restore1->trigger();
    QCOMPARE(
        running->prompts.questions,
        QStringList{"Really restore ENTIRE system?  This will overwrite any current information. Note you "
                    "may want to make an archive first!"});
    QVERIFY(running->prompts.errors.isEmpty());
    QCOMPARE(main->gridStore.toGridBytes(), store);
    QCOMPARE(main->gridNonday->table().toGridBytes(), nonday);
    // The history's widths are fitted to its window again; its records are the archived ones.
    QCOMPARE(cellsOf(complete().history()), history);
    // Saved at once, and shown.
    QCOMPARE(gridFile("grid.grd"), store);
    QCOMPARE(gridFile("gridNon.grd"), nonday);
    QCOMPARE(gridFile("gridComp.grd"), test::readFile(set.completed));
    QCOMPARE(main->gridDay->table().cell(DayWhat, 1), QString("Ring Zoë, then \"the bank\"\r\nsecond line"));
    QCOMPARE(main->EsLabel1->text(), QString("Non-Date Oriented Tasks"));
    QCOMPARE(complete().gridComp->model()->rowCount(), 1);
}

void MaintenanceTest::restoreWithACorruptMemberChangesNothing() {
    addTask(today, "9:00 AM", "keep me");
    const QString chosen = running->sandbox.path("set.arb");
    running->prompts.fileAnswers = {chosen};
    main->Archive1Click();
    const ArchiveSet set = archiveSet(chosen);
    test::writeFile(set.nondate, "not a grid file");
    addTask(today, "10:00 AM", "after the archive");
    const QByteArray store = main->gridStore.toGridBytes();
    const QByteArray onDisk = gridFile("grid.grd");

    running->prompts.fileAnswers = {chosen};
    main->Restore1Click();
    QCOMPARE(running->prompts.errors,
             QStringList{
                 "Could not load up the archive ... must be corrupt\nFile contains no data or corrupt file " +
                 set.nondate});
    QCOMPARE(main->gridStore.toGridBytes(), store);
    QCOMPARE(gridFile("grid.grd"), onDisk);
    QCOMPARE(main->gridDay->table().rowCount(), 3);
}

void MaintenanceTest::restoreWithAMissingMemberChangesNothing() {
    addTask(today, "9:00 AM", "keep me");
    const QString chosen = running->sandbox.path("set.arb");
    running->prompts.fileAnswers = {chosen};
    main->Archive1Click();
    QVERIFY(QFile::remove(archiveSet(chosen).completed));
    addTask(today, "10:00 AM", "after the archive");
    const QByteArray store = main->gridStore.toGridBytes();

    // No to the question: not even the file dialog.
    running->prompts.confirmAnswers = {false};
    main->Restore1Click();
    QCOMPARE(running->prompts.fileCaptions, QStringList{"Save Archive"});

    running->prompts.fileAnswers = {chosen};
    main->Restore1Click();
    QCOMPARE(running->prompts.fileCaptions, (QStringList{"Save Archive", "Restore Archive"}));
    QCOMPARE(running->prompts.errors, QStringList{"Could not restore ... there seems to be a missing file. "
                                                  "Looking for ARB, AR2 and AR3 file extensions"});
    QCOMPARE(main->gridStore.toGridBytes(), store);
}

void MaintenanceTest::archiveThatCannotBeWrittenIsReported() {
    const QString chosen = running->sandbox.path("no such folder/may.arb");
    running->prompts.fileAnswers = {chosen};
    main->Archive1Click();
    QCOMPARE(running->prompts.errors.size(), 3);
    QVERIFY(running->prompts.errors[0].startsWith("Could not save " + chosen));
    QVERIFY(running->prompts.errors[2].startsWith("Could not save " + archiveSet(chosen).completed));
    QVERIFY(running->prompts.informations.isEmpty());
    // The name chosen is offered again.
    QCOMPARE(main->archiveName, chosen);
}

void MaintenanceTest::findSelectsEachHitsDayAndRow() {
    addTask(QDate(2000, 2, 1), "8:00 AM", "Recall dentist");
    addTask(QDate(2000, 5, 20), "8:00 AM", "lunch");
    addTask(QDate(2000, 5, 20), "9:00 AM", "Call-back: dentist");
    main->Search1->trigger();
    QVERIFY(main->FindDialog1 && main->FindDialog1->isVisible());

    findNext("call");
    QCOMPARE(main->currentCalendar->date(), QDate(2000, 2, 1));
    QCOMPARE(main->gridDay->row(), 1);
    findNext("call");
    QCOMPARE(main->currentCalendar->date(), QDate(2000, 5, 20));
    QCOMPARE(main->gridDay->table().cell(DayWhat, main->gridDay->row()), QString("Call-back: dentist"));
    QVERIFY(main->gridDay->hasFocus());
    findNext("call");
    QCOMPARE(running->prompts.warnings,
             QStringList{"Could not find \"call\" in any calendar task. Search reset to first task date"});

    main->FindDialog1->cbWholeWord->setChecked(true);
    findNext("call");
    QCOMPARE(main->currentCalendar->date(), QDate(2000, 5, 20));
    main->FindDialog1->btClose->click();
    QCOMPARE(main->searchHitRow, -1);
    QVERIFY(!main->FindDialog1->isVisible());
}

void MaintenanceTest::findOnTheSelectedDayPicksByDirection() {
    addTask(today, "9:00 AM", "same");
    addTask(today, "9:00 AM", "other");
    addTask(today, "9:00 AM", "same");
    main->Search1Click();
    findNext("same");
    QCOMPARE(main->currentCalendar->date(), today);
    QCOMPARE(main->gridDay->row(), 1);
    // Upwards from the last row: the day list is scanned from its bottom.
    main->textSearch.cursor = main->gridStore.rowCount() - 1;
    findNext("same", false);
    QCOMPARE(main->gridDay->row(), 3);
}

void MaintenanceTest::findDialogSitsOverTheNondayList() {
    main->Search1Click();
    QApplication::processEvents();
    const QPoint corner = main->gridNonday->mapToGlobal(QPoint(0, 0));
    QVERIFY(std::abs(main->FindDialog1->frameGeometry().top() - corner.y()) < 40);
    QVERIFY(main->FindDialog1->frameGeometry().left() >= main->split1->sizes().value(0));
    QVERIFY(!main->FindDialog1->btFindNext->isEnabled());
    QVERIFY(main->FindDialog1->rbDown->isChecked());
}

QTEST_MAIN(MaintenanceTest)
#include "tst_maintenance.moc"
