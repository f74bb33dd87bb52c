#include "output/tableexport.h"

#include <QSaveFile>

namespace corvane {

namespace {

const QString crLf = QStringLiteral("\r\n");
// The title cells' colour: the active window border colour where the platform has one; light grey here.
const QString titleColor = QStringLiteral("C0C0C0");

QString htmlCell(const QString &text) {
    QString cell = escapeHtml(text);
    cell.replace(u'\r', QStringLiteral("<br>"));
    return cell.isEmpty() ? QStringLiteral("<br>") : cell;
}

QString csvCell(const QString &text) {
    if (text.isEmpty())
        return QStringLiteral("\"\"");
    const bool quoted =
        text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
    if (!quoted)
        return text;
    QString cell = text;
    cell.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + cell + u'"';
}

} // namespace

QString escapeHtml(const QString &text) {
    if (!text.contains(u'&') && !text.contains(u'<') && !text.contains(u'>') && !text.contains(u'"'))
        return text;
    QString escaped;
    escaped.reserve(text.size() + 16);
    for (const QChar c : text) {
        if (c == u'&')
            escaped += QStringLiteral("&amp;");
        else if (c == u'<')
            escaped += QStringLiteral("&lt;");
        else if (c == u'>')
            escaped += QStringLiteral("&gt;");
        else if (c == u'"')
            escaped += QStringLiteral("&quot;");
        else
            escaped += c;
    }
    return escaped;
}

QString htmlTable(const TaskTable &table) {
    QString html =
        QStringLiteral("<meta charset=\"utf-8\">") + crLf + QStringLiteral("<table border=1>") + crLf;
    for (int row = 0; row < table.rowCount(); ++row) {
        html += QStringLiteral("<tr>") + crLf;
        for (int column = 0; column < table.columnCount(); ++column) {
            if (row == 0)
                html += QStringLiteral("<td nowrap BGCOLOR=\"#") + titleColor + QStringLiteral("\"><B>") +
                        htmlCell(table.cell(column, row)) + QStringLiteral("</B></td>") + crLf;
            else
                html += QStringLiteral("<td nowrap>") + htmlCell(table.cell(column, row)) +
                        QStringLiteral("</td>") + crLf;
        }
        html += QStringLiteral("</tr>") + crLf;
    }
    return html + QStringLiteral("</table><p>") + crLf;
}

QString commaDelimitedText(const TaskTable &table) {
    QString text;
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column) {
            if (column > 0)
                text += u',';
            text += csvCell(table.cell(column, row));
        }
        text += crLf;
    }
    return text;
}

bool exportHtml(const TaskTable &table, const QString &fileName, QString *error) {
    return writeOutputFile(fileName, htmlTable(table), error);
}

bool exportCommaDelimited(const TaskTable &table, const QString &fileName, QString *error) {
    return writeOutputFile(fileName, commaDelimitedText(table), error);
}

bool writeOutputFile(const QString &fileName, const QString &text, QString *error) {
    const QByteArray bytes = text.toUtf8();
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("Could not write %1: %2").arg(fileName, file.errorString());
    return false;
}

} // namespace corvane
