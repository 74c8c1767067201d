#include "platform/x11/XTestKeyEmitter.h"

#include "platform/VirtualKeyMap.h"
#include "platform/x11/XErrorTrap.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace rukcon::platform::x11 {

// A snapshot of the server's keyboard map (XKB) and of the keyboard group in use: which keysym
// each key types when pressed alone, as clients that follow the layout read it.
class KeyboardMapping {
public:
    // Two requests to the server; invalid when XKB does not answer.
    explicit KeyboardMapping(Display* display);

    bool isValid() const { return m_xkb != nullptr; }

    // The keysym the key types pressed without modifiers in the active group, or NoSymbol.
    KeySym keysymTyped(int keycode) const;
    // The lowest keycode that types the keysym pressed without modifiers, or 0.
    int keycodeTyping(KeySym keysym) const;
    int minKeycode() const { return m_xkb ? m_xkb->min_key_code : 1; }
    int maxKeycode() const { return m_xkb ? m_xkb->max_key_code : 0; }
    // True when the key has no keysym at all.
    bool isSpare(int keycode) const;
    // True when the key has a single group whose first level is the keysym, as a binding of
    // one keysym to a spare keycode leaves it.
    bool isBoundTo(int keycode, KeySym keysym) const;

private:
    struct XkbDeleter {
        void operator()(XkbDescPtr xkb) const { XkbFreeKeyboard(xkb, XkbAllComponentsMask, True); }
    };

    bool hasKeycode(int keycode) const;

    std::unique_ptr<XkbDescRec, XkbDeleter> m_xkb;
    int m_group = 0; // effective group, 0 for the first
};

KeyboardMapping::KeyboardMapping(Display* display)
{
    XkbStateRec state;
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return;
    m_group = state.group;
    m_xkb.reset(XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd));
}

bool KeyboardMapping::hasKeycode(int keycode) const
{
    return m_xkb && keycode >= m_xkb->min_key_code && keycode <= m_xkb->max_key_code;
}

KeySym KeyboardMapping::keysymTyped(int keycode) const
{
    if (!hasKeycode(keycode))
        return NoSymbol;
    XkbDescPtr xkb = m_xkb.get();
    const int groups = XkbKeyNumGroups(xkb, keycode);
    if (groups == 0)
        return NoSymbol;
    // A group the key does not have is brought into range the way the server does it.
    int group = m_group;
    if (group >= groups) {
        const unsigned char groupInfo = XkbKeyGroupInfo(xkb, keycode);
        switch (XkbOutOfRangeGroupAction(groupInfo)) {
        case XkbRedirectIntoRange:
            group = XkbOutOfRangeGroupNumber(groupInfo);
            if (group >= groups)
                group = 0;
            break;
        case XkbClampIntoRange:
            group = groups - 1;
            break;
        default:
            group %= groups;
            break;
        }
    }
    // The level the key's type gives with no modifier down: the first, unless the type says
    // otherwise.
    const XkbKeyTypePtr type = XkbKeyKeyType(xkb, keycode, group);
    int level = 0;
    for (int i = 0; i < type->map_count; ++i) {
        if (type->map[i].active && type->map[i].mods.mask == 0)
            level = type->map[i].level;
    }
    if (level >= XkbKeyGroupWidth(xkb, keycode, group))
        return NoSymbol;
    return XkbKeySymEntry(xkb, keycode, level, group);
}

int KeyboardMapping::keycodeTyping(KeySym wanted) const
{
    if (!m_xkb || wanted == NoSymbol)
        return 0;
    for (int keycode = m_xkb->min_key_code; keycode <= m_xkb->max_key_code; ++keycode) {
        if (keysymTyped(keycode) == wanted)
            return keycode;
    }
    return 0;
}

bool KeyboardMapping::isSpare(int keycode) const
{
    if (!hasKeycode(keycode))
        return false;
    const KeySym* syms = XkbKeySymsPtr(m_xkb.get(), keycode);
    const int count = XkbKeyNumSyms(m_xkb.get(), keycode);
    for (int i = 0; i < count; ++i) {
        if (syms[i] != NoSymbol)
            return false;
    }
    return true;
}

bool KeyboardMapping::isBoundTo(int keycode, KeySym keysym) const
{
    return hasKeycode(keycode) && XkbKeyNumGroups(m_xkb.get(), keycode) == 1 &&
           XkbKeySymEntry(m_xkb.get(), keycode, 0, 0) == keysym;
}

XTestKeyEmitter::XTestKeyEmitter(std::shared_ptr<X11Connection> connection, int xkbEventType)
    : m_connection(std::move(connection)), m_xkbEventType(xkbEventType)
{
}

XTestKeyEmitter::~XTestKeyEmitter() = default;

std::optional<int> XTestKeyEmitter::serverSupport(Display* display)
{
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor))
        return std::nullopt;
    int xkbOpcode = 0, xkbEventBase = 0, xkbErrorBase = 0, xkbMajor = XkbMajorVersion, xkbMinor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &xkbOpcode, &xkbEventBase, &xkbErrorBase, &xkbMajor, &xkbMinor))
        return std::nullopt;
    return xkbEventBase;
}

