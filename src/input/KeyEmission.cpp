#include "input/KeyEmission.h"

namespace rukcon::input {

void KeyEmission::TapKey(uint8_t code)
{
    m_emitter.sendKey(code, true);
    m_pump.processPendingOnce();
    m_emitter.sendKey(code, false);
}

void KeyEmission::HoldKey(uint8_t code)
{
    m_emitter.sendKey(code, true);
    m_pump.processPendingOnce();
}

void KeyEmission::ReleaseModifiers()
{
    // All three, every time, in this order, with no event processing in between.
    m_emitter.sendKey(kVkShift, false);
    m_emitter.sendKey(kVkControl, false);
    m_emitter.sendKey(kVkAlt, false);
}

} // namespace rukcon::input
