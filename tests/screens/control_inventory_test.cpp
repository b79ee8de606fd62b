#include "screens/control_inventory.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace vorlin {
namespace {

const ControlSpec* findControl(std::string_view name) {
    for (const ControlSpec& control : controlInventory()) {
        if (name == control.name) return &control;
    }
    return nullptr;
}

std::ptrdiff_t stackIndex(std::string_view name) {
    const auto& inventory = controlInventory();
    for (std::size_t i = 0; i < inventory.size(); ++i) {
        if (name == inventory[i].name) return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

// Characters as the player sees them: UTF-8 continuation bytes are not counted.
std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text) {
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++count;
    }
    return count;
}

std::string containerOf(const ControlSpec& control) {
    return control.container ? control.container : "";
}

TEST(ControlInventory, NamesAreUniqueAndNotEmpty) {
    std::set<std::string> seen;
    for (const ControlSpec& control : controlInventory()) {
        ASSERT_NE(control.name, nullptr);
        EXPECT_GT(std::strlen(control.name), 0u);
        EXPECT_TRUE(seen.insert(control.name).second) << "listed twice: " << control.name;
        ASSERT_NE(control.caption, nullptr) << control.name;
    }
}

TEST(ControlInventory, EveryContainerIsAPanelOrPictureBoxListedBeforeItsControls) {
    for (const ControlSpec& control : controlInventory()) {
        if (control.container == nullptr) continue;
        const ControlSpec* container = findControl(control.container);
        ASSERT_NE(container, nullptr) << control.name << " sits in a missing " << control.container;
        EXPECT_TRUE(container->kind == ControlKind::Panel ||
                    container->kind == ControlKind::PictureBox)
            << control.name << " sits in " << control.container;
        EXPECT_LT(stackIndex(container->name), stackIndex(control.name)) << control.name;
    }
}

TEST(ControlInventory, EachContainerHoldsItsNumberOfControls) {
    std::map<std::string, int> counts;
    for (const ControlSpec& control : controlInventory())
        ++counts[containerOf(control)];

    // clang-format off
    const std::map<std::string, int> expected = {
        {"", 50}, {"Frame1", 16}, {"Frame2", 68}, {"Frame3", 3}, {"Frame4", 8}, {"Frame6", 5},
        {"Frame7", 6}, {"Picture1", 2}, {"Picture2", 1}, {"Picture3", 1}, {"Picture4", 1},
        {"Picture5", 1}, {"PictureTitoloSchema", 1}};
    // clang-format on
    EXPECT_EQ(counts, expected);
    EXPECT_EQ(controlInventory().size(), 163u);
}

struct PlacedControl {
    const char* name;
    ControlKind kind;
    const char* container;
    int x, y, width, height;
    bool hidden;
    bool disabled;
};

TEST(ControlInventory, ControlsSitWhereTheWindowWasDesigned) {
    using enum ControlKind;
    const PlacedControl cases[] = {
        {"PictureTitoloSchema", PictureBox, nullptr, 168, 208, 313, 25, true, false},
        {"LabelPictureTitoloSchema", Label, "PictureTitoloSchema", 0, 0, 313, 33, false, false},
        {"Frame7", Panel, nullptr, 0, 410, 649, 50, true, false},
        {"HScroll2", HScrollBar, "Frame7", 208, 24, 409, 17, false, false},
        {"Frame5", Panel, nullptr, 0, 460, 640, 22, true, false},
        {"Command2MenuInizio", Button, nullptr, 0, 460, 47, 21, false, false},
        {"Frame2", Panel, nullptr, 8, 88, 625, 281, true, false},
        {"VScroll1", VScrollBar, "Frame2", 600, 40, 17, 233, false, false},
        {"R", Button, "Frame2", 600, 16, 17, 17, false, false},
        {"Record", Label, "Frame2", 200, 256, 89, 25, false, false},
        {"Line1", Line, "Frame2", 296, 16, 0, 256, false, false},
        {"Frame6", Panel, nullptr, 8, 88, 625, 281, true, false},
        {"Label25", Label, "Frame6", 336, 257, 276, 17, false, false},
        {"Image1", Image, "Frame6", 312, 16, 298, 226, false, false},
        {"Frame3", Panel, nullptr, 8, 88, 625, 281, true, false},
        {"Label16", Label, "Frame3", 16, 8, 601, 241, false, false},
        {"cmdCambiaRisoluzione", Button, nullptr, 8, 424, 121, 25, true, false},
        {"KaprelCambiaRisoluzione1", ResolutionControl, nullptr, 0, 0, 30, 33, false, false},
        {"picSpriteS", PictureHolder, nullptr, 240, 0, 196, 784, true, false},
        {"Frame4", Panel, nullptr, 39, 460, 601, 20, true, false},
        {"EsciEsci", Button, "Frame4", 544, 0, 57, 21, false, false},
        {"Command1", Button, "Frame4", 96, 0, 89, 21, false, true},
        {"Picture5", PictureBox, nullptr, 302, 460, 37, 20, false, false},
        {"LivelloDa1a6", Label, "Picture5", 0, 0, 37, 20, false, false},
        {"nPresiTotale", Label, "Picture4", 8, 0, 161, 20, false, false},
        {"nPersiTotale", Label, "Picture3", 0, 0, 145, 20, false, false},
        {"Frame1", Panel, nullptr, 48, 128, 545, 217, false, false},
        {"PulsanteStart", Button, "Frame1", 16, 136, 73, 65, false, false},
        {"NomeGiocatore", TextBox, "Frame1", 136, 160, 385, 40, false, false},
        {"Shape1", Shape, "Frame1", 120, 136, 409, 65, false, false},
        {"Label2", Label, "Frame1", 120, 16, 409, 17, false, false},
        {"Pt", Label, "Picture2", 0, 0, 153, 20, false, false},
        {"Label3", Label, nullptr, 8, 208, 625, 33, true, false},
    };
    for (const PlacedControl& expected : cases) {
        SCOPED_TRACE(expected.name);
        const ControlSpec* control = findControl(expected.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->kind, expected.kind);
        EXPECT_EQ(containerOf(*control), expected.container ? expected.container : "");
        EXPECT_EQ(control->x, expected.x);
        EXPECT_EQ(control->y, expected.y);
        EXPECT_EQ(control->width, expected.width);
        EXPECT_EQ(control->height, expected.height);
        EXPECT_EQ(control->hidden, expected.hidden);
        EXPECT_EQ(control->disabled, expected.disabled);
    }
}

struct TextLook {
    const char* name;
    int foreColour;
    int backColour;
    const char* family; // nullptr: the window's default font
    double pointSize;
    bool bold;
    bool italic;
    TextAlign align;
};

TEST(ControlInventory, TextsHaveTheirColoursAndFonts) {
    using enum TextAlign;
    constexpr int none = kDefaultColour;
    const TextLook cases[] = {
        {"LabelPictureTitoloSchema", 0x0080FF, none, "Arial", 18, false, false, Centre},
        {"Label30", 0x0080FF, 0, nullptr, 8.25, false, false, Left},
        {"R", none, none, "MS Sans Serif", 8.25, true, false, Left},
        {"ScheSu", 0xFFFFFF, 0, "Arial", 12, true, false, Right},
        {"Label4", 0x00FF00, 0, "Arial", 12, true, false, Right},
        {"Label7", 0xFFFFFF, 0, "Arial", 12, true, false, Left},
        {"Wpre", 0x00FF00, 0, "Arial", 12, true, false, Right},
        {"Wper", 0x0000FF, 0, "Arial", 12, true, false, Right},
        {"Record", 0x0080FF, 0, "Arial", 12, true, false, Right},
        {"Label19", 0xFFFFFF, 0, "MS Sans Serif", 8.25, true, false, Left},
        {"Label20", none, 0xFFFFFF, nullptr, 8.25, false, false, Left},
        {"Label15", 0x0080FF, 0, "Arial", 11.25, false, false, Left},
        {"Command2menu", none, none, nullptr, 8.25, false, false, Left},
        {"LivelloDa1a6", 0, 0x00FF00, "Arial", 12, true, false, Centre},
        {"nPresiTotale", 0x00FF00, 0, "Arial", 12, true, false, Centre},
        {"nPersiTotale", 0x0000FF, 0, "Arial", 12, true, false, Centre},
        {"PulsanteStart", none, 0x00FF00, "Arial", 18, false, false, Left},
        {"NomeGiocatore", 0x0080FF, 0, "Arial", 21.75, false, true, Left},
        {"Option4", 0xFF0000, 0, nullptr, 8.25, false, false, Left},
        {"Option1", 0x0000FF, 0, nullptr, 8.25, false, false, Left},
        {"Label13", 0x0080FF, 0, nullptr, 8.25, false, false, Left},
        {"Pt", 0x0080FF, 0, "Arial", 12, true, false, Centre},
        {"BananePrese", 0x0000FF, 0, "Arial", 12, true, false, Centre},
        {"Label3", 0x0080FF, none, "Arial", 18, false, false, Centre},
    };
    for (const TextLook& expected : cases) {
        SCOPED_TRACE(expected.name);
        const ControlSpec* control = findControl(expected.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->foreColour, expected.foreColour);
        EXPECT_EQ(control->backColour, expected.backColour);
        EXPECT_STREQ(control->font.family, expected.family);
        EXPECT_DOUBLE_EQ(control->font.pointSize, expected.pointSize);
        EXPECT_EQ(control->font.bold, expected.bold);
        EXPECT_EQ(control->font.italic, expected.italic);
        EXPECT_EQ(control->align, expected.align);
    }
}

TEST(ControlInventory, CaptionsReadAsDesigned) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"Label28", "< velocità gioco >"}, {"Label27", "gioco più lento"},
        {"Label26", "gioco più veloce"}, {"Label29", "Clock gioco in millisecondi:"},
        {"Frame5", "Frame5"}, {"Command2MenuInizio", "Menù->"}, {"Command2menu", "Menù->"},
        {"Label22", "Schemi superati"}, {"Label4", "BASSA"}, {"Label7", "Totale   oggetti  presi"},
        {"Label8", "Totale   oggetti  persi"}, {"Label6", "Difficoltà gioco"},
        {"Label9", "Punti   totalizzati"}, {"Record", ""},
        {"Label19", "Dif. Posiz. Record    Data record   Nome giocatore"},
        {"cmdCambiaRisoluzione", "Cambia risoluzione"}, {"Command2", "&?"},
        {"Riso1", "A tutto &schermo"}, {"NuovoGioco", "&Gioca di nuovo"},
        {"Command1", "R&iprendi gioco"}, {"Command4", "&Velocità gioco-->"},
        {"LivelloDa1a6", "Dif."}, {"nPresiTotale", "Oggetti presi"}, {"PulsanteStart", "&Start"},
        {"NomeGiocatore", "Inserire il nome del giocatore"}, {"Option4", "Bassissima"},
        {"Label21", "Inserire il nome del giocatore per avviare il gioco"},
        {"Label1", "Difficoltà gioco:"}, {"Pt", "Energia 70"}, {"Label11", "N.Cariche"},
        {"BananePrese", ""}, {"Label3", "Schema passato"}};
    // clang-format on
    for (const auto& [name, caption] : cases) {
        const ControlSpec* control = findControl(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_STREQ(control->caption, caption) << name;
    }
}

