#pragma once

#include <QDate>
#include <QString>

namespace corvane {

// The texts of the repeat dialog.

// The dialog's date format: the short date pattern with its year widened to four digits ("yy" becomes
// "yyyy" when there is no "yyyy"), at most 25 characters.
QString dialogDateFormat(const QString &shortDate);
// A preview line: the date in the dialog's format, a tab, the short weekday name, a tab and the
// relative-date text of the date.
QString previewLine(const QDate &date, const QString &dateFormat);
// "Repeating event for " and the first 35 characters of the notes, then "..." (also for short notes).
QString recurCaption(const QString &notes);

} // namespace corvane
