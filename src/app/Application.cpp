#include "app/Application.h"

#include "app/AutomaticSwitching.h"
#include "app/DesignerHost.h"
#include "app/MainWindowCaptionBox.h"
#include "app/MainWindowCommands.h"
#include "app/MainWindowDispatchView.h"
#include "app/MainWindowSettingsView.h"
#include "app/QtMessagePump.h"
#include "app/QtUserMessages.h"
#include "app/ShutDown.h"
#include "app/StartUp.h"
#include "app/TargetActivatorAdapter.h"
#include "app/TrayCommands.h"
#include "app/TrayWindowTexts.h"
#include "input/KeyDispatch.h"
#include "input/KeyEmission.h"
#include "platform/FreedMemory.h"
#include "platform/null/NullFactory.h"
#include "settings/DiskIo.h"
#include "ui/AppIcon.h"
#include "ui/ButtonLayoutDesigner.h"
#include "ui/MainWindow.h"
#include "ui/TrayWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

namespace rukcon::app {

namespace {

// Neither the Wayland backends nor X11 work in this session.
const std::string kNoWindowSystemText = "このデスクトップではキーを送れません(X11、wlroots 系の Wayland、KDE Plasma、"
                                        "拡張機能を有効にした GNOME のどれかが必要です)。";

settings::SettingsWindow settingsWindowOf(settings::ProfileInForce& profile, MainWindowSettingsView& w,
                                          sound::SoundEffects& sounds)
{
    return {profile, w, w, w, w, sounds, w};
}

} // namespace

Application::Application(PlatformParts parts, settings::ProgramFolders folders, std::unique_ptr<settings::Clock> clock)
    : m_platform(std::move(parts)), m_folders(std::move(folders)),
      m_clock(clock ? std::move(clock) : std::make_unique<settings::SystemClock>()),
      m_disk(std::make_unique<settings::DiskIo>()), m_inForce(m_state, m_profile),
      m_form(std::make_unique<ui::MainWindow>()), m_messages(std::make_unique<QtUserMessages>(m_form.get())),
      m_sound(*m_platform.sound, *m_messages, [] { QApplication::beep(); }),
      m_view(std::make_unique<MainWindowDispatchView>(*m_form)),
      m_captionBox(std::make_unique<MainWindowCaptionBox>(m_inForce, *m_form)),
      m_target(*m_platform.windowing.windows, *m_captionBox, m_sound),
      m_activator(std::make_unique<TargetActivatorAdapter>(m_target)), m_pump(std::make_unique<QtMessagePump>()),
      m_controllerAccess(*m_platform.controller),
      m_keyEmission(std::make_unique<input::KeyEmission>(*m_platform.windowing.keys, *m_pump)),
      m_dispatch(std::make_unique<input::KeyDispatch>(m_state.inForce, *m_view, *m_keyEmission, *m_activator, m_sound)),
      m_pollCycle(m_controllerAccess, *m_dispatch, *m_keyEmission, *m_view),
      m_timing(m_inForce, *m_form, m_pollTimer, m_pollCycle), m_profile(m_inForce, *m_form, m_timing, m_keyLists),
      m_settingsWindow(std::make_unique<MainWindowSettingsView>(m_state, *m_form, m_sound, *m_messages)),
      m_store(settings::SettingsFolder(m_folders.settings), settingsWindowOf(m_inForce, *m_settingsWindow, m_sound),
              *m_clock, *m_disk)
{
    // The profile in force starts as the window's controls are built, until a profile is put in.
    m_state.inForce.reactionTime = ui::kReactionTimeBarStart;
    m_state.inForce.arrowMultiplier = ui::kMultiplierBarStart;
    m_state.inForce.name = ui::kNameBoxStart;
    m_state.inForce.captionFragment = ui::kCaptionBoxStart;
    m_pollTimer.setObjectName("Timer1");
    m_pollTimer.setInterval(100);
    // A coarse timer may fire 5 % early or late: a held input repeats at the reaction time set.
    m_pollTimer.setTimerType(Qt::PreciseTimer);
    m_statusTimer.setObjectName("Timer2");
    m_statusTimer.setInterval(5000);
    connect(&m_pollTimer, &QTimer::timeout, this, &Application::onPollTick);
    connect(&m_statusTimer, &QTimer::timeout, this, &Application::onStatusTick);
    // Settings mode follows its switch before any other handler of it runs.
    m_state.settingsMode = m_form->settingsModeBox()->isChecked();
    connect(m_form->settingsModeBox(), &QCheckBox::toggled, this, [this](bool on) { m_state.settingsMode = on; });
    connect(&m_wakeup, &ControllerWakeup::inputArrived, this, &Application::onControllerInput);
    m_form->setWindowIcon(ui::programIcon());
    m_form->installEventFilter(this);
    m_exit = [](int code) { QCoreApplication::exit(code); };
    m_messages->setAroundBox([this] { holdStill(); }, [this] { resumeAfterBox(); });
    m_usesTray = ui::TrayWindow::trayAvailable();
    // The tray window exists from the start, so the pause can hold polling during start-up.
    m_tray = std::make_unique<ui::TrayWindow>();
    m_state.paused = m_tray->pauseItem()->isChecked();
    connect(m_tray->pauseItem(), &QAction::toggled, this, [this](bool on) { m_state.paused = on; });
    m_shutDown = std::make_unique<ShutDown>(
        ShutDown::Deps{m_pollTimer, m_statusTimer, *m_keyEmission, m_sound, m_store.lastExit(), m_store.folder(),
                       *m_settingsWindow, *m_messages, *m_tray, *m_form, [this](int code) { m_exit(code); }});
    m_trayCommands = std::make_unique<TrayCommands>(TrayCommands::Deps{
        *m_tray, *m_form, m_inForce, m_sound, m_target, m_store.menu(), m_store.lastExit(), m_store.userDefault(),
        [this](bool on) { setSettingsMode(on); }, [this](bool on) { setPaused(on); }, [this] { showMainWindow(); },
        [this] { ExitProgram(); }});
    if (!m_platform.windowing.activeWindow)
        m_platform.windowing.activeWindow = platform::null::createActiveWindowWatch();
    m_autoSwitching = std::make_unique<AutomaticSwitching>(AutomaticSwitching::Deps{
        m_state, *m_tray, *m_form, *m_captionBox, *m_platform.windowing.activeWindow, m_store.menu(),
        m_store.autoSwitch(), [this](int index) { return m_trayCommands->applyUserMenuEntry(index + 1); }});
    m_settingsWindow->setTraySync([this] { m_tray->SyncTrayUserMenu(m_state.menuCaptions); });
    connect(m_tray.get(), &ui::TrayWindow::closedFromOutside, this, &Application::endWithoutSaving);
    connect(m_form->keepAboveBox(), &QCheckBox::toggled, this, &Application::SetAlwaysOnTop);
    m_designerHost =
        std::make_unique<DesignerHost>(m_sound, m_store.layout(), [this](bool on) { setSettingsMode(on); });
    m_designer = std::make_unique<ui::ButtonLayoutDesigner>(*m_form, *m_designerHost);
    // The handlers of the window's own controls, the settings-mode switch among them.
    m_trayTexts = std::make_unique<TrayWindowTexts>(*m_tray);
    m_commands = std::make_unique<MainWindowCommands>(MainWindowCommands::Deps{
        *m_form, m_keyLists, m_inForce, m_profile, m_sound, m_target, *m_trayTexts, m_store.folder(), m_store.menu(),
        m_store.userDefault(), m_store.lastExit(), m_store.geometry(), m_store.history(),
        [this](bool on) { setSettingsMode(on); }, [this] { ExitFromMainWindow(); }});
    // Settings mode and the pause start and stop the polling, whoever switches them.
    connect(m_form->settingsModeBox(), &QCheckBox::toggled, this, &Application::updatePolling);
    connect(m_tray->pauseItem(), &QAction::toggled, this, &Application::updatePolling);
}

Application::~Application() = default;

void Application::setSettingsMode(bool on)
{
    m_state.settingsMode = on;
    // The switch shows it, and runs what follows a change of mode (toggled fires only on a change).
    m_form->settingsModeBox()->setChecked(on);
}

void Application::setPaused(bool on)
{
    m_state.paused = on;
    m_tray->pauseItem()->setChecked(on);
}

void Application::SetAlwaysOnTop()
{
    // The outcome is not looked at: a window manager may refuse.
    m_platform.windowing.windows->setKeepAbove(m_form->winId(), m_form->keepAboveBox()->isChecked());
}

void Application::showMainWindow()
{
    m_form->show();
    m_form->raise();
    m_form->activateWindow();
}

void Application::hideToTray()
{
    if (m_usesTray) {
        m_form->hide();
        m_tray->ShowIcon();
    } else if (!m_form->isMinimized()) {
        m_form->showMinimized();
    }
}

bool Application::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_form.get())
        return false;
    if (event->type() == QEvent::WindowStateChange) {
        // Queued: the state change arrives in the middle of showing the minimised window.
        if (m_form->isMinimized())
            QMetaObject::invokeMethod(this, &Application::onMinimised, Qt::QueuedConnection);
        return false;
    }
    if (event->type() == QEvent::Close) {
        if (m_form->isVisible()) {
            // Closing the window only puts it away; "終了" ends the program. Without a tray
            // the window minimises instead, and the minimise activates the target.
            const bool minimising = !m_usesTray && !m_form->isMinimized();
            setSettingsMode(false);
            hideToTray();
            event->ignore();
            if (!minimising)
                m_target.ActivateTarget();
            return true;
        }
        // The hidden window closed from outside: the session is ending.
        endWithoutSaving();
        return false;
    }
    return false;
}

