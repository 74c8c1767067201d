#pragma once

#include "settings/Profile.h"
#include "settings/ProfileControls.h"
#include "settings/StepRecorder.h"

#include <array>
#include <cstddef>
#include <optional>
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

ProfileRecord ToProfileRecord(const Profile& profile);
ProfileRecord CaptureProfileRecord(const ProfileControls& controls);

// A profile read back from a record, and whether both its numbers converted. A number that does
// not convert is left 0, which neither scroll bar accepts, so applying it leaves that bar alone.
struct RecordedProfile {
    Profile profile;
    bool numbersConverted = true;
};
static_assert(kReactionTimeMin > 0 && kArrowMultiplierMin > 0);

// The record that starts at buffer[first]; nothing when the buffer ends before the record does.
std::optional<RecordedProfile> ProfileFromRecord(std::span<const std::string> buffer, size_t first);

// Puts the record that starts at buffer[first] into the controls as a record goes in (see
// ApplyOrder). A record the buffer cannot hold, a number that does not convert and a number its
// scroll bar refuses are failed steps, noted in steps; the other steps still run.
void ApplyProfileRecord(ProfileControls& controls, std::span<const std::string> buffer, size_t first, NameOrder order,
                        StepRecorder& steps);

// True when both numbers of the record convert and lie in their scroll bar's range, so that
// applying it cannot fail half-way.
bool CanApplyProfileRecord(std::span<const std::string> buffer, size_t first);

} // namespace rukcon::settings
