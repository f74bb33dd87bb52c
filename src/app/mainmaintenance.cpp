// TfrmMain: the text search, and archiving and restoring the task tables.
#include "app/main.h"

#include "app/program.h"
#include "editing/complete.h"
#include "editing/completedhistory.h"
#include "maintenance/archive.h"
#include "maintenance/find.h"
#include "store/daynumber.h"
#include "store/programfolder.h"
#include "widgets/prompter.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QFile>
#include <QSplitter>
#include <QSplitterHandle>

namespace corvane {

namespace {

const QString archiveFilter = QStringLiteral("Archive Backup (*.arb);;All Files (*)");

} // namespace

void TfrmMain::connectMaintenance() {
    const std::pair<QAction *, void (TfrmMain::*)()> commands[] = {
        {Search1, &TfrmMain::Search1Click},   {tbSearch, &TfrmMain::Search1Click},
        {Archive1, &TfrmMain::Archive1Click}, {tbArchive, &TfrmMain::Archive1Click},
        {Restore1, &TfrmMain::Restore1Click},
    };
    for (const auto &[action, handler] : commands) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
    }
}

// --- Text search ------------------------------------------------------------------------------------------

void TfrmMain::Search1Click() {
    inDateChange = false;
    inMonthChange = false;
    textSearch.restart();
    if (!FindDialog1) {
        FindDialog1 = new TfrmFind(this);
        connect(FindDialog1, &TfrmFind::shown, this, &TfrmMain::FindDialog1Show);
        connect(FindDialog1, &TfrmFind::closed, this, &TfrmMain::FindDialog1Close);
        connect(FindDialog1, &TfrmFind::findNext, this, &TfrmMain::FindDialog1Find);
    }
    FindDialog1->show();
    FindDialog1->raise();
    FindDialog1->activateWindow();
}

// Over the non-date list, where it hides neither the calendars nor the day list.
void TfrmMain::FindDialog1Show() {
    const int left = split1->handle(1)->mapToGlobal(QPoint(0, 0)).x();
    const int top = split2->handle(1)->mapToGlobal(QPoint(0, 0)).y();
    FindDialog1->move(left, top);
    searchHitRow = -1;
}

void TfrmMain::FindDialog1Close() {
    searchHitRow = -1;
}

void TfrmMain::FindDialog1Find() {
    const SearchRequest request = FindDialog1->request();
    const int hit = textSearch.step(gridStore, rowFilter, request);
    if (hit < 0) {
        prompter().warning(searchNotFoundMessage(request));
        return;
    }
    searchHitRow = hit;
    searchHitFromBottom = !request.down;
    const QDate day = dateOfDay(dayOfKey(gridStore.cell(StoreKey, hit)));
    if (day == selectedDate().date())
        selectSearchHit();
    if (currentCalendar)
        currentCalendar->setDate(day);
}

// --- Archive and restore
// -------------------------------------------------------------------------------------

void TfrmMain::Archive1Click() {
    const QString chosen = prompter().saveFileName(QStringLiteral("Save Archive"), archiveFilter, archiveName,
                                                   QStringLiteral("arb"));
    if (chosen.isEmpty())
        return;
    archiveName = chosen;
    const ArchiveSet set = archiveSet(chosen);
    bool written = saveTableReporting(gridStore, set.tasks);
    written = saveTableReporting(gridNonday->table(), set.nondate) && written;
    if (TfrmComplete *complete = forms().frmComplete)
        written = saveTableReporting(complete->history(), set.completed) && written;
    if (written)
        prompter().information(archiveStoredMessage(set));
}

void TfrmMain::Restore1Click() {
    if (!prompter().confirm(QStringLiteral("Really restore ENTIRE system?  This will overwrite any current "
                                           "information. Note you may want to make an archive first!")))
        return;
    const QString chosen =
        prompter().openFileName(QStringLiteral("Restore Archive"), archiveFilter, archiveName);
    if (chosen.isEmpty())
        return;
    archiveName = chosen;
    const ArchiveSet set = archiveSet(chosen);
    for (const QString &file : set.files()) {
        if (!QFile::exists(file)) {
            prompter().error(QStringLiteral("Could not restore ... there seems to be a missing file. Looking "
                                            "for ARB, AR2 and AR3 file extensions"));
            return;
        }
    }
    // Nothing changes unless all three load.
    ArchiveTables tables;
    QStringList failures;
    if (!loadArchive(set, tables, &failures)) {
        for (const QString &failure : failures)
            prompter().error(QStringLiteral("Could not load up the archive ... must be corrupt\n") + failure);
        return;
    }
    gridStore.takeContents(std::move(tables.store));
    gridNonday->table().takeContents(std::move(tables.nonday));
    SortGridStore();
    saveTableReporting(gridNonday->table(), besideProgram(QStringLiteral("gridNon.grd")));
    if (TfrmComplete *complete = forms().frmComplete) {
        complete->history().takeContents(std::move(tables.completed));
        saveTableReporting(complete->history(), completedFileName());
        complete->ResizeGrid();
    }
    refreshFromTables();
}

void TfrmMain::refreshFromTables() {
    readFromStore(dayNumber(selectedDate().date()));
    ResizeGridDay();
    ResizeGridNonDay();
    ColorAllCalendars(true);
    UpdateLabels(currentCalendar);
}

} // namespace corvane
