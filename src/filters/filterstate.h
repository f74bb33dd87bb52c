#pragma once

#include "store/routines.h"

#include <QList>
#include <QString>
#include <QStringList>

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

    // The entries from the category choices file, none ticked.
    void loadEntries(const QString &choicesFile);
    // Ticks the entries of the saved selection file; every entry when there is no such file.
    void tickSaved(const QString &selectionFile);
    // Rewrites the selection file with the ticked entries; on failure the old file stays whole.
    bool saveSelection(const QString &selectionFile, QString *error = nullptr) const;

    // The two switches in the settings section "Filter", each shown when absent.
    void readSwitches(const SettingsStore &store);
    void writeSwitches(SettingsStore &store) const;

private:
    void countUnticked();

    QList<Entry> m_entries;
    int m_unticked = 0;
    bool m_showDone = true;
    bool m_showNotDone = true;
};

} // namespace corvane
