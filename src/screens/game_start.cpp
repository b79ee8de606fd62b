#include "form1.h"

#include "game/captions.h"
#include "game/play_rules.h"

#include <QLineEdit>
#include <QScrollBar>

namespace vorlin {

namespace {

// One row per difficulty option: the energy a game starts with and how the panel shows it.
struct Difficulty {
    int startingEnergy;
    const char* energyCaption;
    int colour; // 0x00BBGGRR; stored with the record as the difficulty
    const char* startPanelText;
    const char* name;
};

constexpr Difficulty kDifficulties[] = {
    {30, QT_TRANSLATE_NOOP("Controls", "Energia 30"), 0x0000FF,
     QT_TRANSLATE_NOOP("Controls",
                       "Energia di partenza    30                               Ogni carica    30 "
                       "punti di energia a scalare"),
     QT_TRANSLATE_NOOP("Controls", "ALTA")},
    {40, QT_TRANSLATE_NOOP("Controls", "Energia 40"), 0x00FFFF,
     QT_TRANSLATE_NOOP("Controls",
                       "Energia di partenza    40                               Ogni carica    40 "
                       "punti di energia a scalare"),
     QT_TRANSLATE_NOOP("Controls", "MEDIA")},
    {70, QT_TRANSLATE_NOOP("Controls", "Energia 70"), 0x00FF00,
     QT_TRANSLATE_NOOP("Controls",
                       "Energia di partenza    70                               Ogni carica    50 "
                       "punti di energia a scalare"),
     QT_TRANSLATE_NOOP("Controls", "BASSA")},
    {70, QT_TRANSLATE_NOOP("Controls", "Energia 70"), 0xFF0000,
     QT_TRANSLATE_NOOP("Controls",
                       "Energia di partenza    70                               Ogni carica    70 "
                       "punti di energia a scalare"),
     QT_TRANSLATE_NOOP("Controls", "BASSISSIMA")},
};

// The status captions before the first catch and the first loss.
constexpr const char* kObjectsCaughtCaption = QT_TRANSLATE_NOOP("Controls", "Oggetti presi");
constexpr const char* kObjectsLostCaption = QT_TRANSLATE_NOOP("Controls", "Oggetti persi");

// Leading and trailing spaces (only spaces) removed.
QString trimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace

void Form1::Option1_Click() {
    selectDifficulty(1);
}
void Form1::Option2_Click() {
    selectDifficulty(2);
}
void Form1::Option3_Click() {
    selectDifficulty(3);
}
void Form1::Option4_Click() {
    selectDifficulty(4);
}

void Form1::selectDifficulty(int option) {
    const Difficulty& d = kDifficulties[option - 1];
    GameState& s = game_.state;
    s.EnergiaIniziale = d.startingEnergy;
    s.ValoreCarica = s.EnergiaIniziale - rules::kChargeBonusBelowStart;
    s.EnergiaBase = s.EnergiaIniziale;
    controls_.setCaption("Pt", translatedCaption(d.energyCaption));
    controls_.setForeColour("Label2", d.colour);
    controls_.setBackColour("PulsanteStart", d.colour);
    controls_.setBackColour("LivelloDa1a6", d.colour);
    controls_.setCaption("Label2", translatedCaption(d.startPanelText));
    controls_.setForeColour("Label4", d.colour);
    controls_.setCaption("Label4", translatedCaption(d.name));
}

void Form1::HScroll1_Change() {
    changeSpeed("HScroll1", "HScroll2");
}
void Form1::HScroll2_Change() {
    changeSpeed("HScroll2", "HScroll1");
}

void Form1::changeSpeed(const std::string& changed, const std::string& other) {
    const int period = controls_.scrollBar(changed)->value();
    timer("TimerAnimazione").setInterval(period);
    timer("IntervalloSchemiApertura").setInterval(period);
    timer("IntervalloSchemiChiusura").setInterval(period);
    const QString digits = QString::number(period);
    const bool fromStartPanel = changed == "HScroll1";
    controls_.setCaption(fromStartPanel ? "Label13" : "Label30", digits);
    controls_.setCaption(fromStartPanel ? "Label30" : "Label13", digits);
    // Moves the other bar, whose own change then finds this bar already at the value.
    controls_.scrollBar(other)->setValue(period);
}

void Form1::PulsanteStart_Click() {
    const QString name = trimSpaces(controls_.caption("NomeGiocatore"));
    if (name.isEmpty() || name == translatedCaption(kNamePlaceholder)) return;

    for (const char* panel : {"Frame2", "Frame3", "Frame6", "Frame4"})
        controls_.hide(panel);
    controls_.show("Command2menu");
    controls_.hide("Command2MenuInizio");
    controls_.setCaption("BananePrese", QString());
    controls_.enable("Command1");
    game_.setGameStartValues();
    showEmptyCounters();
    controls_.hide("Frame3");
    controls_.hide("Frame1");
    timer("TimerNumeriCasuali").setEnabled(false);
    timer("TimerAnimazione").setEnabled(true);
    playSound(Sound::Carica);
    TitoloSchema_();
}

void Form1::showEmptyCounters() {
    controls_.setCaption("nPresiTotale", translatedCaption(kObjectsCaughtCaption));
    controls_.setCaption("nPersiTotale", translatedCaption(kObjectsLostCaption));
}

void Form1::NuovoGioco_Click() {
    GameState& s = game_.state;
    controls_.hide("Frame7");
    s.PosizioneUltimoRecord = 1;
    s.SenzaEvidenziazione = 1;
    controls_.hide("Command2menu");
    controls_.enable("Command2menu");
    controls_.show("Command2MenuInizio");
    for (const char* panel : {"Frame2", "Frame3", "Frame6", "Frame4"})
        controls_.hide(panel);
    showEmptyCounters();
    for (const char* label : {"Li", "Wpre", "Wper", "Record", "BananePrese"})
        controls_.setCaption(label, QString());
    game_.setBackground(backgrounds_[1]);
    game_.clearFrame();
    presentFrame();
    // "Energia", two spaces and the number: unlike the difficulty captions.
    controls_.setCaption("Pt", QString::fromStdString(
                                   numberCaption(tr("Energia ").toStdString(), s.EnergiaIniziale)));
    s.BananaX = s.BananaY = rules::kParked;
    for (const char* panel : {"Frame2", "Frame3", "Frame4"})
        controls_.hide(panel);
    controls_.show("Frame1");
    // Ready for the next name, as at start-up.
    QLineEdit* nameBox = controls_.textBox("NomeGiocatore");
    nameBox->setFocus();
    nameBox->selectAll();
}

} // namespace vorlin
