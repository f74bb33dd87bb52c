// The main window's side of the alarms and the tray: the alarm panel, the alarm toggle, hiding and showing.
#include "app/main.h"

#include "alarms/alarmcheck.h"
#include "alarms/alarmpanel.h"
#include "alarms/timerpool.h"
#include "app/tray.h"
#include "settings/options.h"
#include "store/daynumber.h"
#include "store/programfolder.h"
#include "widgets/prompter.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QSpinBox>

namespace corvane {

namespace {

// The options window plays the sound; a main window without one (made alone) stays silent.
void playAlarmSound(TfrmOptions *options, bool on) {
    if (options)
        options->playAlarmSound(on);
}

} // namespace

void TfrmMain::createAlarmsAndTray() {
    pnlAlarm = new AlarmPanel(this);
    connect(pnlAlarm, &AlarmPanel::clicked, this, &TfrmMain::pnlAlarmClick);
    connect(pnlAlarm, &AlarmPanel::snoozeRequested, this, &TfrmMain::pnlAlarmSnooze);

    tray = new TrayController(this);
    connect(tray, &TrayController::clicked, this, &TfrmMain::TrayIconClick);
    connect(tray, &TrayController::doubleClicked, this, &TfrmMain::Showcalendar1Click);
    connect(tray->showCalendarAction(), &QAction::triggered, this, &TfrmMain::Showcalendar1Click);
    connect(tray->closeAction(), &QAction::triggered, this, &TfrmMain::Exit2Click);
    connect(tray, &TrayController::putAway, this, &TfrmMain::TrayIconAppMinimize);

    const std::pair<QAction *, void (TfrmMain::*)()> commands[] = {
        {ToolButton15, &TfrmMain::ToolButton15Click},
        {ToolButton14, &TfrmMain::ToolButton14Click},
        {Hide1, &TfrmMain::Hide1Click}};
    for (const auto &[action, handler] : commands) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
    }
}

AlarmOptions TfrmMain::alarmOptions() const {
    return AlarmOptions{frmOptions->cbAlarm->isChecked(), frmOptions->edMin->value()};
}

// Every tick is a check, also while an alarm shows, so only real gaps count as missed time.
void TfrmMain::Timer1Timer() {
    if (!frmOptions)
        return;
    raiseAlarm(alarmMonitor.check(gridStore, alarmOptions(), rowFilter, alarmShowing));
}

void TfrmMain::catchUpAlarms() {
    if (frmOptions && !alarmShowing)
        raiseAlarm(alarmMonitor.start(gridStore, alarmOptions(), rowFilter));
}

void TfrmMain::raiseAlarm(const std::optional<RaisedAlarm> &alarm) {
    if (!alarm)
        return;
    alarmShowing = true;
    tray->showForAlarm(alarm->caption);
    timerPool->setEnabled(flashTrigger, true);
    playAlarmSound(frmOptions, true);
    pnlAlarm->showAlarm(alarm->caption);
    QCoreApplication::processEvents();
    raise();
    activateWindow();
}

void TfrmMain::putAlarmAway() {
    timerPool->setEnabled(flashTrigger, false);
    pnlAlarm->hide();
    playAlarmSound(frmOptions, false);
    alarmShowing = false;
}

// Waiting alarms come up one after another.
void TfrmMain::pnlAlarmClick() {
    putAlarmAway();
    QString error;
    if (!alarmMonitor.clearShown(&error))
        prompter().error(error);
    if (frmOptions)
        raiseAlarm(alarmMonitor.nextDue(gridStore, alarmOptions()));
}

void TfrmMain::pnlAlarmSnooze(int minutes) {
    putAlarmAway();
    QString error;
    if (!alarmMonitor.snoozeShown(minutes, &error))
        prompter().error(error);
    if (frmOptions)
        raiseAlarm(alarmMonitor.nextDue(gridStore, alarmOptions()));
}

void TfrmMain::tmPanelColorTimer() {
    pnlAlarm->flipColor();
}

void TfrmMain::ToolButton15Click() {
    TaskTable &day = gridDay->table();
    const int row = gridDay->row();
    if (day.cell(0, row).isEmpty())
        return;
    day.setCell(4, row, toggledAlarm(day.cell(4, row)));
    writeToStore(dayNumber(selectedDate().date()));
}

void TfrmMain::TrayIconClick() {
    tray->showApplication();
}

void TfrmMain::Showcalendar1Click() {
    tray->showApplication();
}

void TfrmMain::TrayIconAppMinimize() {
    saveTableReporting(gridStore, besideProgram(QStringLiteral("grid.grd")));
    saveTableReporting(gridNonday->table(), besideProgram(QStringLiteral("gridNon.grd")));
}

void TfrmMain::ToolButton14Click() {
    Hidecalendar1Click();
}

void TfrmMain::Hidecalendar1Click() {
    tray->hideApplication();
}

void TfrmMain::Hide1Click() {
    playAlarmSound(frmOptions, false);
    Hidecalendar1Click();
}

void TfrmMain::Exit2Click() {
    alarmShowing = true;
    playAlarmSound(frmOptions, false);
    SortGridStore();
    saveTableReporting(gridNonday->table(), besideProgram(QStringLiteral("gridNon.grd")));
    writeLayoutValues();
    QCoreApplication::exit(0);
}

} // namespace corvane
