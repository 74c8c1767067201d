#include "platform/x11/KeyboardMapping.h"

namespace rukcon::platform::x11 {

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

} // namespace rukcon::platform::x11
