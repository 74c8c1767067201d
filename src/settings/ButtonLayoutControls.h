#pragma once

#include "settings/Profile.h"
#include "settings/WindowPlacement.h"

namespace rukcon::settings {

// One button of the controller picture, Command11(k).
struct LayoutButton {
    WindowRect rect; // in twips, relative to the button panel
    bool visible = true;

    bool operator==(const LayoutButton&) const = default;
};

// The fourteen buttons of the controller picture: 0 ↑, 1 →, 2 ↓, 3 ←, 4 … 13 buttons 1 … 10.
class ButtonLayoutControls {
public:
    static constexpr int kButtonCount = kInputCount;

    virtual ~ButtonLayoutControls() = default;
    virtual LayoutButton layoutButton(int index) const = 0;
    virtual void setLayoutButton(int index, const LayoutButton& button) = 0;
};

} // namespace rukcon::settings
