#pragma once

#include "fakes/ChildProcess.h"
#include "fakes/FileText.h"

#include <filesystem>
#include <map>
#include <spawn.h>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace rukcon::test {

// A Qt Wayland window on the compositor in WAYLAND_DISPLAY, as a target program: it logs the text
// typed into it in a file, and each key going down and up in that file's name + ".keys" ("+HEX",
// "-HEX", Qt key codes). The test's build names the program in RUKCON_TEXT_LOG_WINDOW. Ended when
// destroyed.
class TextLogWindow {
public:
    TextLogWindow(const std::string& title, std::filesystem::path file)
        : m_file(std::move(file)), m_process(spawn(title, m_file))
    {
    }

    bool started() const { return m_process.started(); }
    std::string text() const { return fileText(m_file); }
    // The keys going down and up, a line each.
    std::string keys() const { return fileText(m_file.string() + ".keys"); }
    // Keys that went down and did not come up again, as Qt key codes in hex.
    std::vector<std::string> keysDown() const
    {
        std::map<std::string, int> balance;
        std::istringstream lines(keys());
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty())
                balance[line.substr(1)] += line[0] == '+' ? 1 : -1;
        }
        std::vector<std::string> down;
        for (const auto& [key, count] : balance) {
            // Qt sends a release of each modifier as the window gains the focus: more ups than
            // downs are harmless.
            if (count > 0)
                down.push_back(key);
        }
        return down;
    }
    bool receivedNothing() const { return keys().empty(); }

private:
    static pid_t spawn(const std::string& title, const std::filesystem::path& file)
    {
        const std::string path = file.string();
        const char* argv[] = {RUKCON_TEXT_LOG_WINDOW, title.c_str(), path.c_str(), nullptr};
        std::vector<std::string> env = {"QT_QPA_PLATFORM=wayland"};
        for (char** e = environ; *e; ++e) {
            if (std::string_view(*e).rfind("QT_QPA_PLATFORM=", 0) != 0)
                env.emplace_back(*e);
        }
        std::vector<char*> envp;
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        pid_t pid = 0;
        if (posix_spawn(&pid, RUKCON_TEXT_LOG_WINDOW, nullptr, nullptr, const_cast<char**>(argv), envp.data()) != 0)
            pid = 0;
        return pid;
    }

    std::filesystem::path m_file;
    ChildProcess m_process;
};

} // namespace rukcon::test
