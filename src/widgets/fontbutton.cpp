#include "widgets/fontbutton.h"

#include <QApplication>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace corvane {

FontButton::FontButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {}

QFont FontButton::captionFont() const {
    return parentWidget() ? parentWidget()->font() : QApplication::font(this);
}

QSize FontButton::sizeHint() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    option.fontMetrics = QFontMetrics(captionFont());
    const QSize caption = option.fontMetrics.size(Qt::TextShowMnemonic, text());
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, caption, this);
}

QSize FontButton::minimumSizeHint() const {
    return sizeHint();
}

void FontButton::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.setFont(captionFont());
    option.fontMetrics = painter.fontMetrics();
    painter.drawControl(QStyle::CE_PushButton, option);
}

} // namespace corvane
