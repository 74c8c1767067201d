#pragma once

#include "input/MessagePump.h"
#include "platform/KeyEmitter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rukcon::test {

// One line of the shared log: a key event ("16+" press, "16-" release) or a pass of the
// event loop ("pump"), so a test sees both in their real order.
using EventLog = std::vector<std::string>;

class RecordingKeyboard : public platform::KeyEmitter {
public:
    explicit RecordingKeyboard(EventLog& log) : m_log(log) {}

    bool failAll = false; // every event reports failure, as a vanished display would

    bool sendKey(uint8_t virtualKey, bool down) override
    {
        m_log.push_back(std::to_string(virtualKey) + (down ? "+" : "-"));
        return !failAll;
    }

private:
    EventLog& m_log;
};

class RecordingPump : public input::MessagePump {
public:
    explicit RecordingPump(EventLog& log) : m_log(log) {}
    void processPendingOnce() override { m_log.push_back("pump"); }

private:
    EventLog& m_log;
};

} // namespace rukcon::test
