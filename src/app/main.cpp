#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/QtDelayedCall.h"
#include "app/SdlModuleLoader.h"
#include "app/SessionBusAddress.h"
#include "app/SignalBridge.h"
#include "app/SingleInstance.h"
#include "app/WindowingChoice.h"
#include "platform/FreedMemory.h"
#include "platform/sdl/SdlModule.h"
#include "settings/ProgramFolders.h"

#include <QApplication>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

std::filesystem::path executablePath(const char* argv0)
{
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::absolute(argv0, ec) : self;
}

} // namespace

int main(int argc, char** argv)
{
    using rukcon::app::CommandLine;
    const CommandLine commandLine = CommandLine::Parse(argc, argv);
    if (commandLine.action() == CommandLine::Action::UsageError) {
        std::fputs(commandLine.error().c_str(), stderr);
        return CommandLine::kExitUsage;
    }
    if (commandLine.action() == CommandLine::Action::Version) {
        std::fputs(CommandLine::VersionText().c_str(), stdout);
        return CommandLine::kExitOk;
    }

    // Where the effects are and which settings folder is in use, decided once without writing;
    // an installed copy finds its data in <prefix>/share/rukcon, relative to <prefix>/bin.
    const std::filesystem::path programFolder = executablePath(argv[0]).parent_path();
    const rukcon::settings::ProgramFolders folders = rukcon::settings::ProgramFolders::Decide(
        programFolder, (programFolder / RUKCON_SHARED_DATA_FROM_BIN).lexically_normal(),
        rukcon::settings::ProgramFolders::ConfigHomeFromEnvironment());
    if (commandLine.action() == CommandLine::Action::Help) {
        std::fputs(CommandLine::HelpText(folders).c_str(), stdout);
        return CommandLine::kExitOk;
    }
    // Said in one line here rather than by Qt's abort.
    if (!CommandLine::DisplayAvailable(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                                       std::getenv("QT_QPA_PLATFORM"))) {
        std::fputs(CommandLine::NoDisplayMessage(), stderr);
        return CommandLine::kExitCannotStart;
    }

    rukcon::platform::ShareOneArena();

    // Before Qt or SDL look for the session bus, and before any other thread runs.
    const rukcon::app::SessionBusEnvironment bus{std::getenv("DBUS_SESSION_BUS_ADDRESS"),
                                                 std::getenv("XDG_RUNTIME_DIR"), std::getenv("DISPLAY"),
                                                 std::getenv("PATH")};
    const auto fileThere = [](const std::filesystem::path& file) {
        std::error_code ec;
        return std::filesystem::exists(file, ec);
    };
    if (const std::optional<std::string> address = rukcon::app::sessionBusAddressWithoutLaunch(bus, fileThere))
        setenv("DBUS_SESSION_BUS_ADDRESS", address->c_str(), 1);

    // A second copy on the same settings folder ends before it reads or writes any settings file.
    rukcon::app::SingleInstance instance;
    const bool first = instance.acquire(folders.settings);

    QApplication qapp(argc, argv);
    if (!first) {
        QApplication::beep();
        std::fputs("rukcon: already running (another copy uses the same settings folder)\n", stderr);
        return CommandLine::kExitCannotStart;
    }
    QApplication::setApplicationName(QStringLiteral("rukcon"));
    // Qt gives the windows this app_id on Wayland (and the same class on X11, which a compositor
    // reports as the app_id of XWayland windows): how the program knows its own toplevels there.
    QGuiApplication::setDesktopFileName(QApplication::applicationName());
    // The program lives in the tray: closing its last visible window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    // Captions of other programs in legacy encodings decode through the C library's locale;
    // make sure it is a UTF-8 one even when the session has none.
    const char* ctype = std::setlocale(LC_CTYPE, nullptr);
    if (!ctype || !std::strstr(ctype, "UTF-8"))
        std::setlocale(LC_CTYPE, "C.UTF-8");

    // SDL comes after the QApplication, with the joystick and audio subsystems only, from a module
    // that loads while the window is built.
    rukcon::app::SdlModuleLoader sdl({programFolder / rukcon::platform::sdl::kModuleFile,
                                      programFolder / RUKCON_MODULE_DIR_FROM_BIN / rukcon::platform::sdl::kModuleFile});
    rukcon::app::PlatformParts parts;
    parts.controller = sdl.createController();
    parts.sound = sdl.createSoundDevice(std::make_unique<rukcon::app::QtDelayedCall>());
    rukcon::platform::WindowingRequest request;
    request.waylandDisplay = std::getenv("WAYLAND_DISPLAY");
    request.ownAppId = QGuiApplication::desktopFileName().toStdString();
    rukcon::app::Windowing windowing = rukcon::app::chooseWindowing(rukcon::app::windowingTable(), request);
    parts.windowing = std::move(windowing.backends);

    rukcon::app::Application app(std::move(parts), folders);
    rukcon::app::SignalBridge signalBridge;
    QObject::connect(&signalBridge, &rukcon::app::SignalBridge::terminationRequested, &app,
                     [&app](int) { app.endWithoutSaving(); });
    // Start-up runs inside the event loop: QCoreApplication::exit does nothing before exec(), so a
    // termination signal during a start-up message box would otherwise leave the program running.
    QTimer::singleShot(0, &app, [&app, usable = windowing.usable, advice = windowing.advice] {
        app.start();
        if (!usable)
            app.reportNoWindowSystem();
        if (!advice.empty())
            app.tellWindowingAdvice(advice);
    });
    return qapp.exec();
}
