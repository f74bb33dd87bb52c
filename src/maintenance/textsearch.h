#pragma once

#include "store/routines.h"
#include "store/tasktable.h"

#include <QString>

namespace corvane {

// What the find dialog asks for.
struct SearchRequest {
    QString text;
    bool matchCase = false;
    bool wholeWord = false;
    bool down = true;
};

// The walk of Find Next through the "What" texts of the store, downwards or upwards, over the rows the
// filter lets through. The cursor is a store row number and survives edits between steps; a step clamps
// it to the store as it is then.
class TextSearch {
public:
    // A search opened afresh starts at the top.
    void restart() { cursor = 0; }
    // One Find Next: the store row of the hit, or -1 when nothing was found in that direction (the
    // cursor then goes back to that direction's start for the next step).
    int step(const TaskTable &store, const RowFilter &filter, const SearchRequest &request);

    int cursor = 0;
    bool forwardExhausted = false;
    bool backwardExhausted = false;
};

// Whether a task text matches the request (the text match of the shared routines).
bool searchMatches(const QString &what, const SearchRequest &request);
// The message of a step that found nothing.
QString searchNotFoundMessage(const SearchRequest &request);

} // namespace corvane
