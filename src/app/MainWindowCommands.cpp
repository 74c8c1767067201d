#include "app/MainWindowCommands.h"

#include "app/Application.h"
#include "app/FormKeyLists.h"
#include "settings/Profile.h"
#include "ui/Colours.h"
#include "ui/Form1.h"
#include "ui/HistoryFolderWindow.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/TrayWindow.h"
#include "ui/Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace rukcon::app {

namespace {

// The tray window carries both texts itself.
class TrayWindowTexts : public TrayTexts {
public:
    explicit TrayWindowTexts(ui::TrayWindow& tray) : m_tray(tray) {}
    void setTrayCaption(const QString& text) override { m_tray.setWindowTitle(text); }
    void setActivateItemCaption(const QString& text) override
    {
        m_tray.activateItem()->setText(ui::TrayWindow::itemText(text));
    }

private:
    ui::TrayWindow& m_tray;
};

} // namespace

MainWindowCommands::MainWindowCommands(Application& app)
    : m_app(app), m_drops(app.settingsStore().history(), app.sound()),
      m_ownTrayTexts(std::make_unique<TrayWindowTexts>(app.tray())), m_trayTexts(m_ownTrayTexts.get())
{
    ui::Form1& form = m_app.form();

    // toggled fires only on a change, so setting the mode it is already in runs nothing.
    connect(form.settingsModeBox(), &QCheckBox::toggled, this, &MainWindowCommands::onSettingsModeChanged);
    for (int slot = 0; slot < ui::kSlotCount; ++slot)
        connect(form.keyChoiceBox(slot, 0), &QComboBox::activated, this, [this, slot] { onFirstKeyChosen(slot); });
    // The caption fragment box needs no handler: the activation reads the caption fragment from the box each time.
    connect(form.profileNameBox(), &QLineEdit::textChanged, this, &MainWindowCommands::onProfileNameChanged);

    const std::pair<QPushButton*, void (MainWindowCommands::*)()> buttons[] = {
        {form.nameTabSaveButton(), &MainWindowCommands::onSaveFromNameTab},
        {form.exitButton(), &MainWindowCommands::onExit},
        {form.saveUserDefaultButton(), &MainWindowCommands::onSaveUserDefault},
        {form.applyUserDefaultButton(), &MainWindowCommands::onApplyUserDefault},
        {form.menuTabButton(), &MainWindowCommands::onOpenMenuTab},
        {form.saveWindowPlaceButton(), &MainWindowCommands::onSaveWindowPlace},
        {form.applyLastExitButton(), &MainWindowCommands::onApplyLastExit},
        {form.saveToMenuButton(), &MainWindowCommands::onSaveToMenu},
        {form.openHistoryFolderButton(), &MainWindowCommands::onOpenHistoryFolder},
        {form.reloadListsButton(), &MainWindowCommands::onReloadLists},
        {form.otherTabButton(), &MainWindowCommands::onOpenOtherTab},
        {form.newSettingsButton(), &MainWindowCommands::onNewSettings},
        {form.operationCheckButton(), &MainWindowCommands::onOperationCheck},
    };
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);

    for (int i = 0; i < ui::kMenuEntryCount; ++i)
        form.menuLabel(i)->installEventFilter(this);

    m_drops.watch(&form);
    m_drops.watch(form.settingsTabs());
}

MainWindowCommands::~MainWindowCommands()
{
    for (const QPointer<ui::HistoryFolderWindow>& window : m_openedFolderWindows)
        delete window.data();
}

void MainWindowCommands::onSettingsModeChanged(bool on)
{
    ui::Form1& form = m_app.form();
    if (on) {
        m_app.targetActivation().RefreshCaptionList();
        form.settingsTabs()->show();
        form.buttonPanel()->hide();
        return;
    }
    form.buttonPanel()->show();
    form.buttonPanel()->move(ui::twips(ui::kPanelShownAt.x()), ui::twips(ui::kPanelShownAt.y()));
    form.settingsTabs()->hide();
}

void MainWindowCommands::onFirstKeyChosen(int /*slot*/)
{
    m_app.form().settingsModeBox()->setChecked(true);
}

void MainWindowCommands::onProfileNameChanged(const QString& text)
{
    if (m_trayTexts) {
        m_trayTexts->setTrayCaption(text);
        m_trayTexts->setActivateItemCaption(text + QString::fromUtf8(kActivateItemSuffix));
    }
    for (int i = 0; i < ui::kNameLabelCount; ++i)
        m_app.form().nameLabel(i)->setText(text);
}

bool MainWindowCommands::addToMenu()
{
    m_app.sound().playClick();
    return m_app.settingsStore().menu().AddCurrentToMenu();
}

void MainWindowCommands::enterSettingsTab(int tab)
{
    m_app.form().settingsModeBox()->setChecked(true);
    m_app.form().settingsTabs()->setCurrentIndex(tab);
}

void MainWindowCommands::fillKeyLists()
{
    FormKeyLists lists(m_app.form(), m_app.keyLists());
    input::FillKeyLists(lists);
}

