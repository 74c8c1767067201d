#pragma once

#include "platform/SoundDevice.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rukcon::test {

// A sound device that plays nothing. It logs every call in order ("init", "create 3",
// "play 2", "release 2", "quit"), keeps a copy of every image it was given, and answers as
// scripted: init succeeds unless initResult is false; an image is accepted (handles 1, 2, …)
// unless accept says otherwise.
class FakeSoundDevice : public platform::SoundDevice {
public:
    bool initResult = true;
    std::function<bool(const std::vector<uint8_t>& image)> accept;

    std::vector<std::string> calls;
    std::vector<std::vector<uint8_t>> images;

    bool init() override
    {
        calls.push_back("init");
        return initResult;
    }

    platform::EffectHandle createEffect(const uint8_t* wavImage, size_t size, int option) override
    {
        calls.push_back("create " + std::to_string(option));
        images.emplace_back(wavImage, wavImage + size);
        if (accept && !accept(images.back()))
            return 0;
        return ++m_lastHandle;
    }

    void play(platform::EffectHandle effect) override { calls.push_back("play " + std::to_string(effect)); }
    void release(platform::EffectHandle effect) override { calls.push_back("release " + std::to_string(effect)); }
    void quit() override { calls.push_back("quit"); }

    // The calls whose log entry starts with this word, e.g. count("play").
    size_t count(const std::string& word) const
    {
        size_t n = 0;
        for (const std::string& call : calls)
            n += call.rfind(word, 0) == 0 ? 1 : 0;
        return n;
    }

private:
    platform::EffectHandle m_lastHandle = 0;
};

} // namespace rukcon::test
