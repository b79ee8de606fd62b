#pragma once

namespace vorlin {

class Form1;

// For the desktop figures benchmark: when the environment variable VORLIN_FIGURES is set, the
// program writes a line to standard error ten times a second,
//   figures <milliseconds since the epoch> <animation ticks> <frames shown>
// with the counts since start-up. The player never sees it.
void reportFiguresWhenAsked(Form1& form);

} // namespace vorlin
