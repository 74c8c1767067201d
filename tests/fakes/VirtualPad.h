#pragma once

#include <SDL.h>

#include <gtest/gtest.h>

namespace rukcon::test {

// An SDL virtual joystick with a handle of its own for setting its state. It is detached when
// destroyed unless detach() ran earlier. Needs the joystick subsystem to be up.
class VirtualPad {
public:
    VirtualPad(int axes, int buttons, int hats)
    {
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, axes, buttons, hats);
        if (index < 0) {
            ADD_FAILURE() << "attaching a virtual joystick failed: " << SDL_GetError();
            return;
        }
        m_handle = SDL_JoystickOpen(index);
        if (!m_handle) {
            ADD_FAILURE() << "opening the virtual joystick failed: " << SDL_GetError();
            return;
        }
        m_instance = SDL_JoystickInstanceID(m_handle);
    }

    ~VirtualPad() { detach(); }

    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    SDL_JoystickID instance() const { return m_instance; }

    void setButton(int button, bool down)
    {
        EXPECT_EQ(SDL_JoystickSetVirtualButton(m_handle, button, down ? SDL_PRESSED : SDL_RELEASED), 0);
    }
    void setAxis(int axis, Sint16 value) { EXPECT_EQ(SDL_JoystickSetVirtualAxis(m_handle, axis, value), 0); }
    void setHat(Uint8 value) { EXPECT_EQ(SDL_JoystickSetVirtualHat(m_handle, 0, value), 0); }

    // Unplugs the pad and drops the test's own handle, as the user pulling the cable would.
    void detach()
    {
        if (!m_handle)
            return;
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == m_instance) {
                SDL_JoystickDetachVirtual(index);
                break;
            }
        }
        SDL_JoystickClose(m_handle);
        m_handle = nullptr;
    }

private:
    SDL_Joystick* m_handle = nullptr;
    SDL_JoystickID m_instance = -1;
};

} // namespace rukcon::test
