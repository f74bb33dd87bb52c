#include "output/tableexporter.h"

#include "output/tableexport.h"
#include "widgets/prompter.h"

namespace corvane {

TableExporter::TableExporter(ExportFormat format, const QString &defaultName, bool confirmOverwrite)
    : m_format(format), m_lastName(defaultName), m_confirmOverwrite(confirmOverwrite) {}

bool TableExporter::exportTable(const TaskTable &table) {
    const bool html = m_format == ExportFormat::Html;
    const QString fileName =
        html ? prompter().saveFileName(QStringLiteral("Save as an HTML file"),
                                       QStringLiteral("HTM files (*.htm);;All files (*.*)"), m_lastName,
                                       QStringLiteral("htm"), m_confirmOverwrite)
             : prompter().saveFileName(
                   QStringLiteral("Save as comma-delimited"),
                   QStringLiteral("Text files (*.txt);;Comma Separated (*.csv);;All files (*.*)"), m_lastName,
                   QStringLiteral("txt"), m_confirmOverwrite);
    if (fileName.isEmpty())
        return false;
    m_lastName = fileName;
    QString error;
    const bool written =
        html ? exportHtml(table, fileName, &error) : exportCommaDelimited(table, fileName, &error);
    if (!written)
        prompter().error(error);
    return written;
}

} // namespace corvane
