# Shared by the real-window tests: an X server of the test's own with a desktop session on it
# (a session bus and a window manager), a program folder of its own, and screenshots kept under
# build/e2e/.
# Usage: set -- BUILD_DIR TEST_NAME; . e2e_lib.sh
# A script that is not in tests/e2e sets E2E_DIR to that folder first.

BUILD_DIR=$1
TEST_NAME=$2
SHOTS="$BUILD_DIR/e2e/$TEST_NAME"
WORK=$(mktemp -d "/tmp/vorlin-e2e-$TEST_NAME.XXXXXX")
XPID=
GAMEPID=
rm -rf "$SHOTS"
mkdir -p "$SHOTS"
. "${E2E_DIR:-$(dirname "$0")}/desktop_session.sh"

cleanup() {
    if [ -n "$GAMEPID" ]; then
        # A game started under a session of its own (dbus-run-session) is ended with its bus.
        pkill -P "$GAMEPID" 2>/dev/null
        kill "$GAMEPID" 2>/dev/null
    fi
    stop_desktop_session
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
        Xvfb ":$n" -screen 0 "${1:-1024x768x24}" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
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

# Starts Xvfb (WIDTHxHEIGHTxDEPTH, default 1024x768x24) and on it a desktop session: openbox
# under a session bus of its own, exported to the game and every other program started after.
start_desktop() {
    start_xvfb "$@"
    start_desktop_session || fail "no desktop session on $DISPLAY"
    # The accented letters the tests type get keys of their own, as on an Italian keyboard:
    # xdotool would otherwise map a spare key to each for a moment, and a program busy at that
    # moment reads the key after the map is put back, and loses the letter.
    xmodmap -e "keycode 254 = ograve Ograve" || fail "no key for the accented letters on $DISPLAY"
}

# A program folder with the game and a copy of its data files.
make_program_folder() {
    PROGRAM="$WORK/program"
    mkdir -p "$PROGRAM"
    cp "$BUILD_DIR/vorlin" "$PROGRAM/"
    cp -r "$BUILD_DIR/dati" "$PROGRAM/"
}

# The user who plays an installed game, whose home is PLAYER_HOME: root may write anywhere, so as
# root it is the unprivileged user nobody, let onto the display; otherwise the caller. Sets
# PLAYER_ID and AS_PLAYER, the words that run a command as that user (none for the caller).
choose_player() {
    if [ "$(id -u)" -eq 0 ]; then
        PLAYER_ID=65534
        chown "$PLAYER_ID:$PLAYER_ID" "$PLAYER_HOME"
        xhost "+si:localuser:$(id -nu "$PLAYER_ID")" >/dev/null || fail "nobody may not use the display"
        # The player's desktop session has a bus of its own: a session bus only lets its own
        # user in.
        AS_PLAYER="setpriv --reuid=$PLAYER_ID --regid=$PLAYER_ID --clear-groups dbus-run-session --"
    else
        PLAYER_ID=$(id -u)
        AS_PLAYER=
    fi
}

# Starts the game and waits for its window; WINDOW is its X id.
start_game() {
    HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/.local/share" "$PROGRAM/vorlin" \
        >"$WORK/game.out" 2>"$WORK/game.err" &
    GAMEPID=$!
    wait_for_game_window "the game window did not appear"
}

# Waits for the window of the game just started, whose standard error goes to $WORK/game.err;
# WINDOW is its X id. Fails with WHY and what the game said when none appears.
wait_for_game_window() {
    WINDOW=$(timeout 20 xdotool search --sync --name '^Vorlin ' | head -n 1)
    [ -n "$WINDOW" ] || fail "$1: $(cat "$WORK/game.err")"
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

# --- Playing as a person would: the start panel, the button bar and the end of a game ---

# Client-area points of the controls the tests use (the start panel Frame1 lies at (48, 128),
# the button bar Frame4 at (39, 460)).
START_BUTTON_X=100
START_BUTTON_Y=296
# A point of the Start button's face away from its caption.
START_FACE_X=70
START_FACE_Y=322
NAME_BOX_X=376
NAME_BOX_Y=308
SPEED_BAR_LEFT_ARROW_X=174
SPEED_BAR_Y=240
BAR_Y=470
BAR_RESUME_X=180
BAR_NEW_GAME_X=267
# Near the top edge of the bar's buttons, above their captions.
BAR_FACE_Y=463
# Clicks on the speed bar's left arrow that take it from 80 to 1, with some to spare.
SPEED_ARROW_CLICKS=90
# The Start button's face at the default difficulty "Bassa".
START_GREEN="srgb(0,255,0)"

# Runs a command every half second until it succeeds; fails the test after SECONDS seconds.
# Usage: wait_until SECONDS WHAT command...
wait_until() {
    limit=$(($1 * 2))
    what=$2
    shift 2
    for _ in $(seq "$limit"); do
        "$@" && return 0
        kill -0 "$GAMEPID" 2>/dev/null || fail "the game ended while waiting for: $what"
        sleep 0.5
    done
    fail "timed out after $((limit / 2)) s waiting for: $what"
}

# True when the start panel is on screen: its Start button shows the difficulty's colour
# (green unless another is given).
start_panel_shown() {
    shot probe
    [ "$(pixel probe "$START_FACE_X" "$START_FACE_Y")" = "${1:-$START_GREEN}" ]
}

start_panel_hidden() {
    ! start_panel_shown "$@"
}

# True when the field stands still: two screenshots a third of a second apart are identical.
field_still() {
    shot still_a
    sleep 0.3
    shot still_b
    shots_identical still_a still_b
}

# True when the button bar covers the bottom row: its light buttons where the status row is black.
bar_shown() {
    shot probe
    convert "$SHOTS/probe.png" \
        -format "%[fx:p{$BAR_NEW_GAME_X,$BAR_FACE_Y}.intensity > 0.8]" info: | grep -qx 1
}

# How many pixels of the game's orange text a new screenshot shows inside AREA (WxH+X+Y).
orange_pixels() {
    shot probe
    convert "$SHOTS/probe.png" -crop "$1" +repage -fuzz 20% \
        -fill white -opaque "rgb(255,128,0)" -fill black +opaque white \
        -format "%[fx:round(mean*w*h)]" info:
}

# True when the name box shows nothing: no orange text pixel anywhere inside it.
name_box_empty() {
    [ "$(orange_pixels 377x32+188+292)" -eq 0 ]
}

# Replaces whatever the name box holds with NAME, typed key by key.
type_player_name() {
    click_at "$NAME_BOX_X" "$NAME_BOX_Y"
    key ctrl+a BackSpace
    xdotool type --window "$WINDOW" --delay 40 "$1"
    sleep 0.3
}

click_start() {
    click_at "$START_BUTTON_X" "$START_BUTTON_Y"
}

# Moves the start panel's speed bar to 1 ms, the fastest game, with its left arrow.
set_start_speed_fastest() {
    xdotool mousemove --window "$WINDOW" "$SPEED_BAR_LEFT_ARROW_X" "$SPEED_BAR_Y" \
        click --repeat "$SPEED_ARROW_CLICKS" --delay 15 1
    sleep 0.3
}

# True when the two screenshots have exactly the same pixels.
shots_identical() {
    [ "$(compare -metric AE "$SHOTS/$1.png" "$SHOTS/$2.png" null: 2>&1)" = "0" ]
}

# Waits for the game to end by itself and its result to be written: the record file of FOLDER
# is there and differs from the copy BEFORE. Fails after SECONDS seconds.
wait_for_new_record() {
    wait_until "$3" "a new record in $1/Recordc1.kpr" sh -c 'cmp -s "$1" "$2"; [ $? -eq 1 ]' sh \
        "$1/Recordc1.kpr" "$2"
}

# A record line with its closing CR made visible.
show_line_end() {
    printf '%s' "$1" | LC_ALL=C sed 's/\r$/<CR>/'
}

# Checks that AFTER is BEFORE with one new record for NAME inserted at its ranked place: the
# colour COLOUR, today's date, CR LF, the first 1000 records of BEFORE kept in order below and
# above it. The file is Windows-1252, so its lines are handled byte by byte. Sets NEW_POSITION
# and NEW_POINTS.
check_inserted_record() {
    before=$1 after=$2 colour=$3 name=$4
    [ "$(wc -l <"$after")" -eq 1001 ] || fail "the record file has $(wc -l <"$after") lines"
    NEW_POSITION=$(LC_ALL=C cmp "$before" "$after" | LC_ALL=C sed -n 's/.* line \([0-9]*\)$/\1/p')
    [ -n "$NEW_POSITION" ] || fail "no new record in the record file"
    line=$(LC_ALL=C sed -n "${NEW_POSITION}p" "$after")
    NEW_POINTS=$(printf '%s' "$line" | LC_ALL=C sed -n 's/^"[0-9]*","\([0-9]*\)",.*/\1/p')
    [ -n "$NEW_POINTS" ] || fail "record line $NEW_POSITION is '$line'"
    expected="\"$colour\",\"$NEW_POINTS\",\"$(date +%d/%m/%Y)\",\"$name\"$(printf '\r')"
    [ "$line" = "$expected" ] || fail "record line $NEW_POSITION is '$(show_line_end "$line")'," \
        "expected '$(show_line_end "$expected")'"
    # Ranked: every record above it has at least its points, the one below has fewer.
    LC_ALL=C awk -F'"' -v k="$NEW_POSITION" -v p="$NEW_POINTS" '
        NR < k && $4 + 0 < p + 0 { bad = 1 }
        NR == k + 1 && $4 + 0 >= p + 0 { bad = 1 }
        END { exit bad }' "$after" ||
        fail "the record of $NEW_POINTS points is out of rank at line $NEW_POSITION"
    # Nothing else moved: without the new line the file is the old table.
    head -n 1000 "$before" >"$WORK/kept_records"
    LC_ALL=C sed "${NEW_POSITION}d" "$after" | cmp -s - "$WORK/kept_records" ||
        fail "the other records changed when the new one was inserted"
}

# Presses Esc while the game stands still, which ends the program, and waits for it to end;
# fails unless it ends with success.
quit_with_escape() {
    # Typed on the keyboard, not sent to the window: the window is gone before the key is
    # released, and a key sent to a vanished window would stay held down in the X server.
    xdotool windowfocus --sync "$WINDOW"
    xdotool key Escape
    timeout 10 sh -c 'while kill -0 "$1" 2>/dev/null; do sleep 0.2; done' sh "$GAMEPID" ||
        fail "Esc did not end the program"
    wait "$GAMEPID"
    code=$?
    GAMEPID=
    [ "$code" -eq 0 ] || fail "the program ended with exit code $code after Esc"
}

# Keeps one quiet client connected to the X server, so that it does not reset (and refuse
# connections for a moment) each time the last game ends; for scripts that start many games.
# The client ends with the server.
hold_display_open() {
    xev -root -event property >/dev/null 2>&1 &
}
