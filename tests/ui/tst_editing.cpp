#include "app/main.h"
#include "app/program.h"
#include "calendar/monthcalendar.h"
#include "calendar/resch.h"
#include "editing/complete.h"
#include "editing/completedhistory.h"
#include "editing/edit.h"
#include "editing/listbox.h"
#include "editing/timebar.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "store/programfolder.h"
#include "testsupport.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>

#include <memory>

using namespace corvane;

namespace {

const QDate today(2000, 3, 15);

TfrmEdit &editorOf(QDialog &dialog) {
    return static_cast<TfrmEdit &>(dialog);
}

// Shows the editor and types the notes, as the user does.
void typeNotes(TfrmEdit &editor, const QString &notes) {
    editor.show();
    QTest::keyClicks(editor.memMain, notes);
}

// An editor handler: notes typed, category and time set, then OK.
test::ModalScript::Handler addTask(const QString &notes, const QString &category = QString(),
                                   const QTime &time = QTime(), bool alarm = false) {
    return [=](QDialog &dialog) {
        TfrmEdit &editor = editorOf(dialog);
        typeNotes(editor, notes);
        if (!category.isNull())
            editor.cbCategory->setEditText(category);
        if (time.isValid())
            editor.dtTime->setTime(time);
        editor.cbAlarm->setChecked(alarm);
        editor.btOK->click();
        return editor.result();
    };
}

} // namespace

class EditingFlowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinFormats("en_US"); }
    void init();
    void cleanup();

    void addToAnEmptyDayFillsItsEmptyRow();
    void addToAFullDayAppendsAndSorts();
    void pastDayTitleIsRed();
    void blankNotesAreRefused();
    void completeMarksTheRowAndRecordsIt();
    void completingWhileAddingANondayTask();
    void editOfADoneTaskOffersNoCompletion();
    void longStoredTextsAreNeverCut();
    void rescheduleMovesTheTaskToTheTopOfAnotherDay();
    void deleteAsksFirstWhenConfirmIsOn_data();
    void deleteAsksFirstWhenConfirmIsOn();
    void nothingToEditOrDelete();
    void nondayTaskWithoutCategoryKeepsItsRow();
    void newCategoryCreatesTheFileOnce();
    void listEditorAddsAQuickPick();
    void timePickerSetsTheEditorsTime();
    void historyTitlesAreRestoredAtStart();
    void screenshots();

private:
    std::unique_ptr<test::Sandbox> sandbox;
    std::unique_ptr<test::FakePrompter> prompts;
    std::unique_ptr<test::ModalScript> modal;
    std::unique_ptr<Program> program;
    TfrmMain *main = nullptr;
};

void EditingFlowTest::init() {
    setNow(QDateTime(today, QTime(10, 30)));
    sandbox = std::make_unique<test::Sandbox>();
    prompts = std::make_unique<test::FakePrompter>();
    modal = std::make_unique<test::ModalScript>();
    program = std::make_unique<Program>();
    main = &program->main();
    program->start();
    QVERIFY(QTest::qWaitForWindowExposed(main));
}

void EditingFlowTest::cleanup() {
    QVERIFY2(modal->unexpected.isEmpty(), qPrintable(modal->unexpected.join(", ")));
    program.reset();
    modal.reset();
    prompts.reset();
    sandbox.reset();
    setNow(QDateTime());
}

void EditingFlowTest::addToAnEmptyDayFillsItsEmptyRow() {
    modal->then([](QDialog &dialog) {
        TfrmEdit &editor = editorOf(dialog);
        editor.show();
        // Nothing typed yet: OK, Mark as Complete and Repeat wait for the notes.
        if (editor.btOK->isEnabled() || editor.btComplete->isEnabled() || editor.btRepeat->isEnabled())
            return int(QDialog::Rejected);
        QTest::keyClicks(editor.memMain, "Call the bank");
        editor.cbAlarm->setChecked(true);
        editor.btOK->click();
        return editor.result();
    });
    main->btAddClick(main->tbAdd1);
    TaskTable &day = main->gridDay->table();
    QCOMPARE(day.rowCount(), 2);
    QCOMPARE(day.rowCells(1), (QStringList{"10:30 AM", "", "Call the bank", "No", "Yes"}));
    QCOMPARE(main->gridStore.rowCells(1),
             (QStringList{storeKey(dayNumber(today), 101), "10:30 AM", "", "Call the bank", "No", "Yes"}));
    TaskTable onDisk;
    QVERIFY(onDisk.load(besideProgram("grid.grd")));
    QCOMPARE(onDisk.cell(3, 1), QString("Call the bank"));
}

