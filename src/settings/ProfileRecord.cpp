#include "settings/ProfileRecord.h"

#include "settings/FieldConversion.h"

namespace rukcon::settings {

namespace {

constexpr size_t KeyField(int slot, int position)
{
    return static_cast<size_t>(slot * kKeyPositions + position);
}

bool InRange(const std::optional<int>& value, int min, int max)
{
    return value && *value >= min && *value <= max;
}

} // namespace

ProfileRecord ToProfileRecord(const Profile& profile)
{
    ProfileRecord record;
    for (int slot = 0; slot < kSlotCount; ++slot)
        for (int position = 0; position < kKeyPositions; ++position)
            record[KeyField(slot, position)] = profile.keys[size_t(slot)][size_t(position)];
    record[field::kReactionTime] = std::to_string(profile.reactionTime);
    record[field::kArrowMultiplier] = std::to_string(profile.arrowMultiplier);
    record[field::kProfileName] = profile.name;
    record[field::kCaptionFragment] = profile.captionFragment;
    return record;
}

Profile ReadProfile(const ProfileControls& controls)
{
    Profile profile;
    for (int slot = 0; slot < kSlotCount; ++slot)
        for (int position = 0; position < kKeyPositions; ++position)
            profile.keys[size_t(slot)][size_t(position)] = controls.keyChoice(slot, position);
    profile.reactionTime = controls.reactionTime();
    profile.arrowMultiplier = controls.arrowMultiplier();
    profile.name = controls.profileName();
    profile.captionFragment = controls.captionFragment();
    return profile;
}

ProfileRecord CaptureProfileRecord(const ProfileControls& controls)
{
    return ToProfileRecord(ReadProfile(controls));
}

void ApplyProfileRecord(ProfileControls& controls, std::span<const std::string> buffer, size_t first, NameOrder order,
                        StepRecorder& steps)
{
    if (!steps.note(first + kProfileFieldCount <= buffer.size()))
        return;
    const std::span<const std::string> record = buffer.subspan(first, kProfileFieldCount);

    for (int slot = 0; slot < kSlotCount; ++slot)
        for (int position = 0; position < kKeyPositions; ++position)
            controls.setKeyChoice(slot, position, record[KeyField(slot, position)]);

    const std::optional<int> reactionTime = FieldConversion::ToInteger(record[field::kReactionTime]);
    const std::optional<int> multiplier = FieldConversion::ToInteger(record[field::kArrowMultiplier]);
    steps.note(reactionTime.has_value());
    steps.note(multiplier.has_value());
    if (multiplier)
        steps.note(controls.setArrowMultiplier(*multiplier));
    if (reactionTime)
        steps.note(controls.setReactionTime(*reactionTime));

    if (order == NameOrder::NameFirst) {
        controls.setProfileName(record[field::kProfileName]);
        controls.setCaptionFragment(record[field::kCaptionFragment]);
    } else {
        controls.setCaptionFragment(record[field::kCaptionFragment]);
        controls.setProfileName(record[field::kProfileName]);
    }
}

bool CanApplyProfileRecord(std::span<const std::string> buffer, size_t first)
{
    if (first + kProfileFieldCount > buffer.size())
        return false;
    return InRange(FieldConversion::ToInteger(buffer[first + field::kReactionTime]), kReactionTimeMin,
                   kReactionTimeMax) &&
           InRange(FieldConversion::ToInteger(buffer[first + field::kArrowMultiplier]), kArrowMultiplierMin,
                   kArrowMultiplierMax);
}

} // namespace rukcon::settings
