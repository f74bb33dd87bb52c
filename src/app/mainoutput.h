#pragma once

#include <QObject>
#include <QString>

namespace corvane {

class TaskTable;
class TfrmMain;

// The main window's output commands: printing, the HTML and comma-delimited exports and the web page.
class MainOutput : public QObject {
    Q_OBJECT
public:
    // Enables and connects the commands' menu items and tool buttons of `main`.
    explicit MainOutput(TfrmMain &main);

    // Print a selection chosen in the print dialog, the day list, the non-date list.
    void Print1Click();
    void Print3Click();
    void Print2Click();

private:
    TfrmMain &m_main;
};

} // namespace corvane
