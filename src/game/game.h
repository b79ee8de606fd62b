#pragma once

#include "game_state.h"
#include "game_window.h"
#include "picture.h"
#include "random_source.h"
#include "sprite_sheets.h"

namespace vorlin {

// The rules of play: the fields of a game, the animation tick, the keys, the catches, the
// random timer and the frame painters. It draws into its own 640 x 480 frame and talks to its
// window only through GameWindow.
class Game {
public:
    static constexpr int kFrameWidth = 640;
    static constexpr int kFrameHeight = 480;

    Game(GameWindow& window, const SpriteSheets& sheets);

    GameState state;
    RandomSource random;
    Picture frame{kFrameWidth, kFrameHeight};
    // The current scheme's background; the window loads it.
    Picture background;

    // The values of a new game (the state part of the start button, in its order).
    void setGameStartValues();

    // One animation tick: all 29 steps, always to the end.
    void TimerAnimazione_Timer();
    // One tick of the start-up random timer: six draws.
    void TimerNumeriCasuali_Timer();

    // A key press as the window sees it (virtual-key code). Keys only leave requests.
    void Form_KeyDown(int keyCode);
    void VersoDestra_();
    void VersoSinistra_();
    void Pausa_();

    void ModificaVariabiliScontroVorlinQuarzi_();
    void ModificaVariabiliScontroVorlinBanana_();
    void FarComparireBanana_();

    // Clears the frame to the background.
    void clearFrame();
    // One whole frame of the field without moving anything: every layer, the darkness square of
    // half-size AmpiezzaTransizione, the creature last.
    void RidisegnaTutti_();
    // The full darkness over the field with only the creature on it.
    void drawDarknessWithCreature();

private:
    GameWindow& window_;
    const SpriteSheets& sheets_;
};

} // namespace vorlin
