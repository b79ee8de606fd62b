// A game controller in a real game window: it walks the creature at the pace of a held arrow
// key, comes and goes during play and transitions, and its A button presses Start or the
// focused button.

#include "form_fixture.h"

#include "screens/gamepad_actions.h"
#include "virtual_pad.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>
#include <functional>
#include <optional>

namespace vorlin::testing {
namespace {

constexpr KeyRepeat kRepeat{660, 40};

class GamepadPlay : public FormFixture {
  protected:
    void startGame(int speed = 80) {
        form->controls().scrollBar("HScroll1")->setValue(speed);
        form->controls().textBox("NomeGiocatore")->setText("Anna");
        ASSERT_TRUE(form->clickControl("PulsanteStart"));
    }

    // The controller source of the window now loaded, on the test's clock.
    void connectControllers(KeyRepeat repeat = kRepeat) {
        gamepad.emplace(windowActions(*form), repeat);
        ASSERT_TRUE(gamepad->running());
        poll();
    }
    void poll() { gamepad->poll(clock.now()); }
    void playWithPolls(int ms) {
        for (int t = 0; t < ms; ++t) {
            clock.advance(1);
            poll();
        }
    }

    // Plays totalMs; each millisecond first runs atMs(t), then lets the clock move on. Gives,
    // for every animation tick, whether a step to the right was asked for when it ran.
    std::vector<bool> rightRequestsPerTick(int totalMs, const std::function<void(int)>& atMs) {
        std::vector<bool> requests;
        const FormTimer& tick = form->timer("TimerAnimazione");
        for (int t = 0; t < totalMs; ++t) {
            atMs(t);
            const bool asked = state().RichiestaDestra == 1;
            const auto ticksBefore = tick.fireCount();
            clock.advance(1);
            if (tick.fireCount() != ticksBefore) requests.push_back(asked);
        }
        return requests;
    }

    // A key pressed on the keyboard, delivered as the desktop delivers it.
    void pressKey(Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QWidget* first = QApplication::focusWidget();
        QApplication::sendEvent(first ? first : form.get(), &event);
    }

    bool animationOn() const { return form->timer("TimerAnimazione").enabled(); }

