#include "settings/colorvalue.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace corvane {

namespace {

constexpr uint systemBit = 0x80000000u;

struct SystemColor {
    const char *name;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The desktop's system colours in their index order, each matched to the palette role that plays its part.
constexpr std::array<SystemColor, 31> systemColors{{
    {"Scroll bar", QPalette::Active, QPalette::Mid},
    {"Desktop", QPalette::Active, QPalette::Dark},
    {"Active caption", QPalette::Active, QPalette::Highlight},
    {"Inactive caption", QPalette::Inactive, QPalette::Mid},
    {"Menu", QPalette::Active, QPalette::Window},
    {"Window", QPalette::Active, QPalette::Base},
    {"Window frame", QPalette::Active, QPalette::Shadow},
    {"Menu text", QPalette::Active, QPalette::WindowText},
    {"Window text", QPalette::Active, QPalette::Text},
    {"Caption text", QPalette::Active, QPalette::HighlightedText},
    {"Active border", QPalette::Active, QPalette::Window},
    {"Inactive border", QPalette::Inactive, QPalette::Window},
    {"Application workspace", QPalette::Active, QPalette::Dark},
    {"Highlight", QPalette::Active, QPalette::Highlight},
    {"Highlight text", QPalette::Active, QPalette::HighlightedText},
    {"Button face", QPalette::Active, QPalette::Button},
    {"Button shadow", QPalette::Active, QPalette::Dark},
    {"Gray text", QPalette::Disabled, QPalette::Text},
    {"Button text", QPalette::Active, QPalette::ButtonText},
    {"Inactive caption text", QPalette::Inactive, QPalette::HighlightedText},
    {"Button highlight", QPalette::Active, QPalette::Light},
    {"3D dark shadow", QPalette::Active, QPalette::Shadow},
    {"3D light", QPalette::Active, QPalette::Midlight},
    {"Info text", QPalette::Active, QPalette::ToolTipText},
    {"Info background", QPalette::Active, QPalette::ToolTipBase},
    {"", QPalette::Active, QPalette::Window},
    {"Hot light", QPalette::Active, QPalette::Link},
    {"Gradient active caption", QPalette::Active, QPalette::Highlight},
    {"Gradient inactive caption", QPalette::Inactive, QPalette::Mid},
    {"Menu highlight", QPalette::Active, QPalette::Highlight},
    {"Menu bar", QPalette::Active, QPalette::Window},
}};

const SystemColor *systemColor(int value) {
    const uint index = uint(value) & 0xFFu;
    return index < systemColors.size() ? &systemColors[index] : nullptr;
}

} // namespace

bool isSystemColor(int value) {
    return (uint(value) & systemBit) != 0;
}

int systemColorValue(int index) {
    return int(systemBit | uint(index & 0xFF));
}

QColor colorFromValue(int value, const QPalette &palette) {
    if (isSystemColor(value)) {
        const SystemColor *system = systemColor(value);
        return system ? palette.color(system->group, system->role) : palette.color(QPalette::Window);
    }
    const uint bits = uint(value);
    return QColor(int(bits & 0xFFu), int((bits >> 8) & 0xFFu), int((bits >> 16) & 0xFFu));
}

QColor colorFromValue(int value) {
    return colorFromValue(value, QGuiApplication::palette());
}

int valueFromColor(const QColor &color) {
    const QColor rgb = color.toRgb();
    return int(uint(rgb.red()) | uint(rgb.green()) << 8 | uint(rgb.blue()) << 16);
}

const QList<NamedColor> &namedColors() {
    static const QList<NamedColor> colors{
        {QStringLiteral("Black"), 0x000000},       {QStringLiteral("Maroon"), 0x000080},
        {QStringLiteral("Green"), 0x008000},       {QStringLiteral("Olive"), 0x008080},
        {QStringLiteral("Navy"), 0x800000},        {QStringLiteral("Purple"), 0x800080},
        {QStringLiteral("Teal"), 0x808000},        {QStringLiteral("Gray"), 0x808080},
        {QStringLiteral("Silver"), 0xC0C0C0},      {QStringLiteral("Red"), 0x0000FF},
        {QStringLiteral("Lime"), 0x00FF00},        {QStringLiteral("Yellow"), 0x00FFFF},
        {QStringLiteral("Blue"), 0xFF0000},        {QStringLiteral("Fuchsia"), 0xFF00FF},
        {QStringLiteral("Aqua"), 0xFFFF00},        {QStringLiteral("White"), 0xFFFFFF},
        {QStringLiteral("Money green"), 0xC0DCC0}, {QStringLiteral("Sky blue"), 0xF0CAA6},
        {QStringLiteral("Cream"), 0xF0FBFF},       {QStringLiteral("Medium gray"), 0xA4A0A0},
    };
    return colors;
}

QString colorName(int value) {
    if (isSystemColor(value)) {
        const SystemColor *system = systemColor(value);
        return system ? QString::fromLatin1(system->name) : QString();
    }
    for (const NamedColor &named : namedColors())
        if (named.value == value)
            return named.name;
    return QString();
}

} // namespace corvane
