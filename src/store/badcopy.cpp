#include "store/badcopy.h"

#include "store/atomicfile.h"

#include <QFile>
#include <QFileInfo>

namespace corvane {

namespace {

QString freeCopyName(const QString &fileName) {
    const QString first = fileName + QStringLiteral(".bad");
    QString name = first;
    for (int n = 1; QFile::exists(name); ++n)
        name = first + QLatin1Char('.') + QString::number(n);
    return name;
}

} // namespace

QString keepBadCopy(const QString &fileName, QString *error) {
    // A FIFO or a directory holds nothing to keep, and reading a FIFO would wait for a writer forever.
    if (!QFileInfo(fileName).isFile()) {
        if (error)
            *error = QStringLiteral("it is not a plain file");
        return {};
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return {};
    }
    const QString copy = freeCopyName(fileName);
    if (!writeFileAtomically(copy, bytes, error))
        return {};
    return copy;
}

} // namespace corvane
