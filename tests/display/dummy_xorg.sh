# Shell functions that start and stop an Xorg server with the dummy video driver: a screen of
# 1024 x 768 that also offers 640 x 480, whose mode can really be switched with RandR.
# Source this file, call start_dummy_xorg, then stop_dummy_xorg (from an EXIT trap).
# After a successful start, DUMMY_DISPLAY holds the display name (":91"), and the server has a
# desktop session: openbox with a session bus of its own, exported in DBUS_SESSION_BUS_ADDRESS.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/desktop_session.sh"

DUMMY_XORG_DIR=""
DUMMY_XORG_PID=""
DUMMY_DISPLAY=""

write_dummy_xorg_config() {
    cat >"$1" <<'CONFIG'
Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "AutoEnableDevices" "false"
    Option "DontVTSwitch" "true"
EndSection

Section "Monitor"
    Identifier "Monitor0"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
    Modeline "1024x768" 65.00 1024 1048 1184 1344 768 771 777 806 -hsync -vsync
    Modeline "640x480" 25.18 640 656 752 800 480 490 492 525 -hsync -vsync
EndSection

Section "Device"
    Identifier "Card0"
    Driver "dummy"
    VideoRam 32768
EndSection

Section "Screen"
    Identifier "Screen0"
    Device "Card0"
    Monitor "Monitor0"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "1024x768" "640x480"
        Virtual 1024 768
    EndSubSection
EndSection
CONFIG
}

# The first display number with neither a socket nor a lock file.
free_display_number() {
    local number
    for number in $(seq 91 199); do
        if [ ! -e "/tmp/.X11-unix/X$number" ] && [ ! -e "/tmp/.X$number-lock" ]; then
            echo "$number"
            return 0
        fi
    done
    return 1
}

# Returns 1, with the reason on stderr, when the server cannot be started.
start_dummy_xorg() {
    command -v Xorg >/dev/null || { echo "Xorg is not installed" >&2; return 1; }
    DUMMY_XORG_DIR=$(mktemp -d /tmp/vorlin-xorg.XXXXXX) || return 1
    write_dummy_xorg_config "$DUMMY_XORG_DIR/xorg.conf"
    local number
    number=$(free_display_number) || { echo "no free display number" >&2; return 1; }
    Xorg ":$number" -config "$DUMMY_XORG_DIR/xorg.conf" -noreset -nolisten tcp \
        -logfile "$DUMMY_XORG_DIR/xorg.log" >"$DUMMY_XORG_DIR/xorg.out" 2>&1 &
    DUMMY_XORG_PID=$!
    local attempt
    for attempt in $(seq 1 100); do
        if ! kill -0 "$DUMMY_XORG_PID" 2>/dev/null; then
            echo "Xorg stopped while starting:" >&2
            tail -n 20 "$DUMMY_XORG_DIR/xorg.log" >&2 2>/dev/null
            DUMMY_XORG_PID=""
            return 1
        fi
        if xrandr -d ":$number" >/dev/null 2>&1; then
            DUMMY_DISPLAY=":$number"
            DISPLAY="$DUMMY_DISPLAY" start_desktop_session
            return
        fi
        sleep 0.1
    done
    echo "Xorg does not answer on :$number" >&2
    return 1
}

stop_dummy_xorg() {
    stop_desktop_session
    if [ -n "$DUMMY_XORG_PID" ]; then
        kill "$DUMMY_XORG_PID" 2>/dev/null
        wait "$DUMMY_XORG_PID" 2>/dev/null
        DUMMY_XORG_PID=""
    fi
    if [ -n "$DUMMY_XORG_DIR" ]; then
        rm -rf "$DUMMY_XORG_DIR"
        DUMMY_XORG_DIR=""
    fi
}

# The screen size as xrandr reports it, e.g. "1024 x 768".
current_screen_size() {
    xrandr -d "$DUMMY_DISPLAY" 2>/dev/null | sed -n 's/.*current \([0-9]* x [0-9]*\).*/\1/p'
}

# Waits up to about ten seconds for the screen to reach a size; 1 if it does not.
wait_for_screen_size() {
    local attempt
    for attempt in $(seq 1 50); do
        [ "$(current_screen_size)" = "$1" ] && return 0
        sleep 0.2
    done
    return 1
}
