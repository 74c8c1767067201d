#pragma once

#include "platform/DelayedCall.h"

#include <QTimer>

#include <functional>
#include <utility>

namespace rukcon::app {

// A delayed call on a single-shot timer of the event loop: nothing runs until it is due.
class QtDelayedCall : public platform::DelayedCall {
public:
    QtDelayedCall()
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            // Taken out first: the task may arm the call again.
            const std::function<void()> task = std::exchange(m_task, nullptr);
            if (task)
                task();
        });
    }

    void callAfter(int milliseconds, std::function<void()> task) override
    {
        m_task = std::move(task);
        m_timer.start(milliseconds);
    }

    void cancel() override
    {
        m_timer.stop();
        m_task = nullptr;
    }

private:
    QTimer m_timer;
    std::function<void()> m_task;
};

} // namespace rukcon::app
