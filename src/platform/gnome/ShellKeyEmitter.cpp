#include "platform/gnome/ShellKeyEmitter.h"

namespace rukcon::platform::gnome {

ShellKeyEmitter::~ShellKeyEmitter()
{
    for (const std::optional<Sent>& sent : m_down) {
        if (sent)
            m_extension->sendKey(sent->keysym, sent->code, false);
    }
}

bool ShellKeyEmitter::sendKey(uint8_t virtualKey, bool down)
{
    std::optional<Sent>& pressed = m_down[virtualKey];
    Sent sent;
    if (!down && pressed) {
        sent = *pressed; // the layout may have changed meanwhile
    } else {
        sent.keysym = keysymForVirtualKey(virtualKey);
        if (sent.keysym == kNoKeysym)
            return false;
        sent.code = m_missingKeyCode ? m_missingKeyCode(sent.keysym) : 0;
        if (sent.code)
            sent.keysym = kNoKeysym;
    }
    if (!m_extension->sendKey(sent.keysym, sent.code, down))
        return false;
    if (down)
        pressed = sent;
    else
        pressed.reset();
    return true;
}

} // namespace rukcon::platform::gnome
