#include "maintenance/textsearch.h"

#include <algorithm>

namespace corvane {

bool searchMatches(const QString &what, const SearchRequest &request) {
    return textMatch(what, request.wholeWord, request.matchCase, request.text);
}

int TextSearch::step(const TaskTable &store, const RowFilter &filter, const SearchRequest &request) {
    const int last = store.rowCount() - 1;
    const auto isHit = [&](int row) {
        return filter(store.cell(StoreDone, row), store.cell(StoreCategory, row)) &&
               searchMatches(store.cell(StoreWhat, row), request);
    };
    if (request.down) {
        if (backwardExhausted)
            cursor = 0;
        backwardExhausted = false;
        // Row 0 holds no task.
        for (cursor = std::max(cursor, 1); cursor <= last; ++cursor) {
            if (isHit(cursor))
                return cursor++;
        }
        cursor = 0;
        forwardExhausted = true;
        return -1;
    }
    if (forwardExhausted)
        cursor = last;
    forwardExhausted = false;
    for (cursor = std::min(cursor, last); cursor > 0; --cursor) {
        if (isHit(cursor))
            return cursor--;
    }
    cursor = last;
    backwardExhausted = true;
    return -1;
}

QString searchNotFoundMessage(const SearchRequest &request) {
    return QStringLiteral("Could not find \"") + request.text + QStringLiteral("\" in any calendar task. ") +
           (request.down ? QStringLiteral("Search reset to first task date")
                         : QStringLiteral("Search reset to last task date"));
}

} // namespace corvane
