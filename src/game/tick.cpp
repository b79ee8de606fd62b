#include "field_layout.h"
#include "game.h"
#include "play_rules.h"

#include <algorithm>
#include <cstdint>

namespace vorlin {

namespace {

bool onALevel(int feetLine) {
    return std::ranges::find(layout::kLevelFeetLines, feetLine) != layout::kLevelFeetLines.end();
}

std::int64_t squaredDistance(std::int64_t dx, std::int64_t dy) {
    return dx * dx + dy * dy;
}

} // namespace

void Game::TimerAnimazione_Timer() {
    followCharacterWithView();
    carryOutWalkRequests();
    clearFrame();
    moveLifts();

    // The field, back to front.
    drawScenery();
    ++state.FotogrammaElica;
    if (state.FotogrammaElica == rules::kLiftFrames + 1) state.FotogrammaElica = 1;
    drawBanana(state.BananaX, state.BananaY, state.ColonnaBanana);
    moveAndDrawFlyingBananas();
    drawCharacter();
    animateStanding();

    keepCharacterInsideLimits();
    boardOrLeaveLifts();
    drawFrontRopes();

    loseFallenObjects();
    turnAndDrawObjects();
    dropObjects();
    catchObjects();
    catchBanana();

    // A catch above may have stopped the timer for a transition; the tick still ends here.
    if (state.EnergiaAttuale <= 0) window_.endGame();
    window_.presentFrame();
}

void Game::followCharacterWithView() {
    const int x = state.PosizioneXVorlin;
    if (x >= layout::kScrollFrom && x <= layout::kScrollTo &&
        state.PosizioneYVorlin != layout::kGroundTop)
        state.ScorrimentoX = x - layout::kScrollFrom;
}

void Game::carryOutWalkRequests() {
    if (state.RichiestaDestra == 1) {
        state.RichiestaDestra = 0;
        VersoDestra_();
    }
    if (state.RichiestaSinistra == 1) {
        state.RichiestaSinistra = 0;
        VersoSinistra_();
    }
}

void Game::moveLifts() {
    GameState& s = state;
    switch (s.QuarziPresiElica) {
    case 0:
        s.DestinazioneElicaY = rules::kLiftRest;
        s.PassoElicaY = 0;
        break;
    case 1:
        s.DestinazioneElicaY = rules::kLiftAfterFirstCatch;
        s.PassoElicaY = -rules::kLiftStep;
        break;
    case 2:
        s.DestinazioneElicaY = rules::kLiftAfterSecondCatch;
        s.PassoElicaY = rules::kLiftStep;
        break;
    case 3:
        s.DestinazioneElicaY = rules::kLiftBelowField;
        s.PassoElicaY = rules::kLiftStep;
        break;
    default:
        break;
    }
    // The shuttle: turn back at the top and at the bottom.
    if (s.ElicheY[1] == rules::kLiftAboveField) {
        s.DestinazioneElicaY = rules::kLiftBelowField;
        s.PassoElicaY = rules::kLiftStep;
    }
    if (s.ElicheY[1] == rules::kLiftBelowField) {
        s.DestinazioneElicaY = rules::kLiftAboveField;
        s.PassoElicaY = -rules::kLiftStep;
    }
    if (s.ElicheY[1] != s.DestinazioneElicaY && s.VorlinSullaElica == 1)
        s.PosizioneYVorlin = static_cast<std::int16_t>(s.PosizioneYVorlin + s.PassoElicaY);
    if (s.ElicheY[1] != s.DestinazioneElicaY) s.ElicheY[1] += s.PassoElicaY;
}

void Game::moveAndDrawFlyingBananas() {
    moveAndDrawFlyingBanana(state.BananaVolante1X, state.BananaVolante1Y,
                            state.ColonnaBananaVolante1);
    moveAndDrawFlyingBanana(state.BananaVolante2X, state.BananaVolante2Y,
                            state.ColonnaBananaVolante2);
}

void Game::moveAndDrawFlyingBanana(int& x, int& y, int column) {
    // Up and to the left until it has left the top of the field; then it is parked.
    x -= rules::kFlyingBananaStep;
    y -= rules::kFlyingBananaStep;
    if (y <= rules::kFlyingBananaGoneAt) {
        x = rules::kParked;
        y = rules::kParked;
    }
    drawBanana(x, y, column);
}

void Game::animateStanding() {
    // Runs every tick; the row set here is drawn by the next tick unless a step sets a walk row.
    state.ContatoreSosta = state.ContatoreSosta % rules::kStandCycle + 1;
    if (state.ContatoreSosta == rules::kStandRowAt) state.RigaSpriteVorlin = rules::kStandRow;
    if (state.ContatoreSosta == rules::kStandRowLaterAt)
        state.RigaSpriteVorlin = rules::kStandRowLater;
}

void Game::keepCharacterInsideLimits() {
    GameState& s = state;
    int& x = s.PosizioneXVorlin;
    const int feet = s.PosizioneYVorlin + layout::kFeetOffset;
    const bool liftLevel = s.ElicheY[1] == feet;
    if (liftLevel && x < layout::kLeftLimitAtLift) x = layout::kLeftLimitAtLift;
    if (liftLevel && x > layout::kRightLimitAtLift) x = layout::kRightLimitAtLift;
    if (!liftLevel && x < layout::kLeftLimit) x = layout::kLeftLimit;
    if (!liftLevel && x > layout::kRightLimit) x = layout::kRightLimit;
    // The wall splits the ground in two.
    const bool onGround = feet == layout::kGroundY;
    if (onGround && s.DirezioneVorlin == rules::kFacingRight && x > layout::kWallStopLeft &&
        x < layout::kWallReachLeft)
        x = layout::kWallStopLeft;
    if (onGround && s.DirezioneVorlin == rules::kFacingLeft && x > layout::kWallReachRight &&
        x < layout::kWallStopRight)
        x = layout::kWallStopRight;
}

void Game::boardOrLeaveLifts() {
    GameState& s = state;
    int& x = s.PosizioneXVorlin;
    const int lift = s.ElicheY[1];
    const int feet = s.PosizioneYVorlin + layout::kFeetOffset;
    const bool liftLevel = lift == feet;
    const bool level = onALevel(feet);
    const bool leftHalf = x > layout::kLeftLiftExit && x < layout::kFieldMiddle;
    const bool rightHalf = x > layout::kFieldMiddle && x < layout::kRightLiftExit;
    const bool liftsRunning = s.QuarziPresiElica >= rules::kCatchesToBoard;

    if (liftLevel && leftHalf && s.DirezioneVorlin == rules::kFacingRight && level)
        s.VorlinSullaElica = 0;
    if (liftLevel && rightHalf && s.DirezioneVorlin == rules::kFacingLeft && level)
        s.VorlinSullaElica = 0;
    // A rider between levels cannot leave its lift.
    if (liftLevel && !level && x > layout::kLeftLiftExit && x < layout::kFieldMiddle)
        x = layout::kLeftLiftExit;
    if (liftLevel && !level && x > layout::kFieldMiddle && x < layout::kRightLiftExit)
        x = layout::kRightLiftExit;
    if (liftLevel && x < layout::kLeftLimit && s.DirezioneVorlin == rules::kFacingLeft &&
        liftsRunning)
        s.VorlinSullaElica = 1;
    if (liftLevel && x > layout::kRightLimit && s.DirezioneVorlin == rules::kFacingRight &&
        liftsRunning)
        s.VorlinSullaElica = 1;
    if (!liftLevel) s.VorlinSullaElica = 0;
    if (s.VorlinSullaElica == 1)
        s.PosizioneYVorlin = static_cast<std::int16_t>(lift - layout::kFeetOffset);
}

void Game::loseFallenObjects() {
    GameState& s = state;
    for (int i = 1; i <= rules::kObjectCount; ++i) {
        if (s.QuarziY[i] <= rules::kLostBelow) continue;
        s.QuarziY[i] = rules::kLostRestartY;
        s.QuarziX[i] = random.between(rules::kObjectMinX, rules::kObjectMaxX);
        window_.playSound(Sound::QuarzoPerso);
        ++s.QuarziPersiBanana;
        if (s.QuarziPersiBanana % rules::kLossesPerBanana == 0) FarComparireBanana_();
        ++s.OggettiPersi;
        window_.setStatusNumber(StatusLabel::nPersiTotale, s.OggettiPersi);
        updateEnergy();
    }
}

void Game::turnAndDrawObjects() {
    GameState& s = state;
    for (s.IndiceQuarzo = 1; s.IndiceQuarzo <= rules::kObjectCount; ++s.IndiceQuarzo) {
        int& frame = s.FotogrammiQuarzi[s.IndiceQuarzo];
        ++frame;
        if (frame == rules::kObjectFrames + 1) frame = 1;
        drawObject(s.IndiceQuarzo);
    }
}

void Game::dropObjects() {
    for (int i = 1; i <= rules::kObjectCount; ++i)
        state.QuarziY[i] += rules::kFallSpeed[i];
}

void Game::catchObjects() {
    GameState& s = state;
    for (int i = 1; i <= rules::kObjectCount; ++i) {
        const int dx = (s.QuarziX[i] + rules::kObjectCentre) - (s.PosizioneXVorlin + rules::kBodyX);
        const int dy =
            (s.PosizioneYVorlin + rules::kBodyY) - (s.QuarziY[i] + rules::kObjectCentreY);
        if (squaredDistance(dx, dy) > rules::kObjectCatchRadiusSquared) continue;
        s.QuarziY[i] = rules::kCaughtRestartY;
        s.QuarziX[i] = random.between(rules::kObjectMinX, rules::kObjectMaxX);
        ModificaVariabiliScontroVorlinQuarzi_();
    }
}

void Game::catchBanana() {
    const GameState& s = state;
    const int dx = s.BananaX - (s.PosizioneXVorlin + rules::kBananaReachX);
    const int dy = s.PosizioneYVorlin - (s.BananaY - rules::kBananaReachY);
    if (squaredDistance(dx, dy) <= rules::kBananaCatchRadiusSquared)
        ModificaVariabiliScontroVorlinBanana_();
}

} // namespace vorlin
