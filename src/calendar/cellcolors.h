#pragma once

#include "store/routines.h"

#include <QColor>

#include <functional>

namespace corvane {

// How a day cell of the displayed month is coloured.
enum class CellShade { Plain, Holiday, Done, NotDone };

// The colour options: which states are coloured.
struct ShadeOptions {
    bool colorDone = true;
    bool colorNotDone = true;
    bool colorHoliday = true;
};

// A day's shade. Task states win over holidays, and pending tasks over done ones when both are coloured;
// rows the filter hides count for nothing. `isHoliday` is asked only when a holiday could show.
CellShade cellShade(const TaskTable &store, int day, const ShadeOptions &options,
                    const std::function<bool()> &isHoliday, const RowFilter &filter);

// A day is highlighted when it has a visible task in a coloured state (holidays do not count).
bool isHighlighted(const TaskTable &store, int day, bool colorDone, bool colorNotDone,
                   const RowFilter &filter);

struct ColorPair {
    QColor background;
    QColor text;
};

struct CellPalette {
    ColorPair plain;
    ColorPair holiday;
    ColorPair done;
    ColorPair notDone;

    const ColorPair &of(CellShade shade) const;
};

} // namespace corvane
