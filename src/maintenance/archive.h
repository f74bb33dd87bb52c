#pragma once

#include "store/tasktable.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace corvane {

// The three files of an archive set: the chosen name for the date-oriented tasks, and beside it the same
// name with ".AR2" for the non-date tasks and ".AR3" for the completed tasks.
struct ArchiveSet {
    QString tasks, nondate, completed;
    QStringList files() const { return {tasks, nondate, completed}; }
};

// The name with the extension of its last path component replaced, or appended when it has none.
QString withExtension(const QString &fileName, const QString &extension);
ArchiveSet archiveSet(const QString &chosenName);
// "Archive stored in the files - <tasks>, <nondate> and <completed>".
QString archiveStoredMessage(const ArchiveSet &set);

// The three tables of a restore, loaded and not yet in place.
struct ArchiveTables {
    ArchiveTables();
    TaskTable store, nonday, completed;
};
// Loads all three files of the set. False when any failed; `failures` then holds one line per failed file.
[[nodiscard]] bool loadArchive(const ArchiveSet &set, ArchiveTables &tables, QStringList *failures);

// What a clear removes: date-oriented tasks the date test passes (asked with the store row and its day
// number) and non-date tasks the non-date test passes (asked with the list row).
struct ClearSelection {
    bool dateTasks = false;
    bool nonDateTasks = false;
    std::function<bool(int row, int day)> okDateTask;
    std::function<bool(int row)> okNonDateTask;
};
// Removes the selected tasks, walking each table upwards; a selected row 1 is emptied instead, so each
// table keeps one data row.
void clearTasks(TaskTable &store, TaskTable &nonday, const ClearSelection &selection);

} // namespace corvane
