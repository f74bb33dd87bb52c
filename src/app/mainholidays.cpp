// The main window's side of the holidays: the command that shows the holiday list and the table the
// calendars read.
#include "app/main.h"

#include "holidays/holiday.h"
#include "holidays/holidayrules.h"
#include "widgets/modal.h"
#include "widgets/prompter.h"

#include <QAction>

namespace corvane {

void TfrmMain::connectHolidays() {
    for (QAction *action : {Holidays1, tbHolidays}) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, &TfrmMain::Holidays1Click);
    }
}

void TfrmMain::Holidays1Click() {
    {
        TfrmHoliday dialog(this);
        runModal(dialog);
    }
    // However the list closed: the close box leaves the file as last saved, and that is what shows.
    loadHolidayTable();
    ColorAllCalendars(true);
    UpdateLabels(currentCalendar);
}

void TfrmMain::loadHolidayTable() {
    QString reason;
    if (!loadHolidays(gridHoliday, holidayFileName(), &reason))
        prompter().error(reason);
    // The lookup forgets its years whatever way the table was replaced.
    m_holidays.invalidate();
}

} // namespace corvane
