// gtest before the X headers: their None and Bool macros break it.
#include <gtest/gtest.h>

#include "KeyCatcher.h"
#include "KeyTableCases.h"
#include "fakes/IdlePump.h"
#include "input/KeyEmission.h"
#include "platform/x11/X11Connection.h"
#include "platform/x11/X11Factory.h"
#include "platform/x11/XTestKeyEmitter.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <ostream>
#include <set>

using rukcon::platform::x11::X11Connection;
using rukcon::platform::x11::XTestKeyEmitter;
using rukcon::test::IdlePump;
using rukcon::test::KeyCase;
using rukcon::test::KeyCatcher;
using rukcon::test::strokes;
using Strokes = std::vector<std::string>;

namespace {

std::set<int> emptyKeycodes(Display* display)
{
    int minKeycode = 0, maxKeycode = 0, perKeycode = 0;
    XDisplayKeycodes(display, &minKeycode, &maxKeycode);
    KeySym* keysyms =
        XGetKeyboardMapping(display, static_cast<KeyCode>(minKeycode), maxKeycode - minKeycode + 1, &perKeycode);
    std::set<int> empty;
    for (int keycode = minKeycode; keycode <= maxKeycode; ++keycode) {
        const KeySym* row = keysyms + (keycode - minKeycode) * perKeycode;
        if (std::all_of(row, row + perKeycode, [](KeySym k) { return k == NoSymbol; }))
            empty.insert(keycode);
    }
    XFree(keysyms);
    return empty;
}

// A key catcher and an emitter on the display named by an environment variable; checks at the
// end that no key is left down and the keyboard state is as it was.
template <class Param> class EmitterFixture : public ::testing::TestWithParam<Param> {
protected:
    virtual const char* displayVariable() const = 0;

    void SetUp() override
    {
        m_displayName = std::getenv(displayVariable());
        if (!m_displayName || !*m_displayName)
            GTEST_SKIP() << displayVariable() << " is not set";
        m_catcher = std::make_unique<KeyCatcher>(m_displayName);
        ASSERT_TRUE(m_catcher->ready()) << "no window with the keyboard grab on " << m_displayName;
        Display* display = m_catcher->display();

        m_spareKeycodes = emptyKeycodes(display);
        XkbGetState(display, XkbUseCoreKbd, &m_stateBefore);
        // A key held down long enough would repeat; a busy machine must not add strokes.
        XKeyboardState keyboard;
        XGetKeyboardControl(display, &keyboard);
        m_autoRepeat = keyboard.global_auto_repeat == AutoRepeatModeOn;
        XAutoRepeatOff(display);
        XSync(display, False);

        renewEmitter();
        ASSERT_TRUE(m_emitter) << "no XTest on " << m_displayName;
    }

    void TearDown() override
    {
        if (!m_catcher || !m_catcher->ready() || !m_connection)
            return;
        Display* display = m_catcher->display();
        m_catcher->collect(m_connection->display(), 0);

        char keys[32];
        XQueryKeymap(display, keys);
        for (int keycode = 0; keycode < 256; ++keycode)
            EXPECT_FALSE(keys[keycode / 8] & (1 << (keycode % 8))) << "keycode " << keycode << " left down";
        XkbStateRec state;
        XkbGetState(display, XkbUseCoreKbd, &state);
        EXPECT_EQ(state.mods, m_stateBefore.mods);
        EXPECT_EQ(state.locked_mods, m_stateBefore.locked_mods);
        EXPECT_EQ(state.group, m_stateBefore.group);
        EXPECT_EQ(state.locked_group, m_stateBefore.locked_group);

        unbindSpareKeycodes();
        if (m_autoRepeat)
            XAutoRepeatOn(display);
        XSync(display, False);
    }

    // A new emitter on its own connection: nothing resolved yet.
    void renewEmitter()
    {
        m_emitter.reset();
        m_connection = X11Connection::open(m_displayName);
        m_emitter = XTestKeyEmitter::create(m_connection);
    }

    // Gives the keycodes that were empty at the start their emptiness back, so the next test
    // finds as many spare keycodes as this one did. Only those bound since: every change makes
    // the window manager reload its key bindings.
    void unbindSpareKeycodes()
    {
        Display* display = m_catcher->display();
        const std::set<int> stillEmpty = emptyKeycodes(display);
        KeySym none = NoSymbol;
        for (int keycode : m_spareKeycodes) {
            if (!stillEmpty.count(keycode))
                XChangeKeyboardMapping(display, keycode, 1, &none, 1);
        }
        m_catcher->collect(display, 0);
    }

    void tap(uint8_t code, const char* name)
    {
        EXPECT_TRUE(m_emitter->sendKey(code, true)) << name << " press";
        EXPECT_TRUE(m_emitter->sendKey(code, false)) << name << " release";
    }

    std::vector<rukcon::test::KeyArrival> arrivals(const Strokes& expected)
    {
        return m_catcher->collect(m_connection->display(), expected.size());
    }

    KeySym keysymAt(int keycode) const
    {
        return XkbKeycodeToKeysym(m_catcher->display(), static_cast<KeyCode>(keycode), 0, 0);
    }

    const char* m_displayName = nullptr;
    std::unique_ptr<KeyCatcher> m_catcher;
    std::shared_ptr<X11Connection> m_connection;
    std::unique_ptr<XTestKeyEmitter> m_emitter;
    std::set<int> m_spareKeycodes;
    XkbStateRec m_stateBefore{};
    bool m_autoRepeat = true;
};

// Runs on the display named by the environment variable in the parameter: the one with a
// window manager and the bare one.
class XTestKeyEmitterTest : public EmitterFixture<const char*> {
protected:
    const char* displayVariable() const override { return GetParam(); }
};

TEST_P(XTestKeyEmitterTest, keyTable_everyCodeArrivesAsItsKeysym_pressThenRelease)
{
    // One emitter for the whole table: the keys missing from a stock keymap outnumber its empty
    // keycodes, so the oldest bindings are moved on to the later keys.
    std::vector<KeyCase> keys(std::begin(rukcon::test::kListedKeys), std::end(rukcon::test::kListedKeys));
    keys.insert(keys.end(), std::begin(rukcon::test::kUnlistedKeys), std::end(rukcon::test::kUnlistedKeys));

    // Each key is read before the next is sent: a client translates a key event with the keymap
    // it holds when it reads the event, and a binding moved on would change that.
    for (const auto& key : keys) {
        SCOPED_TRACE(key.name);
        // Caps Lock locks: tapped twice, it leaves the server as it was.
        const int taps = std::strcmp(key.keysym, "Caps_Lock") == 0 ? 2 : 1;
        Strokes expected;
        for (int t = 0; t < taps; ++t) {
            tap(key.code, key.name);
            expected.push_back(std::string(key.keysym) + "+");
            expected.push_back(std::string(key.keysym) + "-");
        }
        const auto got = arrivals(expected);
        EXPECT_EQ(strokes(got), expected);
        for (size_t i = 0; i + 1 < got.size(); i += 2)
            EXPECT_EQ(got[i].keycode, got[i + 1].keycode) << got[i].keysym << " released on another key";
    }
}

TEST_P(XTestKeyEmitterTest, sparesUsedUp_leastRecentlyUsedBindingMovesOn)
{
    // Leave exactly two spare keycodes, then type three missing keys and the first one again.
    Display* display = m_catcher->display();
    KeySym filler = XK_F35;
    auto it = m_spareKeycodes.begin();
    std::advance(it, 2);
    for (; it != m_spareKeycodes.end(); ++it)
        XChangeKeyboardMapping(display, *it, 1, &filler, 1);
    XSync(display, False);

    const std::pair<uint8_t, const char*> sequence[] = {
        {124, "F13"}, {125, "F14"}, {124, "F13"}, // F13 is now used more recently than F14
        {126, "F15"},                             // takes F14's keycode
        {125, "F14"},                             // takes F13's keycode
    };
    std::vector<int> keycodes;
    for (auto [code, name] : sequence) {
        tap(code, name);
        const Strokes expected{std::string(name) + "+", std::string(name) + "-"};
        const auto got = arrivals(expected);
        ASSERT_EQ(strokes(got), expected);
        keycodes.push_back(got[0].keycode);
    }
    EXPECT_EQ(keycodes[3], keycodes[1]) << "F15 should replace the older F14 binding";
    EXPECT_EQ(keycodes[4], keycodes[0]) << "F14 should replace the F13 binding";
}

TEST_P(XTestKeyEmitterTest, heldBoundKey_neverMovedWhileDown)
{
    Display* display = m_catcher->display();
    KeySym filler = XK_F35;
    auto it = m_spareKeycodes.begin();
    std::advance(it, 1);
    for (; it != m_spareKeycodes.end(); ++it)
        XChangeKeyboardMapping(display, *it, 1, &filler, 1);
    XSync(display, False);

    EXPECT_TRUE(m_emitter->sendKey(124, true)); // F13 down on the only spare keycode
    EXPECT_FALSE(m_emitter->sendKey(125, true)) << "F14 must not take the keycode of a held key";
    EXPECT_TRUE(m_emitter->sendKey(124, false));
    const Strokes expected{"F13+", "F13-"};
    EXPECT_EQ(strokes(arrivals(expected)), expected);
}

struct EmissionExample {
    const char* title;
    std::vector<std::pair<uint8_t, bool>> positions; // code, held
    Strokes expected;
};

TEST_P(XTestKeyEmitterTest, keyEmission_examples_arriveInOrder)
{
    // Releases of modifiers that are not down make no event.
    const EmissionExample examples[] = {
        {"SHIFT, -A-", {{16, true}, {65, false}}, {"Shift_L+", "a+", "a-", "Shift_L-"}},
        {"-A-, SHIFT", {{65, false}, {16, true}}, {"a+", "a-", "Shift_L+", "Shift_L-"}},
        {"CONTROL, alt, Delete",
         {{17, true}, {18, true}, {46, false}},
         {"Control_L+", "Alt_L+", "Delete+", "Delete-", "Control_L-", "Alt_L-"}},
    };
    IdlePump pump;
    rukcon::input::KeyEmission keys(*m_emitter, pump);
    for (const auto& example : examples) {
        SCOPED_TRACE(example.title);
        for (auto [code, held] : example.positions) {
            if (held)
                keys.HoldKey(code);
            else
                keys.TapKey(code);
        }
        keys.ReleaseModifiers();
        EXPECT_EQ(strokes(arrivals(example.expected)), example.expected);
    }
}

TEST_P(XTestKeyEmitterTest, missingKeysym_boundOnceToSpareKeycode_bindingStays)
{
    const KeyCase missing[] = {{"F13", 124, "F13"}, {"全角/半角", 243, "Zenkaku_Hankaku"}};
    for (const auto& key : missing) {
        tap(key.code, key.name);
        tap(key.code, key.name);
    }
    const Strokes expected{
        "F13+", "F13-", "F13+", "F13-", "Zenkaku_Hankaku+", "Zenkaku_Hankaku-", "Zenkaku_Hankaku+", "Zenkaku_Hankaku-"};
    const auto got = arrivals(expected);
    ASSERT_EQ(strokes(got), expected);
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(missing[k].name);
        const int keycode = got[4 * k].keycode;
        for (int i = 1; i < 4; ++i)
            EXPECT_EQ(got[4 * k + i].keycode, keycode);
        EXPECT_TRUE(m_spareKeycodes.count(keycode)) << "keycode " << keycode << " was not spare";
        EXPECT_EQ(keysymAt(keycode), XStringToKeysym(missing[k].keysym)) << "binding undone";
    }
    EXPECT_NE(got[0].keycode, got[4].keycode);
}

