#include "app/AutomaticSwitching.h"

#include "platform/ActiveWindowWatch.h"
#include "settings/AutoSwitchFile.h"
#include "settings/UserMenu.h"
#include "target/AutomaticSwitch.h"
#include "target/TargetActivation.h"
#include "ui/MainWindow.h"
#include "ui/TrayWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QSocketNotifier>

namespace rukcon::app {

AutomaticSwitching::AutomaticSwitching(Deps deps) : m_deps(std::move(deps))
{
    connect(m_deps.tray.autoSwitchItem(), &QAction::triggered, this, &AutomaticSwitching::onItemTriggered);
    // A window manager may start or end after this program; asked again whenever the menu opens.
    connect(m_deps.tray.menu(), &QMenu::aboutToShow, this, &AutomaticSwitching::update);
}

AutomaticSwitching::~AutomaticSwitching()
{
    if (listening())
        m_deps.watch.stop();
}

void AutomaticSwitching::start()
{
    m_deps.state.automaticSwitching = m_deps.file.Load();
    m_deps.tray.autoSwitchItem()->setChecked(m_deps.state.automaticSwitching);
    update();
}

void AutomaticSwitching::retryWhileWaiting()
{
    if (m_deps.state.automaticSwitching && !listening())
        update();
}

void AutomaticSwitching::onItemTriggered(bool on)
{
    // A failed save tells the user; the option still holds for this run.
    m_deps.state.automaticSwitching = on;
    m_deps.file.Save(on);
    update();
}

void AutomaticSwitching::update()
{
    const bool available = m_deps.watch.available();
    m_deps.tray.autoSwitchItem()->setEnabled(available);
    const bool wanted = m_deps.state.automaticSwitching && available;
    if (wanted && !m_notifier) {
        const int fd = m_deps.watch.start();
        if (fd < 0)
            return;
        m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &AutomaticSwitching::onReadable);
    } else if (!wanted && m_notifier) {
        // Deleted later: it may be the one signalling now.
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
        m_deps.watch.stop();
    } else if (m_notifier) {
        // Asking may have read the window system's connection, taking in a change that its
        // descriptor then no longer shows.
        onReadable();
    }
}

void AutomaticSwitching::onReadable()
{
    if (const std::optional<platform::ActiveWindow> change = m_deps.watch.takeChange())
        onActiveWindow(*change);
}

void AutomaticSwitching::onActiveWindow(const platform::ActiveWindow& window)
{
    ui::MainWindow& form = m_deps.form;
    const settings::UserMenu& menu = m_deps.menu;
    std::vector<target::ProfileTarget> entries;
    for (int i = 0; i < menu.menuCount(); ++i)
        entries.push_back({menu.entryName(i), menu.entryFragment(i)});
    // Any window of this process (the main window, a message box) is its own. Where the backend
    // tells, its word holds: a Wayland toplevel's id is no X id, and Qt's Wayland windows all
    // have the same winId, which a toplevel's id may equal.
    const bool own = window.own ? *window.own : window.id != 0 && QWidget::find(static_cast<WId>(window.id)) != nullptr;
    const std::optional<size_t> chosen =
        target::ChooseMenuEntry({window.caption, own}, m_deps.state.settingsMode, entries, m_deps.fragment.fragment());
    if (!chosen)
        return;
    const int index = static_cast<int>(*chosen);
    if (m_deps.applyEntryQuietly(index))
        form.showStatus(QStringLiteral("「%1」に切り替えた").arg(QString::fromStdString(menu.entryName(index))));
}

} // namespace rukcon::app
