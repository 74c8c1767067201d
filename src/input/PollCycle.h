#pragma once

#include "input/ControllerAccess.h"
#include "input/DispatchView.h"
#include "input/KeyDispatch.h"
#include "input/KeyEmission.h"

#include <cstdint>

namespace rukcon::input {

inline constexpr int kIndicatorCount = settings::kInputCount;

// One reading of the controller per tick: every held input is dispatched to its slot (stick
// directions ArrowMultiplier times), the modifiers are released after each input, and the
// indicator buttons show what was held.
class PollCycle {
public:
    PollCycle(ControllerAccess& controller, KeyDispatch& dispatch, KeyEmission& keys, DispatchView& view)
        : m_controller(controller), m_dispatch(dispatch), m_keys(keys), m_view(view)
    {
    }

    int32_t ArrowMultiplier = 0;

    // The timer tick: polls unless settings mode is on, the pause is set, or a cycle is still
    // running (the event pass inside key emission can deliver a tick in the middle of one).
    // True when a cycle ran.
    bool Tick(bool settingsMode, bool paused);

    // One cycle. True when any of the fourteen inputs was held, dispatched or not.
    bool Run();

    bool running() const { return m_running; }
    // What the last cycle that ran reported: while nothing is held, nothing needs polling.
    bool inputHeld() const { return m_inputHeld; }

private:
    void dispatchSlot(int16_t slot);

    ControllerAccess& m_controller;
    KeyDispatch& m_dispatch;
    KeyEmission& m_keys;
    DispatchView& m_view;
    bool m_running = false;
    bool m_inputHeld = false;
};

} // namespace rukcon::input
