#pragma once

namespace vorlin {

// What the system lets the game have: open files (file descriptors) and address space. The game
// asks for all it may have at start-up, and refuses to start, saying why, when that is too
// little, instead of failing at some random place later (an abort, or a display connection
// that waits for ever for a reply whose descriptor it cannot receive).
class SystemLimits {
  public:
    // The display connection and the descriptors its replies bring, the seven timers, the
    // termination pipe, the sound server, the game controllers, the session bus, the record files
    // and their lock, a picture being read and the screen-mode guardian's socket, with room to
    // spare.
    static constexpr long kDescriptorsNeeded = 64;
    // The toolkit's libraries, the game's pictures and the threads with their stacks and memory
    // pools: about 500 MiB on a desktop with two cores, more with more cores (the toolkit paints
    // with a thread for each). Below what it needs the game may fail anywhere: a picture cannot
    // be loaded, or the toolkit waits for ever for a painting thread it could not start.
    static constexpr long kAddressSpaceNeededMiB = 1024;
    // Below these the toolkit is not asked to show a message box: it could abort on the way.
    static constexpr long kDescriptorsForAMessage = 8;
    static constexpr long kAddressSpaceForAMessageMiB = 160;

    // Raises the soft limits of open files and of address space to their hard limits, as
    // desktop programs do.
    static void raiseSoftLimits();
    // How many more files the program may open now: the limit less those already open.
    static long freeDescriptors();
    // The address space the program may use, in MiB; LONG_MAX when there is no limit.
    static long addressSpaceMiB();
};

} // namespace vorlin
