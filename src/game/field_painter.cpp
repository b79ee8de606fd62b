#include "field_layout.h"
#include "game.h"
#include "play_rules.h"

namespace vorlin {

namespace {

int liftDrawOffset(int scheme) {
    if (scheme < 1 || scheme >= static_cast<int>(layout::kLiftDrawOffset.size())) return 0;
    return layout::kLiftDrawOffset[scheme];
}

} // namespace

void Game::drawScenery() {
    drawBackRopes();
    setLiftDrawOffset();
    drawLift(layout::kRightLiftOffset);
    drawPlatforms();
    drawGround();
    drawWall();
    drawLift(0);
}

void Game::RidisegnaTutti_() {
    drawScenery();
    drawBanana(state.BananaX, state.BananaY, state.ColonnaBanana);
    drawBanana(state.BananaVolante1X, state.BananaVolante1Y, state.ColonnaBananaVolante1);
    drawBanana(state.BananaVolante2X, state.BananaVolante2Y, state.ColonnaBananaVolante2);
    drawFrontRopes();
    for (state.IndiceQuarzo = 1; state.IndiceQuarzo <= rules::kObjectCount; ++state.IndiceQuarzo)
        drawObject(state.IndiceQuarzo);
    drawDarknessSquare();
    drawCharacter();
}

void Game::drawDarknessWithCreature() {
    canvas_.drawSheet(sheets_.darkness, 0, 0, layout::kFieldWidth, layout::kFieldHeight, 0, 0);
    drawCharacter();
}

void Game::drawInField(const SpritePair& sheet, int sx, int sy, int w, int h, int worldX, int y) {
    canvas_.drawSheet(sheet, sx, sy, w, h, worldX - state.ScorrimentoX, y);
}

void Game::setLiftDrawOffset() {
    state.ScartoYElica = liftDrawOffset(state.NumeroSchema);
}

void Game::drawBackRopes() {
    drawRopes(sheets_.backRope, layout::kBackRopeWidth, layout::kBackRopeHeight,
              layout::kBackRopeRise);
}

void Game::drawRopes(const SpritePair& rope, int width, int height, int rise) {
    // Only the forest hangs its lifts on vines: one over each lift.
    GameState& s = state;
    if (s.NumeroSchema != layout::kSchemeWithRopes) return;
    for (s.SpostamentoCopia = 0; s.SpostamentoCopia <= layout::kRightLiftOffset;
         s.SpostamentoCopia += layout::kRightLiftOffset)
        drawInField(rope, 0, 0, width, height, s.ElicheX[1] + s.SpostamentoCopia,
                    s.ElicheY[1] - rise);
}

void Game::drawLift(int copyOffset) {
    const GameState& s = state;
    drawInField(sheets_.lift, (s.NumeroSchema - 1) * layout::kLiftWidth,
                (s.FotogrammaElica - 1) * layout::kLiftHeight, layout::kLiftWidth,
                layout::kLiftHeight, s.ElicheX[1] + copyOffset, s.ElicheY[1] + s.ScartoYElica);
}

void Game::drawPlatforms() {
    GameState& s = state;
    const int sourceY = (s.RigaPiano - 1) * layout::kPlatformHeight;
    for (s.PianoY = layout::kPlatformYs.front(); s.PianoY <= layout::kPlatformYs.back();
         s.PianoY += layout::kPlatformYs[1] - layout::kPlatformYs[0])
        drawInField(sheets_.platform, 0, sourceY, layout::kPlatformWidth, layout::kPlatformHeight,
                    layout::kPlatformX, s.PianoY);
}

void Game::drawGround() {
    drawInField(sheets_.ground, 0, (state.RigaPavimento - 1) * layout::kGroundHeight,
                layout::kGroundWidth, layout::kGroundHeight, state.PavimentoX, layout::kGroundY);
}

void Game::drawWall() {
    drawInField(sheets_.wall, 0, (state.RigaMuro - 1) * layout::kWallHeight, layout::kWallWidth,
                layout::kWallHeight, layout::kWallX, layout::kWallY);
}

void Game::drawBanana(int worldX, int y, int column) {
    drawInField(sheets_.banana, (column - 1) * layout::kBananaSize, 0, layout::kBananaSize,
                layout::kBananaSize, worldX, y);
}

void Game::drawCharacter() {
    const GameState& s = state;
    // Row 0, before the first walk of the first game, selects nothing on the sheet.
    drawInField(sheets_.character, (s.DirezioneVorlin - 1) * layout::kCharacterWidth,
                (s.RigaSpriteVorlin - 1) * layout::kCharacterHeight, layout::kCharacterWidth,
                layout::kCharacterHeight, s.PosizioneXVorlin, s.PosizioneYVorlin);
}

void Game::drawFrontRopes() {
    drawRopes(sheets_.frontRope, layout::kFrontRopeWidth, layout::kFrontRopeHeight,
              layout::kFrontRopeRise);
}

void Game::drawObject(int index) {
    const GameState& s = state;
    drawInField(sheets_.objects, (s.ColonnaQuarzo - 1) * layout::kObjectSize,
                (s.FotogrammiQuarzi[index] - 1) * layout::kObjectSize, layout::kObjectSize,
                layout::kObjectSize, s.QuarziX[index], s.QuarziY[index]);
}

void Game::drawDarknessSquare() {
    GameState& s = state;
    const int half = s.AmpiezzaTransizione;
    const int centreX = s.PosizioneXVorlin - s.ScorrimentoX + layout::kCharacterCentreX;
    const int centreY = s.PosizioneYVorlin + layout::kCharacterCentreY;
    s.BuioX = centreX - half;
    s.BuioY = centreY - half;
    s.BuioLarghezza = 2 * half;
    s.BuioAltezza = 2 * half;
    s.BuioSorgenteX = s.BuioX;
    s.BuioSorgenteY = s.BuioY;
    // Each clamp acts on its own: the square may stop growing on one side only.
    if (s.BuioX <= layout::kDarknessFarEdge) {
        s.BuioX = layout::kDarknessFarEdge;
        s.BuioSorgenteX = layout::kDarknessFarEdge;
    }
    if (s.BuioY <= layout::kDarknessFarEdge) {
        s.BuioY = layout::kDarknessFarEdge;
        s.BuioSorgenteY = layout::kDarknessFarEdge;
    }
    if (s.BuioLarghezza >= layout::kDarknessMaxWidth) s.BuioLarghezza = layout::kDarknessMaxWidth;
    if (s.BuioAltezza >= layout::kDarknessMaxHeight) s.BuioAltezza = layout::kDarknessMaxHeight;
    // The darkness picture is laid over the field in register with the window.
    canvas_.drawSheet(sheets_.darkness, s.BuioSorgenteX, s.BuioSorgenteY, s.BuioLarghezza,
                      s.BuioAltezza, s.BuioX, s.BuioY);
}

} // namespace vorlin
