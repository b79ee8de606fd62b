#pragma once

#include "screens/form1.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace vorlin::testing {

// A window on a virtual clock in its own program folder, with a fresh copy of the data files.
class FormFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        programFolder = scratch.path().toStdString();
        std::filesystem::copy(VORLIN_TEST_DATA_DIR, programFolder / "dati",
                              std::filesystem::copy_options::recursive);
    }

    // Creates the window and runs its load handler.
    Form1& load() {
        createForm();
        EXPECT_TRUE(form->Form_Load()) << form->loadError().toStdString();
        return *form;
    }

    void createForm() { form = std::make_unique<Form1>(optionsOn(clock)); }

    // A window of the test's program folder on the given clock, silent, never touching the screen.
    FormOptions optionsOn(VirtualClock& timers) const {
        FormOptions options;
        options.programFolder = programFolder;
        options.fallbackRecordFolder = programFolder / "fallback";
        options.clock = &timers;
        options.playSounds = false;
        options.realScreenModes = false;
        return options;
    }

    QString caption(const std::string& control) const { return form->controls().caption(control); }
    GameState& state() { return form->game().state; }

    // The next tick catches the banana that reaches the scheme's quota: it lies where the
    // creature stands.
    void passTheSchemeOnTheNextTick() {
        GameState& s = state();
        s.CarichePrese = s.CaricheObiettivo - 1;
        form->controls().setCaption("BananePrese", QString::number(s.CarichePrese));
        s.BananaX = s.PosizioneXVorlin + 16;
        s.BananaY = s.PosizioneYVorlin + 21;
    }
    bool visible(const std::string& control) const { return form->controls().visible(control); }

    QTemporaryDir scratch;
    std::filesystem::path programFolder;
    VirtualClock clock;
    std::unique_ptr<Form1> form;
};

} // namespace vorlin::testing
