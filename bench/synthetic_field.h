#pragma once

#include "game/game_window.h"
#include "game/picture.h"
#include "game/sprite_sheets.h"

namespace vorlin::bench {

// Sheets of the real sizes with shapes like the game's: a round figure in every cell (solid
// inside, clear around it), solid slabs for the platforms, ground and wall, two thin ropes, a
// black darkness picture.
SpriteSheets makeSyntheticSheets();
// A 640 x 480 background with a colour gradient.
Picture makeSyntheticBackground();

// A window that does nothing: the animation timer runs and no panel is visible.
class SilentWindow : public GameWindow {
  public:
    void playSound(Sound) override {}
    void setStatusNumber(StatusLabel, int) override {}
    void switchTimer(GameTimer, bool) override {}
    bool timerOn(GameTimer) const override { return true; }
    bool panelVisible(Panel) const override { return false; }
    void showMenuBar() override {}
    void endGame() override {}
    void quitProgram() override {}
    const SpritePair* reloadPauseSign() override { return nullptr; }
    void presentFrame() override {}
};

} // namespace vorlin::bench
