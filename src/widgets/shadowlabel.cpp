#include "widgets/shadowlabel.h"

#include <QPainter>

#include <algorithm>

namespace corvane {

ShadowLabel::ShadowLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

void ShadowLabel::setShadowDepth(int depth) {
    m_depth = std::max(0, depth);
    updateGeometry();
    update();
}

void ShadowLabel::setShadowColor(const QColor &color) {
    m_shadowColor = color;
    update();
}

QColor ShadowLabel::textColor() const {
    return palette().color(QPalette::WindowText);
}

void ShadowLabel::setTextColor(const QColor &color) {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}

QSize ShadowLabel::sizeHint() const {
    return QLabel::sizeHint() + QSize(m_depth, m_depth);
}

QSize ShadowLabel::minimumSizeHint() const {
    return QLabel::minimumSizeHint() + QSize(m_depth, m_depth);
}

void ShadowLabel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin() - m_depth, -margin() - m_depth);
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QString shown = text();
    if (m_depth > 0) {
        painter.setPen(m_shadowColor);
        painter.drawText(area.translated(m_depth, m_depth), flags, shown);
    }
    painter.setPen(textColor());
    painter.drawText(area, flags, shown);
}

} // namespace corvane
