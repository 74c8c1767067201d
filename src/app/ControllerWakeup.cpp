#include "app/ControllerWakeup.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace rukcon::app {

ControllerWakeup::ControllerWakeup() = default;

ControllerWakeup::~ControllerWakeup()
{
    stop();
}

bool ControllerWakeup::watch(const std::string& path)
{
    stop();
    m_path = path;
    // Never blocking: the event loop reads only what is there.
    m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return false;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ControllerWakeup::onReadable);
    return true;
}

void ControllerWakeup::stop()
{
    if (m_notifier) {
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

void ControllerWakeup::onReadable()
{
    // The events themselves do not matter, only that some came: the poll cycle reads the state.
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
        if (got > 0)
            continue;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        // End of file (a pipe's writer left) or an error (the device was unplugged): it would
        // stay readable for ever, so it is no longer watched.
        stop();
        break;
    }
    emit inputArrived();
}

} // namespace rukcon::app
