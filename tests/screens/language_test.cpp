// The game in English: the language follows the desktop's, every text the player sees is
// translated and held inside its control, and nothing but the words depends on the language.

#include "form_fixture.h"

#include "records/record_file.h"
#include "records/record_store.h"
#include "screens/game_language.h"
#include "screens/record_messages.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>

#include <fstream>
#include <iterator>
#include <optional>
#include <set>

namespace vorlin::testing {
namespace {

TEST(GameLanguageChoice, ItalianWhenItComesBeforeEnglishOrNoLanguageIsSet) {
    struct Case {
        QStringList uiLanguages;
        GameLanguage expected;
    };
    const Case cases[] = {
        {{"it-IT"}, GameLanguage::Italian},
        {{"it"}, GameLanguage::Italian},
        {{"en-US", "en"}, GameLanguage::English},
        {{"de-DE", "de"}, GameLanguage::English},
        {{"fr-FR"}, GameLanguage::English},
        {{"de-DE", "it-IT", "en-US"}, GameLanguage::Italian},
        {{"de-DE", "en-GB", "it-IT"}, GameLanguage::English},
        {{"en-GB", "it-IT"}, GameLanguage::English},
        {{"C"}, GameLanguage::Italian},
        {{"POSIX"}, GameLanguage::Italian},
        {{}, GameLanguage::Italian},
        {{"C", "de-DE"}, GameLanguage::English},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.uiLanguages.join(QLatin1Char(',')).toStdString());
        EXPECT_EQ(languageForDesktop(c.uiLanguages), c.expected);
    }
}

// Texts that read the same in both languages: addresses, digits, the record grid's cells
// before the table fills them, the help button, the Start button and the table's reload button.
bool sameInBothLanguages(const QString& caption) {
    static const std::set<QString> same = {
        "&?", "R", "&Start", "80", "vorlin@example.org", "https://vorlin.example.org/",
    };
    static const QRegularExpression gridCell(QStringLiteral("^[PRDG][01][0-9]$"));
    return caption.isEmpty() || same.count(caption) || gridCell.match(caption).hasMatch();
}

// The width the text of a control may take: its face less the style's frame and, for an option
// button, its round mark.
int roomForText(QWidget* widget) {
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return button->style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
            .width();
    }
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        return option->style()
            ->subElementRect(QStyle::SE_RadioButtonContents, &style, option)
            .width();
    }
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        // A line edit keeps two pixels of margin on each side of its text.
        return box->contentsRect().width() - box->textMargins().left() -
               box->textMargins().right() - 4;
    }
    return widget->contentsRect().width();
}

QString shownText(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return QString(button->text()).remove(QLatin1Char('&'));
    if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
    return {};
}

