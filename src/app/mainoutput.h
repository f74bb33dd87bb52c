#pragma once

#include "output/tableexporter.h"

#include <QDate>
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

    // Export of the focused list (the day list when it has the focus, else the non-date list), of the
    // date-oriented tasks the print dialog selects, and of the non-date list.
    void HTMLFormat1Click();
    void CSVFormat1Click();
    void HTMLFormat3Click();
    void CommaDelimitedFormat1Click();
    void HTMLFormat4Click();
    void CommaDelimitedFormat2Click();

    // The month of the selected day as a web page, and the two queries the page asks of the window.
    void PublishCalendarasWebPage1Click();
    QString HTMLDumpEventDay(const QDate &date) const;
    QStringList HTMLDumpEventDetails(const QDate &date) const;

private:
    const TaskTable &focusedList() const;
    // gridPrint filled with the date-oriented tasks the print dialog's current choices select.
    const TaskTable &selectedDateTasks();

    TfrmMain &m_main;
    TableExporter m_html{ExportFormat::Html, QStringLiteral("tasks.htm"), true};
    TableExporter m_commaDelimited{ExportFormat::CommaDelimited, QStringLiteral("tasks.txt"), true};
};

} // namespace corvane
