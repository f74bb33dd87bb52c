#pragma once

#include <QStringList>

class QComboBox;
class QDateEdit;
class QPlainTextEdit;
class QTimeEdit;

namespace corvane {

class ShadowLabel;

// Small set-up shared by the editing dialogs.

// Fills the memo with a stored text by the line splitting rule and remembers that text.
void setMemoText(QPlainTextEdit &memo, const QString &text);
// True when the memo holds other text than setMemoText() gave it.
bool memoEdited(const QPlainTextEdit &memo);
// The memo's text to store: the text it was given while unchanged (so opening a task never rewrites
// it), else its displayed lines by the line joining rule.
QString memoText(const QPlainTextEdit &memo);
// The same, but an edited memo is joined at the line breaks typed only, never at its wrap points.
QString typedMemoText(const QPlainTextEdit &memo);
// Stops typing and pasting at `maximum` characters; a longer text given by setMemoText() stays whole.
void limitMemo(QPlainTextEdit &memo, int maximum);
// Puts a stored text into the box's edit; typing stops at `maximum` characters, or at the stored
// text's length when that is longer.
void setLimitedEditText(QComboBox &box, const QString &text, int maximum);

// Date and time edits in the program's short date and short time formats.
void setUpDateEdit(QDateEdit &edit);
void setUpTimeEdit(QTimeEdit &edit);

// A dialog's title follows the main window's day title: its shadow depth and its text colour.
void copyTitleStyle(ShadowLabel &title, const ShadowLabel *from);

} // namespace corvane
