// The replay driver's reading of its script lines: what a command receives, and what it refuses.

#include "form_fixture.h"

#include "replay/replay_runner.h"

#include <QLineEdit>
#include <QScrollBar>

#include <sstream>
#include <string>

namespace vorlin::testing {
namespace {

class ReplayScript : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        load();
    }

    // Runs the script; returns its exit code, with what it reported in errors.
    int run(const std::string& script) {
        std::istringstream in(script);
        std::ostringstream out;
        std::ostringstream err;
        ReplayRunner runner(*form, clock, out, err);
        const int code = runner.run(in);
        errors = err.str();
        return code;
    }

    std::string errors;
};

TEST_F(ReplayScript, TheNameKeepsEverySpaceAfterTheOneThatFollowsTheCommand) {
    struct Case {
        const char* line;
        const char* name;
    };
    const Case cases[] = {
        {"name Anna", "Anna"}, {"name  Anna  ", " Anna  "}, {"name    ", "   "}, {"  name\t ", " "},
        {"name", ""},
    };
    for (const Case& c : cases) {
        form->controls().textBox("NomeGiocatore")->setText("prima");
        EXPECT_EQ(run(std::string(c.line) + "\n"), 0) << c.line;
        EXPECT_EQ(caption("NomeGiocatore").toStdString(), c.name) << c.line;
    }
}

TEST_F(ReplayScript, NumbersBeyondTheRangeOfIntAreRefusedWithTheirLine) {
    struct Case {
        const char* line;
        const char* error;
    };
    const Case cases[] = {
        {"scroll VScroll1 2147483648", "line 2: number out of range: 2147483648\n"},
        {"scroll HScroll1 -2147483649", "line 2: number out of range: -2147483649\n"},
        {"speed 4294967376", "line 2: number out of range: 4294967376\n"},
        {"key 4294967376", "line 2: number out of range: 4294967376\n"},
        {"wait 99999999999999999999", "line 2: number out of range: 99999999999999999999\n"},
        {"ticks 2147483648", "line 2: number out of range: 2147483648\n"},
        {"speed 12x", "line 2: speed needs a number\n"},
    };
    for (const Case& c : cases) {
        form->controls().scrollBar("HScroll1")->setValue(80);
        EXPECT_EQ(run(std::string("# a comment\n") + c.line + "\nspeed 5\n"), 2) << c.line;
        EXPECT_EQ(errors, c.error) << c.line;
        // The script stops at the refused line: nothing after it runs.
        EXPECT_EQ(form->controls().scrollBar("HScroll1")->value(), 80) << c.line;
    }
    // The largest int is a number like any other; the bar keeps it within its range.
    EXPECT_EQ(run("scroll HScroll1 2147483647\n"), 0) << errors;
    EXPECT_EQ(form->controls().scrollBar("HScroll1")->value(), 150);
}

} // namespace
} // namespace vorlin::testing