// Every text of the window lies inside its control at the control's own font: a single-line
// text is no wider than its room, a word-wrapped one no taller than its label.
void expectEveryTextFits(const Controls& controls) {
    for (const ControlSpec* design : controls.widgetSpecs()) {
        QWidget* widget = controls.widget(design->name);
        const QString text = shownText(widget);
        if (text.isEmpty()) continue;
        SCOPED_TRACE(std::string(design->name) + ": " + text.toStdString());
        const QFontMetrics metrics(widget->font());
        if (design->wordWrap) {
            const QRect needed =
                metrics.boundingRect(QRect(0, 0, widget->contentsRect().width(), 100000),
                                     Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
            EXPECT_LE(needed.height(), widget->contentsRect().height());
        } else {
            EXPECT_LE(metrics.horizontalAdvance(text), roomForText(widget));
        }
    }
}

// The form in one language, on its virtual clock, with a player named Anna on the start panel.
class LanguageForm : public FormFixture {
  protected:
    void loadIn(GameLanguage language) {
        translation.emplace(language);
        translation->install();
        load();
    }

    void typeName(const char* name) { form->controls().textBox("NomeGiocatore")->setText(name); }

    // Fills the status row with three-digit numbers, as a long game does.
    void showLongCounters() {
        GameState& s = state();
        s.OggettiPresi = s.OggettiPersi = 999;
        form->controls().setCaption("BananePrese", "999");
    }

    // Every text a game shows, in turn: each difficulty, each scheme title, both captions of
    // the full-screen button, the status row, the messages and the record panel.
    void expectEveryPanelFits() {
        expectEveryTextFits(form->controls());
        for (const char* option : {"Option1", "Option2", "Option4", "Option3"}) {
            ASSERT_TRUE(form->clickControl(option));
            expectEveryTextFits(form->controls());
        }
        form->Riso1_Click();
        expectEveryTextFits(form->controls());
        form->Riso1_Click();
        typeName("Bartholomew");
        ASSERT_TRUE(form->clickControl("PulsanteStart"));
        for (int scheme = 1; scheme <= 6; ++scheme) {
            SCOPED_TRACE(scheme);
            state().NumeroSchema = scheme;
            form->TitoloSchema_();
            form->NuovoSchemaParte2_();
            expectEveryTextFits(form->controls());
        }
        state().PartitaFinita = 1;
        form->NuovoSchemaParte2_();
        form->MascheraFineGioco_();
        expectEveryTextFits(form->controls());
    }

    std::optional<GameTranslation> translation;
};

using EnglishForm = LanguageForm;

TEST_F(EnglishForm, EveryTextThePlayerSeesIsTranslated) {
    loadIn(GameLanguage::English);
    auto expectTranslated = [this](const char* when) {
        SCOPED_TRACE(when);
        for (const ControlSpec* design : form->controls().widgetSpecs()) {
            const QString shown = caption(design->name);
            if (sameInBothLanguages(shown) || design->kind == ControlKind::TextBox) continue;
            SCOPED_TRACE(design->name);
            EXPECT_NE(shown, QString::fromUtf8(design->caption));
        }
    };
    expectTranslated("at start-up");
    EXPECT_EQ(caption("NomeGiocatore"), "Enter the player's name");
    EXPECT_EQ(form->windowTitle(), "Vorlin     Ver. 4.01  for Windows 95, 98, ME, 2000, XP, Vista");
    EXPECT_EQ(caption("Pt"), "Energy 70");

    // The texts the game writes as it goes, and what the player types shown as typed.
    ASSERT_TRUE(form->clickControl("Option1"));
    EXPECT_EQ(caption("Label4"), "HARD");
    EXPECT_EQ(caption("Label2").left(20), "Starting energy    3");
    typeName("50% Ann%1");
    ASSERT_TRUE(form->clickControl("PulsanteStart"));
    EXPECT_EQ(caption("LabelPictureTitoloSchema"), "The playroom");
    EXPECT_EQ(caption("nPresiTotale"), "Objects caught");
    form->NuovoSchemaParte2_();
    EXPECT_EQ(caption("Label3"), "Hi 50% Ann%1, level 1 complete");
    state().PartitaFinita = 1;
    form->NuovoSchemaParte2_();
    EXPECT_EQ(caption("Label3"), "Bye 50% Ann%1, you have used up all your energy");
    expectTranslated("after a game");
}

// The status row in English keeps the leading space of a number that is not negative.
TEST_F(EnglishForm, TheStatusRowKeepsTheNumbersLeadingSpace) {
    loadIn(GameLanguage::English);
    typeName("Anna");
    ASSERT_TRUE(form->clickControl("PulsanteStart"));
    GameState& s = state();
    s.QuarziY[1] = 401; // lost by the next tick
    clock.fireNext();
    EXPECT_EQ(caption("nPersiTotale"), "Objects lost  1");
    EXPECT_EQ(caption("Pt"), "Energy  69");
    s.EnergiaBase = -5;
    s.QuarziY[2] = 401;
    clock.fireNext();
    EXPECT_EQ(caption("Pt").left(8), "Energy -");
}

TEST_F(EnglishForm, EveryTextFitsItsControl) {
    loadIn(GameLanguage::English);
    showLongCounters();
    expectEveryPanelFits();
}

using ItalianForm = LanguageForm;

TEST_F(ItalianForm, EveryTextFitsItsControl) {
    loadIn(GameLanguage::Italian);
    showLongCounters();
    expectEveryPanelFits();
}

// The full-screen button keeps its own state: its English caption turns it on and off as the
// Italian one does.
TEST_F(EnglishForm, TheFullScreenButtonAlternatesInEnglish) {
    loadIn(GameLanguage::English);
    EXPECT_EQ(caption("Riso1"), "Full &screen");
    form->Riso1_Click();
    EXPECT_EQ(caption("Riso1"), "Leave &full screen");
    form->Riso1_Click();
    EXPECT_EQ(caption("Riso1"), "Full &screen");
}

// One whole game, left to play itself at the fastest speed until its result is in the table.
std::string playAWholeGame(Form1& form, VirtualClock& clock,
                           const std::filesystem::path& recordFile) {
    form.controls().scrollBar("HScroll1")->setValue(1);
    EXPECT_TRUE(form.clickControl("PulsanteStart"));
    for (long guard = 0; guard < 10'000'000 && !form.controls().visible("Frame2"); ++guard)
        if (!clock.fireNext()) break;
    EXPECT_TRUE(form.controls().visible("Frame2"));
    std::ifstream file(recordFile, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The language changes the words only: the same game ends with the same results and leaves the
// record file byte for byte as in Italian.
TEST_F(LanguageForm, AWholeGameInEnglishStoresTheSameRecordAsInItalian) {
    loadIn(GameLanguage::Italian);
    typeName("Anna");
    const std::string italian = playAWholeGame(*form, clock, programFolder / "Recordc1.kpr");
    const QString italianPoints = caption("Record");
    const QString italianCharges = caption("Li");

    // The same game in a second program folder of its own, in English on a fresh clock.
    form.reset();
    QTemporaryDir englishScratch;
    programFolder = englishScratch.path().toStdString();
    std::filesystem::copy(VORLIN_TEST_DATA_DIR, programFolder / "dati",
                          std::filesystem::copy_options::recursive);
    VirtualClock englishClock;
    translation.emplace(GameLanguage::English);
    translation->install();
    form = std::make_unique<Form1>(optionsOn(englishClock));
    ASSERT_TRUE(form->Form_Load());
    form->controls().textBox("NomeGiocatore")->setText("Anna");
    const std::string english = playAWholeGame(*form, englishClock, programFolder / "Recordc1.kpr");

    EXPECT_EQ(caption("Label4"), "EASY");
    EXPECT_EQ(caption("Record"), italianPoints);
    EXPECT_EQ(caption("Li"), italianCharges);
    EXPECT_FALSE(italian.empty());
    EXPECT_EQ(english, italian);
    form.reset(); // before its program folder goes
}

// What goes wrong with the record table is told in English too, with the file's path as it is:
// the problems as the record code really reports them, when it reads and when it saves.
TEST(RecordProblems, AreToldInTheGamesLanguage) {
    QTemporaryDir scratch;
    const std::filesystem::path folder = scratch.path().toStdString();
    const std::filesystem::path notAFile = folder / "Recordc1.kpr";
    std::filesystem::create_directory(notAFile);
    const std::filesystem::path tooLong = folder / "long.kpr";
    std::ofstream(tooLong) << std::string(40000, 'x') << "\r\n";
    const std::string notAFileProblem = RecordFile(notAFile).load().problem;
    const std::string tooLongProblem = RecordFile(tooLong).load().problem;
    RecordStore store;
    store.VerificaEsistenzaFileRecordOSuaCreazionePulito_(folder, folder / "fallback");
    const std::string failedSave =
        store.InserimentoNuovoRecordNelFile_("65280", "12", "10/12/2026", "Anna").errorMessage;
    const std::string notChosen =
        RecordStore()
            .InserimentoNuovoRecordNelFile_("65280", "12", "10/12/2026", "Anna")
            .errorMessage;

    const QString notAFilePath = QString::fromStdString(notAFile.string());
    const struct {
        std::string problem;
        QString italian;
        QString english;
    } cases[] = {
        {notAFileProblem, "Il file dei record non è un file normale (" + notAFilePath + ").",
         "The record file is not a regular file (" + notAFilePath + ")."},
        {tooLongProblem,
         "Il file dei record è danneggiato: ha una riga più lunga di qualsiasi record (" +
             QString::fromStdString(tooLong.string()) + ").",
         "The record file is damaged: it has a line longer than any record can be (" +
             QString::fromStdString(tooLong.string()) + ")."},
        {failedSave,
         "Impossibile salvare il record: il file dei record non è un file normale (" +
             notAFilePath + ").",
         "Cannot save the record: the record file is not a regular file (" + notAFilePath + ")."},
        {notChosen,
         "Impossibile salvare il record: la cartella dei record non è stata ancora scelta.",
         "Cannot save the record: the record folder has not been chosen yet."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        EXPECT_EQ(recordMessageInLanguage(c.problem), c.italian);
        GameTranslation english(GameLanguage::English);
        english.install();
        EXPECT_EQ(recordMessageInLanguage(c.problem), c.english);
    }
}

} // namespace
} // namespace vorlin::testing
