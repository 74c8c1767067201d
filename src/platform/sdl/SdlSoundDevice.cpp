#include "platform/sdl/SdlSoundDevice.h"

#include "platform/FreedMemory.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

namespace rukcon::platform::sdl {

namespace {

// Every effect is converted to this format once, when it is created, so the callback only adds.
constexpr int kRate = 44100;
constexpr SDL_AudioFormat kFormat = AUDIO_S16SYS;
constexpr Uint8 kChannels = 2;
// About 12 ms per buffer: a click follows the button press without a noticeable lag.
constexpr Uint16 kBufferFrames = 512;
// Effects are short. A longer recording would be expanded many times over by the conversion, so
// it is refused instead of filling memory.
constexpr Uint32 kMaxEffectSeconds = 30;

Uint32 frameBytes(SDL_AudioFormat format, Uint8 channels)
{
    return static_cast<Uint32>(SDL_AUDIO_BITSIZE(format) / 8) * channels;
}

// Holds the audio thread still while the effects are touched. A closed device (0) has no audio
// thread to hold.
class DeviceLock {
public:
    explicit DeviceLock(SDL_AudioDeviceID device) : m_device(device)
    {
        if (m_device != 0)
            SDL_LockAudioDevice(m_device);
    }
    ~DeviceLock()
    {
        if (m_device != 0)
            SDL_UnlockAudioDevice(m_device);
    }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

private:
    SDL_AudioDeviceID m_device;
};

} // namespace

SdlSoundDevice::SdlSoundDevice(std::unique_ptr<DelayedCall> closeLater) : m_closeLater(std::move(closeLater)) {}

SdlSoundDevice::~SdlSoundDevice()
{
    quit();
}

bool SdlSoundDevice::init()
{
    if (m_subsystem)
        return true;

    SDL_SetMainReady();
    // The process belongs to Qt: SDL must not take SIGINT/SIGTERM.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    m_subsystem = true;

    // The device is opened once here, so a missing one is known at start-up. It closes after the
    // silence like any other time, also when no effect is ever played.
    if (!openDevice()) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystem = false;
        return false;
    }
    armClose();
    return true;
}

bool SdlSoundDevice::openDevice()
{
    SDL_AudioSpec wanted{};
    wanted.freq = kRate;
    wanted.format = kFormat;
    wanted.channels = kChannels;
    wanted.samples = kBufferFrames;
    wanted.callback = &SdlSoundDevice::fillBuffer;
    wanted.userdata = this;
    // No changes allowed: SDL converts to whatever the hardware wants, and the effects can be
    // prepared in one known format, which every later opening keeps.
    SDL_AudioSpec obtained{};
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (m_device == 0)
        return false;
    m_spec = obtained;
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

EffectHandle SdlSoundDevice::createEffect(const uint8_t* wavImage, size_t size, int /*option*/)
{
    if (!m_subsystem || wavImage == nullptr || size == 0 || size > static_cast<size_t>(INT_MAX))
        return 0;

    SDL_RWops* source = SDL_RWFromConstMem(wavImage, static_cast<int>(size));
    if (!source)
        return 0;
    SDL_AudioSpec wavSpec{};
    Uint8* wavData = nullptr;
    Uint32 wavLength = 0;
    // The 1 lets SDL close the memory reader, whether loading works or not.
    if (!SDL_LoadWAV_RW(source, 1, &wavSpec, &wavData, &wavLength))
        return 0;
    Effect effect;
    const bool converted = convert(wavSpec, wavData, wavLength, effect.samples, effect.channels);
    SDL_FreeWAV(wavData);
    if (!converted)
        return 0;

    DeviceLock lock(m_device);
    const EffectHandle handle = ++m_lastHandle;
    m_effects.emplace(handle, std::move(effect));
    return handle;
}

void SdlSoundDevice::play(EffectHandle effect)
{
    if (effect == 0 || !m_subsystem)
        return;
    // Only this thread adds or removes effects, so the lookup needs no lock.
    const auto found = m_effects.find(effect);
    if (found == m_effects.end() || found->second.samples.empty())
        return;
    // Closed for the silence: opened again for this effect, which is skipped when that fails.
    if (m_device == 0 && !openDevice())
        return;
    {
        DeviceLock lock(m_device);
        found->second.position = 0;
        found->second.sounding = true;
    }
    armClose();
}

void SdlSoundDevice::armClose()
{
    if (!m_closeLater)
        return;
    size_t longestFrames = 0;
    {
        DeviceLock lock(m_device);
        for (const auto& [handle, effect] : m_effects) {
            if (effect.sounding)
                longestFrames = std::max(longestFrames, (effect.samples.size() - effect.position) /
                                                            frameBytes(m_spec.format, effect.channels));
        }
    }
    const size_t framesPerSecond = static_cast<size_t>(std::max(m_spec.freq, 0));
    const size_t soundingMs = framesPerSecond == 0 ? 0 : (longestFrames * 1000 + framesPerSecond - 1) / framesPerSecond;
    m_closeLater->callAfter(static_cast<int>(soundingMs) + kCloseAfterSilenceMs, [this] { closeIfSilent(); });
}

void SdlSoundDevice::closeIfSilent()
{
    if (m_device == 0)
        return;
    bool sounding = false;
    {
        DeviceLock lock(m_device);
        sounding =
            std::any_of(m_effects.begin(), m_effects.end(), [](const auto& entry) { return entry.second.sounding; });
    }
    // The audio thread lagged behind (a slow start of the output): look again when it is done.
    if (sounding) {
        armClose();
        return;
    }
    // Not under the lock: closing waits for the audio thread, which may be waiting for the lock.
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
    // The device's buffers and its thread's arena are unused until the next effect.
    ReturnFreedMemory();
}

void SdlSoundDevice::release(EffectHandle effect)
{
    if (effect == 0 || !m_subsystem)
        return;
    std::map<EffectHandle, Effect>::node_type released;
    {
        DeviceLock lock(m_device);
        released = m_effects.extract(effect);
    }
    // The samples are freed here, after the lock: the audio thread does not wait on the allocator.
}

void SdlSoundDevice::quit()
{
    if (m_closeLater)
        m_closeLater->cancel();
    if (m_device != 0) {
        // Closing waits for the callback to return, so the effects are free to go afterwards.
        SDL_CloseAudioDevice(m_device);
        m_device = 0;
    }
    m_effects.clear();
    if (m_subsystem) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystem = false;
    }
}

