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

// The text's line, the shadow's depth below and right of it, and a pixel of room on each side, so that
// neither the glyphs nor their shadow touch what lies around the label.
QSize ShadowLabel::extra() const {
    return QSize(m_depth + 2 * Room, m_depth + 2 * Room);
}

QSize ShadowLabel::sizeHint() const {
    return QLabel::sizeHint() + extra();
}

QSize ShadowLabel::minimumSizeHint() const {
    return QLabel::minimumSizeHint() + extra();
}

void ShadowLabel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const int m = margin() + Room;
    const QRect area = contentsRect().adjusted(m, m, -m - m_depth, -m - m_depth);
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
