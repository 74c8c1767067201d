#pragma once

#include <QObject>

class QSocketNotifier;

namespace rukcon::app {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the user-interface thread, so the
// program can release held modifier keys and close the sound device before it ends.
class SignalBridge : public QObject {
    Q_OBJECT
public:
    explicit SignalBridge(QObject* parent = nullptr);
    ~SignalBridge() override;

signals:
    void terminationRequested(int signalNumber);

private:
    void onReadable();
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace rukcon::app
