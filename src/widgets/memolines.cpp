#include "widgets/memolines.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace corvane {

QStringList displayedLines(const QPlainTextEdit &memo) {
    QStringList lines;
    QTextDocument *document = memo.document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        // Asking for the block's extent lays it out at the memo's width, also when it is out of view.
        document->documentLayout()->blockBoundingRect(block);
        const QString text = block.text();
        const QTextLayout *layout = block.layout();
        if (!layout || layout->lineCount() == 0) {
            lines.append(text);
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.append(text.mid(line.textStart(), line.textLength()));
        }
    }
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace corvane
