#include "maintenance/archive.h"

#include "app/dayview.h"
#include "editing/completedhistory.h"
#include "editing/taskrules.h"
#include "store/daynumber.h"
#include "store/routines.h"

namespace corvane {

QString withExtension(const QString &fileName, const QString &extension) {
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return (dot > slash ? fileName.left(dot) : fileName) + extension;
}

ArchiveSet archiveSet(const QString &chosenName) {
    return {chosenName, withExtension(chosenName, QStringLiteral(".AR2")),
            withExtension(chosenName, QStringLiteral(".AR3"))};
}

QString archiveStoredMessage(const ArchiveSet &set) {
    return QStringLiteral("Archive stored in the files - ") + set.tasks + QStringLiteral(", ") + set.nondate +
           QStringLiteral(" and ") + set.completed;
}

ArchiveTables::ArchiveTables() : completed(emptyCompletedTable()) {
    setUpStoreTable(store);
    setUpNondayTable(nonday);
}

bool loadArchive(const ArchiveSet &set, ArchiveTables &tables, QStringList *failures) {
    const std::pair<TaskTable *, QString> members[] = {
        {&tables.store, set.tasks}, {&tables.nonday, set.nondate}, {&tables.completed, set.completed}};
    QStringList failed;
    for (const auto &[table, fileName] : members) {
        QString reason;
        // Every archive we write has a header, so an empty member is a broken set, not an empty table.
        if (isEmptyFile(fileName))
            failed << QStringLiteral("File contains no data or corrupt file ") + fileName;
        else if (!table->load(fileName, &reason))
            failed << reason;
    }
    if (failures)
        *failures = failed;
    return failed.isEmpty();
}

void clearTasks(TaskTable &store, TaskTable &nonday, const ClearSelection &selection) {
    const auto clearRows = [](TaskTable &table, const std::function<bool(int)> &qualifies) {
        for (int row = table.rowCount() - 1; row >= 1; --row) {
            if (!qualifies(row))
                continue;
            if (row > 1)
                table.removeRows(row, 1);
            else
                table.setRowCells(1, QStringList(table.columnCount(), QString()));
        }
    };
    if (selection.dateTasks) {
        clearRows(store, [&](int row) {
            const QString &key = store.cell(StoreKey, row);
            return !key.isEmpty() && selection.okDateTask(row, dayOfKey(key));
        });
    }
    if (selection.nonDateTasks) {
        clearRows(nonday, [&](int row) {
            return isTaskRow(nonday, TaskList::Nonday, row) && selection.okNonDateTask(row);
        });
    }
}

} // namespace corvane
