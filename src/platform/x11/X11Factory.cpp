#include "platform/x11/X11Factory.h"

#include "platform/x11/X11ActiveWindowWatch.h"
#include "platform/x11/X11Connection.h"
#include "platform/x11/X11WindowSystem.h"
#include "platform/x11/XTestKeyEmitter.h"

namespace rukcon::platform::x11 {

std::unique_ptr<KeyEmitter> createKeyEmitter(const char* displayName)
{
    return XTestKeyEmitter::create(X11Connection::open(displayName));
}

std::unique_ptr<WindowSystem> createWindowSystem(const char* displayName)
{
    std::shared_ptr<X11Connection> connection = X11Connection::open(displayName);
    if (!connection)
        return nullptr;
    return std::make_unique<X11WindowSystem>(std::move(connection));
}

std::unique_ptr<ActiveWindowWatch> createActiveWindowWatch(const char* displayName)
{
    return std::make_unique<X11ActiveWindowWatch>(displayName);
}

} // namespace rukcon::platform::x11
