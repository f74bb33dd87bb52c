#include "settings/settingsstore.h"

#include <QSettings>

namespace corvane {

namespace {
QString testFile;
}

SettingsStore::SettingsStore()
    : m_settings(testFile.isEmpty() ? std::make_unique<QSettings>(QStringLiteral("Halvering Corporation"),
                                                                  QStringLiteral("Task"))
                                    : std::make_unique<QSettings>(testFile, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

void SettingsStore::setFileForTesting(const QString &fileName) {
    testFile = fileName;
}

QString SettingsStore::key(const QString &section, const QString &name) const {
    return section.isEmpty() ? name : section + QLatin1Char('/') + name;
}

std::optional<int> SettingsStore::parseInt(const QString &text) {
    bool ok = false;
    int value = 0;
    if (text.size() > 2 && (text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X")))) {
        // Colours above 0x7FFFFFFF (system colours) still fit: read unsigned, keep the bits.
        const uint bits = text.mid(2).toUInt(&ok, 16);
        value = int(bits);
    } else {
        value = text.toInt(&ok, 10);
    }
    if (!ok)
        return std::nullopt;
    return value;
}

bool SettingsStore::contains(const QString &section, const QString &name) const {
    return m_settings->contains(key(section, name));
}

bool SettingsStore::readBool(const QString &section, const QString &name, bool fallback) const {
    const std::optional<int> value = parseInt(readText(section, name, QString()));
    return value ? *value != 0 : fallback;
}

int SettingsStore::readInt(const QString &section, const QString &name, int fallback) const {
    return parseInt(readText(section, name, QString())).value_or(fallback);
}

QString SettingsStore::readText(const QString &section, const QString &name, const QString &fallback) const {
    const QVariant value = m_settings->value(key(section, name));
    if (!value.isValid() || !value.canConvert<QString>())
        return fallback;
    return value.toString();
}

void SettingsStore::writeBool(const QString &section, const QString &name, bool value) {
    writeText(section, name, boolText(value));
}

void SettingsStore::writeInt(const QString &section, const QString &name, int value) {
    writeText(section, name, QString::number(value));
}

void SettingsStore::writeText(const QString &section, const QString &name, const QString &value) {
    m_settings->setValue(key(section, name), value);
}

bool SettingsStore::sync(QString *error) {
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError)
        return true;
    if (error)
        *error = m_settings->status() == QSettings::AccessError
                     ? QStringLiteral("the settings file cannot be written")
                     : QStringLiteral("the settings file is malformed");
    return false;
}

} // namespace corvane