void Application::onMinimised()
{
    if (!m_form->isMinimized() || !m_form->isVisible())
        return;
    hideToTray();
    setSettingsMode(false);
    m_target.ActivateTarget();
}

void Application::holdStill()
{
    // The status tick goes on: it may end the start-up hold and keeps the status text fresh,
    // while updatePolling keeps the poll timer stopped until the box closes.
    ++m_boxDepth;
    updatePolling();
    m_keyEmission->ReleaseAllKeys();
}

void Application::resumeAfterBox()
{
    if (--m_boxDepth > 0)
        return;
    // The box may have changed what can be polled (settings mode, the pause, the controller).
    updatePolling();
}

void Application::ExitProgram()
{
    m_shutDown->endAfterSaving(true);
}

void Application::ExitFromMainWindow()
{
    m_shutDown->endAfterSaving(false);
}

void Application::endWithoutSaving()
{
    m_shutDown->endWithoutSaving();
}

void Application::start()
{
    m_startupPending = true;
    StartUp({m_state, *m_form, *m_tray, m_statusTimer, m_keyLists, m_sound, m_target, m_store, m_folders.effects,
             m_usesTray, [this](bool on) { setSettingsMode(on); }, [this](bool on) { setPaused(on); },
             [this] { updatePolling(); }, [this] { showMainWindow(); }})
        .run();
    // Asking the desktop whether the active window can be followed takes round trips the first
    // frame need not wait for: asked once the window is on its way.
    QMetaObject::invokeMethod(
        this, [this] { m_autoSwitching->start(); }, Qt::QueuedConnection);
}

