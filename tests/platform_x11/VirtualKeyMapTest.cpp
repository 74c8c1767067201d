// gtest before the X headers: their None and Bool macros break it.
#include <gtest/gtest.h>

#include "KeyTableCases.h"
#include "platform/VirtualKeyMap.h"

#include <X11/Xlib.h>

#include <set>

using rukcon::platform::keysymForVirtualKey;
using rukcon::test::kListedKeys;
using rukcon::test::kUnlistedKeys;

namespace {

TEST(VirtualKeyMapTest, everyKeyTableCode_mapsToItsExpectedKeysym)
{
    auto check = [](const rukcon::test::KeyCase& key) {
        const KeySym expected = XStringToKeysym(key.keysym);
        ASSERT_NE(expected, static_cast<KeySym>(NoSymbol)) << "unknown keysym name " << key.keysym;
        const KeySym got = keysymForVirtualKey(key.code);
        const char* gotName = XKeysymToString(got);
        EXPECT_EQ(got, expected) << key.name << " (code " << int(key.code) << ") gives "
                                 << (gotName ? gotName : "NoSymbol") << ", not " << key.keysym;
    };
    for (const auto& key : kListedKeys)
        check(key);
    for (const auto& key : kUnlistedKeys)
        check(key);
}

TEST(VirtualKeyMapTest, codesOutsideKeyTable_noKeysym)
{
    std::set<int> used;
    for (const auto& key : kListedKeys)
        used.insert(key.code);
    for (const auto& key : kUnlistedKeys)
        used.insert(key.code);
    for (int code = 0; code < 256; ++code) {
        if (!used.count(code)) {
            EXPECT_EQ(keysymForVirtualKey(static_cast<uint8_t>(code)), static_cast<KeySym>(NoSymbol)) << code;
        }
    }
}

} // namespace
