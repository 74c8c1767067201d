#pragma once

#include <xkbcommon/xkbcommon-keysyms.h>

#include <array>
#include <cstdint>
#include <utility>

namespace rukcon::platform {

// The keysym each virtual-key code of the key table stands for, in the numbering X and
// xkbcommon share; 0 (NoSymbol) for a code the table does not use. Every backend that names
// keys by keysym reads it from here.
//
// Codes with no keysym of the same meaning, and the nearest one chosen:
//   3  (cancel, i.e. Ctrl+Break)  Cancel
//  24  (IME final mode)           Hangul_End
//  30  (IME accept)               SingleCandidate
//  31  (IME mode change request)  Mode_switch
// 108  (keypad separator)         KP_Enter: the key table offers this code as the keypad's Enter
// Letters map to the lower-case keysym: a Shift held by the user gives the capital.
namespace detail {

inline constexpr std::pair<uint8_t, uint32_t> kVirtualKeyPairs[] = {
    {3, XKB_KEY_Cancel},
    {8, XKB_KEY_BackSpace},
    {9, XKB_KEY_Tab},
    {12, XKB_KEY_Clear},
    {13, XKB_KEY_Return},
    {16, XKB_KEY_Shift_L},
    {17, XKB_KEY_Control_L},
    {18, XKB_KEY_Alt_L},
    {19, XKB_KEY_Pause},
    {20, XKB_KEY_Caps_Lock},
    {21, XKB_KEY_Kana_Lock},
    {23, XKB_KEY_Hangul_Jeonja},
    {24, XKB_KEY_Hangul_End},
    {25, XKB_KEY_Kanji},
    {27, XKB_KEY_Escape},
    {28, XKB_KEY_Henkan_Mode},
    {29, XKB_KEY_Muhenkan},
    {30, XKB_KEY_SingleCandidate},
    {31, XKB_KEY_Mode_switch},
    {32, XKB_KEY_space},
    {33, XKB_KEY_Prior},
    {34, XKB_KEY_Next},
    {35, XKB_KEY_End},
    {36, XKB_KEY_Home},
    {37, XKB_KEY_Left},
    {38, XKB_KEY_Up},
    {39, XKB_KEY_Right},
    {40, XKB_KEY_Down},
    {41, XKB_KEY_Select},
    {42, XKB_KEY_Print},
    {43, XKB_KEY_Execute},
    {45, XKB_KEY_Insert},
    {46, XKB_KEY_Delete},
    {47, XKB_KEY_Help},
    {106, XKB_KEY_KP_Multiply},
    {107, XKB_KEY_KP_Add},
    {108, XKB_KEY_KP_Enter},
    {109, XKB_KEY_KP_Subtract},
    {110, XKB_KEY_KP_Decimal},
    {111, XKB_KEY_KP_Divide},
    {173, XKB_KEY_XF86AudioMute},
    {174, XKB_KEY_XF86AudioLowerVolume},
    {175, XKB_KEY_XF86AudioRaiseVolume},
    {242, XKB_KEY_Hiragana_Katakana},
    {243, XKB_KEY_Zenkaku_Hankaku},
};

constexpr std::array<uint32_t, 256> buildVirtualKeyTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 10; ++i)
        table[48 + i] = XKB_KEY_0 + i;
    for (uint32_t i = 0; i < 26; ++i)
        table[65 + i] = XKB_KEY_a + i;
    for (uint32_t i = 0; i < 24; ++i)
        table[112 + i] = XKB_KEY_F1 + i; // F1 to F24 are consecutive keysyms
    for (const auto& [code, keysym] : kVirtualKeyPairs)
        table[code] = keysym;
    return table;
}

inline constexpr std::array<uint32_t, 256> kVirtualKeyTable = buildVirtualKeyTable();

} // namespace detail

constexpr uint32_t keysymForVirtualKey(uint8_t virtualKey)
{
    return detail::kVirtualKeyTable[virtualKey];
}

} // namespace rukcon::platform
