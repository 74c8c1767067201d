#pragma once

#include "settings/Profile.h"

namespace rukcon::settings {

// The callers set name and caption fragment in different orders; each one's change handler
// runs at its own time, so the order is kept as each caller has it.
enum class NameOrder { NameFirst, CaptionFirst };

// How a profile goes into the controls depends on where it comes from:
// - a record of a settings file: the key lists keep their items; the arrow multiplier is set,
//   then the reaction time;
// - a built-in profile: every key box's list is emptied as its text is set; the reaction time
//   is set, then the arrow multiplier.
// Either way the 45 key choices come first and the name and caption fragment last.
enum class ProfileOrigin { Record, BuiltIn };

struct ApplyOrder {
    ProfileOrigin origin;
    NameOrder names;
};

// The controls of the main window that hold one profile. The text of a key box stays the truth:
// any text can stand in it, and the dispatch reads it afresh at every key.
class ProfileControls {
public:
    virtual ~ProfileControls() = default;

    // The profile the controls show now.
    virtual Profile read() const = 0;

    // Puts the profile in, every value set as a user change would set it, so each control's
    // change handler runs (the scroll bars' handlers carry their values into the poll cycle).
    // A number outside its scroll bar's range (kReactionTimeMin … kReactionTimeMax,
    // kArrowMultiplierMin … kArrowMultiplierMax) is refused and that bar keeps its value; the
    // other steps still run. False when a number was refused.
    virtual bool apply(const Profile& profile, ApplyOrder order) = 0;
};

} // namespace rukcon::settings
