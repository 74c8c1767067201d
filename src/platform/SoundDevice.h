#pragma once

#include <cstddef>
#include <cstdint>

namespace rukcon::platform {

using EffectHandle = uint32_t; // 0 = none

// Plays short sound effects. Effects are created once from WAV files and started by handle; each
// backend mixes them itself, so effects started close together sound at the same time.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    // Opens the audio output. False when there is none (no driver, no device, headless machine);
    // the device then stays closed and creates no effects.
    virtual bool init() = 0;

    // Makes an effect from a complete WAV file image in memory (header included). The image is
    // copied or decoded here and may be freed on return. The option comes from the program's
    // effect table; a backend may ignore it. Returns 0 when the device is closed or cannot use
    // the image.
    virtual EffectHandle createEffect(const uint8_t* wavImage, size_t size, int option) = 0;

    // Starts the effect and returns at once, without waiting for any sound to be produced.
    // Handle 0, or one that is unknown or released, does nothing.
    virtual void play(EffectHandle effect) = 0;

    // Stops the effect if it sounds and forgets it. Handle 0 or an unknown handle does nothing.
    virtual void release(EffectHandle effect) = 0;

    // Closes the audio output and releases every effect left. Harmless when not open.
    virtual void quit() = 0;
};

} // namespace rukcon::platform
