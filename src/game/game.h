#pragma once

#include "frame_canvas.h"
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

    // The window loads the sheets at start-up and then calls sheetsLoaded().
    Game(GameWindow& window, const SpriteSheets& sheets);

    // The sheets have been (re)loaded: their runs are read now, so that no tick converts a
    // picture.
    void sheetsLoaded();
    // How many sheets the frame has ready to draw from.
    std::size_t preparedSheets() const { return canvas_.preparedSheets(); }

    GameState state;
    RandomSource random;

    // The picture the window shows.
    const Picture& frame() { return canvas_.frame(); }
    // What was written into the frame since the last call: all a display refresh must look at.
    FrameWrites takeFrameWrites() { return canvas_.takeWrites(); }
    // The current scheme's background; the window loads it. The next clear shows all of it.
    const Picture& background() const { return canvas_.background(); }
    void setBackground(const Picture& picture) { canvas_.setBackground(picture); }

    // The values of a new game (the state part of the start button, in its order).
    void setGameStartValues();

    // One animation tick: all 29 steps, always to the end.
    void TimerAnimazione_Timer();
    // One tick of the start-up random timer: six draws.
    void TimerNumeriCasuali_Timer();
    // TICKS ticks of the random timer at once, the same as that many calls of its handler: the
    // draws of all but the last are skipped, the last tick sets the values.
    void runRandomTimerTicks(std::uint64_t ticks);

    // A key press as the window sees it (virtual-key code). Keys only leave requests.
    void Form_KeyDown(int keyCode);
    void VersoDestra_();
    void VersoSinistra_();
    void Pausa_();

    void ModificaVariabiliScontroVorlinQuarzi_();
    void ModificaVariabiliScontroVorlinBanana_();
    void FarComparireBanana_();

    // Clears the frame to the background.
    void clearFrame() { canvas_.clear(); }
    // One whole frame of the field without moving anything: every layer, the darkness square of
    // half-size AmpiezzaTransizione, the creature last.
    void RidisegnaTutti_();
    // The full darkness over the field with only the creature on it.
    void drawDarknessWithCreature();

  private:
    // The steps of the tick, in the order the tick runs them.
    void followCharacterWithView();
    void carryOutWalkRequests();
    void moveLifts();
    void moveAndDrawFlyingBananas();
    void moveAndDrawFlyingBanana(int& x, int& y, int column);
    void animateStanding();
    void keepCharacterInsideLimits();
    void boardOrLeaveLifts();
    void loseFallenObjects();
    void turnAndDrawObjects();
    void dropObjects();
    void catchObjects();
    void catchBanana();

    // Walking: the step or the turn, then the next walk frame.
    void advanceWalkFrame();
    // EnergiaAttuale from the counters, and its caption.
    void updateEnergy();

    // The layers of the field, each drawn where the tick and the redraw draw it.
    void drawInField(const SpritePair& sheet, int sx, int sy, int w, int h, int worldX, int y);
    void setLiftDrawOffset();
    // The layers behind the bananas, as the tick and the redraw both draw them: back ropes, the
    // right lift, platforms, ground, wall, the left lift.
    void drawScenery();
    void drawBackRopes();
    void drawRopes(const SpritePair& rope, int width, int height, int rise);
    void drawLift(int copyOffset);
    void drawPlatforms();
    void drawGround();
    void drawWall();
    void drawBanana(int worldX, int y, int column);
    void drawCharacter();
    void drawFrontRopes();
    void drawObject(int index);
    void drawDarknessSquare();

    GameWindow& window_;
    const SpriteSheets& sheets_;
    FrameCanvas canvas_{kFrameWidth, kFrameHeight};
};

} // namespace vorlin
