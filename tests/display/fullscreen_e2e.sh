#!/bin/bash
# The full-screen button on a real X server whose mode can change: the game switches the
# screen to 640 x 480 and back to 1024 x 768, and puts the start-up mode back when it is ended
# while in full screen by SIGTERM, SIGQUIT or the X server killing its window. Killed where no
# handler can run (SIGKILL, SIGSEGV, SIGABRT), its screen-mode guardian puts the mode back within
# two seconds; after every ending no guardian is left.
#
# Usage: fullscreen_e2e.sh [path/to/vorlin]   (default: ./vorlin, with dati/ beside it)
# Screenshots go to e2e/ beside the binary. Exit code 77 (skipped) only when no Xorg server can
# be started.
set -u
# SIGSEGV and SIGABRT would leave a core file behind.
ulimit -c 0
here=$(cd "$(dirname "$0")" && pwd)
source "$here/dummy_xorg.sh"

game=$(realpath -m "${1:-./vorlin}")
build_dir=$(dirname "$game")
shots="$build_dir/e2e"
# Client-area points of the menu button "Menù->" and of Riso1 on the button bar.
readonly MENU_X=23 MENU_Y=470
readonly RISO1_X=355 RISO1_Y=470

game_pid=""
guardian_pid=""
scratch=""
# The game writes its record file beside itself; one that this test made is removed again.
record_file="$build_dir/Recordc1.kpr"
record_file_was_there=false
[ -e "$record_file" ] && record_file_was_there=true

fail() {
    echo "FAILED: $*" >&2
    [ -n "$scratch" ] && import -display "$DUMMY_DISPLAY" -window root "$shots/fullscreen_failure.png" 2>/dev/null
    exit 1
}

clean_up() {
    if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
        kill -KILL "$game_pid" 2>/dev/null
        wait "$game_pid" 2>/dev/null
    fi
    # A guardian of a game the test ended puts the mode back and leaves; one still there is ended.
    if [ -n "$guardian_pid" ] && ! process_gone "$guardian_pid"; then
        sleep 1
        process_gone "$guardian_pid" || kill -KILL "$guardian_pid" 2>/dev/null
    fi
    stop_dummy_xorg
    [ -n "$scratch" ] && rm -rf "$scratch"
    [ "$record_file_was_there" = false ] && rm -f "$record_file"
}
trap clean_up EXIT

[ -x "$game" ] || fail "the game binary $game does not exist"
[ -d "$build_dir/dati" ] || fail "the data folder $build_dir/dati does not exist"
command -v xdotool >/dev/null || fail "xdotool is not installed"

if ! start_dummy_xorg; then
    echo "SKIPPED: no test Xorg server can be started" >&2
    exit 77
fi
export DISPLAY="$DUMMY_DISPLAY"
mkdir -p "$shots"
# Records go to a folder of the test's own when the program folder is not writable.
scratch=$(mktemp -d /tmp/vorlin-e2e.XXXXXX)
export XDG_DATA_HOME="$scratch/data"

start_game() {
    # A background job of a non-interactive shell starts with SIGINT and SIGQUIT ignored.
    env --default-signal=INT,QUIT "$game" >"$scratch/game.log" 2>&1 &
    game_pid=$!
    game_window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vorlin' | head -n 1)
    [ -n "$game_window" ] || fail "the game window did not appear"
}

click() {
    xdotool mousemove --window "$game_window" "$1" "$2" click 1
    sleep 0.3
}

open_menu_and_click_riso1() {
    click "$MENU_X" "$MENU_Y"
    click "$RISO1_X" "$RISO1_Y"
}

# Waits up to about ten seconds for the game to end.
wait_for_game_end() {
    local attempt
    for attempt in $(seq 1 50); do
        if ! kill -0 "$game_pid" 2>/dev/null; then
            wait "$game_pid" 2>/dev/null
            game_pid=""
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# The screen-mode guardian the game started at its first switch: its one child process that
# was started with the guardian's argument.
find_guardian() {
    guardian_pid=$(pgrep -P "$game_pid" -f -- '--screen-mode-guardian' | head -n 1)
    [ -n "$guardian_pid" ] || fail "no screen-mode guardian watches the switched screen"
}

# True when the process no longer runs (one that has ended but is not yet reaped counts as gone).
process_gone() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) || return 0
    case "$state" in Z*) return 0 ;; esac
    return 1
}

