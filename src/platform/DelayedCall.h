#pragma once

#include <functional>

namespace rukcon::platform {

// Runs one task once, later, on the program's own thread. A backend uses it for work that is due
// after a quiet spell, so that nothing has to wake up and look in the meantime. Arming it again
// replaces the task and the delay; cancel() drops it.
class DelayedCall {
public:
    virtual ~DelayedCall() = default;

    virtual void callAfter(int milliseconds, std::function<void()> task) = 0;
    virtual void cancel() = 0;
};

} // namespace rukcon::platform
