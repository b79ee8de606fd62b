// The window as the player first sees it: every control where the design puts it, the load
// handler's values, and a clear refusal to start without a picture.

#include "form_fixture.h"

#include "screens/control_inventory.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <fstream>

namespace vorlin::testing {
namespace {

using StartUp = FormFixture;

TEST_F(StartUp, EveryControlIsBuiltAsDesigned) {
    Form1& f = load();
    const Controls& controls = f.controls();
    for (const ControlSpec& design : controlInventory()) {
        if (design.kind == ControlKind::Timer || design.kind == ControlKind::ResolutionControl)
            continue;
        SCOPED_TRACE(design.name);
        QWidget* w = controls.widget(design.name);
        const QWidget* expectedParent = design.container ? controls.widget(design.container) : &f;
        EXPECT_EQ(w->parentWidget(), expectedParent);
        // Picture holders and the title box take their sizes at run time.
        const bool line = design.kind == ControlKind::Line;
        if (design.kind != ControlKind::PictureHolder)
            EXPECT_EQ(w->geometry(),
                      QRect(design.x, design.y, line ? std::max(design.width, 1) : design.width,
                            line ? std::max(design.height, 1) : design.height));
        EXPECT_EQ(controls.visible(design.name), !design.hidden);
        EXPECT_EQ(controls.enabled(design.name), !design.disabled);
        if (design.kind == ControlKind::Label && design.font.family)
            EXPECT_EQ(w->font().family(), QStringLiteral("Liberation Sans"));
    }
}

TEST_F(StartUp, ListedFirstIsDrawnOnTop) {
    Form1& f = load();
    const Controls& c = f.controls();
    // The menu button lies over the energy cell; the button bar over the status row.
    auto stackIndex = [&](const char* name) {
        return f.children().indexOf(c.widget(name)); // later children are drawn on top
    };
    EXPECT_GT(stackIndex("Command2MenuInizio"), stackIndex("Picture2"));
    EXPECT_GT(stackIndex("Frame4"), stackIndex("Picture5"));
    EXPECT_GT(stackIndex("Frame2"), stackIndex("Frame6"));
}

TEST_F(StartUp, TheStartPanelWaitsWithTheDefaultDifficultyAndSpeed) {
    Form1& f = load();
    const GameState& s = f.game().state;
    EXPECT_EQ(s.EnergiaIniziale, 70);
    EXPECT_EQ(s.EnergiaAttuale, 1);
    EXPECT_EQ(s.BananaX, -100);
    EXPECT_EQ(s.BananaY, -100);
    EXPECT_EQ(s.PosizioneUltimoRecord, 1);
    EXPECT_EQ(s.SenzaEvidenziazione, 1);

    for (const char* shown : {"Frame1", "Command2MenuInizio", "Picture1", "Picture2", "Picture3",
                              "Picture4", "Picture5"})
        EXPECT_TRUE(visible(shown)) << shown;
    for (const char* hidden :
         {"Frame2", "Frame3", "Frame4", "Frame5", "Frame6", "Frame7", "Command2menu",
          "PictureTitoloSchema", "Label3", "txtRisoluzioneX", "cmdCambiaRisoluzione"})
        EXPECT_FALSE(visible(hidden)) << hidden;

    EXPECT_EQ(caption("Pt"), "Energia 70");
    EXPECT_EQ(caption("BananePrese"), "");
    EXPECT_EQ(caption("NomeGiocatore"), "Inserire il nome del giocatore");
    EXPECT_EQ(caption("Label13"), "80");
    EXPECT_EQ(f.controls().scrollBar("HScroll1")->value(), 80);
    EXPECT_EQ(caption("Label2"), "Energia di partenza    70                               "
                                 "Ogni carica    50 punti di energia a scalare");
    EXPECT_EQ(f.controls().foreColour("Label2"), 0x00FF00);
    EXPECT_EQ(f.controls().backColour("PulsanteStart"), 0x00FF00);
    EXPECT_EQ(f.controls().backColour("LivelloDa1a6"), 0x00FF00);
    EXPECT_FALSE(f.controls().enabled("Command1"));

    // Only the random timer and the name-box timer run.
    for (const auto& timer : f.timers())
        EXPECT_EQ(timer->enabled(),
                  timer->name() == "Timer1" || timer->name() == "TimerNumeriCasuali")
            << timer->name();
    EXPECT_EQ(f.timer("TimerAnimazione").interval(), 80);
    EXPECT_EQ(f.timer("IntervalloSchemiApertura").interval(), 40);
    EXPECT_EQ(f.timer("IntervalloSchemiChiusura").interval(), 40);
    EXPECT_EQ(f.timer("IntervalloSchemiframe5").interval(), 6000);

    // The screen mode found at start-up is kept as digits for the way back.
    for (const char* box : {"txtRisoluzioneX", "txtRisoluzioneY", "txtRisoluzioneZ"}) {
        bool digits = false;
        caption(box).toInt(&digits);
        EXPECT_TRUE(digits) << box;
    }
}

TEST_F(StartUp, TheFieldShowsTheFirstSchemesBackground) {
    Form1& f = load();
    const Picture& frame = f.game().frame();
    const Picture& background = f.game().background();
    for (auto [x, y] : {std::pair{0, 0}, {320, 240}, {639, 459}})
        EXPECT_EQ(frame.at(x, y), background.at(x, y));
}

TEST_F(StartUp, AMissingPictureStopsTheStartWithItsName) {
    for (const char* file : {"MuroC.kpb", "Sfondo4.kpb", "PausaN1.kpb", "BuioCol.kpb"}) {
        SCOPED_TRACE(file);
        std::filesystem::path path = programFolder / "dati" / file;
        std::filesystem::path aside = path;
        aside += ".aside";
        std::filesystem::rename(path, aside);
        createForm();
        EXPECT_FALSE(form->Form_Load());
        EXPECT_TRUE(form->loadError().contains(QString::fromLatin1(file)));
        EXPECT_TRUE(form->loadError().startsWith("File non trovato"));
        std::filesystem::rename(aside, path);
    }
}

TEST_F(StartUp, APictureThatIsNotAPictureIsReportedAsInvalid) {
    std::ofstream(programFolder / "dati" / "BaseC.kpb") << "not a picture";
    createForm();
    EXPECT_FALSE(form->Form_Load());
    EXPECT_TRUE(form->loadError().startsWith("Immagine non valida"));
    EXPECT_TRUE(form->loadError().contains("BaseC.kpb"));
}

} // namespace
} // namespace vorlin::testing
