#pragma once

#include "input/MessagePump.h"
#include "platform/KeyEmitter.h"
#include "platform/VirtualKeyMap.h"

#include <cstdint>
#include <vector>

namespace rukcon::input {

inline constexpr uint8_t kVkShift = platform::kVirtualShift;
inline constexpr uint8_t kVkControl = platform::kVirtualControl;
inline constexpr uint8_t kVkAlt = platform::kVirtualAlt;

// Synthetic key strokes: a tap (press, pending events once, release), a hold (press only,
// for Shift, Ctrl and Alt) and the release of all three modifiers after every input.
// Failures of single events are ignored: the next event is still sent.
//
// The events let in during a tap or a hold can open a dialog or end the program while the key
// is still down, so the keys pressed and not yet released are kept, for ReleaseAllKeys.
class KeyEmission {
public:
    KeyEmission(platform::KeyEmitter& emitter, MessagePump& pump) : m_emitter(emitter), m_pump(pump) {}

    void TapKey(uint8_t code);
    void HoldKey(uint8_t code);
    void ReleaseModifiers();

    // Releases every key this program pressed and has not released yet, then Shift, Ctrl and
    // Alt: before a dialog opens and before the program ends.
    void ReleaseAllKeys();

private:
    void press(uint8_t code);
    void release(uint8_t code);

    platform::KeyEmitter& m_emitter;
    MessagePump& m_pump;
    std::vector<uint8_t> m_down;
};

} // namespace rukcon::input
