#include "ui/ButtonLayoutDesigner.h"

#include "ui/Colours.h"
#include "ui/LayoutDesignerHost.h"
#include "ui/MainWindow.h"
#include "ui/MultiRowTabWidget.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <cmath>

namespace rukcon::ui {

namespace {

// The settings tab of the input a layout button stands for: the four directions have their
// tabs in the order ← → ↑ ↓, the buttons 1 … 10 the first ten tabs.
constexpr int tabOfLayoutButton(int index)
{
    constexpr int kDirectionTabs[] = {12, 11, 13, 10}; // ↑ → ↓ ←
    return index < 4 ? kDirectionTabs[index] : index - 4;
}

// Pointer positions arrive in (possibly fractional) pixels; twips are whole, halves to even.
int roundTwips(double twips)
{
    return int(std::lrint(twips));
}

QPoint pixelsToTwips(const QPointF& pixels)
{
    return {roundTwips(pixels.x() * kTwipsPerPixel), roundTwips(pixels.y() * kTwipsPerPixel)};
}

} // namespace

ButtonLayoutDesigner::ButtonLayoutDesigner(MainWindow& form, LayoutDesignerHost& host, QObject* parent)
    : QObject(parent), m_form(form), m_host(host)
{
    // The button that starts editing is on the other-settings page, and the buttons edited are on
    // the button panel: each gets its handlers when it is built.
    if (m_form.isPageBuilt(kOtherTab))
        watchEditButton();
    if (m_form.isPanelBuilt())
        watchPanel();
    connect(&m_form, &MainWindow::pageBuilt, this, [this](int tab) {
        if (tab == kOtherTab)
            watchEditButton();
    });
    connect(&m_form, &MainWindow::panelBuilt, this, &ButtonLayoutDesigner::watchPanel);
}

void ButtonLayoutDesigner::watchEditButton()
{
    connect(m_form.editLayoutButton(), &QPushButton::clicked, this, &ButtonLayoutDesigner::startEditing);
}

void ButtonLayoutDesigner::watchPanel()
{
    for (int i = 0; i < kLayoutButtonCount; ++i) {
        QPushButton* button = m_form.layoutButton(i);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, i] { clickButton(i); });
    }
    connect(m_form.restoreLayoutButton(), &QPushButton::clicked, this, &ButtonLayoutDesigner::restoreDefaults);
    connect(m_form.confirmLayoutButton(), &QPushButton::clicked, this, &ButtonLayoutDesigner::confirm);

    // Drawn over the buttons and invisible to the mouse, so the drop finds what lies below it.
    m_outline = new QFrame(m_form.buttonPanel());
    m_outline->setObjectName("LayoutDragOutline");
    m_outline->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_outline->setLineWidth(2);
    m_outline->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_outline->hide();
    m_line1 = m_form.buttonPanel()->findChild<QFrame*>("Line1", Qt::FindDirectChildrenOnly);
}

int ButtonLayoutDesigner::GrabX(int index) const
{
    return index >= 0 && index < kLayoutButtonCount ? m_grabX[size_t(index)] : 0;
}

int ButtonLayoutDesigner::GrabY(int index) const
{
    return index >= 0 && index < kLayoutButtonCount ? m_grabY[size_t(index)] : 0;
}

QRect ButtonLayoutDesigner::buttonTwips(int index) const
{
    return layoutButtonTwips(m_form.layoutButton(index));
}

void ButtonLayoutDesigner::setButtonTwips(int index, const QRect& twips)
{
    setLayoutButtonTwips(m_form.layoutButton(index), twips);
}

