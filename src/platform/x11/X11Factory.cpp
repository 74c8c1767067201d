#include "platform/x11/X11Factory.h"

#include "platform/x11/X11ActiveWindowWatch.h"
#include "platform/x11/X11Connection.h"
#include "platform/x11/X11WindowSystem.h"
#include "platform/x11/XTestKeyEmitter.h"

#include <string>
#include <utility>

namespace rukcon::platform::x11 {

namespace {

// The display name a part connects to later: null stays null ($DISPLAY as it is then).
std::optional<std::string> savedName(const char* displayName)
{
    return displayName ? std::optional<std::string>(displayName) : std::nullopt;
}

const char* nameOf(const std::optional<std::string>& name)
{
    return name ? name->c_str() : nullptr;
}

// A key emitter that connects at the first key; a key that cannot connect is not sent, and the
// next one tries again.
class DeferredKeyEmitter : public KeyEmitter {
public:
    explicit DeferredKeyEmitter(const char* displayName) : m_displayName(savedName(displayName)) {}

    bool sendKey(uint8_t virtualKey, bool down) override
    {
        if (!m_emitter)
            m_emitter = createKeyEmitter(nameOf(m_displayName));
        return m_emitter && m_emitter->sendKey(virtualKey, down);
    }

private:
    std::optional<std::string> m_displayName;
    std::unique_ptr<KeyEmitter> m_emitter;
};

} // namespace

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

std::optional<Backends> createBackends(const char* displayName)
{
    std::shared_ptr<X11Connection> connection = X11Connection::open(displayName);
    if (!connection)
        return std::nullopt;
    Backends backends;
    if (XTestKeyEmitter::serverSupport(connection->display()))
        backends.keys = std::make_unique<DeferredKeyEmitter>(displayName);
    backends.activeWindow = std::make_unique<X11ActiveWindowWatch>(displayName, connection);
    backends.windows = std::make_unique<X11WindowSystem>(std::move(connection));
    return backends;
}

BackendsOffer offerBackends(const WindowingRequest& request)
{
    return {createBackends(request.x11Display), {}};
}

} // namespace rukcon::platform::x11
