// What each button and each stick movement of a game controller presses, with one controller
// or two, held or let go.

#include "desktop/gamepad_input.h"

#include "game/play_rules.h"
#include "virtual_pad.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vorlin::testing {
namespace {

constexpr int kConfirm = -1; // A, in the list of what was pressed
constexpr int kLeft = rules::kKeyLeft;
constexpr int kRight = rules::kKeyRight;
constexpr int kEscape = rules::kKeyEscape;
constexpr int kP = rules::kKeyP;
constexpr KeyRepeat kRepeat{660, 40};
constexpr int kPollMs = 10; // far below the repeat delay: no repeat unless a test waits for one

// One thing a controller can do: a button, or an axis moved to a value.
struct PadInput {
    bool isAxis;
    int id;
    int value; // the axis value when held; buttons are down
};

PadInput button(SDL_GameControllerButton which) {
    return {false, which, 1};
}
PadInput axis(SDL_GameControllerAxis which, int value) {
    return {true, which, value};
}

void apply(VirtualPad& pad, const PadInput& input, bool held) {
    if (input.isAxis)
        pad.axis(static_cast<SDL_GameControllerAxis>(input.id), held ? input.value : 0);
    else
        pad.button(static_cast<SDL_GameControllerButton>(input.id), held);
}

class GamepadKeys : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(input.running()); }

    // Lets some time pass and hands what the controllers did to the game's side.
    void pollAfter(int ms) {
        now += ms;
        input.poll(now);
    }

    std::vector<int> pressed;
    std::int64_t now = 0;
    GamepadInput input{{[this](int keyCode) { pressed.push_back(keyCode); },
                        [this] { pressed.push_back(kConfirm); }},
                       kRepeat};
};

struct KeyRow {
    const char* what;
    PadInput input;
    std::vector<int> keys; // pressed at once
    bool repeats;          // held, it presses again after the repeat delay
};

TEST_F(GamepadKeys, EachButtonAndStickPressesItsKeyAndOnlyDirectionsRepeat) {
    const KeyRow rows[] = {
        {"d-pad left", button(SDL_CONTROLLER_BUTTON_DPAD_LEFT), {kLeft}, true},
        {"d-pad right", button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT), {kRight}, true},
        {"Start", button(SDL_CONTROLLER_BUTTON_START), {kP}, false},
        {"Back", button(SDL_CONTROLLER_BUTTON_BACK), {kEscape}, false},
        {"B", button(SDL_CONTROLLER_BUTTON_B), {kEscape}, false},
        {"A", button(SDL_CONTROLLER_BUTTON_A), {kConfirm}, false},
        {"X", button(SDL_CONTROLLER_BUTTON_X), {}, false},
        {"Y", button(SDL_CONTROLLER_BUTTON_Y), {}, false},
        {"d-pad up", button(SDL_CONTROLLER_BUTTON_DPAD_UP), {}, false},
        {"d-pad down", button(SDL_CONTROLLER_BUTTON_DPAD_DOWN), {}, false},
        {"guide", button(SDL_CONTROLLER_BUTTON_GUIDE), {}, false},
        {"left shoulder", button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER), {}, false},
        {"left stick pushed left", axis(SDL_CONTROLLER_AXIS_LEFTX, -20000), {kLeft}, true},
        {"left stick hard left", axis(SDL_CONTROLLER_AXIS_LEFTX, -32768), {kLeft}, true},
        {"left stick hard right", axis(SDL_CONTROLLER_AXIS_LEFTX, 32767), {kRight}, true},
        {"left stick left in the dead zone", axis(SDL_CONTROLLER_AXIS_LEFTX, -8000), {}, false},
        {"left stick right in the dead zone", axis(SDL_CONTROLLER_AXIS_LEFTX, 8000), {}, false},
        {"left stick up", axis(SDL_CONTROLLER_AXIS_LEFTY, -32768), {}, false},
        {"right stick left", axis(SDL_CONTROLLER_AXIS_RIGHTX, -32768), {}, false},
        {"left trigger", axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767), {}, false},
    };
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(row.what);
        VirtualPad pad;
        pollAfter(kPollMs);
        ASSERT_EQ(input.controllerCount(), 1);
        pressed.clear();

        apply(pad, row.input, true);
        pollAfter(kPollMs);
        EXPECT_EQ(pressed, row.keys);
        pollAfter(kRepeat.delayMs + kRepeat.intervalMs);
        if (row.repeats)
            EXPECT_EQ(pressed, std::vector<int>(2, row.keys.front()));
        else
            EXPECT_EQ(pressed, row.keys);

        const std::vector<int> whileHeld = pressed;
        apply(pad, row.input, false);
        pollAfter(kPollMs);
        pollAfter(kRepeat.delayMs + kRepeat.intervalMs);
        EXPECT_EQ(pressed, whileHeld) << "let go, nothing more is pressed";

        pad.unplug();
        pollAfter(kPollMs);
        EXPECT_EQ(input.controllerCount(), 0);
    }
}

