#pragma once

#include <QStringList>

class QPlainTextEdit;

namespace corvane {

// The lines a memo shows: each wrapped line of a paragraph counts as a line of its own; an empty last
// line does not count.
QStringList displayedLines(const QPlainTextEdit &memo);

} // namespace corvane
