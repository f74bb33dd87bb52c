// Every menu item and tool button of the main window: its caption, shortcut, hint, whether it is enabled,
// and the handler it reaches, told by what that handler visibly does.

#include "app/main.h"
#include "app/program.h"
#include "editing/edit.h"
#include "editing/taskrules.h"
#include "maintenance/find.h"
#include "output/print.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "testsupport.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMap>
#include <QMenu>
#include <QSplitter>
#include <QTest>

using namespace corvane;

namespace {

const QDate Today(2000, 3, 15);
const QDate Shown(2000, 3, 16); // the day each command starts from, so Today shows a change

// What each handler visibly does, from the day above with one task on the day list and one on the
// non-date list. A command that lands later is listed here once, and its rows below name it.
const QMap<QString, QString> &effects() {
    static const QMap<QString, QString> map{
        {"Exit1Click", "closed"},
        {"About1Click", "dialog How to contact us"},
        {"btFilterClick", "dialog Task Filters"},
        {"Options2Click", "dialog Program Options"},
        {"CompletedTasks1Click", "dialog Completed Tasks"},
        {"Today1Click", "day 2000-03-15"},
        {"NextTask1Click", "day 2000-03-20"},
        {"PriorTask1Click", "day 2000-03-10"},
        {"NextMonth1Click", "day 2000-04-16"},
        {"PriorMonth1Click", "day 2000-02-16"},
        {"NextYear1Click", "day 2001-03-16"},
        {"PriorYear1Click", "day 1999-03-16"},
        {"Help2Click", "opened corvane.html#Corvane"},
        {"HalveringHomePage1Click", "opened https://www.halvering.example/"},
        {"N4monthCalendars1Click", "flashes split1"},
        {"DaytoNonDayEvents1Click", "flashes split2"},
        {"DailyEventsNotes1Click", "flashes splitDay"},
        {"btAddClick day", "dialog Edit Task: Thu 3/16/2000 Tomorrow"},
        {"btAddClick nonday", "dialog Edit Task: Non Date Oriented Task"},
        {"btEditClick day", "dialog " + editCaption("Day work") + ": Thu 3/16/2000 Tomorrow"},
        {"btEditClick nonday", "dialog " + editCaption("Plant bulbs") + ": Non-Date Oriented Tasks"},
        {"Markascompleted1Click day", "dialog " + editCaption("Day work") + ": Thu 3/16/2000 Tomorrow"},
        {"Markascompleted1Click nonday",
         "dialog " + editCaption("Plant bulbs") + ": Non-Date Oriented Tasks"},
        {"btDelClick day", "asked " + deleteQuestion("Day work")},
        {"btDelClick nonday", "asked " + deleteQuestion("Plant bulbs")},
        {"ToolButton15Click", "alarm Yes"},
        {"ToolButton14Click", "put away"},
        {"Hide1Click", "put away"},
        {"Search1Click", "find dialog"},
        {"Holidays1Click", "dialog Holidays"},
        {"Archive1Click", "file dialog Save Archive"},
        {"Restore1Click", "asked Really restore ENTIRE system?  This will overwrite any current information. "
                          "Note you may want to make an archive first!"},
        {"ICalendarFormat1Click", "file dialog Save as an iCalendar file"},
        {"Print1Click", "dialog Print tasks"},
        {"Print list", "printer"},
        {"HTML export", "file dialog Save as an HTML file"},
        {"CSV export", "file dialog Save as comma-delimited"},
        {"PublishCalendarasWebPage1Click", "dialog Publish Monthly Calendar as Web Page"},
        {"ClearAll1Click", "dialog Clear tasks"},
        {"ImportICalendar1Click", "file dialog Import iCalendar"},
    };
    return map;
}

void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents();
}

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinFormats("en_US"); }
    void init() { setNow(QDateTime(Today, QTime(10, 30))); }
    void cleanup() { setNow(QDateTime()); }

    void everyCommand_data();
    void everyCommand();
};

