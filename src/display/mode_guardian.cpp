#include "display/mode_guardian.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <string_view>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vorlin {

namespace {

// The messages on the socket, one byte each.
constexpr char kReady = 'R';    // guardian to game: its own display connection is open
constexpr char kChanged = '1';  // game to guardian: the screen is leaving the start-up mode
constexpr char kRestored = '0'; // game to guardian: the start-up mode is back

// How long the game waits for a new guardian to answer, and for one to leave.
constexpr int kReadyTimeoutMs = 3000;
constexpr auto kLeaveTimeout = std::chrono::seconds(2);
constexpr auto kLeavePoll = std::chrono::milliseconds(5);

// The program name, the argument, then width, height, depth, centre x and centre y.
constexpr int kArgumentCount = 7;

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end || text.empty()) return std::nullopt;
    return value;
}

bool sendByte(int channel, char message) {
    // A guardian that has gone must not end the game with SIGPIPE.
    while (true) {
        const ssize_t sent = send(channel, &message, 1, MSG_NOSIGNAL);
        if (sent == 1) return true;
        if (sent < 0 && errno == EINTR) continue;
        return false;
    }
}

bool readyWithin(int channel, int timeoutMs) {
    pollfd watched{channel, POLLIN, 0};
    int ready = 0;
    do {
        ready = poll(&watched, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    if (ready != 1) return false;
    char message = 0;
    return read(channel, &message, 1) == 1 && message == kReady;
}

// Spawns the guardian with its end of the socket as kChannelFd and every other descriptor of
// the game closed (they are all close-on-exec). It has a process group of its own, so that a
// Ctrl+C in the terminal or a kill of the game's group leaves it to do its work.
pid_t spawnGuardian(const std::string& executable, const GuardedScreen& screen, int guardianEnd) {
    const std::array<std::string, kArgumentCount> arguments{
        executable,
        ModeGuardian::kArgument,
        std::to_string(screen.startupMode.width),
        std::to_string(screen.startupMode.height),
        std::to_string(screen.startupMode.depth),
        std::to_string(screen.windowCentre.x),
        std::to_string(screen.windowCentre.y),
    };
    std::array<char*, kArgumentCount + 1> argv{};
    for (std::size_t i = 0; i < arguments.size(); ++i)
        argv[i] = const_cast<char*>(arguments[i].c_str());

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    // dup2 onto another number clears close-on-exec on the copy only.
    posix_spawn_file_actions_adddup2(&actions, guardianEnd, ModeGuardian::kChannelFd);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);
    pid_t process = -1;
    const int failed =
        posix_spawn(&process, executable.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? process : -1;
}

} // namespace

std::unique_ptr<ModeGuardian> ModeGuardian::start(const std::string& executable,
                                                  const GuardedScreen& screen) {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return nullptr;
    int guardianEnd = ends[1];
    // The copy for the guardian must land on another number than its source.
    if (guardianEnd == kChannelFd) {
        guardianEnd = fcntl(ends[1], F_DUPFD_CLOEXEC, kChannelFd + 1);
        close(ends[1]);
        if (guardianEnd < 0) {
            close(ends[0]);
            return nullptr;
        }
    }
    const pid_t process = spawnGuardian(executable, screen, guardianEnd);
    close(guardianEnd);
    auto guardian = std::make_unique<ModeGuardian>(ends[0], process);
    if (process < 0 || !readyWithin(ends[0], kReadyTimeoutMs)) return nullptr;
    return guardian;
}

std::optional<GuardedScreen> ModeGuardian::parseArguments(int argc, const char* const* argv) {
    if (argc != kArgumentCount || std::string_view(argv[1]) != kArgument) return std::nullopt;
    std::array<int, kArgumentCount - 2> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::optional<int> number = wholeNumber(argv[i + 2]);
        if (!number) return std::nullopt;
        numbers[i] = *number;
    }
    return GuardedScreen{{numbers[0], numbers[1], numbers[2]}, {numbers[3], numbers[4]}};
}

bool ModeGuardian::watch(int channel, DisplayBackend& screen, const DisplayMode& startupMode) {
    if (!sendByte(channel, kReady)) return false;
    bool changed = false;
    while (true) {
        char message = 0;
        const ssize_t got = read(channel, &message, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got != 1) break; // the game has ended, one way or another
        if (message == kChanged) changed = true;
        if (message == kRestored) changed = false;
    }
    if (!changed) return false;
    constexpr bool withDepth = true;
    if (screen.testMode(startupMode, withDepth) != DISP_CHANGE_SUCCESSFUL) return false;
    return screen.applyMode(startupMode, withDepth) == DISP_CHANGE_SUCCESSFUL;
}

ModeGuardian::ModeGuardian(int channel, pid_t process) : channel_(channel), process_(process) {}

ModeGuardian::~ModeGuardian() {
    close(channel_);
    if (process_ < 0) return;
    // With the mode back the guardian leaves at once; otherwise it puts the mode back first.
    const auto deadline = std::chrono::steady_clock::now() + kLeaveTimeout;
    while (waitpid(process_, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(process_, SIGKILL);
            waitpid(process_, nullptr, 0);
            return;
        }
        std::this_thread::sleep_for(kLeavePoll);
    }
}

void ModeGuardian::modeChanged() {
    tell(kChanged);
}

void ModeGuardian::modeRestored() {
    tell(kRestored);
}

void ModeGuardian::tell(char message) {
    sendByte(channel_, message);
}

} // namespace vorlin
