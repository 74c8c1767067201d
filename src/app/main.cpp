#include "app/Application.h"
#include "app/NullPlatform.h"
#include "app/QtDelayedCall.h"
#include "app/SignalBridge.h"
#include "app/SingleInstance.h"
#include "platform/sdl/SdlFactory.h"
#include "platform/x11/X11Factory.h"

#include <QApplication>
#include <clocale>
#include <cstdio>
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
    // A second copy of the same executable ends before it reads or writes any settings file.
    const std::filesystem::path executable = executablePath(argv[0]);
    rukcon::app::SingleInstance instance;
    const bool first = instance.acquire(executable);

    QApplication qapp(argc, argv);
    if (!first) {
        QApplication::beep();
        std::fputs("RUKコン is already running.\n", stderr);
        return 1;
    }
    QApplication::setApplicationName(QStringLiteral("rukcon"));
    // The program lives in the tray: closing its last visible window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    // Captions of other programs in legacy encodings decode through the C library's locale;
    // make sure it is a UTF-8 one even when the session has none.
    const char* ctype = std::setlocale(LC_CTYPE, nullptr);
    if (!ctype || !std::strstr(ctype, "UTF-8"))
        std::setlocale(LC_CTYPE, "C.UTF-8");

    // SDL comes after the QApplication, with the joystick and audio subsystems only.
    rukcon::app::PlatformParts parts;
    parts.controller = rukcon::platform::sdl::createController();
    parts.sound = rukcon::platform::sdl::createSoundDevice(std::make_unique<rukcon::app::QtDelayedCall>());
    parts.keys = rukcon::platform::x11::createKeyEmitter();
    if (!parts.keys)
        parts.keys = std::make_unique<rukcon::app::NullKeyEmitter>();
    parts.windows = rukcon::platform::x11::createWindowSystem();
    if (!parts.windows)
        parts.windows = std::make_unique<rukcon::app::NullWindowSystem>();

    rukcon::app::Application app(std::move(parts), executable.parent_path());
    rukcon::app::SignalBridge signalBridge;
    QObject::connect(&signalBridge, &rukcon::app::SignalBridge::terminationRequested, &app,
                     [&app](int) { app.endWithoutSaving(); });
    app.start();
    return qapp.exec();
}
