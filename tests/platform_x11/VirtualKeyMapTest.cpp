// gtest before the X headers: their None and Bool macros break it.
#include <gtest/gtest.h>

#include "KeyTableCases.h"
#include "platform/x11/VirtualKeyMap.h"

#include <map>
#include <set>

using rukcon::platform::x11::keysymForVirtualKey;
using rukcon::test::kListedKeys;
using rukcon::test::kUnlistedKeys;

namespace {

TEST(VirtualKeyMapTest, everyKeyTableCode_mapsToItsOwnKeysym)
{
    std::map<KeySym, uint8_t> codeOfKeysym;
    auto check = [&](const rukcon::test::KeyCase& key) {
        SCOPED_TRACE(key.name);
        const KeySym keysym = keysymForVirtualKey(key.code);
        EXPECT_NE(keysym, static_cast<KeySym>(NoSymbol));
        // Two names share a keysym only where the key table gives them the same code.
        auto [it, inserted] = codeOfKeysym.emplace(keysym, key.code);
        if (!inserted) {
            EXPECT_EQ(it->second, key.code) << "keysym shared with code " << int(it->second);
        }
    };
    for (const auto& key : kListedKeys)
        check(key);
    for (const auto& key : kUnlistedKeys)
        check(key);
    // 105 listed keys and 2 unlisted ones; ESC repeats ESCAPE's code and DELETE repeats Delete's.
    EXPECT_EQ(codeOfKeysym.size(), 105u);
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
