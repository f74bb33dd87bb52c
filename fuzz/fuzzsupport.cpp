#include "fuzzsupport.h"

#include "store/dateformats.h"
#include "store/textcodec.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace corvane::fuzz {

void setUp() {
    // Never destroyed: libFuzzer ends the program with exit(), after Qt's own statics are gone.
    static QGuiApplication *app = nullptr;
    if (app)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    app = new QGuiApplication(argc, argv);
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    setFormats(FormatSettings::fromLocale(QLocale(QStringLiteral("en_US"))));
}

QString scratchFile(const QString &name) {
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/corvane-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/corvane-fuzz-XXXXXX"));
    return dir.filePath(name);
}

QString writeScratch(const QString &name, const QByteArray &bytes) {
    const QString fileName = scratchFile(name);
    QFile file(fileName);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
          "the scratch file can be written");
    return fileName;
}

void check(bool holds, const char *what) {
    if (holds)
        return;
    std::fprintf(stderr, "Property does not hold: %s\n", what);
    std::abort();
}

QByteArray bytes(const uint8_t *data, size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

QString text(const uint8_t *data, size_t size) {
    return decodeText(bytes(data, size));
}

uint8_t Input::byte() {
    if (m_size == 0)
        return 0;
    --m_size;
    return *m_data++;
}

int Input::number(int low, int high) {
    const qint64 span = qint64(high) - low + 1;
    quint64 value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | byte();
    return int(low + qint64(value % quint64(span)));
}

QString Input::rest() const {
    return decodeText(restBytes());
}

QByteArray Input::restBytes() const {
    return QByteArray(reinterpret_cast<const char *>(m_data), qsizetype(m_size));
}

} // namespace corvane::fuzz
