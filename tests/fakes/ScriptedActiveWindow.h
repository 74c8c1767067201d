#pragma once

#include "platform/ActiveWindowWatch.h"

#include <deque>
#include <fcntl.h>
#include <unistd.h>

namespace rukcon::test {

// Active-window changes as a test reports them, through a pipe the program's event loop watches
// as it watches the real window system.
class ScriptedActiveWindow : public platform::ActiveWindowWatch {
public:
    bool windowManagerNamesIt = true;
    bool started = false;
    int taken = 0; // changes the program has read

    ScriptedActiveWindow() { static_cast<void>(::pipe2(m_pipe, O_NONBLOCK | O_CLOEXEC)); }
    ~ScriptedActiveWindow() override
    {
        ::close(m_pipe[0]);
        ::close(m_pipe[1]);
    }

    // The user moved to this window; read once the event loop runs. own: what a backend that
    // knows the program's own windows says of it.
    void report(platform::WindowId id, std::string caption, std::optional<bool> own = std::nullopt)
    {
        m_pending.push_back({id, std::move(caption), own});
        static_cast<void>(::write(m_pipe[1], "x", 1));
    }

    // As the X11 watch does, asking reads the connection: the descriptor no longer shows a
    // change that has arrived, though takeChange() still returns it.
    bool available() override
    {
        drain();
        return windowManagerNamesIt;
    }
    int start() override
    {
        started = true;
        return m_pipe[0];
    }
    void stop() override { started = false; }
    std::optional<platform::ActiveWindow> takeChange() override
    {
        drain();
        if (m_pending.empty())
            return std::nullopt;
        platform::ActiveWindow change = m_pending.front();
        m_pending.pop_front();
        ++taken;
        if (!m_pending.empty())
            static_cast<void>(::write(m_pipe[1], "x", 1));
        return change;
    }

private:
    void drain()
    {
        char drained[16];
        while (::read(m_pipe[0], drained, sizeof drained) > 0) {
        }
    }

    int m_pipe[2] = {-1, -1};
    std::deque<platform::ActiveWindow> m_pending;
};

} // namespace rukcon::test
