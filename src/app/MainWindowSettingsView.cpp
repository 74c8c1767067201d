#include "app/MainWindowSettingsView.h"

#include "platform/UserMessages.h"
#include "sound/SoundEffects.h"
#include "ui/ButtonPanel.h"
#include "ui/MainWindow.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace rukcon::app {

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void MainWindowSettingsView::setMenuLabel(int index, const std::string& caption)
{
    m_state.menuCaptions.at(size_t(index)) = caption;
    m_form.showMenuEntry(index, fromUtf8(caption));
}

void MainWindowSettingsView::showMessage(const std::string& text)
{
    if (m_ending)
        return;
    m_sounds.playAlert();
    const bool seen = m_form.isVisible() && !m_form.isMinimized();
    const bool settingsMode = m_state.settingsMode;
    if (seen && settingsMode && m_form.settingsTabs()->currentIndex() == ui::kNamingTab)
        m_form.showNameTabMessage(fromUtf8(text));
    else if (seen && !settingsMode)
        m_form.showStatus(fromUtf8(text));
    else
        m_boxes.warning(text);
}

void MainWindowSettingsView::showNotice(const std::string& text)
{
    m_form.showNameTabMessage(fromUtf8(text));
    const bool seen = m_form.isVisible() && !m_form.isMinimized() && m_state.settingsMode &&
                      m_form.settingsTabs()->currentIndex() == ui::kNamingTab;
    if (!seen)
        m_form.showStatus(fromUtf8(text));
}

settings::WindowRect MainWindowSettingsView::mainWindowRect() const
{
    // Before the window manager has framed the window, its frame is assumed to be the usual one.
    QRect outer = m_form.frameGeometry();
    outer.setSize(m_form.size() + m_form.frameExtra());
    // Wayland compositors place windows themselves and tell no client where.
    if (m_placed && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return {m_placedTop, m_placedLeft, ui::toTwips(outer.height()), ui::toTwips(outer.width())};
    return {ui::toTwips(outer.y()), ui::toTwips(outer.x()), ui::toTwips(outer.height()), ui::toTwips(outer.width())};
}

void MainWindowSettingsView::setMainWindowRect(const settings::WindowRect& rect)
{
    m_placedTop = rect.top;
    m_placedLeft = rect.left;
    m_placed = true;
    m_form.setFrameGeometryTwips(QRect(rect.left, rect.top, rect.width, rect.height));
}

MainWindowSettingsView::MainWindowSettingsView(settings::SessionState& state, ui::MainWindow& form,
                                               sound::SoundEffects& sounds, platform::UserMessages& boxes)
    : m_state(state), m_form(form), m_sounds(sounds), m_boxes(boxes)
{
    // A layout read before the panel was built goes onto its buttons when it is.
    QObject::connect(&m_form, &ui::MainWindow::panelBuilt, &m_form, [this] {
        for (int i = 0; i < ButtonLayoutControls::kButtonCount; ++i)
            if (const std::optional<settings::LayoutButton> button = std::exchange(m_pendingLayout[size_t(i)], {}))
                setLayoutButton(i, *button);
    });
}

settings::LayoutButton MainWindowSettingsView::layoutButton(int index) const
{
    // Asking builds nothing: before the panel is built a button stands where it was put, or as designed.
    if (!m_form.isPanelBuilt()) {
        if (const std::optional<settings::LayoutButton>& pending = m_pendingLayout.at(size_t(index)))
            return *pending;
        const QRect t = ui::designedLayoutButtonTwips(index);
        return {{t.y(), t.x(), t.height(), t.width()}, true};
    }
    // The panel keeps each button's exact twips; whole pixels alone would round 1319 to 1320.
    const QPushButton* b = m_form.layoutButton(index);
    const QRect t = ui::layoutButtonTwips(b);
    return {{t.y(), t.x(), t.height(), t.width()}, !b->isHidden()};
}

void MainWindowSettingsView::setLayoutButton(int index, const settings::LayoutButton& button)
{
    if (!m_form.isPanelBuilt()) {
        m_pendingLayout.at(size_t(index)) = button;
        return;
    }
    QPushButton* b = m_form.layoutButton(index);
    ui::setLayoutButtonTwips(b, QRect(button.rect.left, button.rect.top, button.rect.width, button.rect.height));
    b->setVisible(button.visible);
}

void MainWindowSettingsView::SyncTrayUserMenu()
{
    if (m_traySync)
        m_traySync();
}

} // namespace rukcon::app
