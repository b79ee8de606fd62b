#include "form1.h"

#include "game/field_layout.h"
#include "game/play_rules.h"
#include "record_panel.h"

namespace vorlin {

namespace {

constexpr int kDarknessStep = 10; // half-size change per opening or closing frame
constexpr int kSchemeCount = 6;
using rules::kChargesPerScheme;

struct SchemeTitle {
    const char* title;
    int boxHeight;
};

constexpr SchemeTitle kSchemeTitles[kSchemeCount + 1] = {
    {"", 0},
    {QT_TRANSLATE_NOOP("vorlin::Form1", "La stanza dei giochi"), 29},
    {QT_TRANSLATE_NOOP("vorlin::Form1", "La foresta"), 25},
    {QT_TRANSLATE_NOOP("vorlin::Form1", "La circolazione - i sentimenti"), 25},
    {QT_TRANSLATE_NOOP("vorlin::Form1", "Il dolce zucchero"), 25},
    {QT_TRANSLATE_NOOP("vorlin::Form1", "La città - Catanzaro"), 25},
    {QT_TRANSLATE_NOOP("vorlin::Form1", "L'effimero"), 25},
};

} // namespace

void Form1::IntervalloSchemiApertura_Timer() {
    GameState& s = game_.state;
    s.TransizioneInCorso = 1;
    controls_.enable("Command2menu", false);
    paintTransitionFrame();
    s.AmpiezzaTransizione += kDarknessStep;
    // The square drawn just now covers the whole field: the darkness is complete.
    if (s.BuioSorgenteX == layout::kDarknessFarEdge &&
        s.BuioSorgenteY == layout::kDarknessFarEdge &&
        s.BuioLarghezza == layout::kDarknessMaxWidth &&
        s.BuioAltezza == layout::kDarknessMaxHeight) {
        timer("IntervalloSchemiApertura").setEnabled(false);
        controls_.show("Frame5");
        controls_.show("Label3");
        NuovoSchemaParte2_();
    }
}

void Form1::NuovoSchemaParte2_() {
    GameState& s = game_.state;
    const QString name = controls_.caption("NomeGiocatore");
    if (s.PartitaFinita == 1) {
        controls_.setCaption("Label3",
                             tr("Ciao %1, hai esaurito tutta l'energia disponibile").arg(name));
    } else {
        // The count of schemes passed in this game, never wrapped: the seventh says 7.
        controls_.setCaption(
            "Label3", tr("Ciao %1, schema %2 superato")
                          .arg(name, QString::number(s.CaricheObiettivo / kChargesPerScheme)));
        s.CaricheObiettivo += kChargesPerScheme;
        ++s.NumeroSchema;
        if (s.NumeroSchema == kSchemeCount + 1) s.NumeroSchema = 1;
        s.ColonnaBanana = s.ColonnaQuarzo = s.NumeroSchema;
        s.RigaPiano = s.RigaPavimento = s.RigaMuro = s.NumeroSchema;
        game_.setBackground(backgrounds_[s.NumeroSchema]);
    }
    game_.drawDarknessWithCreature();
    presentFrame();
    timer("IntervalloSchemiframe5").setEnabled(true);
}

void Form1::IntervalloSchemiframe5_Timer() {
    timer("IntervalloSchemiframe5").setEnabled(false);
    timer("IntervalloSchemiChiusura").setEnabled(true);
}

void Form1::IntervalloSchemiChiusura_Timer() {
    GameState& s = game_.state;
    controls_.hide("Frame5");
    controls_.hide("Label3");
    paintTransitionFrame();
    s.AmpiezzaTransizione -= kDarknessStep;
    if (s.AmpiezzaTransizione > -kDarknessStep) return;

    timer("IntervalloSchemiChiusura").setEnabled(false);
    s.TransizioneInCorso = 0;
    s.AmpiezzaTransizione = 0;
    if (s.PartitaFinita == 0) {
        TitoloSchema_();
        timer("TimerAnimazione").setEnabled(true);
        controls_.enable("Command2menu");
    } else {
        Riquadri_();
    }
}

void Form1::paintTransitionFrame() {
    game_.clearFrame();
    game_.RidisegnaTutti_();
    presentFrame();
}

void Form1::TitoloSchema_() {
    const SchemeTitle& scheme = kSchemeTitles[game_.state.NumeroSchema];
    QWidget* box = controls_.widget("PictureTitoloSchema");
    box->resize(box->width(), scheme.boxHeight);
    controls_.setCaption("LabelPictureTitoloSchema", tr(scheme.title));
    controls_.show("PictureTitoloSchema");
    timer("Timer2").setEnabled(true);
}

void Form1::MascheraFineGioco_() {
    GameState& s = game_.state;
    if (controls_.caption("BananePrese").isEmpty()) controls_.setCaption("BananePrese", "0");
    const int charges = controls_.caption("BananePrese").toInt();
    controls_.setCaption("ScheSu", QString::number(charges / kChargesPerScheme));
    controls_.setCaption("Li", controls_.caption("BananePrese"));
    controls_.setCaption("Wpre", QString::number(s.OggettiPresi));
    controls_.setCaption("Wper", QString::number(s.OggettiPersi));
    controls_.setCaption("Record",
                         QString::number(charges * rules::kPointsPerCharge + s.OggettiPresi));
    controls_.enable("Command1", false);
    controls_.enable("Command2menu", false);
    timer("TimerAnimazione").setEnabled(false);
    s.PartitaFinita = 1;
    resultToStore_ = true;
    timer("IntervalloSchemiApertura").setEnabled(true);
}

void Form1::Riquadri_() {
    storeFinishedResult();
    controls_.show("Frame2");
    controls_.show("Frame4");
    game_.state.PartitaFinita = 0;
}

void Form1::storeFinishedResult() {
    if (!resultToStore_) return;
    // Cleared first: a signal that comes while the insertion tells the player of a failed save
    // must not insert the result a second time.
    resultToStore_ = false;
    recordPanel_->InserimentoNuovoRecordNelFile_(controls_.foreColour("Label4"),
                                                 controls_.caption("Record"),
                                                 controls_.caption("NomeGiocatore"));
}

} // namespace vorlin