    std::optional<GamepadInput> gamepad;
};

struct HoldRow {
    const char* what;
    int speed;
    KeyRepeat repeat;
    int holdMs;
    bool byStick; // else the d-pad
};

TEST_F(GamepadPlay, AHeldDirectionWalksAtThePaceOfAHeldArrowKey) {
    const HoldRow rows[] = {
        {"a flick of the d-pad", 80, kRepeat, 30, false},
        {"the d-pad held at the default speed", 80, {660, 33}, 1500, false},
        {"the stick held while a tick is faster than the repeat", 20, kRepeat, 1500, true},
        {"the stick held with a short delay and a slow repeat", 5, {250, 100}, 1200, true},
    };
    for (const HoldRow& row : rows) {
        SCOPED_TRACE(row.what);
        const int totalMs = row.holdMs + 500;

        load();
        startGame(row.speed);
        const auto keyDueAt = [&row](int t) {
            if (t >= row.holdMs) return false;
            if (t == 0) return true;
            return t >= row.repeat.delayMs && (t - row.repeat.delayMs) % row.repeat.intervalMs == 0;
        };
        const std::vector<bool> byKeyboard = rightRequestsPerTick(totalMs, [&](int t) {
            if (keyDueAt(t)) pressKey(Qt::Key_Right);
        });
        ASSERT_NE(std::count(byKeyboard.begin(), byKeyboard.end(), true), 0);

        load();
        startGame(row.speed);
        connectControllers(row.repeat);
        VirtualPad pad;
        poll();
        const auto hold = [&](bool held) {
            if (row.byStick)
                pad.axis(SDL_CONTROLLER_AXIS_LEFTX, held ? 32767 : 0);
            else
                pad.button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, held);
        };
        const std::vector<bool> byController = rightRequestsPerTick(totalMs, [&](int t) {
            if (t == 0) hold(true);
            if (t == row.holdMs) hold(false);
            poll();
        });
        EXPECT_EQ(byController, byKeyboard);
        pad.unplug();
        poll();
        gamepad.reset();
    }
}

TEST_F(GamepadPlay, UnpluggingAControllerThatHoldsADirectionStopsTheWalk) {
    load();
    startGame();
    connectControllers();
    auto pad = std::make_unique<VirtualPad>();
    poll();
    const int startX = state().PosizioneXVorlin;
    pad->button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    playWithPolls(1000);
    EXPECT_GT(state().PosizioneXVorlin, startX);

    pad.reset(); // pulled out while held
    playWithPolls(100);
    EXPECT_EQ(gamepad->controllerCount(), 0);
    const int stoppedX = state().PosizioneXVorlin;
    playWithPolls(1000);
    EXPECT_EQ(state().PosizioneXVorlin, stoppedX);

    VirtualPad again;
    poll();
    again.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    poll();
    EXPECT_EQ(state().RichiestaSinistra, 1);
}

TEST_F(GamepadPlay, ControllersComeAndGoDuringATransitionWhoseKeysDoNothing) {
    load();
    startGame();
    clock.advance(80);
    connectControllers();
    auto first = std::make_unique<VirtualPad>();
    poll();

    passTheSchemeOnTheNextTick();
    GameState& s = state();
    clock.fireNext(); // the tick that catches it
    clock.fireNext(); // the first darkness frame
    ASSERT_EQ(s.TransizioneInCorso, 1);

    for (SDL_GameControllerButton button :
         {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_B}) {
        first->button(button, true);
        poll();
        first->button(button, false);
        poll();
    }
    EXPECT_EQ(s.RichiestaDestra, 0);
    EXPECT_EQ(s.PausaAttiva, 0);
    EXPECT_FALSE(visible("Frame4"));
    EXPECT_FALSE(form->programEnded());

    first.reset();
    poll();
    VirtualPad second;
    poll();
    EXPECT_EQ(gamepad->controllerCount(), 1);
    for (int guard = 0; guard < 2000 && s.TransizioneInCorso == 1; ++guard) {
        clock.fireNext();
        poll();
    }
    ASSERT_EQ(s.TransizioneInCorso, 0);
    ASSERT_TRUE(animationOn());

    second.button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    poll();
    EXPECT_EQ(s.RichiestaDestra, 1);
    second.button(SDL_CONTROLLER_BUTTON_START, true);
    poll();
    EXPECT_EQ(s.PausaAttiva, 1);
}

struct ConfirmRow {
    const char* what;
    std::function<void()> enter;
    const char* focus; // the button given the keyboard focus first, if any
    std::function<void()> check;
};

TEST_F(GamepadPlay, APressesStartOnTheStartPanelAndElsewhereTheFocusedButton) {
    const auto stopByTheMenu = [this] {
        startGame();
        form->clickControl("Command2menu");
    };
    const ConfirmRow rows[] = {
        {"the start panel without a name", [] {}, nullptr,
         [this] {
             EXPECT_TRUE(visible("Frame1"));
             EXPECT_FALSE(animationOn());
         }},
        {"the start panel with a name, a difficulty focused",
         [this] { form->controls().textBox("NomeGiocatore")->setText("Anna"); }, "Option1",
         [this] {
             EXPECT_FALSE(visible("Frame1"));
             EXPECT_TRUE(animationOn());
             EXPECT_EQ(caption("Label4"), "BASSA");
         }},
        {"the menu bar of a stopped game, resume focused", stopByTheMenu, "Command1",
         [this] {
             EXPECT_FALSE(visible("Frame4"));
             EXPECT_TRUE(animationOn());
         }},
        {"the menu bar of a stopped game, the records focused", stopByTheMenu, "Command5",
         [this] {
             EXPECT_TRUE(visible("Frame2"));
             EXPECT_FALSE(animationOn());
         }},
    };
    for (const ConfirmRow& row : rows) {
        SCOPED_TRACE(row.what);
        load();
        row.enter();
        if (row.focus) {
            QWidget* button = form->controls().widget(row.focus);
            button->setFocus();
            ASSERT_EQ(form->focusWidget(), button);
        }
        connectControllers();
        VirtualPad pad;
        poll();
        pad.button(SDL_CONTROLLER_BUTTON_A, true);
        poll();
        row.check();
        pad.unplug();
        poll();
        gamepad.reset();
    }
}

TEST_F(GamepadPlay, AfterTheProgramHasEndedTheControllerPressesNothing) {
    load();
    startGame();
    connectControllers();
    VirtualPad pad;
    poll();
    for (SDL_GameControllerButton button : {SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_BACK}) {
        pad.button(button, true);
        poll();
    }
    ASSERT_TRUE(form->programEnded());
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    pad.button(SDL_CONTROLLER_BUTTON_START, true);
    poll();
    EXPECT_EQ(state().RichiestaDestra, 0);
    EXPECT_EQ(state().PausaAttiva, 0);
    for (const auto& timer : form->timers())
        EXPECT_FALSE(timer->enabled()) << timer->name();
}

} // namespace
} // namespace vorlin::testing
