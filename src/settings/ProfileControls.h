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

// The profile in force as the settings files see it: what they save, and where they put a profile.
class ProfileControls {
public:
    virtual ~ProfileControls() = default;

    // The profile in force now.
    virtual Profile read() const = 0;

    // Puts the profile into force, every value set as a user's change would set it, so whatever
    // follows a value (the label and the poll timer of a number) follows. A number outside its
    // range (kReactionTimeMin … kReactionTimeMax, kArrowMultiplierMin … kArrowMultiplierMax) is
    // refused and keeps its value; the other steps still run. False when a number was refused.
    virtual bool apply(const Profile& profile, ApplyOrder order) = 0;
};

} // namespace rukcon::settings
