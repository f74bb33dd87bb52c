#include "widgets/colorcombo.h"

#include "settings/colorvalue.h"
#include "widgets/modal.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace corvane {

namespace {

QIcon swatch(const QColor &color, const QSize &size) {
    QPixmap pixmap(size);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return QIcon(pixmap);
}

} // namespace

ColorCombo::ColorCombo(QWidget *parent) : QComboBox(parent) {
    setIconSize(QSize(24, 14));
    for (const NamedColor &named : namedColors())
        addColorItem(count(), named.name, named.value);
    addItem(tr("Custom…"));
    setCurrentIndex(0);
    connect(this, &QComboBox::activated, this, &ColorCombo::itemActivated);
}

int ColorCombo::addColorItem(int index, const QString &name, int value) {
    insertItem(index, swatch(colorFromValue(value), iconSize()), name, value);
    return index;
}

int ColorCombo::colorValue() const {
    return m_current;
}

QColor ColorCombo::color() const {
    return colorFromValue(m_current);
}

void ColorCombo::setColorValue(int value) {
    m_current = value;
    int index = findData(value);
    if (index < 0) {
        if (m_extraIndex >= 0)
            removeItem(m_extraIndex);
        const QString name = colorName(value);
        m_extraIndex = addColorItem(customIndex(), name.isEmpty() ? color().name() : name, value);
        index = m_extraIndex;
    }
    setCurrentIndex(index);
    emit colorChanged(value);
}

void ColorCombo::wheelEvent(QWheelEvent *event) {
    m_stepping = true;
    QComboBox::wheelEvent(event);
    m_stepping = false;
}

void ColorCombo::keyPressEvent(QKeyEvent *event) {
    m_stepping = true;
    QComboBox::keyPressEvent(event);
    m_stepping = false;
}

void ColorCombo::itemActivated(int index) {
    if (index == customIndex()) {
        if (m_stepping)
            setCurrentIndex(findData(m_current)); // stays on the colour it had
        else
            chooseCustom();
        return;
    }
    setColorValue(itemData(index).toInt());
}

void ColorCombo::chooseCustom() {
    QColorDialog dialog(color(), this);
    if (runModal(dialog) != QDialog::Accepted) {
        setCurrentIndex(findData(m_current)); // back from "Custom…" to the colour shown before
        return;
    }
    setColorValue(valueFromColor(dialog.currentColor()));
}

} // namespace corvane
