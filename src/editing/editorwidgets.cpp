#include "editing/editorwidgets.h"

#include "store/dateformats.h"
#include "store/routines.h"
#include "widgets/shadowlabel.h"

#include <QDateEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimeEdit>

namespace corvane {

QStringList memoLines(const QPlainTextEdit &memo) {
    // Lay the text out at the memo's own width, so the lines are those it shows even while hidden.
    const qreal margin = memo.document()->documentMargin();
    const qreal width = std::max<qreal>(memo.viewport()->width() - 2 * margin, 1.0);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList lines;
    const QStringList paragraphs = memo.toPlainText().split(u'\n');
    for (const QString &paragraph : paragraphs) {
        if (paragraph.isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(paragraph, memo.font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void setMemoLines(QPlainTextEdit &memo, const QStringList &lines) {
    memo.setPlainText(lines.join(u'\n'));
}

QString memoText(const QPlainTextEdit &memo) {
    return joinMemoLines(memoLines(memo));
}

void setMemoText(QPlainTextEdit &memo, const QString &text) {
    setMemoLines(memo, splitMemoText(text));
}

void limitMemo(QPlainTextEdit &memo, int maximum) {
    QObject::connect(&memo, &QPlainTextEdit::textChanged, &memo, [&memo, maximum] {
        const QString text = memo.toPlainText();
        if (text.size() <= maximum)
            return;
        QTextCursor cursor = memo.textCursor();
        const int position = std::min<int>(cursor.position(), maximum);
        memo.setPlainText(text.left(maximum));
        cursor = memo.textCursor();
        cursor.setPosition(position);
        memo.setTextCursor(cursor);
    });
}

// The program's patterns write AM/PM as "tt"; Qt's edits want "AP".
static QString qtPattern(QString pattern) {
    return pattern.replace(QStringLiteral("tt"), QStringLiteral("AP"));
}

void setUpDateEdit(QDateEdit &edit) {
    edit.setCalendarPopup(true);
    edit.setDisplayFormat(qtPattern(formats().shortDate));
}

void setUpTimeEdit(QTimeEdit &edit) {
    edit.setDisplayFormat(qtPattern(formats().shortTime));
}

void copyTitleStyle(ShadowLabel &title, const ShadowLabel *from) {
    if (!from)
        return;
    title.setShadowDepth(from->shadowDepth());
    title.setTextColor(from->textColor());
}

} // namespace corvane
