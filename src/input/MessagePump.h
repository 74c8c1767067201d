#pragma once

namespace rukcon::input {

// Lets pending events of the program run once, between the press and the release of a key.
class MessagePump {
public:
    virtual ~MessagePump() = default;
    virtual void processPendingOnce() = 0;
};

} // namespace rukcon::input
