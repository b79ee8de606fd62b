# Shared by the real-window tests: an X server of the test's own, a program folder of its own,
# and screenshots kept under build/e2e/.
# Usage: . e2e_lib.sh BUILD_DIR TEST_NAME

BUILD_DIR=$1
TEST_NAME=$2
SHOTS="$BUILD_DIR/e2e/$TEST_NAME"
WORK=$(mktemp -d "/tmp/vorlin-e2e-$TEST_NAME.XXXXXX")
XPID=
GAMEPID=
rm -rf "$SHOTS"
mkdir -p "$SHOTS"

cleanup() {
    [ -n "$GAMEPID" ] && kill "$GAMEPID" 2>/dev/null
    [ -n "$XPID" ] && kill "$XPID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts Xvfb on a free display number: WIDTHxHEIGHTxDEPTH (default 1024x768x24).
start_xvfb() {
    for n in $(seq 40 90); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${1:-1024x768x24}" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
        XPID=$!
        for _ in $(seq 50); do
            if xdpyinfo -display ":$n" >/dev/null 2>&1; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$XPID" 2>/dev/null || break
            sleep 0.1
        done
    done
    fail "no X server could be started"
}

# A program folder with the game and a copy of its data files.
make_program_folder() {
    PROGRAM="$WORK/program"
    mkdir -p "$PROGRAM"
    cp "$BUILD_DIR/vorlin" "$PROGRAM/"
    cp -r "$BUILD_DIR/dati" "$PROGRAM/"
}

# Starts the game and waits for its window; WINDOW is its X id.
start_game() {
    HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/.local/share" "$PROGRAM/vorlin" \
        >"$WORK/game.out" 2>"$WORK/game.err" &
    GAMEPID=$!
    WINDOW=$(timeout 20 xdotool search --sync --name '^Vorlin ' | head -n 1)
    [ -n "$WINDOW" ] || fail "the game window did not appear: $(cat "$WORK/game.err")"
    sleep 1
}

shot() {
    import -window "$WINDOW" "$SHOTS/$1.png"
}

# The colour of one pixel of a screenshot, as ImageMagick names it (e.g. srgb(0,255,0)).
pixel() {
    convert "$SHOTS/$1.png" -format "%[pixel:p{$2,$3}]" info:
}

# Clicks at a point of the client area.
click_at() {
    xdotool mousemove --window "$WINDOW" "$1" "$2" click 1
    sleep 0.3
}

key() {
    xdotool key --window "$WINDOW" "$@"
    sleep 0.2
}