TEST_P(XTestKeyEmitterTest, keysymOnlyOnShiftedLevel_notTypedThroughThatKey)
{
    // As digits sit on the shifted level of an AZERTY layout: pressing that key alone would
    // type the first level, so the keysym needs a key of its own.
    Display* display = m_catcher->display();
    const int shared = *m_spareKeycodes.begin();
    KeySym levels[] = {XK_F35, XK_F13};
    XChangeKeyboardMapping(display, shared, 2, levels, 1);
    XSync(display, False);

    tap(124, "F13");
    const Strokes expected{"F13+", "F13-"};
    const auto got = arrivals(expected);
    ASSERT_EQ(strokes(got), expected);
    EXPECT_NE(got[0].keycode, shared);
}

TEST_P(XTestKeyEmitterTest, noSpareKeycodeLeft_missingKeyFails_presentKeyStillTyped)
{
    Display* display = m_catcher->display();
    KeySym filler = XK_F35;
    for (int keycode : m_spareKeycodes)
        XChangeKeyboardMapping(display, keycode, 1, &filler, 1);
    XSync(display, False);

    EXPECT_FALSE(m_emitter->sendKey(124, true)); // F13
    EXPECT_FALSE(m_emitter->sendKey(124, false));
    tap(13, "RETURN");
    const Strokes expected{"Return+", "Return-"};
    EXPECT_EQ(strokes(arrivals(expected)), expected);
}

