#include "recurrence/recurtexts.h"

#include "store/dateformats.h"
#include "store/routines.h"

namespace corvane {

QString dialogDateFormat(const QString &shortDate) {
    QString format = shortDate;
    const qsizetype yy = format.indexOf(QStringLiteral("yy"));
    if (!format.contains(QStringLiteral("yyyy")) && yy >= 0)
        format.insert(yy, QStringLiteral("yy"));
    return format.left(25);
}

QString previewLine(const QDate &date, const QString &dateFormat) {
    const QDateTime moment(date, QTime(0, 0));
    return formatWithLocalePattern(dateFormat, moment) + u'\t' +
           formatDateTime(QStringLiteral("ddd"), moment) + u'\t' + relativeDate(moment);
}

QString recurCaption(const QString &notes) {
    return QStringLiteral("Repeating event for ") + notes.left(35) + QStringLiteral("...");
}

} // namespace corvane
