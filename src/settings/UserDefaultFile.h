#pragma once

#include "settings/FieldReader.h"
#include "settings/ProfileControls.h"
#include "settings/SettingsFiles.h"
#include "sound/SoundEffects.h"

namespace rukcon::settings {

// "デフォ設定.txt": the profile the user registered as personal default. It is read once at
// start-up; applying it uses that copy, so a default registered during the run takes effect
// only after the next start.
class UserDefaultFile {
public:
    UserDefaultFile(const SettingsFiles& files, ProfileControls& controls, sound::SoundEffects& sounds)
        : m_files(files), m_controls(controls), m_sounds(sounds)
    {
    }

    // Fills the buffer from the file; changes no control and reports nothing.
    void LoadUserDefault();

    // Writes the current profile to the file (not to the buffer); false (and a message) when
    // the file could not be written.
    bool SaveUserDefault();

    // Puts the buffer into the controls. When its numbers are missing or out of the scroll
    // bars' ranges (nothing registered yet, a hand-edited file) nothing changes and the alert
    // sound plays; the result is then false.
    bool ApplyUserDefault();

    const FieldBuffer& buffer() const { return m_buffer; }

private:
    const SettingsFiles& m_files;
    ProfileControls& m_controls;
    sound::SoundEffects& m_sounds;
    FieldBuffer m_buffer;
};

} // namespace rukcon::settings
