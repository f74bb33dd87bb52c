#include "filters/filterstate.h"

#include "editing/categoryfile.h"
#include "settings/settingsstore.h"

#include <QFileInfo>

#include <algorithm>

namespace corvane {

namespace {
const QString kSection = QStringLiteral("Filter");
const QString kDone = QStringLiteral("Done");
const QString kNotDone = QStringLiteral("NotDone");
} // namespace

void FilterState::setEntries(const QStringList &names) {
    m_entries.clear();
    for (const QString &name : names)
        m_entries.append({name, false});
    countUnticked();
}

void FilterState::setTicked(int entry, bool ticked) {
    if (entry < 0 || entry >= m_entries.size())
        return;
    m_entries[entry].ticked = ticked;
    countUnticked();
}

void FilterState::tickAll(bool ticked) {
    for (Entry &entry : m_entries)
        entry.ticked = ticked;
    countUnticked();
}

void FilterState::tickSelected(const QStringList &selection) {
    for (Entry &entry : m_entries)
        if (selection.contains(entry.name, Qt::CaseInsensitive))
            entry.ticked = true;
    countUnticked();
}

QStringList FilterState::selection() const {
    QStringList names;
    for (const Entry &entry : m_entries)
        if (entry.ticked)
            names << entry.name;
    return names;
}

bool FilterState::passes(const QString &done, const QString &category) const {
    if (!m_showDone && done == QLatin1String("Yes"))
        return false;
    if (!m_showNotDone && done == QLatin1String("No"))
        return false;
    // With every entry ticked the category cannot hide a row; the views ask for every row they paint.
    if (m_unticked == 0)
        return true;
    for (const Entry &entry : m_entries)
        if (entry.name.compare(category, Qt::CaseInsensitive) == 0)
            return entry.ticked;
    return true;
}

RowFilter FilterState::rowFilter() const {
    return [this](const QString &done, const QString &category) { return passes(done, category); };
}

void FilterState::loadEntries(const QString &choicesFile) {
    setEntries(readCategoryFile(choicesFile));
}

void FilterState::tickSaved(const QString &selectionFile) {
    // An empty file is a saved selection of no entry; only a missing one selects them all.
    if (QFileInfo::exists(selectionFile))
        tickSelected(readCategoryFile(selectionFile));
    else
        tickAll(true);
}

bool FilterState::saveSelection(const QString &selectionFile, QString *error) const {
    return saveCategoryFile(selectionFile, selection(), error);
}

void FilterState::readSwitches(const SettingsStore &store) {
    m_showNotDone = store.readBool(kSection, kNotDone, true);
    m_showDone = store.readBool(kSection, kDone, true);
}

void FilterState::writeSwitches(SettingsStore &store) const {
    store.writeBool(kSection, kNotDone, m_showNotDone);
    store.writeBool(kSection, kDone, m_showDone);
}

void FilterState::countUnticked() {
    m_unticked =
        int(std::count_if(m_entries.cbegin(), m_entries.cend(), [](const Entry &e) { return !e.ticked; }));
}

} // namespace corvane