int SdlSoundDevice::activeVoiceCount() const
{
    DeviceLock lock(m_device);
    return static_cast<int>(
        std::count_if(m_effects.begin(), m_effects.end(), [](const auto& entry) { return entry.second.sounding; }));
}

void SDLCALL SdlSoundDevice::fillBuffer(void* self, Uint8* stream, int length)
{
    static_cast<SdlSoundDevice*>(self)->mix(stream, length);
}

void SdlSoundDevice::mix(Uint8* stream, int length)
{
    SDL_memset(stream, m_spec.silence, static_cast<size_t>(length));
    for (auto& [handle, effect] : m_effects) {
        if (!effect.sounding)
            continue;
        const size_t left = effect.samples.size() - effect.position;
        if (effect.channels == m_spec.channels) {
            const size_t count = std::min(left, static_cast<size_t>(length));
            // Adds with clipping at full scale; an effect at full volume is heard as recorded.
            SDL_MixAudioFormat(stream, effect.samples.data() + effect.position, m_spec.format,
                               static_cast<Uint32>(count), SDL_MIX_MAXVOLUME);
            effect.position += count;
        } else {
            // A mono effect (kept in 16 bits, see convert) goes into every channel, added the same way.
            const size_t frames = std::min(left / sizeof(Sint16),
                                           static_cast<size_t>(length) / frameBytes(m_spec.format, m_spec.channels));
            auto* out = reinterpret_cast<Sint16*>(stream);
            const auto* in = reinterpret_cast<const Sint16*>(effect.samples.data() + effect.position);
            for (size_t frame = 0; frame < frames; ++frame) {
                for (size_t channel = 0; channel < m_spec.channels; ++channel) {
                    Sint16& sample = out[frame * m_spec.channels + channel];
                    sample = static_cast<Sint16>(std::clamp<int>(sample + in[frame], SDL_MIN_SINT16, SDL_MAX_SINT16));
                }
            }
            effect.position += frames * sizeof(Sint16);
        }
        if (effect.position >= effect.samples.size())
            effect.sounding = false;
    }
}

bool SdlSoundDevice::convert(const SDL_AudioSpec& from, const Uint8* data, Uint32 length, std::vector<uint8_t>& out,
                             Uint8& outChannels) const
{
    const Uint32 inFrame = frameBytes(from.format, from.channels);
    if (inFrame == 0 || from.freq <= 0)
        return false;
    length -= length % inFrame;
    if (length == 0) {
        out.clear();
        outChannels = m_spec.channels;
        return true;
    }
    if (length / inFrame > kMaxEffectSeconds * static_cast<Uint32>(from.freq))
        return false;

    // A mono recording stays mono, at half the memory of a copy for each channel; the mixer puts it
    // into both. It needs the 16-bit samples the device is opened with.
    const Uint8 channels = from.channels == 1 && m_spec.format == AUDIO_S16SYS ? 1 : m_spec.channels;
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, from.format, from.channels, from.freq, m_spec.format, channels, m_spec.freq) < 0)
        return false;

    // The conversion works in place and may need several times the input's room on the way.
    std::vector<uint8_t> work(static_cast<size_t>(length) * static_cast<size_t>(std::max(cvt.len_mult, 1)));
    std::memcpy(work.data(), data, length);
    size_t converted = length;
    if (cvt.needed) {
        cvt.buf = work.data();
        cvt.len = static_cast<int>(length);
        if (SDL_ConvertAudio(&cvt) != 0)
            return false;
        converted = static_cast<size_t>(cvt.len_cvt);
    }
    // The mixer steps through whole frames; a partial one at the end would shift the channels.
    converted -= converted % frameBytes(m_spec.format, channels);
    work.resize(converted);
    // The room the conversion needed on the way is not kept for the program's life.
    work.shrink_to_fit();
    out = std::move(work);
    outChannels = channels;
    return true;
}

} // namespace rukcon::platform::sdl
