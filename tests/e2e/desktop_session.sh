# The desktop session a player's game runs in: a session bus of its own and a window manager
# (openbox) on the test's X server, as a login to a desktop starts them. Without a session bus
# a program may wait on D-Bus autolaunching, and without a window manager boxes and windows
# are neither decorated, placed, nor given the focus as on a desktop.
# Source this file (sh or bash); with DISPLAY set, call start_desktop_session, and
# stop_desktop_session when the test ends. The bus is exported in DBUS_SESSION_BUS_ADDRESS to
# everything started from here on.

DESKTOP_SESSION_DIR=
DESKTOP_SESSION_PID=
DESKTOP_WM_PID=

# Starts COMMAND... in the background as the leader of a session with a bus of its own, which
# lives as long as the leader does; sets DESKTOP_WM_PID to the leader's own process id and
# exports the bus. Returns 1, with the reason on stderr, when the session does not start.
start_session_leader() {
    command -v dbus-run-session >/dev/null || { echo "dbus-run-session is not installed" >&2; return 1; }
    DESKTOP_SESSION_DIR=$(mktemp -d /tmp/vorlin-desktop.XXXXXX) || return 1
    # The leader says its process id and the bus's address, then becomes the command.
    dbus-run-session -- sh -c '
        dir=$1
        shift
        echo $$ >"$dir/leader.pid"
        printf "%s\n" "$DBUS_SESSION_BUS_ADDRESS" >"$dir/bus.new" && mv "$dir/bus.new" "$dir/bus"
        exec "$@"' sh "$DESKTOP_SESSION_DIR" "$@" >"$DESKTOP_SESSION_DIR/session.log" 2>&1 &
    DESKTOP_SESSION_PID=$!
    for _ in $(seq 100); do
        if [ -s "$DESKTOP_SESSION_DIR/bus" ]; then
            DESKTOP_WM_PID=$(cat "$DESKTOP_SESSION_DIR/leader.pid")
            DBUS_SESSION_BUS_ADDRESS=$(cat "$DESKTOP_SESSION_DIR/bus")
            export DBUS_SESSION_BUS_ADDRESS
            return 0
        fi
        kill -0 "$DESKTOP_SESSION_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "the session bus did not start: $(cat "$DESKTOP_SESSION_DIR/session.log")" >&2
    return 1
}

# The session of an X desktop on DISPLAY: openbox with a bus of its own. The player's own openbox
# settings are not read. Returns 1, with the reason on stderr, when it does not start.
start_desktop_session() {
    command -v openbox >/dev/null || { echo "openbox is not installed" >&2; return 1; }
    start_session_leader env XDG_CONFIG_HOME=/nonexistent openbox --sm-disable || return 1
    for _ in $(seq 100); do
        # A window manager announces itself with a check window on the root window.
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        kill -0 "$DESKTOP_WM_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "openbox did not start: $(cat "$DESKTOP_SESSION_DIR/session.log")" >&2
    return 1
}

# Ends the session's leader by its process id; the session's bus ends with it.
stop_desktop_session() {
    [ -n "$DESKTOP_WM_PID" ] && kill "$DESKTOP_WM_PID" 2>/dev/null
    if [ -n "$DESKTOP_SESSION_PID" ]; then
        # Should the leader not have started, the bus is ended with its session.
        [ -z "$DESKTOP_WM_PID" ] && kill "$DESKTOP_SESSION_PID" 2>/dev/null
        wait "$DESKTOP_SESSION_PID" 2>/dev/null
    fi
    [ -n "$DESKTOP_SESSION_DIR" ] && rm -rf "$DESKTOP_SESSION_DIR"
    DESKTOP_SESSION_DIR=
    DESKTOP_SESSION_PID=
    DESKTOP_WM_PID=
}
