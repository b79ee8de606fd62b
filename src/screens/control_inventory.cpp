#include "control_inventory.h"

#include <array>
#include <deque>
#include <string>
#include <utility>

// The control table is plain data, without Qt: its captions carry the mark that the translation
// tools (lupdate) look for, and the window translates them as it builds the controls.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace vorlin {
namespace {

using enum ControlKind;
using enum TextAlign;

constexpr int kBlack = 0x000000;
constexpr int kWhite = 0xFFFFFF;
constexpr int kOrange = 0x0080FF;
constexpr int kGreen = 0x00FF00;
constexpr int kRed = 0x0000FF;
constexpr int kBlue = 0xFF0000;
constexpr int kYellow = 0x00FFFF;
constexpr int kTitleBoxColour = 0x404080;

constexpr FontSpec kArial12Bold{"Arial", 12, true};
constexpr FontSpec kArial18{"Arial", 18};
constexpr FontSpec kLinkFont{"Arial", 11.25, false, false, true};
constexpr FontSpec kAuthorFont{"Arial", 11.25};
constexpr FontSpec kHelpFont{"Arial", 9.75};
constexpr FontSpec kNameBoxFont{"Arial", 21.75, false, true};
constexpr FontSpec kSansSerifBold{"MS Sans Serif", 8.25, true};

// Both speed bars: a timer period from 1 to 150 ms, 80 ms at start.
constexpr ScrollSpec kSpeedScroll{
    .minimum = 1, .maximum = 150, .smallStep = 1, .largeStep = 20, .value = 80};
// The record table's bar: the first position shown, 1 to 991, so that ten rows reach 1000.
constexpr ScrollSpec kRecordScroll{
    .minimum = 1, .maximum = 991, .smallStep = 1, .largeStep = 10, .value = 1};

constexpr int kLinkHeight = 17;
constexpr const char* kMailAddress = "vorlin@example.org";
constexpr const char* kWebAddress = "https://vorlin.example.org/";
constexpr const char* kSpeedCaption = QT_TRANSLATE_NOOP("Controls", "< velocità gioco >");
constexpr const char* kSlowerCaption = QT_TRANSLATE_NOOP("Controls", "gioco più lento");
constexpr const char* kFasterCaption = QT_TRANSLATE_NOOP("Controls", "gioco più veloce");
constexpr const char* kClockCaption = QT_TRANSLATE_NOOP("Controls", "Clock gioco in millisecondi:");
constexpr const char* kStartSpeed = "80";
constexpr const char* kMenuCaption = QT_TRANSLATE_NOOP("Controls", "Menù->");
constexpr const char* kNamePrompt =
    QT_TRANSLATE_NOOP("Controls", "Inserire il nome del giocatore per avviare il gioco");
// The names a screen reader gives the controls without a caption.
constexpr const char* kSpeedBarName = QT_TRANSLATE_NOOP("Controls", "velocità gioco");
constexpr const char* kRecordBarName =
    QT_TRANSLATE_NOOP("Controls", "posizione nella tabella dei record");
// The character sheet and its mask are built into the program, not read from dati/.
constexpr const char* kBuiltInPicture = nullptr;

constexpr const char* kAuthorText = QT_TRANSLATE_NOOP(
    "Controls",
    "Vorlin è un gioco nato dalla passione di una piccola squadra di appassionati di giochi "
    "arcade. La creatura gialla dalla lunga coda arricciata attraversa sei scenari, sale sulle "
    "eliche e raccoglie gli oggetti che cadono dall'alto senza esaurire la propria energia. "
    "Disegnato e programmato nel tempo libero, offre partite brevi e divertenti a giocatori di "
    "ogni età.");

// The help text keeps long runs of spaces: word-wrapped in its label they start a new line.
constexpr int kHelpGoalGap = 110;
constexpr int kHelpControlsGap = 134;
constexpr const char* kHelpHeading = QT_TRANSLATE_NOOP("Controls", "Scopo del gioco:");
constexpr const char* kHelpGoal = QT_TRANSLATE_NOOP(
    "Controls",
    "accumulare più punti possibili.  I punti sono legati al numero di cariche effettuate e al "
    "numero di oggetti presi.   Nel gioco bisogna fare attenzione a non  consumare  tutta  "
    "l'energia  disponibile.   Questa viene decrementata di  1  ogni  volta  che  si  perde  un  "
    "oggetto piccolo.   Per incrementare l'energia bisogna catturare gli oggetti piccoli (energia "
    "incrementata di un punto) o gli oggetti grandi (energia incrementata di  più  punti  a  "
    "seconda  del  grado  di  difficoltà  ed all'avanzamento del gioco). Si passa allo schema "
    "successivo ogni  5  oggetti  grandi  catturati.  Gli oggetti grandi compaiono ogni 10 oggetti "
    "piccoli persi.  Gestione:");
constexpr const char* kHelpControls = QT_TRANSLATE_NOOP(
    "Controls",
    "le  varie  funzioni  del  gioco sono  accessibili  dal  tasto Menù. Cliccandolo comparirà  "
    "una  pulsantiera  che  consentirà  di  accedere  alle  finestre dei RECORD  (Max 1000), "
    "dell'HELP, alla scheda AUTORE, alla visione A TUTTO SCHERMO, ad una  NUOVA PARTITA  o a "
    "riprendere quella appena abbandonata. La ripresa  della partita  appena abbandonata  potrà "
    "essere  effettuata anche  digitando  nuovamente sul tasto  menù  che provvederà  anche  a "
    "nascondere  la pulsantiera.  A gioco  avviato  questo  lo  si  potrà mettere in pausa "
    "premendo  direttamente il stato P  o chiuderlo definitivamente premendo 2 volte il tasto "
    "Esc.");

// The start-up difficulty line shows the "Bassa" values with its fixed runs of spaces.
constexpr int kDifficultyNumberGap = 4;
constexpr int kDifficultyColumnGap = 31;

// The record grid: ten rows of a coloured square and four labels each.
constexpr int kGridRowCount = 10;
constexpr int kGridFirstRowTop = 40;
constexpr int kGridRowPitch = 24;
constexpr int kGridRowHeight = 17;
constexpr int kGridSquareLeft = 304;
constexpr int kGridSquareSize = 17;

// One control per entry reads better than one field per line.
// clang-format off
struct GridColumn { const char* prefix; int left; int width; TextAlign align; };

constexpr std::array<GridColumn, 4> kGridColumns{{
    {"P", 328, 25, Centre}, // position
    {"R", 368, 41, Centre}, // points
    {"D", 424, 65, Centre}, // date
    {"G", 504, 89, Left},   // player name
}};

// A hidden picture box that only holds a sprite picture as the source of masked draws.
ControlSpec pictureHolder(const char* name, int x, int y, int width, int height,
                          const char* pictureFile) {
    return {.name = name, .kind = PictureHolder, .x = x, .y = y, .width = width, .height = height,
            .hidden = true, .pictureFile = pictureFile};
}

// A fixed caption in white on black, as most captions of the panels are.
ControlSpec whiteLabel(const char* name, const char* container, const char* caption, int x, int y,
                       int width, int height, FontSpec font = {}) {
    return {.name = name, .kind = Label, .container = container, .caption = caption, .x = x,
            .y = y, .width = width, .height = height, .foreColour = kWhite, .backColour = kBlack,
            .font = font};
}

// The mail and web links: underlined orange text under a hand pointer.
ControlSpec linkLabel(const char* name, const char* container, const char* address, int x, int y,
                      int width) {
    return {.name = name, .kind = Label, .container = container, .caption = address, .x = x,
            .y = y, .width = width, .height = kLinkHeight, .foreColour = kOrange,
            .backColour = kBlack, .font = kLinkFont, .handCursor = true};
}

// A value of the last game's summary, filled in at game over.
ControlSpec summaryValue(const char* name, int x, int y, int width, int height, int colour) {
    return {.name = name, .kind = Label, .container = "Frame2", .x = x, .y = y, .width = width,
            .height = height, .foreColour = colour, .backColour = kBlack, .font = kArial12Bold,
            .align = Right};
}

// Keeps a generated text alive for the whole program; the rows point into it.
const char* keepText(std::string text) {
    static std::deque<std::string> texts;
    return texts.emplace_back(std::move(text)).c_str();
}

const char* helpText() {
    return keepText(std::string(kHelpHeading) + std::string(kHelpGoalGap, ' ') + kHelpGoal +
                    std::string(kHelpControlsGap, ' ') + kHelpControls);
}

// The "Bassa" line of the difficulty table of the game start, whose translation it shares.
const char* startDifficultyText() {
    const std::string numberGap(kDifficultyNumberGap, ' ');
    return keepText("Energia di partenza" + numberGap + "70" +
                    std::string(kDifficultyColumnGap, ' ') + "Ogni carica" + numberGap +
                    "50 punti di energia a scalare");
}

std::string rowName(const char* prefix, int row) {
    return prefix + std::string(row < 10 ? "0" : "") + std::to_string(row);
}

int gridRowTop(int row) { return kGridFirstRowTop + kGridRowPitch * (row - 1); }

// The squares first, then the labels column by column, each column from row 1 to row 10.
void appendRecordGridSquares(std::vector<ControlSpec>& rows) {
    for (int row = 1; row <= kGridRowCount; ++row) {
        rows.push_back({.name = keepText(rowName("Shape", row)), .kind = Shape,
                        .container = "Frame2", .x = kGridSquareLeft, .y = gridRowTop(row),
                        .width = kGridSquareSize, .height = kGridSquareSize, .backColour = kBlack,
                        .filled = true});
    }
}

// Each label starts with its own name as a placeholder; the record table fills it in.
void appendRecordGridLabels(std::vector<ControlSpec>& rows) {
    for (const GridColumn& column : kGridColumns) {
        for (int row = 1; row <= kGridRowCount; ++row) {
            const char* name = keepText(rowName(column.prefix, row));
            rows.push_back({.name = name, .kind = Label, .container = "Frame2", .caption = name,
                            .x = column.left, .y = gridRowTop(row), .width = column.width,
                            .height = kGridRowHeight, .foreColour = kWhite, .backColour = kBlack,
                            .align = column.align});
        }
    }
}

std::vector<ControlSpec> buildInventory() {
    std::vector<ControlSpec> rows = {
        // The level-title box and the speed panel.
        {.name = "PictureTitoloSchema", .kind = PictureBox, .x = 168, .y = 208, .width = 313,
         .height = 25, .hidden = true, .backColour = kTitleBoxColour},
        {.name = "LabelPictureTitoloSchema", .kind = Label, .container = "PictureTitoloSchema",
         .width = 313, .height = 33, .foreColour = kOrange, .font = kArial18, .align = Centre,
         .transparent = true},
        {.name = "Timer2", .kind = Timer, .disabled = true, .interval = 5000},
        {.name = "Frame7", .kind = Panel, .y = 410, .width = 649, .height = 50, .hidden = true,
         .backColour = kBlack},
        {.name = "HScroll2", .kind = HScrollBar, .container = "Frame7", .x = 208, .y = 24,
         .width = 409, .height = 17, .scroll = kSpeedScroll, .accessibleName = kSpeedBarName},
        {.name = "Label30", .kind = Label, .container = "Frame7", .caption = kStartSpeed, .x = 88,
         .y = 24, .width = 25, .height = 17, .foreColour = kOrange, .backColour = kBlack},
        whiteLabel("Label29", "Frame7", kClockCaption, 32, 8, 129, 17),
        whiteLabel("Label28", "Frame7", kSpeedCaption, 368, 8, 97, 17),
        whiteLabel("Label27", "Frame7", kSlowerCaption, 544, 8, 73, 17),
        whiteLabel("Label26", "Frame7", kFasterCaption, 208, 8, 81, 17),

        // Transitions, the darkness pictures and the menu button before a game.
        {.name = "IntervalloSchemiframe5", .kind = Timer, .disabled = true, .interval = 6000},
        {.name = "Frame5", .kind = Panel, .caption = "Frame5", .y = 460, .width = 640,
         .height = 22, .hidden = true, .backColour = kBlack},
        {.name = "IntervalloSchemiChiusura", .kind = Timer, .disabled = true, .interval = 40},
        {.name = "IntervalloSchemiApertura", .kind = Timer, .disabled = true, .interval = 40},
        pictureHolder("picSpriteN", 208, 376, 33, 41, "BuioCol.kpb"),
        pictureHolder("picMascheraN", 168, 376, 33, 41, "BuioCol.kpb"),
        {.name = "Timer1", .kind = Timer, .interval = 3000},
        {.name = "Command2MenuInizio", .kind = Button, .caption = kMenuCaption, .y = 460,
         .width = 47, .height = 21},
        // The record panel: the last game's summary on the left.
        {.name = "Frame2", .kind = Panel, .x = 8, .y = 88, .width = 625, .height = 281,
         .hidden = true, .backColour = kBlack, .border = true},
        {.name = "VScroll1", .kind = VScrollBar, .container = "Frame2", .x = 600, .y = 40,
         .width = 17, .height = 233, .scroll = kRecordScroll, .accessibleName = kRecordBarName},
        {.name = "R", .kind = Button, .container = "Frame2", .caption = "R", .x = 600, .y = 16,
         .width = 17, .height = 17, .font = kSansSerifBold},
        summaryValue("ScheSu", 232, 160, 57, 17, kWhite),
        whiteLabel("Label22", "Frame2", QT_TRANSLATE_NOOP("Controls", "Schemi superati"), 16, 160, 161, 17, kArial12Bold),
        {.name = "Image2", .kind = Image, .container = "Frame2", .x = 8, .y = 56, .width = 278,
         .height = 79},
        {.name = "Label4", .kind = Label, .container = "Frame2", .caption = QT_TRANSLATE_NOOP("Controls", "BASSA"), .x = 144,
         .y = 24, .width = 145, .height = 25, .foreColour = kGreen, .backColour = kBlack,
         .font = kArial12Bold, .align = Right},
        whiteLabel("Label5", "Frame2", QT_TRANSLATE_NOOP("Controls", "Numero cariche"), 16, 184, 153, 17, kArial12Bold),
        summaryValue("Li", 232, 184, 57, 17, kWhite),
        whiteLabel("Label7", "Frame2", QT_TRANSLATE_NOOP("Controls", "Totale   oggetti  presi"), 16, 208, 185, 25, kArial12Bold),
        whiteLabel("Label8", "Frame2", QT_TRANSLATE_NOOP("Controls", "Totale   oggetti  persi"), 16, 232, 185, 25, kArial12Bold),
        summaryValue("Wpre", 224, 208, 65, 17, kGreen),
        summaryValue("Wper", 224, 232, 65, 17, kRed),
        whiteLabel("Label6", "Frame2", QT_TRANSLATE_NOOP("Controls", "Difficoltà gioco"), 16, 24, 121, 25, kArial12Bold),
        whiteLabel("Label9", "Frame2", QT_TRANSLATE_NOOP("Controls", "Punti   totalizzati"), 16, 256, 177, 17, kArial12Bold),
        summaryValue("Record", 200, 256, 89, 25, kOrange),
    };

    // The record grid on the right of the panel, split by its separator line and heads.
    appendRecordGridSquares(rows);
    rows.insert(rows.end(), {
        {.name = "Line1", .kind = Line, .container = "Frame2", .x = 296, .y = 16, .height = 256,
         .backColour = kYellow},
        whiteLabel("Label19", "Frame2", QT_TRANSLATE_NOOP("Controls", "Dif. Posiz. Record    Data record   Nome giocatore"),
                   304, 16, 289, 17, kSansSerifBold),
        {.name = "Label20", .kind = Label, .container = "Frame2", .x = 600, .y = 16, .width = 17,
         .height = 17, .backColour = kWhite},
    });
    appendRecordGridLabels(rows);

    rows.insert(rows.end(), {
        // The author panel.
        {.name = "Frame6", .kind = Panel, .x = 8, .y = 88, .width = 625, .height = 281,
         .hidden = true, .backColour = kBlack},
        linkLabel("Label10", "Frame6", kMailAddress, 432, 242, 178),
        linkLabel("Label25", "Frame6", kWebAddress, 336, 257, 276),
        {.name = "Label15", .kind = Label, .container = "Frame6", .caption = kAuthorText, .x = 16,
         .y = 16, .width = 273, .height = 257, .foreColour = kOrange, .backColour = kBlack,
         .font = kAuthorFont, .wordWrap = true},
        {.name = "Line2", .kind = Line, .container = "Frame6", .x = 296, .y = 16, .height = 256,
         .backColour = kYellow},
        {.name = "Image1", .kind = Image, .container = "Frame6", .x = 312, .y = 16, .width = 298,
         .height = 226},
        // The help panel.
        {.name = "Frame3", .kind = Panel, .x = 8, .y = 88, .width = 625, .height = 281,
         .hidden = true, .backColour = kBlack},
        linkLabel("Label23", "Frame3", kMailAddress, 432, 242, 178),
        linkLabel("Label24", "Frame3", kWebAddress, 336, 257, 276),
        {.name = "Label16", .kind = Label, .container = "Frame3", .caption = helpText(), .x = 16,
         .y = 8, .width = 601, .height = 241, .foreColour = kOrange, .backColour = kBlack,
         .font = kHelpFont, .wordWrap = true},
        // Lift ropes, bananas, the saved screen mode and its control.
        pictureHolder("picSpriteCoDi", 48, 176, 33, 41, "CordaDiC.kpb"),
        pictureHolder("picMascheraCoDi", 0, 168, 33, 41, "CordaDiN.kpb"),
        pictureHolder("picSpriteCoDa", 48, 128, 33, 41, "CordaDaC.kpb"),
        pictureHolder("picMascheraCoDa", 0, 120, 33, 41, "CordaDaN.kpb"),
        {.name = "Command2menu", .kind = Button, .caption = kMenuCaption, .y = 460, .width = 47,
         .height = 21, .hidden = true},
        pictureHolder("picSpriteBa", 48, 72, 33, 41, "Bananaco.kpb"),
        pictureHolder("picMascheraBa", 0, 72, 33, 41, "Bananane.kpb"),
        {.name = "txtRisoluzioneZ", .kind = TextBox, .x = 96, .y = 392, .width = 33, .height = 21,
         .hidden = true,
         .accessibleName = QT_TRANSLATE_NOOP("Controls", "profondità di colore dello schermo all'avvio")},
        {.name = "txtRisoluzioneY", .kind = TextBox, .x = 48, .y = 392, .width = 33, .height = 21,
         .hidden = true,
         .accessibleName = QT_TRANSLATE_NOOP("Controls", "altezza dello schermo all'avvio")},
        {.name = "txtRisoluzioneX", .kind = TextBox, .x = 8, .y = 392, .width = 33, .height = 21,
         .hidden = true,
         .accessibleName = QT_TRANSLATE_NOOP("Controls", "larghezza dello schermo all'avvio")},
        {.name = "cmdCambiaRisoluzione", .kind = Button, .caption = QT_TRANSLATE_NOOP("Controls", "Cambia risoluzione"), .x = 8,
         .y = 424, .width = 121, .height = 25, .hidden = true},
        {.name = "KaprelCambiaRisoluzione1", .kind = ResolutionControl, .width = 30, .height = 33},
        // Ground strip, wall and platform pictures.
        pictureHolder("picSpriteO", 48, 8, 33, 41, "BaseBisC.kpb"),
        pictureHolder("picMascheraO", 8, 8, 33, 41, "BaseBisN.kpb"),
        pictureHolder("picSpriteM", 392, 104, 57, 89, "MuroC.kpb"),
        pictureHolder("picMascheraM", 328, 104, 57, 89, "MuroN.kpb"),
        pictureHolder("BaseNera", 456, 8, 73, 25, "BaseN.kpb"),
        pictureHolder("BaseColo", 456, 40, 73, 25, "BaseC.kpb"),

        // The button bar, right to left.
        {.name = "Frame4", .kind = Panel, .x = 39, .y = 460, .width = 601, .height = 20,
         .hidden = true, .backColour = kBlack},
        {.name = "EsciEsci", .kind = Button, .container = "Frame4", .caption = QT_TRANSLATE_NOOP("Controls", "&Esci"), .x = 544,
         .width = 57, .height = 21},
        {.name = "Command2", .kind = Button, .container = "Frame4", .caption = "&?", .x = 488,
         .width = 57, .height = 21},
        {.name = "Command3", .kind = Button, .container = "Frame4", .caption = QT_TRANSLATE_NOOP("Controls", "&Autore"), .x = 424,
         .width = 65, .height = 21},
        {.name = "Command5", .kind = Button, .container = "Frame4", .caption = QT_TRANSLATE_NOOP("Controls", "&Record"), .x = 360,
         .width = 65, .height = 21},
        {.name = "Riso1", .kind = Button, .container = "Frame4", .caption = QT_TRANSLATE_NOOP("Controls", "A tutto &schermo"),
         .x = 272, .width = 89, .height = 21},
        {.name = "NuovoGioco", .kind = Button, .container = "Frame4", .caption = QT_TRANSLATE_NOOP("Controls", "&Gioca di nuovo"),
         .x = 184, .width = 89, .height = 21},
        {.name = "Command1", .kind = Button, .container = "Frame4", .caption = QT_TRANSLATE_NOOP("Controls", "R&iprendi gioco"),
         .x = 96, .width = 89, .height = 21, .disabled = true},
        {.name = "Command4", .kind = Button, .container = "Frame4",
         .caption = QT_TRANSLATE_NOOP("Controls", "&Velocità gioco-->"), .x = 8, .width = 89, .height = 21},
        pictureHolder("PausaN", 376, 304, 25, 25, "PausaN1.kpb"),
        pictureHolder("PausaC", 376, 344, 25, 25, "PausaC1.kpb"),

        // The status row: difficulty, objects caught, objects lost.
        {.name = "Picture5", .kind = PictureBox, .x = 302, .y = 460, .width = 37, .height = 20},
        {.name = "LivelloDa1a6", .kind = Label, .container = "Picture5", .caption = QT_TRANSLATE_NOOP("Controls", "Dif."),
         .width = 37, .height = 20, .foreColour = kBlack, .backColour = kGreen,
         .font = kArial12Bold, .align = Centre},
        {.name = "Picture4", .kind = PictureBox, .x = 328, .y = 460, .width = 169, .height = 20},
        {.name = "nPresiTotale", .kind = Label, .container = "Picture4",
         .caption = QT_TRANSLATE_NOOP("Controls", "Oggetti presi"), .x = 8, .width = 161, .height = 20, .foreColour = kGreen,
         .backColour = kBlack, .font = kArial12Bold, .align = Centre},
        {.name = "Picture3", .kind = PictureBox, .x = 496, .y = 460, .width = 145, .height = 20},
        {.name = "nPersiTotale", .kind = Label, .container = "Picture3",
         .caption = QT_TRANSLATE_NOOP("Controls", "Oggetti persi"), .width = 145, .height = 20, .foreColour = kRed,
         .backColour = kBlack, .font = kArial12Bold, .align = Centre},
        // The start panel.
        {.name = "Frame1", .kind = Panel, .x = 48, .y = 128, .width = 545, .height = 217,
         .backColour = kBlack, .border = true},
        {.name = "PulsanteStart", .kind = Button, .container = "Frame1", .caption = QT_TRANSLATE_NOOP("Controls", "&Start"),
         .x = 16, .y = 136, .width = 73, .height = 65, .backColour = kGreen, .font = kArial18},
        {.name = "HScroll1", .kind = HScrollBar, .container = "Frame1", .x = 120, .y = 104,
         .width = 409, .height = 17, .scroll = kSpeedScroll, .accessibleName = kSpeedBarName},
        {.name = "NomeGiocatore", .kind = TextBox, .container = "Frame1",
         .caption = QT_TRANSLATE_NOOP("Controls", "Inserire il nome del giocatore"), .x = 136, .y = 160, .width = 385,
         .height = 40, .foreColour = kOrange, .backColour = kBlack, .font = kNameBoxFont,
         .accessibleName = kNamePrompt},
        {.name = "Option4", .kind = OptionButton, .container = "Frame1", .caption = QT_TRANSLATE_NOOP("Controls", "Bassissima"),
         .x = 16, .y = 112, .width = 73, .height = 17, .foreColour = kBlue, .backColour = kBlack},
        {.name = "Option3", .kind = OptionButton, .container = "Frame1", .caption = QT_TRANSLATE_NOOP("Controls", "Bassa"),
         .x = 16, .y = 88, .width = 49, .height = 17, .selected = true, .foreColour = kGreen,
         .backColour = kBlack},
        {.name = "Option2", .kind = OptionButton, .container = "Frame1", .caption = QT_TRANSLATE_NOOP("Controls", "Media"),
         .x = 16, .y = 64, .width = 57, .height = 17, .foreColour = kYellow, .backColour = kBlack},
        {.name = "Option1", .kind = OptionButton, .container = "Frame1", .caption = QT_TRANSLATE_NOOP("Controls", "Alta"),
         .x = 16, .y = 40, .width = 57, .height = 17, .foreColour = kRed, .backColour = kBlack},
        whiteLabel("Label14", "Frame1", kSpeedCaption, 280, 80, 97, 17),
        whiteLabel("Label21", "Frame1", kNamePrompt,
                   288, 144, 233, 17),
        {.name = "Shape1", .kind = Shape, .container = "Frame1", .x = 120, .y = 136, .width = 409,
         .height = 65, .backColour = kRed},
        whiteLabel("Label18", "Frame1", kSlowerCaption, 456, 80, 73, 17),
        whiteLabel("Label17", "Frame1", kFasterCaption, 120, 80, 81, 17),
        {.name = "Label13", .kind = Label, .container = "Frame1", .caption = kStartSpeed, .x = 264,
         .y = 48, .width = 25, .height = 17, .foreColour = kOrange, .backColour = kBlack},
        whiteLabel("Label12", "Frame1", kClockCaption, 120, 48, 129, 17),
        {.name = "Label2", .kind = Label, .container = "Frame1", .caption = startDifficultyText(),
         .x = 120, .y = 16, .width = 409, .height = 17, .foreColour = kGreen, .backColour = kBlack},
        whiteLabel("Label1", "Frame1", QT_TRANSLATE_NOOP("Controls", "Difficoltà gioco:"), 16, 16, 81, 17),

        // The status row: energy and charges.
        {.name = "Picture2", .kind = PictureBox, .x = 32, .y = 460, .width = 145, .height = 20},
        {.name = "Pt", .kind = Label, .container = "Picture2", .caption = QT_TRANSLATE_NOOP("Controls", "Energia 70"),
         .width = 153, .height = 20, .foreColour = kOrange, .backColour = kBlack,
         .font = kArial12Bold, .align = Centre},
        {.name = "Picture1", .kind = PictureBox, .x = 176, .y = 460, .width = 129, .height = 20},
        {.name = "Label11", .kind = Label, .container = "Picture1", .caption = QT_TRANSLATE_NOOP("Controls", "N.Cariche"),
         .width = 81, .height = 20, .foreColour = kWhite, .backColour = kBlack,
         .font = kArial12Bold, .align = Centre},
        {.name = "BananePrese", .kind = Label, .container = "Picture1", .x = 80, .width = 57,
         .height = 20, .foreColour = kRed, .backColour = kBlack, .font = kArial12Bold,
         .align = Centre},
        // Random numbers, the lift and the falling objects, the animation, the character.
        {.name = "TimerNumeriCasuali", .kind = Timer, .interval = 1},
        pictureHolder("picSpriteA", 392, 8, 57, 89, "ElicaCol.kpb"),
        pictureHolder("picMascheraA", 328, 8, 57, 89, "ElicaNer.kpb"),
        pictureHolder("picSpriteW", 120, 16, 25, 57, "W1colore.kpb"),
        pictureHolder("picMascheraW", 88, 16, 25, 57, "W1nero.kpb"),
        {.name = "TimerAnimazione", .kind = Timer, .disabled = true, .interval = 80},
        pictureHolder("picSpriteS", 240, 0, 196, 784, kBuiltInPicture),
        pictureHolder("picMascheraS", 152, 0, 196, 784, kBuiltInPicture),
        {.name = "Label3", .kind = Label, .caption = QT_TRANSLATE_NOOP("Controls", "Schema passato"), .x = 8, .y = 208,
         .width = 625, .height = 33, .hidden = true, .foreColour = kOrange, .font = kArial18,
         .align = Centre, .transparent = true},
    });
    // clang-format on
    return rows;
}

} // namespace

const std::vector<ControlSpec>& controlInventory() {
    static const std::vector<ControlSpec> inventory = buildInventory();
    return inventory;
}

} // namespace vorlin
