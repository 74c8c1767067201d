#include "platform/wayland/VirtualKeymap.h"

#include "platform/VirtualKeyMap.h"
#include "platform/wayland/SeatKeymap.h"

#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

namespace rukcon::platform::wayland {

namespace {

// Keycodes from 9 up: the evdev code sent is the XKB keycode less 8, and evdev 0 means no key.
constexpr uint32_t kFirstKeycode = 9;

struct ModifierKey {
    uint8_t virtualKey;
    const char* modifier; // the real modifier, as the keymap names it
};
constexpr ModifierKey kModifierKeys[] = {{16, "Shift"}, {17, "Control"}, {18, "Mod1"}};

std::string keysymName(uint32_t keysym)
{
    char name[64];
    if (xkb_keysym_get_name(keysym, name, sizeof name) <= 0)
        return {};
    return name;
}

// The keymap source. Key presses carry no actions (the modifier state is sent on its own), so
// the compatibility section only lets a compositor that does track key state see the modifiers.
std::string keymapSource(const std::map<uint32_t, uint32_t>& keycodeOfKeysym, uint32_t maxKeycode)
{
    std::string keycodes, symbols;
    for (const auto& [keysym, keycode] : keycodeOfKeysym) {
        const std::string key = "<K" + std::to_string(keycode) + ">";
        keycodes += "    " + key + " = " + std::to_string(keycode) + ";\n";
        const uint32_t upper = xkb_keysym_to_upper(keysym);
        const std::string levels = upper != keysym ? keysymName(keysym) + ", " + keysymName(upper) : keysymName(keysym);
        symbols += "    key " + key + " { [ " + levels + " ] };\n";
    }
    for (const ModifierKey& m : kModifierKeys) {
        const uint32_t keycode = keycodeOfKeysym.at(keysymForVirtualKey(m.virtualKey));
        symbols += std::string("    modifier_map ") + m.modifier + " { <K" + std::to_string(keycode) + "> };\n";
    }
    return "xkb_keymap {\n"
           "xkb_keycodes \"rukcon\" {\n"
           "    minimum = 8;\n"
           "    maximum = " +
           std::to_string(maxKeycode) + ";\n" + keycodes +
           "};\n"
           "xkb_types \"rukcon\" {\n"
           "    type \"ONE_LEVEL\" { modifiers = none; level_name[Level1] = \"Any\"; };\n"
           "    type \"ALPHABETIC\" {\n"
           "        modifiers = Shift + Lock;\n"
           "        map[Shift] = Level2;\n"
           "        map[Lock] = Level2;\n"
           "        level_name[Level1] = \"Base\";\n"
           "        level_name[Level2] = \"Caps\";\n"
           "    };\n"
           "};\n"
           "xkb_compatibility \"rukcon\" {\n"
           "    interpret Shift_L { action = SetMods(modifiers = Shift); };\n"
           "    interpret Control_L { action = SetMods(modifiers = Control); };\n"
           "    interpret Alt_L { action = SetMods(modifiers = Mod1); };\n"
           "};\n"
           "xkb_symbols \"rukcon\" {\n" +
           symbols +
           "};\n"
           "};\n";
}

using ContextPtr = std::unique_ptr<xkb_context, decltype(&xkb_context_unref)>;
using KeymapPtr = std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)>;

// Names only: no include path is searched and no environment is read.
ContextPtr bareContext()
{
    return ContextPtr(xkb_context_new(static_cast<xkb_context_flags>(XKB_CONTEXT_NO_DEFAULT_INCLUDES |
                                                                     XKB_CONTEXT_NO_ENVIRONMENT_NAMES)),
                      &xkb_context_unref);
}

// The levels a keysym gets on a key of its own: a letter with its capital.
std::string levelsOf(uint32_t keysym)
{
    const uint32_t upper = xkb_keysym_to_upper(keysym);
    return upper != keysym ? keysymName(keysym) + ", " + keysymName(upper) : keysymName(keysym);
}

// Inserts text before the line "};" that closes the section starting with this word.
bool insertIntoSection(std::string& keymap, const std::string& section, const std::string& text)
{
    const size_t start = keymap.find(section);
    if (start == std::string::npos)
        return false;
    const size_t end = keymap.find("\n};", start);
    if (end == std::string::npos)
        return false;
    keymap.insert(end + 1, text);
    return true;
}

// The compiled form, complete in itself, which the compositor and the clients read, and the mask of
// each modifier key in it; false where it lacks one.
bool takeCompiled(xkb_keymap* keymap, std::string& text, std::array<uint32_t, 256>& modifierMasks)
{
    std::unique_ptr<char, decltype(&std::free)> compiled(xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1),
                                                         &std::free);
    if (!compiled)
        return false;
    text = compiled.get();
    for (const ModifierKey& m : kModifierKeys) {
        const xkb_mod_index_t index = xkb_keymap_mod_get_index(keymap, m.modifier);
        if (index == XKB_MOD_INVALID)
            return false;
        modifierMasks[m.virtualKey] = 1u << index;
    }
    return true;
}

} // namespace

