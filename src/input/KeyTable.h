#pragma once

#include "settings/Profile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rukcon::input {

enum class Emission { None, Tap, Hold };

// One key name the user can pick for a key position, with the virtual-key code it sends,
// whether it is tapped or held, and the caption shown when it is sent. The names are what
// the profile files store, so they must never change.
struct KeyEntry {
    std::string_view name;
    uint8_t code;
    Emission emission;
    std::string_view caption;
};

inline constexpr std::size_t kKeyListSize = 106;
using settings::kKeyPositions;
using settings::kSlotCount;

// The names in the order every key-choice list shows them; entry 0 is "なし" (no key).
const std::array<KeyEntry, kKeyListSize>& KeyListEntries();

// Exact, case-sensitive lookup, including the two names that no list offers ("DELETE",
// "IME 無変換"). "なし", the empty text and unknown texts give nullptr.
const KeyEntry* FindKey(std::string_view text);

// The 45 drop-down lists of key names: position 0, 1, 2 = first, second, third key choice.
class KeyChoiceLists {
public:
    virtual ~KeyChoiceLists() = default;
    // Appends the names of KeyListEntries(), in order, to one list.
    virtual void appendKeyList(int slot, int position) = 0;
};

// Appends the names to every list without clearing it first: a second fill doubles them.
void FillKeyLists(KeyChoiceLists& lists);

} // namespace rukcon::input
