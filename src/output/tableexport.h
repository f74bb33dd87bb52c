#pragma once

#include "store/tasktable.h"

#include <QByteArray>
#include <QString>

namespace corvane {

// The two export formats of a task table: every column, the title row first, then every data row.

// An HTML table, one line per row boundary and per cell, CR LF after each line. Cell texts are escaped and
// their line breaks become "<br>"; an empty cell is "<br>". Starts with a UTF-8 charset line.
QString htmlTable(const TaskTable &table);
// Comma-delimited text, one line per row, CR LF after each. An empty cell is "", a cell holding a comma, a
// double quote or a line break is quoted with its double quotes doubled, any other cell is written as is.
QString commaDelimitedText(const TaskTable &table);

// Writes the table to the file in UTF-8, replacing it. On failure `error` says which file and why.
[[nodiscard]] bool exportHtml(const TaskTable &table, const QString &fileName, QString *error = nullptr);
[[nodiscard]] bool exportCommaDelimited(const TaskTable &table, const QString &fileName,
                                        QString *error = nullptr);

// Escapes the characters HTML gives a meaning: & < > and ".
QString escapeHtml(const QString &text);
// Writes the text as UTF-8, atomically; on failure `error` is "Could not write <file>: <reason>".
[[nodiscard]] bool writeOutputFile(const QString &fileName, const QString &text, QString *error);

} // namespace corvane
