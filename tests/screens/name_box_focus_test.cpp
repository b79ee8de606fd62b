// The keyboard on the start panel: whenever the panel comes up, what the player types goes to
// the name box, the first letter replaces whatever the box held, and Enter there starts the game
// as "Start" does.

#include "form_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <string>

namespace vorlin::testing {
namespace {

class NameBoxFocus : public FormFixture {
  protected:
    QLineEdit* nameBox() const { return form->controls().textBox("NomeGiocatore"); }

    void startGame() {
        nameBox()->setText("Anna");
        ASSERT_TRUE(form->clickControl("PulsanteStart"));
    }

    // Shows the window as the desktop would and makes it the active one.
    void showAndActivate() {
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    // Types one letter on the keyboard: it goes to whatever has the focus.
    static void typeLetter(Qt::Key key, const QString& text) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "nothing has the keyboard focus";
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &release);
    }
};

struct WayToTheStartPanel {
    const char* name;
    std::function<void()> reach;
    const char* boxHolds; // what the name box shows when the panel comes up
};

TEST_F(NameBoxFocus, TypingGoesToTheNameBoxAndReplacesWhatItHeld) {
    const WayToTheStartPanel ways[] = {
        {"start-up", [] {}, "Inserire il nome del giocatore"},
        {"start-up, the window shown before it becomes active", [this] { form->show(); },
         "Inserire il nome del giocatore"},
        {"the menu opened and closed before a game",
         [this] {
             form->clickControl("Command2MenuInizio");
             form->clickControl("Command2MenuInizio");
         },
         "Inserire il nome del giocatore"},
        {"\"Gioca di nuovo\" after a stopped game",
         [this] {
             startGame();
             form->clickControl("Command2menu");
             ASSERT_TRUE(form->clickControl("NuovoGioco"));
         },
         "Anna"},
    };
    for (const WayToTheStartPanel& way : ways) {
        SCOPED_TRACE(way.name);
        load();
        way.reach();
        showAndActivate();
        ASSERT_TRUE(visible("Frame1"));
        EXPECT_EQ(QApplication::focusWidget(), nameBox());
        EXPECT_EQ(nameBox()->text().toStdString(), way.boxHolds);
        EXPECT_EQ(nameBox()->selectedText().toStdString(), way.boxHolds);
        typeLetter(Qt::Key_M, QStringLiteral("M"));
        typeLetter(Qt::Key_I, QStringLiteral("i"));
        EXPECT_EQ(nameBox()->text().toStdString(), "Mi");
        form.reset();
    }
}

// The mouse, pressed where a person would click into the box: while the placeholder shows, it
// is selected whole, so typing replaces it; once a name is there, a click places the cursor.
TEST_F(NameBoxFocus, AClickIntoThePlaceholderSelectsItWhole) {
    struct Click {
        const char* name;
        Qt::MouseButton button;
        bool twice;
        double across; // where in the box, from its left edge (0) to its right one (1)
    };
    const Click clicks[] = {
        {"a click in the middle of the placeholder", Qt::LeftButton, false, 0.4},
        {"a click near its start", Qt::LeftButton, false, 0.05},
        {"a click past its end", Qt::LeftButton, false, 0.98},
        {"a double click on a word", Qt::LeftButton, true, 0.2},
        {"a middle click", Qt::MiddleButton, false, 0.4},
    };
    for (const Click& click : clicks) {
        SCOPED_TRACE(click.name);
        load();
        showAndActivate();
        QLineEdit* box = nameBox();
        const QPoint at(static_cast<int>(box->width() * click.across), box->height() / 2);
        QTest::mouseClick(box, click.button, Qt::NoModifier, at);
        if (click.twice) QTest::mouseDClick(box, click.button, Qt::NoModifier, at);
        EXPECT_EQ(QApplication::focusWidget(), box);
        EXPECT_EQ(box->selectedText().toStdString(), kNamePlaceholder);
        typeLetter(Qt::Key_A, QStringLiteral("A"));
        typeLetter(Qt::Key_N, QStringLiteral("n"));
        EXPECT_EQ(box->text().toStdString(), "An");
        form.reset();
    }

    load();
    showAndActivate();
    nameBox()->setText("Anna");
    QTest::mouseClick(nameBox(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(1, nameBox()->height() / 2));
    EXPECT_EQ(nameBox()->cursorPosition(), 0);
    EXPECT_FALSE(nameBox()->hasSelectedText());
}

TEST_F(NameBoxFocus, ANameTypedAtOnceStartsTheGameAndSurvivesTheEmptyingTimer) {
    load();
    showAndActivate();
    for (const QChar letter : QStringLiteral("Lia"))
        typeLetter(static_cast<Qt::Key>(letter.toUpper().unicode()), QString(letter));
    clock.advance(3000); // the timer that empties a box still showing the placeholder
    EXPECT_EQ(nameBox()->text().toStdString(), "Lia");
    ASSERT_TRUE(form->clickControl("PulsanteStart"));
    EXPECT_FALSE(visible("Frame1"));
    EXPECT_TRUE(form->timer("TimerAnimazione").enabled());
}

TEST_F(NameBoxFocus, EnterInTheNameBoxStartsTheGameAsStartDoes) {
    const struct {
        const char* boxHolds;
        Qt::Key key;
        bool starts;
    } cases[] = {
        {"Lia", Qt::Key_Return, true},
        {"Lia", Qt::Key_Enter, true}, // the one of the number pad
        {"  Lia ", Qt::Key_Return, true},
        {"Inserire il nome del giocatore", Qt::Key_Return, false},
        {"", Qt::Key_Return, false},
        {"   ", Qt::Key_Enter, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("box \"") + c.boxHolds + "\", key " + std::to_string(c.key));
        load();
        showAndActivate();
        ASSERT_EQ(QApplication::focusWidget(), nameBox());
        nameBox()->setText(QString::fromUtf8(c.boxHolds));
        typeLetter(c.key, QStringLiteral("\r"));
        EXPECT_EQ(visible("Frame1"), !c.starts);
        EXPECT_EQ(form->timer("TimerAnimazione").enabled(), c.starts);
        form.reset();
    }
}

} // namespace
} // namespace vorlin::testing
