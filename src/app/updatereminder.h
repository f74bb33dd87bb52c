#pragma once

#include <QDateTime>
#include <QString>

namespace corvane {

// The maker's home page, shown in the About box and named by the update reminder.
QString homePageAddress();

// The reminder shown when the program closes, once this version is old; empty before that.
QString updateReminder(const QDateTime &moment);

} // namespace corvane