void EditingFlowTest::addToAFullDayAppendsAndSorts() {
    modal->then(addTask("late", "Work", QTime(15, 0)));
    modal->then(addTask("early", "Work", QTime(8, 5)));
    main->btAddClick(main->tbAdd1);
    main->btAddClick(main->Add1);
    TaskTable &day = main->gridDay->table();
    QCOMPARE(day.rowCount(), 3);
    QCOMPARE(day.cell(DayWhat, 1), QString("early"));
    QCOMPARE(day.cell(DayTime, 1), QString("8:05 AM"));
    QCOMPARE(day.cell(DayWhat, 2), QString("late"));
    QCOMPARE(main->lblDate->text(), QString("2 tasks Wed 3/15/2000  Today"));
}

void EditingFlowTest::pastDayTitleIsRed() {
    const QDate past = today.addDays(-3);
    main->currentCalendar->setDate(past);
    QString title;
    QColor colour;
    modal->then([&](QDialog &dialog) {
        title = editorOf(dialog).lblTitle->text();
        colour = editorOf(dialog).lblTitle->textColor();
        return int(QDialog::Rejected);
    });
    main->btAddClick(main->tbAdd1);
    QCOMPARE(title, QString("PAST Sun 3/12/2000 3 days ago"));
    QCOMPARE(colour, QColor(Qt::red));
    // Cancel leaves the day as it was.
    QVERIFY(main->gridDay->table().rowIsEmpty(1));
    QCOMPARE(main->gridStore.rowCount(), 1);
}

void EditingFlowTest::blankNotesAreRefused() {
    modal->then([this](QDialog &dialog) {
        TfrmEdit &editor = editorOf(dialog);
        typeNotes(editor, "a");
        QTest::keyClick(editor.memMain, Qt::Key_Backspace);
        editor.btOK->click();
        if (editor.result() == QDialog::Accepted || prompts->errors != QStringList{"The Notes are blank!"})
            return int(QDialog::Accepted);
        // Spaces are not blank.
        QTest::keyClicks(editor.memMain, "   ");
        editor.btOK->click();
        return editor.result();
    });
    main->btAddClick(main->tbAdd2);
    QCOMPARE(prompts->errors, QStringList{"The Notes are blank!"});
    QCOMPARE(main->gridNonday->table().cell(NondayWhat, 1), QString("   "));
}

void EditingFlowTest::completeMarksTheRowAndRecordsIt() {
    modal->then(addTask("Pay the rent", "Home", QTime(9, 0), true));
    main->btAddClick(main->tbAdd1);
    modal->then([](QDialog &dialog) {
        TfrmEdit &editor = editorOf(dialog);
        editor.show();
        if (!editor.pnlComplete->isVisible() || editor.pnlMain->isVisible() || editor.btOK->isEnabled())
            return int(QDialog::Rejected);
        QTest::keyClicks(editor.memComplete, "Paid in cash");
        editor.btOK2->click();
        return editor.result();
    });
    main->Markascompleted1Click(main->tbDone1);
    QCOMPARE(main->gridDay->table().rowCells(1),
             (QStringList{"9:00 AM", "Home", "Pay the rent", "Yes", "No"}));
    QCOMPARE(main->gridStore.cell(StoreDone, 1), QString("Yes"));
    TaskTable onDisk;
    QVERIFY(onDisk.load(completedFileName()));
    QCOMPARE(onDisk.rowCells(1),
             (QStringList{"3/15/2000", "9:00 AM", "Home", "Wed 3/15/2000", "Pay the rent", "Paid in cash"}));
    QCOMPARE(forms().frmComplete->history().rowCount(), 2);

    main->Markascompleted1Click(main->tbDone1);
    QCOMPARE(prompts->errors, QStringList{"Task already marked as complete"});
}

