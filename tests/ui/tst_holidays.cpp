#include "app/main.h"
#include "app/program.h"
#include "holidays/edholiday.h"
#include "holidays/holiday.h"
#include "holidays/holidayrules.h"
#include "holidays/import.h"
#include "settings/settingsstore.h"
#include "store/clock.h"
#include "testsupport.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace corvane;

namespace {

const TaskTable &storedRules() {
    static TaskTable table;
    table = newHolidayTable();
    if (!table.load(holidayFileName()))
        table.setRowCount(1);
    return table;
}

void storeRules(const QList<QStringList> &rows) {
    TaskTable table = newHolidayTable();
    table.setRowCount(int(rows.size()) + 1);
    for (int i = 0; i < rows.size(); ++i)
        table.setRowCells(i + 1, rows[i]);
    QVERIFY(table.save(holidayFileName()));
}

QList<QStringList> rulesOf(const TaskTable &table) {
    QList<QStringList> rows;
    for (int row = 1; row < table.rowCount(); ++row)
        rows << table.rowCells(row);
    return rows;
}

void chooseMonth(TfrmEditHoliday &editor, const QString &month) {
    const int index = editor.cbMonth->findText(month);
    editor.cbMonth->setCurrentIndex(index);
    emit editor.cbMonth->activated(index);
}

// An editor handler: the rule typed in and OK pressed. An empty weekday chooses the specific day.
test::ModalScript::Handler enterRule(const QString &name, const QString &month, const QString &day,
                                     const QString &weekday = QString()) {
    return [=](QDialog &dialog) {
        auto &editor = static_cast<TfrmEditHoliday &>(dialog);
        editor.show();
        editor.edName->setText(name);
        chooseMonth(editor, month);
        if (weekday.isEmpty()) {
            editor.rbSpecific->click();
            editor.cbDOM->setCurrentText(day);
        } else {
            editor.rbFloating->click();
            editor.cbNth->setCurrentText(day);
            editor.cbDay->setCurrentText(weekday);
        }
        editor.btOK->click();
        return editor.result();
    };
}

// What an editor shows when it opens.
struct EditorView {
    QString name, month, dayOfMonth, ordinal, weekday;
    bool specific, dayListShown, floatingShown;
};

EditorView viewOf(const TfrmEditHoliday &editor) {
    return {editor.edName->text(),       editor.cbMonth->currentText(),
            editor.cbDOM->currentText(), editor.cbNth->currentText(),
            editor.cbDay->currentText(), editor.rbSpecific->isChecked(),
            editor.cbDOM->isVisible(),   editor.cbNth->isVisible() && editor.cbDay->isVisible()};
}

// Sends a dragged rule over a row of the list and drops it there; true when the drop was taken.
bool dropRule(TfrmHoliday &list, int row) {
    QWidget *viewport = list.grid->viewport();
    const QPoint at = row > 0 ? list.grid->visualRect(list.grid->model()->index(row - 1, 0)).center()
                              : QPoint(5, viewport->height() - 2);
    std::unique_ptr<QMimeData> data(list.grid->rowDragData());
    QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    if (!move.isAccepted())
        return false;
    QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    return drop.isAccepted();
}

const QStringList christmas{"Christmas", "12", "December", "25"};
const QStringList yule{"Yule", "12", "December", "25"};
const QStringList thanksgiving{"Thanksgiving", "11", "November", "Fourth : Thursday"};

} // namespace

class HolidaysTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void addedRulesShowOnTheCalendars();
    void addFillsAnEmptyCurrentRow();
    void editorPresetsInAddMode();
    void editorPresetsInEditMode_data();
    void editorPresetsInEditMode();
    void monthChangeKeepsTheDayWhereItCan_data();
    void monthChangeKeepsTheDayWhereItCan();
    void editOverwritesTheRow();
    void deletingTheOnlyRuleLeavesNothingToEdit();
    void deleteAsksWhenConfirmIsOn_data();
    void deleteAsksWhenConfirmIsOn();
    void draggingARuleChangesPrecedence();
    void titleClickSortsTheRules();
    void closeBoxDropsEdits();
    void escapeSaves();
    void importListsACountry();
    void importedRulesGoOnTopInReverse_data();
    void importedRulesGoOnTopInReverse();
    void importWithNothingSelectedStaysOpen();
    void importCloseSavesNothing();
    void internationalSavesFirstAndReloads();
    void importUnderGermanStillNamesTheDays();
    void printWaitsForThePrinterChoice();
    void screenshots();

