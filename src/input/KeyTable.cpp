#include "input/KeyTable.h"

namespace rukcon::input {

namespace {

constexpr std::array<KeyEntry, kKeyListSize> kListEntries{{
    {settings::kNoKey, 0, Emission::None, ""},
    {"F1", 112, Emission::Tap, "F1キー"},
    {"F2", 113, Emission::Tap, "F2キー"},
    {"F3", 114, Emission::Tap, "F3キー"},
    {"F4", 115, Emission::Tap, "F4キー"},
    {"F5", 116, Emission::Tap, "F5キー"},
    {"F6", 117, Emission::Tap, "F6キー"},
    {"F7", 118, Emission::Tap, "F7キー"},
    {"F8", 119, Emission::Tap, "F8キー"},
    {"F9", 120, Emission::Tap, "F9キー"},
    {"F10", 121, Emission::Tap, "F10キー"},
    {"F11", 122, Emission::Tap, "F11キー"},
    {"F12", 123, Emission::Tap, "F12キー"},
    {"F13", 124, Emission::Tap, "F13キー"},
    {"F14", 125, Emission::Tap, "F14キー"},
    {"F15", 126, Emission::Tap, "F15キー"},
    {"F16", 127, Emission::Tap, "F16キー"},
    {"F17", 128, Emission::Tap, "F17キー"},
    {"F18", 129, Emission::Tap, "F18キー"},
    {"F19", 130, Emission::Tap, "F19キー"},
    {"F20", 131, Emission::Tap, "F20キー"},
    {"F21", 132, Emission::Tap, "F21キー"},
    {"F22", 133, Emission::Tap, "F22キー"},
    {"F23", 134, Emission::Tap, "F23キー"},
    {"F24", 135, Emission::Tap, "F24キー"},
    {"SHIFT", 16, Emission::Hold, "SHIFTキー"},
    {"CONTROL", 17, Emission::Hold, "CONTROLキー"},
    {"alt", 18, Emission::Hold, "alt"},
    {"←", 37, Emission::Tap, "←キー"},
    {"→", 39, Emission::Tap, "→キー"},
    {"↑", 38, Emission::Tap, "↑キー"},
    {"↓", 40, Emission::Tap, "↓キー"},
    {"pageUp", 33, Emission::Tap, "pageUpキー"},
    {"pageDn", 34, Emission::Tap, "pageDnキー"},
    {"End", 35, Emission::Tap, "Endキー"},
    {"Home", 36, Emission::Tap, "Homeキー"},
    {"Insert", 45, Emission::Tap, "Insertキー"},
    {"Delete", 46, Emission::Tap, "DELETEキー"},
    {"-A-", 65, Emission::Tap, "Aキー"},
    {"-B-", 66, Emission::Tap, "Bキー"},
    {"-C-", 67, Emission::Tap, "Cキー"},
    {"-D-", 68, Emission::Tap, "Dキー"},
    {"-E-", 69, Emission::Tap, "Eキー"},
    {"-F-", 70, Emission::Tap, "Fキー"},
    {"-G-", 71, Emission::Tap, "Gキー"},
    {"-H-", 72, Emission::Tap, "Hキー"},
    {"-I-", 73, Emission::Tap, "Iキー"},
    {"-J-", 74, Emission::Tap, "Jキー"},
    {"-K-", 75, Emission::Tap, "Kキー"},
    {"-L-", 76, Emission::Tap, "Lキー"},
    {"-M-", 77, Emission::Tap, "Mキー"},
    {"-N-", 78, Emission::Tap, "Nキー"},
    {"-O-", 79, Emission::Tap, "Oキー"},
    {"-P-", 80, Emission::Tap, "Pキー"},
    {"-Q-", 81, Emission::Tap, "Qキー"},
    {"-R-", 82, Emission::Tap, "Rキー"},
    {"-S-", 83, Emission::Tap, "Sキー"},
    {"-T-", 84, Emission::Tap, "Tキー"},
    {"-U-", 85, Emission::Tap, "Uキー"},
    {"-V-", 86, Emission::Tap, "Vキー"},
    {"-W-", 87, Emission::Tap, "Wキー"},
    {"-X-", 88, Emission::Tap, "Xキー"},
    {"-Y-", 89, Emission::Tap, "Yキー"},
    {"-Z-", 90, Emission::Tap, "Zキー"},
    {"-0-", 48, Emission::Tap, "0キー"},
    {"-1-", 49, Emission::Tap, "1キー"},
    {"-2-", 50, Emission::Tap, "2キー"},
    {"-3-", 51, Emission::Tap, "3キー"},
    {"-4-", 52, Emission::Tap, "4キー"},
    {"-5-", 53, Emission::Tap, "5キー"},
    {"-6-", 54, Emission::Tap, "6キー"},
    {"-7-", 55, Emission::Tap, "7キー"},
    {"-8-", 56, Emission::Tap, "8キー"},
    {"-9-", 57, Emission::Tap, "9キー"},
    {"カタカナひらがなローマ字", 242, Emission::Tap, "カタカナひらがなローマ字キー"},
    {"RETURN", 13, Emission::Tap, "RETURNキー"},
    {"全角/半角", 243, Emission::Tap, "全角/半角キー"},
    {"CANCEL", 3, Emission::Tap, "CANCELキー"},
    {"BACK", 8, Emission::Tap, "BACKキー"},
    {"TAB", 9, Emission::Tap, "TABキー"},
    {"CLEAR", 12, Emission::Tap, "CLEARキー"},
    {"PAUSE", 19, Emission::Tap, "PAUSEキー"},
    {"CAPITAL", 20, Emission::Tap, "CAPITALキー"},
    {"KANA", 21, Emission::Tap, "KANAキー"},
    {"JUNJA", 23, Emission::Tap, "JUNJAキー"},
    {"FINAL", 24, Emission::Tap, "FINALキー"},
    {"KANJI", 25, Emission::Tap, "KANJIキー"},
    {"ESCAPE", 27, Emission::Tap, "ESCAPEキー"},
    {"ESC", 27, Emission::Tap, "ESCAPEキー"},
    {"CONVERT", 28, Emission::Tap, "CONVERTキー"},
    {"ACCEPT", 30, Emission::Tap, "ACCEPTキー"},
    {"MODECHANGE", 31, Emission::Tap, "MODECHANGEキー"},
    {"SPACE", 32, Emission::Tap, "SPACEキー"},
    {"SELECT", 41, Emission::Tap, "SELECTキー"},
    {"PRINT", 42, Emission::Tap, "PRINTキー"},
    {"EXECUTE", 43, Emission::Tap, "EXECUTEキー"},
    {"HELP", 47, Emission::Tap, "HELPキー"},
    {"VOLUME_MUTE", 173, Emission::Tap, "VOLUME_MUTEキー"},
    {"VOLUME_DOWN", 174, Emission::Tap, "VOLUME_DOWNキー"},
    {"VOLUME_UP", 175, Emission::Tap, "VOLUME_UPキー"},
    {"テンキーの*", 106, Emission::Tap, "テンキーの*"},
    {"テンキーの-", 109, Emission::Tap, "テンキーの-"},
    {"テンキーの+", 107, Emission::Tap, "テンキーの+"},
    {"テンキーのenter", 108, Emission::Tap, "テンキーのenter"},
    {"テンキーの.", 110, Emission::Tap, "テンキーの."},
    {"テンキーの/", 111, Emission::Tap, "テンキーの/"},
}};

// Recognised when typed into a key-choice box or read from a profile file, never listed.
constexpr std::array<KeyEntry, 2> kHiddenEntries{{
    {"DELETE", 46, Emission::Tap, "DELETEキー"},
    {"IME 無変換", 29, Emission::Tap, "IME 無変換キー"},
}};

} // namespace

const std::array<KeyEntry, kKeyListSize>& KeyListEntries()
{
    return kListEntries;
}

const KeyEntry* FindKey(std::string_view text)
{
    for (const KeyEntry& e : kListEntries) {
        if (e.emission != Emission::None && e.name == text)
            return &e;
    }
    for (const KeyEntry& e : kHiddenEntries) {
        if (e.name == text)
            return &e;
    }
    return nullptr;
}

void FillKeyLists(KeyChoiceLists& lists)
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        for (int position = 0; position < kKeyPositions; ++position)
            lists.appendKeyList(slot, position);
    }
}

} // namespace rukcon::input
