#pragma once

#include "settings/Profile.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

namespace rukcon::ui {

class MultiRowTabWidget;

using settings::kActivationSlot;
using settings::kSlotCount;
inline constexpr int kNameLabelCount = 19; // Label16: one per page that shows the name, one on the panel
using settings::kMenuEntryCount;

// Tabs of SSTab1: one per slot 0 to 13 first, then these.
enum SettingsTab {
    kTimingTab = 14,
    kActivationTab = 15,
    kNamingTab = 16,
    kMenuTab = 17,
    kOtherTab = 18,
    kHelpTab = 19,
    kTabCount = 20,
};

// Slots 0 to 13 have the tab of their own number; the activation key is on its own tab.
constexpr int tabOfSlot(int slot)
{
    return slot == kActivationSlot ? kActivationTab : slot;
}

// Adds the twenty tabs with their captions.
void addSettingsTabs(MultiRowTabWidget* tabs);

// The three key choices of one slot and the name label on its page.
struct SlotPageControls {
    QLabel* label16 = nullptr;
    QComboBox* combo1 = nullptr;
    QComboBox* combo3 = nullptr;
    QComboBox* combo4 = nullptr;
};
SlotPageControls buildSlotPage(QWidget* page, int slot);

// What the pages' controls hold when they are built, before any profile is put in: the profile in
// force starts from these.
inline constexpr int kReactionTimeBarStart = 50;
inline constexpr int kMultiplierBarStart = 1;
inline constexpr const char* kNameBoxStart = "Text2";
inline constexpr const char* kCaptionBoxStart = "起動しているソフトのキャプション";

struct TimingPageControls {
    QLabel* label7 = nullptr;
    QScrollBar* hScroll1 = nullptr;
    QLabel* label5 = nullptr;
    QLabel* label9 = nullptr;
    QScrollBar* hScroll2 = nullptr;
    QLabel* label8 = nullptr;
    QLabel* label16 = nullptr;
};
TimingPageControls buildTimingPage(QWidget* page);

struct NamingPageControls {
    QLabel* label10 = nullptr;
    QLineEdit* text2 = nullptr;
    QLabel* label11 = nullptr;
    QComboBox* combo2 = nullptr;
    QLabel* label1 = nullptr;
    QPushButton* command3 = nullptr;
    QPushButton* command1 = nullptr;
    QLabel* label14 = nullptr;
    QLabel* label16 = nullptr;
};
NamingPageControls buildNamingPage(QWidget* page);

struct MenuPageControls {
    std::array<QLabel*, kMenuEntryCount> label12{};
    QPushButton* command4 = nullptr;
    QPushButton* command7 = nullptr;
    QLabel* label16 = nullptr;
};
MenuPageControls buildMenuPage(QWidget* page);

struct OtherPageControls {
    QPushButton* command14 = nullptr;
    QPushButton* command6 = nullptr;
    QPushButton* command9 = nullptr;
    QPushButton* command10 = nullptr;
};
OtherPageControls buildOtherPage(QWidget* page);

} // namespace rukcon::ui