void Application::onPollTick()
{
    // Settings mode and the pause as updatePolling last saw them (it follows both switches):
    // cheaper at every tick than asking the two widgets.
    const bool suspended = m_pollState == PollState::Suspended;
    const bool ran = m_pollCycle.Tick(suspended, suspended);
    // Nothing held and a controller that wakes the program: the ticks rest until its next event.
    if (ran && !m_pollCycle.inputHeld() && m_wakeup.watching())
        m_pollTimer.stop();
}

void Application::updatePolling()
{
    const PollState before = m_pollState;
    if (m_boxDepth > 0 || m_state.settingsMode || m_state.paused)
        m_pollState = PollState::Suspended;
    else if (m_controllerAccess.controllerId() < 0)
        m_pollState = PollState::NoController;
    else
        m_pollState = PollState::Allowed;

    if (m_pollState != PollState::Allowed) {
        m_pollTimer.stop();
        // Without a controller one cycle paints the indicators in the no-controller colour, as
        // every tick would have; in settings mode or paused they keep their colours.
        if (m_pollState == PollState::NoController && before != PollState::NoController)
            m_pollCycle.Tick(false, false);
    } else if (before != PollState::Allowed || !m_wakeup.watching()) {
        // The first tick reads the controller; where it wakes the program, that tick stops the
        // timer again unless something is held.
        if (!m_pollTimer.isActive())
            m_pollTimer.start();
    }
}

