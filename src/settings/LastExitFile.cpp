#include "settings/LastExitFile.h"

#include "settings/Profile.h"
#include "settings/ProfileRecord.h"
#include "settings/SettingsTexts.h"

namespace rukcon::settings {

bool LastExitFile::LoadLastExit()
{
    StepRecorder steps;
    m_files.readFixedFile(texts::kLastExitFile, m_buffer, steps);
    steps.restart(); // a missing folder or file only means "nothing read"

    ApplyProfileRecord(m_controls, m_buffer, 0, NameOrder::NameFirst, steps);
    const bool applied = !steps.anyFailed();
    if (!applied)
        SetBuiltInDefaults();
    m_controls.setCaptionFragment(m_buffer[field::kCaptionFragment]);
    return applied;
}

bool LastExitFile::SaveLastExit()
{
    const ProfileRecord record = CaptureProfileRecord(m_controls);
    return m_files.save(texts::kLastExitFile, record);
}

void LastExitFile::SetBuiltInDefaults()
{
    const Profile& defaults = LastExitFallbackProfile();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        for (int position = 0; position < kKeyPositions; ++position)
            m_controls.clearKeyList(slot, position);
        for (int position = 0; position < kKeyPositions; ++position)
            m_controls.setKeyChoice(slot, position, defaults.keys[size_t(slot)][size_t(position)]);
    }
    m_controls.setReactionTime(defaults.reactionTime);
    m_controls.setArrowMultiplier(defaults.arrowMultiplier);
    m_controls.setProfileName(defaults.name);
    m_controls.setCaptionFragment(defaults.captionFragment);
}

} // namespace rukcon::settings
