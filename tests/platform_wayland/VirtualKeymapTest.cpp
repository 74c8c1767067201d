#include <gtest/gtest.h>

#include "KeyTableCases.h"
#include "platform/wayland/VirtualKeymap.h"

#include <xkbcommon/xkbcommon.h>

#include <memory>

using rukcon::platform::wayland::VirtualKeymap;

namespace {

using KeymapPointer = std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)>;

// The keymap as a client compiles it from the text the compositor passes on.
KeymapPointer compiledByAClient(xkb_context* context, const VirtualKeymap& keymap)
{
    return KeymapPointer(xkb_keymap_new_from_string(context, keymap.text().c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                                    XKB_KEYMAP_COMPILE_NO_FLAGS),
                         &xkb_keymap_unref);
}

TEST(VirtualKeymapTest, everyKeyTypesItsKeysymAndTheModifiersAreTheirNames)
{
    const std::optional<VirtualKeymap> keymap = VirtualKeymap::build();
    ASSERT_TRUE(keymap);
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS),
                                                                       &xkb_context_unref);
    const KeymapPointer compiled = compiledByAClient(context.get(), *keymap);
    ASSERT_TRUE(compiled);
    std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> state(xkb_state_new(compiled.get()), &xkb_state_unref);

    auto check = [&](const rukcon::test::KeyCase& key) {
        const xkb_keysym_t expected = xkb_keysym_from_name(key.keysym, XKB_KEYSYM_NO_FLAGS);
        ASSERT_NE(expected, XKB_KEY_NoSymbol) << key.keysym;
        // Keycode 8 would go out as evdev code 0, which compositors drop.
        EXPECT_GE(keymap->keycodeFor(key.code), 9u) << key.name;
        EXPECT_EQ(xkb_state_key_get_one_sym(state.get(), keymap->keycodeFor(key.code)), expected) << key.name;
    };
    for (const auto& key : rukcon::test::kListedKeys)
        check(key);
    for (const auto& key : rukcon::test::kUnlistedKeys)
        check(key);

    // Shift (16) gives the capital; Control (17) and Alt (18) are what clients look for.
    xkb_state_update_mask(state.get(), keymap->modifierMaskFor(16), 0, 0, 0, 0, 0);
    EXPECT_EQ(xkb_state_key_get_one_sym(state.get(), keymap->keycodeFor('C')), XKB_KEY_C);
    xkb_state_update_mask(state.get(), keymap->modifierMaskFor(17) | keymap->modifierMaskFor(18), 0, 0, 0, 0, 0);
    EXPECT_EQ(xkb_state_mod_name_is_active(state.get(), XKB_MOD_NAME_CTRL, XKB_STATE_MODS_EFFECTIVE), 1);
    EXPECT_EQ(xkb_state_mod_name_is_active(state.get(), XKB_MOD_NAME_ALT, XKB_STATE_MODS_EFFECTIVE), 1);
    EXPECT_EQ(xkb_state_mod_name_is_active(state.get(), XKB_MOD_NAME_SHIFT, XKB_STATE_MODS_EFFECTIVE), 0);
    EXPECT_EQ(keymap->modifierMaskFor('C'), 0u);
}

// Built on a French seat keymap: the user's keys keep their codes and levels (Shift with a
// letter's key gives its capital), and the keysyms the layout has on no key pressed alone (the
// digits, F13) get keys of their own that type them, Shift or not.
TEST(VirtualKeymapTest, onTheSeatKeymap_theUsersKeysStay_missingKeysymsGetKeysOfTheirOwn)
{
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS),
                                                                       &xkb_context_unref);
    const xkb_rule_names french{"evdev", "pc105", "fr", "", ""};
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> seat(
        xkb_keymap_new_from_names(context.get(), &french, XKB_KEYMAP_COMPILE_NO_FLAGS), &xkb_keymap_unref);
    ASSERT_TRUE(seat) << "xkb-data has no French layout";
    const std::optional<VirtualKeymap> keymap = VirtualKeymap::buildOn(seat.get());
    ASSERT_TRUE(keymap);
    const KeymapPointer compiled = compiledByAClient(context.get(), *keymap);
    ASSERT_TRUE(compiled);
    std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> state(xkb_state_new(compiled.get()), &xkb_state_unref);
    const auto typed = [&](uint8_t code, bool shift) {
        xkb_state_update_mask(state.get(), shift ? keymap->modifierMaskFor(16) : 0, 0, 0, 0, 0, 0);
        return xkb_state_key_get_one_sym(state.get(), keymap->keycodeFor(code));
    };
    constexpr uint32_t kFrenchA = 24; // the key right of Tab
    EXPECT_EQ(keymap->keycodeFor('A'), kFrenchA);
    EXPECT_EQ(typed('A', true), XKB_KEY_A);
    EXPECT_EQ(typed('1', false), XKB_KEY_1) << "the key of & was taken";
    EXPECT_EQ(typed('1', true), XKB_KEY_1);
    EXPECT_EQ(typed(124, false), XKB_KEY_F13);
    for (const auto& key : rukcon::test::kListedKeys)
        EXPECT_EQ(typed(key.code, false), xkb_keysym_from_name(key.keysym, XKB_KEYSYM_NO_FLAGS)) << key.name;
}

} // namespace
