#pragma once

#include "input/MessagePump.h"
#include "platform/KeyEmitter.h"

#include <cstdint>

namespace rukcon::input {

inline constexpr uint8_t kVkShift = 16;
inline constexpr uint8_t kVkControl = 17;
inline constexpr uint8_t kVkAlt = 18;

// Synthetic key strokes: a tap (press, pending events once, release), a hold (press only,
// for Shift, Ctrl and Alt) and the release of all three modifiers after every input.
// Failures of single events are ignored: the next event is still sent.
class KeyEmission {
public:
    KeyEmission(platform::KeyEmitter& emitter, MessagePump& pump) : m_emitter(emitter), m_pump(pump) {}

    void TapKey(uint8_t code);
    void HoldKey(uint8_t code);
    void ReleaseModifiers();

private:
    platform::KeyEmitter& m_emitter;
    MessagePump& m_pump;
};

} // namespace rukcon::input
