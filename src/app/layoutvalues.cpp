#include "app/layoutvalues.h"

#include "settings/settingsstore.h"

namespace corvane {

namespace {

struct Named {
    const char *name;
    int LayoutValues::*value;
};

constexpr Named layoutNames[] = {{"Split2", &LayoutValues::split2},
                                 {"ClientHeight", &LayoutValues::clientHeight},
                                 {"ClientWidth", &LayoutValues::clientWidth},
                                 {"Split1", &LayoutValues::split1},
                                 {"SplitDay", &LayoutValues::splitDay}};

} // namespace

void LayoutValues::read(const SettingsStore &store) {
    for (const Named &n : layoutNames)
        this->*n.value = store.readInt(QString(), QLatin1String(n.name), this->*n.value);
}

void LayoutValues::write(SettingsStore &store) const {
    for (const Named &n : layoutNames)
        store.writeText(QString(), QLatin1String(n.name), QString::number(this->*n.value));
}

} // namespace corvane
