#pragma once

#include <QByteArray>
#include <QString>

namespace corvane {

// Text files are written in UTF-8. A file that is not valid UTF-8 was made on the original platform and
// is read as Windows-1252, so its accented letters survive.
QString decodeText(const QByteArray &bytes);

// Windows-1252 to text, byte by byte.
QString decodeWindows1252(const QByteArray &bytes);

} // namespace corvane
