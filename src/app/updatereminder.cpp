#include "app/updatereminder.h"

namespace corvane {

QString homePageAddress() {
    return QStringLiteral("https://www.halvering.example/");
}

QString updateReminder(const QDateTime &moment) {
    if (moment <= QDateTime(QDate(2000, 7, 1), QTime(0, 0)))
        return QString();
    return QStringLiteral("This version is over a year old.  Check ") + homePageAddress() +
           QStringLiteral(" for updates");
}

} // namespace corvane