TEST_P(XTestKeyEmitterTest, codeOutsideKeyTable_refused_nothingArrives)
{
    for (int code : {0, 44, 255}) {
        EXPECT_FALSE(m_emitter->sendKey(static_cast<uint8_t>(code), true)) << code;
        EXPECT_FALSE(m_emitter->sendKey(static_cast<uint8_t>(code), false)) << code;
    }
    EXPECT_EQ(strokes(arrivals({})), Strokes{});
}

INSTANTIATE_TEST_SUITE_P(Displays, XTestKeyEmitterTest, ::testing::Values("DISPLAY", "RUKCON_BARE_DISPLAY"),
                         [](const auto& info) { return std::string(info.param) == "DISPLAY" ? "main" : "bare"; });

// A layout the user switches to while the program runs, and the keyboard group then locked as a
// group switch key would (0: the first).
struct LayoutChange {
    const char* name;
    const char* layout;
    int group;
};

void PrintTo(const LayoutChange& change, std::ostream* out)
{
    *out << change.layout << ", group " << change.group;
}

class KeyboardLayoutTest : public EmitterFixture<LayoutChange> {
protected:
    const char* displayVariable() const override { return "DISPLAY"; }

    void TearDown() override
    {
        if (m_layoutChanged) {
            XkbLockGroup(m_catcher->display(), XkbUseCoreKbd, 0);
            setLayout("us");
        }
        EmitterFixture::TearDown();
    }

