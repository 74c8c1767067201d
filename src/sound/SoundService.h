#pragma once

#include "platform/SoundDevice.h"
#include "platform/UserMessages.h"
#include "sound/SoundEffects.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

namespace rukcon::sound {

// Loads the program's effects into the sound device and plays the click and the alert; the beep
// goes to the platform's own. Without an audio device the program goes on silently: every
// handle stays 0 and plays do nothing.
class SoundService : public SoundEffects {
public:
    // Files above this size are refused before they are read; real effects are a few kilobytes.
    static constexpr size_t kMaxEffectFileSize = 16u * 1024u * 1024u;

    static constexpr const char* kNoDeviceMessage = "DirectSoundは使えません。";

    // beep sounds the platform's default beep; without one the beep is silent.
    SoundService(platform::SoundDevice& device, platform::UserMessages& messages, std::function<void()> beep = {})
        : m_device(device), m_messages(messages), m_beep(std::move(beep))
    {
    }

    // Opens the device and loads the four effects: two by bare name from the current directory,
    // then the click and the alert from effectsFolder. When the device cannot be opened the user
    // is told once and false is returned; nothing is loaded.
    bool InitSound(const std::filesystem::path& effectsFolder);

    // Reads the WAV file at path and hands it to the device. No file there: 0, silently. A file
    // that cannot be read, is empty or too large, or that the device refuses: a warning, then 0.
    platform::EffectHandle LoadEffect(const std::string& path, int option);

    // Releases the four effects (the two bare-name ones first, then the click and the alert) and
    // closes the device. Plays afterwards are silent.
    void ShutdownSound();

    void playClick() override;
    void playAlert() override;
    void systemBeep() override;

    platform::EffectHandle effect0() const { return m_effect0; }
    platform::EffectHandle effect1() const { return m_effect1; }
    platform::EffectHandle clickSound() const { return m_clickSound; }
    platform::EffectHandle alertSound() const { return m_alertSound; }

private:
    void play(platform::EffectHandle effect);

    platform::SoundDevice& m_device;
    platform::UserMessages& m_messages;
    std::function<void()> m_beep;
    // Effects 0 and 1 are loaded and released with the others but have no role: nothing plays them.
    platform::EffectHandle m_effect0 = 0;
    platform::EffectHandle m_effect1 = 0;
    platform::EffectHandle m_clickSound = 0;
    platform::EffectHandle m_alertSound = 0;
};

} // namespace rukcon::sound
