#include "sound/SoundService.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace rukcon::sound {

namespace {

namespace fs = std::filesystem;

// The two extra effects are looked up by bare name, so they come from the current directory.
constexpr const char* kEffect0File = "004あ！.wav";
constexpr const char* kEffect1File = "おーーい！.wav";
constexpr const char* kClickFile = "001.wav";
constexpr const char* kAlertFile = "002.wav";
constexpr int kEffect0Option = 3;
constexpr int kDefaultOption = 1;

constexpr const char* kUnreadable = "効果音ファイルを読み込めません。";
constexpr const char* kEmpty = "効果音ファイルが空です。";
constexpr const char* kTooLarge = "効果音ファイルが大きすぎます。";
constexpr const char* kRefused = "効果音ファイルの形式が使えません。";

std::string describe(const char* problem, const std::string& path)
{
    return std::string(problem) + "\n" + path;
}

} // namespace

bool SoundService::InitSound(const std::filesystem::path& effectsFolder)
{
    if (!m_device.init()) {
        m_messages.information(kNoDeviceMessage);
        return false;
    }
    m_effect0 = LoadEffect(kEffect0File, kEffect0Option);
    m_effect1 = LoadEffect(kEffect1File, kDefaultOption);
    m_clickSound = LoadEffect((effectsFolder / kClickFile).string(), kDefaultOption);
    m_alertSound = LoadEffect((effectsFolder / kAlertFile).string(), kDefaultOption);
    return true;
}

platform::EffectHandle SoundService::LoadEffect(const std::string& path, int option)
{
    std::error_code error;
    const fs::file_status status = fs::status(fs::path(path), error);
    // A folder of that name is no effect file either; neither case is worth a word to the user.
    if (!fs::exists(status) || fs::is_directory(status))
        return 0;
    // Pipes and devices are not opened at all: reading one could block start-up.
    if (!fs::is_regular_file(status)) {
        m_messages.warning(describe(kUnreadable, path));
        return 0;
    }

    const uintmax_t size = fs::file_size(fs::path(path), error);
    if (error) {
        m_messages.warning(describe(kUnreadable, path));
        return 0;
    }
    if (size == 0) {
        m_messages.warning(describe(kEmpty, path));
        return 0;
    }
    if (size > kMaxEffectFileSize) {
        m_messages.warning(describe(kTooLarge, path));
        return 0;
    }

    // C stdio rather than a C++ stream: the first stream sets up the C++ locales, about 400 kB of
    // the standard library kept resident for the rest of the program's life.
    std::vector<uint8_t> image(static_cast<size_t>(size));
    std::FILE* in = std::fopen(path.c_str(), "rbe");
    const size_t got = in ? std::fread(image.data(), 1, image.size(), in) : 0;
    if (in)
        std::fclose(in);
    // A file that shrank after its size was taken counts as unreadable too.
    if (got != image.size()) {
        m_messages.warning(describe(kUnreadable, path));
        return 0;
    }

    const platform::EffectHandle effect = m_device.createEffect(image.data(), image.size(), option);
    if (effect == 0)
        m_messages.warning(describe(kRefused, path));
    return effect;
}

void SoundService::ShutdownSound()
{
    m_device.release(m_effect0);
    m_device.release(m_effect1);
    m_device.release(m_clickSound);
    m_device.release(m_alertSound);
    m_effect0 = m_effect1 = m_clickSound = m_alertSound = 0;
    m_device.quit();
}

void SoundService::playClick()
{
    play(m_clickSound);
}

void SoundService::playAlert()
{
    play(m_alertSound);
}

void SoundService::systemBeep()
{
    if (m_beep)
        m_beep();
}

void SoundService::play(platform::EffectHandle effect)
{
    if (effect != 0)
        m_device.play(effect);
}

} // namespace rukcon::sound