void ButtonLayoutDesigner::startEditing()
{
    m_host.playClick();
    m_form.setWindowState(m_form.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    m_form.showSettingsArea(false);
    m_form.nameLabel(18)->setText(QString::fromUtf8(kEditingCaption));
    m_host.setSettingsMode(false);
    m_form.hideButtonBox()->show();
    m_form.restoreLayoutButton()->show();
    m_form.confirmLayoutButton()->show();
    m_layoutEditing = true;
}

void ButtonLayoutDesigner::restoreDefaults()
{
    m_host.playClick();
    for (int i = 0; i < kLayoutButtonCount; ++i)
        setButtonTwips(i, QRect(kDefaultLayout[size_t(i)], kSquareSize));
    for (int i = 0; i < kLayoutButtonCount; ++i)
        m_form.layoutButton(i)->show();
}

void ButtonLayoutDesigner::confirm()
{
    m_host.playClick();
    m_host.saveLayout();
    m_form.hideButtonBox()->hide();
    m_form.restoreLayoutButton()->hide();
    m_form.confirmLayoutButton()->hide();
    m_form.nameLabel(18)->setText(m_form.shownProfileName());
    m_layoutEditing = false;
}

void ButtonLayoutDesigner::clickButton(int index)
{
    if (m_layoutEditing || index < 0 || index >= kLayoutButtonCount)
        return;
    QPushButton* button = m_form.layoutButton(index);
    // "ボタンを消す" can only be ticked while editing, so it takes effect on the first click after it.
    if (m_form.hideButtonBox()->isChecked()) {
        button->hide();
        m_form.hideButtonBox()->setChecked(false);
        return;
    }
    m_host.playClick();
    m_form.showIndicator(index, IndicatorLook::Idle); // a clicked button looks idle
    m_host.setSettingsMode(true);
    m_form.settingsTabs()->setCurrentIndex(tabOfLayoutButton(index));
}

void ButtonLayoutDesigner::pressButton(int index, QPointF grabTwips)
{
    if (!m_layoutEditing || index < 0 || index >= kLayoutButtonCount)
        return;
    m_draggedButton = index;
    m_grabY[size_t(index)] = roundTwips(grabTwips.y());
    m_grabX[size_t(index)] = roundTwips(grabTwips.x());
}

void ButtonLayoutDesigner::dropOnPanel(QPoint panelTwips)
{
    if (!m_layoutEditing)
        return;
    const int d = m_draggedButton;
    QRect place = buttonTwips(d);
    place.moveTo(panelTwips.x() - GrabX(d), panelTwips.y() - GrabY(d));
    // The shape follows the zone the top edge landed in.
    place.setSize(place.top() < kZoneBoundary ? kWideSize : kSquareSize);
    setButtonTwips(d, place);
}

void ButtonLayoutDesigner::dropOnButton(int target, QPoint inButtonTwips)
{
    if (!m_layoutEditing || target < 0 || target >= kLayoutButtonCount)
        return;
    const int d = m_draggedButton;
    const QRect under = buttonTwips(target);
    QRect place = buttonTwips(d);
    place.moveTo(under.left() + inButtonTwips.x() - GrabX(d), under.top() + inButtonTwips.y() - GrabY(d));
    setButtonTwips(d, place);
}

int ButtonLayoutDesigner::buttonIndexOf(const QObject* object) const
{
    for (int i = 0; i < kLayoutButtonCount; ++i) {
        if (m_form.layoutButton(i) == object)
            return i;
    }
    return -1;
}

bool ButtonLayoutDesigner::eventFilter(QObject* watched, QEvent* event)
{
    const int index = buttonIndexOf(watched);
    if (index < 0)
        return QObject::eventFilter(watched, event);

    // The button that took the press keeps the mouse until every button is up, so the moves and
    // the release of a drag all arrive here, whichever button they started on.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (m_dragging)
            return true;
        if (!m_layoutEditing)
            return false;
        beginDrag(index, *static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove:
        if (!m_dragging)
            return false;
        followPointer(static_cast<QMouseEvent*>(event)->globalPosition());
        return true;
    case QEvent::MouseButtonRelease:
        if (!m_dragging)
            return false;
        endDrag(static_cast<QMouseEvent*>(event)->globalPosition());
        return true;
    default:
        return false;
    }
}

void ButtonLayoutDesigner::beginDrag(int index, const QMouseEvent& event)
{
    pressButton(index, QPointF(event.position() * kTwipsPerPixel));
    m_dragging = true;
    const QRect shown = m_form.layoutButton(index)->geometry();
    m_outline->setGeometry(shown);
    m_outline->raise();
    m_outline->show();
}

void ButtonLayoutDesigner::followPointer(const QPointF& globalPos)
{
    const int d = m_draggedButton;
    const QPoint at = pixelsToTwips(m_form.buttonPanel()->mapFromGlobal(globalPos));
    const QRect size = buttonTwips(d);
    m_outline->setGeometry(twipsRect(at.x() - GrabX(d), at.y() - GrabY(d), size.width(), size.height()));
}

void ButtonLayoutDesigner::endDrag(const QPointF& globalPos)
{
    m_dragging = false;
    m_outline->hide();

    QFrame* panel = m_form.buttonPanel();
    const QPointF onPanel = panel->mapFromGlobal(globalPos);
    if (!panel->isVisible() || !QRectF(panel->rect()).contains(onPanel))
        return; // outside the panel nothing moves
    QWidget* under = panel->childAt(onPanel.toPoint());
    if (!under || under == m_line1) {
        // The zone line is only drawn on the panel; a drop on it is a drop on the panel.
        dropOnPanel(pixelsToTwips(onPanel));
        return;
    }
    const int target = buttonIndexOf(under);
    if (target >= 0)
        dropOnButton(target, pixelsToTwips(under->mapFromGlobal(globalPos)));
    // Any other control of the panel takes no drop.
}

} // namespace rukcon::ui
