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
const QString kOffered = QStringLiteral("Offered");
const QString kLineEnd = QStringLiteral("\r\n");
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
    const QList<Entry> old = m_entries;
    setEntries(readCategoryFile(choicesFile));
    for (Entry &entry : m_entries)
        for (const Entry &before : old)
            if (before.name.compare(entry.name, Qt::CaseInsensitive) == 0)
                entry.ticked = before.ticked;
    countUnticked();
}

void FilterState::tickSaved(const QString &selectionFile) {
    // An empty file is a saved selection of no entry; only a missing one selects them all.
    if (!QFileInfo::exists(selectionFile)) {
        tickAll(true);
        return;
    }
    QStringList selected = readCategoryFile(selectionFile);
    if (m_offered)
        for (const Entry &entry : m_entries)
            if (!m_offered->contains(entry.name, Qt::CaseInsensitive))
                selected << entry.name;
    tickSelected(selected);
}

bool FilterState::saveSelection(const QString &selectionFile, QString *error) {
    if (!saveCategoryFile(selectionFile, selection(), error))
        return false;
    QStringList names;
    for (const Entry &entry : m_entries)
        names << entry.name;
    m_offered = names;
    return true;
}

void FilterState::readSwitches(const SettingsStore &store) {
    m_showNotDone = store.readBool(kSection, kNotDone, true);
    m_showDone = store.readBool(kSection, kDone, true);
    if (store.contains(kSection, kOffered))
        m_offered = store.readText(kSection, kOffered, QString()).split(kLineEnd, Qt::SkipEmptyParts);
}

void FilterState::writeSwitches(SettingsStore &store) const {
    store.writeBool(kSection, kNotDone, m_showNotDone);
    store.writeBool(kSection, kDone, m_showDone);
    if (m_offered)
        store.writeText(kSection, kOffered, m_offered->join(kLineEnd));
}

void FilterState::countUnticked() {
    m_unticked =
        int(std::count_if(m_entries.cbegin(), m_entries.cend(), [](const Entry &e) { return !e.ticked; }));
}

} // namespace corvane
