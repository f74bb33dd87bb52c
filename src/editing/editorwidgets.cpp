#include "editing/editorwidgets.h"

#include "store/dateformats.h"
#include "store/routines.h"
#include "widgets/memolines.h"
#include "widgets/shadowlabel.h"

#include <QDateEdit>
#include <QPlainTextEdit>
#include <QTimeEdit>

namespace corvane {

QString memoText(const QPlainTextEdit &memo) {
    return joinMemoLines(displayedLines(memo));
}

void setMemoText(QPlainTextEdit &memo, const QString &text) {
    memo.setPlainText(splitMemoText(text).join(u'\n'));
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