private:
    // The main window, shown on 15 March 2000.
    TfrmMain &startMain();
    // Opens the holiday list from the main window and runs `steps` in it.
    void inHolidayList(const std::function<int(TfrmHoliday &)> &steps);

    std::unique_ptr<test::Sandbox> sandbox;
    std::unique_ptr<test::FakePrompter> prompts;
    std::unique_ptr<test::ModalScript> modal;
    std::unique_ptr<Program> program;
};

void HolidaysTest::init() {
    test::pinFormats("en_US");
    setNow(QDateTime(QDate(2000, 3, 15), QTime(10, 30)));
    sandbox = std::make_unique<test::Sandbox>();
    prompts = std::make_unique<test::FakePrompter>();
    modal = std::make_unique<test::ModalScript>();
}

void HolidaysTest::cleanup() {
    program.reset();
    QCOMPARE(modal->unexpected, QStringList());
    modal.reset();
    prompts.reset();
    sandbox.reset();
    setNow(QDateTime());
}

TfrmMain &HolidaysTest::startMain() {
    program = std::make_unique<Program>();
    program->start();
    return program->main();
}

void HolidaysTest::inHolidayList(const std::function<int(TfrmHoliday &)> &steps) {
    // The list shows first, then the dialogs scripted before this call, which it opens.
    modal->handlers.push_front(
        [steps](QDialog &dialog) { return steps(static_cast<TfrmHoliday &>(dialog)); });
    program->main().Holidays1->trigger();
}

void HolidaysTest::addedRulesShowOnTheCalendars() {
    TfrmMain &main = startMain();
    QVERIFY(main.Holidays1->isEnabled() && main.tbHolidays->isEnabled());
    QCOMPARE(main.Holidays1->shortcut(), QKeySequence("Ctrl+H"));
    QCOMPARE(main.holidayName(QDate(2024, 12, 25)), QString());
    modal->then(enterRule("Christmas", "December", "25"));
    modal->then(enterRule("Thanksgiving", "November", "Fourth", "Thursday"));
    modal->then(enterRule("MLK", "January", "Third", "Monday"));
    modal->then(enterRule("Memorial", "May", "Last", "Monday"));
    inHolidayList([](TfrmHoliday &list) {
        for (int i = 0; i < 4; ++i)
            list.btAddClick();
        list.btClose->click();
        return list.result();
    });
    QCOMPARE(modal->shown,
             (QStringList{"Holidays", "Edit Holiday", "Edit Holiday", "Edit Holiday", "Edit Holiday"}));
    // Each rule went in above the current one.
    QCOMPARE(rulesOf(storedRules()), (QList<QStringList>{{"Memorial", "05", "May", "Last : Monday"},
                                                         {"MLK", "01", "January", "Third : Monday"},
                                                         thanksgiving,
                                                         christmas}));
    QCOMPARE(main.holidayName(QDate(2024, 12, 25)), QString("Christmas"));
    QCOMPARE(main.holidayName(QDate(2024, 11, 28)), QString("Thanksgiving"));
    QCOMPARE(main.holidayName(QDate(2024, 1, 15)), QString("MLK"));
    QCOMPARE(main.holidayName(QDate(2024, 5, 27)), QString("Memorial"));
    QCOMPARE(main.holidayName(QDate(2024, 5, 20)), QString());
}

void HolidaysTest::addFillsAnEmptyCurrentRow() {
    storeRules({christmas, {"", "", "", ""}});
    TfrmHoliday list;
    list.grid->setRow(2);
    modal->then(enterRule("Yule", "December", "25"));
    list.btAddClick();
    QCOMPARE(rulesOf(list.rules()), (QList<QStringList>{christmas, yule}));
    modal->then([](QDialog &) { return int(QDialog::Rejected); });
    list.btAddClick();
    QCOMPARE(rulesOf(list.rules()), (QList<QStringList>{christmas, yule}));
}

