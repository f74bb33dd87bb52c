#pragma once

#include "alarms/alarmmonitor.h"
#include "calendar/daycellpainter.h"
#include "calendar/hoversummary.h"
#include "calendar/layoutmath.h"
#include "calendar/monthcalendar.h"
#include "calendar/navigation.h"
#include "holidays/holidaylookup.h"
#include "maintenance/textsearch.h"
#include "store/routines.h"
#include "store/tasktable.h"

#include <QDateTime>
#include <QMainWindow>
#include <QPainter>

#include <array>

class QAction;
class QFrame;
class QTreeWidget;
class QLabel;
class QMenu;
class QMimeData;
class QPlainTextEdit;
class QSplitter;
class QToolBar;

namespace corvane {

class DateNavigator;
class MainOutput;
class ShadowLabel;
class TaskGrid;
class TimerPool;
class TfrmOptions;
class TfrmFind;
class AlarmPanel;
class TrayController;
struct IcalSelection;

// The main window: calendars, the day view with its notes memo, the non-date list, menus and tool bars.
// Controls keep the names the commands know them by; commands tell their callers apart by sender().
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and runs its creation steps: layout values, task files, timer triggers.
    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override;

    // --- Controls -------------------------------------------------------------------------------------
    QWidget *pnlTop;
    QToolBar *ToolBar1;
    QSplitter *split2;   // calendars and day view above, non-date list below
    QSplitter *split1;   // calendars left, day view right
    QSplitter *splitDay; // day list above, notes memo below
    // Left of split1: the four calendars, the navigator and the hover panel go here.
    QWidget *pnlCalendars;
    ShadowLabel *lblDate;
    QToolBar *ToolBar2;
    TaskGrid *gridDay;
    QPlainTextEdit *memWhat;
    ShadowLabel *EsLabel1;
    TaskGrid *gridNonday;
    QToolBar *ToolBar3;
    AlarmPanel *pnlAlarm;
    TrayController *tray;
    QMenu *PopupMenu1;
    QMenu *PopupMenu2;

    // Hidden tables: every date-oriented task, the rows to print, the holiday rules.
    TaskTable gridStore;
    TaskTable gridPrint;
    TaskTable gridHoliday;

    // Tool bar 1.
    QAction *tbToday, *tbSearch, *btFilter, *tbPrint, *tbPublish, *tbArchive, *tbCompleted, *tbOptions,
        *tbHolidays, *tbHelp, *tbAbout, *ToolButton14;
    // Tool bar 2 (day list) and 3 (non-date list).
    QAction *tbAdd1, *tbEdit1, *tbDel1, *tbPrint1, *tbDone1, *ToolButton15;
    QAction *tbAdd2, *tbEdit2, *tbDel2, *tbPrint2, *tbDone2;
    // File menu.
    QAction *Print1, *Search1, *HTMLFormat3, *CommaDelimitedFormat1, *HTMLFormat4, *CommaDelimitedFormat2,
        *PublishCalendarasWebPage1, *Holidays1, *Options2, *CompletedTasks1, *Archive1, *Restore1, *ClearAll1,
        *Hide1, *Exit1;
    // Navigate menu, the Filters command, Resize and Help menus.
    QAction *NextTask1, *PriorTask1, *NextMonth1, *PriorMonth1, *NextYear1, *PriorYear1, *Today1;
    QAction *Filters1;
    QAction *N4monthCalendars1, *DaytoNonDayEvents1, *DailyEventsNotes1;
    QAction *Help2, *About1, *HalveringHomePage1;
    // Pop-up menus of the day list and the non-date list.
    QAction *Add1, *Edit2, *Del1, *Print3, *HTMLFormat1, *CSVFormat1, *Markascompleted2;
    QAction *MenuItem1, *MenuItem2, *MenuItem3, *Print4, *HTMLFormat2, *CSVFormat2, *Markascompleted1;

    // --- State ----------------------------------------------------------------------------------------
    TimerPool *timerPool;
    int alarmTrigger, flashTrigger, layoutTrigger, hoverTrigger, clockTrigger;
    // An alarm is on screen, or the program is closing: no alarm is looked for.
    bool alarmShowing = false;
    // Missed and snoozed alarms, and the moment of the last check (mainalarms.cpp).
    AlarmMonitor alarmMonitor;
    // 638 pixels at 96 pixels per inch, scaled to the screen.
    int minimumWindowWidth;
    // The calendar whose date is the selected day; none until the calendars exist.
    MonthCalendar *currentCalendar = nullptr;
    MonthCalendar *previousCalendar = nullptr;
    // Copies of three settings, re-read from the store by ReadSettings().
    bool shadows = true;
    QString defaultCategory;
    bool confirmDelete = true;
    // Which store rows the views show; every row until the filter window provides its test.
    RowFilter rowFilter = passAll;

