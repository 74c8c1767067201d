#include "platform/x11/X11Factory.h"

#include "platform/x11/X11Connection.h"
#include "platform/x11/XTestKeyEmitter.h"

namespace rukcon::platform::x11 {

std::unique_ptr<KeyEmitter> createKeyEmitter()
{
    return XTestKeyEmitter::create(X11Connection::open());
}

} // namespace rukcon::platform::x11
