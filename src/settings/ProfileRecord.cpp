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

ProfileRecord CaptureProfileRecord(const ProfileControls& controls)
{
    return ToProfileRecord(controls.read());
}

std::optional<RecordedProfile> ProfileFromRecord(std::span<const std::string> buffer, size_t first)
{
    if (first + kProfileFieldCount > buffer.size())
        return std::nullopt;
    const std::span<const std::string> record = buffer.subspan(first, kProfileFieldCount);
    RecordedProfile recorded;
    Profile& profile = recorded.profile;
    for (int slot = 0; slot < kSlotCount; ++slot)
        for (int position = 0; position < kKeyPositions; ++position)
            profile.keys[size_t(slot)][size_t(position)] = record[KeyField(slot, position)];
    const std::optional<int> reactionTime = FieldConversion::ToInteger(record[field::kReactionTime]);
    const std::optional<int> multiplier = FieldConversion::ToInteger(record[field::kArrowMultiplier]);
    recorded.numbersConverted = reactionTime && multiplier;
    profile.reactionTime = reactionTime.value_or(0);
    profile.arrowMultiplier = multiplier.value_or(0);
    profile.name = record[field::kProfileName];
    profile.captionFragment = record[field::kCaptionFragment];
    return recorded;
}

void ApplyProfileRecord(ProfileControls& controls, std::span<const std::string> buffer, size_t first, NameOrder order,
                        StepRecorder& steps)
{
    const std::optional<RecordedProfile> recorded = ProfileFromRecord(buffer, first);
    if (!steps.note(recorded.has_value()))
        return;
    steps.note(recorded->numbersConverted);
    steps.note(controls.apply(recorded->profile, {ProfileOrigin::Record, order}));
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
