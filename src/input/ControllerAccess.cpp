#include "input/ControllerAccess.h"

namespace rukcon::input {

namespace {

// Strict tests on both sides: a position equal to a threshold is neutral, and when the
// thresholds cross (a range narrower than twice the margin) both tests hold and cancel out.
int32_t direction(int32_t pos, int32_t low, int32_t high)
{
    return (pos > high ? 1 : 0) - (pos < low ? 1 : 0);
}

} // namespace

void ControllerAccess::DetectController(const int32_t& axisMargin)
{
    m_controllerId = kNoController;
    const unsigned count = m_device.idCount();
    if (count == 0)
        return;

    for (unsigned id = 0; id < count; ++id) {
        platform::ControllerPosition pos;
        if (m_device.readPosition(id, pos)) {
            m_controllerId = static_cast<int32_t>(id);
            break;
        }
    }
    if (m_controllerId < 0)
        return;

    platform::ControllerCaps caps;
    if (!m_device.readCapabilities(static_cast<unsigned>(m_controllerId), caps)) {
        // The thresholds and the button count keep their previous values.
        m_controllerId = kCapsFailed;
        return;
    }
    // Signed 32-bit sums, as the thresholds may legitimately cross for narrow ranges.
    m_lowX = static_cast<int32_t>(caps.xMin) + axisMargin;
    m_highX = static_cast<int32_t>(caps.xMax) - axisMargin;
    m_lowY = static_cast<int32_t>(caps.yMin) + axisMargin;
    m_highY = static_cast<int32_t>(caps.yMax) - axisMargin;
    m_buttonCount = static_cast<int32_t>(caps.numButtons);
}

void ControllerAccess::ReadControllerState()
{
    if (m_controllerId < 0) {
        clearReading();
        return;
    }
    platform::ControllerPosition pos;
    if (!m_device.readPosition(static_cast<unsigned>(m_controllerId), pos)) {
        clearReading();
        return;
    }
    m_directionX = direction(static_cast<int32_t>(pos.x), m_lowX, m_highX);
    m_directionY = direction(static_cast<int32_t>(pos.y), m_lowY, m_highY);
    m_buttonBits = pos.buttons;
}

void ControllerAccess::clearReading()
{
    m_directionX = 0;
    m_directionY = 0;
    m_buttonBits = 0;
}

std::string ControllerStatusText(int32_t controllerId, int32_t buttonCount)
{
    if (controllerId == ControllerAccess::kCapsFailed)
        return "ゲームコントローラの初期化に失敗しました。";
    if (controllerId == ControllerAccess::kNoController)
        return "コントローラをパソコンにつないでください。";
    return "コントローラ ID : " + std::to_string(controllerId + 1) + "\u3000ボタン数 : " + std::to_string(buttonCount);
}

} // namespace rukcon::input