    // --- Calendars, navigation, hover summary (maincalendars.cpp) ---------------------------------------
    MonthCalendar *cal1, *cal2, *cal3, *cal4;
    DateNavigator *nav;
    QFrame *pnlPop;
    ShadowLabel *lblPopDate, *lblPopWhen;
    QTreeWidget *lbPopup;
    // Re-entry guards of the calendars' and the navigator's events.
    bool inDateChange = false;
    bool inMonthChange = false;
    bool inNavigatorChange = false;
    // Off while the months are re-derived, so the calendars paint once at the end.
    bool calendarPaintingEnabled = true;
    // gridStore row of a pending text-search hit, -1 for none.
    int searchHitRow = -1;
    // The hit was found upwards: the day list is scanned for it from the bottom.
    bool searchHitFromBottom = false;
    HoverTracker hover;

    std::array<MonthCalendar *, 4> calendars() const;
    void updateAppropriateMonth();
    QDate goForward(const QDate &date) const;
    QDate goBack(const QDate &date) const;
    // What the day cells are coloured from: the options' colours, the store, holidays and the filter.
    DayCellSource dayCellSource() const;
    // The options' colour choices; the defaults until the options window provides them.
    DayCellSource calendarColours() const;
    // The options' "Display a popup summary of events".
    bool popupOn() const;
    // Applies the calendar font of the options to the calendars and the navigator.
    void applyCalendarFont(const QFont &font);
    // The calendar font of the options; its size applies while the calendars are large enough.
    QFont calendarFont;

    // --- Layout (mainlayout.cpp) -------------------------------------------------------------------------
    QSplitter *splitterToFlash = nullptr;
    LayoutPulse layoutPulse;
    void resizeCalendars();
    void FormResize();

    // --- Day view -------------------------------------------------------------------------------------
    // The selected day: the current calendar's date (today while there are no calendars).
    QDateTime selectedDate() const;
    void readFromStore(int dayNumber);
    void writeToStore(int dayNumber);
    // Drops rows without a key, sorts the store and writes grid.grd.
    void SortGridStore();
    // Titles of the non-date list and, when `calendar` is the current calendar, of the day view.
    void UpdateLabels(QWidget *calendar);
    void DrawExtraMemo();
    // Removes the current row of `list`; with writeBack the day list goes back into the store for `date`.
    void deleteEntry(TaskGrid *list, bool writeBack, const QDateTime &date);
    // Puts notes typed in the memo into the task it shows and writes that day back; nothing happens while
    // the memo holds what it was given. Runs whenever typed notes could otherwise be lost.
    void memWhatExit();

    // --- Hooks other parts of the window fill in ------------------------------------------------------
    // The name of the holiday on a date, or empty.
    QString holidayName(const QDate &date) const;
    // Whether the filter restricts what is shown.
    bool filterOn() const;
    // The options' "&Strike-out done events?".
    bool strikeOutDone() const;
    void ColorAllCalendars(bool all);
    void ResizeGridDay();
    void ResizeGridNonDay();

    // --- Options (mainoptions.cpp) ----------------------------------------------------------------------
    // The options window once the program made it; until then the hooks answer the defaults.
    TfrmOptions *frmOptions = nullptr;
    void connectOptions(TfrmOptions *options);
    void Options2Click();
    void optionsStrikeOutChanged();
    void applyGridFont(const QFont &font, int rowHeight);

    // --- Printing, export and the web page (mainoutput.cpp) ---------------------------------------------
    MainOutput *output;

    // --- Settings -------------------------------------------------------------------------------------
    void ReadSettings();
    void ApplySettings(bool shadowsOn);
    // "FILTERS ON" and the lit filter button while the filter is in force.
    void updateFilterIndicator();

    QString statusText() const;
    void setStatusText(const QString &text);

    // The size of the client area: the window without its menu bar.
    QSize clientSize() const;
    void setClientSize(const QSize &size);

    // --- Task commands (maintasks.cpp) ----------------------------------------------------------------
    // The control that raised a command tells which list it acts on.
    void btAddClick(QObject *sender);
    void btEditClick(QObject *sender);
    void Markascompleted1Click(QObject *sender);
    void EditOrComplete(QObject *sender, bool edit);
    void btDelClick(QObject *sender);
    void gridDayDblClick();
    void gridNondayDblClick();
    void CompletedTasks1Click();

    // --- Search, archive, restore and clear (mainmaintenance.cpp) -----------------------------------------
    TfrmFind *FindDialog1 = nullptr;
    TextSearch textSearch;
    // The archive and restore dialogs offer the name chosen last.
    QString archiveName = QStringLiteral("backup.arb");
    void Search1Click();
    void FindDialog1Show();
    void FindDialog1Close();
    void FindDialog1Find();
    void Archive1Click();
    void Restore1Click();
    void ClearAll1Click();
    // Brings the views up to date after the task tables changed as a whole.
    void refreshFromTables();