void HolidaysTest::editorPresetsInAddMode() {
    TfrmEditHoliday editor;
    editor.edName->setText("left over");
    editor.show();
    const EditorView view = viewOf(editor);
    QCOMPARE(editor.windowTitle(), QString("Edit Holiday"));
    QCOMPARE(view.name, QString());
    QCOMPARE(view.month, QString("March"));
    QCOMPARE(view.dayOfMonth, QString("15"));
    QCOMPARE(view.ordinal, QString("First"));
    QCOMPARE(view.weekday, QString("Sunday"));
    QVERIFY(view.specific && view.dayListShown && !view.floatingShown);
    QCOMPARE(editor.cbMonth->count(), 12);
    QCOMPARE(editor.cbDay->count(), 7);
    QCOMPARE(editor.cbNth->count(), 5);
    QCOMPARE(editor.cbDOM->count(), 31);
    QCOMPARE(editor.edName->maxLength(), 20);
    editor.rbFloating->click();
    QVERIFY(!editor.cbDOM->isVisible() && editor.cbNth->isVisible() && editor.cbDay->isVisible());
}

void HolidaysTest::editorPresetsInEditMode_data() {
    QTest::addColumn<QStringList>("rule");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("dayOfMonth");
    QTest::addColumn<QString>("ordinal");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<bool>("specific");
    QTest::newRow("fixed") << christmas << "December"
                           << "25"
                           << "First"
                           << "Sunday" << true;
    QTest::newRow("floating") << thanksgiving << "November"
                              << "1"
                              << "Fourth"
                              << "Thursday" << false;
    QTest::newRow("case ignored") << QStringList{"Odd", "11", "november", "fourth : THURSDAY"} << "November"
                                  << "1"
                                  << "Fourth"
                                  << "Thursday" << false;
    QTest::newRow("unknown weekday") << QStringList{"Odd", "03", "March", "Second : Funday"} << "March"
                                     << "1"
                                     << "Second"
                                     << "" << false;
    // Hand-edited files: a day text that is not a number, a month of another language.
    QTest::newRow("day not a number") << QStringList{"Easter", "04", "April", "Sunday after"} << "April"
                                      << "1"
                                      << "First"
                                      << "Sunday" << true;
    QTest::newRow("foreign month") << QStringList{"Weihnachten", "12", "Dezember", "25"} << "January"
                                   << "25"
                                   << "First"
                                   << "Sunday" << true;
}

void HolidaysTest::editorPresetsInEditMode() {
    QFETCH(QStringList, rule);
    QFETCH(QString, month);
    QFETCH(QString, dayOfMonth);
    QFETCH(QString, ordinal);
    QFETCH(QString, weekday);
    QFETCH(bool, specific);
    storeRules({rule});
    TfrmHoliday list;
    EditorView view;
    modal->then([&view](QDialog &dialog) {
        auto &editor = static_cast<TfrmEditHoliday &>(dialog);
        editor.show();
        view = viewOf(editor);
        editor.btCancel->click();
        return editor.result();
    });
    list.btEditClick();
    QCOMPARE(view.name, rule[0]);
    QCOMPARE(view.month, month);
    QCOMPARE(view.dayOfMonth, dayOfMonth);
    QCOMPARE(view.ordinal, ordinal);
    QCOMPARE(view.weekday, weekday);
    QCOMPARE(view.specific, specific);
    QCOMPARE(view.dayListShown, specific);
    QCOMPARE(view.floatingShown, !specific);
    // Cancel leaves the rule as it was.
    QCOMPARE(list.rules().rowCells(1), rule);
}

void HolidaysTest::monthChangeKeepsTheDayWhereItCan_data() {
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("kept");
    QTest::newRow("31 to February") << "31"
                                    << "February"
                                    << "29";
    QTest::newRow("31 to April") << "31"
                                 << "April"
                                 << "30";
    QTest::newRow("29 to February") << "29"
                                    << "February"
                                    << "29";
    QTest::newRow("12 to June") << "12"
                                << "June"
                                << "12";
}

void HolidaysTest::monthChangeKeepsTheDayWhereItCan() {
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, kept);
    TfrmEditHoliday editor;
    editor.show();
    chooseMonth(editor, "January");
    editor.cbDOM->setCurrentText(day);
    chooseMonth(editor, month);
    QCOMPARE(editor.cbDOM->currentText(), kept);
    QCOMPARE(editor.cbDOM->itemText(editor.cbDOM->count() - 1),
             QString::number(daysInMonth(editor.cbMonth->currentIndex() + 1, 1996)));
}