void CommandsTest::everyCommand_data() {
    QTest::addColumn<QString>("caption");  // menu caption; for a tool button its hint
    QTest::addColumn<QString>("shortcut"); // as QKeySequence::toString()
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("handler"); // a key of effects(); empty while the command is not built

    // One row per action, by object name.
    const auto row = [](const char *name, const char *caption, const char *shortcut, bool enabled,
                        const char *handler) {
        QTest::newRow(name) << QString(caption) << QString(shortcut) << enabled << QString(handler);
    };
    // File menu.
    row("Print1", "Print", "", true, "Print1Click");
    row("Search1", "Find", "Ctrl+F", true, "Search1Click");
    row("HTMLFormat3", "HTML Format", "", true, "HTML export");
    row("CommaDelimitedFormat1", "Comma-Delimited Format", "", true, "CSV export");
    row("HTMLFormat4", "HTML Format", "", true, "HTML export");
    row("CommaDelimitedFormat2", "Comma Delimited Format", "", true, "CSV export");
    row("ICalendarFormat1", "iCalendar Format…", "", true, "ICalendarFormat1Click");
    row("PublishCalendarasWebPage1", "Publish Calendar as Web Page", "", true,
        "PublishCalendarasWebPage1Click");
    row("Holidays1", "Holidays", "Ctrl+H", true, "Holidays1Click");
    row("Options2", "Options", "Ctrl+O", true, "Options2Click");
    row("CompletedTasks1", "View Completed Tasks", "", true, "CompletedTasks1Click");
    row("Archive1", "Archive current data", "", true, "Archive1Click");
    row("Restore1", "Restore old data", "", true, "Restore1Click");
    row("ClearAll1", "Clear all data", "", true, "ClearAll1Click");
    row("ImportICalendar1", "Import iCalendar…", "", true, "ImportICalendar1Click");
    row("Hide1", "Hide", "Alt+H", true, "Hide1Click");
    row("Exit1", "Exit", "Alt+X", true, "Exit1Click");
    // Navigate menu, Filters, Resize and Help menus.
    row("NextTask1", "Next Highlighted Task", "Ctrl+N", true, "NextTask1Click");
    row("PriorTask1", "Prior Highlighted Task", "Ctrl+P", true, "PriorTask1Click");
    row("NextMonth1", "Next Month", "PgDown", true, "NextMonth1Click");
    row("PriorMonth1", "Prior Month", "PgUp", true, "PriorMonth1Click");
    row("NextYear1", "Next Year", "Ctrl+PgDown", true, "NextYear1Click");
    row("PriorYear1", "Prior Year", "Ctrl+PgUp", true, "PriorYear1Click");
    row("Today1", "Today", "Ctrl+Home", true, "Today1Click");
    row("Filters1", "Filters", "", true, "btFilterClick");
    row("N4monthCalendars1", "4-month Calendars Width", "", true, "N4monthCalendars1Click");
    row("DaytoNonDayEvents1", "Day to Non-Day Events", "", true, "DaytoNonDayEvents1Click");
    row("DailyEventsNotes1", "Daily Events/Notes", "", true, "DailyEventsNotes1Click");
    row("Help2", "Help", "F1", true, "Help2Click");
    row("About1", "About", "", true, "About1Click");
    row("HalveringHomePage1", "Halvering Home Page", "", true, "HalveringHomePage1Click");
    // Pop-up menu of the day list.
    row("Add1", "Add", "", true, "btAddClick day");
    row("Edit2", "Edit", "", true, "btEditClick day");
    row("Del1", "Delete", "", true, "btDelClick day");
    row("Print3", "Print", "", true, "Print list");
    row("HTMLFormat1", "HTML Format", "", true, "HTML export");
    row("CSVFormat1", "CSV Format", "", true, "CSV export");
    row("Markascompleted2", "Mark as completed", "", true, "Markascompleted1Click day");
    // Pop-up menu of the non-date list.
    row("MenuItem1", "Add", "", true, "btAddClick nonday");
    row("MenuItem2", "Edit", "", true, "btEditClick nonday");
    row("MenuItem3", "Delete", "", true, "btDelClick nonday");
    row("Print4", "Print", "", true, "Print list");
    row("HTMLFormat2", "HTML Format", "", true, "HTML export");
    row("CSVFormat2", "CSV Format", "", true, "CSV export");
    row("Markascompleted1", "Mark as completed", "", true, "Markascompleted1Click nonday");
    // Tool bar 1.
    row("tbToday", "Goto today", "", true, "Today1Click");
    row("tbSearch", "Find text in date oriented task", "", true, "Search1Click");
    row("btFilter", "Filter tasks", "", true, "btFilterClick");
    row("tbPrint", "Print", "", true, "Print1Click");
    row("tbPublish", "Publish calendar as web page", "", true, "PublishCalendarasWebPage1Click");
    row("tbArchive", "Archive", "", true, "Archive1Click");
    row("tbCompleted", "View Completed Tasks", "", true, "CompletedTasks1Click");
    row("tbOptions", "Options", "", true, "Options2Click");
    row("tbHolidays", "Holidays", "", true, "Holidays1Click");
    row("tbHelp", "Help", "", true, "Help2Click");
    row("tbAbout", "About Corvane", "", true, "About1Click");
    row("ToolButton14", "Hide calendar", "", true, "ToolButton14Click");
    // Tool bar 2, beside the day list.
    row("tbAdd1", "Add new", "", true, "btAddClick day");
    row("tbEdit1", "Edit task", "", true, "btEditClick day");
    row("tbDel1", "Delete", "", true, "btDelClick day");
    row("tbPrint1", "Print date tasks", "", true, "Print list");
    row("tbDone1", "Mark as completed", "", true, "Markascompleted1Click day");
    row("ToolButton15", "Toggle alarm (yes/no)", "", true, "ToolButton15Click");
    // Tool bar 3, beside the non-date list.
    row("tbAdd2", "Add new", "", true, "btAddClick nonday");
    row("tbEdit2", "Edit task", "", true, "btEditClick nonday");
    row("tbDel2", "Delete", "", true, "btDelClick nonday");
    row("tbPrint2", "Print tasks", "", true, "Print list");
    row("tbDone2", "Mark as completed", "", true, "Markascompleted1Click nonday");
}