void EditingFlowTest::longStoredTextsAreNeverCut() {
    // Longer than the editor lets anyone type: one long paragraph and a long category.
    QString what;
    while (what.size() < 3000)
        what += QString("Paragraph word %1, \"quoted\" é; ").arg(what.size());
    const QString category = "A category of thirty letters";
    main->gridDay->table().setRowCells(1, {"9:00 AM", category, what, "No", "No"});
    main->writeToStore(dayNumber(today));
    modal->then([](QDialog &dialog) {
        TfrmEdit &editor = editorOf(dialog);
        editor.show();
        editor.dtTime->setTime(QTime(10, 0)); // only the time changes
        editor.btOK->click();
        return editor.result();
    });
    main->btEditClick(main->tbEdit1);
    QCOMPARE(main->gridDay->table().rowCells(1), (QStringList{"10:00 AM", category, what, "No", "No"}));
    modal->then([](QDialog &dialog) {
        TfrmEdit &editor = editorOf(dialog);
        editor.show();
        QTest::keyClicks(editor.memComplete, "Done");
        editor.btOK2->click();
        return editor.result();
    });
    main->Markascompleted1Click(main->tbDone1);
    QCOMPARE(main->gridStore.cell(StoreWhat, 1), what);
    QCOMPARE(forms().frmComplete->history().cell(CompWhat, 1), what);
    QCOMPARE(forms().frmComplete->history().cell(CompCategory, 1), category);
}

void EditingFlowTest::completingWhileAddingANondayTask() {
    modal->then([](QDialog &dialog) {
        TfrmEdit &editor = editorOf(dialog);
        typeNotes(editor, "Sort the photos");
        if (editor.dtTime->isVisible() || editor.cbAlarm->isVisible() || editor.btRepeat->isVisible() ||
            editor.lblTitle->text() != "Non Date Oriented Task")
            return int(QDialog::Rejected);
        editor.btComplete->click();
        editor.btCancel2->click();
        if (!editor.pnlMain->isVisible() || !editor.btOK->isEnabled() || editor.btOK2->isEnabled())
            return int(QDialog::Rejected);
        editor.btComplete->click();
        editor.btOK2->click();
        return editor.result();
    });
    main->btAddClick(main->tbAdd2);
    QCOMPARE(main->gridNonday->table().rowCells(1), (QStringList{"", "Sort the photos", "Yes"}));
    const TaskTable &history = forms().frmComplete->history();
    QCOMPARE(history.cell(CompOrigin, 1), QString("Non-date task"));
    QCOMPARE(history.cell(CompTime, 1), QString("10:30 AM"));
}

void EditingFlowTest::editOfADoneTaskOffersNoCompletion() {
    main->gridDay->table().setRowCells(1, {"9:00 AM", "Home", "Old news", "Yes", "No"});
    main->writeToStore(dayNumber(today));
    modal->then([](QDialog &dialog) {
        TfrmEdit &editor = editorOf(dialog);
        editor.show();
        const bool offered = editor.btComplete->isVisible() || editor.btRepeat->isVisible() ||
                             editor.btReschedule->isVisible() || editor.dtTime->isVisible() ||
                             editor.cbAlarm->isVisible();
        if (offered || editor.lblComplete->text() != "Completed Task" ||
            dialog.windowTitle() != "Task: Old news ...")
            return int(QDialog::Rejected);
        QTest::keyClicks(editor.memMain, " again");
        editor.btOK->click();
        return editor.result();
    });
    main->btEditClick(main->tbEdit1);
    QCOMPARE(main->gridDay->table().rowCells(1),
             (QStringList{"9:00 AM", "Home", "Old news again", "Yes", "No"}));
}

void EditingFlowTest::rescheduleMovesTheTaskToTheTopOfAnotherDay() {
    modal->then(addTask("Dentist", "Health", QTime(14, 0), true));
    main->btAddClick(main->tbAdd1);
    main->gridStore.insertRows(1, 1);
    main->gridStore.setRowCells(
        1, {storeKey(dayNumber(today.addDays(1)), 101), "8:00 AM", "Work", "Standup", "No", "No"});
    main->SortGridStore();
    modal->then([this](QDialog &dialog) {
        TfrmEdit &editor = editorOf(dialog);
        editor.show();
        if (!editor.btReschedule->isVisible())
            return int(QDialog::Rejected);
        modal->then([](QDialog &picker) {
            auto &reschedule = static_cast<TfrmReschedule &>(picker);
            reschedule.date1->setDate(today.addDays(1));
            if (reschedule.lblDate2->text() != "Thursday : Tomorrow")
                return int(QDialog::Rejected);
            reschedule.btOK->click();
            return reschedule.result();
        });
        editor.btReschedule->click();
        return editor.result();
    });
    main->btEditClick(main->tbEdit1);
    QCOMPARE(modal->shown.last(), QString("Reschedule Task"));
    QVERIFY(main->gridDay->table().rowIsEmpty(1));
    const int tomorrow = dayNumber(today.addDays(1));
    QCOMPARE(main->gridStore.rowCount(), 3);
    QCOMPARE(main->gridStore.rowCells(1),
             (QStringList{storeKey(tomorrow, 100), "2:00 PM", "Health", "Dentist", "No", "Yes"}));
    QCOMPARE(main->gridStore.cell(StoreWhat, 2), QString("Standup"));
}