    // --- Drag-and-drop (maindragdrop.cpp) ----------------------------------------------------------------
    // The list a task was last dropped from onto a calendar.
    TaskGrid *dragSourceList = nullptr;
    // The list a drag carries a task of, or nullptr for anything else.
    TaskGrid *draggedList(const QMimeData *data) const;
    void gridDayDragOver(TaskGrid *target, const QMimeData *data, int row, bool *accept);
    void gridDayDragDrop(TaskGrid *target, const QMimeData *data, int row);
    void cal1DragOver(const QMimeData *data, bool *accept);
    void cal1DragDrop(MonthCalendar *target, const QMimeData *data, int cellId);

    // --- iCalendar (maininterchange.cpp) ---------------------------------------------------------------
    QAction *ICalendarFormat1, *ImportICalendar1;
    // The file name the next export offers.
    QString icalFileName = QStringLiteral("tasks.ics");
    IcalSelection icalSelection() const;
    void ICalendarFormat1Click();
    void ImportICalendar1Click();

    // --- Holidays (mainholidays.cpp) ------------------------------------------------------------------
    void connectHolidays();
    void Holidays1Click();
    // Reads holiday.grd into gridHoliday; a corrupt file is reported and leaves no rules.
    void loadHolidayTable();

public slots:
    void cal1Click();
    void cal1DateChange();
    void cal1MonthChange();
    void navChange();
    void cal1DrawCell(QPainter *painter, const corvane::CalendarCell &cell, bool *useDefaultDrawing);
    void cal1CellDblClick();
    void cal2MouseMove(const QPoint &pos);
    void tmPopupTimer();
    void NextTask1Click();
    void PriorTask1Click();
    void NextMonth1Click();
    void PriorMonth1Click();
    void NextYear1Click();
    void PriorYear1Click();
    void Today1Click();
    void Help2Click();
    void HalveringHomePage1Click();
    void split1Resize();
    void split2Resize();
    void Timer2Timer();
    void N4monthCalendars1Click();
    void DaytoNonDayEvents1Click();
    void DailyEventsNotes1Click();
    void Exit1Click();
    void btFilterClick();
    void About1Click();
    void gridDayEnter();
    void UpdateStatusClock();
    void timerPoolAllTriggers(int handle, int interval);

    // Alarms and the tray (mainalarms.cpp).
    void Timer1Timer();
    void pnlAlarmClick();
    void tmPanelColorTimer();
    void ToolButton15Click();
    void TrayIconClick();
    void Showcalendar1Click();
    void TrayIconAppMinimize();
    void ToolButton14Click();
    void Hidecalendar1Click();
    void Hide1Click();
    void Exit2Click();
    // At start: raises the alarms that fell due while the program was not running.
    void catchUpAlarms();
    void pnlAlarmSnooze(int minutes);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createAlarmsAndTray(); // mainalarms.cpp
    void connectMaintenance();  // mainmaintenance.cpp
    void connectDragDrop();     // maindragdrop.cpp
    AlarmOptions alarmOptions() const;
    void raiseAlarm(const std::optional<RaisedAlarm> &alarm);
    void putAlarmAway();
    void createActions();
    void connectTaskCommands();
    void createMenus();
    void createInterchangeCommands(QMenu *file, QMenu *exportMenu);
    void createToolBars();
    void createPanes();
    void loadTaskFiles();
    void applyLayoutValues();
    void writeLayoutValues();
    void FormShow();
    void FormCloseQuery();
    void FormClose();
    // True when the key is to be discarded before the focused control sees it.
    bool FormKeyPress(int key);
    // The calendar part of the window (maincalendars.cpp, mainlayout.cpp).
    void createCalendars();
    // The first showing: cal2 current on today, the other months derived from it.
    void showTodayOnCalendars();
    void connectNavigation();
    void setCalendarLook(MonthCalendar *calendar, bool current, bool raise);
    void selectSearchHit();
    void stepYear(int years);
    HighlightQuery highlightQuery() const;
    // Keys the window handles before the focused control: true when consumed.
    bool FormKeyDown(int key);
    bool FormKeyUp(int key, Qt::KeyboardModifiers modifiers);
    // True for a key that a menu command of the window takes even from the focused control.
    bool isMenuShortcut(const QKeyEvent &event) const;
    bool hidesSummary(QObject *watched) const;
    // The controls listed for gridDayMouseMove: a move over them hides the hover summary.
    std::array<QWidget *, 6> summaryHiders() const;
    void trackMouseForSummary();
    void pointAtSplitter(QSplitter *splitter);

    // Declared after gridHoliday, which it watches.
    HolidayLookup m_holidays{gridHoliday};
    QLabel *m_statusText;
    bool m_shown = false;
    bool m_closed = false;
    // What the notes memo was given: the day and row of its task, the task's What and the memo's text.
    struct MemoShown {
        int day = 0;
        int row = 0;
        QString what;
        QString text;
    } m_memoShown;
};

} // namespace corvane
