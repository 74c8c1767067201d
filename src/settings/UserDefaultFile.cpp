#include "settings/UserDefaultFile.h"

#include "settings/ProfileRecord.h"
#include "settings/SettingsTexts.h"

namespace rukcon::settings {

void UserDefaultFile::LoadUserDefault()
{
    StepRecorder steps; // failures here are not reported: a missing default is normal
    m_files.readFixedFile(texts::kUserDefaultFile, m_buffer, steps);
}

bool UserDefaultFile::SaveUserDefault()
{
    const ProfileRecord record = CaptureProfileRecord(m_controls);
    return m_files.save(texts::kUserDefaultFile, record);
}

bool UserDefaultFile::ApplyUserDefault()
{
    if (!CanApplyProfileRecord(m_buffer, 0)) {
        m_sounds.playAlert();
        return false;
    }
    StepRecorder steps;
    ApplyProfileRecord(m_controls, m_buffer, 0, NameOrder::CaptionFirst, steps);
    return !steps.anyFailed();
}

} // namespace rukcon::settings
