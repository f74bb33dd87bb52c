#include "store/atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace {

QString systemReason(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

// Qt's text for the failure, or the system's own when Qt has none to give.
QString reasonOf(const QSaveFile &file, int errorNumber) {
    const QString text = file.errorString();
    if (errorNumber != 0 && (text.isEmpty() || text == QLatin1String("Unknown error")))
        return systemReason(errorNumber);
    return text;
}

bool failed(const QSaveFile &file, QString *error) {
    const int errorNumber = errno;
    if (error)
        *error = reasonOf(file, errorNumber);
    return false;
}

bool failedWith(int errorNumber, QString *error) {
    if (error)
        *error = systemReason(errorNumber);
    return false;
}

bool writeAll(int fd, const QByteArray &bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            if (count == 0)
                errno = ENOSPC;
            return false;
        }
        written += count;
    }
    return true;
}

// The common way: a named temporary file beside the file, renamed over it when complete.
bool writeThroughSaveFile(const QString &fileName, const QByteArray &bytes, QString *error) {
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

enum class Outcome { Written, Failed, Unsupported };

// The bytes go into a file without a name until they are all on disk, so a program killed while writing
// leaves nothing behind. The file gets a name only for the instant before it replaces the old one.
Outcome writeThroughUnnamedFile(const QString &fileName, const QByteArray &bytes, QString *error) {
    const QFileInfo info(fileName);
    if (info.isDir())
        return Outcome::Unsupported; // reported in the usual words
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    const int fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0)
        return Outcome::Unsupported; // the usual way then, with its usual reasons for a failure
    const auto closeFailing = [fd, error](int errorNumber) {
        ::close(fd);
        failedWith(errorNumber, error);
        return Outcome::Failed;
    };
    // The new file keeps the permissions of the one it replaces.
    struct stat old {};
    const QByteArray target = QFile::encodeName(fileName);
    if (::stat(target.constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        return closeFailing(errno);
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    const QByteArray temporary =
        target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".new";
    if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, temporary.constData(), AT_SYMLINK_FOLLOW) != 0) {
        ::close(fd);
        return Outcome::Unsupported;
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int errorNumber = errno;
        ::unlink(temporary.constData());
        return closeFailing(errorNumber);
    }
    ::close(fd);
    return Outcome::Written;
}

} // namespace

bool writeFileAtomically(const QString &fileName, const QByteArray &bytes, QString *error) {
    switch (writeThroughUnnamedFile(fileName, bytes, error)) {
    case Outcome::Written:
        return true;
    case Outcome::Failed:
        return false;
    case Outcome::Unsupported:
        break;
    }
    return writeThroughSaveFile(fileName, bytes, error);
}

} // namespace corvane
