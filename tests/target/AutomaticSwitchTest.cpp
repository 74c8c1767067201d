#include "target/AutomaticSwitch.h"

#include <gtest/gtest.h>

using namespace rukcon::target;

namespace {

struct ChoiceCase {
    const char* what;
    ActiveCaption window;
    bool settingsMode;
    std::string fragmentInUse;
    std::optional<size_t> expected;
};

// Menu order: the broad "メモ" entry comes before the narrower "日記 - メモ帳" one.
const std::vector<ProfileTarget> kMenu{
    {"空欄", ""}, {"名なし", ""}, {"", "ゲーム"}, {"メモ用", "メモ"}, {"日記用", "日記 - メモ帳"}, {"絵用", "Paint"},
};

const ChoiceCase kCases[] = {
    {"first entry in menu order wins", {"日記 - メモ帳", false}, false, "Paint", 3},
    {"a later entry when only it matches", {"無題 - Paint", false}, false, "メモ", 5},
    {"letter case counts", {"無題 - paint", false}, false, "", std::nullopt},
    {"empty fragments match nothing", {"何でもない窓", false}, false, "", std::nullopt},
    {"an entry without a name is skipped", {"ゲーム - メモ", false}, false, "", 3},
    {"empty caption", {"", false}, false, "", std::nullopt},
    {"own window", {"メモ - R・U・Kコン", true}, false, "", std::nullopt},
    {"settings mode", {"メモ帳", false}, true, "", std::nullopt},
    {"entry already in use", {"メモ帳", false}, false, "メモ", std::nullopt},
    // The dispatch brings the target of the profile in use forward; an earlier entry that
    // names the same window must not take over.
    {"profile in use names the window", {"日記 - メモ帳", false}, false, "日記 - メモ帳", std::nullopt},
};

TEST(AutomaticSwitchTest, chooseMenuEntry_table)
{
    for (const ChoiceCase& c : kCases)
        EXPECT_EQ(ChooseMenuEntry(c.window, c.settingsMode, kMenu, c.fragmentInUse), c.expected) << c.what;
}

} // namespace
