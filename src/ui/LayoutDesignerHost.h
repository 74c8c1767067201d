#pragma once

namespace rukcon::ui {

// What the button layout designer needs from the rest of the program: the click sound, the
// layout file and settings mode. Everything else it reads and writes on the window itself.
class LayoutDesignerHost {
public:
    virtual ~LayoutDesignerHost() = default;
    virtual void playClick() = 0;
    // Stores the panel's current layout in the button layout file.
    virtual void saveLayout() = 0;
    // Settings mode on (the tabs) or off (the button panel), as the program switches it.
    virtual void setSettingsMode(bool on) = 0;
};

} // namespace rukcon::ui
