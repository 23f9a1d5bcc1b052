// The main window's saved placement in the per-user settings: application "ミルテ", section
// "Settings", keys MainLeft, MainTop, MainWidth, MainHeight, twips as single-precision number text.
#pragma once

struct WindowPlacement {
    double left = 1000;
    double top = 1000;
    double width = 10725;
    double height = 9855;
};

class PlacementStore {
public:
    virtual ~PlacementStore() = default;
    // A missing key, or one that is not a number, gives its default.
    virtual WindowPlacement load() const;
    virtual void save(const WindowPlacement& placement);
};
