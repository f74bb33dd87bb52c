#include "app/main.h"

#include "alarms/timerpool.h"
#include "app/about.h"
#include "app/dayview.h"
#include "app/layoutvalues.h"
#include "app/mainoutput.h"
#include "app/program.h"
#include "app/tray.h"
#include "app/updatereminder.h"
#include "filters/filter.h"
#include "output/printselection.h"
#include "settings/colorvalue.h"
#include "settings/options.h"
#include "settings/settingsstore.h"
#include "settings/shadowstyle.h"
#include "store/clock.h"
#include "store/dateformats.h"
#include "store/daynumber.h"
#include "store/programfolder.h"
#include "widgets/icons.h"
#include "widgets/memolines.h"
#include "widgets/modal.h"
#include "widgets/prompter.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvane {

namespace {

const QColor paleYellow(248, 252, 201);

QAction *menuAction(QObject *owner, const QString &text, const char *name,
                    const QKeySequence &shortcut = QKeySequence()) {
    auto *action = new QAction(text, owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

QAction *toolAction(QObject *owner, const QString &hint, const char *name, const QString &themeName,
                    const QString &ownName) {
    auto *action = new QAction(themedIcon(themeName, ownName), hint, owner);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(hint);
    return action;
}

QToolBar *newToolBar(const char *name, Qt::Orientation orientation, QWidget *parent) {
    auto *bar = new QToolBar(parent);
    bar->setObjectName(QLatin1String(name));
    bar->setOrientation(orientation);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->layout()->setContentsMargins(0, 0, 0, 0);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // Compact buttons, so the column beside the non-date list fits its default height.
    bar->setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; padding: 0px; border: none; }"
                                      "QToolButton { padding: 0px; margin: 0px; }"));
    return bar;
}

ShadowLabel *newTitle(const QString &text, const char *name, QWidget *parent) {
    auto *title = new ShadowLabel(text, parent);
    title->setObjectName(QLatin1String(name));
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    title->setShadowColor(QColor(176, 176, 176));
    return title;
}

// Lays out a list pane: the title along the top, a column of tool buttons along the right; the caller adds
// the pane's contents to the column returned.
QVBoxLayout *newListPane(QWidget *pane, QWidget *title, QToolBar *tools) {
    auto *row = new QHBoxLayout(pane);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto *column = new QVBoxLayout;
    column->setSpacing(0);
    row->addLayout(column, 1);
    row->addWidget(tools);
    column->addWidget(title);
    return column;
}

} // namespace

