#pragma once

#include <QByteArray>
#include <QString>

namespace corvane {

// Writes the bytes through a temporary file that replaces the file only when all of it is written, so a
// failure leaves the old file whole. On failure `error` holds the system's reason, such as
// "No space left on device" or "Permission denied".
[[nodiscard]] bool writeFileAtomically(const QString &fileName, const QByteArray &bytes, QString *error);

} // namespace corvane