void EditingFlowTest::deleteAsksFirstWhenConfirmIsOn_data() {
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirm on") << true;
    QTest::newRow("confirm off") << false;
}

void EditingFlowTest::deleteAsksFirstWhenConfirmIsOn() {
    QFETCH(bool, confirm);
    const QString what = QString("Renew the passport before the summer holidays begin in June");
    modal->then(addTask(what, "Home"));
    main->btAddClick(main->tbAdd1);
    main->confirmDelete = confirm;
    prompts->confirmAnswers = {false, true};
    main->btDelClick(main->tbDel1);
    if (confirm) {
        QCOMPARE(prompts->questions, QStringList{"Really delete \"" + what.left(50) + " ... \"?"});
        QCOMPARE(main->gridDay->table().cell(DayWhat, 1), what);
        main->btDelClick(main->Del1);
    }
    QVERIFY(main->gridDay->table().rowIsEmpty(1));
    QCOMPARE(main->gridDay->table().rowCount(), 2);
    QCOMPARE(main->gridStore.rowCount(), 1);
    QCOMPARE(prompts->questions.size(), confirm ? 2 : 0);
}

void EditingFlowTest::nothingToEditOrDelete() {
    main->btEditClick(main->tbEdit1);
    main->Markascompleted1Click(main->tbDone2);
    main->btDelClick(main->tbDel2);
    QCOMPARE(prompts->errors, (QStringList{"There is nothing to edit", "There is nothing to edit",
                                           "There is nothing selected to delete"}));
    QCOMPARE(modal->shown, QStringList{});
}

void EditingFlowTest::nondayTaskWithoutCategoryKeepsItsRow() {
    modal->then(addTask("first"));
    modal->then(addTask("second"));
    main->btAddClick(main->tbAdd2);
    main->btAddClick(main->tbAdd2);
    TaskTable &nonday = main->gridNonday->table();
    QCOMPARE(nonday.rowCount(), 3);
    QCOMPARE(nonday.cell(NondayWhat, 1), QString("first"));
    QCOMPARE(nonday.cell(NondayWhat, 2), QString("second"));
    main->gridNonday->setRow(1);
    main->btDelClick(main->tbDel2);
    QVERIFY(prompts->errors.isEmpty());
    QCOMPARE(nonday.rowCount(), 2);
    QCOMPARE(nonday.cell(NondayWhat, 1), QString("second"));
}

void EditingFlowTest::newCategoryCreatesTheFileOnce() {
    QVERIFY(!QFile::exists(besideProgram("category.xxx")));
    modal->then(addTask("one", "Work"));
    modal->then([](QDialog &dialog) {
        TfrmEdit &editor = editorOf(dialog);
        typeNotes(editor, "two");
        // The choices were read from the file when the editor showed.
        if (editor.cbCategory->count() != 1 || editor.cbCategory->itemText(0) != "Work")
            return int(QDialog::Rejected);
        editor.cbCategory->setEditText("work");
        editor.btOK->click();
        return editor.result();
    });
    main->btAddClick(main->tbAdd1);
    QCOMPARE(test::readFile(besideProgram("category.xxx")), QByteArray("Work\r\n"));
    main->btAddClick(main->tbAdd1);
    QCOMPARE(test::readFile(besideProgram("category.xxx")), QByteArray("Work\r\n"));
    QCOMPARE(main->gridDay->table().rowCount(), 3);
}

void EditingFlowTest::listEditorAddsAQuickPick() {
    test::writeFile(besideProgram("category.xxx"), "work\r\nHome\r\n");
    modal->then([this](QDialog &dialog) {
        TfrmEdit &editor = editorOf(dialog);
        typeNotes(editor, "notes");
        editor.cbCategory->setEditText("HOME");
        modal->then([this](QDialog &listDialog) {
            auto &list = static_cast<TfrmListBox &>(listDialog);
            if (list.windowTitle() != "Edit Category Choices" || list.currentText() != "Home")
                return int(QDialog::Rejected);
            list.btDel->click(); // "Home" is selected
            list.ListBox1->clearSelection();
            list.btDel->click();
            prompts->inputAnswers = {QString("Errands"), QString("ERRANDS")};
            list.btAdd->click();
            list.btAdd->click();
            list.btOK->click();
            return list.result();
        });
        editor.btCategory->click();
        if (editor.cbCategory->currentText() != "Errands")
            return int(QDialog::Rejected);
        editor.btOK->click();
        return editor.result();
    });
    main->btAddClick(main->tbAdd2);
    QCOMPARE(prompts->errors, QStringList{"Select one or more items"});
    QCOMPARE(prompts->inputPrompts, (QStringList{"New Quick Pick", "New Quick Pick"}));
    QCOMPARE(test::readFile(besideProgram("category.xxx")), QByteArray("Errands\r\nwork\r\n"));
    QCOMPARE(main->gridNonday->table().cell(NondayCategory, 1), QString("Errands"));
}