void HolidaysTest::editOverwritesTheRow() {
    storeRules({christmas, thanksgiving});
    TfrmHoliday list;
    list.grid->setRow(2);
    modal->then(enterRule("Boxing Day", "December", "26"));
    list.btEditClick();
    QCOMPARE(rulesOf(list.rules()), (QList<QStringList>{christmas, {"Boxing Day", "12", "December", "26"}}));
    // Double click edits too: the specific rule becomes a floating one.
    modal->then(enterRule("Boxing Day", "December", "Last", "Friday"));
    emit list.grid->rowDoubleClicked(2);
    QCOMPARE(list.rules().rowCells(2), (QStringList{"Boxing Day", "12", "December", "Last : Friday"}));
}

void HolidaysTest::deletingTheOnlyRuleLeavesNothingToEdit() {
    SettingsStore().writeBool("Options", "Confirm", false);
    storeRules({christmas, thanksgiving});
    TfrmHoliday list;
    list.btDeleteClick();
    QCOMPARE(rulesOf(list.rules()), QList<QStringList>{thanksgiving});
    list.btDeleteClick();
    QCOMPARE(list.rules().rowCount(), 2);
    QVERIFY(list.rules().rowIsEmpty(1));
    list.btEditClick();
    QCOMPARE(prompts->errors, QStringList{"Nothing to edit"});
    QCOMPARE(modal->shown, QStringList());
    QCOMPARE(prompts->questions, QStringList());
}

void HolidaysTest::deleteAsksWhenConfirmIsOn_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void HolidaysTest::deleteAsksWhenConfirmIsOn() {
    QFETCH(bool, answer);
    SettingsStore().writeBool("Options", "Confirm", true);
    storeRules({christmas, thanksgiving});
    TfrmHoliday list;
    list.grid->setRow(2);
    prompts->confirmAnswers = {answer};
    list.btDeleteClick();
    QCOMPARE(prompts->questions, QStringList{"Really delete \"Thanksgiving\"?"});
    QCOMPARE(list.rules().rowCount(), answer ? 2 : 3);
}

void HolidaysTest::draggingARuleChangesPrecedence() {
    storeRules({christmas, thanksgiving, yule});
    TfrmMain &main = startMain();
    QCOMPARE(main.holidayName(QDate(2024, 12, 25)), QString("Christmas"));
    inHolidayList([](TfrmHoliday &list) {
        list.show();
        list.grid->setRow(3);
        // Not onto the empty space below the rules.
        if (dropRule(list, 0))
            return int(QDialog::Rejected);
        if (!dropRule(list, 1))
            return int(QDialog::Rejected);
        if (list.grid->row() != 1)
            return int(QDialog::Rejected);
        // Onto the current row itself: nothing moves.
        dropRule(list, 1);
        list.btCloseClick();
        return list.result();
    });
    QCOMPARE(rulesOf(storedRules()), (QList<QStringList>{yule, christmas, thanksgiving}));
    QCOMPARE(main.holidayName(QDate(2024, 12, 25)), QString("Yule"));
}

void HolidaysTest::titleClickSortsTheRules() {
    storeRules({yule, thanksgiving, christmas});
    TfrmHoliday list;
    list.show();
    QHeaderView *titles = list.grid->horizontalHeader();
    const auto clickTitle = [titles](int column) {
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
                          QPoint(titles->sectionViewportPosition(column) + 5, 5));
    };
    clickTitle(1);
    QCOMPARE(list.rules().rowCells(1), thanksgiving);
    clickTitle(0);
    QCOMPARE(rulesOf(list.rules()), (QList<QStringList>{christmas, thanksgiving, yule}));
    QCOMPARE(holidayName(list.rules(), QDate(2024, 12, 25)), QString("Christmas"));
    clickTitle(0);
    QCOMPARE(rulesOf(list.rules()), (QList<QStringList>{yule, thanksgiving, christmas}));
    QCOMPARE(holidayName(list.rules(), QDate(2024, 12, 25)), QString("Yule"));
}

