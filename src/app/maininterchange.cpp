// The main window's side of iCalendar: exporting the tasks and importing another calendar's file.
#include "app/main.h"

#include "interchange/icalimport.h"
#include "interchange/icalreader.h"
#include "interchange/icalwriter.h"
#include "interchange/importplan.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "store/programfolder.h"
#include "widgets/modal.h"
#include "widgets/prompter.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QProgressDialog>

#include <memory>

namespace corvane {

namespace {

const QString icsFilter = QStringLiteral("iCalendar files (*.ics);;All files (*)");

// Big files show their progress; small ones are done before a bar could be seen.
constexpr int progressFrom = 20'000;

std::unique_ptr<QProgressDialog> progressBar(QWidget *parent, const QString &text) {
    auto bar = std::make_unique<QProgressDialog>(text, QString(), 0, 100, parent);
    bar->setWindowTitle(QStringLiteral("Import iCalendar"));
    bar->setWindowModality(Qt::WindowModal);
    bar->setCancelButton(nullptr);
    bar->setMinimumDuration(0);
    return bar;
}

void step(QProgressDialog *bar, int done, int total) {
    if (!bar || total <= 0)
        return;
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

// The date tasks to export; the print selection's choices narrow them once that dialog offers them.
IcalSelection TfrmMain::icalSelection() const {
    return IcalSelection();
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
    const auto reading = [&](int done, int total) {
        if (!bar && total >= progressFrom)
            bar = progressBar(this, QStringLiteral("Reading ") + fileName);
        step(bar.get(), done, total);
    };
    IcalReading read;
    QString error;
    const bool ok = readICalendarFile(fileName, read, &error, reading);
    bar.reset();
    if (!ok) {
        prompter().error(error);
        return;
    }
    const ImportPlan plan = planImport(read, gridStore, gridNonday->table());
    TfrmIcalImport summary(fileName, plan, this);
    if (runModal(summary) != QDialog::Accepted || plan.toAdd.isEmpty())
        return;

    if (plan.toAdd.size() >= progressFrom)
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
