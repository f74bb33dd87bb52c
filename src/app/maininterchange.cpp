// The main window's side of iCalendar: exporting the tasks and importing another calendar's file.
#include "app/main.h"

#include "app/program.h"

#include "interchange/icalimport.h"
#include "interchange/icalreader.h"
#include "interchange/icalwriter.h"
#include "interchange/importplan.h"
#include "output/print.h"
#include "output/printselection.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "store/programfolder.h"
#include "widgets/modal.h"
#include "widgets/prompter.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QProgressDialog>

#include <memory>

namespace corvane {

namespace {

const QString icsFilter = QStringLiteral("iCalendar files (*.ics);;All files (*)");

// Big files show their progress; small ones are done before a bar could be seen.
constexpr qint64 progressFromBytes = 4'000'000;
constexpr int progressFromTasks = 20'000;

// A bar that runs busy until the first step says how far the work is.
std::unique_ptr<QProgressDialog> progressBar(QWidget *parent, const QString &text) {
    auto bar = std::make_unique<QProgressDialog>(text, QString(), 0, 0, parent);
    bar->setWindowTitle(QStringLiteral("Import iCalendar"));
    bar->setWindowModality(Qt::WindowModal);
    bar->setCancelButton(nullptr);
    bar->setMinimumDuration(0);
    bar->setValue(0);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return bar;
}

void step(QProgressDialog *bar, int done, int total) {
    if (!bar || total <= 0)
        return;
    bar->setMaximum(100);
    bar->setValue(int(qint64(done) * 100 / total));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

void TfrmMain::createInterchangeCommands(QMenu *file, QMenu *exportMenu) {
    ICalendarFormat1 = new QAction(QStringLiteral("iCalendar Format…"), this);
    ICalendarFormat1->setObjectName(QStringLiteral("ICalendarFormat1"));
    exportMenu->addAction(ICalendarFormat1);
    connect(ICalendarFormat1, &QAction::triggered, this, &TfrmMain::ICalendarFormat1Click);
    ImportICalendar1 = new QAction(QStringLiteral("Import iCalendar…"), this);
    ImportICalendar1->setObjectName(QStringLiteral("ImportICalendar1"));
    file->addAction(ImportICalendar1);
    connect(ImportICalendar1, &QAction::triggered, this, &TfrmMain::ImportICalendar1Click);
}

// Through the print selection's current choices, as the other exports of all date tasks; the non-date
// tasks go along while its "non-date" choice is on.
IcalSelection TfrmMain::icalSelection() const {
    IcalSelection ical;
    const TfrmPrint *print = forms().frmPrint;
    if (!print)
        return ical;
    const PrintSelection choices = print->selection();
    ical.dateTask = [this, choices](int row, int day) {
        return okToPrintDateTask(choices, gridStore, row, dateOfDay(day));
    };
    ical.nonDateTasks = choices.nonDate;
    ical.nonDateTask = [this, choices](int row) {
        return okToPrintNonDateTask(choices, gridNonday->table(), row);
    };
    return ical;
}

void TfrmMain::ICalendarFormat1Click() {
    const QString fileName = prompter().saveFileName(QStringLiteral("Save as an iCalendar file"), icsFilter,
                                                     icalFileName, QStringLiteral("ics"));
    if (fileName.isEmpty())
        return;
    icalFileName = fileName;
    QString error;
    if (!saveICalendar(writeICalendar(gridStore, gridNonday->table(), icalSelection(), now()), fileName,
                       &error))
        prompter().error(error);
}

void TfrmMain::ImportICalendar1Click() {
    const QString fileName =
        prompter().openFileName(QStringLiteral("Import iCalendar"), icsFilter, QString());
    if (fileName.isEmpty())
        return;

    std::unique_ptr<QProgressDialog> bar;
    if (QFileInfo(fileName).size() >= progressFromBytes)
        bar = progressBar(this, QStringLiteral("Reading ") + QFileInfo(fileName).fileName());
    IcalReading read;
    QString error;
    const bool ok =
        readICalendarFile(fileName, read, &error, [&](int done, int total) { step(bar.get(), done, total); });
    bar.reset();
    if (!ok) {
        prompter().error(error);
        return;
    }
    const ImportPlan plan = planImport(read, gridStore, gridNonday->table());
    TfrmIcalImport summary(fileName, plan, this);
    if (runModal(summary) != QDialog::Accepted || plan.toAdd.isEmpty())
        return;

    if (plan.toAdd.size() >= progressFromTasks)
        bar = progressBar(this, QStringLiteral("Adding the tasks"));
    addImported(plan, gridStore, gridNonday->table(),
                [&](int done, int total) { step(bar.get(), done, total); });
    SortGridStore();
    if (plan.datedCount() < plan.toAdd.size())
        saveTableReporting(gridNonday->table(), besideProgram(QStringLiteral("gridNon.grd")));
    bar.reset();

    readFromStore(dayNumber(selectedDate().date()));
    ColorAllCalendars(true);
    ResizeGridDay();
    ResizeGridNonDay();
    UpdateLabels(currentCalendar);
}

} // namespace corvane
