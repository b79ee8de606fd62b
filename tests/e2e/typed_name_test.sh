#!/bin/sh
# Typing reaches the name box: right after start-up, and again after "Gioca di nuovo", a name
# typed on the keyboard without clicking anywhere first replaces what the box shows, and Start
# then begins the game.
set -- "$1" typed_name
. "$(dirname "$0")/e2e_lib.sh"

# The name box's inside, where its orange text is drawn.
NAME_BOX_INSIDE=377x32+188+292
NAME_TYPED="Anna"

# How many orange text pixels the name box shows in a new screenshot.
name_box_ink() {
    shot probe
    convert "$SHOTS/probe.png" -crop "$NAME_BOX_INSIDE" +repage -fuzz 20% \
        -fill white -opaque "rgb(255,128,0)" -fill black +opaque white \
        -format "%[fx:round(mean*w*h)]" info:
}

# Types NAME_TYPED on the keyboard, as a person would: the window has the keyboard focus, the
# keys go to whatever the window gives them to. Sets TYPED_INK to what the box then shows and
# checks that Start begins a game with it.
type_name_and_start() {
    xdotool windowfocus --sync "$WINDOW"
    xdotool type --delay 40 "$NAME_TYPED"
    sleep 0.3
    shot "$1"
    TYPED_INK=$(name_box_ink)
    [ "$TYPED_INK" -gt 0 ] || fail "$1: the typed name did not reach the name box"
    click_start
    wait_until 10 "$1: Start with the typed name to begin a game" start_panel_hidden
}

start_desktop
make_program_folder
start_game

# At start-up the box shows the placeholder for three seconds; typed within them, the name
# replaces it: the box shows far less than the placeholder's thirty letters.
placeholder=$(name_box_ink)
type_name_and_start "start-up"
name_alone=$TYPED_INK
if [ "$placeholder" -gt 0 ]; then
    [ "$name_alone" -lt $((placeholder / 3)) ] ||
        fail "the name was added to the placeholder ($placeholder, then $name_alone orange pixels)"
else
    echo "note: the placeholder was already gone when typing began (a slow start-up)"
fi

# Esc stops the game, "Gioca di nuovo" brings the start panel back with the last name in the box;
# the name typed again replaces it (the box shows one name, not two, give or take the cursor).
key Escape
wait_until 10 "Esc to show the button bar" bar_shown
click_at "$BAR_NEW_GAME_X" "$BAR_FACE_Y"
wait_until 10 "\"Gioca di nuovo\" to show the start panel" start_panel_shown
type_name_and_start "after Gioca di nuovo"
[ "$TYPED_INK" -lt $((name_alone * 3 / 2)) ] ||
    fail "the name was added to the last one ($name_alone, then $TYPED_INK orange pixels)"
echo "ok"
