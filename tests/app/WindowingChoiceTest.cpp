#include <gtest/gtest.h>

#include "app/WindowingChoice.h"
#include "fakes/RecordingKeyboard.h"
#include "fakes/ScriptedWindows.h"

#include <QCoreApplication>

#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

using namespace rukcon;

namespace {

// Which rows were asked, in order; what each answers is set per test.
std::vector<std::string> asked;
std::vector<std::string> keyLog;

platform::Backends working()
{
    platform::Backends backends;
    backends.keys = std::make_unique<test::RecordingKeyboard>(keyLog);
    backends.windows = std::make_unique<test::ScriptedWindows>();
    return backends;
}

platform::BackendsOffer refusesWithAdvice(const platform::WindowingRequest&)
{
    asked.push_back("refuses");
    return {std::nullopt, "信頼されていません"};
}
platform::BackendsOffer absent(const platform::WindowingRequest&)
{
    asked.push_back("absent");
    return {};
}
platform::BackendsOffer offers(const platform::WindowingRequest&)
{
    asked.push_back("offers");
    return {working(), {}};
}
platform::BackendsOffer listsButCannotType(const platform::WindowingRequest&)
{
    asked.push_back("cannot type");
    platform::Backends backends = working();
    backends.keys.reset();
    return {std::move(backends), {}};
}

class WindowingChoiceTest : public ::testing::Test {
protected:
    void SetUp() override { asked.clear(); }
    platform::WindowingRequest request;
};

// A desktop that runs but refuses the program is passed over with its advice kept; the first
// row that offers backends ends the search.
TEST_F(WindowingChoiceTest, firstOfferWins_refusalsBeforeItLeaveTheirAdvice)
{
    const app::WindowingRow table[] = {{"A", &absent}, {"B", &refusesWithAdvice}, {"C", &offers}, {"D", &offers}};
    app::Windowing chosen = app::chooseWindowing(table, request);
    EXPECT_EQ(asked, (std::vector<std::string>{"absent", "refuses", "offers"}));
    EXPECT_STREQ(chosen.desktop, "C");
    EXPECT_TRUE(chosen.usable);
    EXPECT_EQ(chosen.advice, "信頼されていません");
    EXPECT_FALSE(chosen.events) << "nothing to watch";
}

// No row, or one that cannot type: the null backends stand in and the user is to be told.
TEST_F(WindowingChoiceTest, nothingUsable_nullBackendsStandIn)
{
    const app::WindowingRow none[] = {{"A", &absent}, {"B", &refusesWithAdvice}};
    app::Windowing chosen = app::chooseWindowing(none, request);
    EXPECT_FALSE(chosen.usable);
    EXPECT_EQ(chosen.desktop, nullptr);
    EXPECT_EQ(chosen.advice, "信頼されていません");
    ASSERT_TRUE(chosen.backends.keys && chosen.backends.windows);
    EXPECT_FALSE(chosen.backends.keys->sendKey('A', true));

    const app::WindowingRow partial[] = {{"X", &listsButCannotType}, {"Y", &offers}};
    app::Windowing listsOnly = app::chooseWindowing(partial, request);
    EXPECT_FALSE(listsOnly.usable);
    EXPECT_STREQ(listsOnly.desktop, "X");
    ASSERT_TRUE(listsOnly.backends.keys);
    EXPECT_FALSE(listsOnly.backends.keys->sendKey('A', true));
}

// The real table on an X server without XTEST (tools/headless.sh starts one): X11 lists windows
// but takes no keys, so the choice is unusable and the user is told.
TEST_F(WindowingChoiceTest, realTable_xServerWithoutXTest_unusable)
{
    request.x11Display = std::getenv("RUKCON_NO_XTEST_DISPLAY");
    if (!request.x11Display)
        GTEST_SKIP() << "needs RUKCON_NO_XTEST_DISPLAY, an X server without XTEST";
    app::Windowing chosen = app::chooseWindowing(app::windowingTable(), request);
    EXPECT_STREQ(chosen.desktop, "X11");
    EXPECT_FALSE(chosen.usable) << "taken for a desktop that can send keys";
    ASSERT_TRUE(chosen.backends.keys && chosen.backends.windows);
    EXPECT_FALSE(chosen.backends.keys->sendKey('A', true));
}

// The chosen backends' descriptor is watched, and no more once the connection breaks.
TEST_F(WindowingChoiceTest, eventDescriptorIsReadUntilBroken)
{
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    static int reads = 0;
    reads = 0;
    static int readFd = -1;
    readFd = pipeEnds[0];
    const auto offersWatched = [](const platform::WindowingRequest&) -> platform::BackendsOffer {
        platform::Backends backends = working();
        backends.eventFd = readFd;
        backends.readEvents = [] { return ++reads < 2; };
        return {std::move(backends), {}};
    };
    const app::WindowingRow table[] = {{"W", +offersWatched}};
    app::Windowing chosen = app::chooseWindowing(table, request);
    ASSERT_TRUE(chosen.events);
    ASSERT_EQ(write(pipeEnds[1], "x", 1), 1); // stays readable: never drained
    for (int i = 0; i < 20 && reads < 3; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(reads, 2) << "a broken connection kept waking the loop, or was never read";
    EXPECT_FALSE(chosen.events->isEnabled());
    close(pipeEnds[0]);
    close(pipeEnds[1]);
}

} // namespace
