#include "editing/speller.h"

#include "store/atomicfile.h"
#include "store/programfolder.h"
#include "store/textcodec.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <hunspell/hunspell.hxx>

namespace corvane {

namespace {

// Where Debian's dictionary packages put them, American English first.
const char *const dictionaryFolders[] = {"/usr/share/hunspell", "/usr/share/myspell/dicts",
                                         "/usr/share/myspell"};
const char *const dictionaryNames[] = {"en_US", "en_GB", "en_CA", "en_AU"};

bool isWordCharacter(const QString &text, qsizetype i) {
    const QChar c = text.at(i);
    if (c.isLetter())
        return true;
    // An apostrophe inside a word belongs to it ("don't").
    return c == u'\'' && i > 0 && i + 1 < text.size() && text.at(i - 1).isLetter() &&
           text.at(i + 1).isLetter();
}

} // namespace

Speller::Speller() : m_userDictionary(userDictionaryFile()) {
    for (const char *folder : dictionaryFolders)
        for (const char *name : dictionaryNames) {
            const QString base = QStringLiteral("%1/%2").arg(QLatin1String(folder), QLatin1String(name));
            if (QFileInfo::exists(base + ".aff") && QFileInfo::exists(base + ".dic")) {
                load(base + ".aff", base + ".dic");
                return;
            }
        }
}

Speller::Speller(const QString &affFile, const QString &dicFile, const QString &userDictionary)
    : m_userDictionary(userDictionary) {
    if (QFileInfo::exists(affFile) && QFileInfo::exists(dicFile))
        load(affFile, dicFile);
}

Speller::~Speller() = default;

QString Speller::userDictionaryFile() {
    return besideProgram(QStringLiteral("CUSTOM2.DIC"));
}

void Speller::load(const QString &affFile, const QString &dicFile) {
    m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(affFile).constData(),
                                            QFile::encodeName(dicFile).constData());
    QFile user(m_userDictionary);
    if (!user.open(QIODevice::ReadOnly))
        return;
    const QStringList words = decodeText(user.readAll()).split(QRegularExpression(QStringLiteral("[\r\n]+")));
    for (const QString &word : words)
        if (!word.trimmed().isEmpty())
            m_hunspell->add(word.trimmed().toStdString());
}

bool Speller::isCorrect(const QString &word) const {
    if (!m_hunspell)
        return false;
    return m_ignored.contains(word) || m_hunspell->spell(word.toStdString());
}

QStringList Speller::suggestions(const QString &word) const {
    QStringList result;
    if (!m_hunspell)
        return result;
    for (const std::string &suggestion : m_hunspell->suggest(word.toStdString())) {
        if (result.size() == 10)
            break;
        result << QString::fromStdString(suggestion);
    }
    return result;
}

void Speller::ignore(const QString &word) {
    m_ignored.insert(word);
}

bool Speller::addToDictionary(const QString &word, QString *error) {
    QByteArray bytes;
    QFile old(m_userDictionary);
    if (old.open(QIODevice::ReadOnly))
        bytes = old.readAll();
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += "\r\n";
    bytes += word.toUtf8() + "\r\n";
    if (!writeFileAtomically(m_userDictionary, bytes, error))
        return false;
    if (m_hunspell)
        m_hunspell->add(word.toStdString());
    return true;
}

std::optional<Speller::Word> Speller::nextMisspelt(const QString &text, int from) const {
    qsizetype i = std::max(from, 0);
    while (i < text.size()) {
        if (!isWordCharacter(text, i) && !text.at(i).isDigit()) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        bool hasDigit = false;
        while (i < text.size() && (isWordCharacter(text, i) || text.at(i).isDigit())) {
            hasDigit = hasDigit || text.at(i).isDigit();
            ++i;
        }
        const QString word = text.mid(start, i - start);
        if (!hasDigit && !isCorrect(word))
            return Word{int(start), int(i - start)};
    }
    return std::nullopt;
}

} // namespace corvane