std::optional<VirtualKeymap> VirtualKeymap::buildOn(xkb_keymap* seat)
{
    if (!seat)
        return std::nullopt;
    // Spare keycodes: those the keymap gives no symbol at all, highest first (the low ones
    // are the keys of real keyboards).
    std::vector<uint32_t> spare;
    for (uint32_t keycode = xkb_keymap_max_keycode(seat); keycode > kFirstKeycode; --keycode) {
        if (xkb_keymap_num_layouts_for_key(seat, keycode) == 0)
            spare.push_back(keycode);
    }
    std::string keycodes, symbols;
    std::map<uint32_t, uint32_t> added; // keysym → spare keycode
    for (int code = 0; code < 256; ++code) {
        const uint32_t keysym = keysymForVirtualKey(static_cast<uint8_t>(code));
        if (keysym == 0 || keycodeTyping(seat, keysym) != 0 || added.count(keysym))
            continue;
        if (spare.empty())
            return std::nullopt;
        const uint32_t keycode = spare.front();
        spare.erase(spare.begin());
        added.emplace(keysym, keycode);
        std::string name;
        if (const char* existing = xkb_keymap_key_get_name(seat, keycode)) {
            name = existing;
        } else {
            name = "RK" + std::to_string(keycode);
            keycodes += "\t<" + name + "> = " + std::to_string(keycode) + ";\n";
        }
        symbols += "\tkey <" + name + "> { [ " + levelsOf(keysym) + " ] };\n";
    }

    std::unique_ptr<char, decltype(&std::free)> seatText(xkb_keymap_get_as_string(seat, XKB_KEYMAP_FORMAT_TEXT_V1),
                                                         &std::free);
    if (!seatText)
        return std::nullopt;
    std::string source = seatText.get();
    if ((!keycodes.empty() && !insertIntoSection(source, "xkb_keycodes", keycodes)) ||
        (!symbols.empty() && !insertIntoSection(source, "xkb_symbols", symbols)))
        return std::nullopt;

    ContextPtr context = bareContext();
    if (!context)
        return std::nullopt;
    KeymapPtr keymap(xkb_keymap_new_from_string(context.get(), source.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                                XKB_KEYMAP_COMPILE_NO_FLAGS),
                     &xkb_keymap_unref);
    if (!keymap)
        return std::nullopt;
    VirtualKeymap result;
    for (int code = 0; code < 256; ++code) {
        const uint32_t keysym = keysymForVirtualKey(static_cast<uint8_t>(code));
        if (keysym == 0)
            continue;
        result.m_keycodes[code] = keycodeTyping(keymap.get(), keysym);
        if (result.m_keycodes[code] == 0)
            return std::nullopt;
    }
    if (!takeCompiled(keymap.get(), result.m_text, result.m_modifierMasks))
        return std::nullopt;
    return result;
}

std::optional<VirtualKeymap> VirtualKeymap::build()
{
    VirtualKeymap result;
    std::map<uint32_t, uint32_t> keycodeOfKeysym;
    uint32_t next = kFirstKeycode;
    for (int code = 0; code < 256; ++code) {
        const uint32_t keysym = keysymForVirtualKey(static_cast<uint8_t>(code));
        if (keysym == 0)
            continue;
        auto [it, added] = keycodeOfKeysym.emplace(keysym, next);
        if (added)
            ++next;
        result.m_keycodes[code] = it->second;
    }

    // Names only: no include path is searched and no environment is read.
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(
        xkb_context_new(
            static_cast<xkb_context_flags>(XKB_CONTEXT_NO_DEFAULT_INCLUDES | XKB_CONTEXT_NO_ENVIRONMENT_NAMES)),
        &xkb_context_unref);
    if (!context)
        return std::nullopt;
    const std::string source = keymapSource(keycodeOfKeysym, next - 1);
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap(
        xkb_keymap_new_from_string(context.get(), source.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                   XKB_KEYMAP_COMPILE_NO_FLAGS),
        &xkb_keymap_unref);
    if (!keymap)
        return std::nullopt;
    if (!takeCompiled(keymap.get(), result.m_text, result.m_modifierMasks))
        return std::nullopt;
    return result;
}

} // namespace rukcon::platform::wayland
