#include "game/shown_frame.h"
#include "game_fixture.h"

#include <random>

namespace vorlin::test {
namespace {

constexpr std::array<int, 9> kFall = {0, 2, 4, 8, 12, 2, 4, 8, 12};

using FieldRedraw = GameFixture;

void setScheme(GameState& s, int scheme) {
    s.NumeroSchema = s.ColonnaBanana = s.ColonnaQuarzo = scheme;
    s.RigaPiano = s.RigaPavimento = s.RigaMuro = scheme;
}

bool frameHolds(const Picture& frame, std::uint32_t colour) {
    return std::find(frame.pixels.begin(), frame.pixels.end(), colour) != frame.pixels.end();
}

struct PlayFrameCase {
    const char* name;
    int scheme;
    int x, y, view;
    bool characterUnderRope;
};

// Without darkness the redraw paints what the tick painted; only the character's layer moves
// to the top, which shows where a rope or an object lies over the character.
TEST_F(FieldRedraw, HalfSizeZeroPaintsThePlayFrame) {
    const PlayFrameCase cases[] = {
        {"scheme 1 on the ground, view scrolled", 1, 300, 329, 100, false},
        {"scheme 2 under the rope", 2, 200, 29, 0, true},
    };
    for (const PlayFrameCase& c : cases) {
        setScheme(s, c.scheme);
        s.PosizioneXVorlin = c.x;
        s.PosizioneYVorlin = static_cast<std::int16_t>(c.y);
        s.ScorrimentoX = c.view;
        s.ContatoreSosta = 10; // no standing row changes in this tick
        s.RigaSpriteVorlin = 9;
        s.BananaX = 650;
        s.BananaY = 250;
        s.BananaVolante1X = 500;
        s.BananaVolante1Y = 160;
        for (int i = 1; i <= 8; ++i) {
            s.QuarziX[i] = 400 + 40 * i;
            s.QuarziY[i] = 20 + 40 * i;
        }
        const int liftFrame = s.FotogrammaElica;
        game.TimerAnimazione_Timer();
        const Picture played = game.frame();

        // The state as the tick drew it: the lift's frame and the objects before their fall.
        s.FotogrammaElica = liftFrame;
        for (int i = 1; i <= 8; ++i)
            s.QuarziY[i] -= kFall[i];
        s.AmpiezzaTransizione = 0;
        game.clearFrame();
        game.RidisegnaTutti_();
        const Picture& redrawn = game.frame();

        const int left = c.x - c.view, top = c.y;
        int differences = 0;
        for (int y = 0; y < redrawn.height; ++y)
            for (int x = 0; x < redrawn.width; ++x) {
                if (redrawn.at(x, y) == played.at(x, y)) continue;
                ++differences;
                ASSERT_TRUE(x >= left && x < left + 96 && y >= top && y < top + 78)
                    << c.name << ": differs at " << x << "," << y;
            }
        EXPECT_EQ(differences > 0, c.characterUnderRope) << c.name;
        EXPECT_TRUE(frameHolds(redrawn, cellColour(kCharacterSheet, 1, 9))) << c.name;
    }
}

struct DarknessCase {
    const char* name;
    int x, view, half;
    int buioX, buioY, width, height;
};

TEST_F(FieldRedraw, DarknessSquareIsCentredOnTheCharacterAndClamped) {
    // The character on the ground: its centre y is 329 + 36 = 365.
    const DarknessCase cases[] = {
        {"no darkness", 300, 0, 0, 348, 365, 0, 0},
        {"small square", 300, 100, 10, 238, 355, 20, 20},
        {"clamped on the left only", 100, 100, 300, -200, 65, 600, 600},
        {"clamped on every side", 300, 0, 570, -200, -200, 840, 660},
        {"width held before the left edge", 500, 0, 450, 98, -85, 840, 660},
    };
    for (const DarknessCase& c : cases) {
        s.PosizioneXVorlin = c.x;
        s.ScorrimentoX = c.view;
        s.AmpiezzaTransizione = c.half;
        game.clearFrame();
        game.RidisegnaTutti_();
        EXPECT_EQ(s.BuioX, c.buioX) << c.name;
        EXPECT_EQ(s.BuioY, c.buioY) << c.name;
        EXPECT_EQ(s.BuioLarghezza, c.width) << c.name;
        EXPECT_EQ(s.BuioAltezza, c.height) << c.name;
        EXPECT_EQ(s.BuioSorgenteX, c.buioX) << c.name;
        EXPECT_EQ(s.BuioSorgenteY, c.buioY) << c.name;
        // The darkness covers exactly its square within the field.
        const Picture& frame = game.frame();
        const int characterLeft = c.x - c.view;
        for (int y = 0; y < 460; y += 5)
            for (int x = 0; x < 640; x += 3) {
                if (x >= characterLeft && x < characterLeft + 96 && y >= 329 && y < 407) continue;
                const bool inside =
                    x >= c.buioX && x < c.buioX + c.width && y >= c.buioY && y < c.buioY + c.height;
                ASSERT_EQ(frame.at(x, y) == kDarkness, inside) << c.name << " at " << x << "," << y;
            }
    }
}

TEST_F(FieldRedraw, RopesOnlyInSchemeTwo) {
    // The front rope of the test sheets hides the back rope; here it keeps only its left half.
    SpriteSheets halfRope = sheets();
    for (int y = 0; y < halfRope.frontRope.mask.height; ++y)
        for (int x = 59; x < halfRope.frontRope.mask.width; ++x) {
            halfRope.frontRope.mask.row(y)[x] = kWhite;
            halfRope.frontRope.colour.row(y)[x] = kBlack;
        }
    RecordingWindow quiet;
    Game roped(quiet, halfRope);
    roped.setBackground(makeTestBackground());
    roped.setGameStartValues();
    for (int scheme = 1; scheme <= 6; ++scheme) {
        setScheme(roped.state, scheme);
        roped.clearFrame();
        roped.RidisegnaTutti_();
        const Picture& frame = roped.frame();
        const bool ropes = scheme == 2;
        EXPECT_EQ(frameHolds(frame, cellColour(kBackRopeSheet, 1, 1)), ropes) << scheme;
        EXPECT_EQ(frameHolds(frame, cellColour(kFrontRopeSheet, 1, 1)), ropes) << scheme;
        EXPECT_TRUE(frameHolds(frame, cellColour(kLiftSheet, scheme, 1))) << scheme;
    }
}

TEST_F(FieldRedraw, FullDarknessShowsOnlyTheCharacter) {
    s.RigaSpriteVorlin = 10;
    game.clearFrame();
    game.drawDarknessWithCreature();
    const Picture& frame = game.frame();
    const Picture background = makeTestBackground();
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            const bool inCharacter = x > 300 && x < 395 && y > 329 && y < 406;
            const std::uint32_t expected = y >= 460      ? background.at(x, y)
                                           : inCharacter ? cellColour(kCharacterSheet, 1, 10)
                                                         : kDarkness;
            ASSERT_EQ(frame.at(x, y), expected) << x << "," << y;
        }
}

// The frame keeps the background where nothing was drawn, so a clear restores only what the
// previous frame drew. Over a long game with pauses, scheme changes and transitions, every
// frame must equal the one drawn after a full copy of the background.
// Also: the areas the canvas reports written are all that a display refresh must compare, so
// the frame it shows after every few ticks is the frame.
TEST_F(FieldRedraw, RestoringOnlyWhatWasDrawnMatchesAFullClearAndReportsWhatItWrote) {
    ShownFrame shown;
    RecordingWindow referenceWindow;
    Game reference(referenceWindow, sheets());
    const Picture backgrounds[] = {makeTestBackground(), filled(640, 480, 0xFF336699u)};
    int backgroundShown = 0;
    SpritePair sign{filled(60, 30, kBlack), filled(60, 30, 0xFFFFEE00u)};
    window.pauseSign = sign;
    s.EnergiaBase = 100000; // a game that does not end
    std::mt19937 generator(5);
    std::uniform_int_distribution<int> event(0, 99);

    auto compareWithFullClear = [&](auto paint, int step) {
        reference.state = s;
        reference.random = game.random;
        reference.setBackground(backgrounds[backgroundShown]); // the next clear copies it all
        paint(game);
        paint(reference);
        ASSERT_EQ(game.frame().pixels, reference.frame().pixels) << "step " << step;
    };
    for (int step = 0; step < 3000; ++step) {
        const int e = event(generator);
        if (e < 30) game.Form_KeyDown(37);
        if (e >= 30 && e < 60) game.Form_KeyDown(39);
        if (e == 60) { // paused and resumed: the sign is drawn twice
            game.Form_KeyDown(80);
            game.Form_KeyDown(80);
        }
        if (e == 61) { // a scheme passed: new background, darkness, then a redraw
            backgroundShown = 1 - backgroundShown;
            setScheme(s, s.NumeroSchema % 6 + 1);
            game.setBackground(backgrounds[backgroundShown]);
            game.drawDarknessWithCreature();
        }
        if (e == 62) {
            s.AmpiezzaTransizione = 10 * event(generator);
            compareWithFullClear(
                [](Game& g) {
                    g.clearFrame();
                    g.RidisegnaTutti_();
                },
                step);
            s.AmpiezzaTransizione = 0;
        }
        // The frame is looked at after some ticks only, as a display refresh does.
        if (event(generator) < 40)
            compareWithFullClear([](Game& g) { g.TimerAnimazione_Timer(); }, step);
        else
            game.TimerAnimazione_Timer();
        if (HasFatalFailure()) return;
        if (step % 3 == 0) {
            shown.takeChanges(game.frame(), game.takeFrameWrites());
            ASSERT_EQ(shown.picture().pixels, game.frame().pixels) << "shown at step " << step;
        }
    }
    EXPECT_GT(s.OggettiPresi, 0);
}

} // namespace
} // namespace vorlin::test