TEST(ControlInventory, TimersStartWithTheirPeriodAndSwitch) {
    // clang-format off
    const struct { const char* name; int interval; bool running; } cases[] = {
        {"Timer1", 3000, true}, {"Timer2", 5000, false}, {"IntervalloSchemiApertura", 40, false},
        {"IntervalloSchemiframe5", 6000, false}, {"IntervalloSchemiChiusura", 40, false},
        {"TimerNumeriCasuali", 1, true}, {"TimerAnimazione", 80, false}};
    // clang-format on
    int timers = 0;
    for (const ControlSpec& control : controlInventory())
        timers += control.kind == ControlKind::Timer;
    EXPECT_EQ(timers, 7);
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        const ControlSpec* timer = findControl(expected.name);
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(timer->kind, ControlKind::Timer);
        EXPECT_EQ(timer->interval, expected.interval);
        EXPECT_EQ(!timer->disabled, expected.running);
    }
}

TEST(ControlInventory, PictureHoldersAreHiddenAndNameTheirPicture) {
    const std::map<std::string, std::string> expectedFiles = {
        {"BaseNera", "BaseN.kpb"},
        {"BaseColo", "BaseC.kpb"},
        {"picMascheraO", "BaseBisN.kpb"},
        {"picSpriteO", "BaseBisC.kpb"},
        {"picMascheraM", "MuroN.kpb"},
        {"picSpriteM", "MuroC.kpb"},
        {"picMascheraBa", "Bananane.kpb"},
        {"picSpriteBa", "Bananaco.kpb"},
        {"picMascheraW", "W1nero.kpb"},
        {"picSpriteW", "W1colore.kpb"},
        {"picMascheraA", "ElicaNer.kpb"},
        {"picSpriteA", "ElicaCol.kpb"},
        {"picMascheraCoDa", "CordaDaN.kpb"},
        {"picSpriteCoDa", "CordaDaC.kpb"},
        {"picMascheraCoDi", "CordaDiN.kpb"},
        {"picSpriteCoDi", "CordaDiC.kpb"},
        {"picMascheraN", "BuioCol.kpb"},
        {"picSpriteN", "BuioCol.kpb"},
        {"PausaN", "PausaN1.kpb"},
        {"PausaC", "PausaC1.kpb"},
        {"picSpriteS", ""},
        {"picMascheraS", ""},
    };
    std::map<std::string, std::string> files;
    for (const ControlSpec& control : controlInventory()) {
        if (control.kind == ControlKind::PictureHolder) {
            EXPECT_TRUE(control.hidden) << control.name;
            files[control.name] = control.pictureFile ? control.pictureFile : "";
        } else {
            EXPECT_EQ(control.pictureFile, nullptr) << control.name;
        }
    }
    EXPECT_EQ(files, expectedFiles);
}

