#include "platform/x11/VirtualKeyMap.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <array>
#include <utility>

namespace rukcon::platform::x11 {

namespace {

// Codes for which X has no keysym of the same meaning, and the nearest one chosen:
//   3  (cancel, i.e. Ctrl+Break)  Cancel
//  24  (IME final mode)           Hangul_End
//  30  (IME accept)               SingleCandidate
//  31  (IME mode change request)  Mode_switch
// 108  (keypad separator)         KP_Enter: the key table offers this code as the keypad's Enter
// Letters map to the lower-case keysym: a Shift held by the user gives the capital.
constexpr std::pair<uint8_t, KeySym> kPairs[] = {
    {3, XK_Cancel},
    {8, XK_BackSpace},
    {9, XK_Tab},
    {12, XK_Clear},
    {13, XK_Return},
    {16, XK_Shift_L},
    {17, XK_Control_L},
    {18, XK_Alt_L},
    {19, XK_Pause},
    {20, XK_Caps_Lock},
    {21, XK_Kana_Lock},
    {23, XK_Hangul_Jeonja},
    {24, XK_Hangul_End},
    {25, XK_Kanji},
    {27, XK_Escape},
    {28, XK_Henkan_Mode},
    {29, XK_Muhenkan},
    {30, XK_SingleCandidate},
    {31, XK_Mode_switch},
    {32, XK_space},
    {33, XK_Prior},
    {34, XK_Next},
    {35, XK_End},
    {36, XK_Home},
    {37, XK_Left},
    {38, XK_Up},
    {39, XK_Right},
    {40, XK_Down},
    {41, XK_Select},
    {42, XK_Print},
    {43, XK_Execute},
    {45, XK_Insert},
    {46, XK_Delete},
    {47, XK_Help},
    {106, XK_KP_Multiply},
    {107, XK_KP_Add},
    {108, XK_KP_Enter},
    {109, XK_KP_Subtract},
    {110, XK_KP_Decimal},
    {111, XK_KP_Divide},
    {173, XF86XK_AudioMute},
    {174, XF86XK_AudioLowerVolume},
    {175, XF86XK_AudioRaiseVolume},
    {242, XK_Hiragana_Katakana},
    {243, XK_Zenkaku_Hankaku},
};

constexpr std::array<KeySym, 256> buildTable()
{
    std::array<KeySym, 256> table{}; // NoSymbol is 0
    for (int i = 0; i < 10; ++i)
        table[48 + i] = XK_0 + i;
    for (int i = 0; i < 26; ++i)
        table[65 + i] = XK_a + i;
    for (int i = 0; i < 24; ++i)
        table[112 + i] = XK_F1 + i; // F1 to F24 are consecutive keysyms
    for (const auto& [code, keysym] : kPairs)
        table[code] = keysym;
    return table;
}

constexpr std::array<KeySym, 256> kTable = buildTable();
static_assert(NoSymbol == 0);

} // namespace

KeySym keysymForVirtualKey(uint8_t virtualKey)
{
    return kTable[virtualKey];
}

} // namespace rukcon::platform::x11
