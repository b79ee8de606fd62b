#!/bin/sh
# The game and the session bus: with none in its environment it starts no bus of its own (no
# dbus-launch, which the first paint would wait on), and on a desktop with a session bus it
# joins that bus, as the screen readers' bridge needs.
set -- "$1" session_bus
. "$(dirname "$0")/e2e_lib.sh"

start_desktop
make_program_folder

# No session bus: every program the game starts is traced until its start panel is shown.
env -u DBUS_SESSION_BUS_ADDRESS HOME="$WORK/home" XDG_DATA_HOME="$WORK/data" \
    strace -f -q -e trace=execve -o "$WORK/started" "$PROGRAM/vorlin" \
    >"$WORK/game.out" 2>"$WORK/game.err" &
GAMEPID=$!
WINDOW=$(timeout 20 xdotool search --sync --name '^Vorlin ' | head -n 1)
[ -n "$WINDOW" ] || fail "the game window did not appear: $(cat "$WORK/game.err")"
wait_until 20 "the start panel without a session bus" start_panel_shown
started=$(grep -o 'execve("[^"]*"' "$WORK/started" | grep -v "\"$PROGRAM/vorlin\"")
[ -z "$started" ] || fail "without a session bus the game started: $started"
quit_with_escape

# The desktop's bus: the game is one of its connections.
start_game
wait_until 20 "the start panel on the desktop" start_panel_shown
game_on_bus() {
    for name in $(dbus-send --session --print-reply --dest=org.freedesktop.DBus \
        /org/freedesktop/DBus org.freedesktop.DBus.ListNames | sed -n 's/.*string "\(:[^"]*\)".*/\1/p'); do
        pid=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.GetConnectionUnixProcessID "string:$name" 2>/dev/null |
            sed -n 's/.*uint32 //p')
        [ "$pid" = "$GAMEPID" ] && return 0
    done
    return 1
}
wait_until 10 "the game to join the session bus" game_on_bus
quit_with_escape
echo "ok"
