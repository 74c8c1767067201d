#include "platform/sdl/SdlController.h"

#include <SDL.h>

#include <algorithm>
#include <string_view>

namespace rukcon::platform::sdl {

namespace {

constexpr uint32_t kAxisMax = 65535;
// SDL axes run -32768 … 32767; shifting by this gives 0 … 65535 with the rest position in the middle.
constexpr int32_t kAxisShift = 32768;
constexpr uint32_t kAxisCentre = 32768;
constexpr int kMaxButtonBits = 32;
constexpr std::string_view kEventDevicePrefix = "/dev/input/event";

// Position of one axis, or the centre when the device has no such axis: a missing axis then lies
// between the thresholds and never counts as pushed.
uint32_t axisPosition(SDL_Joystick* joystick, int axisCount, int axis)
{
    if (axis >= axisCount)
        return kAxisCentre;
    return static_cast<uint32_t>(SDL_JoystickGetAxis(joystick, axis) + kAxisShift);
}

} // namespace

SdlController::SdlController()
{
    SDL_SetMainReady();
    // The program shares the process with Qt: SDL must not take SIGINT/SIGTERM. It never has the
    // focus either, so the controller has to be read while other windows are in front.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    m_ready = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    // The state is polled, never taken from events, so nothing may pile up in SDL's event queue.
    if (m_ready)
        SDL_JoystickEventState(SDL_IGNORE);
}

SdlController::~SdlController()
{
    for (const auto& [instance, open] : m_open)
        SDL_JoystickClose(open.joystick);
    m_open.clear();
    if (m_ready)
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

unsigned SdlController::idCount()
{
    if (!m_ready)
        return 0;
    // The update is where SDL looks for devices plugged in or removed since the last call.
    SDL_JoystickUpdate();
    closeDetached();
    return static_cast<unsigned>(std::max(SDL_NumJoysticks(), 0));
}

bool SdlController::readPosition(unsigned id, ControllerPosition& out)
{
    const OpenJoystick* open = joystickAt(id);
    if (!open)
        return false;
    SDL_Joystick* joystick = open->joystick;
    SDL_JoystickUpdate();
    if (!SDL_JoystickGetAttached(joystick)) {
        closeDetached();
        return false;
    }

    out.x = axisPosition(joystick, open->axes, 0);
    out.y = axisPosition(joystick, open->axes, 1);
    out.z = 0;

    // Many pads report their cross as a hat, not as axes. The reading has a single X and Y, so a
    // pushed hat direction takes over that axis (a diagonal both); a centred hat leaves the stick
    // alone, and either the stick or the cross can steer.
    if (open->hats > 0) {
        const Uint8 hat = SDL_JoystickGetHat(joystick, 0);
        if (hat & SDL_HAT_LEFT)
            out.x = 0;
        if (hat & SDL_HAT_RIGHT)
            out.x = kAxisMax;
        if (hat & SDL_HAT_UP)
            out.y = 0;
        if (hat & SDL_HAT_DOWN)
            out.y = kAxisMax;
    }

    out.buttons = 0;
    const int buttons = std::min(open->buttons, kMaxButtonBits);
    for (int k = 0; k < buttons; ++k) {
        if (SDL_JoystickGetButton(joystick, k))
            out.buttons |= 1u << k;
    }
    return true;
}

bool SdlController::readCapabilities(unsigned id, ControllerCaps& out)
{
    const OpenJoystick* open = joystickAt(id);
    if (!open)
        return false;
    const int buttons = SDL_JoystickNumButtons(open->joystick);
    if (buttons < 0)
        return false;
    out.xMin = 0;
    out.xMax = kAxisMax;
    out.yMin = 0;
    out.yMax = kAxisMax;
    out.numButtons = static_cast<uint32_t>(buttons);
    return true;
}

std::string SdlController::eventDevicePath(unsigned id)
{
    if (!m_ready || id >= static_cast<unsigned>(std::max(SDL_NumJoysticks(), 0)))
        return {};
    // Null for a virtual joystick, which has no device file. Only an event device sends events
    // on changes alone; a raw HID node (SDL's HIDAPI drivers) streams reports all the time.
    const char* path = SDL_JoystickPathForIndex(static_cast<int>(id));
    if (!path || std::string_view(path).rfind(kEventDevicePrefix, 0) != 0)
        return {};
    return path;
}

const SdlController::OpenJoystick* SdlController::joystickAt(unsigned id)
{
    if (!m_ready || id >= static_cast<unsigned>(std::max(SDL_NumJoysticks(), 0)))
        return nullptr;
    const int index = static_cast<int>(id);
    const SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(index);
    if (instance < 0)
        return nullptr;

    // Instance ids are never reused, so a joystick found here is the device now at this index.
    // Opening it again would only raise SDL's reference count, which the single close would leave.
    if (const auto found = m_open.find(instance); found != m_open.end())
        return &found->second;

    SDL_Joystick* joystick = SDL_JoystickOpen(index);
    if (!joystick)
        return nullptr;
    const OpenJoystick open{joystick, SDL_JoystickNumAxes(joystick), SDL_JoystickNumHats(joystick),
                            SDL_JoystickNumButtons(joystick)};
    return &m_open.emplace(instance, open).first->second;
}

void SdlController::closeDetached()
{
    std::erase_if(m_open, [](const auto& entry) {
        if (SDL_JoystickGetAttached(entry.second.joystick))
            return false;
        SDL_JoystickClose(entry.second.joystick);
        return true;
    });
}

} // namespace rukcon::platform::sdl