void HolidaysTest::closeBoxDropsEdits() {
    storeRules({christmas});
    const QByteArray before = test::readFile(holidayFileName());
    TfrmMain &main = startMain();
    modal->then(enterRule("Yule", "December", "25"));
    inHolidayList([](TfrmHoliday &list) {
        list.show();
        list.btAddClick();
        list.close();
        return list.result();
    });
    QCOMPARE(test::readFile(holidayFileName()), before);
    QCOMPARE(main.holidayName(QDate(2024, 12, 25)), QString("Christmas"));
}

void HolidaysTest::escapeSaves() {
    TfrmHoliday list;
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.rules().setRowCells(1, christmas);
    QTest::keyClick(&list, Qt::Key_Escape);
    QVERIFY(!list.isVisible());
    QCOMPARE(list.result(), int(QDialog::Accepted));
    QCOMPARE(rulesOf(storedRules()), QList<QStringList>{christmas});
}

void HolidaysTest::importListsACountry() {
    TfrmImport import;
    QCOMPARE(import.windowTitle(), QString("Import International Holidays"));
    QCOMPARE(import.lbCountries->count(), 23);
    QCOMPARE(import.lbCountries->currentItem()->text(), QString("Australia"));
    QCOMPARE(import.lbDays->count(), 6);
    QCOMPARE(import.lbDays->item(0)->text(), QString("Jan 1st\tNew Year's Day"));
    QCOMPARE(import.lbDays->item(3)->text(), QString("1st Mon in Oct\tLabour Day"));
    import.lbCountries->setCurrentRow(18);
    QCOMPARE(import.lbDays->count(), 30);
    import.lbCountries->setCurrentRow(19);
    QCOMPARE(import.lbDays->count(), 9);
    QCOMPARE(import.lbDays->item(0)->text(), QString("Jan 1st\tNyårsdagen"));
    QCOMPARE(import.lbDays->item(8)->text(), QString("Dec 26th\tAnnandag jul"));
    QCOMPARE(import.lbDays->selectionMode(), QAbstractItemView::ExtendedSelection);
}

void HolidaysTest::importedRulesGoOnTopInReverse_data() {
    QTest::addColumn<int>("country");
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<QList<QStringList>>("top");
    QTest::newRow("United States") << 22 << QList<int>{12, 15, 21}
                                   << QList<QStringList>{
                                          thanksgiving,
                                          {"Independence Day", "07", "July", "4"},
                                          {"Memorial Day (Observed)", "05", "May", "Last : Monday"}};
    QTest::newRow("Australia") << 0 << QList<int>{0, 5}
                               << QList<QStringList>{{"Christmas", "12", "December", "25"},
                                                     {"New Year's Day", "01", "January", "1"}};
}

void HolidaysTest::importedRulesGoOnTopInReverse() {
    QFETCH(int, country);
    QFETCH(QList<int>, lines);
    QFETCH(QList<QStringList>, top);
    const QStringList own{"Own", "03", "March", "3"};
    storeRules({own});
    // Twice: a holiday imported again is held twice.
    for (int pass = 1; pass <= 2; ++pass) {
        TfrmImport import;
        import.lbCountries->setCurrentRow(country);
        for (int line : lines)
            import.lbDays->item(line)->setSelected(true);
        import.btOK->click();
        QCOMPARE(import.result(), int(QDialog::Accepted));
    }
    QList<QStringList> expected = top + top;
    expected << own;
    QCOMPARE(rulesOf(storedRules()), expected);
    QCOMPARE(prompts->errors, QStringList());
}

void HolidaysTest::importWithNothingSelectedStaysOpen() {
    storeRules({christmas});
    const QByteArray before = test::readFile(holidayFileName());
    TfrmImport import;
    import.show();
    import.btOK->click();
    QCOMPARE(prompts->errors, QStringList{"Nothing selected!  Click on holiday(s) above to select."});
    QVERIFY(import.isVisible());
    QCOMPARE(test::readFile(holidayFileName()), before);
}

void HolidaysTest::importCloseSavesNothing() {
    storeRules({christmas});
    const QByteArray before = test::readFile(holidayFileName());
    TfrmImport import;
    import.show();
    import.lbDays->item(0)->setSelected(true);
    import.btClose->click();
    QCOMPARE(import.result(), int(QDialog::Rejected));
    QCOMPARE(test::readFile(holidayFileName()), before);
}

