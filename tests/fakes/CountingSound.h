#pragma once

#include "sound/SoundEffects.h"

namespace rukcon::test {

// A silent sound device that counts what would have been played.
class CountingSound : public sound::SoundEffects {
public:
    int clicks = 0;
    int alerts = 0;
    void playClick() override { ++clicks; }
    void playAlert() override { ++alerts; }
};

} // namespace rukcon::test
