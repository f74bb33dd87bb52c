#include "editing/complete.h"
#include "editing/completedhistory.h"
#include "settings/settingsstore.h"
#include "store/clock.h"
#include "store/dateformats.h"
#include "testsupport.h"
#include "widgets/taskgrid.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace corvane;

class CompleteWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void titlesAreRestoredAtStart();
    void completionIsSavedAtOnce();
    void clearThenCloseWritesTheEmptyHistory();
    void deleteAsksWhenConfirmIsOn_data();
    void deleteAsksWhenConfirmIsOn();
    void editedNotesReachTheFileOnClose();
    void unreadableHistoryIsKeptAside();
    void screenshot();
};

namespace {
Completion completion(const QString &what) {
    return {now(), now(), "Work", "Wed 3/15/2000", what, "went well"};
}
} // namespace

void CompleteWindowTest::initTestCase() {
    QLocale::setDefault(QLocale::c());
    setFormats(FormatSettings::fromLocale(QLocale::c()));
    fix2000();
    setNow(QDateTime(QDate(2000, 3, 15), QTime(10, 30)));
}

void CompleteWindowTest::titlesAreRestoredAtStart() {
    test::Sandbox sandbox;
    TaskTable old(6, 2);
    old.setRowCells(0, {"a", "b", "c", "d", "e", "f"});
    old.setRowCells(1, {"3/1/2000", "9:00 AM", "Home", "Wed 3/1/2000", "old task", ""});
    QVERIFY(old.save(completedFileName()));
    TfrmComplete window;
    QCOMPARE(window.history().rowCells(0),
             (QStringList{"Comp Date", "Time", "Category", "Orig Date", "What", "Comp Notes"}));
    QCOMPARE(window.history().cell(CompWhat, 1), QString("old task"));
    QCOMPARE(window.memWhat->toPlainText(), QString("old task"));
    QVERIFY(!window.Print1->isEnabled());
    QVERIFY(!window.HTMLFormat1->isEnabled());
}

void CompleteWindowTest::completionIsSavedAtOnce() {
    test::Sandbox sandbox;
    TfrmComplete window;
    window.AddToCompleteGrid(completion("first"));
    window.AddToCompleteGrid(completion("second"));
    TaskTable onDisk;
    QVERIFY(onDisk.load(completedFileName()));
    QCOMPARE(onDisk.rowCount(), 3);
    QCOMPARE(onDisk.cell(CompWhat, 1), QString("second"));
    QCOMPARE(onDisk.cell(CompNotes, 2), QString("went well"));
}

void CompleteWindowTest::clearThenCloseWritesTheEmptyHistory() {
    test::Sandbox sandbox;
    test::FakePrompter prompts;
    TfrmComplete window;
    window.AddToCompleteGrid(completion("first"));
    window.Clear1Click();
    QCOMPARE(prompts.questions, QStringList{"Really clear out ALL completed tasks?"});
    window.show();
    window.Close1Click();
    TaskTable onDisk;
    QVERIFY(onDisk.load(completedFileName()));
    QCOMPARE(onDisk.rowCount(), 2);
    QVERIFY(onDisk.rowIsEmpty(1));
    QCOMPARE(onDisk.cell(CompDate, 0), QString("Comp Date"));
}

void CompleteWindowTest::deleteAsksWhenConfirmIsOn_data() {
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirm on") << true;
    QTest::newRow("confirm off") << false;
}

void CompleteWindowTest::deleteAsksWhenConfirmIsOn() {
    QFETCH(bool, confirm);
    test::Sandbox sandbox;
    SettingsStore().writeBool("Options", "Confirm", confirm);
    test::FakePrompter prompts;
    TfrmComplete window;
    window.AddToCompleteGrid(completion("first"));
    window.AddToCompleteGrid(completion("second"));
    window.gridComp->setRow(1);
    prompts.confirmAnswers = {false};
    window.Delete1Click();
    QCOMPARE(window.history().rowCount(), confirm ? 3 : 2);
    QCOMPARE(prompts.questions, confirm ? QStringList{"Really delete?"} : QStringList{});
    window.Delete1Click();
    window.Delete1Click();
    QCOMPARE(window.history().rowCount(), 2);
    QVERIFY(window.history().rowIsEmpty(1));
}

void CompleteWindowTest::editedNotesReachTheFileOnClose() {
    test::Sandbox sandbox;
    TfrmComplete window;
    window.AddToCompleteGrid(completion("line one\r\nline two\r\n"));
    window.gridComp->setRow(1);
    window.show();
    QCOMPARE(window.memWhat->toPlainText(), QString("line one\nline two"));
    window.memWhat->setPlainText("changed");
    window.Close1Click();
    TaskTable onDisk;
    QVERIFY(onDisk.load(completedFileName()));
    QCOMPARE(onDisk.cell(CompWhat, 1), QString("changed"));
}

void CompleteWindowTest::unreadableHistoryIsKeptAside() {
    test::Sandbox sandbox;
    test::FakePrompter prompts;
    test::writeFile(completedFileName(), "0,5\r\n");
    {
        TfrmComplete window;
        window.AddToCompleteGrid(completion("new"));
    }
    QCOMPARE(prompts.errors, QStringList{"File contains no data or corrupt file " + completedFileName() +
                                         "\nA copy of it was kept as " + completedFileName() + ".bad"});
    QCOMPARE(test::readFile(completedFileName() + ".bad"), QByteArray("0,5\r\n"));
}

void CompleteWindowTest::screenshot() {
    const QString target = qEnvironmentVariable("CORVANE_SHOTS");
    if (target.isEmpty())
        QSKIP("screenshots only when CORVANE_SHOTS names a folder");
    test::Sandbox sandbox;
    TfrmComplete window;
    window.AddToCompleteGrid(completion("Call the bank about the loan"));
    window.AddToCompleteGrid({now(), now(), "Home", "Non date task", "Paint the fence", "Two coats"});
    window.show();
    QTest::qWait(200);
    window.grab().save(target + "/complete.png");
}

QTEST_MAIN(CompleteWindowTest)
#include "tst_complete.moc"
