// A termination signal, or the desktop closing the window, during the farewell of a finished
// game: the result goes into the record table once, as the farewell would have put it there, and
// then the program ends. The signals are raised for real and reach the window through its
// termination pipe and event loop.

#include "form_fixture.h"

#include "desktop/desktop_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <csignal>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace vorlin::testing {
namespace {

// When the signal comes, counted from the tick that ends the game.
struct Moment {
    const char* name;
    std::function<void(Form1&, VirtualClock&)> reach;
    bool farewellOver = false; // the farewell has stored the result already
};

void fireWhile(VirtualClock& clock, const std::function<bool()>& condition) {
    for (int guard = 0; guard < 5000 && condition(); ++guard)
        clock.fireNext();
}

// The darkness is complete and the farewell message is shown from then on for six seconds.
void reachTheMessage(Form1& form, VirtualClock& clock) {
    fireWhile(clock, [&] { return form.timer("IntervalloSchemiApertura").enabled(); });
}

const Moment kMoments[] = {
    {"right after the ending tick", [](Form1&, VirtualClock&) {}},
    {"while the field darkens",
     [](Form1&, VirtualClock& clock) {
         for (int frame = 0; frame < 20; ++frame)
             clock.fireNext();
     }},
    {"1.0 s into the message",
     [](Form1& form, VirtualClock& clock) {
         reachTheMessage(form, clock);
         clock.advance(1000);
     }},
    {"4.5 s into the message",
     [](Form1& form, VirtualClock& clock) {
         reachTheMessage(form, clock);
         clock.advance(4500);
     }},
    {"5.8 s into the message",
     [](Form1& form, VirtualClock& clock) {
         reachTheMessage(form, clock);
         clock.advance(5800);
     }},
    {"while the field brightens",
     [](Form1& form, VirtualClock& clock) {
         reachTheMessage(form, clock);
         clock.advance(6000);
         fireWhile(clock, [&] { return !form.timer("IntervalloSchemiChiusura").enabled(); });
         for (int frame = 0; frame < 20; ++frame)
             clock.fireNext();
     }},
    {"after the farewell, the record panel shown",
     [](Form1& form, VirtualClock& clock) {
         reachTheMessage(form, clock);
         fireWhile(clock, [&] { return form.game().state.TransizioneInCorso == 1; });
         ASSERT_TRUE(form.controls().visible("Frame2"));
     },
     true},
};

class EndingDuringTheFarewell : public FormFixture {
  protected:
    // A fresh window on a fresh clock, in a game whose next tick loses the last energy with
    // 7 charges and 57 objects caught: 7057 points, at position 5 of a clean table.
    void playUntilTheEndingTick(VirtualClock& timers) {
        std::filesystem::remove(programFolder / "Recordc1.kpr");
        form = std::make_unique<Form1>(optionsOn(timers));
        ASSERT_TRUE(form->Form_Load());
        form->controls().textBox("NomeGiocatore")->setText("Anna");
        ASSERT_TRUE(form->clickControl("PulsanteStart"));
        timers.advance(80);
        GameState& s = state();
        s.CarichePrese = 7;
        form->controls().setCaption("BananePrese", "7");
        s.OggettiPresi = 57;
        s.EnergiaBase = 1 - s.OggettiPresi + s.OggettiPersi;
        s.QuarziY[1] = 401;
        s.QuarziX[1] = 900;
        timers.fireNext();
        ASSERT_EQ(s.PartitaFinita, 1);
    }

    // Raises the signal and lets the event loop hand it to the window.
    void sendAndDeliver(int signalNumber) {
        ASSERT_TRUE(form->endOnTerminationSignals());
        ASSERT_EQ(std::raise(signalNumber), 0);
        for (int round = 0; round < 200 && !form->programEnded(); ++round)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    // The lines of the record file that hold this game's result.
    std::vector<std::string> linesOfTheResult() const {
        std::ifstream file(programFolder / "Recordc1.kpr", std::ios::binary);
        std::vector<std::string> found;
        int number = 0;
        for (std::string line; std::getline(file, line);) {
            ++number;
            if (line.find("\"Anna\"") != std::string::npos)
                found.push_back(std::to_string(number) + ": " + line.substr(0, 16));
        }
        return found;
    }
};

TEST_F(EndingDuringTheFarewell, EachSignalAtEachMomentStoresTheResultOnceAndEndsTheProgram) {
    for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        for (const Moment& moment : kMoments) {
            SCOPED_TRACE(std::string(strsignal(signalNumber)) + ", " + moment.name);
            VirtualClock timers;
            playUntilTheEndingTick(timers);
            moment.reach(*form, timers);
            ASSERT_EQ(linesOfTheResult().empty(), !moment.farewellOver);

            sendAndDeliver(signalNumber);

            EXPECT_TRUE(form->programEnded());
            for (const auto& timer : form->timers())
                EXPECT_FALSE(timer->enabled()) << timer->name();
            const std::vector<std::string> expected = {"5: \"65280\",\"7057\",\""};
            EXPECT_EQ(linesOfTheResult(), expected);
            form.reset();
        }
    }
}

TEST_F(EndingDuringTheFarewell, ClosingTheWindowDuringTheFarewellStoresTheResultOnce) {
    VirtualClock timers;
    playUntilTheEndingTick(timers);
    reachTheMessage(*form, timers);
    timers.advance(1000);
    ASSERT_TRUE(linesOfTheResult().empty());
    form->showOnDesktop();
    QTimer::singleShot(0, form->desktopWindow(), [this] { form->desktopWindow()->close(); });
    QApplication::exec();
    const std::vector<std::string> expected = {"5: \"65280\",\"7057\",\""};
    EXPECT_EQ(linesOfTheResult(), expected);
    // The farewell's own end, should a tick still come, inserts nothing more.
    timers.advance(10000);
    EXPECT_EQ(linesOfTheResult(), expected);
    form.reset(); // before its clock goes
}

TEST_F(EndingDuringTheFarewell, ASignalOutsideAFinishedGameStoresNothing) {
    const std::filesystem::path table = programFolder / "Recordc1.kpr";
    for (const bool inPlay : {false, true}) {
        SCOPED_TRACE(inPlay ? "during play" : "on the start panel");
        std::filesystem::remove(table);
        load();
        form->controls().textBox("NomeGiocatore")->setText("Anna");
        if (inPlay) {
            ASSERT_TRUE(form->clickControl("PulsanteStart"));
            clock.advance(800);
        }
        std::ifstream cleanFile(table, std::ios::binary);
        const std::string clean{std::istreambuf_iterator<char>(cleanFile), {}};

        sendAndDeliver(SIGTERM);

        EXPECT_TRUE(form->programEnded());
        std::ifstream file(table, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), clean);
        form.reset();
    }
}

} // namespace
} // namespace vorlin::testing
