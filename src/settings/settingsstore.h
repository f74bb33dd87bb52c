#pragma once

#include <QString>

#include <memory>
#include <optional>

class QSettings;

namespace corvane {

// The per-user settings: organisation "Halvering Corporation", application "Task", sections as groups and
// the layout values at the top level (an empty section). Every value is stored as text: booleans as "1" or
// "0", integers (colours and sizes too) as signed decimal. Reading takes "0x"/"0X" texts longer than two
// characters as hexadecimal; an absent or unreadable value gives the default.
class SettingsStore {
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // Points every store opened afterwards at an INI file (tests); an empty text returns to the user's store.
    static void setFileForTesting(const QString &fileName);

    bool readBool(const QString &section, const QString &name, bool fallback) const;
    int readInt(const QString &section, const QString &name, int fallback) const;
    QString readText(const QString &section, const QString &name, const QString &fallback) const;
    bool contains(const QString &section, const QString &name) const;

    void writeBool(const QString &section, const QString &name, bool value);
    void writeInt(const QString &section, const QString &name, int value);
    void writeText(const QString &section, const QString &name, const QString &value);

    // Writes pending values to disk; false with the reason when that failed.
    bool sync(QString *error = nullptr);

    // The encodings themselves.
    static std::optional<int> parseInt(const QString &text);
    static QString boolText(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }

private:
    QString key(const QString &section, const QString &name) const;
    std::unique_ptr<QSettings> m_settings;
};

} // namespace corvane
