#pragma once

namespace rukcon::settings {

// The sound effects the settings commands play; a missing effect is simply silent.
class SoundCues {
public:
    virtual ~SoundCues() = default;
    virtual void playClickSound() = 0; // "001.wav"
    virtual void playAlertSound() = 0; // "002.wav"
    virtual void systemBeep() = 0;     // the platform's default beep
};

} // namespace rukcon::settings
