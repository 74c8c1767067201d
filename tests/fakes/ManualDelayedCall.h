#pragma once

#include "platform/DelayedCall.h"

#include <functional>
#include <utility>

namespace rukcon::test {

// A delayed call that only runs when the test says the time has come.
class ManualDelayedCall : public platform::DelayedCall {
public:
    int delayMs = -1; // of the armed task; -1 when none is armed

    void callAfter(int milliseconds, std::function<void()> task) override
    {
        delayMs = milliseconds;
        m_task = std::move(task);
    }

    void cancel() override
    {
        delayMs = -1;
        m_task = nullptr;
    }

    bool armed() const { return static_cast<bool>(m_task); }

    // Runs the armed task as if its delay had passed.
    void fire()
    {
        const std::function<void()> task = std::exchange(m_task, nullptr);
        delayMs = -1;
        if (task)
            task();
    }

private:
    std::function<void()> m_task;
};

} // namespace rukcon::test
