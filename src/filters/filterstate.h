#pragma once

#include "store/routines.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace corvane {

class SettingsStore;

// What the filter lets the views see of the date-oriented tasks: the category entries with their ticks
// and the two switches for done and not-done tasks. It never changes stored data.
class FilterState {
public:
    struct Entry {
        QString name;
        bool ticked = false;
    };

    // The category choices become the entries, none ticked.
    void setEntries(const QStringList &names);
    const QList<Entry> &entries() const { return m_entries; }
    void setTicked(int entry, bool ticked);
    void tickAll(bool ticked);
    // Ticks every entry named (ignoring case) by a line of the saved selection; unticks none.
    void tickSelected(const QStringList &selection);
    // The names of the ticked entries, in list order: the saved selection.
    QStringList selection() const;

    bool showDone() const { return m_showDone; }
    void setShowDone(bool show) { m_showDone = show; }
    bool showNotDone() const { return m_showNotDone; }
    void setShowNotDone(bool show) { m_showNotDone = show; }

    // The filter test, asked with a row's Done text and Category. A category no entry names passes.
    bool passes(const QString &done, const QString &category) const;
    // In force when a switch is off or an entry is unticked.
    bool isOn() const { return !m_showDone || !m_showNotDone || m_unticked > 0; }
    // The filter test as the views take it; it reads this state at every call.
    RowFilter rowFilter() const;

    // The entries from the category choices file; an entry already in the list keeps its tick, a new one
    // starts unticked.
    void loadEntries(const QString &choicesFile);
    // Ticks the entries of the saved selection file, and those the filter had not offered when the
    // selection was saved (so a category added since shows); every entry when there is no such file.
    void tickSaved(const QString &selectionFile);
    // Rewrites the selection file with the ticked entries; on failure the old file stays whole. The
    // entries offered become those of the list.
    [[nodiscard]] bool saveSelection(const QString &selectionFile, QString *error = nullptr);

    // The two switches in the settings section "Filter", each shown when absent, and the entries offered
    // when the selection was last saved (none stored: every entry was).
    void readSwitches(const SettingsStore &store);
    void writeSwitches(SettingsStore &store) const;

private:
    void countUnticked();

    QList<Entry> m_entries;
    std::optional<QStringList> m_offered;
    int m_unticked = 0;
    bool m_showDone = true;
    bool m_showNotDone = true;
};

} // namespace corvane
