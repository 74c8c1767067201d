#pragma once

#include "ui/ButtonPanel.h"
#include "ui/Colours.h"
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

namespace rukcon::ui {

class MultiRowTabWidget;

// The main window: the command bar, the settings tabs SSTab1 and the button panel Frame1,
// which share one place, and the always-on-top check box below them. A view only: it builds
// the controls in their start-up state and hands them out through typed accessors. A key
// slot's page is built when it is first shown (or first asked for), not before the window maps:
// slotPageBuilt tells whoever fills it from the profile in force.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // Outer size and place of the window when no stored geometry applies, in twips.
    static constexpr QRect kDefaultFrameGeometry{5370, 2805, 7500, 5325};
    // Room a window frame usually takes around the client area, in pixels: the guess while the
    // window manager has not framed the window yet (and for good without a window manager).
    static constexpr QSize kFrameAllowance{8, 30};

    static constexpr const char* kTitle = "R・U・Kコン";

    explicit MainWindow(QWidget* parent = nullptr);

    // Places the window by its outer rectangle (frame included), given in twips. Until the
    // window manager has framed the window the client area is sized for the usual frame; once
    // the real frame is known it is sized again so that the outer rectangle is the one asked for.
    void setFrameGeometryTwips(const QRect& twipsGeometry);

    // What the frame adds to the client area's size: the real frame once the window is
    // framed, kFrameAllowance until then.
    QSize frameExtra() const;

    // Settings tabs or button panel; the panel moves to its shown place when it appears.
    void showSettingsArea(bool settings);

    // The key-choice box of a slot by key position: 0 Combo1, 1 Combo3, 2 Combo4; nullptr for a
    // slot outside the range. Builds the slot's page if it is not built yet.
    QComboBox* keyChoiceBox(int slot, int position);
    // The same box, or nullptr while its page is not built yet.
    QComboBox* existingKeyChoiceBox(int slot, int position) const;
    bool isSlotPageBuilt(int slot) const;
    // Whether one of the pages 反応時間, 名前・保存, メニュー and 他設定 (by tab) is built.
    bool isPageBuilt(int tab) const;
    // The nineteen labels that show the profile name (Label16); nullptr for a page not built yet.
    QLabel* nameLabel(int index) const;
    // Shows the profile name on every name label, and on those of pages built later.
    void showProfileName(const QString& name);
    // The user-menu labels on the menu tab (Label12).
    QLabel* menuLabel(int index) const;
    // Shows a user-menu entry's caption on its label, also while the menu tab is not built.
    void showMenuEntry(int index, const QString& caption);
    // The profile name the name labels show, as the name box holds it ("Text2" until one is set).
    QString shownProfileName() const;
    // The fourteen buttons of the controller picture on the button panel (Command11).
    QPushButton* layoutButton(int index) const;
    // Paints indicator (layout button) index for look, unless it already shows that look.
    void showIndicator(int index, IndicatorLook look);

    // The command bar.
    QPushButton* operationCheckButton() const { return m_commands[17]; } // "動作確認"
    QPushButton* newSettingsButton() const { return m_commands[16]; }    // "新規設定"
    QPushButton* saveToMenuButton() const { return m_commands[8]; }      // "保存"
    QPushButton* menuTabButton() const { return m_commands[5]; }         // "メニュー"
    QPushButton* otherTabButton() const { return m_commands[15]; }       // "他設定"
    QPushButton* exitButton() const { return m_commands[2]; }            // "終了"
    // The name tab.
    QPushButton* nameTabSaveButton() const { return pageCommand(1); }     // "保存"
    QPushButton* saveUserDefaultButton() const { return pageCommand(3); } // "ユーザーデフォルトに登録"
    // The menu tab.
    QPushButton* applyUserDefaultButton() const { return pageCommand(4); } // "ユーザーデフォルト"
    QPushButton* applyLastExitButton() const { return pageCommand(7); }    // "前回の設定"
    // The other-settings tab.
    QPushButton* saveWindowPlaceButton() const { return pageCommand(6); } // "このソフトのサイズと位置の設定"
    QPushButton* openHistoryFolderButton() const { return pageCommand(9); } // "過去の設定フォルダを開く"
    QPushButton* reloadListsButton() const { return pageCommand(10); }      // "リスト再ロード"
    QPushButton* editLayoutButton() const { return pageCommand(14); }
    // The button panel, while the layout is being edited.
    QPushButton* restoreLayoutButton() const { return panel().command13; }
    QPushButton* confirmLayoutButton() const { return panel().command12; }