    // The window manager reloads its key bindings on every change, so each test makes few.
    void setLayout(const char* layout)
    {
        m_layoutChanged = true;
        const std::string command = std::string("setxkbmap -display '") + m_displayName + "' -layout " + layout;
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        heardByEmitter();
    }

    void lockGroup(int group)
    {
        XkbLockGroup(m_catcher->display(), XkbUseCoreKbd, static_cast<unsigned int>(group));
        XSync(m_catcher->display(), False);
        heardByEmitter();
    }

    // In use a change reaches the emitter's connection long before the next key; here that key
    // follows at once.
    void heardByEmitter() { XSync(m_connection->display(), False); }

    // Letters, digits and F13, a key the keymaps lack (bound to a spare keycode, which a new
    // keymap takes back). Each is read before the next is sent, with the keymap of that moment.
    void expectKeysArrive(const char* phase)
    {
        for (const auto& key : rukcon::test::kListedKeys) {
            if (key.name[0] != '-' && key.code != 124)
                continue;
            SCOPED_TRACE(std::string(phase) + ": " + key.name);
            tap(key.code, key.name);
            const Strokes expected{std::string(key.keysym) + "+", std::string(key.keysym) + "-"};
            EXPECT_EQ(strokes(arrivals(expected)), expected);
        }
    }

    bool m_layoutChanged = false;
};

TEST_P(KeyboardLayoutTest, layoutChangedWhileEmitterLives_keysArriveAsTheirKeysyms)
{
    expectKeysArrive("us, before the change"); // every code is resolved now
    setLayout(GetParam().layout);
    if (HasFatalFailure())
        return;
    expectKeysArrive(GetParam().layout);
    if (GetParam().group != 0) {
        lockGroup(GetParam().group);
        expectKeysArrive("group switched");
    }
}

TEST_F(KeyboardLayoutTest, keyDownAcrossLayoutChange_goesUpOnTheSameKey)
{
    ASSERT_TRUE(m_emitter->sendKey(90, true)); // -Z-
    setLayout("de");
    EXPECT_TRUE(m_emitter->sendKey(90, false)); // even when the change failed: leave nothing down
    const auto got = m_catcher->collect(m_connection->display(), 2);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1].keycode, got[0].keycode) << "released on another key than it was pressed on";
}

// On de "-Z-" sits on us y's key; on fr "-A-" on us q's key, and every digit is shifted; jp
// (as every new keymap) drops the keys bound to spare keycodes; us,de switched to its second
// group keeps the keymap but moves the keys.
INSTANTIATE_TEST_SUITE_P(Layouts, KeyboardLayoutTest,
                         ::testing::Values(LayoutChange{"de", "de", 0}, LayoutChange{"fr", "fr", 0},
                                           LayoutChange{"jp", "jp", 0}, LayoutChange{"usDe_secondGroup", "us,de", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(X11FactoryTest, createKeyEmitter_followsDisplayVariable)
{
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display ? display : "";
    if (display && *display) {
        EXPECT_NE(rukcon::platform::x11::createKeyEmitter(), nullptr);
    }

    setenv("DISPLAY", ":4093", 1); // no server there
    EXPECT_EQ(rukcon::platform::x11::createKeyEmitter(), nullptr);
    if (display)
        setenv("DISPLAY", saved.c_str(), 1);
    else
        unsetenv("DISPLAY");
}

// The parts for the program's start: keys are known to work before the emitter connects, and
// it connects and types at the first key.
TEST(X11FactoryTest, createBackends_keysConnectAtTheFirstKeyAndType)
{
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
        GTEST_SKIP() << "DISPLAY is not set";
    KeyCatcher catcher(name);
    ASSERT_TRUE(catcher.ready());
    std::optional<rukcon::platform::Backends> backends = rukcon::platform::x11::createBackends(name);
    ASSERT_TRUE(backends && backends->keys && backends->windows && backends->activeWindow);
    EXPECT_TRUE(backends->keys->sendKey(65, true));
    EXPECT_TRUE(backends->keys->sendKey(65, false));
    EXPECT_EQ(strokes(catcher.collect(catcher.display(), 2)), (Strokes{"a+", "a-"}));

    EXPECT_FALSE(rukcon::platform::x11::createBackends(":4093")); // no server there
}

} // namespace