// One step of a sequence: what the first or the second controller does.
struct PadStep {
    int pad;
    PadInput input;
    bool held;
};

struct SequenceRow {
    const char* what;
    std::vector<PadStep> steps;
    std::vector<int> keys;
};

TEST_F(GamepadKeys, DirectionsArePressedOnceWhileAnythingHoldsThem) {
    const PadInput dpadRight = button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    const auto stick = [](int value) { return axis(SDL_CONTROLLER_AXIS_LEFTX, value); };
    const SequenceRow rows[] = {
        {"a stick wobbling near the edge of the dead zone stays held",
         {{0, stick(20000), true}, {0, stick(11000), true}, {0, stick(20000), true}},
         {kRight}},
        {"a stick back to the centre and out again presses again",
         {{0, stick(20000), true}, {0, stick(5000), true}, {0, stick(20000), true}},
         {kRight, kRight}},
        {"a stick swung from left to right",
         {{0, stick(-20000), true}, {0, stick(20000), true}},
         {kLeft, kRight}},
        {"a stick eased out from rest stops short of a press",
         {{0, stick(6000), true}, {0, stick(11000), true}, {0, stick(12500), true}},
         {}},
        {"d-pad and stick together, one let go",
         {{0, dpadRight, true}, {0, stick(20000), true}, {0, dpadRight, false}},
         {kRight}},
        {"two controllers hold right, one lets go",
         {{0, dpadRight, true}, {1, dpadRight, true}, {0, dpadRight, false}},
         {kRight}},
        {"two controllers press right one after the other",
         {{0, dpadRight, true}, {0, dpadRight, false}, {1, dpadRight, true}},
         {kRight, kRight}},
        {"left on one controller, right on the other",
         {{0, button(SDL_CONTROLLER_BUTTON_DPAD_LEFT), true}, {1, dpadRight, true}},
         {kLeft, kRight}},
    };
    for (const SequenceRow& row : rows) {
        SCOPED_TRACE(row.what);
        std::array<VirtualPad, 2> pads;
        pollAfter(kPollMs);
        ASSERT_EQ(input.controllerCount(), 2);
        pressed.clear();
        for (const PadStep& step : row.steps) {
            apply(pads[static_cast<std::size_t>(step.pad)], step.input, step.held);
            pollAfter(kPollMs);
        }
        EXPECT_EQ(pressed, row.keys);
        for (VirtualPad& pad : pads)
            pad.unplug();
        pollAfter(kPollMs);
    }
}

TEST_F(GamepadKeys, WithoutAControllerNothingIsPressed) {
    for (int poll = 0; poll < 300; ++poll)
        pollAfter(kPollMs);
    EXPECT_EQ(input.controllerCount(), 0);
    EXPECT_TRUE(pressed.empty());
}

// In the game the window's event loop reads the controllers by itself, a plugged-in one included.
TEST_F(GamepadKeys, TheEventLoopReadsTheControllersByItself) {
    const auto waitFor = [](const std::function<bool()>& done) {
        const QDeadlineTimer deadline(5000);
        while (!done() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return done();
    };
    input.pollFromEventLoop();
    VirtualPad pad;
    ASSERT_TRUE(waitFor([this] { return input.controllerCount() == 1; }));
    pad.button(SDL_CONTROLLER_BUTTON_START, true);
    ASSERT_TRUE(waitFor([this] { return !pressed.empty(); }));
    EXPECT_EQ(pressed, std::vector<int>{kP});
}

// Ctrl+C and the desktop's request to end must still reach the game, which puts the screen mode
// back before it ends; SDL would otherwise take them for itself.
TEST(GamepadSignals, TheTerminationSignalsStayWithTheGame) {
    for (int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        struct sigaction previous {};
        struct sigaction byDefault {};
        byDefault.sa_handler = SIG_DFL;
        sigaction(signal, &byDefault, &previous);
        {
            GamepadInput input({[](int) {}, [] {}}, kRepeat);
            ASSERT_TRUE(input.running());
            struct sigaction now {};
            sigaction(signal, nullptr, &now);
            EXPECT_EQ(now.sa_handler, SIG_DFL);
        }
        sigaction(signal, &previous, nullptr);
    }
}

} // namespace
} // namespace vorlin::testing
