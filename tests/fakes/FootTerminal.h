#pragma once

#include "fakes/ChildProcess.h"
#include "fakes/FileText.h"

#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>

extern char** environ;

namespace rukcon::test {

// A foot terminal on the compositor in WAYLAND_DISPLAY, as a target program: the lines typed into
// it land in a file (`cat > FILE`), or it runs that shell command; its app_id is appId. Ended when
// destroyed.
class FootTerminal {
public:
    FootTerminal(const std::string& title, const std::filesystem::path& file, std::string command = {},
                 const std::string& appId = "foot")
        : m_file(file), m_process(spawn(title, file, std::move(command), appId))
    {
    }

    bool started() const { return m_process.started(); }
    std::string text() const { return fileText(m_file); }

private:
    static pid_t spawn(const std::string& title, const std::filesystem::path& file, std::string command,
                       const std::string& appId)
    {
        if (command.empty())
            command = "cat > '" + file.string() + "'";
        const char* argv[] = {"foot", "-a", appId.c_str(), "-T", title.c_str(), "sh", "-c", command.c_str(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        if (posix_spawnp(&pid, "foot", &actions, nullptr, const_cast<char**>(argv), environ) != 0)
            pid = 0;
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }

    std::filesystem::path m_file;
    ChildProcess m_process;
};

} // namespace rukcon::test
