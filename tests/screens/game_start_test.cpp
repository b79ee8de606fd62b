// The difficulties as the start panel shows them and as a game plays and stores them, and a
// second game of the same session, which must start from the start values again.

#include "form_fixture.h"

#include <QLineEdit>

#include <fstream>
#include <string>

namespace vorlin::testing {
namespace {

class GameStart : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        load();
    }

    void startGame(const char* name) {
        form->controls().textBox("NomeGiocatore")->setText(name);
        ASSERT_TRUE(form->clickControl("PulsanteStart"));
    }

    // Fires timers until the animation has ticked once more.
    void tick() {
        const FormTimer& animation = form->timer("TimerAnimazione");
        ASSERT_TRUE(animation.enabled());
        const auto before = animation.fireCount();
        while (animation.fireCount() == before)
            ASSERT_TRUE(clock.fireNext());
    }

    // Only object 1 falls, far from the creature, and is lost in the next tick.
    void loseOneObject() {
        GameState& s = state();
        for (int i = 2; i <= 8; ++i)
            s.QuarziY[i] = -100000;
        s.QuarziX[1] = 900;
        s.QuarziY[1] = 401;
        tick();
    }

    // A banana where the creature stands, caught by the next tick.
    void catchABanana() {
        GameState& s = state();
        s.BananaX = s.PosizioneXVorlin + 16;
        s.BananaY = s.PosizioneYVorlin + 21;
        tick();
    }

    void runUntil(const std::function<bool()>& done) {
        for (int guard = 0; guard < 5000 && !done(); ++guard)
            ASSERT_TRUE(clock.fireNext());
        ASSERT_TRUE(done());
    }

    // One energy left and one object lost: the farewell runs and the results appear.
    void finishGame() {
        GameState& s = state();
        s.EnergiaBase = 1 - s.OggettiPresi + s.OggettiPersi;
        loseOneObject();
        runUntil([this] { return visible("Frame2"); });
    }

    // The record file's line for a player's name.
    std::string recordOf(const std::string& name) const {
        std::ifstream file(programFolder / "Recordc1.kpr", std::ios::binary);
        for (std::string line; std::getline(file, line);)
            if (line.find("\"" + name + "\"") != std::string::npos) return line;
        return {};
    }
};

TEST_F(GameStart, EachDifficultyShowsPlaysAndStoresItsOwnValues) {
    struct Difficulty {
        const char* option;
        const char* promisedCharge; // what the panel says a charge is worth
        int colour;
        const char* name;
        const char* energyCaption;
        int startingEnergy;
        int firstCharge; // what the first charge really adds
    };
    const Difficulty rows[] = {
        {"Option4", "70", 16711680, "BASSISSIMA", "Energia 70", 70, 60},
        {"Option1", "30", 255, "ALTA", "Energia 30", 30, 20},
        {"Option2", "40", 65535, "MEDIA", "Energia 40", 40, 30},
        {"Option3", "50", 65280, "BASSA", "Energia 70", 70, 60},
    };
    for (const Difficulty& d : rows) {
        SCOPED_TRACE(d.option);
        ASSERT_TRUE(form->clickControl(d.option));
        const std::string energy = std::to_string(d.startingEnergy);
        EXPECT_EQ(caption("Label2").toStdString(),
                  "Energia di partenza    " + energy + std::string(31, ' ') + "Ogni carica    " +
                      d.promisedCharge + " punti di energia a scalare");
        EXPECT_EQ(form->controls().foreColour("Label2"), d.colour);
        EXPECT_EQ(form->controls().backColour("PulsanteStart"), d.colour);
        EXPECT_EQ(form->controls().backColour("LivelloDa1a6"), d.colour);
        EXPECT_EQ(form->controls().foreColour("Label4"), d.colour);
        EXPECT_EQ(caption("Label4"), d.name);
        EXPECT_EQ(caption("Pt"), d.energyCaption);

        const std::string player = std::string("Giocatore ") + d.name;
        startGame(player.c_str());
        catchABanana();
        EXPECT_EQ(state().EnergiaBase, d.startingEnergy + d.firstCharge);
        finishGame();
        const std::string record = recordOf(player);
        EXPECT_EQ(record.substr(0, record.find(',')), "\"" + std::to_string(d.colour) + "\"")
            << record;
        ASSERT_TRUE(form->clickControl("NuovoGioco"));
    }
}

TEST_F(GameStart, ASecondGameStartsFromTheStartValues) {
    // A first game that moved every counter: 13 losses (a banana came at the tenth), a scheme
    // passed, objects caught, the view scrolled; then the results and "Gioca di nuovo".
    startGame("Prima");
    for (int i = 0; i < 13; ++i)
        loseOneObject();
    GameState& s = state();
    s.CarichePrese = s.CaricheObiettivo - 1;
    form->controls().setCaption("BananePrese", QString::number(s.CarichePrese));
    catchABanana();
    runUntil([this] { return form->timer("TimerAnimazione").enabled(); });
    ASSERT_EQ(s.NumeroSchema, 2);
    s.OggettiPresi = s.QuarziPresiElica = 6;
    s.ScorrimentoX = 300;
    s.PosizioneXVorlin = 700;
    s.PosizioneYVorlin = 129;
    finishGame();
    ASSERT_TRUE(form->clickControl("NuovoGioco"));

    startGame("Seconda");
    EXPECT_EQ(s.OggettiPresi, 0);
    EXPECT_EQ(s.OggettiPersi, 0);
    EXPECT_EQ(s.QuarziPresiElica, 0);
    EXPECT_EQ(s.QuarziPersiBanana, 0);
    EXPECT_EQ(s.CarichePrese, 0);
    EXPECT_EQ(s.CaricheObiettivo, 5);
    EXPECT_EQ(s.EnergiaBase, 70);
    EXPECT_EQ(s.ValoreCarica, 60);
    EXPECT_EQ(s.EnergiaAttuale, 1);
    for (int sheetIndex : {s.NumeroSchema, s.ColonnaBanana, s.ColonnaQuarzo, s.RigaPiano,
                           s.RigaPavimento, s.RigaMuro})
        EXPECT_EQ(sheetIndex, 1);
    EXPECT_EQ(s.PosizioneXVorlin, 300);
    EXPECT_EQ(s.PosizioneYVorlin, 329);
    EXPECT_EQ(s.ScorrimentoX, 0);
    EXPECT_EQ(s.VorlinSullaElica, 0);
    EXPECT_EQ(caption("BananePrese"), "");
    EXPECT_EQ(caption("nPersiTotale"), "Oggetti persi");

    // The first banana of the new game comes with its tenth loss, not before.
    for (int loss = 1; loss <= 9; ++loss) {
        loseOneObject();
        ASSERT_EQ(s.BananaX, -100) << "a banana after " << loss << " losses";
    }
    loseOneObject();
    EXPECT_NE(s.BananaX, -100);
    EXPECT_EQ(caption("nPersiTotale").toStdString(), "Oggetti persi  10");
}

} // namespace
} // namespace vorlin::testing
