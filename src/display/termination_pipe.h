#pragma once

namespace vorlin {

// Lets the program end in order when it is asked to by a signal: keep a finished game's result,
// put the screen mode back, quit.
//
// installTerminationPipe() makes a pipe and installs handlers for SIGINT, SIGTERM, SIGHUP and
// SIGQUIT that only write the signal's number into it, and returns the pipe's read end (-1 when the
// pipe or a handler cannot be made). The window watches the read end in its event loop (a
// QSocketNotifier); when it becomes readable it calls readTerminationSignal() and ends the
// program its own way. Each handler fires once: a second identical signal ends the program
// at once, in case that ending hangs. Installing again returns the same read end and arms
// the handlers anew.
int installTerminationPipe();

// Takes one signal number out of the pipe; 0 when none is waiting.
int readTerminationSignal(int readEnd);

} // namespace vorlin
