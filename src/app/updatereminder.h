#pragma once

#include <QDateTime>
#include <QString>

namespace corvane {

// The maker's home page, shown in the About box and named by the update reminder.
QString homePageAddress();

// The day this program was built.
QDate buildDate();

// The reminder shown when the program closes, once this version is over a year old (a year after
// `built`); empty before that.
QString updateReminder(const QDateTime &moment, const QDate &built = buildDate());

} // namespace corvane
