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
    connect(tray.mnopen(), &QAction::triggered, this, &TrayCommands::mnopenClick);
    connect(tray.Teisi(), &QAction::triggered, this, &TrayCommands::TeisiClick);
    connect(tray.Sact(), &QAction::triggered, this, &TrayCommands::SactClick);
    connect(tray.openUmn(), &QAction::triggered, this, &TrayCommands::openUmnClick);
    for (int k = 1; k <= ui::TrayWindow::kMenuEntries; ++k)
        connect(tray.menuEntry(k), &QAction::triggered, this, [this, k] { menuEntryClick(k); });
    connect(tray.Zenkai(), &QAction::triggered, this, &TrayCommands::ZenkaiClick);
    connect(tray.Uzer(), &QAction::triggered, this, &TrayCommands::UzerClick);
    connect(tray.Shoki(), &QAction::triggered, this, &TrayCommands::ShokiClick);
    connect(tray.mnend(), &QAction::triggered, this, [this] { m_app.ExitProgram(); });
}

void TrayCommands::mnopenClick()
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

void TrayCommands::TeisiClick()
{
    // The item's own check mark has already flipped when this runs; the sound follows the new state.
    QAction* teisi = m_app.tray().Teisi();
    if (teisi->isChecked())
        m_app.sound().playAlert();
    else
        m_app.sound().playClick();
}

void TrayCommands::SactClick()
{
    m_app.sound().playClick();
    m_app.targetActivation().ActivateTarget();
}

void TrayCommands::openUmnClick()
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

void TrayCommands::menuEntryClick(int k)
{
    m_app.setPaused(false);
    m_app.settingsStore().menu().setSelectedMenuEntry(k - 1);
    m_app.sound().playClick();
    m_app.settingsStore().menu().ApplyMenuEntry();
    RefreshTrayIcon();
}

void TrayCommands::ZenkaiClick()
{
    m_app.sound().playClick();
    m_app.settingsStore().lastExit().LoadLastExit();
    m_app.targetActivation().ActivateTarget();
}

void TrayCommands::UzerClick()
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

void TrayCommands::ShokiClick()
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
