#pragma once

#include "settings/Profile.h"

#include <QPoint>
#include <QRect>

#include <array>
#include <cstdint>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace rukcon::ui {

// Command11: the controller picture's buttons, stick directions first, then buttons 1 to 10.
inline constexpr int kLayoutButtonCount = settings::kInputCount;
inline constexpr int kLayoutButtonSize = 375; // twips, square
inline constexpr uint32_t kLayoutButtonDesignBgr = 0x000080;
// Where the panel goes, in twips, when it replaces the settings tabs.
inline constexpr QPoint kPanelShownAt{120, 360};

struct PanelControls {
    QFrame* frame1 = nullptr;
    QLabel* label6 = nullptr;
    QLabel* label16 = nullptr; // Label16(18)
    QLineEdit* text1 = nullptr;
    QFrame* line1 = nullptr;
    std::array<QPushButton*, kLayoutButtonCount> command11{};
    QCheckBox* check3 = nullptr;
    QPushButton* command13 = nullptr;
    QPushButton* command12 = nullptr;
};

// Builds Frame1 on the window at its designed place, hidden, with the layout buttons where
// they stand before any stored layout is applied. The three editing controls start hidden.
PanelControls buildButtonPanel(QWidget* window);

// Where layout button index stands as designed, before any stored layout: Left, Top, Width and
// Height in twips, relative to Frame1.
QRect designedLayoutButtonTwips(int index);

// A layout button's Left, Top, Width and Height in twips, relative to Frame1. The widget sits
// on whole pixels, so the exact twips are kept beside it; a button that other code has placed
// in pixels since reads as its pixels.
QRect layoutButtonTwips(const QPushButton* button);
void setLayoutButtonTwips(QPushButton* button, const QRect& twips);

} // namespace rukcon::ui
