#pragma once

#include "settings/Profile.h"
#include "settings/ProfileControls.h"
#include "settings/StepRecorder.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>

namespace rukcon::settings {

// One profile as five settings files store it, 49 text fields: the three key choices of
// slots 0 … 14 (3s, 3s+1, 3s+2), then reaction time, arrow multiplier, profile name and
// caption fragment. A field's position is its only meaning.
inline constexpr size_t kProfileFieldCount = 49;
using ProfileRecord = std::array<std::string, kProfileFieldCount>;

namespace field {
inline constexpr size_t kReactionTime = 45;
inline constexpr size_t kArrowMultiplier = 46;
inline constexpr size_t kProfileName = 47;
inline constexpr size_t kCaptionFragment = 48;
} // namespace field

// The callers set name and caption fragment in different orders; each one's change handler
// runs at its own time, so the order is kept as each caller has it.
enum class NameOrder { NameFirst, CaptionFirst };

ProfileRecord ToProfileRecord(const Profile& profile);

// The profile the controls show now.
Profile ReadProfile(const ProfileControls& controls);
ProfileRecord CaptureProfileRecord(const ProfileControls& controls);

// Puts the record that starts at buffer[first] into the controls: the 45 key choices, the
// multiplier, then the reaction time, then name and caption fragment. A number that does not
// convert or that its scroll bar refuses is a failed step, noted in steps; the other steps
// still run.
void ApplyProfileRecord(ProfileControls& controls, std::span<const std::string> buffer, size_t first, NameOrder order,
                        StepRecorder& steps);

// True when both numbers of the record convert and lie in their scroll bar's range, so that
// applying it cannot fail half-way.
bool CanApplyProfileRecord(std::span<const std::string> buffer, size_t first);

} // namespace rukcon::settings
