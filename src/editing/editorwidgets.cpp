#include "editing/editorwidgets.h"

#include "store/dateformats.h"
#include "store/routines.h"
#include "widgets/memolines.h"
#include "widgets/shadowlabel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimeEdit>

#include <algorithm>

namespace corvane {

namespace {
// What setMemoText() gave a memo: the stored text and the text shown for it.
constexpr char storedProperty[] = "corvaneStoredText";
constexpr char shownProperty[] = "corvaneShownText";
} // namespace

void setMemoText(QPlainTextEdit &memo, const QString &text) {
    const QString shown = splitMemoText(text).join(u'\n');
    memo.setProperty(storedProperty, text);
    memo.setProperty(shownProperty, shown);
    memo.setPlainText(shown);
}

bool memoEdited(const QPlainTextEdit &memo) {
    return memo.toPlainText() != memo.property(shownProperty).toString();
}

QString memoText(const QPlainTextEdit &memo) {
    if (!memoEdited(memo))
        return memo.property(storedProperty).toString();
    return joinMemoLines(displayedLines(memo));
}

QString typedMemoText(const QPlainTextEdit &memo) {
    if (!memoEdited(memo))
        return memo.property(storedProperty).toString();
    QStringList lines = memo.toPlainText().split(u'\n');
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return memo.toPlainText().isEmpty() ? QString() : joinMemoLines(lines);
}

void limitMemo(QPlainTextEdit &memo, int maximum) {
    QObject::connect(&memo, &QPlainTextEdit::textChanged, &memo, [&memo, maximum] {
        const QString text = memo.toPlainText();
        const int limit = std::max<int>(maximum, memo.property(shownProperty).toString().size());
        if (text.size() <= limit)
            return;
        QTextCursor cursor = memo.textCursor();
        const int position = std::min<int>(cursor.position(), limit);
        memo.setPlainText(text.left(limit));
        cursor = memo.textCursor();
        cursor.setPosition(position);
        memo.setTextCursor(cursor);
    });
}

void setLimitedEditText(QComboBox &box, const QString &text, int maximum) {
    if (QLineEdit *edit = box.lineEdit())
        edit->setMaxLength(std::max<int>(maximum, text.size()));
    box.setEditText(text);
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