TfrmMain::TfrmMain(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    minimumWindowWidth = corvane::minimumWindowWidth(logicalDpiX());
    setMinimumWidth(minimumClientWidth(logicalDpiX()));
    setUpStoreTable(gridStore);
    setUpPrintTable(gridPrint);
    gridHoliday.setColumnCount(4);

    createActions();
    createMenus();
    createPanes();
    createCalendars();
    connectNavigation();
    createToolBars();
    connectTaskCommands();
    connectMaintenance();
    connectDragDrop();
    connectHolidays();
    output = new MainOutput(*this);
    trackMouseForSummary();
    applyLayoutValues();
    loadTaskFiles();
    setWindowTitle(QStringLiteral("Corvane"));
    setWindowIcon(appIcon());
    createAlarmsAndTray();
    gridDay->setSelectionActive(false);
    gridNonday->setSelectionActive(false);

    timerPool = new TimerPool(this);
    alarmTrigger = timerPool->add(50000);
    flashTrigger = timerPool->add(1000);
    layoutTrigger = timerPool->add(40);
    hoverTrigger = timerPool->add(100);
    clockTrigger = timerPool->add(1000);
    connect(timerPool, &TimerPool::allTriggers, this, &TfrmMain::timerPoolAllTriggers);

    // The window sees every key before the focused control.
    qApp->installEventFilter(this);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::createActions() {
    tbToday = toolAction(this, QStringLiteral("Goto today"), "tbToday", QStringLiteral("go-jump-today"),
                         QStringLiteral("today"));
    tbSearch = toolAction(this, QStringLiteral("Find text in date oriented task"), "tbSearch",
                          QStringLiteral("edit-find"), QStringLiteral("find"));
    // The filter button's two pictures tell whether the filter is on, so they are always our own.
    btFilter =
        toolAction(this, QStringLiteral("Filter tasks"), "btFilter", QString(), QStringLiteral("filter"));
    tbPrint = toolAction(this, QStringLiteral("Print"), "tbPrint", QStringLiteral("document-print"),
                         QStringLiteral("print"));
    tbPublish = toolAction(this, QStringLiteral("Publish calendar as web page"), "tbPublish",
                           QStringLiteral("applications-internet"), QStringLiteral("web"));
    tbArchive = toolAction(this, QStringLiteral("Archive"), "tbArchive", QStringLiteral("package-x-generic"),
                           QStringLiteral("archive"));
    tbCompleted = toolAction(this, QStringLiteral("View Completed Tasks"), "tbCompleted",
                             QStringLiteral("view-list-details"), QStringLiteral("completed"));
    tbOptions = toolAction(this, QStringLiteral("Options"), "tbOptions", QStringLiteral("preferences-system"),
                           QStringLiteral("options"));
    tbHolidays = toolAction(this, QStringLiteral("Holidays"), "tbHolidays",
                            QStringLiteral("x-office-calendar"), QStringLiteral("holidays"));
    tbHelp = toolAction(this, QStringLiteral("Help"), "tbHelp", QStringLiteral("help-contents"),
                        QStringLiteral("help"));
    tbAbout = toolAction(this, QStringLiteral("About Corvane"), "tbAbout", QStringLiteral("help-about"),
                         QStringLiteral("about"));
    ToolButton14 = toolAction(this, QStringLiteral("Hide calendar"), "ToolButton14",
                              QStringLiteral("go-down"), QStringLiteral("hide"));

    const auto add = [this](const char *name) {
        return toolAction(this, QStringLiteral("Add new"), name, QStringLiteral("list-add"),
                          QStringLiteral("add"));
    };
    const auto edit = [this](const char *name) {
        return toolAction(this, QStringLiteral("Edit task"), name, QStringLiteral("document-properties"),
                          QStringLiteral("edit"));
    };
    const auto del = [this](const char *name) {
        return toolAction(this, QStringLiteral("Delete"), name, QStringLiteral("edit-delete"),
                          QStringLiteral("delete"));
    };
    const auto print = [this](const QString &hint, const char *name) {
        return toolAction(this, hint, name, QStringLiteral("document-print"), QStringLiteral("print"));
    };
    const auto done = [this](const char *name) {
        return toolAction(this, QStringLiteral("Mark as completed"), name, QStringLiteral("object-select"),
                          QStringLiteral("done"));
    };
    tbAdd1 = add("tbAdd1");
    tbEdit1 = edit("tbEdit1");
    tbDel1 = del("tbDel1");
    tbPrint1 = print(QStringLiteral("Print date tasks"), "tbPrint1");
    tbDone1 = done("tbDone1");
    ToolButton15 = toolAction(this, QStringLiteral("Toggle alarm (yes/no)"), "ToolButton15",
                              QStringLiteral("appointment-soon"), QStringLiteral("alarm"));
    tbAdd2 = add("tbAdd2");
    tbEdit2 = edit("tbEdit2");
    tbDel2 = del("tbDel2");
    tbPrint2 = print(QStringLiteral("Print tasks"), "tbPrint2");
    tbDone2 = done("tbDone2");

    Print1 = menuAction(this, QStringLiteral("Print"), "Print1");
    Search1 = menuAction(this, QStringLiteral("Find"), "Search1", QKeySequence(QStringLiteral("Ctrl+F")));
    HTMLFormat3 = menuAction(this, QStringLiteral("HTML Format"), "HTMLFormat3");
    CommaDelimitedFormat1 =
        menuAction(this, QStringLiteral("Comma-Delimited Format"), "CommaDelimitedFormat1");
    HTMLFormat4 = menuAction(this, QStringLiteral("HTML Format"), "HTMLFormat4");
    CommaDelimitedFormat2 =
        menuAction(this, QStringLiteral("Comma Delimited Format"), "CommaDelimitedFormat2");
    PublishCalendarasWebPage1 =
        menuAction(this, QStringLiteral("Publish Calendar as Web Page"), "PublishCalendarasWebPage1");
    Holidays1 =
        menuAction(this, QStringLiteral("Holidays"), "Holidays1", QKeySequence(QStringLiteral("Ctrl+H")));
    Options2 =
        menuAction(this, QStringLiteral("Options"), "Options2", QKeySequence(QStringLiteral("Ctrl+O")));
    CompletedTasks1 = menuAction(this, QStringLiteral("View Completed Tasks"), "CompletedTasks1");
    Archive1 = menuAction(this, QStringLiteral("Archive current data"), "Archive1");
    Restore1 = menuAction(this, QStringLiteral("Restore old data"), "Restore1");
    ClearAll1 = menuAction(this, QStringLiteral("Clear all data"), "ClearAll1");
    Hide1 = menuAction(this, QStringLiteral("Hide"), "Hide1", QKeySequence(QStringLiteral("Alt+H")));
    Exit1 = menuAction(this, QStringLiteral("Exit"), "Exit1", QKeySequence(QStringLiteral("Alt+X")));

    NextTask1 = menuAction(this, QStringLiteral("Next Highlighted Task"), "NextTask1",
                           QKeySequence(QStringLiteral("Ctrl+N")));
    PriorTask1 = menuAction(this, QStringLiteral("Prior Highlighted Task"), "PriorTask1",
                            QKeySequence(QStringLiteral("Ctrl+P")));
    NextMonth1 = menuAction(this, QStringLiteral("Next Month"), "NextMonth1", QKeySequence(Qt::Key_PageDown));
    PriorMonth1 =
        menuAction(this, QStringLiteral("Prior Month"), "PriorMonth1", QKeySequence(Qt::Key_PageUp));
    NextYear1 = menuAction(this, QStringLiteral("Next Year"), "NextYear1",
                           QKeySequence(Qt::ControlModifier | Qt::Key_PageDown));
    PriorYear1 = menuAction(this, QStringLiteral("Prior Year"), "PriorYear1",
                            QKeySequence(Qt::ControlModifier | Qt::Key_PageUp));
    Today1 =
        menuAction(this, QStringLiteral("Today"), "Today1", QKeySequence(Qt::ControlModifier | Qt::Key_Home));

    Filters1 = menuAction(this, QStringLiteral("Filters"), "Filters1");
    N4monthCalendars1 = menuAction(this, QStringLiteral("4-month Calendars Width"), "N4monthCalendars1");
    DaytoNonDayEvents1 = menuAction(this, QStringLiteral("Day to Non-Day Events"), "DaytoNonDayEvents1");
    DailyEventsNotes1 = menuAction(this, QStringLiteral("Daily Events/Notes"), "DailyEventsNotes1");
    Help2 = menuAction(this, QStringLiteral("Help"), "Help2", QKeySequence(Qt::Key_F1));
    About1 = menuAction(this, QStringLiteral("About"), "About1");
    HalveringHomePage1 = menuAction(this, QStringLiteral("Halvering Home Page"), "HalveringHomePage1");

    Add1 = menuAction(this, QStringLiteral("Add"), "Add1");
    Edit2 = menuAction(this, QStringLiteral("Edit"), "Edit2");
    Del1 = menuAction(this, QStringLiteral("Delete"), "Del1");
    Print3 = menuAction(this, QStringLiteral("Print"), "Print3");
    HTMLFormat1 = menuAction(this, QStringLiteral("HTML Format"), "HTMLFormat1");
    CSVFormat1 = menuAction(this, QStringLiteral("CSV Format"), "CSVFormat1");
    Markascompleted2 = menuAction(this, QStringLiteral("Mark as completed"), "Markascompleted2");
    MenuItem1 = menuAction(this, QStringLiteral("Add"), "MenuItem1");
    MenuItem2 = menuAction(this, QStringLiteral("Edit"), "MenuItem2");
    MenuItem3 = menuAction(this, QStringLiteral("Delete"), "MenuItem3");
    Print4 = menuAction(this, QStringLiteral("Print"), "Print4");
    HTMLFormat2 = menuAction(this, QStringLiteral("HTML Format"), "HTMLFormat2");
    CSVFormat2 = menuAction(this, QStringLiteral("CSV Format"), "CSVFormat2");
    Markascompleted1 = menuAction(this, QStringLiteral("Mark as completed"), "Markascompleted1");

    // Commands are enabled as their code arrives; the rest stay visible but greyed.
    for (QAction *action : findChildren<QAction *>(Qt::FindDirectChildrenOnly))
        action->setEnabled(false);

    for (QAction *action : {Exit1, About1, tbAbout, btFilter, Filters1})
        action->setEnabled(true);
    connect(Exit1, &QAction::triggered, this, &TfrmMain::Exit1Click);
    connect(btFilter, &QAction::triggered, this, &TfrmMain::btFilterClick);
    connect(Filters1, &QAction::triggered, this, &TfrmMain::btFilterClick);
    connect(About1, &QAction::triggered, this, &TfrmMain::About1Click);
    connect(tbAbout, &QAction::triggered, this, &TfrmMain::About1Click);
}

void TfrmMain::createMenus() {
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(Print1);
    file->addAction(Search1);
    QMenu *exportMenu = file->addMenu(QStringLiteral("Export"));
    QMenu *dated = exportMenu->addMenu(QStringLiteral("All Date Oriented Tasks"));
    dated->addAction(HTMLFormat3);
    dated->addAction(CommaDelimitedFormat1);
    QMenu *undated = exportMenu->addMenu(QStringLiteral("Non Date Oriented Tasks"));
    undated->addAction(HTMLFormat4);
    undated->addAction(CommaDelimitedFormat2);
    createInterchangeCommands(file, exportMenu);
    file->addAction(PublishCalendarasWebPage1);
    file->addSeparator();
    file->addAction(Holidays1);
    file->addAction(Options2);
    file->addAction(CompletedTasks1);
    file->addSeparator();
    file->addAction(Archive1);
    file->addAction(Restore1);
    file->addAction(ClearAll1);
    file->addSeparator();
    file->addAction(Hide1);
    file->addAction(Exit1);

    QMenu *navigate = menuBar()->addMenu(QStringLiteral("Navigate"));
    navigate->addAction(NextTask1);
    navigate->addAction(PriorTask1);
    navigate->addSeparator();
    navigate->addAction(NextMonth1);
    navigate->addAction(PriorMonth1);
    navigate->addSeparator();
    navigate->addAction(NextYear1);
    navigate->addAction(PriorYear1);
    navigate->addSeparator();
    navigate->addAction(Today1);

    menuBar()->addAction(Filters1);

    QMenu *resize = menuBar()->addMenu(QStringLiteral("Resize"));
    resize->addAction(N4monthCalendars1);
    resize->addAction(DaytoNonDayEvents1);
    resize->addAction(DailyEventsNotes1);

    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    help->addAction(Help2);
    help->addAction(About1);
    help->addAction(HalveringHomePage1);

    const auto popup = [this](const char *name, std::initializer_list<QAction *> commands, QAction *print,
                              QAction *html, QAction *csv, QAction *complete) {
        auto *menu = new QMenu(this);
        menu->setObjectName(QLatin1String(name));
        menu->addActions(QList<QAction *>(commands));
        menu->addSeparator();
        menu->addAction(print);
        QMenu *exportMenu = menu->addMenu(QStringLiteral("Export"));
        exportMenu->addAction(html);
        exportMenu->addAction(csv);
        menu->addAction(complete);
        return menu;
    };
    PopupMenu1 = popup("PopupMenu1", {Add1, Edit2, Del1}, Print3, HTMLFormat1, CSVFormat1, Markascompleted2);
    PopupMenu2 = popup("PopupMenu2", {MenuItem1, MenuItem2, MenuItem3}, Print4, HTMLFormat2, CSVFormat2,
                       Markascompleted1);
}

void TfrmMain::createToolBars() {
    ToolBar1->addActions({tbToday, tbSearch, btFilter});
    ToolBar1->addSeparator();
    ToolBar1->addActions({tbPrint, tbPublish, tbArchive});
    ToolBar1->addSeparator();
    ToolBar1->addActions({tbCompleted, tbOptions, tbHolidays});
    ToolBar1->addSeparator();
    ToolBar1->addActions({tbHelp, tbAbout, ToolButton14});

    ToolBar2->addActions({tbAdd1, tbEdit1, tbDel1, tbPrint1, tbDone1, ToolButton15});
    ToolBar3->addActions({tbAdd2, tbEdit2, tbDel2, tbPrint2, tbDone2});
    for (QToolBar *bar : {ToolBar1, ToolBar2, ToolBar3})
        for (QToolButton *button : bar->findChildren<QToolButton *>())
            button->setFixedSize(18, 18);
    // The columns beside the lists never shrink below all their buttons, so none hides behind an
    // overflow arrow whatever the dividers' positions.
    for (QToolBar *bar : {ToolBar2, ToolBar3})
        bar->setMinimumHeight(bar->sizeHint().height());
}

void TfrmMain::createPanes() {
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);

    pnlTop = new QWidget(central);
    pnlTop->setObjectName(QStringLiteral("pnlTop"));
    pnlTop->setFixedHeight(25);
    auto *topRow = new QHBoxLayout(pnlTop);
    topRow->setContentsMargins(0, 0, 0, 0);
    ToolBar1 = newToolBar("ToolBar1", Qt::Horizontal, pnlTop);
    topRow->addWidget(ToolBar1);
    column->addWidget(pnlTop);

    split2 = new QSplitter(Qt::Vertical, central);
    split2->setObjectName(QStringLiteral("split2"));
    split2->setHandleWidth(2);
    split2->setChildrenCollapsible(false);
    column->addWidget(split2, 1);

    split1 = new QSplitter(Qt::Horizontal, split2);
    split1->setObjectName(QStringLiteral("split1"));
    split1->setHandleWidth(2);
    split1->setChildrenCollapsible(false);

    pnlCalendars = new QWidget(split1);
    pnlCalendars->setObjectName(QStringLiteral("pnlCalendars"));

    auto *pnlDay = new QWidget(split1);
    lblDate = newTitle(QStringLiteral("Tasks for "), "lblDate", pnlDay);
    ToolBar2 = newToolBar("ToolBar2", Qt::Vertical, pnlDay);
    QVBoxLayout *dayColumn = newListPane(pnlDay, lblDate, ToolBar2);
    splitDay = new QSplitter(Qt::Vertical, pnlDay);
    splitDay->setObjectName(QStringLiteral("splitDay"));
    splitDay->setChildrenCollapsible(false);
    dayColumn->addWidget(splitDay, 1);

    gridDay = new TaskGrid(splitDay);
    gridDay->setObjectName(QStringLiteral("gridDay"));
    setUpDayTable(gridDay->table());
    gridDay->applyColumnWidths();
    gridDay->setDoneColumn(DayDone);
    gridDay->setPopupMenu(PopupMenu1);
    // The memo's pane stays when the memo hides, so the day list keeps the height its splitter gives it.
    auto *pnlMemo = new QWidget(splitDay);
    auto *memoColumn = new QVBoxLayout(pnlMemo);
    memoColumn->setContentsMargins(0, 0, 0, 0);
    memWhat = new QPlainTextEdit(pnlMemo);
    memWhat->setObjectName(QStringLiteral("memWhat"));
    memWhat->setFrameShape(QFrame::NoFrame);
    memWhat->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memWhat->setBackgroundVisible(false);
    // A typed TAB would be stored raw and read back as a line break.
    memWhat->setTabChangesFocus(true);
    memWhat->hide();
    memoColumn->addWidget(memWhat);

    auto *pnlNonday = new QWidget(split2);
    EsLabel1 = newTitle(QStringLiteral("Non-Date Oriented Tasks"), "EsLabel1", pnlNonday);
    ToolBar3 = newToolBar("ToolBar3", Qt::Vertical, pnlNonday);
    QVBoxLayout *nondayColumn = newListPane(pnlNonday, EsLabel1, ToolBar3);
    gridNonday = new TaskGrid(pnlNonday);
    gridNonday->setObjectName(QStringLiteral("gridNonday"));
    setUpNondayTable(gridNonday->table());
    gridNonday->applyColumnWidths();
    gridNonday->setDoneColumn(NondayDone);
    gridNonday->setPopupMenu(PopupMenu2);
    nondayColumn->addWidget(gridNonday, 1);

    // The upper panes keep their size when the window grows; the lower and right ones take the rest.
    split2->setStretchFactor(0, 0);
    split2->setStretchFactor(1, 1);
    split1->setStretchFactor(0, 0);
    split1->setStretchFactor(1, 1);
    splitDay->setStretchFactor(0, 0);
    splitDay->setStretchFactor(1, 1);

    m_statusText = new QLabel(this);
    m_statusText->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(m_statusText, 1);
    statusBar()->setSizeGripEnabled(true);

    for (TaskGrid *list : {gridDay, gridNonday})
        connect(list, &TaskGrid::entered, this, &TfrmMain::gridDayEnter);
    connect(gridDay, &TaskGrid::currentRowChanged, this, &TfrmMain::DrawExtraMemo);
    connect(gridDay, &TaskGrid::contentsChanged, this, &TfrmMain::DrawExtraMemo);
}

