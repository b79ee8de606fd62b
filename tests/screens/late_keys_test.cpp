// Keys pressed and "Menù->" clicked in the moment between the tick that stops play (a passed
// scheme or the spent energy) and the first darkening frame: the transition runs to its end as if
// nothing was pressed.

#include "form_fixture.h"

#include <QLineEdit>

#include <fstream>
#include <sstream>
#include <string>

namespace vorlin::testing {
namespace {

constexpr int kEscape = 27;
constexpr int kP = 80;
// Not a key: the player clicks "Menù->" instead.
constexpr int kClickMenu = -1;

class LateKeys : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        load();
        form->controls().textBox("NomeGiocatore")->setText("Tardo");
        ASSERT_TRUE(form->clickControl("PulsanteStart"));
        clock.advance(80); // the first tick
    }

    // The next tick loses an object with one energy left: 3 charges and 57 objects, 3057 points.
    void spendTheLastEnergyOnTheNextTick() {
        GameState& s = state();
        s.CarichePrese = 3;
        form->controls().setCaption("BananePrese", "3");
        s.OggettiPresi = 57;
        s.EnergiaBase = 1 - s.OggettiPresi + s.OggettiPersi;
        s.QuarziY[1] = 401;
        s.QuarziX[1] = 900;
    }

    // Fires timers until the transition has ended; keeps watching that play stays stopped.
    void runTheTransitionToItsEnd() {
        bool started = false;
        for (int guard = 0; guard < 4000; ++guard) {
            if (state().TransizioneInCorso == 1) started = true;
            if (started && state().TransizioneInCorso == 0) return;
            ASSERT_FALSE(form->timer("TimerAnimazione").enabled())
                << "play runs under the darkness";
            ASSERT_TRUE(clock.fireNext());
        }
        FAIL() << "the transition never ended";
    }

    // How many records of 3057 points the record file holds.
    int storedResults() const {
        std::ifstream file(programFolder / "Recordc1.kpr", std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        const std::string all = text.str();
        int count = 0;
        for (auto at = all.find(kResult); at != std::string::npos; at = all.find(kResult, at + 1))
            ++count;
        return count;
    }
    static constexpr const char* kResult = "\"3057\",\"";
};

TEST_F(LateKeys, EscPAndMenuBeforeTheFirstDarkFrameChangeNothing) {
    struct Case {
        const char* name;
        bool gameOver;
        int key;
    };
    const Case cases[] = {
        {"Esc after the scheme's last banana", false, kEscape},
        {"P after the scheme's last banana", false, kP},
        {"Esc after the last lost object", true, kEscape},
        {"P after the last lost object", true, kP},
        {"Menù-> after the scheme's last banana", false, kClickMenu},
        {"Menù-> after the last lost object", true, kClickMenu},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.gameOver)
            spendTheLastEnergyOnTheNextTick();
        else
            passTheSchemeOnTheNextTick();
        ASSERT_TRUE(clock.fireNext()); // the tick that stops play
        ASSERT_FALSE(form->timer("TimerAnimazione").enabled());
        ASSERT_EQ(state().TransizioneInCorso, 0); // no dark frame yet
        const int resultsBefore = storedResults();

        // The game over disables "Menù->" at once; after a passed scheme it is still enabled.
        if (c.key == kClickMenu)
            form->clickControl("Command2menu");
        else
            form->Form_KeyDown(c.key);
        EXPECT_FALSE(form->programEnded());
        EXPECT_FALSE(visible("Frame4"));
        EXPECT_EQ(state().PausaAttiva, 0);
        runTheTransitionToItsEnd();
        EXPECT_FALSE(form->programEnded());

        if (c.gameOver) {
            EXPECT_TRUE(visible("Frame2"));
            EXPECT_TRUE(visible("Frame4"));
            EXPECT_EQ(storedResults(), resultsBefore + 1);
            // The next case starts a game of its own.
            ASSERT_TRUE(form->clickControl("NuovoGioco"));
            ASSERT_TRUE(form->clickControl("PulsanteStart"));
            clock.advance(80);
        } else {
            EXPECT_TRUE(form->timer("TimerAnimazione").enabled());
            EXPECT_EQ(state().CarichePrese, state().CaricheObiettivo - 5);
        }
    }
}

} // namespace
} // namespace vorlin::testing
