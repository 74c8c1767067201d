#include "app/Application.h"
#include "app/NullPlatform.h"
#include "platform/sdl/SdlFactory.h"
#include "platform/x11/X11Factory.h"

#include <QApplication>
#include <clocale>
#include <cstring>

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    // Captions of other programs in legacy encodings decode through the C library's locale;
    // make sure it is a UTF-8 one even when the session has none.
    const char* ctype = std::setlocale(LC_CTYPE, nullptr);
    if (!ctype || !std::strstr(ctype, "UTF-8"))
        std::setlocale(LC_CTYPE, "C.UTF-8");

    // SDL comes after the QApplication, with the joystick and audio subsystems only.
    rukcon::app::PlatformParts parts;
    parts.controller = rukcon::platform::sdl::createController();
    parts.sound = rukcon::platform::sdl::createSoundDevice();
    parts.keys = rukcon::platform::x11::createKeyEmitter();
    if (!parts.keys)
        parts.keys = std::make_unique<rukcon::app::NullKeyEmitter>();
    parts.windows = rukcon::platform::x11::createWindowSystem();
    if (!parts.windows)
        parts.windows = std::make_unique<rukcon::app::NullWindowSystem>();

    rukcon::app::Application app(std::move(parts), std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
    app.start();
    return qapp.exec();
}
