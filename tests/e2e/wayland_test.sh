#!/bin/sh
# The real game on Wayland: a headless Weston of the test's own, the game on Qt's Wayland
# platform, and a screenshot of the compositor that shows the start panel as in an X server.
set -- "$1" wayland
. "$(dirname "$0")/e2e_lib.sh"

# The compositor's one output.
OUTPUT_WIDTH=1280
OUTPUT_HEIGHT=960
# The desktop shell places the window where it likes and Qt draws its title bar itself, so the
# client area is found by the green face of the Start button: WIDTHxHEIGHT+LEFT+TOP in the client
# area, as the X11 screenshot shows it. The difficulty cell of the status row is the other green
# area of the start panel.
START_FACE=72x64+65+265
DIFFICULTY_CELL=37x20+302+460


# Starts Weston on a socket of its own in a private runtime folder, as the leader of a desktop
# session with a bus of its own (ended by the shared cleanup). --debug lets any client take
# screenshots (weston-screenshooter is refused otherwise).
start_weston() {
    export XDG_RUNTIME_DIR="$WORK/runtime"
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    export WAYLAND_DISPLAY="vorlin-test-$$"
    start_session_leader weston --backend=headless-backend.so --use-pixman --debug \
        --socket="$WAYLAND_DISPLAY" --width="$OUTPUT_WIDTH" --height="$OUTPUT_HEIGHT" \
        --idle-time=0 --no-config --log="$WORK/weston.log" ||
        fail "no session bus for Weston"
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && return 0
        kill -0 "$DESKTOP_WM_PID" 2>/dev/null || break
        sleep 0.1
    done
    fail "Weston did not start: $(cat "$WORK/weston.log")"
}

# A screenshot of the whole output, as $SHOTS/NAME.png.
compositor_shot() {
    rm -rf "$WORK/shooter"
    mkdir -p "$WORK/shooter"
    (cd "$WORK/shooter" && timeout 10 weston-screenshooter) >"$WORK/shooter.log" 2>&1 ||
        fail "weston-screenshooter failed: $(cat "$WORK/shooter.log")"
    mv "$WORK/shooter"/*.png "$SHOTS/$1.png" || fail "weston-screenshooter wrote no picture"
}

# The areas of pure green (the Start button's face at the default difficulty, the difficulty
# cell) larger than a few letters in screenshot NAME, as WIDTHxHEIGHT+LEFT+TOP, one a line.
green_areas() {
    convert "$SHOTS/$1.png" -fill white -opaque "#00FF00" -fill black +opaque white \
        -define connected-components:verbose=true -define connected-components:area-threshold=200 \
        -connected-components 8 null: | awk '$NF == "srgb(255,255,255)" { print $2 }'
}

# True when the start panel is on the output; sets CLIENT_LEFT and CLIENT_TOP, where the
# window's client area lies on the output.
start_panel_on_output() {
    compositor_shot probe
    face=$(green_areas probe | grep "^${START_FACE%%+*}+") || return 1
    CLIENT_LEFT=$(($(echo "$face" | cut -d+ -f2) - $(echo "$START_FACE" | cut -d+ -f2)))
    CLIENT_TOP=$(($(echo "$face" | cut -d+ -f3) - $(echo "$START_FACE" | cut -d+ -f3)))
}

# The area AREA (WIDTHxHEIGHT+LEFT+TOP in the client area) moved to its place on the output.
on_output() {
    echo "$1" | awk -F'[x+]' -v l="$CLIENT_LEFT" -v t="$CLIENT_TOP" \
        '{ printf "%sx%s+%d+%d\n", $1, $2, $3 + l, $4 + t }'
}

# The colour of the client-area point (X, Y) of the game's window in screenshot NAME.
client_pixel() {
    pixel "$1" $((CLIENT_LEFT + $2)) $((CLIENT_TOP + $3))
}

start_weston
make_program_folder
# No X server: the game must come up on Wayland or not at all.
unset DISPLAY
QT_QPA_PLATFORM=wayland HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/.local/share" \
    "$PROGRAM/vorlin" >"$WORK/game.out" 2>"$WORK/game.err" &
# shellcheck disable=SC2034 # ended by the shared cleanup and watched by wait_until
GAMEPID=$!
wait_until 20 "the start panel on the Wayland output" start_panel_on_output

compositor_shot start_panel
echo "client area at ($CLIENT_LEFT, $CLIENT_TOP) on the output"
# Both green areas of the start panel where the X11 window shows them, and nothing else green.
[ "$(green_areas start_panel | sort)" = "$(printf '%s\n' "$(on_output "$START_FACE")" \
    "$(on_output "$DIFFICULTY_CELL")" | sort)" ] ||
    fail "green areas on the output: $(green_areas start_panel | tr '\n' ' ')"
# The status row black behind its captions, down to the last pixel of a 640 x 480 client area.
for point in "180 478" "639 479"; do
    # shellcheck disable=SC2086 # a point is two numbers
    [ "$(client_pixel start_panel $point)" = "srgb(0,0,0)" ] ||
        fail "status row at ($point): $(client_pixel start_panel $point)"
done
# The picture behind the panel fills the client area: a line across it has many colours.
colours=$(convert "$SHOTS/start_panel.png" -crop "640x1+$CLIENT_LEFT+$((CLIENT_TOP + 60))" \
    +repage -format "%k" info:)
[ "$colours" -gt 4 ] || fail "the window's row 60 shows only $colours colours"
echo "ok"
