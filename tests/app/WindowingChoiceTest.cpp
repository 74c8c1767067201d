// The choice of key and window backends against an X server of its own.
#include "app/WindowingChoice.h"
#include "platform/x11/X11Factory.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace rukcon;

namespace {

// An Xvfb started with the given extension left out; display() is empty when it did not start.
class BareXServer {
public:
    explicit BareXServer(const char* disabledExtension)
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-extension", disabledExtension, "-nolisten", "tcp",
                     static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        // Xvfb writes its display number once it accepts clients; it ends the line with a newline.
        std::string number;
        pollfd readable{fds[0], POLLIN, 0};
        char c = 0;
        while (m_pid > 0 && ::poll(&readable, 1, 20000) == 1 && ::read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(fds[0]);
        if (c == '\n' && !number.empty())
            m_display = ":" + number;
    }
    ~BareXServer()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    const std::string& display() const { return m_display; }

private:
    pid_t m_pid = -1;
    std::string m_display;
};

// An X server without XTEST lists windows but cannot take keys: the program cannot work there
// and must say so, instead of claiming keys that go nowhere.
TEST(WindowingChoiceTest, windowListWithoutKeyEmitter_unusable)
{
    BareXServer server("XTEST");
    if (server.display().empty())
        GTEST_SKIP() << "needs Xvfb";
    const char* before = std::getenv("DISPLAY");
    const std::string saved = before ? before : "";
    ::setenv("DISPLAY", server.display().c_str(), 1);

    std::optional<platform::x11::Backends> x11 = platform::x11::createBackends();
    ASSERT_TRUE(x11 && x11->windows) << "no window list on " << server.display();
    ASSERT_FALSE(x11->keys) << "XTEST is there after all";
    x11.reset();
    app::Windowing chosen = app::chooseWindowing(nullptr, "rukcon");

    if (before)
        ::setenv("DISPLAY", saved.c_str(), 1);
    else
        ::unsetenv("DISPLAY");
    EXPECT_FALSE(chosen.usable) << "taken for a desktop that can send keys";
    ASSERT_TRUE(chosen.keys);
    EXPECT_FALSE(chosen.keys->sendKey('A', true));
}

} // namespace
