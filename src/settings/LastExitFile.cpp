#include "settings/LastExitFile.h"

#include "settings/ProfileRecord.h"
#include "settings/SettingsTexts.h"

namespace rukcon::settings {

namespace {
constexpr int kDefaultReactionTime = 128;
constexpr int kDefaultArrowMultiplier = 1;
} // namespace

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
    for (int slot = 0; slot < ProfileControls::kSlotCount; ++slot) {
        for (int position = 0; position < ProfileControls::kKeyPositions; ++position)
            m_controls.clearKeyList(slot, position);
        for (int position = 0; position < ProfileControls::kKeyPositions; ++position)
            m_controls.setKeyChoice(slot, position, texts::kKeyNone);
    }
    m_controls.setKeyChoice(10, 0, texts::kKeyLeft);
    m_controls.setKeyChoice(11, 0, texts::kKeyRight);
    m_controls.setKeyChoice(12, 0, texts::kKeyUp);
    m_controls.setKeyChoice(13, 0, texts::kKeyDown);
    m_controls.setKeyChoice(14, 0, texts::kKeyF24);
    m_controls.setKeyChoice(6, 0, texts::kKeyF24);
    m_controls.setReactionTime(kDefaultReactionTime);
    m_controls.setArrowMultiplier(kDefaultArrowMultiplier);
    m_controls.setProfileName("");
    m_controls.setCaptionFragment("");
}

} // namespace rukcon::settings
