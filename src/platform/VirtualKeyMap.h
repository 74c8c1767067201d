#pragma once

#include <array>
#include <cstdint>
#include <utility>

namespace rukcon::platform {

// A keysym number: the name of what a key types, shared by X11 and xkbcommon. 0 is no keysym.
using Keysym = uint32_t;
inline constexpr Keysym kNoKeysym = 0;

// The modifier codes the program holds down around a key, and releases at every end.
inline constexpr uint8_t kVirtualShift = 16;
inline constexpr uint8_t kVirtualControl = 17;
inline constexpr uint8_t kVirtualAlt = 18;

namespace detail {

// Codes for which there is no keysym of the same meaning, and the nearest one chosen:
//   3  (cancel, i.e. Ctrl+Break)  Cancel
//  24  (IME final mode)           Hangul_End
//  30  (IME accept)               SingleCandidate
//  31  (IME mode change request)  Mode_switch
// 108  (keypad separator)         KP_Enter: the key table offers this code as the keypad's Enter
// Letters map to the lower-case keysym: a Shift held by the user gives the capital.
inline constexpr std::pair<uint8_t, Keysym> kVirtualKeysyms[] = {
    {3, 0xff69},               // Cancel
    {8, 0xff08},               // BackSpace
    {9, 0xff09},               // Tab
    {12, 0xff0b},              // Clear
    {13, 0xff0d},              // Return
    {kVirtualShift, 0xffe1},   // Shift_L
    {kVirtualControl, 0xffe3}, // Control_L
    {kVirtualAlt, 0xffe9},     // Alt_L
    {19, 0xff13},              // Pause
    {20, 0xffe5},              // Caps_Lock
    {21, 0xff2d},              // Kana_Lock
    {23, 0xff38},              // Hangul_Jeonja
    {24, 0xff33},              // Hangul_End
    {25, 0xff21},              // Kanji
    {27, 0xff1b},              // Escape
    {28, 0xff23},              // Henkan_Mode
    {29, 0xff22},              // Muhenkan
    {30, 0xff3c},              // SingleCandidate
    {31, 0xff7e},              // Mode_switch
    {32, 0x0020},              // space
    {33, 0xff55},              // Prior
    {34, 0xff56},              // Next
    {35, 0xff57},              // End
    {36, 0xff50},              // Home
    {37, 0xff51},              // Left
    {38, 0xff52},              // Up
    {39, 0xff53},              // Right
    {40, 0xff54},              // Down
    {41, 0xff60},              // Select
    {42, 0xff61},              // Print
    {43, 0xff62},              // Execute
    {45, 0xff63},              // Insert
    {46, 0xffff},              // Delete
    {47, 0xff6a},              // Help
    {106, 0xffaa},             // KP_Multiply
    {107, 0xffab},             // KP_Add
    {108, 0xff8d},             // KP_Enter
    {109, 0xffad},             // KP_Subtract
    {110, 0xffae},             // KP_Decimal
    {111, 0xffaf},             // KP_Divide
    {173, 0x1008ff12},         // XF86AudioMute
    {174, 0x1008ff11},         // XF86AudioLowerVolume
    {175, 0x1008ff13},         // XF86AudioRaiseVolume
    {242, 0xff27},             // Hiragana_Katakana
    {243, 0xff2a},             // Zenkaku_Hankaku
};

constexpr std::array<Keysym, 256> buildVirtualKeysymTable()
{
    std::array<Keysym, 256> table{};
    for (int i = 0; i < 10; ++i)
        table[48 + i] = 0x30 + i; // 0 to 9
    for (int i = 0; i < 26; ++i)
        table[65 + i] = 0x61 + i; // a to z
    for (int i = 0; i < 24; ++i)
        table[112 + i] = 0xffbe + i; // F1 to F24 are consecutive keysyms
    for (const auto& [code, keysym] : kVirtualKeysyms)
        table[code] = keysym;
    return table;
}

inline constexpr std::array<Keysym, 256> kVirtualKeysymTable = buildVirtualKeysymTable();

} // namespace detail

// The keysym a virtual-key code of the key table stands for, whatever the backend types it
// with; kNoKeysym for a code the table does not use.
constexpr Keysym keysymForVirtualKey(uint8_t virtualKey)
{
    return detail::kVirtualKeysymTable[virtualKey];
}

} // namespace rukcon::platform
