// From the fifth banana to the next scene, and from the last lost object to the record table.

#include "form_fixture.h"

#include "assets/picture_loader.h"

#include <QLineEdit>
#include <QScrollBar>

#include <fstream>

namespace vorlin::testing {
namespace {

class Transitions : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        load();
        form->controls().textBox("NomeGiocatore")->setText("Anna");
        ASSERT_TRUE(form->clickControl("PulsanteStart"));
        clock.advance(80); // the first tick
    }

    // The next banana reaches the quota and the tick catches it.
    void catchTheQuotaBanana() {
        passTheSchemeOnTheNextTick();
        clock.fireNext(); // the tick that catches it
        ASSERT_FALSE(form->timer("TimerAnimazione").enabled());
        ASSERT_TRUE(form->timer("IntervalloSchemiApertura").enabled());
    }

    // Fires transition frames until the darkness is complete; returns how many were drawn.
    int runOpening() {
        const FormTimer& opening = form->timer("IntervalloSchemiApertura");
        const auto before = opening.fireCount();
        for (int guard = 0; opening.enabled() && guard < 2000; ++guard)
            clock.fireNext();
        return static_cast<int>(opening.fireCount() - before);
    }

    void runUntilPlayOrResults() {
        for (int guard = 0; guard < 2000 && state().TransizioneInCorso == 1; ++guard)
            clock.fireNext();
    }
};

TEST_F(Transitions, APassedSchemeDarkensShowsTheMessageAndOpensTheNextScene) {
    catchTheQuotaBanana();
    const int frames = runOpening();
    // On the ground at the left the last opening frame is drawn with half-size 570.
    EXPECT_EQ(frames, 58);
    EXPECT_EQ(state().AmpiezzaTransizione, 580);
    EXPECT_EQ(state().TransizioneInCorso, 1);
    EXPECT_TRUE(visible("Frame5"));
    EXPECT_TRUE(visible("Label3"));
    EXPECT_FALSE(form->controls().enabled("Command2menu"));
    EXPECT_EQ(caption("Label3"), "Ciao Anna, schema 1 superato");
    EXPECT_EQ(state().NumeroSchema, 2);
    EXPECT_EQ(state().CaricheObiettivo, 10);
    for (int row : {state().ColonnaBanana, state().ColonnaQuarzo, state().RigaPiano,
                    state().RigaPavimento, state().RigaMuro})
        EXPECT_EQ(row, 2);

    // The field is all darkness but for the creature.
    LoadedPicture darkness = loadPicture(programFolder / "dati" / "BuioCol.kpb");
    ASSERT_TRUE(darkness);
    const Picture& frame = form->game().frame();
    for (auto [x, y] : {std::pair{5, 5}, {600, 50}, {630, 450}, {100, 200}})
        EXPECT_EQ(frame.at(x, y), darkness.picture->at(x, y)) << x << "," << y;

    // Keys do nothing while the field is dark.
    form->Form_KeyDown(27);
    EXPECT_FALSE(form->programEnded());
    EXPECT_FALSE(visible("Frame4"));

    clock.advance(5999);
    EXPECT_TRUE(visible("Label3"));
    runUntilPlayOrResults();
    EXPECT_EQ(state().AmpiezzaTransizione, 0);
    EXPECT_FALSE(visible("Frame5"));
    EXPECT_FALSE(visible("Label3"));
    EXPECT_TRUE(form->timer("TimerAnimazione").enabled());
    EXPECT_TRUE(form->controls().enabled("Command2menu"));
    EXPECT_TRUE(visible("PictureTitoloSchema"));
    EXPECT_EQ(caption("LabelPictureTitoloSchema"), "La foresta");
    EXPECT_EQ(form->controls().widget("PictureTitoloSchema")->height(), 25);
    // The last closing frame shows the new scene with no darkness left.
    EXPECT_EQ(form->game().frame().at(5, 5), form->game().background().at(5, 5));
}

TEST_F(Transitions, AfterTheSixthSceneTheFirstComesBackAndTheCountGoesOn) {
    GameState& s = state();
    s.NumeroSchema = s.ColonnaBanana = s.ColonnaQuarzo = 6;
    s.RigaPiano = s.RigaPavimento = s.RigaMuro = 6;
    s.CaricheObiettivo = 35;
    catchTheQuotaBanana();
    runOpening();
    EXPECT_EQ(caption("Label3"), "Ciao Anna, schema 7 superato");
    EXPECT_EQ(s.NumeroSchema, 1);
    EXPECT_EQ(s.RigaMuro, 1);
    EXPECT_EQ(s.CaricheObiettivo, 40);
}

