#pragma once

#include <QString>

namespace corvane {

// Keeps a copy of a file that could not be read beside it, under the first free name of <name>.bad,
// <name>.bad.1, <name>.bad.2, ..., so copies kept at earlier starts are never replaced. Returns the
// copy's name, or an empty text with `error` holding the reason when no copy could be made.
[[nodiscard]] QString keepBadCopy(const QString &fileName, QString *error);

} // namespace corvane
