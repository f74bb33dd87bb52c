#pragma once

#include <QColor>
#include <QList>
#include <QString>

class QPalette;

namespace corvane {

// Stored colours are 32-bit values 0x00BBGGRR (red in the lowest byte). With the top bit set the low byte
// names a system colour instead, which follows the desktop's palette.
bool isSystemColor(int value);
QColor colorFromValue(int value, const QPalette &palette);
// Uses the application's palette for system colours.
QColor colorFromValue(int value);
// The plain colour value of an RGB colour (alpha is dropped).
int valueFromColor(const QColor &color);
// A system colour value from its index (0 = scroll bar, 5 = window, 8 = window text, 15 = button face, ...).
int systemColorValue(int index);

struct NamedColor {
    QString name;
    int value;
};

// The colours the colour drop-downs offer by name.
const QList<NamedColor> &namedColors();
// The name of a named or system colour; empty for any other value.
QString colorName(int value);

} // namespace corvane
