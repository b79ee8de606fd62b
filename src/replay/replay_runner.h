#pragma once

#include <iosfwd>
#include <string>

namespace vorlin {

class Form1;
class VirtualClock;

// Runs a replay script against the real window on a virtual clock. One command a line, '#'
// starts a comment. Returns the exit code: 0 at the end of the script or when the game ends
// the program, 2 for an unknown command or control or a number that is not a whole number within
// the range of int (reported on err with its line number).
class ReplayRunner {
  public:
    ReplayRunner(Form1& form, VirtualClock& clock, std::ostream& out, std::ostream& err);
    int run(std::istream& script);

  private:
    // False (with a message on err) when the line cannot be carried out.
    bool execute(const std::string& command, const std::string& argument);
    void dump();
    bool advanceTicks(int count);

    Form1& form_;
    VirtualClock& clock_;
    std::ostream& out_;
    std::ostream& err_;
    std::string error_;
};

} // namespace vorlin