std::unique_ptr<XTestKeyEmitter> XTestKeyEmitter::create(std::shared_ptr<X11Connection> connection)
{
    if (!connection)
        return nullptr;
    Display* display = connection->display();
    const std::optional<int> xkbEventBase = serverSupport(display);
    if (!xkbEventBase)
        return nullptr;
    {
        // Of the state changes only the group's: a modifier going down changes no key's keysym.
        // Should the selection fail, keys are still typed, in the layout of the first key.
        XErrorTrap trap(display);
        const unsigned long keymapEvents = XkbNewKeyboardNotifyMask | XkbMapNotifyMask;
        XkbSelectEvents(display, XkbUseCoreKbd, keymapEvents, keymapEvents);
        XkbSelectEventDetails(display, XkbUseCoreKbd, XkbStateNotify, XkbGroupStateMask, XkbGroupStateMask);
    }
    return std::unique_ptr<XTestKeyEmitter>(new XTestKeyEmitter(std::move(connection), *xkbEventBase));
}

bool XTestKeyEmitter::sendKey(uint8_t virtualKey, bool down)
{
    // A key goes up (or repeats) on the keycode it went down on, whatever changed since.
    uint8_t keycode = m_pressedOn[virtualKey];
    if (keycode == 0) {
        readChangeEvents();
        keycode = keycodeFor(virtualKey);
    }
    if (keycode == 0)
        return false;
    Display* display = m_connection->display();
    if (!XTestFakeKeyEvent(display, keycode, down ? True : False, CurrentTime))
        return false;
    XFlush(display);
    m_down[keycode] = down;
    m_pressedOn[virtualKey] = down ? keycode : 0;
    noteUse(keycode);
    return true;
}

void XTestKeyEmitter::readChangeEvents()
{
    Display* display = m_connection->display();
    // Takes what the socket holds without asking the server; nothing else is selected here.
    while (XEventsQueued(display, QueuedAfterReading) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MappingNotify || event.type == m_xkbEventType)
            m_mapping.reset();
    }
}

void XTestKeyEmitter::refreshMapping()
{
    Display* display = m_connection->display();
    {
        XErrorTrap trap(display);
        m_mapping = std::make_unique<KeyboardMapping>(display);
        if (trap.failed() || !m_mapping->isValid())
            m_mapping.reset();
    }
    m_keycodes.fill(0);
    if (!m_mapping)
        return;
    // A new keymap takes back the keycodes we had bound; those still in place stay ours (our
    // own bindings cause these refreshes too).
    std::erase_if(m_bindings, [this](const Binding& b) {
        return !m_mapping->isBoundTo(b.keycode, keysymForVirtualKey(b.virtualKey));
    });
}

void XTestKeyEmitter::noteUse(uint8_t keycode)
{
    for (Binding& b : m_bindings) {
        if (b.keycode == keycode)
            b.lastUse = ++m_useClock;
    }
}

int XTestKeyEmitter::freeKeycode()
{
    for (int keycode = m_mapping->minKeycode(); keycode <= m_mapping->maxKeycode(); ++keycode) {
        if (m_mapping->isSpare(keycode) && !m_down[keycode])
            return keycode;
    }
    // Keymaps have few empty keycodes (about 19 on a stock server) and the table has more keys
    // than that missing. Moving an old binding is safe once its release has been delivered.
    Binding* oldest = nullptr;
    for (Binding& b : m_bindings) {
        if (!m_down[b.keycode] && (!oldest || b.lastUse < oldest->lastUse))
            oldest = &b;
    }
    if (!oldest)
        return 0;
    const int keycode = oldest->keycode;
    m_keycodes[oldest->virtualKey] = 0;
    m_bindings.erase(m_bindings.begin() + (oldest - m_bindings.data()));
    return keycode;
}

uint8_t XTestKeyEmitter::keycodeFor(uint8_t virtualKey)
{
    if (!m_mapping)
        refreshMapping();
    if (!m_mapping)
        return 0;
    if (m_keycodes[virtualKey] != 0)
        return m_keycodes[virtualKey];

    const KeySym keysym = keysymForVirtualKey(virtualKey);
    if (keysym == NoSymbol)
        return 0;

    // Only a key that types the keysym pressed alone will do: one that gives it with Shift,
    // NumLock (KP_Decimal) or in another group would type something else.
    int keycode = m_mapping->keycodeTyping(keysym);
    if (keycode == 0) {
        keycode = freeKeycode();
        if (keycode == 0)
            return 0;
        Display* display = m_connection->display();
        KeySym binding = keysym;
        XErrorTrap trap(display);
        XChangeKeyboardMapping(display, keycode, 1, &binding, 1);
        // Read again at the next key, which clears the resolved codes; the change events the
        // binding causes lead to that same read, and the binding, found in place, stays.
        m_mapping.reset();
        if (trap.failed())
            return 0;
        m_bindings.push_back({virtualKey, static_cast<uint8_t>(keycode), ++m_useClock});
    }
    m_keycodes[virtualKey] = static_cast<uint8_t>(keycode);
    return m_keycodes[virtualKey];
}

} // namespace rukcon::platform::x11
