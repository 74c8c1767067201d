#pragma once

#include "platform/DelayedCall.h"
#include "platform/SoundDevice.h"

#include <SDL_audio.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace rukcon::platform::sdl {

// Sound effects through SDL's audio subsystem. The device's callback mixes every effect that is
// sounding, so a click right after an alert plays over it instead of waiting behind it. Each
// effect has a single voice: playing it again while it sounds restarts it from the beginning,
// which keeps a burst of clicks from piling up into a loud smear. Every effect plays the same way,
// once at full volume, so the option of createEffect is not used.
//
// An open device keeps SDL's audio thread waking for every buffer, even paused, so the device is
// closed after a short silence once the last effect has ended, and opened again by the next play.
// The effects stay converted in memory meanwhile. The close is due at a time known when an effect
// starts (its length plus the silence), so a delayed call armed at each play does it; without one
// the device stays open until quit().
class SdlSoundDevice : public SoundDevice {
public:
    // Silence after the last effect before the device is closed: a burst of clicks plays on
    // one opening, and the output drains the device's last buffer.
    static constexpr int kCloseAfterSilenceMs = 2000;

    explicit SdlSoundDevice(std::unique_ptr<DelayedCall> closeLater = nullptr);
    ~SdlSoundDevice() override;

    SdlSoundDevice(const SdlSoundDevice&) = delete;
    SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

    bool init() override;
    EffectHandle createEffect(const uint8_t* wavImage, size_t size, int option) override;
    void play(EffectHandle effect) override;
    void release(EffectHandle effect) override;
    void quit() override;

    // Closes the device when no effect sounds; otherwise arms the close for when the longest one
    // will have ended. The delayed call runs it.
    void closeIfSilent();

    // For inspection: effects sounding right now, and the open device (0 when closed), which
    // SDL_LockAudioDevice can hold still while they are counted.
    int activeVoiceCount() const;
    SDL_AudioDeviceID deviceId() const { return m_device; }

private:
    // An effect converted to the device's format (a mono one stays mono), and where its voice is.
    struct Effect {
        std::vector<uint8_t> samples;
        Uint8 channels = 0;
        size_t position = 0;
        bool sounding = false;
    };

    static void SDLCALL fillBuffer(void* self, Uint8* stream, int length);
    void mix(Uint8* stream, int length);
    // Into the device's rate and sample format, and its channels unless the recording is mono.
    bool convert(const SDL_AudioSpec& from, const Uint8* data, Uint32 length, std::vector<uint8_t>& out,
                 Uint8& outChannels) const;
    // Opens the output in the format the effects were converted to and starts the audio thread.
    bool openDevice();
    // Arms the close for the end of the longest sounding effect plus the silence; the device
    // must be open.
    void armClose();

    std::unique_ptr<DelayedCall> m_closeLater;
    // True from a successful init() to quit(): effects can be made and played, whether the
    // device is open right now or closed for the silence.
    bool m_subsystem = false;
    SDL_AudioDeviceID m_device = 0;
    SDL_AudioSpec m_spec{};
    // Shared with the audio thread: touched only while the device is locked (the callback runs
    // with the lock held).
    std::map<EffectHandle, Effect> m_effects;
    EffectHandle m_lastHandle = 0;
};

} // namespace rukcon::platform::sdl
