#include "app/updatereminder.h"

#include <QLocale>

namespace corvane {

QString homePageAddress() {
    return QStringLiteral("https://www.halvering.example/");
}

QDate buildDate() {
    // The compiler writes the day as "Mmm dd yyyy", a single-digit day padded with a blank.
    const QString text = QString::fromLatin1(__DATE__).simplified();
    return QLocale::c().toDate(text, QStringLiteral("MMM d yyyy"));
}

QString updateReminder(const QDateTime &moment, const QDate &built) {
    if (moment <= QDateTime(built.addYears(1), QTime(0, 0)))
        return QString();
    return QStringLiteral("This version is over a year old.  Check ") + homePageAddress() +
           QStringLiteral(" for updates");
}

} // namespace corvane
