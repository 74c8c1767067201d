#include "input/PollCycle.h"

#include <array>

namespace rukcon::input {

namespace {

// Indicators of the stick directions: 0 ↑, 1 →, 2 ↓, 3 ←; buttons 1 … 10 are 4 … 13.
constexpr int kIndicatorUp = 0;
constexpr int kIndicatorRight = 1;
constexpr int kIndicatorDown = 2;
constexpr int kIndicatorLeft = 3;
constexpr int kFirstButtonIndicator = 4;

constexpr int16_t kSlotLeft = 10;
constexpr int16_t kSlotRight = 11;
constexpr int16_t kSlotUp = 12;
constexpr int16_t kSlotDown = 13;
constexpr int kButtonSlots = 10; // buttons 11 and higher are ignored
constexpr uint32_t kButtonSlotBits = (1u << kButtonSlots) - 1;

} // namespace

bool PollCycle::Tick(bool settingsMode, bool paused)
{
    if (settingsMode || paused || m_running)
        return false;
    Run();
    return true;
}

void PollCycle::dispatchSlot(int16_t slot)
{
    m_dispatch.CurrentSlot = slot;
    m_dispatch.DispatchFirstKey();
    m_dispatch.DispatchSecondKey();
    m_dispatch.DispatchThirdKey();
    m_keys.ReleaseModifiers();
}

bool PollCycle::Run()
{
    m_running = true;
    const bool controllerPresent = m_controller.controllerId() >= 0;
    const uint32_t idle = controllerPresent ? kIdleColour : kNoControllerColour;
    std::array<uint32_t, kIndicatorCount> colours;
    colours.fill(idle);

    m_controller.ReadControllerState();
    m_dispatch.target().BeginCycle();
    const int32_t dx = m_controller.directionX();
    const int32_t dy = m_controller.directionY();

    // A diagonal alternates its two directions within the repetitions.
    const int16_t repeats = static_cast<int16_t>(ArrowMultiplier);
    for (int16_t i = 0; i < repeats; ++i) {
        if (dx == -1) {
            colours[kIndicatorLeft] = kActiveColour;
            dispatchSlot(kSlotLeft);
        }
        if (dx == 1) {
            colours[kIndicatorRight] = kActiveColour;
            dispatchSlot(kSlotRight);
        }
        if (dy == -1) {
            colours[kIndicatorUp] = kActiveColour;
            dispatchSlot(kSlotUp);
        }
        if (dy == 1) {
            colours[kIndicatorDown] = kActiveColour;
            dispatchSlot(kSlotDown);
        }
    }

    const uint32_t buttons = m_controller.buttonBits();
    for (int16_t k = 0; k < kButtonSlots; ++k) {
        if (buttons & (1u << k)) {
            colours[kFirstButtonIndicator + k] = kActiveColour;
            dispatchSlot(k);
        }
    }

    m_dispatch.target().EndCycle();

    // Unchanged indicators are left alone, so an idle controller causes no repainting.
    for (int i = 0; i < kIndicatorCount; ++i) {
        if (m_view.indicatorColour(i) != colours[i])
            m_view.setIndicatorColour(i, colours[i]);
    }
    m_view.clearSink();
    m_inputHeld = dx != 0 || dy != 0 || (buttons & kButtonSlotBits) != 0;
    m_running = false;
    return m_inputHeld;
}

} // namespace rukcon::input
