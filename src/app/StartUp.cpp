#include "app/StartUp.h"

#include "app/MainWindowKeyLists.h"
#include "input/KeyTable.h"
#include "settings/Profile.h"
#include "settings/SessionState.h"
#include "settings/SettingsStore.h"
#include "sound/SoundService.h"
#include "target/TargetActivation.h"
#include "ui/MainWindow.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/TrayWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace rukcon::app {

void StartUp::run()
{
    // The window is built in settings mode already, so the switch would not run: the list of
    // running programs is read here instead.
    m_deps.setSettingsMode(true);
    m_deps.target.RefreshCaptionList();
    m_deps.setPaused(true); // nothing is polled while start-up runs
    m_deps.form.setWindowTitle(QString::fromUtf8(ui::MainWindow::kTitle));
    resetKeyChoices(m_deps.form, m_deps.keyLists, settings::StickArrowKeys());
    MainWindowKeyLists lists(m_deps.form, m_deps.keyLists);
    input::FillKeyLists(lists);

    m_deps.store.geometry().LoadWindowGeometry();
    m_deps.store.userDefault().LoadUserDefault();
    m_deps.store.lastExit().LoadLastExit();
    m_deps.store.menu().LoadUserMenu();
    m_deps.store.menu().RefreshMenuLabels();

    m_deps.form.hide();
    m_deps.target.ActivateTarget();
    m_deps.tray.setWindowTitle(QString::fromStdString(m_deps.state.inForce.name));
    if (m_deps.usesTray)
        m_deps.tray.ShowIcon();
    m_deps.setPaused(false);
    m_deps.tray.setWindowTitle(QString::fromStdString(m_deps.state.inForce.name));
    m_deps.form.settingsTabs()->setCurrentIndex(0);
    m_deps.sound.InitSound(m_deps.effects);
    m_deps.sound.playClick();

    // From here on a failing step is skipped and start-up goes on.
    m_deps.store.folder().EnsureHistoryFolder();
    m_deps.tray.SyncTrayUserMenu(m_deps.state.menuCaptions);
    m_deps.store.layout().LoadButtonLayout();
    m_deps.form.settingsModeBox()->hide();

    m_deps.updatePolling(); // settings mode holds it until the first status tick
    m_deps.statusTimer.start();
    m_deps.showMainWindow();
}

} // namespace rukcon::app
