#pragma once

namespace vorlin {

// Lets the program put the screen mode back when it is asked to end by a signal.
//
// installTerminationPipe() makes a pipe and installs handlers for SIGINT, SIGTERM, SIGHUP and
// SIGQUIT that only write the signal's number into it, and returns the pipe's read end (-1 when the
// pipe or a handler cannot be made). The window watches the read end in its event loop (a
// QSocketNotifier); when it becomes readable it calls readTerminationSignal(), restores the
// start-up mode and quits. Each handler fires once: a second identical signal ends the program
// at once, in case the restore itself hangs. Installing again returns the same read end.
int installTerminationPipe();

// Takes one signal number out of the pipe; 0 when none is waiting.
int readTerminationSignal(int readEnd);

} // namespace vorlin
