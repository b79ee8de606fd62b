#pragma once

#include <SDL.h>

#include <gtest/gtest.h>

namespace vorlin::testing {

// A game controller that exists only inside SDL: plugged in when made, moved by the test and
// unplugged when the test says so or at the end. SDL's controller subsystem must be running.
class VirtualPad {
  public:
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Controller di prova";
        const int deviceIndex = SDL_JoystickAttachVirtualEx(&desc);
        EXPECT_GE(deviceIndex, 0) << SDL_GetError();
        joystick_ = SDL_JoystickOpen(deviceIndex);
        EXPECT_NE(joystick_, nullptr) << SDL_GetError();
    }
    ~VirtualPad() { unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    void button(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
    }
    void axis(SDL_GameControllerAxis axis, int value) {
        SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(value));
    }

    void unplug() {
        if (!joystick_) return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        for (int index = 0; index < SDL_NumJoysticks(); ++index)
            if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
    }

  private:
    SDL_Joystick* joystick_ = nullptr;
};

} // namespace vorlin::testing
