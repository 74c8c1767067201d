#pragma once

#include <QObject>

#include <string>

class QSocketNotifier;

namespace rukcon::app {

// Sleeps until the controller sends an event: a second, read-only descriptor of its event device,
// watched by the event loop. Every open descriptor of an event device gets its own copy of the
// events, so draining this one takes nothing away from the controller's reader. Any readable file
// serves, a pipe too.
class ControllerWakeup : public QObject {
    Q_OBJECT
public:
    ControllerWakeup();
    ~ControllerWakeup() override;

    // Watches the file at path instead of the one before; false, and nothing watched, when it
    // cannot be opened (no permission, gone).
    bool watch(const std::string& path);
    void stop();

    bool watching() const { return m_fd >= 0; }
    // The file asked for last, also when opening it failed or it went away since.
    const std::string& path() const { return m_path; }

signals:
    // Events arrived and were drained; also sent once when the file stops answering (unplugged),
    // after which nothing is watched.
    void inputArrived();

private:
    void onReadable();

    int m_fd = -1;
    std::string m_path;
    QSocketNotifier* m_notifier = nullptr; // a child; deleted later, it may be signalling
};

} // namespace rukcon::app
