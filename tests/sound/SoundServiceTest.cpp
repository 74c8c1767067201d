#include "sound/SoundService.h"
#include "fakes/FakeSoundDevice.h"
#include "fakes/RecordingMessages.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

using rukcon::sound::SoundService;
using rukcon::test::FakeSoundDevice;
using rukcon::test::RecordingMessages;
using rukcon::test::TempFolder;

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::vector<uint8_t> bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

// Contents that a text-mode read or a read up to the first zero byte would damage.
const std::string kEffect0 = "effect 0\r\n\x1a\0tail"s;
const std::string kEffect1 = "effect 1\0\r\r\n"s;
const std::string kClick = "click"s;
const std::string kAlert = "alert\0\xff"s;

// Runs each test in a temporary current directory (where the bare-name effects are looked up)
// with an effects folder beside it.
class SoundServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = fs::current_path();
        fs::create_directories(folder.path() / "cwd");
        fs::current_path(folder.path() / "cwd");
        effectsFolder = folder.path() / "app" / "bgm";
        fs::create_directories(effectsFolder);
    }
    void TearDown() override { fs::current_path(m_previous); }

    void writeAllEffects()
    {
        folder.write("cwd/004あ！.wav", kEffect0);
        folder.write("cwd/おーーい！.wav", kEffect1);
        folder.write("app/bgm/001.wav", kClick);
        folder.write("app/bgm/002.wav", kAlert);
    }

    // The device calls made after the given number of earlier ones.
    std::vector<std::string> callsAfter(size_t earlier) const
    {
        return {device.calls.begin() + static_cast<std::ptrdiff_t>(earlier), device.calls.end()};
    }

    TempFolder folder;
    fs::path effectsFolder;
    FakeSoundDevice device;
    RecordingMessages messages;
    SoundService service{device, messages};

private:
    fs::path m_previous;
};

TEST_F(SoundServiceTest, InitSound_allFilesPresent_loadsTheFourInTableOrderByteForByte)
{
    writeAllEffects();
    ASSERT_TRUE(service.InitSound(effectsFolder));

    EXPECT_EQ(device.calls, (std::vector<std::string>{"init", "create 3", "create 1", "create 1", "create 1"}));
    EXPECT_EQ(device.images,
              (std::vector<std::vector<uint8_t>>{bytes(kEffect0), bytes(kEffect1), bytes(kClick), bytes(kAlert)}));
    EXPECT_EQ(service.effect0(), 1u);
    EXPECT_EQ(service.effect1(), 2u);
    EXPECT_EQ(service.clickSound(), 3u);
    EXPECT_EQ(service.alertSound(), 4u);
    EXPECT_TRUE(messages.informations.empty());
    EXPECT_TRUE(messages.warnings.empty());
}

TEST_F(SoundServiceTest, play_clickAndAlert_playTheirOwnEffectsNeverTheBareNameOnes)
{
    writeAllEffects();
    ASSERT_TRUE(service.InitSound(effectsFolder));
    const size_t loaded = device.calls.size();

    service.playClick();
    service.playAlert();
    service.playAlert();
    service.playClick();

    EXPECT_EQ(callsAfter(loaded), (std::vector<std::string>{"play 3", "play 4", "play 4", "play 3"}));
}

TEST_F(SoundServiceTest, systemBeep_goesToThePlatformsBeepNeverToTheDevice)
{
    writeAllEffects();
    int beeps = 0;
    SoundService withBeep{device, messages, [&beeps] { ++beeps; }};
    ASSERT_TRUE(withBeep.InitSound(effectsFolder));
    const size_t loaded = device.calls.size();

    withBeep.systemBeep();
    service.systemBeep(); // without a beep: silent, and harmless

    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(device.calls.size(), loaded);
}

TEST_F(SoundServiceTest, InitSound_noFiles_handlesZeroPlaysSilentNoMessage)
{
    folder.write("cwd/004あ！.wav.bak", kEffect0); // a near miss is no match
    ASSERT_TRUE(service.InitSound(effectsFolder));
    service.playClick();
    service.playAlert();

    EXPECT_EQ(device.calls, (std::vector<std::string>{"init"}));
    EXPECT_EQ(service.effect0(), 0u);
    EXPECT_EQ(service.effect1(), 0u);
    EXPECT_EQ(service.clickSound(), 0u);
    EXPECT_EQ(service.alertSound(), 0u);
    EXPECT_TRUE(messages.informations.empty());
    EXPECT_TRUE(messages.warnings.empty());
}

