#pragma once

#include "input/MessagePump.h"

namespace rukcon::test {

// An event loop with nothing pending: key emission's passes return at once.
class IdlePump : public input::MessagePump {
public:
    void processPendingOnce() override {}
};

} // namespace rukcon::test
