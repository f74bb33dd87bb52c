#include "store/textcodec.h"

#include <QStringDecoder>

namespace corvane {

QString decodeWindows1252(const QByteArray &bytes) {
    // Bytes 0x80 to 0x9F are the only ones that differ from Latin-1; 0 marks the five unassigned ones,
    // which keep their Latin-1 meaning.
    static const char16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t mapped = (b >= 0x80 && b < 0xA0) ? high[b - 0x80] : 0;
        *out++ = QChar(mapped ? mapped : char16_t(b));
    }
    return text;
}

QString decodeText(const QByteArray &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

} // namespace corvane
