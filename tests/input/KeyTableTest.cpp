#include "input/KeyTable.h"

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

TEST(KeyTable, sharedKeysAndHiddenNames)
{
    const KeyEntry* del = FindKey("Delete");
    const KeyEntry* DEL = FindKey("DELETE");
    ASSERT_TRUE(del && DEL);
    EXPECT_EQ(del->code, 46);
    EXPECT_EQ(DEL->code, 46);
    EXPECT_EQ(del->caption, "DELETEキー");
    EXPECT_EQ(DEL->caption, "DELETEキー");

    const KeyEntry* esc = FindKey("ESC");
    const KeyEntry* escape = FindKey("ESCAPE");
    ASSERT_TRUE(esc && escape);
    EXPECT_EQ(esc->code, 27);
    EXPECT_EQ(escape->code, 27);
    EXPECT_EQ(esc->caption, "ESCAPEキー");
    EXPECT_EQ(escape->caption, "ESCAPEキー");

    const KeyEntry* muhenkan = FindKey("IME 無変換");
    ASSERT_NE(muhenkan, nullptr);
    EXPECT_EQ(muhenkan->code, 29);
    EXPECT_EQ(muhenkan->caption, "IME 無変換キー");

    for (const KeyEntry& e : KeyListEntries())
        EXPECT_NE(e.name, "DELETE") << "DELETE is never offered in a list";
}

TEST(KeyTable, captionsWithoutSuffixAndSpecialCodes)
{
    EXPECT_EQ(FindKey("alt")->caption, "alt");
    for (const char* name :
         {"テンキーの*", "テンキーの-", "テンキーの+", "テンキーのenter", "テンキーの.", "テンキーの/"})
        EXPECT_EQ(FindKey(name)->caption, name);
    EXPECT_EQ(FindKey("テンキーのenter")->code, 108) << "the keypad Enter is the separator key, not Return";
    EXPECT_EQ(FindKey("カタカナひらがなローマ字")->code, 242);
    EXPECT_EQ(FindKey("全角/半角")->code, 243);
    EXPECT_EQ(FindKey("←")->code, 37);
    EXPECT_EQ(FindKey("→")->code, 39);
    EXPECT_EQ(FindKey("↑")->code, 38);
    EXPECT_EQ(FindKey("↓")->code, 40);
    EXPECT_EQ(FindKey("F24")->code, 135);
}

} // namespace