void CommandsTest::everyCommand() {
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(bool, enabled);
    QFETCH(QString, handler);
    test::Sandbox sandbox;
    test::FakePrompter prompts;
    prompts.confirmAnswers = {false}; // a delete asks and is refused
    test::ModalScript modal;
    QStringList dialogs;
    prompts.printerAnswer = false; // a print stops at the printer choice
    modal.then([&](QDialog &dialog) {
        // The print selection names itself as it is shown, which the script stands in for.
        if (auto *print = qobject_cast<TfrmPrint *>(&dialog))
            print->FormShow();
        QString seen = dialog.windowTitle();
        if (auto *editor = qobject_cast<TfrmEdit *>(&dialog))
            seen += ": " + editor->lblTitle->text();
        dialogs << seen;
        return int(QDialog::Rejected);
    });
    Program program;
    TfrmMain &main = program.main();
    program.start();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    settle();

    const auto storeRow = [](const QDate &day, const QString &what) {
        return QStringList{QString::number(dayNumber(day)) + ".101", "9:00 AM", "Work", what, "No", "No"};
    };
    main.gridStore.setRowCount(4);
    main.gridStore.setRowCells(1, storeRow(QDate(2000, 3, 10), "Before"));
    main.gridStore.setRowCells(2, storeRow(Shown, "Day work"));
    main.gridStore.setRowCells(3, storeRow(QDate(2000, 3, 20), "After"));
    main.gridNonday->table().setRowCells(1, {"Garden", "Plant bulbs", "No"});
    main.cal2->setDate(Shown);
    settle();

    // The action named by the row is found among the window's actions, on its menu or tool bar.
    QAction *action = main.findChild<QAction *>(QTest::currentDataTag());
    QVERIFY(action);
    const bool toolButton = !action->icon().isNull();
    QCOMPARE(toolButton ? action->toolTip() : action->text(), caption);
    QCOMPARE(action->shortcut().toString(), shortcut);
    QCOMPARE(action->isEnabled(), enabled);
    if (handler.isEmpty())
        return;
    QVERIFY2(effects().contains(handler), qPrintable("no effect listed for " + handler));

    // The non-date list's pop-up opens on a right click, which gives that list the focus.
    if (main.PopupMenu2->findChildren<QAction *>().contains(action) ||
        main.PopupMenu2->actions().contains(action))
        main.gridNonday->setFocus();
    action->trigger();
    settle();
    QStringList seen;
    for (const QString &dialog : dialogs)
        seen << "dialog " + dialog;
    for (const QString &question : prompts.questions)
        seen << "asked " + question;
    for (const QString &file : prompts.fileCaptions)
        seen << "file dialog " + file;
    if (prompts.printDialogs > 0)
        seen << "printer";
    if (main.FindDialog1 && main.FindDialog1->isVisible())
        seen << "find dialog";
    for (const QUrl &url : prompts.openedUrls)
        seen << "opened " + (url.isLocalFile() ? url.fileName() + "#" + url.fragment() : url.toString());
    if (main.currentCalendar->date() != Shown)
        seen << "day " + main.currentCalendar->date().toString(Qt::ISODate);
    if (main.splitterToFlash)
        seen << "flashes " + main.splitterToFlash->objectName();
    if (main.currentCalendar->date() == Shown && main.gridDay->table().cell(DayAlarm, 1) != "No")
        seen << "alarm " + main.gridDay->table().cell(DayAlarm, 1);
    if (!main.isVisible())
        seen << "closed";
    else if (main.isMinimized())
        seen << "put away";
    QCOMPARE(seen.join("; "), effects().value(handler));
    QCOMPARE(prompts.errors, QStringList());
}

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
