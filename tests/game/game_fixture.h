#pragma once

#include "recording_window.h"
#include "test_sheets.h"

#include "game/game.h"

#include <gtest/gtest.h>

namespace vorlin::test {

// A game just started on the easiest difficulty, with the animation timer running.
class GameFixture : public ::testing::Test {
  protected:
    static const SpriteSheets& sheets() {
        static const SpriteSheets made = makeTestSheets();
        return made;
    }

    GameFixture() {
        game.setBackground(makeTestBackground());
        game.state.EnergiaIniziale = 70;
        game.setGameStartValues();
        window.timers[GameTimer::TimerAnimazione] = true;
    }

    // Puts every falling object far above the field, where nothing can happen to it for a
    // few thousand ticks.
    void parkObjects() {
        for (int i = 1; i <= 8; ++i) {
            game.state.QuarziX[i] = 0;
            game.state.QuarziY[i] = -100000;
        }
    }

    void ticks(int count) {
        for (int i = 0; i < count; ++i)
            game.TimerAnimazione_Timer();
    }

    RecordingWindow window;
    Game game{window, sheets()};
    GameState& s = game.state;
};

} // namespace vorlin::test
