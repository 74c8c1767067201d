#pragma once

#include "input/MessagePump.h"

#include <QCoreApplication>

namespace rukcon::app {

// One pass of the Qt event loop, so timers, clicks and repaints run between a key's press
// and its release.
class QtMessagePump : public input::MessagePump {
public:
    void processPendingOnce() override { QCoreApplication::processEvents(); }
};

} // namespace rukcon::app