# Fails unless the guardian has left, at the latest a second after the game (the game waits for it
# when it ends its own way, so then it has left already).
guardian_left() {
    local attempt
    for attempt in $(seq 1 "${2:-1}"); do
        process_gone "$guardian_pid" && return 0
        sleep 0.1
    done
    fail "the screen-mode guardian $guardian_pid still runs after the game ended ($1)"
}

# True when, within two seconds, the window manager shows the game window in the desktop's
# full-screen state (no frame, above the panels) as WANTED says: "on" or "off".
full_screen_state_is() {
    local attempt state
    for attempt in $(seq 1 20); do
        state=off
        xprop -id "$game_window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN && state=on
        [ "$state" = "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

# True when the screen is back at 1024 x 768 within two seconds.
screen_back_within_two_seconds() {
    local attempt
    for attempt in $(seq 1 20); do
        [ "$(current_screen_size)" = "1024 x 768" ] && return 0
        sleep 0.1
    done
    return 1
}

[ "$(current_screen_size)" = "1024 x 768" ] || fail "the test screen does not start at 1024 x 768"

# Full screen and back with the button.
start_game
open_menu_and_click_riso1
wait_for_screen_size "640 x 480" || fail "'A tutto schermo' left the screen at $(current_screen_size)"
full_screen_state_is on || fail "the window manager does not show the game in full screen"
import -window root "$shots/fullscreen_on.png"
find_guardian
click "$RISO1_X" "$RISO1_Y"
wait_for_screen_size "1024 x 768" || fail "'In finestra' left the screen at $(current_screen_size)"
full_screen_state_is off || fail "the game left full screen, but the window manager still shows it so"
import -window root "$shots/fullscreen_off.png"
kill -TERM "$game_pid"
wait_for_game_end || fail "the game did not end on SIGTERM"
guardian_left "SIGTERM after 'In finestra'"

# Ended while in full screen: by a signal the game handles, or by the X server killing the client,
# which breaks the game's display connection (the screen mode has a connection of its own).
end_in_full_screen() {
    local how=$1
    start_game
    open_menu_and_click_riso1
    wait_for_screen_size "640 x 480" || fail "'A tutto schermo' left the screen at $(current_screen_size)"
    find_guardian
    case "$how" in
    windowkill) xdotool windowkill "$game_window" ;;
    *) kill "-$how" "$game_pid" ;;
    esac
    wait_for_game_end || fail "the game did not end on $how in full screen"
    guardian_left "$how"
    wait_for_screen_size "1024 x 768" ||
        fail "$how in full screen left the screen at $(current_screen_size): $(cat "$scratch/game.log")"
    import -window root "$shots/fullscreen_after_$how.png"
}
for ending in TERM QUIT windowkill; do
    end_in_full_screen "$ending"
done

# Killed while in full screen where the game itself can do nothing: the guardian puts the mode back
# and leaves.
killed_in_full_screen() {
    local how=$1
    start_game
    open_menu_and_click_riso1
    wait_for_screen_size "640 x 480" || fail "'A tutto schermo' left the screen at $(current_screen_size)"
    find_guardian
    kill "-$how" "$game_pid"
    screen_back_within_two_seconds ||
        fail "two seconds after SIG$how in full screen the screen is at $(current_screen_size)"
    wait_for_game_end || fail "the game did not end on SIG$how"
    guardian_left "SIG$how" 10
    import -window root "$shots/fullscreen_after_$how.png"
}
for ending in KILL SEGV ABRT; do
    killed_in_full_screen "$ending"
done
# Nothing dumped its core here.
[ -z "$(find "$build_dir" "$PWD" -maxdepth 1 -name 'core*' -newer "$scratch" 2>/dev/null)" ] ||
    fail "a core file was left behind"

echo "full screen: 640 x 480 and back to 1024 x 768, also after SIGTERM, SIGQUIT and windowkill;" \
    "the guardian restored it after SIGKILL, SIGSEGV and SIGABRT"
