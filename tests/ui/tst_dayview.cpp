#include "app/about.h"
#include "app/dayview.h"
#include "app/main.h"
#include "app/program.h"
#include "settings/options.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "testsupport.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <QToolBar>

using namespace corvane;

namespace {

const QDate theDay(2000, 3, 15);

// grid.grd of a store holding the rows, keyed on today.
void writeStore(const test::Sandbox &sandbox, const QList<QStringList> &rows) {
    TaskTable store;
    setUpStoreTable(store);
    store.setRowCount(int(rows.size()) + 1);
    for (int r = 0; r < rows.size(); ++r)
        store.setRowCells(r + 1, QStringList{storeKey(dayNumber(theDay), 101 + r)} + rows[r]);
    QVERIFY(store.save(sandbox.path("grid.grd")));
}

TaskTable storeOnDisk(const test::Sandbox &sandbox) {
    TaskTable store;
    if (!store.load(sandbox.path("grid.grd")))
        qWarning("grid.grd could not be read");
    return store;
}

QStringList column(const TaskTable &table, int c) {
    QStringList texts;
    for (int r = 1; r < table.rowCount(); ++r)
        texts << table.cell(c, r);
    return texts;
}

// The program, started and shown, over the sandbox's files.
struct Running {
    Program program;
    TfrmMain &main = program.main();
    Running() {
        program.start();
        QApplication::setActiveWindow(&main);
        if (!QTest::qWaitForWindowActive(&main))
            qWarning("The main window did not become active");
        QApplication::processEvents();
    }
    int today() const { return dayNumber(theDay); }
};

} // namespace

class TestDayViewWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinFormats("en_US"); }
    void init() { setNow(QDateTime(theDay, QTime(10, 30))); }
    void cleanup() { setNow(QDateTime()); }

    void filteredRoundTripThroughTheStore() {
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        writeStore(sandbox, {{"9:00 AM", "A", "first", "No", "No"},
                             {"9:30 AM", "B", "hidden", "No", "No"},
                             {"10:00 AM", "C", "third", "No", "No"}});
        Running run;
        QCOMPARE(column(run.main.gridDay->table(), DayCategory), QStringList({"A", "B", "C"}));
        QCOMPARE(run.main.lblDate->text(), QString("3 tasks Wed 3/15/2000  Today"));

        run.main.rowFilter = [](const QString &, const QString &category) { return category != "B"; };
        run.main.readFromStore(run.today());
        run.main.UpdateLabels(run.main.currentCalendar);
        QCOMPARE(column(run.main.gridDay->table(), DayCategory), QStringList({"A", "C"}));
        QCOMPARE(run.main.lblDate->text(), QString("2 tasks Wed 3/15/2000  Today"));

        run.main.gridDay->table().setCell(DayWhat, 1, "first, edited");
        run.main.writeToStore(run.today());
        const TaskTable stored = storeOnDisk(sandbox);
        QCOMPARE(column(stored, StoreCategory), QStringList({"A", "C", "B"}));
        QCOMPARE(column(stored, StoreWhat), QStringList({"first, edited", "third", "hidden"}));
        QCOMPARE(stored.rowCells(3), QStringList({"36600.102", "9:30 AM", "B", "hidden", "No", "No"}));
        QVERIFY(prompts.errors.isEmpty());
    }

    void titleClickSortsAndWriteBackRenumbers() {
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        writeStore(sandbox, {{"9:00 AM", "Work", "w", "No", "No"},
                             {"later", "Home", "h", "No", "No"},
                             {"8:00 AM", "Garden", "g", "No", "No"}});
        Running run;
        TaskGrid *list = run.main.gridDay;
        emit list->horizontalHeader()->sectionClicked(DayCategory);
        QCOMPARE(column(list->table(), DayCategory), QStringList({"Garden", "Home", "Work"}));
        QCOMPARE(column(storeOnDisk(sandbox), StoreCategory), QStringList({"Work", "Home", "Garden"}));

        run.main.writeToStore(run.today());
        const TaskTable stored = storeOnDisk(sandbox);
        QCOMPARE(column(stored, StoreKey), QStringList({"36600.101", "36600.102", "36600.103"}));
        QCOMPARE(column(stored, StoreCategory), QStringList({"Garden", "Home", "Work"}));

        emit list->horizontalHeader()->sectionClicked(DayTime); // a text that is no time goes last
        QCOMPARE(column(list->table(), DayTime), QStringList({"8:00 AM", "9:00 AM", "later"}));
        emit list->horizontalHeader()->sectionClicked(DayTime);
        QCOMPARE(column(list->table(), DayTime), QStringList({"later", "9:00 AM", "8:00 AM"}));
    }

    void memoShowsTheTaskAndIsWrittenBackOnLeaving() {
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        writeStore(sandbox, {{"9:00 AM", "A", "Buy milk\r\nCall Bob\r\n", "No", "No"},
                             {"9:30 AM", "B", "", "Yes", "No"}});
        const QByteArray stored = test::readFile(sandbox.path("grid.grd"));
        Running run;
        QPlainTextEdit *memo = run.main.memWhat;
        QVERIFY(memo->isVisible());
        QCOMPARE(memo->toPlainText(), QString("Buy milk\nCall Bob"));
        QCOMPARE(memo->palette().color(QPalette::Base), QColor(248, 252, 201));

        // Clicking in and out without typing leaves the task byte for byte as it was.
        memo->setFocus();
        QVERIFY(memo->hasFocus());
        run.main.gridDay->setFocus();
        QCOMPARE(test::readFile(sandbox.path("grid.grd")), stored);

        memo->setFocus();
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, " today");
        run.main.gridNonday->setFocus();
        QCOMPARE(storeOnDisk(sandbox).cell(StoreWhat, 1), QString("Buy milk\r\nCall Bob today\r\n"));

        // Tab moves on instead of typing a TAB into the notes.
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_Tab);
        QVERIFY(!memo->hasFocus());
        QCOMPARE(storeOnDisk(sandbox).cell(StoreWhat, 1), QString("Buy milk\r\nCall Bob today\r\n"));

        run.main.gridDay->setRow(2); // a task without notes hides the memo
        QVERIFY(memo->isHidden());
    }

    void typedNotesSurviveHoweverTheMemoIsLeft_data() {
        QTest::addColumn<QString>("way");
        for (const char *way : {"window deactivated", "pop-up", "day changed", "tool button", "closed"})
            QTest::newRow(way) << QString(way);
    }

    void typedNotesSurviveHoweverTheMemoIsLeft() {
        QFETCH(QString, way);
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        test::ModalScript modal;
        writeStore(sandbox, {{"9:00 AM", "A", "Café, \"crème\"", "No", "No"}});
        {
            Running run;
            QPlainTextEdit *memo = run.main.memWhat;
            memo->setFocus();
            memo->moveCursor(QTextCursor::End);
            // Typed as keys; QTest's character clicks know ASCII only.
            QTest::keyClick(memo, Qt::Key_Space);
            QTest::sendKeyEvent(QTest::Click, memo, Qt::Key_Agrave, QStringLiteral("à"), Qt::NoModifier);
            QTest::keyClicks(memo, " emporter");
            if (way == "window deactivated" || way == "pop-up") {
                QFocusEvent out(QEvent::FocusOut,
                                way == "pop-up" ? Qt::PopupFocusReason : Qt::ActiveWindowFocusReason);
                QApplication::sendEvent(memo, &out);
            } else if (way == "day changed") {
                run.main.currentCalendar->setDate(theDay.addDays(1));
            } else if (way == "tool button") {
                modal.then([](QDialog &) { return int(QDialog::Rejected); });
                QWidget *button = run.main.ToolBar2->widgetForAction(run.main.tbAdd1);
                QTest::mouseClick(button, Qt::LeftButton);
            } else {
                run.main.close();
            }
            QApplication::processEvents();
        }
        const TaskTable stored = storeOnDisk(sandbox);
        QCOMPARE(stored.rowCount(), 2);
        QCOMPARE(stored.cell(StoreWhat, 1), QString("Café, \"crème\" à emporter"));
    }

    void doneTasksAreStruckOutWhileTheOptionIsOn() {
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        TaskTable nonday;
        setUpNondayTable(nonday);
        nonday.setRowCount(3);
        nonday.setRowCells(1, {"Work", "pending", "No"});
        nonday.setRowCells(2, {"Home", "finished", "Yes"});
        QVERIFY(nonday.save(sandbox.path("gridNon.grd")));
        Running run;
        const auto struck = [&](int row, int c) {
            return run.main.gridNonday->model()
                ->index(row - 1, c)
                .data(Qt::FontRole)
                .value<QFont>()
                .strikeOut();
        };
        QVERIFY(struck(2, 0) && struck(2, 1) && struck(2, 2));
        QVERIFY(!struck(1, 1));
        QCOMPARE(run.main.EsLabel1->text(), QString("2 Non-Date Oriented Tasks"));

        forms().frmOptions->cbStrikeout->setChecked(false); // the option is read from its control
        run.main.readFromStore(run.today());
        QVERIFY(!struck(2, 1));
    }

    void focusedListShowsItsSelection() {
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        Running run;
        QVERIFY(!run.main.gridNonday->selectionActive());
        run.main.gridNonday->setFocus();
        QVERIFY(run.main.gridNonday->selectionActive());
        QVERIFY(!run.main.gridDay->selectionActive());
        run.main.gridDay->setFocus();
        QVERIFY(run.main.gridDay->selectionActive());
        QVERIFY(!run.main.gridNonday->selectionActive());
    }

    void deleteEntryWritesTheDayBack() {
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        writeStore(sandbox, {{"9:00 AM", "A", "a", "No", "No"}, {"9:30 AM", "B", "b", "No", "No"}});
        Running run;
        run.main.gridDay->setRow(1);
        run.main.deleteEntry(run.main.gridDay, true, now());
        QCOMPARE(column(storeOnDisk(sandbox), StoreCategory), QStringList({"B"}));
        QCOMPARE(run.main.lblDate->text(), QString("Wed 3/15/2000  Today"));
        run.main.deleteEntry(run.main.gridDay, true, now());
        QCOMPARE(storeOnDisk(sandbox).rowCount(), 1);
        QCOMPARE(run.main.gridDay->table().rowCount(), 2);
    }

    void aboutBox() {
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        test::ModalScript modal;
        prompts.openUrlAnswer = false;
        QString link;
        modal.then([&link](QDialog &dialog) {
            auto &about = static_cast<TfrmAbout &>(dialog);
            link = about.lblLink->text();
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(about.lblLink, &release);
            return int(QDialog::Accepted);
        });
        Running run;
        run.main.About1->trigger();
        QCOMPARE(modal.shown, QStringList({"How to contact us"}));
        QCOMPARE(link, QString("https://www.halvering.example/"));
        QCOMPARE(prompts.openedUrls, QList<QUrl>({QUrl("https://www.halvering.example/")}));
        QCOMPARE(prompts.errors, QStringList({"Couldn't open web browser for home page"}));
    }

    void unreadableStoreIsKeptAside() {
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        test::writeFile(sandbox.path("grid.grd"), "0,5\r\n");
        Running run;
        QCOMPARE(prompts.errors.size(), 1);
        QVERIFY(prompts.errors[0].startsWith("File contains no data or corrupt file "));
        QCOMPARE(test::readFile(sandbox.path("grid.grd.bad")), QByteArray("0,5\r\n"));
    }

    void earlierCopiesOfAnUnreadableStoreStay() {
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        test::writeFile(sandbox.path("grid.grd.bad"), "first bad store");
        test::writeFile(sandbox.path("grid.grd"), "0,5\r\n");
        Running run;
        QCOMPARE(prompts.errors,
                 QStringList{"File contains no data or corrupt file " + sandbox.path("grid.grd") +
                             "\nA copy of it was kept as " + sandbox.path("grid.grd.bad.1")});
        QCOMPARE(test::readFile(sandbox.path("grid.grd.bad")), QByteArray("first bad store"));
        QCOMPARE(test::readFile(sandbox.path("grid.grd.bad.1")), QByteArray("0,5\r\n"));
    }

    void unreadableStoreWithoutACopyIsNeverOverwritten() {
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        // Bigger than any file may now grow, so no copy of it can be written.
        const QByteArray bad = "0,5\r\n" + QByteArray(8192, 'x');
        test::writeFile(sandbox.path("grid.grd"), bad);
        {
            const test::FileSizeLimit limit(4096);
            Running run;
            run.main.gridDay->table().setRowCells(1, {"9:00 AM", "", "new task", "No", "No"});
            run.main.writeToStore(run.today());
            run.main.close();
        }
        QCOMPARE(test::readFile(sandbox.path("grid.grd")), bad);
        QCOMPARE(prompts.errors,
                 QStringList{"File contains no data or corrupt file " + sandbox.path("grid.grd") +
                             "\nNo copy of it could be kept (File too large), so it will not be overwritten "
                             "until the program starts again."});
        QVERIFY(!QFile::exists(sandbox.path("grid.grd.bad")));
    }

    void storeInPlainTextOrderIsSortedAtLoad() {
        test::Sandbox sandbox;
        test::FakePrompter prompts;
        // Written by an older version: day 9999 (in 1927) after day 36600, as plain text orders them.
        const QByteArray old = "6,3\r\ncw 0,110\r\ncw 1,94\r\ncw 2,146\r\ncw 3,64\r\ncw 4,64\r\ncw 5,64\r\n"
                               "0,1,36600.101\r\n1,1,9:00 AM\r\n3,1,today\r\n4,1,No\r\n5,1,No\r\n"
                               "0,2,9999.101\r\n1,2,9:00 AM\r\n3,2,long ago\r\n4,2,No\r\n5,2,No\r\n";
        test::writeFile(sandbox.path("grid.grd"), old);
        Running run;
        QCOMPARE(column(run.main.gridStore, StoreKey), QStringList({"9999.101", "36600.101"}));
        QCOMPARE(firstRowOfDay(run.main.gridStore, 9999, passAll), 1);
        QCOMPARE(column(run.main.gridDay->table(), DayWhat), QStringList{"today"});
        // Only the order in memory changed: the file is rewritten at the next change, not at start.
        QCOMPARE(test::readFile(sandbox.path("grid.grd")), old);
        QVERIFY(prompts.errors.isEmpty());
    }
};

QTEST_MAIN(TestDayViewWindow)
#include "tst_dayview.moc"
