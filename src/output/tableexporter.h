#pragma once

#include <QString>

namespace corvane {

class TaskTable;

enum class ExportFormat { Html, CommaDelimited };

// One export command's save dialog: its title, filter and extension come from the format; it proposes
// the name chosen last in the run, at first `defaultName`.
class TableExporter {
public:
    TableExporter(ExportFormat format, const QString &defaultName, bool confirmOverwrite);

    // Asks for the file through the prompter and writes the table there; a failure is reported in the
    // error box. False when cancelled or not written.
    bool exportTable(const TaskTable &table);
    const QString &lastName() const { return m_lastName; }

private:
    ExportFormat m_format;
    QString m_lastName;
    bool m_confirmOverwrite;
};

} // namespace corvane
