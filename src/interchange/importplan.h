#pragma once

#include "interchange/icalreader.h"
#include "store/tasktable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace corvane {

// What an import would do: the tasks to add, and what it leaves out.
struct ImportPlan {
    QList<IcalTask> toAdd;
    // Tasks equal to one already stored or to an earlier one of the file: same day, time, category and
    // text (times compared as times of day); for non-date tasks the same category and text.
    int duplicates = 0;
    QStringList notUnderstood;
    int cutRepeats = 0;
    bool tooMany = false;

    int datedCount() const;
};

ImportPlan planImport(const IcalReading &reading, const TaskTable &store, const TaskTable &nonday);

// Adds the planned tasks in one go: the date tasks at the top of the store with sequence 100 (the caller
// sorts and saves the store), the non-date tasks into the free rows of the list and after its last row.
// `progress` hears the rows done of all now and then.
void addImported(const ImportPlan &plan, TaskTable &store, TaskTable &nonday,
                 const std::function<void(int done, int total)> &progress = {});

// The summary shown before anything is stored.
QString importSummary(const ImportPlan &plan);

} // namespace corvane
