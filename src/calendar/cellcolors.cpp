#include "calendar/cellcolors.h"

namespace corvane {

namespace {

CellShade taskShade(const TaskTable &store, int day, const ShadeOptions &options, const RowFilter &filter) {
    if (options.colorNotDone && dayStatus(store, day, false, true, filter) == DayStatus::NotDone)
        return CellShade::NotDone;
    if (options.colorDone && dayStatus(store, day, true, false, filter) == DayStatus::Done)
        return CellShade::Done;
    return CellShade::Plain;
}

} // namespace

CellShade cellShade(const TaskTable &store, int day, const ShadeOptions &options,
                    const std::function<bool()> &isHoliday, const RowFilter &filter) {
    const CellShade shade = taskShade(store, day, options, filter);
    if (shade == CellShade::Plain && options.colorHoliday && isHoliday())
        return CellShade::Holiday;
    return shade;
}

bool isHighlighted(const TaskTable &store, int day, bool colorDone, bool colorNotDone,
                   const RowFilter &filter) {
    return dayStatus(store, day, colorDone, colorNotDone, filter) != DayStatus::None;
}

const ColorPair &CellPalette::of(CellShade shade) const {
    switch (shade) {
    case CellShade::Holiday:
        return holiday;
    case CellShade::Done:
        return done;
    case CellShade::NotDone:
        return notDone;
    case CellShade::Plain:
        break;
    }
    return plain;
}

} // namespace corvane