bool Application::refreshWakeup()
{
    const int32_t id = m_controllerAccess.controllerId();
    const std::string path =
        id >= 0 ? m_platform.controller->eventDevicePath(static_cast<unsigned>(id)) : std::string();
    if (path == m_wakeup.path() && (path.empty() || m_wakeup.watching()))
        return false;
    if (path.empty())
        m_wakeup.stop();
    else
        m_wakeup.watch(path); // a file that cannot be opened leaves the polling at the reaction time
    return true;
}

void Application::onControllerInput()
{
    if (!m_wakeup.watching()) {
        // The device went away: polled at the reaction time until the next detection.
        updatePolling();
        return;
    }
    // While the ticks run they read the controller themselves, one dispatch per reaction time.
    if (m_pollState != PollState::Allowed || m_pollTimer.isActive())
        return;
    // The ticks start either way, and the first one stops them again when nothing is held: a
    // controller that sends a stream of events (a trembling stick) costs no more than polling.
    if (m_pollCycle.Tick(m_state.settingsMode, m_state.paused))
        m_pollTimer.start();
}

void Application::reportNoWindowSystem()
{
    m_form->showStatus(QString::fromStdString(kNoWindowSystemText));
    // Once the event loop runs, so the box comes over the window already shown.
    QMetaObject::invokeMethod(
        this, [this] { m_messages->warning(kNoWindowSystemText); }, Qt::QueuedConnection);
}

void Application::tellWindowingAdvice(const std::string& advice)
{
    QMetaObject::invokeMethod(
        this, [this, advice] { m_messages->information(advice); }, Qt::QueuedConnection);
}

void Application::onStatusTick()
{
    m_controllerAccess.DetectController(input::kStatusAxisMargin);
    // Another controller, or another file for it: marked so the next update starts the ticks afresh.
    if (refreshWakeup() && m_pollState == PollState::Allowed)
        m_pollState = PollState::Suspended;
    m_form->showStatus(QString::fromStdString(
        input::ControllerStatusText(m_controllerAccess.controllerId(), m_controllerAccess.buttonCount())));

    m_autoSwitching->retryWhileWaiting();

    // The first tick after start-up leaves settings mode, so polling starts only after a detection.
    if (m_startupPending) {
        setSettingsMode(false);
        m_startupPending = false;
        updatePolling();
        // Start-up has settled: the window list's own connection closes until keys or the
        // settings need it, and what start-up built and dropped (the module's loading among it)
        // goes back.
        m_platform.windowing.windows->releaseIdleResources();
        platform::ReturnFreedMemory();
        return;
    }
    updatePolling();
}

} // namespace rukcon::app
