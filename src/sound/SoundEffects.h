#pragma once

namespace rukcon::sound {

// The two effects the program plays, by role. Playing never blocks and never fails visibly:
// an effect that could not be loaded is silent.
class SoundEffects {
public:
    virtual ~SoundEffects() = default;
    virtual void playClick() = 0;
    virtual void playAlert() = 0;
};

} // namespace rukcon::sound
