#include "input/KeyTable.h"
#include "settings/Profile.h"
#include "settings/SettingsTexts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

using namespace rukcon::input;

namespace {

// Records what a fill appends, list by list.
class RecordingLists : public KeyChoiceLists {
public:
    std::map<std::pair<int, int>, std::vector<std::string>> lists;
    void appendKeyList(int slot, int position) override
    {
        for (const KeyEntry& e : KeyListEntries())
            lists[{slot, position}].emplace_back(e.name);
    }
};

TEST(KeyTable, fill_every45ListsGets106NamesInOrder_secondFillDoubles)
{
    RecordingLists lists;
    FillKeyLists(lists);
    ASSERT_EQ(lists.lists.size(), 45u);
    for (const auto& [key, names] : lists.lists) {
        ASSERT_EQ(names.size(), 106u);
        EXPECT_EQ(names.front(), "なし");
        EXPECT_EQ(names.back(), "テンキーの/");
        EXPECT_EQ(names[27], "alt");
        EXPECT_EQ(names[74], "カタカナひらがなローマ字");
    }
    FillKeyLists(lists);
    for (const auto& [key, names] : lists.lists) {
        ASSERT_EQ(names.size(), 212u);
        for (size_t i = 0; i < 106; ++i)
            EXPECT_EQ(names[i], names[i + 106]);
    }
}

TEST(KeyTable, names_distinctAndOnlyNoneHasNoKey)
{
    std::set<std::string_view> seen;
    for (const KeyEntry& e : KeyListEntries()) {
        EXPECT_TRUE(seen.insert(e.name).second) << e.name;
        EXPECT_EQ(e.emission == Emission::None, e.name == "なし") << e.name;
    }
}

TEST(KeyTable, onlyTheThreeModifiersAreHeld)
{
    std::set<std::string_view> held;
    for (const KeyEntry& e : KeyListEntries()) {
        if (e.emission == Emission::Hold)
            held.insert(e.name);
    }
    EXPECT_EQ(held, (std::set<std::string_view>{"SHIFT", "CONTROL", "alt"}));
    EXPECT_EQ(FindKey("SHIFT")->code, 16);
    EXPECT_EQ(FindKey("CONTROL")->code, 17);
    EXPECT_EQ(FindKey("alt")->code, 18);
}

TEST(KeyTable, lettersAndDigits_hyphenatedNamesCaptionsWithoutHyphens)
{
    for (char c : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")) {
        const std::string name = std::string("-") + c + "-";
        const KeyEntry* e = FindKey(name);
        ASSERT_NE(e, nullptr) << name;
        EXPECT_EQ(e->code, static_cast<uint8_t>(c)) << name;
        EXPECT_EQ(e->caption, std::string(1, c) + "キー") << name;
        EXPECT_EQ(FindKey(std::string(1, c)), nullptr) << "bare " << c;
    }
}

TEST(KeyTable, lookup_noneEmptyAndCaseVariantsMatchNothing)
{
    for (const char* text : {"なし", "", "delete", "Alt", "ALT", "f1", "esc", "Shift", " F1", "F1 ", "-a-"})
        EXPECT_EQ(FindKey(text), nullptr) << '"' << text << '"';
}

// Names that share a key, names no list offers, captions without the "キー" suffix and codes
// that differ from the obvious ones (the keypad Enter is the separator key, not Return).
TEST(KeyTable, lookup_codeAndCaptionPerName)
{
    struct Row {
        const char* name;
        int code;
        const char* caption;
    };
    const Row rows[] = {{"Delete", 46, "DELETEキー"},
                        {"DELETE", 46, "DELETEキー"},
                        {"ESC", 27, "ESCAPEキー"},
                        {"ESCAPE", 27, "ESCAPEキー"},
                        {"IME 無変換", 29, "IME 無変換キー"},
                        {"alt", 18, "alt"},
                        {"テンキーの*", -1, "テンキーの*"},
                        {"テンキーの-", -1, "テンキーの-"},
                        {"テンキーの+", -1, "テンキーの+"},
                        {"テンキーのenter", 108, "テンキーのenter"},
                        {"テンキーの.", -1, "テンキーの."},
                        {"テンキーの/", -1, "テンキーの/"},
                        {"カタカナひらがなローマ字", 242, nullptr},
                        {"全角/半角", 243, nullptr},
                        {"←", 37, nullptr},
                        {"→", 39, nullptr},
                        {"↑", 38, nullptr},
                        {"↓", 40, nullptr},
                        {"F24", 135, nullptr}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const KeyEntry* entry = FindKey(row.name);
        ASSERT_NE(entry, nullptr);
        if (row.code >= 0) {
            EXPECT_EQ(entry->code, row.code);
        }
        if (row.caption) {
            EXPECT_EQ(entry->caption, std::string_view(row.caption));
        }
    }
    for (const KeyEntry& e : KeyListEntries())
        EXPECT_NE(e.name, "DELETE") << "DELETE is never offered in a list";
}

} // namespace

namespace {

// Every key name the program itself puts into a profile (the built-in profiles, the key texts a
// file falls back to) is one the dispatch can send, or "なし": a misspelt one would send nothing.
TEST(KeyTable, everyBuiltInKeyName_isInTheTable)
{
    using namespace rukcon::settings;
    std::set<std::string> names{texts::kKeyLeft, texts::kKeyRight, texts::kKeyUp, texts::kKeyDown, texts::kKeyF24};
    for (const Profile* profile : {&LastExitFallbackProfile(), &NewSettingsProfile(), &TrayInitialProfile()})
        for (const auto& slot : profile->keys)
            names.insert(slot.begin(), slot.end());
    for (const auto& slot : StickArrowKeys())
        names.insert(slot.begin(), slot.end());
    ASSERT_GT(names.size(), 5u);
    for (const std::string& name : names)
        EXPECT_TRUE(name == kNoKey || FindKey(name) != nullptr) << name;
}

} // namespace
