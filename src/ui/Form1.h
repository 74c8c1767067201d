#pragma once

#include "ui/ButtonPanel.h"
#include "ui/SettingsPages.h"

#include <QRect>
#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace rukcon::ui {

class MultiRowTabWidget;

// The main window: the command bar, the settings tabs SSTab1 and the button panel Frame1,
// which share one place, and the always-on-top check box below them. A view only: it builds
// the controls in their start-up state and hands them out through typed accessors.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // Outer size and place of the window when no stored geometry applies, in twips.
    static constexpr QRect kDefaultFrameGeometry{5370, 2805, 7500, 5325};
    // Room a window frame usually takes around the client area, in pixels: the guess while the
    // window manager has not framed the window yet (and for good without a window manager).
    static constexpr QSize kFrameAllowance{8, 30};

    explicit Form1(QWidget* parent = nullptr);

    // Places the window by its outer rectangle (frame included), given in twips. Until the
    // window manager has framed the window the client area is sized for the usual frame; once
    // the real frame is known it is sized again so that the outer rectangle is the one asked for.
    void setFrameGeometryTwips(const QRect& twipsGeometry);

    // What the frame adds to the client area's size: the real frame once the window is
    // framed, kFrameAllowance until then.
    QSize frameExtra() const;

    // Settings tabs or button panel; the panel moves to its shown place when it appears.
    void showSettingsArea(bool settings);

    QComboBox* combo1(int slot) const;
    QComboBox* combo3(int slot) const;
    QComboBox* combo4(int slot) const;
    // The key-choice box of a slot by key position: 0 Combo1, 1 Combo3, 2 Combo4.
    QComboBox* keyChoiceBox(int slot, int position) const;
    QLabel* label16(int index) const;
    QLabel* label12(int index) const;
    QPushButton* command11(int index) const;
    // Command1 … Command17; nullptr for 11 (an array, see command11) and any other number.
    QPushButton* command(int number) const;

    QCheckBox* check1() const { return m_check1; }
    QCheckBox* check2() const { return m_check2; }
    QCheckBox* check3() const { return m_panel.check3; }
    QScrollBar* hScroll1() const { return m_timing.hScroll1; }
    QScrollBar* hScroll2() const { return m_timing.hScroll2; }
    QLineEdit* text1() const { return m_panel.text1; }
    QLineEdit* text2() const { return m_naming.text2; }
    QComboBox* combo2() const { return m_naming.combo2; }
    QLabel* label5() const { return m_timing.label5; }
    QLabel* label6() const { return m_panel.label6; }
    QLabel* label8() const { return m_timing.label8; }
    QLabel* label14() const { return m_naming.label14; }
    QFrame* frame1() const { return m_panel.frame1; }
    MultiRowTabWidget* ssTab1() const { return m_ssTab1; }
    QTimer* timer1() const { return m_timer1; }
    QTimer* timer2() const { return m_timer2; }

protected:
    bool event(QEvent* event) override;

private:
    void buildCommandBar();
    void buildSettingsTabs();
    void registerCommand(int number, QPushButton* button);

    static constexpr int kMaxCommand = 17;

    std::array<QPushButton*, kMaxCommand + 1> m_commands{}; // by number; 0 and 11 stay empty
    std::array<SlotControls, kSlotCount> m_slots{};
    std::array<QLabel*, kNameLabelCount> m_label16{};
    TimingControls m_timing;
    NamingControls m_naming;
    MenuControls m_menu;
    OtherControls m_other;
    PanelControls m_panel;
    MultiRowTabWidget* m_ssTab1 = nullptr;
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
    std::optional<QRect> m_pendingFrame; // outer rectangle asked for before the frame was known
};

} // namespace rukcon::ui
