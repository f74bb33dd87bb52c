#pragma once

namespace corvane {

class SettingsStore;

// The main window's layout kept between runs: three splitter positions and the client size.
struct LayoutValues {
    int split2 = 307;
    int clientHeight = 450;
    int clientWidth = 630;
    int split1 = 280;
    int splitDay = 150;

    // Read from and written to the top level of the settings, in this order; a value that cannot be
    // read keeps what the struct holds.
    void read(const SettingsStore &store);
    void write(SettingsStore &store) const;
    // Brings hand-edited values within what a user can still see and change: the client area within
    // the screen (and no narrower than `minimumWidth`), each splitter leaving its panes some room.
    void fitInto(int screenWidth, int screenHeight, int minimumWidth);
};

} // namespace corvane
