#pragma once

#include <array>
#include <string>

namespace rukcon::settings {

// The shape of a profile. Slots 0 … 9 are the buttons, 10 … 13 the stick directions (left,
// right, up, down) and 14 the activation key; each slot holds up to three key names, of which
// the activation slot uses only the first.
inline constexpr int kSlotCount = 15;
inline constexpr int kActivationSlot = 14;
inline constexpr int kKeyPositions = 3; // position 0 is Combo1, 1 is Combo3, 2 is Combo4
inline constexpr int kStickLeftSlot = 10;
inline constexpr int kStickRightSlot = 11;
inline constexpr int kStickUpSlot = 12;
inline constexpr int kStickDownSlot = 13;
inline constexpr int kFirstStickSlot = kStickLeftSlot; // the buttons are the slots before it
// The fourteen inputs (slots 0 … 13), each with its indicator button in the controller picture.
inline constexpr int kInputCount = kActivationSlot;

// How many profiles the user menu holds: the labels of the menu tab and the tray entries M1 … M12.
inline constexpr int kMenuEntryCount = 12;

// The key name that sends nothing; an empty key box means the same.
inline constexpr const char* kNoKey = "なし";

// What the two scroll bars accept: reaction time in ms, and how many times an arrow key is sent.
inline constexpr int kReactionTimeMin = 50;
inline constexpr int kReactionTimeMax = 1000;
inline constexpr int kArrowMultiplierMin = 1;
inline constexpr int kArrowMultiplierMax = 10;

using KeyChoices = std::array<std::array<std::string, kKeyPositions>, kSlotCount>;

// One profile: what a user saves under a name and gets back from a settings file.
struct Profile {
    KeyChoices keys;
    int reactionTime = 0;
    int arrowMultiplier = 0;
    std::string name;
    std::string captionFragment;

    bool operator==(const Profile&) const = default;
};

// Every key "なし" but the four stick directions, which send the arrow keys. The window starts
// from these before the last exit is read.
const KeyChoices& StickArrowKeys();

// The three built-in profiles. They differ on purpose:
// - the last-exit fallback, put in when "前回.txt" is missing or cannot be applied: the stick
//   arrows, F24 on button 7 and as the activation key, 128 ms, × 1, no name, no caption fragment;
const Profile& LastExitFallbackProfile();
// - the new settings of the main window's "new" button: the same keys and numbers, named
//   "初期状態";
const Profile& NewSettingsProfile();
// - the tray's initial state: the stick arrows only (no F24), 128 ms, × 3, named "初期状態".
const Profile& TrayInitialProfile();

} // namespace rukcon::settings