TEST(ControlInventory, HelpTextKeepsItsLengthAndLineBreakingSpaces) {
    const ControlSpec* help = findControl("Label16");
    ASSERT_NE(help, nullptr);
    const std::string text = help->caption;
    EXPECT_EQ(characterCount(text), 1544u);
    EXPECT_EQ(text.rfind("Scopo del gioco:" + std::string(110, ' ') + "accumulare più punti", 0),
              0u);
    EXPECT_NE(text.find("persi.  Gestione:" + std::string(134, ' ') + "le  varie"),
              std::string::npos);
    EXPECT_NE(text.find("difficoltà  ed all'avanzamento"), std::string::npos);
    EXPECT_TRUE(text.ends_with("premendo 2 volte il tasto Esc."));
    EXPECT_TRUE(help->wordWrap);
    EXPECT_STREQ(help->font.family, "Arial");
    EXPECT_DOUBLE_EQ(help->font.pointSize, 9.75);
}

TEST(ControlInventory, StartPanelShowsTheBassaDifficulty) {
    const ControlSpec* line = findControl("Label2");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(std::string(line->caption),
              "Energia di partenza" + std::string(4, ' ') + "70" + std::string(31, ' ') +
                  "Ogni carica" + std::string(4, ' ') + "50 punti di energia a scalare");
    EXPECT_EQ(line->foreColour, 0x00FF00);

    int selected = 0;
    for (const ControlSpec& control : controlInventory())
        selected += control.selected;
    EXPECT_EQ(selected, 1);
    EXPECT_TRUE(findControl("Option3")->selected);
    EXPECT_STREQ(findControl("Label13")->caption, "80");
    EXPECT_STREQ(findControl("Label30")->caption, "80");
    EXPECT_EQ(findControl("HScroll1")->scroll.value, 80);
    EXPECT_EQ(findControl("HScroll2")->scroll.maximum, 150);
    EXPECT_EQ(findControl("VScroll1")->scroll.maximum, 991);
}