void EditingFlowTest::timePickerSetsTheEditorsTime() {
    modal->then([this](QDialog &dialog) {
        TfrmEdit &editor = editorOf(dialog);
        typeNotes(editor, "Lunch");
        modal->then([](QDialog &pickerDialog) {
            auto &picker = static_cast<TfrmTimePopup &>(pickerDialog);
            picker.show();
            // Active as it is when run modally, so the main window's shortcuts stay out of its keys.
            QApplication::setActiveWindow(&picker);
            QTest::mouseClick(picker.Image1, Qt::LeftButton, {}, QPoint(253, 20));
            if (picker.time() != QTime(12, 15) || picker.pnlTime->isVisible())
                return int(QDialog::Rejected);
            QTest::keyClick(picker.dtTime, Qt::Key_Down);
            QTest::keyClick(picker.dtTime, Qt::Key_PageUp);
            picker.btOK->click();
            return picker.result();
        });
        editor.btTime->click();
        editor.btOK->click();
        return editor.result();
    });
    main->btAddClick(main->tbAdd1);
    QCOMPARE(modal->shown.value(1), QString("Time Entry"));
    QCOMPARE(main->gridDay->table().cell(DayTime, 1), QString("1:14 PM"));
}

void EditingFlowTest::historyTitlesAreRestoredAtStart() {
    program.reset();
    TaskTable old = emptyCompletedTable();
    old.setRowCells(0, {"a", "b", "c", "d", "e", "f"});
    old.setRowCells(1, {"3/1/2000", "9:00 AM", "Home", "Wed 3/1/2000", "done before", ""});
    QVERIFY(old.save(completedFileName()));
    program = std::make_unique<Program>();
    QCOMPARE(forms().frmComplete->history().cell(CompOrigin, 0), QString("Orig Date"));
    QCOMPARE(forms().frmComplete->history().cell(CompWhat, 1), QString("done before"));
    modal->then([](QDialog &dialog) { return dialog.windowTitle() == "Completed Tasks" ? 1 : 0; });
    program->main().CompletedTasks1->trigger();
    QCOMPARE(modal->shown, QStringList{"Completed Tasks"});
}

void EditingFlowTest::screenshots() {
    const QString target = qEnvironmentVariable("CORVANE_SHOTS");
    if (target.isEmpty())
        QSKIP("screenshots only when CORVANE_SHOTS names a folder");
    test::writeFile(besideProgram("category.xxx"), "Work\r\nHome\r\nErrands\r\n");
    modal->then([&](QDialog &dialog) {
        TfrmEdit &editor = editorOf(dialog);
        typeNotes(editor, "Call the bank about the mortgage renewal and ask for the new rate sheet.");
        editor.cbCategory->setEditText("Work");
        QTest::qWait(100);
        editor.grab().save(target + "/edit-task.png");
        modal->then([&](QDialog &pickerDialog) {
            pickerDialog.show();
            QTest::mousePress(static_cast<TfrmTimePopup &>(pickerDialog).Image1, Qt::LeftButton, {},
                              QPoint(350, 20));
            QTest::qWait(100);
            pickerDialog.grab().save(target + "/time-picker.png");
            return int(QDialog::Rejected);
        });
        editor.btTime->click();
        modal->then([&](QDialog &listDialog) {
            listDialog.show();
            QTest::qWait(100);
            listDialog.grab().save(target + "/list-editor.png");
            return int(QDialog::Rejected);
        });
        editor.btCategory->click();
        editor.btComplete->click();
        QTest::keyClicks(editor.memComplete, "Rate locked at 4.1%");
        QTest::qWait(100);
        editor.grab().save(target + "/edit-completion.png");
        return int(QDialog::Rejected);
    });
    main->btAddClick(main->tbAdd1);
    main->grab().save(target + "/main.png");
}

QTEST_MAIN(EditingFlowTest)
#include "tst_editing.moc"
