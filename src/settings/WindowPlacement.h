#pragma once

namespace rukcon::settings {

// A rectangle in the order the settings files store it: top, left, height, width.
struct WindowRect {
    int top = 0;
    int left = 0;
    int height = 0;
    int width = 0;

    bool operator==(const WindowRect&) const = default;
};

// The main window's place and size, in twips (1440 per inch).
class WindowPlacement {
public:
    virtual ~WindowPlacement() = default;
    virtual WindowRect mainWindowRect() const = 0;
    virtual void setMainWindowRect(const WindowRect& rect) = 0;
};

} // namespace rukcon::settings
