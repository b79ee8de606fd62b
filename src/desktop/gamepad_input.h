#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <map>

struct _SDL_GameController;
union SDL_Event;

namespace vorlin {

// How a held key repeats: the first repeat after delayMs, then one every intervalMs.
// An interval of 0 or less means the key does not repeat.
struct KeyRepeat {
    int delayMs;
    int intervalMs;
};

// The repeat of a held key on this desktop: the rate Qt reports, and X11's default delay of
// 660 ms (this Qt reports no delay of its own).
KeyRepeat desktopKeyRepeat();

// Game controllers as a second keyboard. Every controller that SDL knows, plugged in before or
// after start-up, presses the game's keys: the d-pad and the left stick walk (held, they repeat
// like a held arrow key), Start pauses, Back and B are Esc, and A confirms.
class GamepadInput : public QObject {
    Q_OBJECT
  public:
    // Where the presses go: a virtual-key code of the keyboard, or A.
    struct Actions {
        std::function<void(int keyCode)> pressKey;
        std::function<void()> confirm;
    };

    // Starts SDL's game-controller subsystem (no SDL window, no SDL sound). When SDL cannot
    // start, says so once on standard error and stays idle: the keyboard still plays.
    GamepadInput(Actions actions, KeyRepeat repeat);
    ~GamepadInput() override;
    GamepadInput(const GamepadInput&) = delete;
    GamepadInput& operator=(const GamepadInput&) = delete;

    bool running() const { return running_; }
    int controllerCount() const { return static_cast<int>(pads_.size()); }

    // Polls from the window's event loop while SDL runs: every few milliseconds while a
    // controller is plugged in, once a second while none is.
    void pollFromEventLoop();
    // Takes what the controllers did since the last call, at nowMs on a steady clock, and
    // presses the keys it means, held-direction repeats included.
    void poll(std::int64_t nowMs);

  private:
    enum Direction { Left, Right, DirectionCount };

    // What one controller holds: each direction by its d-pad and by its left stick.
    struct Pad {
        _SDL_GameController* handle = nullptr;
        std::array<bool, DirectionCount> dpad{};
        std::array<bool, DirectionCount> stick{};
    };

    // A direction as one key: pressed when any controller starts holding it, repeated while
    // one holds it.
    struct HeldKey {
        bool held = false;
        std::int64_t nextRepeatMs = 0;
    };

    void handleEvent(const SDL_Event& event, std::int64_t nowMs);
    void openController(int deviceIndex);
    void closeController(std::int32_t instanceId, std::int64_t nowMs);
    void pressButton(std::int32_t instanceId, int button, std::int64_t nowMs);
    void releaseButton(std::int32_t instanceId, int button, std::int64_t nowMs);
    void moveStick(std::int32_t instanceId, int value, std::int64_t nowMs);
    // Presses or releases a direction's key after what holds it has changed.
    void updateDirection(Direction direction, std::int64_t nowMs);
    void repeatHeldDirections(std::int64_t nowMs);

    Actions actions_;
    KeyRepeat repeat_;
    bool running_ = false;
    std::map<std::int32_t, Pad> pads_; // by SDL's instance id
    std::array<HeldKey, DirectionCount> directions_{};
    QTimer pollTimer_;
    QElapsedTimer steadyClock_;
};

} // namespace vorlin