QSize TfrmMain::clientSize() const {
    return QSize(width(), height() - menuBar()->sizeHint().height());
}

void TfrmMain::setClientSize(const QSize &size) {
    resize(size.width(), size.height() + menuBar()->sizeHint().height());
}

void TfrmMain::applyLayoutValues() {
    LayoutValues layout;
    layout.read(SettingsStore());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        layout.fitInto(screen->availableGeometry().width(), screen->availableGeometry().height(),
                       minimumClientWidth(logicalDpiX()));
    setClientSize(QSize(layout.clientWidth, layout.clientHeight));
    // The panes past the first take the rest once the window has its size.
    split2->setSizes({layout.split2, std::max(1, layout.clientHeight - layout.split2)});
    split1->setSizes({layout.split1, std::max(1, layout.clientWidth - layout.split1)});
    splitDay->setSizes({layout.splitDay, std::max(1, layout.split2 - layout.splitDay)});
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TfrmMain::writeLayoutValues() {
    LayoutValues layout;
    layout.split2 = split2->sizes().value(0);
    layout.clientHeight = clientSize().height();
    layout.clientWidth = clientSize().width();
    layout.split1 = split1->sizes().value(0);
    layout.splitDay = splitDay->sizes().value(0);
    SettingsStore store;
    layout.write(store);
    QString error;
    if (!store.sync(&error))
        prompter().error(error);
}

void TfrmMain::loadTaskFiles() {
    loadTableReporting(gridStore, besideProgram(QStringLiteral("grid.grd")));
    // Stores written by older versions may be in plain text order; the check costs one pass.
    sortStore(gridStore);
    loadTableReporting(gridNonday->table(), besideProgram(QStringLiteral("gridNon.grd")));
}

// --- First showing and closing ----------------------------------------------------------------------

void TfrmMain::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
}

