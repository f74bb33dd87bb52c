#include "app/layoutvalues.h"

#include "settings/settingsstore.h"

#include <algorithm>

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

void LayoutValues::fitInto(int screenWidth, int screenHeight, int minimumWidth) {
    // The smallest pane a splitter may leave, so its bar can still be taken and dragged.
    constexpr int pane = 20;
    constexpr int minimumHeight = 4 * pane;
    clientWidth = std::clamp(clientWidth, minimumWidth, std::max(minimumWidth, screenWidth));
    clientHeight = std::clamp(clientHeight, minimumHeight, std::max(minimumHeight, screenHeight));
    split2 = std::clamp(split2, pane, clientHeight - pane);
    split1 = std::clamp(split1, pane, clientWidth - pane);
    splitDay = std::clamp(splitDay, pane, std::max(pane, split2 - pane));
}

void LayoutValues::write(SettingsStore &store) const {
    for (const Named &n : layoutNames)
        store.writeText(QString(), QLatin1String(n.name), QString::number(this->*n.value));
}

} // namespace corvane
