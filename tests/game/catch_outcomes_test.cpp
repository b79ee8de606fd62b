#include "game_fixture.h"

#include "game/captions.h"

#include <vector>

namespace vorlin::test {
namespace {

using CatchOutcomes = GameFixture;

void placeBanana(GameState& s) {
    s.BananaX = 400;
    s.BananaY = 150;
}

struct BonusCase {
    int startingEnergy;
    int firstBonus;
};

// Each charge adds the starting energy minus 10, one less with every charge, never below 2.
TEST_F(CatchOutcomes, ChargeBonusShrinksToTheFloorOfTwo) {
    const BonusCase cases[] = {{30, 20}, {40, 30}, {70, 60}};
    for (const BonusCase& c : cases) {
        s.EnergiaIniziale = c.startingEnergy;
        game.setGameStartValues();
        s.CaricheObiettivo = 1000;
        for (int charge = 0; charge < 75; ++charge) {
            placeBanana(s);
            const int before = s.EnergiaBase;
            game.ModificaVariabiliScontroVorlinBanana_();
            ASSERT_EQ(s.EnergiaBase - before, std::max(c.firstBonus - charge, 2))
                << "starting energy " << c.startingEnergy << ", charge " << charge + 1;
            ASSERT_EQ(s.EnergiaAttuale, s.OggettiPresi - s.OggettiPersi + s.EnergiaBase);
        }
    }
}

// The quota is counted over the whole game: the 5th charge passes the first scheme and, once
// the transition has raised the quota, the 10th the second.
TEST_F(CatchOutcomes, QuotaIsReachedAtTheFifthAndTenthCharge) {
    std::vector<int> passedAt;
    for (int charge = 1; charge <= 12; ++charge) {
        placeBanana(s);
        window.switches.clear();
        game.ModificaVariabiliScontroVorlinBanana_();
        EXPECT_EQ(window.number(StatusLabel::BananePrese), charge);
        if (window.sounds.back() == Sound::SchemaSuperato) {
            passedAt.push_back(charge);
            EXPECT_EQ(window.switches, (std::vector<RecordingWindow::TimerSwitch>{
                                           {GameTimer::TimerAnimazione, false},
                                           {GameTimer::IntervalloSchemiApertura, true}}));
            s.CaricheObiettivo += 5; // what the transition does
        } else {
            EXPECT_EQ(window.sounds.back(), Sound::Carica);
            EXPECT_TRUE(window.switches.empty());
        }
    }
    EXPECT_EQ(passedAt, (std::vector<int>{5, 10}));
}

struct SlotCase {
    const char* name;
    int slotOneY;
    int expectedSlot;
};

TEST_F(CatchOutcomes, CaughtBananaFliesFromTheFirstFreeSlot) {
    const SlotCase cases[] = {
        {"slot 1 idle", -100, 1},
        {"slot 1 past the top", -51, 1},
        {"slot 1 just leaving", -50, 2},
        {"slot 1 in the field", 200, 2},
    };
    for (const SlotCase& c : cases) {
        s.BananaVolante1X = 77;
        s.BananaVolante1Y = c.slotOneY;
        s.BananaVolante2X = 600; // slot 2 still flying: restarted all the same
        s.BananaVolante2Y = 100;
        s.ColonnaBanana = 4;
        s.BananaX = 350;
        s.BananaY = 250;
        game.ModificaVariabiliScontroVorlinBanana_();
        const int x = c.expectedSlot == 1 ? s.BananaVolante1X : s.BananaVolante2X;
        const int y = c.expectedSlot == 1 ? s.BananaVolante1Y : s.BananaVolante2Y;
        const int column = c.expectedSlot == 1 ? s.ColonnaBananaVolante1 : s.ColonnaBananaVolante2;
        EXPECT_EQ(x, 350) << c.name;
        EXPECT_EQ(y, 250) << c.name;
        EXPECT_EQ(column, 4) << c.name;
        EXPECT_EQ(s.BananaX, -100) << c.name;
        EXPECT_EQ(s.BananaY, -100) << c.name;
    }
}

TEST_F(CatchOutcomes, CaughtObjectCountsForTheLiftsAndTheEnergy) {
    game.ModificaVariabiliScontroVorlinQuarzi_();
    EXPECT_EQ(s.QuarziPresiElica, 1);
    EXPECT_EQ(s.OggettiPresi, 1);
    EXPECT_EQ(s.EnergiaAttuale, 71);
    EXPECT_EQ(window.sounds, std::vector<Sound>{Sound::PresaQuarzo});
    EXPECT_EQ(window.number(StatusLabel::nPresiTotale), 1);
    EXPECT_EQ(window.number(StatusLabel::Pt), 71);
}

TEST_F(CatchOutcomes, NewBananaStandsOnALevel) {
    for (int i = 0; i < 200; ++i) {
        game.FarComparireBanana_();
        EXPECT_EQ(s.BananaY, s.PianoBananaCasuale * 100 - 50);
        EXPECT_EQ(s.BananaX, s.XBananaCasuale);
        ASSERT_GE(s.PianoBananaCasuale, 1);
        ASSERT_LE(s.PianoBananaCasuale, 4);
        ASSERT_GE(s.BananaX, 200);
        ASSERT_LE(s.BananaX, 800);
    }
    EXPECT_EQ(window.soundCount(Sound::ComparsaBanana), 200);
}

struct CaptionCase {
    const char* literal;
    int number;
    const char* expected;
};

TEST(Captions, NumbersCarryALeadingSpaceUnlessNegative) {
    const CaptionCase cases[] = {
        {"Energia ", 69, "Energia  69"},
        {"Energia ", 0, "Energia  0"},
        {"Energia ", -3, "Energia -3"},
        {"Oggetti persi ", 12, "Oggetti persi  12"},
        {"", 5, " 5"},
    };
    for (const CaptionCase& c : cases)
        EXPECT_EQ(numberCaption(c.literal, c.number), c.expected);
}

using GameStart = GameFixture;

TEST_F(GameStart, SetsTheValuesOfANewGameAndKeepsTheRest) {
    s.QuarziX = {0, 111, 222, 333, 444, 555, 666, 777, 888};
    s.RigaSpriteVorlin = 7;
    s.BananaX = 321;
    game.setGameStartValues();
    EXPECT_EQ(s.QuarziX, (std::array<int, 9>{0, 111, 222, 333, 444, 0, 0, 0, 0}));
    EXPECT_EQ(s.QuarziY, (std::array<int, 9>{0, 0, -66, -133, -200, 0, 0, 0, 0}));
    EXPECT_EQ(s.FotogrammiQuarzi, (std::array<int, 9>{0, 1, 2, 3, 4, 1, 2, 3, 4}));
    EXPECT_EQ(s.RigaSpriteVorlin, 7); // kept from the last game
    EXPECT_EQ(s.BananaX, 321);        // kept; a new game prepared by the window parks it
    EXPECT_EQ(s.EnergiaAttuale, 1);
    EXPECT_EQ(s.ValoreCarica, 60);
    EXPECT_EQ(s.EnergiaBase, 70);
    EXPECT_EQ(s.CaricheObiettivo, 5);
    EXPECT_EQ(s.PosizioneXVorlin, 300);
    EXPECT_EQ(s.PosizioneYVorlin, 329);
    EXPECT_EQ(s.ElicheY[1], 200);
    EXPECT_EQ(s.PavimentoX, 199);
    EXPECT_EQ(s.BananaVolante2Y, -100);
}

TEST(RandomTimer, SixDrawsPlaceTheFirstFourObjects) {
    RecordingWindow window;
    const SpriteSheets sheets;
    Game game(window, sheets);
    RandomSource expected;
    game.TimerNumeriCasuali_Timer();
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(game.state.QuarziX[i], expected.between(100, 1000));
    EXPECT_EQ(game.state.QuarziY, (std::array<int, 9>{0, 0, -66, -133, -200, 0, 0, 0, 0}));
    EXPECT_EQ(game.state.PianoBananaCasuale, expected.between(1, 4));
    EXPECT_EQ(game.state.XBananaCasuale, expected.between(200, 800));
    // exactly six numbers were drawn
    EXPECT_EQ(game.random.next(), expected.next());
}

// Ticks run together leave the game as the same ticks run one by one: the same objects, the same
// banana values, the random source at the same place.
TEST(RandomTimer, TicksRunTogetherDrawAsTicksRunOneByOne) {
    for (std::uint64_t ticks : {0ull, 1ull, 2ull, 3ull, 1500ull, 65537ull}) {
        SCOPED_TRACE(ticks);
        RecordingWindow window;
        const SpriteSheets sheets;
        Game together(window, sheets), oneByOne(window, sheets);
        together.runRandomTimerTicks(ticks);
        for (std::uint64_t i = 0; i < ticks; ++i)
            oneByOne.TimerNumeriCasuali_Timer();
        EXPECT_EQ(together.state.QuarziX, oneByOne.state.QuarziX);
        EXPECT_EQ(together.state.QuarziY, oneByOne.state.QuarziY);
        EXPECT_EQ(together.state.PianoBananaCasuale, oneByOne.state.PianoBananaCasuale);
        EXPECT_EQ(together.state.XBananaCasuale, oneByOne.state.XBananaCasuale);
        EXPECT_EQ(together.random.next(), oneByOne.random.next());
    }
}

} // namespace
} // namespace vorlin::test