void TfrmMain::FormShow() {
    fix2000();
    loadHolidayTable();
    showTodayOnCalendars();
    readFromStore(dayNumber(selectedDate().date()));
    UpdateLabels(currentCalendar);
    ReadSettings();
    resizeCalendars();
    gridDay->setFocus();
    timerPool->setEnabled(layoutTrigger, true);
    updateFilterIndicator();
    UpdateStatusClock();
}

void TfrmMain::closeEvent(QCloseEvent *event) {
    if (!m_closed) {
        m_closed = true;
        FormCloseQuery();
        FormClose();
    }
    event->accept();
    QCoreApplication::quit(); // windows hidden in the tray do not end the program by themselves
}

void TfrmMain::FormCloseQuery() {
    for (int handle : {alarmTrigger, flashTrigger, layoutTrigger, hoverTrigger, clockTrigger})
        timerPool->setEnabled(handle, false);
}

void TfrmMain::FormClose() {
    memWhatExit();
    alarmShowing = true;
    SortGridStore();
    saveTableReporting(gridNonday->table(), besideProgram(QStringLiteral("gridNon.grd")));
    writeLayoutValues();
    const QString reminder = updateReminder(now());
    if (!reminder.isEmpty())
        prompter().message(reminder);
}

void TfrmMain::Exit1Click() {
    close();
}