TEST(ControlInventory, RecordGridRowsAreGeneratedInPlace) {
    const struct {
        const char* name;
        int x, y, width;
        TextAlign align;
    } cases[] = {
        {"P01", 328, 40, 25, TextAlign::Centre},  {"R01", 368, 40, 41, TextAlign::Centre},
        {"D01", 424, 40, 65, TextAlign::Centre},  {"G01", 504, 40, 89, TextAlign::Left},
        {"P10", 328, 256, 25, TextAlign::Centre}, {"R10", 368, 256, 41, TextAlign::Centre},
        {"D10", 424, 256, 65, TextAlign::Centre}, {"G10", 504, 256, 89, TextAlign::Left},
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        const ControlSpec* label = findControl(expected.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->kind, ControlKind::Label);
        EXPECT_EQ(containerOf(*label), "Frame2");
        EXPECT_EQ(label->x, expected.x);
        EXPECT_EQ(label->y, expected.y);
        EXPECT_EQ(label->width, expected.width);
        EXPECT_EQ(label->height, 17);
        EXPECT_EQ(label->align, expected.align);
        EXPECT_EQ(label->foreColour, 0xFFFFFF);
        EXPECT_EQ(label->backColour, 0);
        EXPECT_STREQ(label->caption, expected.name);
    }
    for (const char* name : {"Shape01", "Shape10"}) {
        const ControlSpec* square = findControl(name);
        ASSERT_NE(square, nullptr) << name;
        EXPECT_EQ(square->kind, ControlKind::Shape);
        EXPECT_TRUE(square->filled);
        EXPECT_EQ(square->x, 304);
        EXPECT_EQ(square->y, name == std::string_view("Shape01") ? 40 : 256);
        EXPECT_EQ(square->width, 17);
        EXPECT_EQ(square->height, 17);
    }
    EXPECT_FALSE(findControl("Shape1")->filled);
    EXPECT_EQ(findControl("Shape1")->backColour, 0x0000FF);
}

