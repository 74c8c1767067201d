#pragma once

#include "settings/Profile.h"

#include <QWidget>

#include <array>
#include <string>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace rukcon::ui {

// The hidden window Porm1 that owns the tray icon and the tray menu mn1. Its caption is the
// profile name, which the icon shows as its tooltip.
class TrayWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMenuEntries = settings::kMenuEntryCount;
    // The tip field holds 64 bytes of code page 932, its closing NUL included.
    static constexpr size_t kTipBytes = 64;

    TrayWindow();
    ~TrayWindow() override;

    // Adds the icon with the caption as tooltip. Adding while the icon is there changes
    // nothing: the icon keeps its old tooltip.
    void ShowIcon();
    void RemoveIcon();
    // Puts a new tip on the icon that is shown.
    void ChangeToolTip(const QString& tip);

    // The user-menu items M1 … M12 take the captions the menu labels show; empty ones hide, and
    // the two separators show only when the first entry exists.
    void SyncTrayUserMenu(const std::array<std::string, kMenuEntries>& captions);

    bool iconPresent() const { return m_iconPresent; }
    QString toolTip() const;
    QSystemTrayIcon* trayIcon() const { return m_icon; }
    QMenu* menu() const { return m_menu; }

    // Whether a notification area exists to hold the icon.
    static bool trayAvailable();

    QAction* operationCheckItem() const { return m_operationCheckItem; }
    QAction* pauseItem() const { return m_pauseItem; }
    QAction* activateItem() const { return m_activateItem; }
    QAction* openUserMenuItem() const { return m_openUserMenuItem; }
    QAction* autoSwitchItem() const { return m_autoSwitchItem; } // "自動切替", checkable
    QAction* separatorAboveEntries() const { return m_separatorAboveEntries; }
    QAction* userMenuItem(int k) const { return m_entries.at(static_cast<size_t>(k - 1)); } // M1 … M12
    QAction* separatorBelowEntries() const { return m_separatorBelowEntries; }
    QAction* lastExitItem() const { return m_lastExitItem; }
    QAction* userDefaultItem() const { return m_userDefaultItem; }
    QAction* initialStateItem() const { return m_initialStateItem; }
    QAction* exitItem() const { return m_exitItem; }

    // The text of a menu item that shows caption as it is: "&" would turn into a keyboard
    // accelerator, "&&" shows it.
    static QString itemText(const QString& caption);

    // The tooltip for a caption: cut to what the tip field holds, never inside a character.
    static QString tipFor(const QString& caption);

signals:
    // The hidden window was closed from outside (the session is ending).
    void closedFromOutside();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* addItem(const char* name, const QString& caption);

    QSystemTrayIcon* m_icon = nullptr;
    QMenu* m_menu = nullptr;
    bool m_iconPresent = false;
    QAction* m_operationCheckItem = nullptr;
    QAction* m_pauseItem = nullptr;
    QAction* m_activateItem = nullptr;
    QAction* m_openUserMenuItem = nullptr;
    QAction* m_autoSwitchItem = nullptr;
    QAction* m_separatorAboveEntries = nullptr;
    std::array<QAction*, kMenuEntries> m_entries{};
    QAction* m_separatorBelowEntries = nullptr;
    QAction* m_lastExitItem = nullptr;
    QAction* m_userDefaultItem = nullptr;
    QAction* m_initialStateItem = nullptr;
    QAction* m_exitItem = nullptr;
};

} // namespace rukcon::ui
