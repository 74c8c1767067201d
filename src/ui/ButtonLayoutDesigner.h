#pragma once

#include "ui/ButtonPanel.h"

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <array>
#include <cstdint>

class QFrame;
class QMouseEvent;

namespace rukcon::ui {

class MainWindow;
class LayoutDesignerHost;

// Lets the user rearrange the controller picture on Frame1, and turns a click on one of its
// buttons into a jump to that input's settings page.
//
// Editing starts with Command14 and ends only with Command12 ("決定"), which stores the layout.
// While editing, pressing a layout button picks it up and the next release drops it on whatever
// lies under the pointer: the panel background (the button lands there and takes the shape of
// the zone it lands in), another layout button (it lands there and keeps its shape) or anything
// else (nothing moves). An outline follows the pointer meanwhile.
//
// All places are in twips, so the zone boundary is exact; the mouse handling converts pixels
// and calls the step functions below, which tests also call directly.
class ButtonLayoutDesigner : public QObject {
    Q_OBJECT

public:
    // Buttons whose Top is above this line turn wide and flat; the others are square.
    static constexpr int kZoneBoundary = 1320;
    static constexpr QSize kWideSize{1095, 255};
    static constexpr QSize kSquareSize{kLayoutButtonSize, kLayoutButtonSize};
    static constexpr const char* kEditingCaption = "ボタン配置設定中";

    // The layout "初期状態にもどす。" puts back: the designed one with the numbered buttons
    // 120 further right. Left, Top in twips.
    static constexpr std::array<QPoint, kLayoutButtonCount> kDefaultLayout{{
        {1080, 1440},
        {1680, 2040},
        {1080, 2640},
        {480, 2040},
        {3720, 1920},
        {4200, 1920},
        {4680, 1920},
        {5160, 1920},
        {5640, 1920},
        {3720, 2400},
        {4200, 2400},
        {4680, 2400},
        {5160, 2400},
        {5640, 2400},
    }};

    // Connects the edit, restore and confirm buttons and the layout buttons of the form.
    ButtonLayoutDesigner(MainWindow& form, LayoutDesignerHost& host, QObject* parent = nullptr);

    bool LayoutEditing() const { return m_layoutEditing; }
    int DraggedButton() const { return m_draggedButton; }
    int GrabX(int index) const;
    int GrabY(int index) const;
    // True between a press on a layout button while editing and the next release.
    bool dragging() const { return m_dragging; }

    // Command14 "コントローラーのボタンの位置の設定".
    void startEditing();
    // Command13 "初期状態にもどす。".
    void restoreDefaults();
    // Command12 "決定".
    void confirm();
    // A click on layout button index outside editing.
    void clickButton(int index);

    // The steps of a drag, in twips. pressButton picks a button up at a point inside it;
    // dropOnPanel takes a point relative to Frame1, dropOnButton one relative to button target.
    // All three do nothing unless editing.
    void pressButton(int index, QPointF grabTwips);
    void dropOnPanel(QPoint panelTwips);
    void dropOnButton(int target, QPoint inButtonTwips);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Handlers for the edit button and for the panel's buttons, once each is built.
    void watchEditButton();
    void watchPanel();
    int buttonIndexOf(const QObject* object) const;
    void beginDrag(int index, const QMouseEvent& event);
    void followPointer(const QPointF& globalPos);
    void endDrag(const QPointF& globalPos);
    void setButtonTwips(int index, const QRect& twips);
    QRect buttonTwips(int index) const;

    MainWindow& m_form;
    LayoutDesignerHost& m_host;
    QFrame* m_outline = nullptr;
    QFrame* m_line1 = nullptr;
    bool m_layoutEditing = false;
    int m_draggedButton = 0;
    std::array<int, kLayoutButtonCount> m_grabX{};
    std::array<int, kLayoutButtonCount> m_grabY{};
    bool m_dragging = false;
};

} // namespace rukcon::ui
