#include "store/atomicfile.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace corvane {

namespace {

// Qt's text for the failure, or the system's own when Qt has none to give.
QString reasonOf(const QSaveFile &file, int errorNumber) {
    const QString text = file.errorString();
    if (errorNumber != 0 && (text.isEmpty() || text == QLatin1String("Unknown error")))
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    return text;
}

bool failed(const QSaveFile &file, QString *error) {
    const int errorNumber = errno;
    if (error)
        *error = reasonOf(file, errorNumber);
    return false;
}

} // namespace

bool writeFileAtomically(const QString &fileName, const QByteArray &bytes, QString *error) {
    QSaveFile file(fileName);
    // Unbuffered, so a write the disk refuses fails at once with its reason instead of silently
    // writing less.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file, error);
    // A short write without an error (a size limit reached) is followed by one that names the reason.
    qint64 written = 0;
    while (written < bytes.size()) {
        errno = 0;
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return failed(file, error);
        written += count;
    }
    errno = 0;
    if (!file.commit())
        return failed(file, error);
    return true;
}

} // namespace corvane
