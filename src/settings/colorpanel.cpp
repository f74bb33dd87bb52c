#include "settings/colorpanel.h"

#include "settings/colorvalue.h"

#include <QMouseEvent>

namespace corvane {

ColorPanel::ColorPanel(const QString &caption, QWidget *parent) : QLabel(caption, parent) {
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setMinimumSize(64, 28);
    setColors(m_text, m_back);
}

void ColorPanel::setColors(int textColor, int backColor) {
    m_text = textColor;
    m_back = backColor;
    QPalette colors = palette();
    colors.setColor(QPalette::Window, colorFromValue(backColor));
    colors.setColor(QPalette::WindowText, colorFromValue(textColor));
    setPalette(colors);
}

void ColorPanel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace corvane
