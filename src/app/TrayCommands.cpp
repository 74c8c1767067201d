#include "app/TrayCommands.h"

#include "app/FormKeyLists.h"
#include "app/TimingControls.h"
#include "settings/LastExitFile.h"
#include "settings/Profile.h"
#include "settings/UserDefaultFile.h"
#include "settings/UserMenu.h"
#include "sound/SoundService.h"
#include "target/TargetActivation.h"
#include "ui/Form1.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/SettingsPages.h"
#include "ui/TrayWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>

namespace rukcon::app {

TrayCommands::TrayCommands(Parts parts) : m_parts(std::move(parts))
{
    ui::TrayWindow& tray = m_parts.tray;
    connect(tray.operationCheckItem(), &QAction::triggered, this, &TrayCommands::onOpenOperationCheck);
    connect(tray.pauseItem(), &QAction::triggered, this, &TrayCommands::onTogglePause);
    connect(tray.activateItem(), &QAction::triggered, this, &TrayCommands::onActivateTarget);
    connect(tray.openUserMenuItem(), &QAction::triggered, this, &TrayCommands::onOpenUserMenu);
    for (int k = 1; k <= ui::TrayWindow::kMenuEntries; ++k)
        connect(tray.userMenuItem(k), &QAction::triggered, this, [this, k] { onUserMenuItem(k); });
    connect(tray.lastExitItem(), &QAction::triggered, this, &TrayCommands::onRestoreLastExit);
    connect(tray.userDefaultItem(), &QAction::triggered, this, &TrayCommands::onApplyUserDefault);
    connect(tray.initialStateItem(), &QAction::triggered, this, &TrayCommands::onRestoreInitialState);
    connect(tray.exitItem(), &QAction::triggered, this, [this] { m_parts.exitProgram(); });
}

void TrayCommands::onOpenOperationCheck()
{
    ui::Form1& form = m_parts.form;
    m_parts.sound.playClick();
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    form.showSettingsArea(false);
    m_parts.setPaused(false);
    m_parts.tray.RemoveIcon();
    m_parts.showMainWindow();
    form.settingsModeBox()->setChecked(false);
    form.keepAboveBox()->setChecked(false);
}

void TrayCommands::onTogglePause()
{
    // The item's own check mark has already flipped when this runs; the sound follows the new state.
    QAction* teisi = m_parts.tray.pauseItem();
    if (teisi->isChecked())
        m_parts.sound.playAlert();
    else
        m_parts.sound.playClick();
}

void TrayCommands::onActivateTarget()
{
    m_parts.sound.playClick();
    m_parts.target.ActivateTarget();
}

void TrayCommands::onOpenUserMenu()
{
    ui::Form1& form = m_parts.form;
    m_parts.sound.playClick();
    form.settingsModeBox()->setChecked(true);
    form.settingsTabs()->setCurrentIndex(ui::kMenuTab);
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    m_parts.setPaused(false);
    m_parts.tray.RemoveIcon();
    m_parts.showMainWindow();
    form.keepAboveBox()->setChecked(false);
}

void TrayCommands::onUserMenuItem(int k)
{
    m_parts.setPaused(false);
    m_parts.menu.setSelectedMenuEntry(k - 1);
    m_parts.sound.playClick();
    m_parts.menu.ApplyMenuEntry();
    RefreshTrayIcon();
}

void TrayCommands::onRestoreLastExit()
{
    m_parts.sound.playClick();
    m_parts.lastExit.LoadLastExit();
    m_parts.target.ActivateTarget();
}

void TrayCommands::onApplyUserDefault()
{
    m_parts.sound.playClick();
    m_parts.userDefault.ApplyUserDefault();
    ui::TrayWindow& tray = m_parts.tray;
    tray.RemoveIcon();
    tray.setWindowTitle(m_parts.form.profileNameBox()->text());
    tray.ShowIcon();
    m_parts.target.ActivateTarget();
    RefreshTrayIcon();
}

void TrayCommands::onRestoreInitialState()
{
    ui::Form1& form = m_parts.form;
    m_parts.sound.playClick();
    const settings::Profile& profile = settings::TrayInitialProfile();
    resetKeyChoices(m_parts.form, m_parts.keyLists, profile.keys);
    m_parts.timing.setReactionTime(profile.reactionTime);
    m_parts.timing.setArrowMultiplier(profile.arrowMultiplier);
    form.captionFragmentBox()->setEditText(QString::fromStdString(profile.captionFragment));
    form.profileNameBox()->setText(QString::fromStdString(profile.name));
    RefreshTrayIcon();
}

bool TrayCommands::applyMenuEntryQuietly(int index)
{
    m_parts.menu.setSelectedMenuEntry(index);
    if (!m_parts.menu.ApplyMenuEntry())
        return false;
    // The icon is away while the main window is shown; it takes the new name when it returns.
    ui::TrayWindow& tray = m_parts.tray;
    tray.setWindowTitle(m_parts.form.profileNameBox()->text());
    if (tray.iconPresent())
        tray.ChangeToolTip(tray.windowTitle());
    return true;
}

void TrayCommands::RefreshTrayIcon()
{
    ui::TrayWindow& tray = m_parts.tray;
    tray.RemoveIcon();
    tray.setWindowTitle(m_parts.form.profileNameBox()->text());
    tray.ShowIcon();
    m_parts.target.ActivateTarget();
}

} // namespace rukcon::app