TEST(ControlInventory, StackingOrderFollowsTheDesign) {
    const char* frontToBack[] = {"Timer2", "Frame7",  "Frame5",  "Command2MenuInizio",
                                 "Frame2", "Record",  "Shape01", "Shape10",
                                 "Line1",  "Label19", "Label20", "P01",
                                 "P10",    "R01",     "G10",     "Frame6",
                                 "Frame3", "Frame4",  "Frame1",  "Picture2",
                                 "Label3"};
    for (std::size_t i = 1; i < std::size(frontToBack); ++i) {
        EXPECT_LT(stackIndex(frontToBack[i - 1]), stackIndex(frontToBack[i]))
            << frontToBack[i - 1] << " should be listed before " << frontToBack[i];
    }
    EXPECT_EQ(stackIndex("PictureTitoloSchema"), 0);
    EXPECT_EQ(stackIndex("Label3"), static_cast<std::ptrdiff_t>(controlInventory().size()) - 1);
}

TEST(ControlInventory, LinksTitlesAndBordersHaveTheirLook) {
    for (const char* name : {"Label10", "Label25", "Label23", "Label24"}) {
        SCOPED_TRACE(name);
        const ControlSpec* link = findControl(name);
        ASSERT_NE(link, nullptr);
        EXPECT_TRUE(link->handCursor);
        EXPECT_TRUE(link->font.underline);
        EXPECT_DOUBLE_EQ(link->font.pointSize, 11.25);
        EXPECT_EQ(link->foreColour, 0x0080FF);
    }
    EXPECT_STREQ(findControl("Label10")->caption, findControl("Label23")->caption);
    EXPECT_STREQ(findControl("Label25")->caption, findControl("Label24")->caption);
    EXPECT_NE(std::string(findControl("Label15")->caption).find("Vorlin"), std::string::npos);

    for (const char* name : {"LabelPictureTitoloSchema", "Label3"}) {
        EXPECT_TRUE(findControl(name)->transparent) << name;
    }
    std::set<std::string> bordered;
    for (const ControlSpec& control : controlInventory()) {
        if (control.border) bordered.insert(control.name);
    }
    EXPECT_EQ(bordered, (std::set<std::string>{"Frame1", "Frame2"}));
    EXPECT_EQ(findControl("PictureTitoloSchema")->backColour, 0x404080);
    EXPECT_EQ(findControl("Line2")->backColour, 0x00FFFF);
}

} // namespace
} // namespace vorlin
