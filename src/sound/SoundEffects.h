#pragma once

namespace rukcon::sound {

// The sounds the program makes, by role: the click ("001.wav"), the alert ("002.wav") and the
// platform's default beep. Playing never blocks and never fails visibly: an effect that could not
// be loaded is silent.
class SoundEffects {
public:
    virtual ~SoundEffects() = default;
    virtual void playClick() = 0;
    virtual void playAlert() = 0;
    virtual void systemBeep() = 0;
};

} // namespace rukcon::sound
