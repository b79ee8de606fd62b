#include "gamepad_input.h"

#include "game/play_rules.h"

#include <QGuiApplication>
#include <QStyleHints>

#include <SDL.h>

#include <algorithm>
#include <iostream>

namespace vorlin {

namespace {

// With a controller: often enough that a press reaches the game well within one tick. Without
// one, only a controller being plugged in is waited for: a second is soon enough for a player
// who has just plugged one in, and the game waking more often for it would cost a laptop's
// battery while nothing moves.
constexpr int kPollIntervalMs = 10;
constexpr int kIdlePollIntervalMs = 1000;

// The left stick walks once pushed past this much of its travel (SDL's full travel is 32767)
// and stops once back within the smaller value, so a stick resting near the edge of the dead
// zone does not chatter out a row of steps.
constexpr int kStickPressedBeyond = 13000;
constexpr int kStickReleasedWithin = 9000;

// X11's own delay before a held key repeats.
constexpr int kX11RepeatDelayMs = 660;
constexpr int kMillisecondsPerSecond = 1000;

// The arrow key of each direction, left first.
constexpr std::array<int, 2> kDirectionKeys = {rules::kKeyLeft, rules::kKeyRight};

} // namespace

KeyRepeat desktopKeyRepeat() {
    const int perSecond = QGuiApplication::styleHints()->keyboardAutoRepeatRate();
    if (perSecond <= 0) return {kX11RepeatDelayMs, 0};
    return {kX11RepeatDelayMs, std::max(1, kMillisecondsPerSecond / perSecond)};
}

GamepadInput::GamepadInput(Actions actions, KeyRepeat repeat)
    : actions_(std::move(actions)), repeat_(repeat) {
    // SDL must leave SIGINT and SIGTERM to the game, which puts the screen mode back first;
    // the window may have the focus through X11, which SDL does not see.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::cerr << "vorlin: i controller di gioco non sono disponibili (" << SDL_GetError()
                  << "); si gioca con la tastiera\n";
        return;
    }
    running_ = true;
    steadyClock_.start();
}

GamepadInput::~GamepadInput() {
    if (!running_) return;
    for (auto& [id, pad] : pads_)
        SDL_GameControllerClose(pad.handle);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void GamepadInput::pollFromEventLoop() {
    if (!running_) return;
    connect(&pollTimer_, &QTimer::timeout, this, [this] {
        poll(steadyClock_.elapsed());
        const int interval = pads_.empty() ? kIdlePollIntervalMs : kPollIntervalMs;
        if (pollTimer_.interval() != interval) pollTimer_.setInterval(interval);
    });
    pollTimer_.start(kPollIntervalMs);
}

void GamepadInput::poll(std::int64_t nowMs) {
    if (!running_) return;
    SDL_PumpEvents();
    // SDL's queue holds only controller and joystick events here: there is no SDL window.
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
        handleEvent(event, nowMs);
    repeatHeldDirections(nowMs);
}

void GamepadInput::handleEvent(const SDL_Event& event, std::int64_t nowMs) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        openController(event.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        closeController(event.cdevice.which, nowMs);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
        pressButton(event.cbutton.which, event.cbutton.button, nowMs);
        break;
    case SDL_CONTROLLERBUTTONUP:
        releaseButton(event.cbutton.which, event.cbutton.button, nowMs);
        break;
    case SDL_CONTROLLERAXISMOTION:
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
            moveStick(event.caxis.which, event.caxis.value, nowMs);
        break;
    default:
        break;
    }
}

void GamepadInput::openController(int deviceIndex) {
    SDL_GameController* handle = SDL_GameControllerOpen(deviceIndex);
    if (!handle) {
        std::cerr << "vorlin: un controller di gioco collegato non si apre (" << SDL_GetError()
                  << ")\n";
        return;
    }
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(handle));
    if (pads_.contains(id)) {
        // Already open: SDL counts each opening, so the extra one is given back.
        SDL_GameControllerClose(handle);
        return;
    }
    pads_[id].handle = handle;
}

void GamepadInput::closeController(std::int32_t instanceId, std::int64_t nowMs) {
    auto pad = pads_.find(instanceId);
    if (pad == pads_.end()) return;
    SDL_GameControllerClose(pad->second.handle);
    pads_.erase(pad);
    // SDL lets go of what an unplugged controller held before it says the controller is
    // gone; should it not, the walk held on it still stops here.
    for (int direction = 0; direction < DirectionCount; ++direction)
        updateDirection(static_cast<Direction>(direction), nowMs);
}

void GamepadInput::pressButton(std::int32_t instanceId, int button, std::int64_t nowMs) {
    auto pad = pads_.find(instanceId);
    if (pad == pads_.end()) return;
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        pad->second.dpad[Left] = true;
        updateDirection(Left, nowMs);
        break;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        pad->second.dpad[Right] = true;
        updateDirection(Right, nowMs);
        break;
    case SDL_CONTROLLER_BUTTON_START:
        actions_.pressKey(rules::kKeyP);
        break;
    case SDL_CONTROLLER_BUTTON_BACK:
    case SDL_CONTROLLER_BUTTON_B:
        actions_.pressKey(rules::kKeyEscape);
        break;
    case SDL_CONTROLLER_BUTTON_A:
        actions_.confirm();
        break;
    default:
        break;
    }
}

void GamepadInput::releaseButton(std::int32_t instanceId, int button, std::int64_t nowMs) {
    auto pad = pads_.find(instanceId);
    if (pad == pads_.end()) return;
    if (button == SDL_CONTROLLER_BUTTON_DPAD_LEFT) {
        pad->second.dpad[Left] = false;
        updateDirection(Left, nowMs);
    } else if (button == SDL_CONTROLLER_BUTTON_DPAD_RIGHT) {
        pad->second.dpad[Right] = false;
        updateDirection(Right, nowMs);
    }
}

void GamepadInput::moveStick(std::int32_t instanceId, int value, std::int64_t nowMs) {
    auto pad = pads_.find(instanceId);
    if (pad == pads_.end()) return;
    std::array<bool, DirectionCount>& stick = pad->second.stick;
    stick[Left] = -value > (stick[Left] ? kStickReleasedWithin : kStickPressedBeyond);
    stick[Right] = value > (stick[Right] ? kStickReleasedWithin : kStickPressedBeyond);
    updateDirection(Left, nowMs);
    updateDirection(Right, nowMs);
}

void GamepadInput::updateDirection(Direction direction, std::int64_t nowMs) {
    const bool held = std::any_of(pads_.begin(), pads_.end(), [direction](const auto& entry) {
        return entry.second.dpad[direction] || entry.second.stick[direction];
    });
    HeldKey& key = directions_[direction];
    if (held && !key.held) {
        key.held = true;
        key.nextRepeatMs = nowMs + repeat_.delayMs;
        actions_.pressKey(kDirectionKeys[direction]);
    } else if (!held) {
        key.held = false;
    }
}

void GamepadInput::repeatHeldDirections(std::int64_t nowMs) {
    if (repeat_.intervalMs <= 0) return;
    for (int direction = 0; direction < DirectionCount; ++direction) {
        HeldKey& key = directions_[direction];
        if (!key.held || key.nextRepeatMs > nowMs) continue;
        // A late poll presses once for all the repeats that fell due since the last one: a
        // walk request is a flag, so one press does what the missed ones would have done.
        const std::int64_t missed = (nowMs - key.nextRepeatMs) / repeat_.intervalMs;
        key.nextRepeatMs += (missed + 1) * repeat_.intervalMs;
        actions_.pressKey(kDirectionKeys[direction]);
    }
}

} // namespace vorlin
