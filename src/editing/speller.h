#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class Hunspell;

namespace corvane {

// English spell checking with the system's dictionary and the user dictionary beside the program.
class Speller {
public:
    // The first English dictionary found among the system's; not ready without one.
    Speller();
    // A given dictionary (tests); the user dictionary is `userDictionary`, one word per line.
    Speller(const QString &affFile, const QString &dicFile, const QString &userDictionary);
    ~Speller();

    // False when no dictionary could be loaded: then every word would read as misspelt.
    bool isReady() const { return m_hunspell != nullptr; }
    bool isCorrect(const QString &word) const;
    // At most ten.
    QStringList suggestions(const QString &word) const;
    // Ignored until the checker goes away.
    void ignore(const QString &word);
    // Accepts the word from now on and appends it to the user dictionary file.
    bool addToDictionary(const QString &word, QString *error = nullptr);

    struct Word {
        int start;
        int length;
    };
    // The first misspelt word of the text at or after `from`.
    std::optional<Word> nextMisspelt(const QString &text, int from) const;

    static QString userDictionaryFile();

private:
    void load(const QString &affFile, const QString &dicFile);

    std::unique_ptr<Hunspell> m_hunspell;
    QString m_userDictionary;
    QSet<QString> m_ignored;
};

} // namespace corvane
