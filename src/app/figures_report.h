#pragma once

namespace vorlin {

class Form1;

// For the desktop figures benchmark: when the environment variable VORLIN_FIGURES is set, the
// program writes a line to standard error each time it receives SIGUSR1,
//   figures <milliseconds since the epoch> <animation ticks> <frames shown>
// with the counts since start-up. It reports only when asked, so that the report itself does
// not wake the program it measures. The player never sees it.
void reportFiguresWhenAsked(Form1& form);

} // namespace vorlin
