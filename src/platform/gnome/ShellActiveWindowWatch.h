#pragma once

#include "platform/ActiveWindowWatch.h"
#include "platform/gnome/ShellExtension.h"

#include <QDBusServiceWatcher>
#include <QObject>

#include <memory>
#include <optional>

namespace rukcon::platform::gnome {

// The focused window as GNOME Shell reports it through the extension's FocusChanged signal,
// which the extension sends to this program alone, and only while it watches. The signal comes
// through Qt's event loop; each one is kept and an eventfd (the descriptor) is made readable.
// Stopped, it tells the extension to stop and closes the eventfd: nothing is sent or kept. An
// extension turned off and on again forgets its watchers: while started, the watch asks again.
class ShellActiveWindowWatch : public QObject, public ActiveWindowWatch {
    Q_OBJECT

public:
    explicit ShellActiveWindowWatch(std::shared_ptr<ShellExtension> extension) : m_extension(std::move(extension)) {}
    ~ShellActiveWindowWatch() override;

    bool available() override;
    int start() override;
    void stop() override;
    std::optional<ActiveWindow> takeChange() override;

private slots:
    void onFocusChanged(qulonglong id, const QString& title, bool own);

private:
    bool connectSignal(bool on);

    std::shared_ptr<ShellExtension> m_extension;
    std::unique_ptr<QDBusServiceWatcher> m_comeback; // while started
    int m_fd = -1;
    std::optional<ActiveWindow> m_arrived;  // the latest change not yet taken
    std::optional<ActiveWindow> m_reported; // the last one taken
};

} // namespace rukcon::platform::gnome
