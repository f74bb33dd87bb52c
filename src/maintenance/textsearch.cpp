#include "maintenance/textsearch.h"

#include <algorithm>

namespace corvane {

namespace {

char16_t upperAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}

// Whether the text contains the word with ASCII letters folded, as the text match folds them, without
// copying the text. An empty word is contained.
bool containsFolded(QStringView text, QStringView word) {
    const qsizetype length = word.size();
    if (length == 0)
        return true;
    const char16_t *t = text.utf16();
    const char16_t *w = word.utf16();
    const char16_t first = upperAscii(w[0]);
    for (qsizetype i = 0; i + length <= text.size(); ++i) {
        if (upperAscii(t[i]) != first)
            continue;
        qsizetype k = 1;
        while (k < length && upperAscii(t[i + k]) == upperAscii(w[k]))
            ++k;
        if (k == length)
            return true;
    }
    return false;
}

} // namespace

bool searchMatches(const QString &what, const SearchRequest &request) {
    // Most tasks fail this quick test; a whole word, too, is found only where the text contains it.
    if (!request.matchCase && !containsFolded(what, request.text))
        return false;
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
