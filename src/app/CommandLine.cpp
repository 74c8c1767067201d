#include "app/CommandLine.h"

#include "platform/sdl/SdlModule.h"
#include "settings/SettingsTexts.h"

#include <string_view>

namespace rukcon::app {

namespace {

constexpr const char* kUsage = "Usage: rukcon [-h | --help] [-V | --version]\n";

std::string usageError(const std::string& problem)
{
    return "rukcon: " + problem + "\n" + kUsage + "Try 'rukcon --help' for more information.\n";
}

bool nonEmpty(const char* value)
{
    return value && *value;
}

} // namespace

CommandLine CommandLine::Parse(int argc, const char* const* argv)
{
    CommandLine result;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            result.m_action = Action::Help;
            return result;
        }
        if (arg == "-V" || arg == "--version") {
            result.m_action = Action::Version;
            return result;
        }
        // After "--" everything is an argument, and the program takes none.
        if (arg == "--" && i + 1 == argc)
            break;
        const bool option = arg.size() > 1 && arg[0] == '-' && arg != "--";
        const std::string_view what = arg == "--" ? std::string_view(argv[i + 1]) : arg;
        result.m_action = Action::UsageError;
        result.m_error =
            usageError((option ? "unrecognized option '" : "unexpected argument '") + std::string(what) + "'");
        return result;
    }
    return result;
}

std::string CommandLine::HelpText(const settings::ProgramFolders& folders)
{
    namespace texts = settings::texts;
    const std::string settingsFolder = folders.settings.string();
    std::string text = kUsage;
    text += "RUKコン (RUKコントロール) lets a game controller drive programs that only understand the\n"
            "keyboard. While an input of the controller is held, it brings one target program (found by\n"
            "a fragment of its window caption) to the front and types the keys assigned to that input.\n"
            "It lives in the notification area (tray); its window is in Japanese.\n"
            "\n"
            "  -h, --help     show this help and exit\n"
            "  -V, --version  show the version and exit\n"
            "\n"
            "Desktops: any X11 window manager; wlroots-based Wayland compositors (sway, labwc, Hyprland,\n"
            "river, Wayfire) and KDE Plasma 5.27+ on Wayland, where it types into and brings forward\n"
            "native Wayland programs too (KDE Plasma: when started as installed, through its menu entry's\n"
            "absolute Exec path); GNOME on Wayland through the GNOME Shell extension the package\n"
            "installs (after a new log-in: gnome-extensions enable " RUKCON_SHELL_EXTENSION_UUID ").\n"
            "\n"
            "Settings folder in use:\n  " +
            settingsFolder + (folders.installed ? "  (installed copy)\n" : "  (beside the program)\n");
    // Each file with what it holds; a line break follows where breakAfter says.
    struct FileLine {
        const char* name;
        const char* holds;
        bool breakAfter;
    };
    const FileLine files[] = {
        {texts::kLastExitFile, "state at the last exit", false},
        {texts::kUserDefaultFile, "user default", true},
        {texts::kUserMenuFile, "user menu", false},
        {texts::kWindowGeometryFile, "window geometry", false},
        {texts::kButtonLayoutFile, "controller picture", true},
        {texts::kAutoSwitchFile, "automatic switching", false},
    };
    text += "Files there: ";
    for (const FileLine& file : files)
        text += std::string(file.name) + " (" + file.holds + ")," + (file.breakAfter ? "\n  " : " ");
    text += texts::kHistoryFolder;
    text += "/ (deleted menu entries).\n";
    text += "Sound effects: " + (folders.effects / "001.wav").string() + " (click), 002.wav (alert).\n";
    text += "A copy with a \"bgm\" folder beside its executable keeps its settings in \"設定\" beside it;\n"
            "an installed copy keeps them in $XDG_CONFIG_HOME/rukcon/設定 (~/.config/rukcon/設定).\n"
            "A copy kept in a folder of its own is the executable, " +
            std::string(platform::sdl::kModuleFile) + " and " + texts::kEffectsFolder +
            "/: without\n"
            "the module it starts with neither controller nor sound.\n"
            "One copy runs per settings folder; a second one beeps and ends.\n"
            "\n"
            "Start at login: cp /usr/share/applications/rukcon.desktop ~/.config/autostart/\n"
            "(from /usr/local/share/applications for a copy installed under /usr/local).\n"
            "\n"
            "Exit status:\n"
            "  0  normal end\n"
            "  1  could not start: another copy uses the same settings folder, or there is no display\n"
            "  2  invalid command line\n";
    return text;
}

std::string CommandLine::VersionText()
{
    return std::string("rukcon ") + RUKCON_VERSION + "\n";
}

bool CommandLine::DisplayAvailable(const char* display, const char* waylandDisplay, const char* qpaPlatform)
{
    if (nonEmpty(qpaPlatform)) {
        // The first platform named decides; options follow a colon ("xcb:foo"), more names a semicolon.
        const std::string_view platforms = qpaPlatform;
        const std::string_view first = platforms.substr(0, platforms.find_first_of(";:"));
        if (first != "xcb" && !first.starts_with("wayland"))
            return true;
    }
    return nonEmpty(display) || nonEmpty(waylandDisplay);
}

const char* CommandLine::NoDisplayMessage()
{
    return "rukcon: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); it runs in an X11 session, "
           "on a wlroots-based Wayland compositor, on KDE Plasma or under XWayland\n";
}

} // namespace rukcon::app
