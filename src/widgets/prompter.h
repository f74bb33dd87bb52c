#pragma once

#include <QString>
#include <QUrl>

#include <optional>

class QPrinter;
class QWidget;

namespace corvane {

class TaskTable;

// Every message box, question, input box, file dialog, print dialog and shell "open" of the program goes
// through one Prompter, so tests can script the answers and read the exact texts.
class Prompter {
public:
    virtual ~Prompter() = default;

    // The error box for user errors: the exclamation sound, then a warning box with OK.
    virtual void error(const QString &text) = 0;
    // The information box for results: OK only, no sound.
    virtual void information(const QString &text) = 0;
    // An ordinary message box with OK.
    virtual void message(const QString &text) = 0;
    // A message box of the error kind with OK, without the sound.
    virtual void warning(const QString &text) = 0;
    // A question with Yes and No; true only for Yes.
    virtual bool confirm(const QString &text) = 0;
    // An input box; nothing when cancelled.
    virtual std::optional<QString> input(const QString &caption, const QString &prompt,
                                         const QString &value) = 0;
    // File dialogs; an empty text when cancelled. `filter` is in Qt's form ("Wav sound files (*.wav);;...").
    virtual QString openFileName(const QString &caption, const QString &filter, const QString &fileName) = 0;
    virtual QString saveFileName(const QString &caption, const QString &filter, const QString &fileName,
                                 const QString &defaultSuffix) = 0;
    // The printer choice; false when cancelled.
    virtual bool choosePrinter(QPrinter &printer) = 0;
    // Asks the desktop to open a document or web address in its default application.
    virtual bool openUrl(const QUrl &url) = 0;
};

// The program's prompter: message boxes parented to the active window, unless tests installed another.
Prompter &prompter();
// Installs another prompter (tests); nullptr returns to the default. The caller keeps ownership.
void setPrompter(Prompter *replacement);

// Saves a table to its grid file and reports a failure in the error box. True when saved. A file that
// failed to load with no copy of it kept is not overwritten (the load said so).
bool saveTableReporting(const TaskTable &table, const QString &fileName);
// Loads a grid file of the program at start, when it exists. A failure is reported; the file is kept as
// a .bad copy, or, when no copy can be made, kept from being overwritten while the program runs.
void loadTableReporting(TaskTable &table, const QString &fileName);

} // namespace corvane
