#!/bin/sh
# Every message of the game is a window of its own that a player can read and close, on a
# desktop with a window manager: a damaged record file shown by "Record", a save that fails
# because the record file became a folder during the game, no folder for the records at all,
# and a missing picture at start-up. Each box is a mapped dialog titled "Vorlin", over the
# game's window and modal to it, with all of its text inside it and the keyboard focus; its OK
# closes it by a click, by Enter, by Space and by Esc, and the game goes on after it.
set -- "$1" message_box
. "$(dirname "$0")/e2e_lib.sh"

# A game at 1 ms a tick, with its 6 s farewell, is over well within this.
GAME_SECONDS=150
# Client-area points of the button bar: "Menù->" (Command2menu) and "Record" (Command5).
MENU_X=23
RECORD_X=431
# How far in from the box's edges nothing but its background may lie: text cut at an edge
# would reach it.
CLEAR_EDGE=4

# Sets X, Y, WIDTH and HEIGHT to the box's place on the screen and its size.
box_geometry() {
    geometry=$(xwininfo -id "$BOX")
    X=$(printf '%s\n' "$geometry" | awk '/Absolute upper-left X:/ { print $4 }')
    Y=$(printf '%s\n' "$geometry" | awk '/Absolute upper-left Y:/ { print $4 }')
    WIDTH=$(printf '%s\n' "$geometry" | awk '/Width:/ { print $2 }')
    HEIGHT=$(printf '%s\n' "$geometry" | awk '/Height:/ { print $2 }')
}

# Waits for a message box of the game and checks it; sets BOX. OWNER is the game's window the
# box must stand over, or "none" before there is one.
check_box() {
    name=$1 owner=$2
    BOX=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vorlin$' | head -n 1)
    [ -n "$BOX" ] || fail "$name: no message box appeared: $(cat "$WORK/game.err")"
    sleep 0.5
    import -window "$BOX" "$SHOTS/$name.png"
    [ "$(xdotool getwindowname "$BOX")" = "Vorlin" ] ||
        fail "$name: the box is titled '$(xdotool getwindowname "$BOX")'"
    xprop -id "$BOX" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG ||
        fail "$name: the box is not a dialog: $(xprop -id "$BOX" _NET_WM_WINDOW_TYPE)"
    if [ "$owner" != none ]; then
        transient=$(xprop -id "$BOX" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
        [ "$((transient))" -eq "$owner" ] ||
            fail "$name: the box stands over $transient, not over the game's window"
        xprop -id "$BOX" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL ||
            fail "$name: the box is not modal: $(xprop -id "$BOX" _NET_WM_STATE)"
    fi
    # All of the box on the screen, and nothing of its text at its edges.
    box_geometry
    screen=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
    [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "${screen%x*}" ] &&
        [ $((Y + HEIGHT)) -le "${screen#*x}" ] ||
        fail "$name: the box lies at ${WIDTH}x$HEIGHT+$X+$Y, off the screen $screen"
    inner=$((WIDTH - 2 * CLEAR_EDGE))x$((HEIGHT - 2 * CLEAR_EDGE))+$CLEAR_EDGE+$CLEAR_EDGE
    marks=$(convert "$SHOTS/$name.png" -fill white -draw "rectangle $CLEAR_EDGE,$CLEAR_EDGE \
        $((WIDTH - CLEAR_EDGE - 1)),$((HEIGHT - CLEAR_EDGE - 1))" -colorspace gray \
        -threshold 60% -negate -format "%[fx:round(mean*w*h)]" info:)
    [ "$marks" -eq 0 ] || fail "$name: $marks dark pixels at the box's edges (inside $inner)"
    # Its text reads as a message: several lines or one long one, never a sliver.
    [ "$WIDTH" -ge 200 ] && [ "$HEIGHT" -ge 80 ] || fail "$name: the box is only ${WIDTH}x$HEIGHT"
    # The box has the keyboard: the player may answer it at once.
    [ "$(xdotool getwindowfocus)" = "$BOX" ] ||
        fail "$name: the focus is on $(xdotool getwindowfocus), not on the box $BOX"
}

# Closes the box BOX: "click" on its OK button, or a key typed on the keyboard.
close_box() {
    name=$1 how=$2
    box_geometry
    case "$how" in
    # OK lies in the bottom right corner, inside the box's margins.
    click) xdotool mousemove --window "$BOX" $((WIDTH - 50)) $((HEIGHT - 24)) click 1 ;;
    *) xdotool key "$how" ;;
    esac
    for _ in $(seq 20); do
        xwininfo -id "$BOX" 2>/dev/null | grep -q IsViewable || return 0
        sleep 0.25
    done
    fail "$name: $how did not close the box"
}

