#pragma once

#include "platform/SoundDevice.h"

#include <SDL_audio.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace rukcon::platform::sdl {

// Sound effects through SDL's audio subsystem. The device's callback mixes every effect that is
// sounding, so a click right after an alert plays over it instead of waiting behind it. Each
// effect has a single voice: playing it again while it sounds restarts it from the beginning,
// which keeps a burst of clicks from piling up into a loud smear. Every effect plays the same way,
// once at full volume, so the option of createEffect is not used.
class SdlSoundDevice : public SoundDevice {
public:
    SdlSoundDevice() = default;
    ~SdlSoundDevice() override;

    SdlSoundDevice(const SdlSoundDevice&) = delete;
    SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

    bool init() override;
    EffectHandle createEffect(const uint8_t* wavImage, size_t size, int option) override;
    void play(EffectHandle effect) override;
    void release(EffectHandle effect) override;
    void quit() override;

    // For inspection: effects sounding right now, and the open device (0 when closed), which
    // SDL_LockAudioDevice can hold still while they are counted.
    int activeVoiceCount() const;
    SDL_AudioDeviceID deviceId() const { return m_device; }

private:
    // An effect converted to the device's format, and where its voice is.
    struct Effect {
        std::vector<uint8_t> samples;
        size_t position = 0;
        bool sounding = false;
    };

    static void SDLCALL fillBuffer(void* self, Uint8* stream, int length);
    void mix(Uint8* stream, int length);
    bool convert(const SDL_AudioSpec& from, const Uint8* data, Uint32 length, std::vector<uint8_t>& out) const;

    bool m_subsystem = false;
    SDL_AudioDeviceID m_device = 0;
    SDL_AudioSpec m_spec{};
    // Shared with the audio thread: touched only while the device is locked (the callback runs
    // with the lock held).
    std::map<EffectHandle, Effect> m_effects;
    EffectHandle m_lastHandle = 0;
};

} // namespace rukcon::platform::sdl