void TfrmMain::About1Click() {
    TfrmAbout about(this);
    runModal(about);
}

// The filter applies at once however its window closes, so the views are read again either way: a day
// view left as the old filter showed it would be written back wrongly.
void TfrmMain::btFilterClick() {
    TfrmFilter *filter = forms().frmFilter;
    if (!filter)
        return;
    runModal(*filter);
    ColorAllCalendars(true);
    cal1DateChange();
    updateFilterIndicator();
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event) {
    auto *widget = qobject_cast<QWidget *>(watched);
    const bool ours = widget && widget->window() == this;
    // Typed notes go back before anything else can happen: the memo loses the focus (for any reason), a
    // click elsewhere in the window (tool buttons take no focus), a shortcut runs a command.
    const bool clickBesideMemo = ours && event->type() == QEvent::MouseButtonPress && widget != memWhat &&
                                 !memWhat->isAncestorOf(widget);
    if ((event->type() == QEvent::FocusOut && watched == memWhat) || clickBesideMemo ||
        event->type() == QEvent::Shortcut)
        memWhatExit();
    if (ours && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (FormKeyDown(key->key()) || FormKeyPress(key->key()))
            return true;
    }
    if (ours && event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent *>(event)->isAutoRepeat()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (FormKeyUp(key->key(), key->modifiers()))
            return true;
    }
    // The menu's shortcuts go before the focused control's own use of the key.
    if (ours && event->type() == QEvent::ShortcutOverride && isMenuShortcut(*static_cast<QKeyEvent *>(event)))
        return true;
    const bool mouseMove = event->type() == QEvent::Enter || event->type() == QEvent::MouseMove;
    if (mouseMove && hidesSummary(watched)) {
        pnlPop->hide();
        hover.cancel();
    }
    if (event->type() == QEvent::MouseButtonDblClick && watched == lblDate) {
        Today1Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TfrmMain::FormKeyPress(int key) {
    return key == Qt::Key_Escape;
}

// --- Day view -----------------------------------------------------------------------------------------

void TfrmMain::readFromStore(int dayNumber) {
    memWhatExit();
    m_memoShown.day = dayNumber;
    const bool strike = strikeOutDone();
    gridDay->setStrikeOut(strike);
    gridNonday->setStrikeOut(strike);
    corvane::readFromStore(gridStore, gridDay->table(), dayNumber, rowFilter);
}

void TfrmMain::writeToStore(int dayNumber) {
    corvane::writeToStore(gridStore, gridDay->table(), dayNumber, rowFilter);
    SortGridStore();
}

void TfrmMain::SortGridStore() {
    sortStore(gridStore);
    saveTableReporting(gridStore, besideProgram(QStringLiteral("grid.grd")));
}

void TfrmMain::UpdateLabels(QWidget *calendar) {
    EsLabel1->setText(nondayTitle(gridNonday->table()));
    if (calendar != currentCalendar)
        return;
    const QDateTime date = selectedDate();
    const QString holiday = holidayName(date.date());
    lblDate->setText(dayTitle(gridDay->table(), date, holiday));
    if (!holiday.isEmpty())
        lblDate->setTextColor(QColor(255, 0, 0));
    else
        lblDate->setTextColor(colorFromValue(shadowStyle(shadows).color));
}

void TfrmMain::DrawExtraMemo() {
    // Notes typed for the task shown so far reach it before the memo shows another.
    memWhatExit();
    const TaskTable &day = gridDay->table();
    const int row = gridDay->row();
    // The lines as stored, so the words of separate lines never run together.
    const QString text = splitMemoText(day.cell(DayWhat, row)).join(QLatin1Char('\n'));
    if (memWhat->toPlainText() != text)
        memWhat->setPlainText(text);
    m_memoShown.row = row;
    m_memoShown.what = day.cell(DayWhat, row);
    m_memoShown.text = text;
    memWhat->setVisible(!text.isEmpty());
    QPalette colors = memWhat->palette();
    const bool done = !text.isEmpty() && day.cell(DayDone, row) == QLatin1String("Yes");
    colors.setColor(QPalette::Base, done ? QApplication::palette().color(QPalette::Button) : paleYellow);
    memWhat->setPalette(colors);
}

void TfrmMain::memWhatExit() {
    if (memWhat->toPlainText() == m_memoShown.text)
        return;
    m_memoShown.text = memWhat->toPlainText();
    // Only into the task the notes were typed for: never into another that took its row meanwhile.
    TaskTable &day = gridDay->table();
    if (m_memoShown.row < 1 || day.cell(DayWhat, m_memoShown.row) != m_memoShown.what)
        return;
    day.setCell(DayWhat, m_memoShown.row, joinMemoLines(displayedLines(*memWhat)));
    writeToStore(m_memoShown.day);
}

void TfrmMain::deleteEntry(TaskGrid *list, bool writeBack, const QDateTime &date) {
    removeListRow(list->table(), list->row());
    if (writeBack) {
        writeToStore(dayNumber(date.date()));
        ColorAllCalendars(false);
    }
    ResizeGridDay();
    ResizeGridNonDay();
    UpdateLabels(currentCalendar);
}

void TfrmMain::gridDayEnter() {
    auto *entered = qobject_cast<TaskGrid *>(sender());
    if (!entered)
        return;
    gridDay->setSelectionActive(entered == gridDay);
    gridNonday->setSelectionActive(entered == gridNonday);
}

// --- Hooks ----------------------------------------------------------------------------------------------

QString TfrmMain::holidayName(const QDate &date) const {
    return m_holidays.name(date);
}

bool TfrmMain::filterOn() const {
    return forms().frmFilter && forms().frmFilter->isOn();
}

bool TfrmMain::strikeOutDone() const {
    if (frmOptions)
        return frmOptions->cbStrikeout->isChecked();
    return SettingsStore().readBool(QStringLiteral("Options"), QStringLiteral("StrikeOut"), true);
}

// --- Settings -------------------------------------------------------------------------------------------

void TfrmMain::ReadSettings() {
    const SettingsStore store;
    const QString options = QStringLiteral("Options");
    shadows = store.readBool(options, QStringLiteral("Shadows"), true);
    defaultCategory = store.readText(options, QStringLiteral("Category"), QString());
    confirmDelete = store.readBool(options, QStringLiteral("Confirm"), true);
    ApplySettings(shadows);
    timerPool->setEnabled(hoverTrigger, popupOn());
}

void TfrmMain::ApplySettings(bool shadowsOn) {
    const ShadowStyle style = shadowStyle(shadowsOn);
    for (ShadowLabel *title : {lblDate, EsLabel1}) {
        title->setShadowDepth(style.depth);
        if (title != lblDate || holidayName(selectedDate().date()).isEmpty())
            title->setTextColor(colorFromValue(style.color));
    }
    if (TfrmFilter *filter = forms().frmFilter) {
        filter->lblTitle->setShadowDepth(style.depth);
        filter->lblTitle->setTextColor(colorFromValue(style.color));
    }
    ResizeGridDay();
    ResizeGridNonDay();
    const bool sunday = !frmOptions || frmOptions->rbSun->isChecked();
    for (MonthCalendar *calendar : calendars())
        calendar->setFirstDayOfWeek(sunday ? Qt::Sunday : Qt::Monday);
}

void TfrmMain::updateFilterIndicator() {
    const bool on = filterOn();
    Filters1->setText(on ? QStringLiteral("FILTERS ON") : QStringLiteral("Filters"));
    btFilter->setIcon(themedIcon(QString(), on ? QStringLiteral("filter-on") : QStringLiteral("filter")));
}

QString TfrmMain::statusText() const {
    return m_statusText->text();
}

void TfrmMain::setStatusText(const QString &text) {
    m_statusText->setText(text);
}

void TfrmMain::UpdateStatusClock() {
    setStatusText(QStringLiteral("Today is ") + formatDateTime(QStringLiteral("dddddd tt"), now()));
}

void TfrmMain::timerPoolAllTriggers(int handle, int) {
    if (handle == alarmTrigger)
        Timer1Timer();
    else if (handle == flashTrigger)
        tmPanelColorTimer();
    else if (handle == layoutTrigger)
        Timer2Timer();
    else if (handle == hoverTrigger)
        tmPopupTimer();
    else if (handle == clockTrigger)
        UpdateStatusClock();
}

} // namespace corvane
