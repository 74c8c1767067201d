#include "platform/gnome/ShellActiveWindowWatch.h"

#include "ShellExtensionNames.h"

#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

namespace rukcon::platform::gnome {

ShellActiveWindowWatch::~ShellActiveWindowWatch()
{
    stop();
}

bool ShellActiveWindowWatch::available()
{
    return m_extension->reach() == ShellExtension::Reach::Serving;
}

bool ShellActiveWindowWatch::connectSignal(bool on)
{
    QDBusConnection& bus = m_extension->bus();
    const char* slot = SLOT(onFocusChanged(qulonglong, QString, bool));
    return on ? bus.connect(kBusName, kObjectPath, kInterface, "FocusChanged", this, slot)
              : bus.disconnect(kBusName, kObjectPath, kInterface, "FocusChanged", this, slot);
}

int ShellActiveWindowWatch::start()
{
    if (m_fd >= 0)
        return m_fd;
    m_fd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (m_fd < 0)
        return -1;
    if (!connectSignal(true) || !m_extension->watchFocus(true)) {
        stop();
        return -1;
    }
    m_comeback =
        std::make_unique<QDBusServiceWatcher>(kBusName, m_extension->bus(), QDBusServiceWatcher::WatchForRegistration);
    connect(m_comeback.get(), &QDBusServiceWatcher::serviceRegistered, this, [this] { m_extension->watchFocus(true); });
    m_arrived.reset();
    m_reported.reset();
    return m_fd;
}

void ShellActiveWindowWatch::stop()
{
    if (m_fd < 0)
        return;
    m_comeback.reset();
    m_extension->watchFocus(false);
    connectSignal(false);
    close(m_fd);
    m_fd = -1;
    m_arrived.reset();
}

void ShellActiveWindowWatch::onFocusChanged(qulonglong id, const QString& title, bool own)
{
    if (m_fd < 0)
        return;
    m_arrived = ActiveWindow{id, title.toStdString(), own};
    const uint64_t one = 1;
    // Fails only when the counter is full, which leaves it readable anyway.
    [[maybe_unused]] const ssize_t written = write(m_fd, &one, sizeof one);
}

std::optional<ActiveWindow> ShellActiveWindowWatch::takeChange()
{
    if (m_fd < 0)
        return std::nullopt;
    uint64_t count = 0;
    [[maybe_unused]] const ssize_t read_ = read(m_fd, &count, sizeof count);
    std::optional<ActiveWindow> change = std::exchange(m_arrived, std::nullopt);
    if (!change || (m_reported && m_reported->id == change->id && m_reported->caption == change->caption))
        return std::nullopt;
    m_reported = change;
    return change;
}

} // namespace rukcon::platform::gnome
