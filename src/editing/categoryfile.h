#pragma once

#include <QString>
#include <QStringList>

namespace corvane {

// The category choices file: one choice per line, CR LF after every line, no header.
// A missing or empty file holds no choices.
QStringList readCategoryFile(const QString &fileName);
// Writes the choices atomically; on failure the old file stays whole and `error` names the reason.
bool saveCategoryFile(const QString &fileName, const QStringList &choices, QString *error = nullptr);

// Choices compare ignoring case: "work" and "Work" are the same choice.
int indexOfChoice(const QStringList &choices, const QString &text);
// Sorted alphabetically ignoring case, as the lists show them.
void sortChoices(QStringList &choices);
// Appends the text when it is not empty and not yet a choice; true when it did.
bool addChoice(QStringList &choices, const QString &text);

} // namespace corvane
