#pragma once

#include "platform/ControllerDevice.h"

#include <cstdint>
#include <string>

namespace rukcon::input {

// Margin used by the status tick: a direction counts only in the outer quarter of the range.
inline constexpr int32_t kStatusAxisMargin = 16384;

// Finds the first controller that answers and turns its raw readings into two directions
// (-1, 0, +1) and a button mask. All values start at 0, as they do at program start.
class ControllerAccess {
public:
    static constexpr int32_t kNoController = -1;
    static constexpr int32_t kCapsFailed = -2;

    explicit ControllerAccess(platform::ControllerDevice& device) : m_device(device) {}

    void DetectController(const int32_t& axisMargin);
    void ReadControllerState();

    int32_t controllerId() const { return m_controllerId; }
    int32_t buttonCount() const { return m_buttonCount; }
    int32_t lowX() const { return m_lowX; }
    int32_t highX() const { return m_highX; }
    int32_t lowY() const { return m_lowY; }
    int32_t highY() const { return m_highY; }
    int32_t directionX() const { return m_directionX; }
    int32_t directionY() const { return m_directionY; }
    uint32_t buttonBits() const { return m_buttonBits; }

private:
    void clearReading();

    platform::ControllerDevice& m_device;
    int32_t m_controllerId = 0;
    int32_t m_buttonCount = 0;
    int32_t m_lowX = 0;
    int32_t m_highX = 0;
    int32_t m_lowY = 0;
    int32_t m_highY = 0;
    int32_t m_directionX = 0;
    int32_t m_directionY = 0;
    uint32_t m_buttonBits = 0;
};

// The status line the status tick shows for the result of a detection (UTF-8).
std::string ControllerStatusText(int32_t controllerId, int32_t buttonCount);

} // namespace rukcon::input
