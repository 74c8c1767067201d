#pragma once

#include "fakes/FileText.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace rukcon::test {

// A foot terminal on the compositor in WAYLAND_DISPLAY, as a target program: the lines typed into
// it land in a file (`cat > FILE`), or it runs that shell command; its app_id is appId. Ended when
// destroyed.
class FootTerminal {
public:
    FootTerminal(const std::string& title, const std::filesystem::path& file, std::string command = {},
                 const std::string& appId = "foot")
        : m_file(file)
    {
        if (command.empty())
            command = "cat > '" + file.string() + "'";
        const char* argv[] = {"foot", "-a", appId.c_str(), "-T", title.c_str(), "sh", "-c", command.c_str(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&m_pid, "foot", &actions, nullptr, const_cast<char**>(argv), environ) != 0)
            m_pid = 0;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~FootTerminal()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    FootTerminal(const FootTerminal&) = delete;
    FootTerminal& operator=(const FootTerminal&) = delete;

    bool started() const { return m_pid > 0; }
    std::string text() const { return fileText(m_file); }

private:
    std::filesystem::path m_file;
    pid_t m_pid = 0;
};

} // namespace rukcon::test
