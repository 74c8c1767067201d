#include "app/StartUp.h"

#include "app/FormKeyLists.h"
#include "input/KeyTable.h"
#include "settings/Profile.h"
#include "settings/SettingsStore.h"
#include "sound/SoundService.h"
#include "target/TargetActivation.h"
#include "ui/Form1.h"
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
    m_parts.form.settingsModeBox()->setChecked(true);
    m_parts.target.RefreshCaptionList();
    m_parts.setPaused(true); // nothing is polled while start-up runs
    m_parts.form.setWindowTitle(QString::fromUtf8(ui::Form1::kTitle));
    resetKeyChoices(m_parts.form, m_parts.keyLists, settings::StickArrowKeys());
    FormKeyLists lists(m_parts.form, m_parts.keyLists);
    input::FillKeyLists(lists);

    m_parts.store.geometry().LoadWindowGeometry();
    m_parts.store.userDefault().LoadUserDefault();
    m_parts.store.lastExit().LoadLastExit();
    m_parts.store.menu().LoadUserMenu();
    m_parts.store.menu().RefreshMenuLabels();

    m_parts.form.hide();
    m_parts.target.ActivateTarget();
    m_parts.tray.setWindowTitle(m_parts.form.profileNameBox()->text());
    if (m_parts.usesTray)
        m_parts.tray.ShowIcon();
    m_parts.setPaused(false);
    m_parts.tray.setWindowTitle(m_parts.form.profileNameBox()->text());
    m_parts.form.settingsTabs()->setCurrentIndex(0);
    m_parts.form.keyChoiceBox(settings::kActivationSlot, 1)->hide();
    m_parts.form.keyChoiceBox(settings::kActivationSlot, 2)->hide();
    m_parts.sound.InitSound(m_parts.effects);
    m_parts.sound.playClick();

    // From here on a failing step is skipped and start-up goes on.
    m_parts.store.folder().EnsureHistoryFolder();
    m_parts.tray.SyncTrayUserMenu();
    m_parts.store.layout().LoadButtonLayout();
    m_parts.form.hideButtonBox()->hide();
    m_parts.form.restoreLayoutButton()->hide();
    m_parts.form.confirmLayoutButton()->hide();
    m_parts.form.settingsModeBox()->hide();

    m_parts.updatePolling(); // settings mode holds it until the first status tick
    m_parts.statusTimer.start();
    m_parts.showMainWindow();
}

} // namespace rukcon::app
