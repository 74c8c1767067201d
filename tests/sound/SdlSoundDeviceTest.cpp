#include "platform/sdl/SdlSoundDevice.h"
#include "fakes/ManualDelayedCall.h"
#include "fakes/RecordingMessages.h"
#include "fakes/TempFolder.h"
#include "platform/sdl/SdlFactory.h"
#include "sound/SoundService.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

using rukcon::platform::EffectHandle;
using rukcon::platform::sdl::SdlSoundDevice;
using rukcon::test::ManualDelayedCall;
using rukcon::test::TempFolder;

namespace {

// Where the build put the program and its bgm folder.
const std::string kAppDir = RUKCON_TEST_APP_DIR;

std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void putLe(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// What the disk driver has written so far, as 16-bit samples.
std::vector<int16_t> readSamples(const std::string& path)
{
    const std::vector<uint8_t> raw = readFile(path);
    std::vector<int16_t> out(raw.size() / 2);
    if (!out.empty())
        std::memcpy(out.data(), raw.data(), out.size() * 2);
    return out;
}

// A WAV file image around raw sample data.
std::vector<uint8_t> wavImage(uint16_t formatTag, uint16_t channels, uint32_t rate, uint16_t bits,
                              const std::vector<uint8_t>& data)
{
    const uint16_t blockAlign = static_cast<uint16_t>(channels * bits / 8);
    std::vector<uint8_t> out;
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    putLe(out, static_cast<uint32_t>(36 + data.size()), 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    putLe(out, 16, 4);
    putLe(out, formatTag, 2);
    putLe(out, channels, 2);
    putLe(out, rate, 4);
    putLe(out, rate * blockAlign, 4);
    putLe(out, blockAlign, 2);
    putLe(out, bits, 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    putLe(out, static_cast<uint32_t>(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

// 16-bit PCM holding one value in every sample: after mixing, the sum is easy to recognise.
std::vector<uint8_t> constantWav(int16_t value, uint16_t channels, uint32_t frames, uint32_t rate = 44100)
{
    std::vector<uint8_t> data;
    for (uint32_t i = 0; i < frames * channels; ++i)
        putLe(data, static_cast<uint16_t>(value), 2);
    return wavImage(1, channels, rate, 16, data);
}

EffectHandle create(SdlSoundDevice& device, const std::vector<uint8_t>& image, int option = 1)
{
    return device.createEffect(image.data(), image.size(), option);
}

// Polls until the condition holds or a generous bound passes; returns the condition's last answer.
template <class Condition> bool eventually(Condition condition)
{
    const Uint64 deadline = SDL_GetTicks64() + 10000;
    while (!condition()) {
        if (SDL_GetTicks64() > deadline)
            return false;
        SDL_Delay(5);
    }
    return true;
}

// Stops the audio thread between buffers, so voices can be counted before any of them ends.
class MixerHold {
public:
    explicit MixerHold(const SdlSoundDevice& device) : m_id(device.deviceId()) { SDL_LockAudioDevice(m_id); }
    ~MixerHold() { SDL_UnlockAudioDevice(m_id); }
    MixerHold(const MixerHold&) = delete;
    MixerHold& operator=(const MixerHold&) = delete;

private:
    SDL_AudioDeviceID m_id;
};

class SdlSoundDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(device.init()) << SDL_GetError();
        click = readFile(kAppDir + "/bgm/001.wav");
        alert = readFile(kAppDir + "/bgm/002.wav");
        ASSERT_FALSE(click.empty()) << "the build did not generate " << kAppDir << "/bgm/001.wav";
        ASSERT_FALSE(alert.empty()) << "the build did not generate " << kAppDir << "/bgm/002.wav";
    }

    SdlSoundDevice device;
    std::vector<uint8_t> click;
    std::vector<uint8_t> alert;
};

TEST_F(SdlSoundDeviceTest, generatedEffects_loadAndSoundTogether)
{
    const EffectHandle clickEffect = create(device, click);
    const EffectHandle alertEffect = create(device, alert, 3);
    ASSERT_NE(clickEffect, 0u);
    ASSERT_NE(alertEffect, 0u);
    EXPECT_NE(clickEffect, alertEffect);

    {
        // Were play to wait for the audio thread, it would never return under the hold.
        MixerHold hold(device);
        device.play(alertEffect);
        device.play(clickEffect);
        EXPECT_EQ(device.activeVoiceCount(), 2) << "the second effect waits behind the first";
    }
    // Released, the mixer plays both to their end.
    EXPECT_TRUE(eventually([&] { return device.activeVoiceCount() == 0; }));
}

TEST_F(SdlSoundDeviceTest, play_sameEffectAgain_restartsItsOneVoice)
{
    const EffectHandle a = create(device, constantWav(1000, 1, 44100));
    const EffectHandle b = create(device, constantWav(2000, 1, 44100));
    MixerHold hold(device);
    device.play(a);
    device.play(a);
    EXPECT_EQ(device.activeVoiceCount(), 1);
    device.play(b);
    EXPECT_EQ(device.activeVoiceCount(), 2);
}

TEST_F(SdlSoundDeviceTest, playAndRelease_unknownOrReleasedHandles_doNothing)
{
    const EffectHandle a = create(device, click);
    const EffectHandle b = create(device, alert);
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    MixerHold hold(device);

    device.play(0);
    device.play(b + 100);
    device.release(0);
    device.release(b + 100);
    EXPECT_EQ(device.activeVoiceCount(), 0);

    device.play(a);
    device.play(b);
    device.release(a); // stops it at once
    EXPECT_EQ(device.activeVoiceCount(), 1);
    device.play(a);
    device.release(a);
    EXPECT_EQ(device.activeVoiceCount(), 1);
    device.play(b);
    EXPECT_EQ(device.activeVoiceCount(), 1);
}

TEST_F(SdlSoundDeviceTest, createEffect_formatsSdlReads_areConvertedAndAccepted)
{
    std::vector<uint8_t> float32;
    for (int i = 0; i < 4410; ++i) {
        const float value = (i % 2) ? 0.25f : -0.25f;
        uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        putLe(float32, bits, 4);
    }
    struct Case {
        const char* name;
        std::vector<uint8_t> image;
    };
    const std::vector<Case> cases = {
        {"8-bit mono 11025 Hz", wavImage(1, 1, 11025, 8, std::vector<uint8_t>(1102, 0x90))},
        {"16-bit stereo 48000 Hz", constantWav(-3000, 2, 4800, 48000)},
        {"16-bit mono 22050 Hz, odd length", constantWav(500, 1, 2205, 22050)},
        {"32-bit float mono 44100 Hz", wavImage(3, 1, 44100, 32, float32)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EffectHandle effect = create(device, c.image);
        EXPECT_NE(effect, 0u) << SDL_GetError();
        MixerHold hold(device);
        device.play(effect);
        EXPECT_EQ(device.activeVoiceCount(), 1);
        device.release(effect);
    }
}

TEST_F(SdlSoundDeviceTest, createEffect_notAWave_returnsZero)
{
    std::vector<uint8_t> unknownFormat = constantWav(1000, 1, 100);
    unknownFormat[20] = 0x99; // format tag nobody defines
    const std::vector<uint8_t> garbage = {'h', 'e', 'l', 'l', 'o', 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::vector<uint8_t> headerOnly(click.begin(), click.begin() + 12);

    EXPECT_EQ(create(device, garbage), 0u);
    EXPECT_EQ(create(device, headerOnly), 0u);
    EXPECT_EQ(create(device, unknownFormat), 0u);
    EXPECT_EQ(device.createEffect(click.data(), 0, 1), 0u);
    EXPECT_EQ(device.createEffect(nullptr, 100, 1), 0u);
    // A refused image leaves the device fit for the next.
    EXPECT_NE(create(device, click), 0u);
}

TEST_F(SdlSoundDeviceTest, quit_closesAndAFreshInitWorks)
{
    const EffectHandle a = create(device, click);
    ASSERT_NE(a, 0u);
    device.play(a);
    device.quit();

    EXPECT_EQ(device.deviceId(), 0u);
    EXPECT_EQ(device.activeVoiceCount(), 0);
    device.play(a);
    device.release(a);
    EXPECT_EQ(create(device, click), 0u);
    device.quit();

    ASSERT_TRUE(device.init()) << SDL_GetError();
    const EffectHandle b = create(device, alert);
    ASSERT_NE(b, 0u);
    MixerHold hold(device);
    device.play(a); // from before the quit: gone
    EXPECT_EQ(device.activeVoiceCount(), 0);
    device.play(b);
    EXPECT_EQ(device.activeVoiceCount(), 1);
}

// The environment variable steers SDL's choice of driver at init; every test leaves it at dummy.
class DriverChoice : public ::testing::Test {
protected:
    void TearDown() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        unsetenv("SDL_DISKAUDIOFILE");
    }
};

TEST_F(DriverChoice, init_driverUnavailable_failsAndCreatesNothing)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlSoundDevice device;
    EXPECT_FALSE(device.init());
    const std::vector<uint8_t> image = constantWav(1000, 1, 100);
    EXPECT_EQ(create(device, image), 0u);
    device.play(1);
    device.quit();
}

TEST_F(DriverChoice, soundService_withAndWithoutDevice)
{
    for (const auto& [driver, expectedInformations] :
         {std::pair{"dummy", std::vector<std::string>{}},
          std::pair{"no-such-driver", std::vector<std::string>{"DirectSoundは使えません。"}}}) {
        SCOPED_TRACE(driver);
        setenv("SDL_AUDIODRIVER", driver, 1);
        const auto device = rukcon::platform::sdl::createSoundDevice();
        rukcon::test::RecordingMessages messages;
        rukcon::sound::SoundService service(*device, messages);
        const bool opened = expectedInformations.empty();
        EXPECT_EQ(service.InitSound(kAppDir + "/bgm"), opened);
        EXPECT_EQ(service.clickSound() != 0u, opened);
        EXPECT_EQ(service.alertSound() != 0u, opened);
        EXPECT_EQ(messages.informations, expectedInformations);
        EXPECT_TRUE(messages.warnings.empty());
        service.playClick();
        service.playAlert();
        service.ShutdownSound();
    }
}

// The disk driver writes the mixed output to a file in real time, in the device's format
// (16-bit stereo), so what would have been heard can be read back. The close after the silence
// runs only when a test fires it.
class DiskOutput : public DriverChoice {
protected:
    void SetUp() override
    {
        output = (folder.path() / "out.raw").string();
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        auto call = std::make_unique<ManualDelayedCall>();
        closeLater = call.get();
        device = std::make_unique<SdlSoundDevice>(std::move(call));
        ASSERT_TRUE(device->init()) << SDL_GetError();
    }

    std::vector<int16_t> samples() const { return readSamples(output); }

    TempFolder folder;
    std::string output;
    ManualDelayedCall* closeLater = nullptr;
    std::unique_ptr<SdlSoundDevice> device;
};

TEST_F(DiskOutput, generatedEffects_areAudible)
{
    const EffectHandle click = create(*device, readFile(kAppDir + "/bgm/001.wav"));
    const EffectHandle alert = create(*device, readFile(kAppDir + "/bgm/002.wav"));
    ASSERT_NE(click, 0u);
    ASSERT_NE(alert, 0u);
    device->play(click);
    device->play(alert);

    // Both effects peak at well over a tenth of full scale.
    EXPECT_TRUE(eventually([&] {
        const std::vector<int16_t> s = samples();
        return std::any_of(s.begin(), s.end(), [](int16_t v) { return v > 3000 || v < -3000; });
    })) << "only silence was written";
}

TEST_F(DiskOutput, twoEffects_areAddedSampleBySample)
{
    // Stereo at the device's rate, so the samples reach the mixer unconverted; one second each,
    // which keeps them overlapping even if this thread is held up between the two plays.
    const EffectHandle a = create(*device, constantWav(1000, 2, 44100));
    const EffectHandle b = create(*device, constantWav(2000, 2, 44100));
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    device->play(a);
    device->play(b);

    std::vector<int16_t> written;
    EXPECT_TRUE(eventually([&] {
        written = samples();
        return std::find(written.begin(), written.end(), 3000) != written.end();
    })) << "the two effects never sounded together";
    for (const int16_t v : written)
        ASSERT_TRUE(v == 0 || v == 1000 || v == 2000 || v == 3000) << "unexpected sample " << v;
}

// A mono effect is kept mono and added into each channel, clipped at full scale like the rest.
TEST_F(DiskOutput, monoAndStereoEffects_addedInEveryChannelAndClipped)
{
    // Made second, the mono one is mixed onto the stereo one.
    const EffectHandle stereo = create(*device, constantWav(10000, 2, 44100));
    const EffectHandle mono = create(*device, constantWav(30000, 1, 44100));
    ASSERT_NE(mono, 0u);
    ASSERT_NE(stereo, 0u);
    device->play(mono);
    device->play(stereo);

    std::vector<int16_t> written;
    EXPECT_TRUE(eventually([&] {
        written = samples();
        return std::find(written.begin(), written.end(), 32767) != written.end();
    })) << "the two effects never sounded together";
    for (size_t i = 0; i + 1 < written.size(); i += 2) {
        ASSERT_EQ(written[i], written[i + 1]) << "channels differ at frame " << i / 2;
        ASSERT_TRUE(written[i] == 0 || written[i] == 10000 || written[i] == 30000 || written[i] == 32767)
            << "unexpected sample " << written[i];
    }
}

TEST_F(DiskOutput, monoEffectAtAnotherRate_isResampledToBothChannels)
{
    // Half a second at 22050 Hz: at the device's 44100 Hz that is twice as many frames.
    const EffectHandle effect = create(*device, constantWav(1000, 1, 11025, 22050));
    ASSERT_NE(effect, 0u);
    device->play(effect);
    ASSERT_TRUE(eventually([&] { return device->activeVoiceCount() == 0; }));
    // The last buffer is written after the mixer let the voice go; wait for a few more.
    const size_t mixed = samples().size();
    ASSERT_TRUE(eventually([&] { return samples().size() > mixed + 4 * 2 * 512; }));

    const std::vector<int16_t> written = samples();
    size_t steady = 0;
    for (size_t i = 0; i + 1 < written.size(); i += 2) {
        ASSERT_EQ(written[i], written[i + 1]) << "channels differ at frame " << i / 2;
        steady += (written[i] >= 990 && written[i] <= 1010) ? 1 : 0;
    }
    // A few frames at either end belong to the resampler's ramps.
    EXPECT_NEAR(static_cast<double>(steady), 22050.0, 64.0);
}

// Closed after the silence and opened again by the next play, the device mixes as before, and an
// effect that has finished sounds again when it is played again.
class DiskOutputAfterSilence : public DiskOutput, public ::testing::WithParamInterface<bool> {};

TEST_P(DiskOutputAfterSilence, finishedEffectPlayedAgain_soundsMixedWithAnother)
{
    const bool closeBetween = GetParam();
    const EffectHandle a = create(*device, constantWav(1000, 2, 4410));
    const EffectHandle b = create(*device, constantWav(2000, 2, 44100));
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);

    device->play(a);
    ASSERT_TRUE(closeLater->armed());
    // A tenth of a second of sound, then the silence.
    EXPECT_EQ(closeLater->delayMs, 100 + SdlSoundDevice::kCloseAfterSilenceMs);
    ASSERT_TRUE(eventually([&] { return device->activeVoiceCount() == 0; }));
    size_t mark = samples().size();
    if (closeBetween) {
        closeLater->fire();
        EXPECT_EQ(device->deviceId(), 0u) << "the device stays open in the silence";
        EXPECT_FALSE(closeLater->armed());
        mark = 0; // the disk driver starts its file afresh when the device opens again
    }

    device->play(b);
    device->play(a);
    EXPECT_NE(device->deviceId(), 0u);
    // Still sounding when the delay runs out (a late output): the close waits for the end.
    closeLater->fire();
    EXPECT_NE(device->deviceId(), 0u);
    EXPECT_TRUE(closeLater->armed());

    EXPECT_TRUE(eventually([&] {
        const std::vector<int16_t> s = samples();
        return s.size() > mark && std::find(s.begin() + static_cast<std::ptrdiff_t>(mark), s.end(), 3000) != s.end();
    })) << "the effect played a second time did not sound over the other";
}

TEST_F(DiskOutputAfterSilence, openedAtStartAndNeverPlayed_closesAfterTheSilence)
{
    ASSERT_TRUE(closeLater->armed()) << "a program without effect files would keep the audio thread forever";
    EXPECT_EQ(closeLater->delayMs, SdlSoundDevice::kCloseAfterSilenceMs);
    closeLater->fire();
    EXPECT_EQ(device->deviceId(), 0u);
}

TEST_F(DiskOutputAfterSilence, reopeningFails_effectSkippedAndTheNextPlayTriesAgain)
{
    const EffectHandle a = create(*device, constantWav(1000, 2, 441));
    ASSERT_NE(a, 0u);
    device->play(a);
    ASSERT_TRUE(eventually([&] { return device->activeVoiceCount() == 0; }));
    closeLater->fire();
    ASSERT_EQ(device->deviceId(), 0u);

    // The disk driver cannot write there, so the output does not open.
    setenv("SDL_DISKAUDIOFILE", (folder.path() / "missing" / "out.raw").c_str(), 1);
    device->play(a);
    EXPECT_EQ(device->deviceId(), 0u);
    EXPECT_EQ(device->activeVoiceCount(), 0);
    EXPECT_FALSE(closeLater->armed());

    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    device->play(a);
    EXPECT_NE(device->deviceId(), 0u);
    EXPECT_TRUE(eventually([&] {
        const std::vector<int16_t> s = samples();
        return std::find(s.begin(), s.end(), 1000) != s.end();
    })) << "the effect did not sound once the output opened again";
}

INSTANTIATE_TEST_SUITE_P(, DiskOutputAfterSilence, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "closedBetween" : "openBetween"; });

} // namespace
