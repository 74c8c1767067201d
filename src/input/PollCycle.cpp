#include "input/PollCycle.h"

#include "settings/Profile.h"

#include <array>

namespace rukcon::input {

namespace {

// Indicators of the stick directions: 0 ↑, 1 →, 2 ↓, 3 ←; buttons 1 … 10 are 4 … 13.
constexpr int kIndicatorUp = 0;
constexpr int kIndicatorRight = 1;
constexpr int kIndicatorDown = 2;
constexpr int kIndicatorLeft = 3;
constexpr int kFirstButtonIndicator = 4;

constexpr int16_t kSlotLeft = settings::kStickLeftSlot;
constexpr int16_t kSlotRight = settings::kStickRightSlot;
constexpr int16_t kSlotUp = settings::kStickUpSlot;
constexpr int16_t kSlotDown = settings::kStickDownSlot;
constexpr int kButtonSlots = settings::kFirstStickSlot; // buttons 11 and higher are ignored
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
    std::array<IndicatorState, kIndicatorCount> indicators;
    indicators.fill(controllerPresent ? IndicatorState::Idle : IndicatorState::NoController);

    m_controller.ReadControllerState();
    m_dispatch.target().BeginCycle();
    const int32_t dx = m_controller.directionX();
    const int32_t dy = m_controller.directionY();

    // A diagonal alternates its two directions within the repetitions.
    const int16_t repeats = static_cast<int16_t>(ArrowMultiplier);
    for (int16_t i = 0; i < repeats; ++i) {
        if (dx == -1) {
            indicators[kIndicatorLeft] = IndicatorState::Held;
            dispatchSlot(kSlotLeft);
        }
        if (dx == 1) {
            indicators[kIndicatorRight] = IndicatorState::Held;
            dispatchSlot(kSlotRight);
        }
        if (dy == -1) {
            indicators[kIndicatorUp] = IndicatorState::Held;
            dispatchSlot(kSlotUp);
        }
        if (dy == 1) {
            indicators[kIndicatorDown] = IndicatorState::Held;
            dispatchSlot(kSlotDown);
        }
    }

    const uint32_t buttons = m_controller.buttonBits();
    for (int16_t k = 0; k < kButtonSlots; ++k) {
        if (buttons & (1u << k)) {
            indicators[kFirstButtonIndicator + k] = IndicatorState::Held;
            dispatchSlot(k);
        }
    }

    m_dispatch.target().EndCycle();

    for (int i = 0; i < kIndicatorCount; ++i)
        m_view.showIndicator(i, indicators[i]);
    m_view.clearSink();
    m_inputHeld = dx != 0 || dy != 0 || (buttons & kButtonSlotBits) != 0;
    m_running = false;
    return m_inputHeld;
}

} // namespace rukcon::input
