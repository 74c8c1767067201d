#include "app/TrayCommands.h"

#include "app/Application.h"
#include "settings/Profile.h"
#include "ui/Form1.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/SettingsPages.h"
#include "ui/TrayWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>

namespace rukcon::app {

TrayCommands::TrayCommands(Application& app) : m_app(app)
{
    ui::TrayWindow& tray = m_app.tray();
    connect(tray.operationCheckItem(), &QAction::triggered, this, &TrayCommands::onOpenOperationCheck);
    connect(tray.pauseItem(), &QAction::triggered, this, &TrayCommands::onTogglePause);
    connect(tray.activateItem(), &QAction::triggered, this, &TrayCommands::onActivateTarget);
    connect(tray.openUserMenuItem(), &QAction::triggered, this, &TrayCommands::onOpenUserMenu);
    for (int k = 1; k <= ui::TrayWindow::kMenuEntries; ++k)
        connect(tray.userMenuItem(k), &QAction::triggered, this, [this, k] { onUserMenuItem(k); });
    connect(tray.lastExitItem(), &QAction::triggered, this, &TrayCommands::onRestoreLastExit);
    connect(tray.userDefaultItem(), &QAction::triggered, this, &TrayCommands::onApplyUserDefault);
    connect(tray.initialStateItem(), &QAction::triggered, this, &TrayCommands::onRestoreInitialState);
    connect(tray.exitItem(), &QAction::triggered, this, [this] { m_app.ExitProgram(); });
}

void TrayCommands::onOpenOperationCheck()
{
    ui::Form1& form = m_app.form();
    m_app.sound().playClick();
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    form.showSettingsArea(false);
    m_app.setPaused(false);
    m_app.tray().RemoveIcon();
    m_app.showMainWindow();
    form.settingsModeBox()->setChecked(false);
    form.keepAboveBox()->setChecked(false);
}

void TrayCommands::onTogglePause()
{
    // The item's own check mark has already flipped when this runs; the sound follows the new state.
    QAction* teisi = m_app.tray().pauseItem();
    if (teisi->isChecked())
        m_app.sound().playAlert();
    else
        m_app.sound().playClick();
}

void TrayCommands::onActivateTarget()
{
    m_app.sound().playClick();
    m_app.targetActivation().ActivateTarget();
}

void TrayCommands::onOpenUserMenu()
{
    ui::Form1& form = m_app.form();
    m_app.sound().playClick();
    form.settingsModeBox()->setChecked(true);
    form.settingsTabs()->setCurrentIndex(ui::kMenuTab);
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    m_app.setPaused(false);
    m_app.tray().RemoveIcon();
    m_app.showMainWindow();
    form.keepAboveBox()->setChecked(false);
}

void TrayCommands::onUserMenuItem(int k)
{
    m_app.setPaused(false);
    m_app.settingsStore().menu().setSelectedMenuEntry(k - 1);
    m_app.sound().playClick();
    m_app.settingsStore().menu().ApplyMenuEntry();
    RefreshTrayIcon();
}

void TrayCommands::onRestoreLastExit()
{
    m_app.sound().playClick();
    m_app.settingsStore().lastExit().LoadLastExit();
    m_app.targetActivation().ActivateTarget();
}

void TrayCommands::onApplyUserDefault()
{
    m_app.sound().playClick();
    m_app.settingsStore().userDefault().ApplyUserDefault();
    ui::TrayWindow& tray = m_app.tray();
    tray.RemoveIcon();
    tray.setWindowTitle(m_app.form().profileNameBox()->text());
    tray.ShowIcon();
    m_app.targetActivation().ActivateTarget();
    RefreshTrayIcon();
}

void TrayCommands::onRestoreInitialState()
{
    ui::Form1& form = m_app.form();
    m_app.sound().playClick();
    const settings::Profile& profile = settings::TrayInitialProfile();
    m_app.resetKeyChoices(profile.keys);
    m_app.setReactionTime(profile.reactionTime);
    m_app.setArrowMultiplier(profile.arrowMultiplier);
    form.captionFragmentBox()->setEditText(QString::fromStdString(profile.captionFragment));
    form.profileNameBox()->setText(QString::fromStdString(profile.name));
    RefreshTrayIcon();
}

void TrayCommands::RefreshTrayIcon()
{
    ui::TrayWindow& tray = m_app.tray();
    tray.RemoveIcon();
    tray.setWindowTitle(m_app.form().profileNameBox()->text());
    tray.ShowIcon();
    m_app.targetActivation().ActivateTarget();
}

} // namespace rukcon::app