    QCheckBox* settingsModeBox() const { return m_check1; } // checked: settings tabs; unchecked: operation
    QCheckBox* keepAboveBox() const { return m_check2; }
    // The button panel Frame1 and its controls are built when first shown or asked for, like the pages.
    bool isPanelBuilt() const { return m_panel.frame1; }
    QCheckBox* hideButtonBox() const { return panel().check3; }
    // The controls of the pages after the key slots' (反応時間, 名前・保存, メニュー, 他設定) build
    // their page when it is not built yet: what the window shows is the same either way.
    QScrollBar* reactionTimeBar() const { return timingPage().hScroll1; }
    QScrollBar* multiplierBar() const { return timingPage().hScroll2; }
    QLabel* reactionTimeValue() const { return timingPage().label5; }
    QLabel* multiplierValue() const { return timingPage().label8; }
    // The hidden box that keeps the keyboard focus in operation mode.
    QLineEdit* keySink() const { return panel().text1; }
    QLineEdit* profileNameBox() const { return namingPage().text2; }
    QComboBox* captionFragmentBox() const { return namingPage().combo2; }
    QLabel* statusLine() const { return panel().label6; }
    // Label6's text, also while the panel is not built (it shows the text once built).
    void showStatus(const QString& text);
    QLabel* nameTabMessageLine() const { return namingPage().label14; }
    // Label14's text, also while the name tab is not built (it shows the text once built).
    void showNameTabMessage(const QString& text);
    QFrame* buttonPanel() const { return panel().frame1; }
    MultiRowTabWidget* settingsTabs() const { return m_ssTab1; }

signals:
    // A slot's page was just built, in its start-up state.
    void slotPageBuilt(int slot);
    // The page 反応時間, 名前・保存, メニュー or 他設定 (by tab) was just built, in its start-up state
    // but for the name labels, the user-menu labels and Label14, which show what was shown before.
    void pageBuilt(int tab);
    // The button panel was just built, in its designed state but for the name label, the status
    // line and the indicators, which show what was shown before.
    void panelBuilt();

protected:
    bool event(QEvent* event) override;

private:
    void buildCommandBar();
    void buildSettingsTabs();
    void registerCommand(int number, QPushButton* button);
    void buildSlotPageOnce(int slot);
    void buildPageOnce(int tab);
    void buildPage(int tab);
    const TimingPageControls& timingPage() const;
    const NamingPageControls& namingPage() const;
    const MenuPageControls& menuPage() const;
    QPushButton* pageCommand(int number) const;
    const PanelControls& panel() const;
    void buildPanel();

    static constexpr int kMaxCommand = 17;

    std::array<QPushButton*, kMaxCommand + 1> m_commands{}; // by number; 0 and 11 stay empty
    std::array<SlotPageControls, kSlotCount> m_slots{};
    std::array<QLabel*, kNameLabelCount> m_label16{};
    TimingPageControls m_timing;
    NamingPageControls m_naming;
    MenuPageControls m_menu;
    OtherPageControls m_other;
    PanelControls m_panel;
    MultiRowTabWidget* m_ssTab1 = nullptr;
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    // The look each indicator was last given: nothing until then (they start in the designed colour).
    std::array<std::optional<IndicatorLook>, kLayoutButtonCount> m_indicatorLooks{};
    std::optional<QString> m_shownName; // the name on the name labels, once one was shown
    std::array<std::optional<QString>, kMenuEntryCount> m_menuCaptions; // Label12 texts, once shown
    std::optional<QString> m_nameTabMessage;                            // Label14's text, once shown
    std::optional<QString> m_status;                                    // Label6's text, once shown
    std::optional<QRect> m_pendingFrame; // outer rectangle asked for before the frame was known
};

} // namespace rukcon::ui