TEST_F(SoundServiceTest, InitSound_deviceCannotOpen_saysSoOnceLoadsNothingStaysSilent)
{
    writeAllEffects();
    device.initResult = false;

    EXPECT_FALSE(service.InitSound(effectsFolder));
    service.playClick();
    service.playAlert();

    EXPECT_EQ(messages.informations, (std::vector<std::string>{"DirectSoundは使えません。"}));
    EXPECT_TRUE(messages.warnings.empty());
    EXPECT_EQ(device.calls, (std::vector<std::string>{"init"}));
    EXPECT_EQ(service.clickSound(), 0u);
    EXPECT_EQ(service.alertSound(), 0u);
}

TEST_F(SoundServiceTest, ShutdownSound_releasesInTableOrderThenQuitsAndSilencesPlays)
{
    writeAllEffects();
    ASSERT_TRUE(service.InitSound(effectsFolder));
    const size_t loaded = device.calls.size();

    service.ShutdownSound();
    service.playClick();
    service.playAlert();

    EXPECT_EQ(callsAfter(loaded),
              (std::vector<std::string>{"release 1", "release 2", "release 3", "release 4", "quit"}));
}

TEST_F(SoundServiceTest, InitSound_oneBadFile_warnsAboutItAndLoadsTheRest)
{
    writeAllEffects();
    const std::string click = folder.write("app/bgm/001.wav", "");

    ASSERT_TRUE(service.InitSound(effectsFolder));

    ASSERT_EQ(messages.warnings.size(), 1u);
    EXPECT_NE(messages.warnings[0].find(click), std::string::npos) << messages.warnings[0];
    EXPECT_EQ(service.clickSound(), 0u);
    EXPECT_NE(service.effect0(), 0u);
    EXPECT_NE(service.effect1(), 0u);
    EXPECT_NE(service.alertSound(), 0u);

    const size_t loaded = device.calls.size();
    service.playClick();
    service.playAlert();
    EXPECT_EQ(callsAfter(loaded), (std::vector<std::string>{"play " + std::to_string(service.alertSound())}));
}

// Every load that goes wrong: the handle is 0, and the user hears of it unless there was no file.
TEST_F(SoundServiceTest, LoadEffect_failures_returnZeroAndWarnWithThePath)
{
    struct Case {
        const char* name;
        std::string path;
        bool warns;
        bool reachesDevice;
    };
    const std::string empty = folder.write("empty.wav", "");
    const std::string large = folder.write("large.wav", "RIFF");
    fs::resize_file(large, SoundService::kMaxEffectFileSize + 1);
    const std::string refused = folder.write("refused.wav", "not a wave");
    fs::create_directories(folder.path() / "folder.wav");
    device.accept = [](const std::vector<uint8_t>& image) { return image != bytes("not a wave"); };

    const std::vector<Case> cases = {
        {"missing", (folder.path() / "missing.wav").string(), false, false},
        {"in a missing folder", (folder.path() / "nowhere" / "x.wav").string(), false, false},
        {"a folder", (folder.path() / "folder.wav").string(), false, false},
        {"empty", empty, true, false},
        {"too large", large, true, false},
        {"refused by the device", refused, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.warnings.clear();
        const size_t creates = device.count("create");

        EXPECT_EQ(service.LoadEffect(c.path, 1), 0u);

        EXPECT_EQ(device.count("create") - creates, c.reachesDevice ? 1u : 0u);
        ASSERT_EQ(messages.warnings.size(), c.warns ? 1u : 0u);
        if (c.warns) {
            EXPECT_NE(messages.warnings[0].find(c.path), std::string::npos) << messages.warnings[0];
            EXPECT_GT(messages.warnings[0].size(), c.path.size()) << "no description";
        }
    }
    EXPECT_TRUE(messages.informations.empty());
}

TEST_F(SoundServiceTest, LoadEffect_largestAllowedSize_reachesTheDeviceWhole)
{
    const std::string path = folder.write("big.wav", "RIFF");
    fs::resize_file(path, SoundService::kMaxEffectFileSize);

    EXPECT_NE(service.LoadEffect(path, 3), 0u);
    ASSERT_EQ(device.images.size(), 1u);
    EXPECT_EQ(device.images[0].size(), SoundService::kMaxEffectFileSize);
    EXPECT_EQ(device.calls.back(), "create 3");
    EXPECT_TRUE(messages.warnings.empty());
}

TEST_F(SoundServiceTest, LoadEffect_unreadableFile_warns)
{
    const std::string path = folder.write("locked.wav", "RIFF");
    fs::permissions(path, fs::perms::none);
    if (std::ifstream(path).is_open())
        GTEST_SKIP() << "permissions do not stop this user from reading";

    EXPECT_EQ(service.LoadEffect(path, 1), 0u);
    ASSERT_EQ(messages.warnings.size(), 1u);
    EXPECT_NE(messages.warnings[0].find(path), std::string::npos);
    EXPECT_EQ(device.count("create"), 0u);
}

} // namespace
