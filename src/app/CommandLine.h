#pragma once

#include "settings/ProgramFolders.h"

#include <string>

namespace rukcon::app {

// The command line, read before anything else so that --help and --version need no display.
// GNU conventions: -h/--help and -V/--version, "--" ends the options, the first of them decides.
class CommandLine {
public:
    enum class Action { Run, Help, Version, UsageError };

    static constexpr int kExitOk = 0;
    static constexpr int kExitCannotStart = 1; // another copy runs on the same settings folder, or no display
    static constexpr int kExitUsage = 2;

    static CommandLine Parse(int argc, const char* const* argv);

    Action action() const { return m_action; }
    // For UsageError: what is wrong and the usage line, for standard error.
    const std::string& error() const { return m_error; }

    // What the program is, the folders and files in use, the exit statuses.
    static std::string HelpText(const settings::ProgramFolders& folders);
    static std::string VersionText();

    // Whether Qt can show a window: an X11 or Wayland display is there, or the platform chosen in
    // QT_QPA_PLATFORM needs none (offscreen, say). Arguments are the environment values or null.
    static bool DisplayAvailable(const char* display, const char* waylandDisplay, const char* qpaPlatform);
    static const char* NoDisplayMessage();

private:
    Action m_action = Action::Run;
    std::string m_error;
};

} // namespace rukcon::app