start_desktop
make_program_folder

# A damaged record file, shown with "Record" while the game stands still; then the record file
# turns into a folder and the game's result cannot be saved.
start_game
wait_until 10 "the name box to be emptied" name_box_empty
set_start_speed_fastest
type_player_name Prova
click_start
wait_until 10 "Start to begin a game" start_panel_hidden
click_at "$MENU_X" "$BAR_Y"
wait_until 10 "the button bar after Menù" bar_shown
# One endless line: no record is that long, so the file is damaged.
head -c 40000 /dev/zero | tr '\0' x >"$PROGRAM/Recordc1.kpr"
click_at "$RECORD_X" "$BAR_Y"
check_box damaged_record_file "$WINDOW"
close_box damaged_record_file Return
wait_until 10 "the button bar after the box" bar_shown
shot after_damaged_record_file
rm "$PROGRAM/Recordc1.kpr"
mkdir "$PROGRAM/Recordc1.kpr"
click_at "$BAR_RESUME_X" "$BAR_Y"
BOX=$(timeout "$GAME_SECONDS" xdotool search --sync --onlyvisible --name '^Vorlin$' | head -n 1)
check_box failed_save "$WINDOW"
close_box failed_save click
# The game goes on: the result panels and the bar, then a new game from the bar.
wait_until 10 "the button bar after the failed save" bar_shown
click_at "$BAR_NEW_GAME_X" "$BAR_Y"
wait_until 10 "Gioca di nuovo to bring back the start panel" start_panel_shown
[ -d "$PROGRAM/Recordc1.kpr" ] || fail "the folder in the record file's place was replaced"
quit_with_escape

# No folder for the records: the program folder may not be written and the player has no home
# (as root, a user the system does not know, who can have no session bus either; otherwise the
# caller, whose home does not exist).
rmdir "$PROGRAM/Recordc1.kpr"
chmod 755 "$WORK"
if [ "$(id -u)" -eq 0 ]; then
    xhost +local: >/dev/null || fail "other users may not use the display"
    stranger="env -u DBUS_SESSION_BUS_ADDRESS setpriv --reuid=54321 --regid=54321 --clear-groups"
    home=
else
    chmod a-w "$PROGRAM"
    stranger=
    home=/nonexistent
fi
# shellcheck disable=SC2086 # the words of a command
env -u XDG_DATA_HOME -u HOME ${home:+HOME=$home} $stranger "$PROGRAM/vorlin" \
    >"$WORK/game.out" 2>"$WORK/game.err" &
GAMEPID=$!
wait_for_game_window "the game without a record folder did not appear"
wait_until 10 "the name box to be emptied" name_box_empty
set_start_speed_fastest
type_player_name Prova
click_start
wait_until 10 "Start to begin a game" start_panel_hidden
BOX=$(timeout "$GAME_SECONDS" xdotool search --sync --onlyvisible --name '^Vorlin$' | head -n 1)
check_box no_record_folder "$WINDOW"
close_box no_record_folder space
wait_until 10 "the button bar without a record folder" bar_shown
click_at "$BAR_NEW_GAME_X" "$BAR_Y"
wait_until 10 "Gioca di nuovo to bring back the start panel" start_panel_shown
quit_with_escape
chmod u+w "$PROGRAM"

# A missing picture at start-up: the box stands alone, and the program ends after it.
mv "$PROGRAM/dati/MuroN.kpb" "$WORK/"
for how in click Escape; do
    "$PROGRAM/vorlin" >"$WORK/game.out" 2>"$WORK/game.err" &
    GAMEPID=$!
    check_box "missing_picture_$how" none
    close_box "missing_picture_$how" "$how"
    wait "$GAMEPID"
    code=$?
    GAMEPID=
    [ "$code" -eq 1 ] || fail "a missing picture ended the program with code $code"
    grep -q "File non trovato: .*MuroN.kpb" "$WORK/game.err" ||
        fail "message: $(cat "$WORK/game.err")"
done
echo "ok"
