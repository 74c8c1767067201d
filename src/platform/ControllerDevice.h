#pragma once

#include <cstdint>
#include <string>

namespace rukcon::platform {

// One reading of a controller. Axes run 0 … 65535 with the centre in the middle; bit k of
// buttons is button k + 1. z is carried for completeness and never used.
struct ControllerPosition {
    uint32_t x = 0;
    uint32_t y = 0;
    uint32_t z = 0;
    uint32_t buttons = 0;
};

struct ControllerCaps {
    uint32_t xMin = 0;
    uint32_t xMax = 0;
    uint32_t yMin = 0;
    uint32_t yMax = 0;
    uint32_t numButtons = 0;
};

// Reads game controllers by id, 0 … idCount() - 1, the way the detection probes them.
class ControllerDevice {
public:
    virtual ~ControllerDevice() = default;

    // How many ids there are to probe. Controllers plugged in or removed since the last call
    // are taken into account here, so a detection that starts with this call sees them.
    virtual unsigned idCount() = 0;

    // False when the controller with this id does not answer.
    virtual bool readPosition(unsigned id, ControllerPosition& out) = 0;

    // False when the capabilities cannot be read.
    virtual bool readCapabilities(unsigned id, ControllerCaps& out) = 0;

    // The file that receives the events of the controller with this id (a Linux event device),
    // so the program can sleep until the controller sends one instead of polling it. Empty when
    // there is none to watch: a virtual controller, or a platform without such files.
    virtual std::string eventDevicePath(unsigned /*id*/) { return {}; }
};

} // namespace rukcon::platform
