// The menu button and the button bar in every state of the game: which panels show, which menu
// button stands at the bottom left, whether the game runs and whether it can be resumed.

#include "form_fixture.h"
#include "desktop/desktop_window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QUrl>

#include <functional>
#include <set>

namespace vorlin::testing {
namespace {

const char* const kPanels[] = {"Frame1", "Frame2", "Frame3", "Frame4", "Frame6", "Frame7"};

class MenuBar : public FormFixture {
  protected:
    void startGame() {
        form->controls().textBox("NomeGiocatore")->setText("Anna");
        ASSERT_TRUE(form->clickControl("PulsanteStart"));
    }
    bool animationOn() const { return form->timer("TimerAnimazione").enabled(); }
    std::set<std::string> visiblePanels() const {
        std::set<std::string> shown;
        for (const char* panel : kPanels)
            if (visible(panel)) shown.insert(panel);
        return shown;
    }
};

struct StateRow {
    const char* state;
    std::function<void(MenuBar&)> enter;
};

struct ClickRow {
    const char* state;
    const char* click;
    std::set<std::string> panels;
    const char* menuButton;
    bool animationOn;
    bool resumeEnabled;
};

TEST_F(MenuBar, EveryClickInEveryState) {
    const std::map<std::string, std::function<void()>> enter = {
        {"no game, bar closed", [] {}},
        {"no game, bar open", [this] { form->clickControl("Command2MenuInizio"); }},
        {"playing", [this] { startGame(); }},
        {"stopped by the menu",
         [this] {
             startGame();
             form->clickControl("Command2menu");
         }},
        {"paused with P",
         [this] {
             startGame();
             form->Form_KeyDown(80);
         }},
    };
    const ClickRow rows[] = {
        {"no game, bar closed",
         "Command2MenuInizio",
         {"Frame4"},
         "Command2MenuInizio",
         false,
         false},
        {"no game, bar open", "Command2MenuInizio", {"Frame1"}, "Command2MenuInizio", false, false},
        {"no game, bar open", "Command2", {"Frame4", "Frame3"}, "Command2MenuInizio", false, false},
        {"no game, bar open", "Command3", {"Frame4", "Frame6"}, "Command2MenuInizio", false, false},
        {"no game, bar open", "Command4", {"Frame4", "Frame7"}, "Command2MenuInizio", false, false},
        {"no game, bar open", "Command5", {"Frame4", "Frame2"}, "Command2MenuInizio", false, false},
        {"no game, bar open", "NuovoGioco", {"Frame1"}, "Command2MenuInizio", false, false},
        {"playing", "Command2menu", {"Frame4"}, "Command2menu", false, true},
        {"stopped by the menu", "Command2menu", {}, "Command2menu", true, true},
        {"stopped by the menu", "Command1", {}, "Command2menu", true, true},
        {"stopped by the menu", "Command5", {"Frame4", "Frame2"}, "Command2menu", false, true},
        {"stopped by the menu", "NuovoGioco", {"Frame1"}, "Command2MenuInizio", false, true},
        // A game paused with P is treated as running: the bar opens and the game stays stopped.
        {"paused with P", "Command2menu", {"Frame4"}, "Command2menu", false, true},
    };
    for (const ClickRow& row : rows) {
        SCOPED_TRACE(std::string(row.state) + " + " + row.click);
        load();
        enter.at(row.state)();
        form->clickControl(row.click);
        EXPECT_EQ(visiblePanels(), row.panels);
        for (const char* menu : {"Command2MenuInizio", "Command2menu"})
            EXPECT_EQ(visible(menu), std::string(menu) == row.menuButton) << menu;
        EXPECT_EQ(animationOn(), row.animationOn);
        EXPECT_EQ(form->controls().enabled("Command1"), row.resumeEnabled);
        EXPECT_EQ(form->game().state.PausaAttiva, 0);
    }
}

TEST_F(MenuBar, PanelButtonsShowOnlyTheirOwnPanelAndToggleIt) {
    load();
    form->clickControl("Command2MenuInizio");
    const std::pair<const char*, const char*> buttons[] = {{"Command2", "Frame3"},
                                                           {"Command3", "Frame6"},
                                                           {"Command4", "Frame7"},
                                                           {"Command5", "Frame2"}};
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        const auto& [button, panel] = buttons[i];
        // Another panel is open; the button shows its own instead, then hides it again.
        form->clickControl(buttons[(i + 1) % std::size(buttons)].first);
        form->clickControl(button);
        EXPECT_EQ(visiblePanels(), (std::set<std::string>{"Frame4", panel})) << button;
        form->clickControl(button);
        EXPECT_EQ(visiblePanels(), (std::set<std::string>{"Frame4"})) << button;
    }
}

TEST_F(MenuBar, TheSpeedChosenWhileTheBarIsOpenRulesTheResumedGame) {
    load();
    startGame();
    form->clickControl("Command2menu");
    form->clickControl("Command4");
    form->controls().scrollBar("HScroll2")->setValue(1);
    form->clickControl("Command2menu");
    EXPECT_TRUE(animationOn());
    EXPECT_FALSE(visible("Frame7"));
    for (const char* timer :
         {"TimerAnimazione", "IntervalloSchemiApertura", "IntervalloSchemiChiusura"})
        EXPECT_EQ(form->timer(timer).interval(), 1) << timer;
    EXPECT_EQ(form->controls().scrollBar("HScroll1")->value(), 1);
    EXPECT_EQ(caption("Label13"), "1");
    EXPECT_EQ(caption("Label30"), "1");
    EXPECT_EQ(form->timer("IntervalloSchemiframe5").interval(), 6000);
}

TEST_F(MenuBar, TheNameBoxIsEmptiedOnceOnlyWhileItShowsThePlaceholder) {
    load();
    clock.advance(3000);
    EXPECT_EQ(caption("NomeGiocatore"), "");
    EXPECT_FALSE(form->timer("Timer1").enabled());

    load();
    form->controls().textBox("NomeGiocatore")->setText("Lucia");
    clock.advance(3000);
    EXPECT_EQ(caption("NomeGiocatore"), "Lucia");
    EXPECT_FALSE(form->timer("Timer1").enabled());
}

TEST_F(MenuBar, TheSchemeTitleShowsForFiveSeconds) {
    load();
    startGame();
    EXPECT_TRUE(visible("PictureTitoloSchema"));
    EXPECT_EQ(caption("LabelPictureTitoloSchema"), "La stanza dei giochi");
    EXPECT_EQ(form->controls().widget("PictureTitoloSchema")->height(), 29);
    clock.advance(4999);
    EXPECT_TRUE(visible("PictureTitoloSchema"));
    clock.advance(1);
    EXPECT_FALSE(visible("PictureTitoloSchema"));
    EXPECT_FALSE(form->timer("Timer2").enabled());
}

// Stands in for the desktop's mail program and browser.
class LinkCatcher : public QObject {
    Q_OBJECT
  public:
    QStringList opened;
  public slots:
    void open(const QUrl& url) { opened << url.toString(); }
};

TEST_F(MenuBar, TheLinksOpenTheMailProgramAndTheBrowser) {
    LinkCatcher catcher;
    QDesktopServices::setUrlHandler("mailto", &catcher, "open");
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    load();
    // Hidden links cannot be clicked; the help and author panels show theirs.
    EXPECT_FALSE(form->clickControl("Label10"));
    form->clickControl("Command2MenuInizio");
    form->clickControl("Command2");
    form->clickControl("Label23");
    form->clickControl("Label24");
    form->clickControl("Command3");
    form->clickControl("Label10");
    form->clickControl("Label25");
    QDesktopServices::unsetUrlHandler("mailto");
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(catcher.opened,
              (QStringList{"mailto:vorlin@example.org", "https://vorlin.example.org/",
                           "mailto:vorlin@example.org", "https://vorlin.example.org/"}));
}

// Where the screen mode cannot change, full screen shows the window scaled inside a view; the
// keys still reach the game.
TEST_F(MenuBar, KeysReachTheGameInTheScaledFullScreen) {
    load();
    startGame();
    form->clickControl("Command2menu");
    form->clickControl("Riso1");
    QGraphicsView* view = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<QGraphicsView*>(top);
            candidate && candidate->isVisible())
            view = candidate;
    ASSERT_NE(view, nullptr);
    QApplication::setActiveWindow(view);
    view->setFocus();
    auto press = [](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QWidget* first = QApplication::focusWidget();
        ASSERT_NE(first, nullptr);
        QApplication::sendEvent(first, &event);
    };
    form->clickControl("Command1"); // the game runs on, full screen
    press(Qt::Key_Right);
    EXPECT_EQ(form->game().state.RichiestaDestra, 1);
    press(Qt::Key_Escape);
    EXPECT_TRUE(visible("Frame4"));
    EXPECT_FALSE(form->timer("TimerAnimazione").enabled());
    form->clickControl("Riso1");
    EXPECT_EQ(caption("Riso1"), "A tutto &schermo");
}

TEST_F(MenuBar, ExitEndsTheProgramAfterPuttingTheScreenModeBack) {
    load();
    form->clickControl("Command2MenuInizio");
    form->clickControl("Riso1");
    EXPECT_EQ(caption("Riso1"), "In &finestra");
    form->clickControl("EsciEsci");
    EXPECT_TRUE(form->programEnded());
    // The way back puts the window on the screen, the one that showed it full screen, at
    // (405, 405) twips.
    ASSERT_NE(form->desktopWindow(), nullptr);
    EXPECT_EQ(form->desktopWindow()->frameGeometry().topLeft(), QPoint(27, 27));
    for (const auto& timer : form->timers())
        EXPECT_FALSE(timer->enabled()) << timer->name();
}

} // namespace
} // namespace vorlin::testing

#include "menu_bar_test.moc"