TEST_F(Transitions, AtTheFarRightTheOpeningLastsLonger) {
    GameState& s = state();
    s.PosizioneXVorlin = 600; // on the ground right of the wall, where the view does not scroll
    catchTheQuotaBanana();
    ASSERT_EQ(s.PosizioneXVorlin - s.ScorrimentoX, 600);
    // Centre x 648: the square's left edge reaches -200 at half-size 850.
    EXPECT_EQ(runOpening(), 86);
}

TEST_F(Transitions, TheSpeedBarsDriveBothTransitionTimers) {
    form->controls().scrollBar("HScroll1")->setValue(7);
    catchTheQuotaBanana();
    EXPECT_EQ(form->timer("IntervalloSchemiApertura").interval(), 7);
    EXPECT_EQ(form->timer("IntervalloSchemiChiusura").interval(), 7);
    EXPECT_EQ(form->timer("IntervalloSchemiframe5").interval(), 6000);
}

TEST_F(Transitions, TheStatisticsOfAFinishedGame) {
    struct Case {
        const char* charges;
        int caught;
        const char* schemes;
        const char* shownCharges;
        const char* score;
    };
    const Case cases[] = {
        {"7", 57, "1", "7", "7057"}, {"", 0, "0", "0", "0"}, {"", 12, "0", "0", "12"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        form->controls().setCaption("BananePrese", QString::fromLatin1(c.charges));
        state().OggettiPresi = c.caught;
        state().OggettiPersi = 9;
        form->MascheraFineGioco_();
        EXPECT_EQ(caption("ScheSu"), c.schemes);
        EXPECT_EQ(caption("Li"), c.shownCharges);
        EXPECT_EQ(caption("Wpre"), QString::number(c.caught));
        EXPECT_EQ(caption("Wper"), "9");
        EXPECT_EQ(caption("Record"), c.score);
    }
}

TEST_F(Transitions, TheLastLossLeadsToTheRecordTableWithTheNewRecordHighlighted) {
    GameState& s = state();
    // One energy left, and an object below the ground line.
    s.CarichePrese = 7;
    form->controls().setCaption("BananePrese", "7");
    s.OggettiPresi = 57;
    s.EnergiaBase = 1 - s.OggettiPresi + s.OggettiPersi;
    s.QuarziY[1] = 401; // lost by the next tick
    s.QuarziX[1] = 900;
    clock.fireNext();
    ASSERT_EQ(s.PartitaFinita, 1);
    EXPECT_FALSE(form->controls().enabled("Command1"));
    EXPECT_FALSE(form->controls().enabled("Command2menu"));
    EXPECT_EQ(caption("Record"), "7057");
    const int scheme = s.NumeroSchema;

    runOpening();
    EXPECT_EQ(caption("Label3"), "Ciao Anna, hai esaurito tutta l'energia disponibile");
    runUntilPlayOrResults();
    EXPECT_EQ(s.NumeroSchema, scheme);
    EXPECT_EQ(s.PartitaFinita, 0);
    EXPECT_FALSE(form->timer("TimerAnimazione").enabled());
    EXPECT_FALSE(visible("PictureTitoloSchema"));
    EXPECT_TRUE(visible("Frame2"));
    EXPECT_TRUE(visible("Frame4"));

    // 7057 points enter after the four default records, at position 5, painted orange.
    EXPECT_EQ(s.PosizioneUltimoRecord, 5);
    EXPECT_EQ(caption("P05"), "5");
    EXPECT_EQ(caption("R05"), "7057");
    EXPECT_EQ(caption("G05"), "Anna");
    EXPECT_EQ(form->controls().foreColour("G05"), 33023);
    EXPECT_EQ(form->controls().foreColour("G04"), 16777215);
    std::ifstream file(programFolder / "Recordc1.kpr", std::ios::binary);
    std::string line;
    for (int i = 0; i < 5; ++i)
        std::getline(file, line);
    EXPECT_EQ(line.substr(0, 16), "\"65280\",\"7057\",\"") << line;
}

} // namespace
} // namespace vorlin::testing
