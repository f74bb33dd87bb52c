#include "testsupport.h"

#include "settings/settingsstore.h"
#include "store/dateformats.h"
#include "store/programfolder.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>

#include <sys/resource.h>

namespace corvane::test {

bool FakePrompter::confirm(const QString &text) {
    questions << text;
    if (confirmAnswers.empty())
        return true;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

std::optional<QString> FakePrompter::input(const QString &, const QString &prompt, const QString &) {
    inputPrompts << prompt;
    if (inputAnswers.empty())
        return std::nullopt;
    auto answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

QString FakePrompter::openFileName(const QString &caption, const QString &, const QString &) {
    fileCaptions << caption;
    if (fileAnswers.empty())
        return QString();
    const QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

QString FakePrompter::saveFileName(const QString &caption, const QString &filter, const QString &fileName,
                                   const QString &) {
    return openFileName(caption, filter, fileName);
}

bool FakePrompter::choosePrinter(QPrinter &) {
    return printerAnswer;
}

bool FakePrompter::openUrl(const QUrl &url) {
    openedUrls << url;
    return openUrlAnswer;
}

void FakeAlarmSound::play(const QString &fileName, bool loop) {
    calls
        << QStringLiteral("play %1 %2").arg(fileName, loop ? QStringLiteral("loop") : QStringLiteral("once"));
    playing = true;
}

void FakeAlarmSound::stop() {
    calls << QStringLiteral("stop");
    playing = false;
}

ModalScript::ModalScript() {
    setModalRunner([this](QDialog &dialog) {
        shown << dialog.windowTitle();
        if (handlers.empty()) {
            unexpected << dialog.windowTitle();
            return int(QDialog::Rejected);
        }
        Handler handler = std::move(handlers.front());
        handlers.pop_front();
        return handler(dialog);
    });
}

ModalScript::~ModalScript() {
    setModalRunner(nullptr);
}

Sandbox::Sandbox() {
    setProgramFolder(dir.path());
    SettingsStore::setFileForTesting(settingsFile());
}

Sandbox::~Sandbox() {
    setProgramFolder(QString());
    SettingsStore::setFileForTesting(QString());
}

FileSizeLimit::FileSizeLimit(long bytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_old = limit.rlim_cur;
    limit.rlim_cur = rlim_t(bytes);
    // Without this the process would be killed at the limit instead of the write failing.
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_old;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_oldHandler);
}

void writeFile(const QString &fileName, const QByteArray &bytes) {
    QFile file(fileName);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray readFile(const QString &fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void pinFormats(const QString &localeName) {
    const QLocale locale(localeName);
    QLocale::setDefault(locale);
    setFormats(FormatSettings::fromLocale(locale));
}

// A relative source path is relative to the build folder, which holds the tests' folder.
QString sourceFile(const QString &relative) {
    const QDir build(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
    return build.absoluteFilePath(QFileInfo(QStringLiteral(__FILE__)).path() + QStringLiteral("/../") +
                                  relative);
}

} // namespace corvane::test
