#include "game_fixture.h"

#include <random>
#include <set>
#include <vector>

namespace vorlin::test {
namespace {

constexpr int kGroundTop = 329;
constexpr int kLeft = 37;
constexpr int kRight = 39;

using TickTest = GameFixture;

// The lifts follow the catches: rest at 200, up to 100, down to 300, down below the field at
// 500 (where two rules take turns: 490, 500, ...), then a shuttle between -100 and 500.
// A game just started with its objects far above the field and the creature at (x, y).
void startWithCreatureAt(Game& game, int x, int y) {
    game.setGameStartValues();
    for (int i = 1; i <= 8; ++i)
        game.state.QuarziY[i] = -100000;
    game.state.PosizioneXVorlin = x;
    game.state.PosizioneYVorlin = static_cast<std::int16_t>(y);
}

TEST_F(TickTest, LiftsFollowTheCatchesOfTheGame) {
    parkObjects();
    struct Phase {
        int catches;
        int ticks;
        std::vector<int> lastHeights; // the heights of the phase's last ticks
    };
    const Phase phases[] = {
        {0, 30, {200, 200, 200}},
        {1, 30, {100, 100, 100}},
        {2, 40, {300, 300, 300}},
        {3, 40, {490, 500, 490, 500}},
    };
    for (const Phase& phase : phases) {
        s.QuarziPresiElica = phase.catches;
        std::vector<int> heights;
        for (int i = 0; i < phase.ticks; ++i) {
            game.TimerAnimazione_Timer();
            heights.push_back(s.ElicheY[1]);
        }
        const std::vector<int> last(heights.end() - phase.lastHeights.size(), heights.end());
        EXPECT_EQ(last, phase.lastHeights) << "after catch " << phase.catches;
    }

    s.QuarziPresiElica = 4;
    std::set<int> passed;
    int turns = 0, previousStep = 0;
    for (int i = 0; i < 300; ++i) {
        game.TimerAnimazione_Timer();
        passed.insert(s.ElicheY[1]);
        if (previousStep != 0 && s.PassoElicaY != previousStep) ++turns;
        previousStep = s.PassoElicaY;
        ASSERT_GE(s.ElicheY[1], -100);
        ASSERT_LE(s.ElicheY[1], 500);
    }
    EXPECT_TRUE(passed.contains(-100) && passed.contains(500));
    for (int level : {100, 200, 300, 400})
        EXPECT_TRUE(passed.contains(level)) << level;
    EXPECT_GE(turns, 4); // 60 ticks a trip, without pausing at the ends
}

// Held against the left limit facing left, the character steps to 194 every tick and is
// pushed back to 200, except in the one tick in which the shuttling lift is level with it.
TEST_F(TickTest, BoardsTheLiftOnlyInTheTickItIsLevel) {
    parkObjects();
    s.QuarziPresiElica = 4;
    s.PosizioneXVorlin = 200;
    s.DirezioneVorlin = 2;
    s.ElicheY[1] = 300; // going down towards the ground line
    s.DestinazioneElicaY = 500;
    s.PassoElicaY = 10;
    int boardedAt = -1;
    for (int i = 0; i < 20 && boardedAt < 0; ++i) {
        game.Form_KeyDown(kLeft);
        game.TimerAnimazione_Timer();
        if (s.VorlinSullaElica == 1) {
            boardedAt = s.ElicheY[1];
            EXPECT_EQ(s.PosizioneXVorlin, 194);
        } else {
            EXPECT_EQ(s.PosizioneXVorlin, 200) << "lift at " << s.ElicheY[1];
        }
    }
    EXPECT_EQ(boardedAt, 400);
    // Riding: the character moves with the lift.
    game.TimerAnimazione_Timer();
    EXPECT_EQ(s.VorlinSullaElica, 1);
    EXPECT_EQ(s.PosizioneYVorlin + 71, s.ElicheY[1]);
}

TEST_F(TickTest, BoardingNeedsFourCatches) {
    parkObjects();
    s.QuarziPresiElica = 3;
    s.PosizioneXVorlin = 200;
    s.DirezioneVorlin = 2;
    s.ElicheY[1] = 390; // on its way down, at the ground line next tick
    game.Form_KeyDown(kLeft);
    game.TimerAnimazione_Timer();
    EXPECT_EQ(s.ElicheY[1], 400);
    EXPECT_EQ(s.PosizioneXVorlin, 194); // level with the lift, yet not aboard
    EXPECT_EQ(s.VorlinSullaElica, 0);
}

// A rider held facing the field steps to 136 every tick and is pushed back to 130 between
// levels; in the tick in which the lift is at a level it stays at 136, off the lift.
TEST_F(TickTest, LeavesTheLiftOnlyInTheTickItIsAtALevel) {
    parkObjects();
    s.QuarziPresiElica = 4;
    s.ElicheY[1] = 350;
    s.DestinazioneElicaY = 500;
    s.PassoElicaY = 10;
    s.VorlinSullaElica = 1;
    s.PosizioneXVorlin = 130;
    s.PosizioneYVorlin = 350 - 71;
    s.DirezioneVorlin = 1;
    for (int i = 0; i < 5; ++i) {
        game.Form_KeyDown(kRight);
        game.TimerAnimazione_Timer();
        if (s.ElicheY[1] % 100 != 0) {
            EXPECT_EQ(s.PosizioneXVorlin, 130) << "lift at " << s.ElicheY[1];
            EXPECT_EQ(s.VorlinSullaElica, 1);
        }
    }
    EXPECT_EQ(s.ElicheY[1], 400);
    EXPECT_EQ(s.PosizioneXVorlin, 136);
    EXPECT_EQ(s.VorlinSullaElica, 0);
    game.TimerAnimazione_Timer();
    EXPECT_EQ(s.PosizioneYVorlin, kGroundTop); // stays on the ground as the lift goes on
}

struct WalkCase {
    const char* name;
    int x;
    int y;
    int facing;
    int key;
    int expectedX;
    int expectedFacing;
};

TEST_F(TickTest, WalkingTurningAndTheWall) {
    const WalkCase cases[] = {
        {"step right", 300, kGroundTop, 1, kRight, 306, 1},
        {"step left", 300, kGroundTop, 2, kLeft, 294, 2},
        {"turn left on the ground shifts 40", 300, kGroundTop, 1, kLeft, 340, 2},
        {"turn right on the ground shifts 40", 300, kGroundTop, 2, kRight, 260, 1},
        {"turn left on a platform stays", 400, 129, 1, kLeft, 400, 2},
        {"turn right on a platform stays", 400, 129, 2, kRight, 400, 1},
        {"wall stops from the left at 420", 420, kGroundTop, 1, kRight, 420, 1},
        {"wall reached from the left", 418, kGroundTop, 1, kRight, 420, 1},
        {"wall stops from the right at 630", 630, kGroundTop, 2, kLeft, 630, 2},
        {"no wall on a platform", 420, 129, 1, kRight, 426, 1},
        {"left limit", 200, 29, 2, kLeft, 200, 2},
        {"right limit", 830, 29, 1, kRight, 830, 1},
        {"wider limit level with the lift", 200, 129, 2, kLeft, 194, 2},
    };
    for (const WalkCase& c : cases) {
        RecordingWindow quiet;
        Game fresh(quiet, sheets());
        startWithCreatureAt(fresh, c.x, c.y);
        GameState& f = fresh.state;
        f.DirezioneVorlin = c.facing;
        const int walkFrame = f.FotogrammaCamminata;
        fresh.Form_KeyDown(c.key);
        fresh.TimerAnimazione_Timer();
        EXPECT_EQ(f.PosizioneXVorlin, c.expectedX) << c.name;
        EXPECT_EQ(f.DirezioneVorlin, c.expectedFacing) << c.name;
        EXPECT_EQ(f.FotogrammaCamminata, walkFrame % 8 + 1) << c.name;
    }
}

// Off the ground the view keeps the creature 250 pixels from the left edge while its x lies in
// 250..750, and stops outside; on the ground it never moves.
TEST_F(TickTest, TheViewFollowsTheCreatureOffTheGroundFrom250To750) {
    constexpr int kViewBefore = 123;
    struct Case {
        int x;
        int y;
        int expectedView;
    };
    const Case cases[] = {
        {744, 129, 494},         {750, 129, 500}, {756, 129, kViewBefore},        {250, 29, 0},
        {244, 229, kViewBefore}, {600, 229, 350}, {600, kGroundTop, kViewBefore},
    };
    for (const Case& c : cases) {
        RecordingWindow quiet;
        Game fresh(quiet, sheets());
        startWithCreatureAt(fresh, c.x, c.y);
        GameState& f = fresh.state;
        f.ScorrimentoX = kViewBefore;
        fresh.TimerAnimazione_Timer();
        EXPECT_EQ(f.ScorrimentoX, c.expectedView) << "x " << c.x << ", y " << c.y;
    }
}

TEST_F(TickTest, BothArrowsInOneTickStepRightThenLeft) {
    parkObjects();
    s.PosizioneXVorlin = 400;
    s.PosizioneYVorlin = 129;
    s.DirezioneVorlin = 1;
    game.Form_KeyDown(kLeft);
    game.Form_KeyDown(kRight);
    game.TimerAnimazione_Timer();
    // Right first: a step to 406, then the left request only turns round.
    EXPECT_EQ(s.PosizioneXVorlin, 406);
    EXPECT_EQ(s.DirezioneVorlin, 2);
    EXPECT_EQ(s.FotogrammaCamminata, 3);
}

TEST_F(TickTest, PressesWhileStoppedWaitForTheNextTickAndCountOnce) {
    parkObjects();
    window.timers[GameTimer::TimerAnimazione] = false;
    for (int i = 0; i < 5; ++i)
        game.Form_KeyDown(kRight);
    EXPECT_EQ(s.PosizioneXVorlin, 300);
    game.TimerAnimazione_Timer();
    EXPECT_EQ(s.PosizioneXVorlin, 306);
    game.TimerAnimazione_Timer();
    EXPECT_EQ(s.PosizioneXVorlin, 306);
}

TEST_F(TickTest, AnObjectAtExactly400IsNotLostYet) {
    parkObjects();
    s.QuarziX[1] = 900;
    s.QuarziY[1] = 400;
    game.TimerAnimazione_Timer();
    EXPECT_EQ(s.OggettiPersi, 0);
    EXPECT_EQ(s.QuarziY[1], 402);
    game.TimerAnimazione_Timer();
    EXPECT_EQ(s.OggettiPersi, 1);
    EXPECT_EQ(s.QuarziY[1], -50 + 2);
    EXPECT_GE(s.QuarziX[1], 100);
    EXPECT_LE(s.QuarziX[1], 1000);
    EXPECT_EQ(window.soundCount(Sound::QuarzoPerso), 1);
    EXPECT_EQ(window.number(StatusLabel::nPersiTotale), 1);
    EXPECT_EQ(window.number(StatusLabel::Pt), 69);
}

// Objects 5-8 start at world x 0, out of reach: each is lost once before it comes back.
TEST_F(TickTest, ObjectsFiveToEightAreLostOnceAtGameStart) {
    const int speeds[] = {2, 4, 8, 12};
    for (int tick = 0; tick < 220; ++tick) {
        std::vector<int> before(s.QuarziX.begin(), s.QuarziX.end());
        game.TimerAnimazione_Timer();
        for (int i = 5; i <= 8; ++i) {
            if (before[i] == 0 && s.QuarziX[i] != 0) {
                EXPECT_EQ(s.QuarziY[i], -50 + speeds[i - 5]) << "object " << i << " was caught";
            }
        }
    }
    for (int i = 5; i <= 8; ++i)
        EXPECT_NE(s.QuarziX[i], 0) << "object " << i;
    EXPECT_GE(s.OggettiPersi, 4);
}

TEST_F(TickTest, EveryTenthLossBringsABanana) {
    parkObjects();
    s.PosizioneXVorlin = 830; // on the top platform at the far right: no banana in reach
    s.PosizioneYVorlin = 29;
    std::vector<int> bananaAt;
    for (int loss = 1; loss <= 30; ++loss) {
        s.QuarziY[1] = 401;
        s.QuarziX[1] = 0;
        const int sounds = window.soundCount(Sound::ComparsaBanana);
        game.TimerAnimazione_Timer();
        if (window.soundCount(Sound::ComparsaBanana) > sounds) {
            bananaAt.push_back(loss);
            EXPECT_TRUE(std::set<int>({50, 150, 250, 350}).contains(s.BananaY)) << s.BananaY;
            EXPECT_GE(s.BananaX, 200);
            EXPECT_LE(s.BananaX, 800);
        }
    }
    EXPECT_EQ(bananaAt, (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(s.OggettiPersi, 30);
}

struct CatchCase {
    const char* name;
    int objectX, objectY; // before the tick; object 1 falls 2 pixels first
    bool caught;
};

// The character at (300, 329): an object is caught within 47 pixels of its body.
TEST_F(TickTest, ObjectCatchRadiusIs47) {
    const CatchCase cases[] = {
        {"47 to the right", 369, 360, true},
        {"48 to the right", 370, 360, false},
        {"47 above", 322, 313, true},
        {"48 above", 322, 312, false},
    };
    for (const CatchCase& c : cases) {
        parkObjects();
        s.QuarziX[1] = c.objectX;
        s.QuarziY[1] = c.objectY;
        const int before = s.OggettiPresi;
        game.TimerAnimazione_Timer();
        EXPECT_EQ(s.OggettiPresi - before, c.caught ? 1 : 0) << c.name;
        if (c.caught) {
            EXPECT_EQ(s.QuarziY[1], 0) << c.name;
        }
        s.PosizioneXVorlin = 300;
    }
}

// The banana is caught within 30 pixels of (X + 16, Y + 21).
TEST_F(TickTest, BananaCatchRadiusIs30) {
    const CatchCase cases[] = {
        {"30 to the right", 346, 350, true},
        {"31 to the right", 347, 350, false},
        {"30 higher", 316, 320, true},
        {"31 higher", 316, 319, false},
    };
    for (const CatchCase& c : cases) {
        parkObjects();
        s.BananaX = c.objectX;
        s.BananaY = c.objectY;
        const int before = s.CarichePrese;
        game.TimerAnimazione_Timer();
        EXPECT_EQ(s.CarichePrese - before, c.caught ? 1 : 0) << c.name;
        s.PosizioneXVorlin = 300;
    }
}

TEST_F(TickTest, TheGameEndsWhenTheEnergyIsSpentAndTheTickStillPresents) {
    parkObjects();
    s.EnergiaBase = 1;
    s.QuarziX[1] = 900;
    s.QuarziY[1] = 401;
    game.TimerAnimazione_Timer();
    EXPECT_EQ(s.EnergiaAttuale, 0);
    EXPECT_EQ(window.gamesEnded, 1);
    EXPECT_EQ(window.framesPresented, 1);
}

// A long game played with random keys: the counters keep their pairs and the energy its sum
// after every event, and the energy caption always shows it.
TEST_F(TickTest, EnergyAndCountersStayConsistentOverALongGame) {
    std::mt19937 generator(99);
    std::uniform_int_distribution<int> key(0, 3);
    int bonuses = 0;
    int lastCharges = 0, lastBase = s.EnergiaBase;
    for (int tick = 0; tick < 5000; ++tick) {
        const int k = key(generator);
        if (k == 1) game.Form_KeyDown(kLeft);
        if (k == 2) game.Form_KeyDown(kRight);
        s.CaricheObiettivo = 1000; // keep playing through the quotas
        game.TimerAnimazione_Timer();
        if (s.OggettiPresi + s.OggettiPersi + s.CarichePrese == 0) continue;
        ASSERT_EQ(s.EnergiaAttuale, s.OggettiPresi - s.OggettiPersi + s.EnergiaBase);
        ASSERT_EQ(s.OggettiPresi, s.QuarziPresiElica);
        ASSERT_EQ(s.OggettiPersi, s.QuarziPersiBanana);
        ASSERT_EQ(window.number(StatusLabel::Pt), s.EnergiaAttuale);
        if (s.CarichePrese != lastCharges) {
            bonuses += s.EnergiaBase - lastBase;
            lastCharges = s.CarichePrese;
            lastBase = s.EnergiaBase;
        }
        ASSERT_EQ(s.EnergiaBase, 70 + bonuses);
    }
    EXPECT_GT(s.OggettiPresi, 0);
    EXPECT_GT(s.OggettiPersi, 0);
}

} // namespace
} // namespace vorlin::test
