#pragma once

#include <QStringList>

class QDateEdit;
class QPlainTextEdit;
class QTimeEdit;

namespace corvane {

class ShadowLabel;

// Small set-up shared by the editing dialogs.

// The memo's displayed lines by the line joining rule, and the reverse by the line splitting rule.
QString memoText(const QPlainTextEdit &memo);
void setMemoText(QPlainTextEdit &memo, const QString &text);
// Stops typing at `maximum` characters.
void limitMemo(QPlainTextEdit &memo, int maximum);

// Date and time edits in the program's short date and short time formats.
void setUpDateEdit(QDateEdit &edit);
void setUpTimeEdit(QTimeEdit &edit);

// A dialog's title follows the main window's day title: its shadow depth and its text colour.
void copyTitleStyle(ShadowLabel &title, const ShadowLabel *from);

} // namespace corvane