void HolidaysTest::internationalSavesFirstAndReloads() {
    TfrmMain &main = startMain();
    modal->then(enterRule("Own", "March", "3"));
    modal->then([](QDialog &dialog) {
        auto &import = static_cast<TfrmImport &>(dialog);
        // The rule added before International is in the file the import starts from.
        if (import.grid().cell(HolidayName, 1) != "Own")
            return int(QDialog::Rejected);
        import.lbCountries->setCurrentRow(22);
        import.lbDays->item(21)->setSelected(true);
        import.btOK->click();
        return import.result();
    });
    QList<QStringList> shown;
    inHolidayList([&shown](TfrmHoliday &list) {
        list.btAddClick();
        list.btInternational->click();
        shown = rulesOf(list.rules());
        list.btCloseClick();
        return list.result();
    });
    const QList<QStringList> expected{thanksgiving, {"Own", "03", "March", "3"}};
    QCOMPARE(shown, expected);
    QCOMPARE(rulesOf(storedRules()), expected);
    QCOMPARE(main.holidayName(QDate(2024, 11, 28)), QString("Thanksgiving"));
}

void HolidaysTest::importUnderGermanStillNamesTheDays() {
    test::pinFormats("de_DE");
    TfrmMain &main = startMain();
    QString shown;
    modal->then([&shown](QDialog &dialog) {
        auto &import = static_cast<TfrmImport &>(dialog);
        import.lbCountries->setCurrentRow(22);
        shown = import.lbDays->item(21)->text();
        for (int line : {12, 15, 21})
            import.lbDays->item(line)->setSelected(true);
        import.btOK->click();
        return import.result();
    });
    inHolidayList([](TfrmHoliday &list) {
        list.btInternationalClick();
        list.btCloseClick();
        return list.result();
    });
    QCOMPARE(shown, QString("4th Do. in Nov\tThanksgiving"));
    QCOMPARE(rulesOf(storedRules()).mid(0, 3),
             (QList<QStringList>{{"Thanksgiving", "11", "November", "Fourth : Donnerstag"},
                                 {"Independence Day", "07", "Juli", "4"},
                                 {"Memorial Day (Observed)", "05", "Mai", "Last : Montag"}}));
    QCOMPARE(main.holidayName(QDate(2024, 11, 28)), QString("Thanksgiving"));
    QCOMPARE(main.holidayName(QDate(2024, 7, 4)), QString("Independence Day"));
    QCOMPARE(main.holidayName(QDate(2024, 5, 27)), QString("Memorial Day (Observed)"));
}

void HolidaysTest::printWaitsForThePrinterChoice() {
    storeRules({christmas});
    TfrmHoliday list;
    prompts->printerAnswer = false;
    list.btPrintClick();
    QCOMPARE(prompts->errors, QStringList());

    prompts->printerAnswer = true;
    prompts->printFile = sandbox->path("holidays.pdf");
    list.btPrintClick();
    const QString text = test::pdfText(prompts->printFile);
    QVERIFY2(text.contains(QRegularExpression("Holidays[\\s\\S]*Christmas\\s+12\\s+December\\s+25")),
             qPrintable(text));
}

void HolidaysTest::screenshots() {
    const QString target = qEnvironmentVariable("CORVANE_SHOTS");
    if (target.isEmpty())
        QSKIP("screenshots only when CORVANE_SHOTS names a folder");
    storeRules({thanksgiving, christmas, {"Memorial Day (Observed)", "05", "May", "Last : Monday"}});
    TfrmHoliday list;
    list.show();
    QTest::qWait(200);
    list.grab().save(target + "/holiday.png");
    TfrmEditHoliday editor;
    editor.editRule("Thanksgiving", "November", {false, 0, "Fourth", "Thursday"});
    editor.show();
    QTest::qWait(200);
    editor.grab().save(target + "/edholiday.png");
    TfrmImport import;
    import.lbCountries->setCurrentRow(22);
    import.lbDays->item(21)->setSelected(true);
    import.show();
    QTest::qWait(200);
    import.grab().save(target + "/import.png");
}

QTEST_MAIN(HolidaysTest)
#include "tst_holidays.moc"
