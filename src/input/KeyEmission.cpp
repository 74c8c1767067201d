#include "input/KeyEmission.h"

#include <algorithm>

namespace rukcon::input {

void KeyEmission::press(uint8_t code)
{
    if (std::find(m_down.begin(), m_down.end(), code) == m_down.end())
        m_down.push_back(code);
    m_emitter.sendKey(code, true);
}

void KeyEmission::release(uint8_t code)
{
    std::erase(m_down, code);
    m_emitter.sendKey(code, false);
}

void KeyEmission::TapKey(uint8_t code)
{
    press(code);
    m_pump.processPendingOnce();
    release(code);
}

void KeyEmission::HoldKey(uint8_t code)
{
    press(code);
    m_pump.processPendingOnce();
}

void KeyEmission::ReleaseModifiers()
{
    // All three, every time, in this order, with no event processing in between.
    release(kVkShift);
    release(kVkControl);
    release(kVkAlt);
}

void KeyEmission::ReleaseAllKeys()
{
    const std::vector<uint8_t> down = m_down;
    for (auto it = down.rbegin(); it != down.rend(); ++it)
        if (*it != kVkShift && *it != kVkControl && *it != kVkAlt)
            release(*it);
    ReleaseModifiers();
}

} // namespace rukcon::input
