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
    if (!applied) {
        // The caption fragment read from the file is kept even then.
        Profile defaults = LastExitFallbackProfile();
        defaults.captionFragment = m_buffer[field::kCaptionFragment];
        m_controls.apply(defaults, {ProfileOrigin::BuiltIn, NameOrder::NameFirst});
    }
    return applied;
}

bool LastExitFile::SaveLastExit()
{
    const ProfileRecord record = CaptureProfileRecord(m_controls);
    return m_files.save(texts::kLastExitFile, record);
}

} // namespace rukcon::settings
