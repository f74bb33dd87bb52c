#include "editing/categoryfile.h"

#include "store/atomicfile.h"
#include "store/routines.h"
#include "store/textcodec.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace corvane {

QStringList readCategoryFile(const QString &fileName) {
    if (isEmptyFile(fileName))
        return {};
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A line ends at CR, LF or CR LF; nothing follows a trailing line end. (A search, not a loop over
    // the characters: a bad file may be one line of many megabytes.)
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = decodeText(file.readAll()).split(lineEnd);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool saveCategoryFile(const QString &fileName, const QStringList &choices, QString *error) {
    QByteArray bytes;
    for (const QString &choice : choices)
        bytes += choice.toUtf8() + "\r\n";
    return writeFileAtomically(fileName, bytes, error);
}

int indexOfChoice(const QStringList &choices, const QString &text) {
    for (int i = 0; i < choices.size(); ++i)
        if (choices.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void sortChoices(QStringList &choices) {
    std::stable_sort(choices.begin(), choices.end(), [](const QString &a, const QString &b) {
        return QString::localeAwareCompare(a.toLower(), b.toLower()) < 0;
    });
}

bool addChoice(QStringList &choices, const QString &text) {
    if (text.isEmpty() || indexOfChoice(choices, text) >= 0)
        return false;
    choices << text;
    return true;
}

} // namespace corvane