void MainWindowCommands::onSaveFromNameTab()
{
    addToMenu();
}

void MainWindowCommands::onExit()
{
    m_app.ExitFromMainWindow();
}

void MainWindowCommands::onSaveUserDefault()
{
    m_app.sound().playClick();
    m_app.settingsStore().userDefault().SaveUserDefault();
}

void MainWindowCommands::onApplyUserDefault()
{
    m_app.sound().playClick();
    m_app.settingsStore().userDefault().ApplyUserDefault();
}

void MainWindowCommands::onOpenMenuTab()
{
    m_app.sound().playClick();
    enterSettingsTab(ui::kMenuTab);
}

void MainWindowCommands::onSaveWindowPlace()
{
    settings::WindowGeometryFile& geometry = m_app.settingsStore().geometry();
    // A folder window the user has closed is gone; the remembered place then stays as it was.
    if (const ui::HistoryFolderWindow* window = m_folderWindow.data(); window && window->isVisible())
        geometry.setFolderWindow({window->y(), window->x(), window->height(), window->width()});
    geometry.SaveWindowGeometry();
}

void MainWindowCommands::onApplyLastExit()
{
    m_app.sound().playClick();
    m_app.settingsStore().lastExit().LoadLastExit();
}

void MainWindowCommands::onSaveToMenu()
{
    if (addToMenu())
        enterSettingsTab(ui::kMenuTab);
}

void MainWindowCommands::onOpenHistoryFolder()
{
    const settings::SettingsFolder& folder = m_app.settingsStore().folder();
    folder.EnsureHistoryFolder();
    auto* window = new ui::HistoryFolderWindow(QFile::decodeName(folder.historyFolder().c_str()));
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Placed before it is shown, so it does not appear elsewhere first.
    const settings::WindowRect& place = m_app.settingsStore().geometry().folderWindow();
    window->move(place.left, place.top);
    window->resize(place.width, place.height);
    window->show();

    // Every press opens a window of its own; the last one is the one whose place is recorded.
    std::erase_if(m_openedFolderWindows, [](const QPointer<ui::HistoryFolderWindow>& w) { return w.isNull(); });
    m_openedFolderWindows.emplace_back(window);
    m_folderWindow = window;
}

void MainWindowCommands::onReloadLists()
{
    fillKeyLists();
}

void MainWindowCommands::onOpenOtherTab()
{
    m_app.sound().playClick();
    enterSettingsTab(ui::kOtherTab);
}

void MainWindowCommands::onNewSettings()
{
    ui::Form1& form = m_app.form();
    form.settingsModeBox()->setChecked(true);
    m_app.sound().playClick();
    form.settingsTabs()->setCurrentIndex(ui::kNamingTab);
    const settings::Profile& profile = settings::NewSettingsProfile();
    m_app.resetKeyChoices(profile.keys);
    m_app.targetActivation().RefreshCaptionList();
    fillKeyLists();
    m_app.setReactionTime(profile.reactionTime);
    m_app.setArrowMultiplier(profile.arrowMultiplier);
    form.captionFragmentBox()->setEditText(QString::fromStdString(profile.captionFragment));
    form.profileNameBox()->setText(QString::fromStdString(profile.name));
}

void MainWindowCommands::onOperationCheck()
{
    m_app.sound().playClick();
    m_app.form().settingsModeBox()->setChecked(false);
}

void MainWindowCommands::onMenuLabelPressed(int index, Qt::MouseButton button)
{
    QLabel* label = m_app.form().menuLabel(index);
    ui::setWidgetColours(label, ui::kWhite, kMenuLabelPressedBgr);
    settings::UserMenu& menu = m_app.settingsStore().menu();
    menu.setSelectedMenuEntry(index);
    if (button == Qt::RightButton) {
        // Every used entry can go, also one saved without a name, whose label is empty.
        if (index >= menu.menuCount())
            return;
        m_app.sound().playAlert();
        // Archives the entry first, then saves, reloads and shows the menu, tray included.
        menu.DeleteMenuEntry();
    } else if (!label->text().isEmpty()) {
        m_app.sound().playClick();
        menu.ApplyMenuEntry();
    }
}

void MainWindowCommands::onMenuLabelReleased(int index)
{
    ui::setWidgetColours(m_app.form().menuLabel(index), ui::kWhite, ui::kWorkspaceGrey);
}

bool MainWindowCommands::eventFilter(QObject* watched, QEvent* event)
{
    // A double click's second press arrives as its own event type and does not press again.
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return false;
    for (int i = 0; i < ui::kMenuEntryCount; ++i) {
        if (watched != m_app.form().menuLabel(i))
            continue;
        if (event->type() == QEvent::MouseButtonPress)
            onMenuLabelPressed(i, static_cast<QMouseEvent*>(event)->button());
        else
            onMenuLabelReleased(i);
        return true;
    }
    return false;
}

} // namespace rukcon::app
