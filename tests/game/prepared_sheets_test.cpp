// The sprite sheets are turned into draw data when they are loaded, never by a tick: the first
// tick of a game costs no more than any other.

#include "game_fixture.h"

namespace vorlin::test {
namespace {

using PreparedSheets = GameFixture;

TEST_F(PreparedSheets, LoadingPreparesEverySheetAndNoDrawPreparesMore) {
    const std::size_t sheetCount = sheets().all().size();
    EXPECT_EQ(game.preparedSheets(), 0u);
    game.sheetsLoaded();
    ASSERT_EQ(game.preparedSheets(), sheetCount);

    // Every layer the game ever draws: scheme 2 with its ropes, the lifts shuttling, bananas,
    // the objects, a transition's darkness and the full darkness over the creature.
    s.NumeroSchema = 2;
    s.QuarziPresiElica = 4;
    s.BananaX = 320;
    s.BananaY = 200;
    s.BananaVolante1X = s.BananaVolante1Y = 300;
    ticks(200);
    s.AmpiezzaTransizione = 120;
    game.RidisegnaTutti_();
    game.drawDarknessWithCreature();
    EXPECT_EQ(game.preparedSheets(), sheetCount);

    // Loaded again (new pictures): the old data are dropped and the new sheets read at once.
    game.sheetsLoaded();
    EXPECT_EQ(game.preparedSheets(), sheetCount);
    ticks(1);
    EXPECT_EQ(game.preparedSheets(), sheetCount);
}

} // namespace
} // namespace vorlin::test
