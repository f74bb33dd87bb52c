#pragma once

#include "holidays/holidaylookup.h"
#include "store/routines.h"
#include "store/tasktable.h"

#include <QDateTime>
#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QToolBar;

namespace corvane {

class ShadowLabel;
class TaskGrid;
class TimerPool;

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
    QLabel *pnlAlarm;
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
    // 638 pixels at 96 pixels per inch, scaled to the screen.
    int minimumWindowWidth;
    // The calendar whose date is the selected day; none until the calendars exist.
    QWidget *currentCalendar = nullptr;
    QWidget *previousCalendar = nullptr;
    // Copies of three settings, re-read from the store by ReadSettings().
    bool shadows = true;
    QString defaultCategory;
    bool confirmDelete = true;
    // Which store rows the views show; every row until the filter window provides its test.
    RowFilter rowFilter = passAll;

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

public slots:
    void Exit1Click();
    void btFilterClick();
    void About1Click();
    void gridDayEnter();
    void UpdateStatusClock();
    void timerPoolAllTriggers(int handle, int interval);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createActions();
    void connectTaskCommands();
    void createMenus();
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

    // Declared after gridHoliday, which it watches.
    HolidayLookup m_holidays{gridHoliday};
    QLabel *m_statusText;
    bool m_shown = false;
    bool m_closed = false;
};

} // namespace corvane
