#pragma once

#include <QString>

namespace rukcon::app {

// The two tray texts that follow the profile name: the tray window's caption (which the icon
// shows as its tooltip) and the caption of the menu item that brings the target to the front.
class TrayTexts {
public:
    virtual ~TrayTexts() = default;
    virtual void setTrayCaption(const QString& text) = 0;
    virtual void setActivateItemCaption(const QString& text) = 0;
};

} // namespace rukcon::app
