#pragma once

#include "settings/Profile.h"

#include <string>

namespace rukcon::settings {

// The controls of the main window that hold one profile. Setting a value runs the control's
// change handler as a user change would; the scroll bars' handlers carry their values into
// the poll cycle, so the store never sets the poll values on its own.
class ProfileControls {
public:
    virtual ~ProfileControls() = default;

    // Visible text of a key-choice box; any text is accepted.
    virtual std::string keyChoice(int slot, int position) const = 0;
    virtual void setKeyChoice(int slot, int position, const std::string& text) = 0;
    // Removes every item of the box's drop-down list, leaving its text alone.
    virtual void clearKeyList(int slot, int position) = 0;

    // HScroll1, reaction time in ms. The setter refuses a value outside the scroll bar's range
    // (kReactionTimeMin … kReactionTimeMax): it returns false and changes nothing.
    virtual int reactionTime() const = 0;
    virtual bool setReactionTime(int milliseconds) = 0;

    // HScroll2, arrow multiplier; refuses values outside kArrowMultiplierMin … kArrowMultiplierMax the same way.
    virtual int arrowMultiplier() const = 0;
    virtual bool setArrowMultiplier(int multiplier) = 0;

    // Text2, the profile name.
    virtual std::string profileName() const = 0;
    virtual void setProfileName(const std::string& name) = 0;

    // Combo2's text, the caption fragment of the target program.
    virtual std::string captionFragment() const = 0;
    virtual void setCaptionFragment(const std::string& fragment) = 0;
};

} // namespace rukcon::settings
