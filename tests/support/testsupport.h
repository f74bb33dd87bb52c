#pragma once

// Fakes for the program's seams, shared by the tests.

#include "settings/alarmsound.h"
#include "widgets/modal.h"
#include "widgets/prompter.h"

#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>

class QDialog;

namespace corvane::test {

// Records every text the program shows and answers questions from scripted queues.
// Unscripted questions answer Yes, inputs and file dialogs answer "cancelled".
class FakePrompter : public Prompter {
public:
    FakePrompter() { setPrompter(this); }
    ~FakePrompter() override { setPrompter(nullptr); }

    void error(const QString &text) override { errors << text; }
    void information(const QString &text) override { informations << text; }
    void message(const QString &text) override { messages << text; }
    void warning(const QString &text) override { warnings << text; }
    bool confirm(const QString &text) override;
    std::optional<QString> input(const QString &caption, const QString &prompt,
                                 const QString &value) override;
    QString openFileName(const QString &caption, const QString &filter, const QString &fileName) override;
    QString saveFileName(const QString &caption, const QString &filter, const QString &fileName,
                         const QString &defaultSuffix) override;
    bool choosePrinter(QPrinter &printer) override;
    bool openUrl(const QUrl &url) override;

    QStringList errors, informations, messages, warnings, questions, inputPrompts, fileCaptions;
    QList<QUrl> openedUrls;
    std::deque<bool> confirmAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<QString> fileAnswers;
    bool printerAnswer = true;
    bool openUrlAnswer = true;
};

// Records what the alarm sound was asked to do.
class FakeAlarmSound : public AlarmSound {
public:
    FakeAlarmSound() { setAlarmSound(this); }
    ~FakeAlarmSound() override { setAlarmSound(nullptr); }
    void play(const QString &fileName, bool loop) override;
    void stop() override;

    QStringList calls; // "play <file> once", "play <file> loop", "stop"
    bool playing = false;
};

// Answers runModal() with scripted handlers, in order: each fills in the dialog and returns its result.
// A dialog shown with no handler left is rejected and recorded as unexpected.
class ModalScript {
public:
    using Handler = std::function<int(QDialog &)>;
    ModalScript();
    ~ModalScript();
    void then(Handler handler) { handlers.push_back(std::move(handler)); }

    std::deque<Handler> handlers;
    QStringList shown;      // window titles of the dialogs shown, in order
    QStringList unexpected; // titles of dialogs shown with no handler
};

// A fresh program folder and settings file for one test; both go away with it.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    QString path(const QString &name) const { return dir.filePath(name); }
    QString settingsFile() const { return dir.filePath(QStringLiteral("settings.ini")); }

    QTemporaryDir dir;
};

// Pins the locale for a test: QLocale::setDefault and the program's format settings of that locale
// (as read at start, before the start-up adjustment), e.g. pinFormats("en_US").
void pinFormats(const QString &localeName);

// While it lives, no file may grow beyond `bytes`: writes past it fail with "File too large", as a full
// disk refuses them part way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    unsigned long m_old;
    void (*m_oldHandler)(int);
};

// Writes bytes to a file (creating it), for fixtures.
void writeFile(const QString &fileName, const QByteArray &bytes);
QByteArray readFile(const QString &fileName);

// A file of the tests' source folder, e.g. sourceFile("interchange/data/absurd.ics").
QString sourceFile(const QString &relative);

} // namespace corvane::test
