#include "ui/TrayWindow.h"

#include "settings/TextCodec.h"
#include "ui/AppIcon.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QSystemTrayIcon>

namespace rukcon::ui {

namespace {

// Lead bytes of the two-byte characters of code page 932.
bool isLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

} // namespace

TrayWindow::TrayWindow()
{
    setObjectName(QStringLiteral("Porm1"));
    setWindowTitle(QStringLiteral("Form1"));
    setWindowIcon(programIcon());

    m_menu = new QMenu(QStringLiteral("メニュー"), this);
    m_menu->setObjectName(QStringLiteral("mn1"));
    m_operationCheckItem = addItem("mnopen", QStringLiteral("動作チェック"));
    m_pauseItem = addItem("Teisi", QStringLiteral("一時停止"));
    m_pauseItem->setCheckable(true);
    m_activateItem = addItem("Sact", QStringLiteral("RUKアクティブ"));
    m_openUserMenuItem = addItem("openUmn", QStringLiteral("ユーザーメニューを開く"));
    // The profile follows the active window: a later addition, named by its role.
    m_autoSwitchItem = addItem("autoSwitch", QStringLiteral("自動切替"));
    m_autoSwitchItem->setCheckable(true);
    m_separatorAboveEntries = m_menu->addSeparator();
    m_separatorAboveEntries->setObjectName(QStringLiteral("hosi1"));
    for (int k = 1; k <= kMenuEntries; ++k)
        m_entries[static_cast<size_t>(k - 1)] =
            addItem(("M" + std::to_string(k)).c_str(), QStringLiteral("M%1").arg(k));
    m_separatorBelowEntries = m_menu->addSeparator();
    m_separatorBelowEntries->setObjectName(QStringLiteral("hosi2"));
    m_lastExitItem = addItem("Zenkai", QStringLiteral("前回の終了時に戻す"));
    m_userDefaultItem = addItem("Uzer", QStringLiteral("ユーザーデフォルトにする"));
    m_initialStateItem = addItem("Shoki", QStringLiteral("初期状態にする"));
    m_exitItem = addItem("mnend", QStringLiteral("終了"));

    m_icon = new QSystemTrayIcon(programIcon(), this);
    m_icon->setObjectName(QStringLiteral("TrayIcon"));
    // The right button opens the menu; a left click or double-click does nothing visible.
    m_icon->setContextMenu(m_menu);
}

TrayWindow::~TrayWindow() = default;

QAction* TrayWindow::addItem(const char* name, const QString& caption)
{
    QAction* action = m_menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

bool TrayWindow::trayAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

QString TrayWindow::tipFor(const QString& caption)
{
    const std::string bytes = settings::TextCodec::ToCp932(caption.toStdString());
    size_t end = 0;
    while (end < bytes.size()) {
        const size_t width = isLeadByte(static_cast<unsigned char>(bytes[end])) ? 2 : 1;
        if (end + width > kTipBytes - 1)
            break;
        end += width;
    }
    return QString::fromStdString(settings::TextCodec::FromCp932(std::string_view(bytes).substr(0, end)));
}

void TrayWindow::ShowIcon()
{
    if (!m_iconPresent) {
        m_icon->setToolTip(tipFor(windowTitle()));
        m_icon->show();
        m_iconPresent = true;
    }
}

void TrayWindow::RemoveIcon()
{
    m_icon->hide();
    m_iconPresent = false;
}

void TrayWindow::ChangeToolTip(const QString& tip)
{
    m_icon->setToolTip(tipFor(tip));
}

QString TrayWindow::toolTip() const
{
    return m_icon->toolTip();
}

QString TrayWindow::itemText(const QString& caption)
{
    return QString(caption).replace('&', QStringLiteral("&&"));
}

void TrayWindow::SyncTrayUserMenu(const std::array<std::string, kMenuEntries>& captions)
{
    for (int k = 1; k <= kMenuEntries; ++k)
        userMenuItem(k)->setText(itemText(QString::fromStdString(captions[size_t(k - 1)])));
    for (int k = 1; k <= kMenuEntries; ++k)
        userMenuItem(k)->setVisible(!userMenuItem(k)->text().isEmpty());
    const bool any = !userMenuItem(1)->text().isEmpty();
    m_separatorAboveEntries->setVisible(any);
    m_separatorBelowEntries->setVisible(any);
}

void TrayWindow::closeEvent(QCloseEvent* event)
{
    RemoveIcon();
    event->accept();
    emit closedFromOutside();
}

} // namespace rukcon::ui
