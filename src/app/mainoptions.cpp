// The main window's side of the options: the command that shows them and what their changes do here.
#include "app/main.h"

#include "settings/options.h"
#include "widgets/modal.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QPlainTextEdit>

namespace corvane {

void TfrmMain::connectOptions(TfrmOptions *options) {
    frmOptions = options;
    connect(options, &TfrmOptions::shadowPreview, this, &TfrmMain::ApplySettings);
    connect(options, &TfrmOptions::strikeOutChanged, this, &TfrmMain::optionsStrikeOutChanged);
    connect(options, &TfrmOptions::calendarsChanged, this, [this] { ColorAllCalendars(true); });
    connect(options, &TfrmOptions::calendarFontChanged, this, &TfrmMain::applyCalendarFont);
    connect(options, &TfrmOptions::gridFontChanged, this, &TfrmMain::applyGridFont);
    for (QAction *action : {Options2, tbOptions}) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, &TfrmMain::Options2Click);
    }
}

void TfrmMain::Options2Click() {
    runModal(*frmOptions);
    ReadSettings();
}

void TfrmMain::optionsStrikeOutChanged() {
    ColorAllCalendars(true);
    cal1DateChange();
}

void TfrmMain::applyGridFont(const QFont &font, int rowHeight) {
    for (TaskGrid *list : {gridDay, gridNonday}) {
        list->setFont(font);
        list->setRowHeight(rowHeight);
    }
    memWhat->setFont(font);
    ResizeGridDay();
    ResizeGridNonDay();
}

} // namespace corvane
