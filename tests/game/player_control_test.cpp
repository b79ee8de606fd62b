#include "game_fixture.h"

#include <string>
#include <vector>

namespace vorlin::test {
namespace {

constexpr int kEscape = 27;
constexpr int kLeft = 37;
constexpr int kRight = 39;
constexpr int kP = 80;

using PlayerControl = GameFixture;

struct PauseCase {
    const char* name;
    bool startPanel;
    bool menuBar;
    bool timerRunning;
    bool expectTimerRunning;
    int expectPaused;
};

TEST_F(PlayerControl, PPausesAndResumesOnlyWithNoPanelShown) {
    const PauseCase cases[] = {
        {"start panel shown", true, false, false, false, 0},
        {"menu bar shown", false, true, false, false, 0},
        {"menu bar shown while running", false, true, true, true, 0},
        {"playing: pauses", false, false, true, false, 1},
        {"paused: resumes", false, false, false, true, 0},
    };
    for (const PauseCase& c : cases) {
        window.panels[Panel::Frame1] = c.startPanel;
        window.panels[Panel::Frame4] = c.menuBar;
        window.timers[GameTimer::TimerAnimazione] = c.timerRunning;
        s.PausaAttiva = 0;
        game.Form_KeyDown(kP);
        EXPECT_EQ(window.timerOn(GameTimer::TimerAnimazione), c.expectTimerRunning) << c.name;
        EXPECT_EQ(s.PausaAttiva, c.expectPaused) << c.name;
    }
}

TEST_F(PlayerControl, EveryKeyIsIgnoredDuringATransition) {
    s.TransizioneInCorso = 1;
    for (bool running : {true, false}) {
        window.timers[GameTimer::TimerAnimazione] = running;
        for (int key : {kP, kLeft, kRight, kEscape})
            game.Form_KeyDown(key);
    }
    EXPECT_EQ(s.RichiestaDestra, 0);
    EXPECT_EQ(s.RichiestaSinistra, 0);
    EXPECT_EQ(s.PausaAttiva, 0);
    EXPECT_TRUE(window.switches.empty());
    EXPECT_EQ(window.quits, 0);
    EXPECT_EQ(window.menuBarShown, 0);
    EXPECT_EQ(window.pauseSignLoads, 0);
}

// The tick that passes a scheme or spends the last energy stops play before the first darkening
// frame; a key pressed in between must neither quit (losing the result), open the button bar
// nor start play again under the darkness.
TEST_F(PlayerControl, KeysDoNothingOncePlayHasStoppedForATransition) {
    struct StopCase {
        const char* name;
        void (*stopPlay)(Game&, RecordingWindow&);
    };
    const StopCase stops[] = {
        {"scheme passed",
         [](Game& game, RecordingWindow&) {
             game.state.CarichePrese = game.state.CaricheObiettivo - 1;
             game.ModificaVariabiliScontroVorlinBanana_();
         }},
        {"game over",
         [](Game&, RecordingWindow& window) {
             // What the window does when the energy is spent.
             window.timers[GameTimer::TimerAnimazione] = false;
             window.timers[GameTimer::IntervalloSchemiApertura] = true;
         }},
    };
    for (const StopCase& stop : stops)
        for (int key : {kEscape, kP, kLeft, kRight}) {
            SCOPED_TRACE(std::string(stop.name) + ", key " + std::to_string(key));
            RecordingWindow gap;
            Game game(gap, sheets());
            game.setGameStartValues();
            gap.timers[GameTimer::TimerAnimazione] = true;
            stop.stopPlay(game, gap);
            ASSERT_FALSE(gap.timerOn(GameTimer::TimerAnimazione));
            ASSERT_TRUE(gap.timerOn(GameTimer::IntervalloSchemiApertura));
            const auto switchesBefore = gap.switches.size();

            game.Form_KeyDown(key);
            EXPECT_EQ(gap.quits, 0);
            EXPECT_EQ(gap.menuBarShown, 0);
            EXPECT_EQ(gap.pauseSignLoads, 0);
            EXPECT_EQ(game.state.PausaAttiva, 0);
            EXPECT_EQ(game.state.RichiestaDestra + game.state.RichiestaSinistra, 0);
            EXPECT_EQ(gap.switches.size(), switchesBefore);
        }
}

TEST_F(PlayerControl, EscStopsARunningGameThenQuits) {
    game.Form_KeyDown(kEscape);
    EXPECT_EQ(window.menuBarShown, 1);
    EXPECT_FALSE(window.timerOn(GameTimer::TimerAnimazione));
    EXPECT_EQ(window.quits, 0);
    game.Form_KeyDown(kEscape);
    EXPECT_EQ(window.quits, 1);
}

TEST_F(PlayerControl, EscQuitsAtOnceWhenTheGameStandsStill) {
    struct StillCase {
        const char* name;
        std::vector<int> keysBefore;
    };
    const StillCase cases[] = {
        {"before any game", {}},
        {"paused with P", {kP}},
    };
    for (const StillCase& c : cases) {
        RecordingWindow still;
        Game stopped(still, sheets());
        still.timers[GameTimer::TimerAnimazione] = !c.keysBefore.empty();
        for (int key : c.keysBefore)
            stopped.Form_KeyDown(key);
        stopped.Form_KeyDown(kEscape);
        EXPECT_EQ(still.quits, 1) << c.name;
        EXPECT_EQ(still.menuBarShown, 0) << c.name;
    }
}

TEST_F(PlayerControl, OtherKeysDoNothing) {
    for (int key : {0, 32, 38, 40, 65, 112, 0xFFFF})
        game.Form_KeyDown(key);
    EXPECT_EQ(s.RichiestaDestra + s.RichiestaSinistra, 0);
    EXPECT_TRUE(window.switches.empty());
    EXPECT_EQ(window.quits + window.menuBarShown + window.pauseSignLoads, 0);
}

TEST_F(PlayerControl, PauseSignIsReadAfreshAndDrawnAtItsPlace) {
    SpritePair sign{filled(4, 3, kBlack), filled(4, 3, 0xFF00FF00u)};
    sign.mask.row(0)[0] = kWhite; // a clear corner
    sign.colour.row(0)[0] = kBlack;
    window.pauseSign = sign;
    game.TimerAnimazione_Timer();
    const Picture before = game.frame();
    game.Form_KeyDown(kP);
    EXPECT_EQ(window.pauseSignLoads, 1);
    EXPECT_EQ(window.framesPresented, 2);
    const Picture& frame = game.frame();
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x) {
            const bool sign = x >= 282 && x < 286 && y >= 228 && y < 231 && !(x == 282 && y == 228);
            ASSERT_EQ(frame.at(x, y), sign ? 0xFF00FF00u : before.at(x, y)) << x << "," << y;
        }
    game.Form_KeyDown(kP);
    EXPECT_EQ(window.pauseSignLoads, 2);
    EXPECT_TRUE(window.timerOn(GameTimer::TimerAnimazione));
    // The next tick's clear takes the sign away.
    game.TimerAnimazione_Timer();
    EXPECT_NE(game.frame().at(285, 230), 0xFF00FF00u);
}

// Without its pictures the pause sign is left out, and the game pauses and resumes all the same.
TEST_F(PlayerControl, PausesWithoutTheSignWhenItCannotBeLoaded) {
    game.TimerAnimazione_Timer();
    const Picture before = game.frame();
    game.Form_KeyDown(kP);
    EXPECT_EQ(s.PausaAttiva, 1);
    EXPECT_FALSE(window.timerOn(GameTimer::TimerAnimazione));
    EXPECT_EQ(game.frame().pixels, before.pixels);
    EXPECT_EQ(window.quits, 0);
    game.Form_KeyDown(kP);
    EXPECT_EQ(s.PausaAttiva, 0);
    EXPECT_TRUE(window.timerOn(GameTimer::TimerAnimazione));
    EXPECT_EQ(window.framesPresented, 3);
}

} // namespace
} // namespace vorlin::test
