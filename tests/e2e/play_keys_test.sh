#!/bin/sh
# A game started and steered as a person would: the start button refuses a missing name, a typed
# name starts the game, the arrows walk the creature, P pauses and resumes, Esc stops the game
# and opens the button bar, and Esc again ends the program normally.
set -- "$1" play_keys
. "$(dirname "$0")/e2e_lib.sh" "$@"

# Presses of one arrow, one per tick at the default speed: enough to walk from the start to the
# wall and back.
ARROW_PRESSES=30
ARROW_DELAY_MS=100
# How far (pixels) the creature's body must have moved for a walk to count.
LEAST_WALK=60
# Fewer fur-coloured pixels than this: the creature is not on the ground strip.
LEAST_FUR_PIXELS=300

# How many pixels of the creature's fur (the yellow the art generator paints it) a screenshot
# shows on the ground strip left of the wall, and their mean x: "COUNT MEAN_X".
creature_on_ground() {
    convert "$SHOTS/$1.png" -crop 525x65+0+335 +repage -fuzz 15% -fill white -opaque '#FFD23F' \
        -fill black +opaque white -depth 8 txt:- |
        awk -F'[,:]' '/#FFFFFF/ { n++; sum += $1 } END { printf "%d %d\n", n, n ? sum / n : -1 }'
}

# Pauses, takes a screenshot NAME and checks the creature is there; sets CREATURE_X.
creature_position() {
    key p
    shot "$1"
    set -- $(creature_on_ground "$1")
    [ "$1" -ge "$LEAST_FUR_PIXELS" ] || fail "the creature is not on the ground ($1 fur pixels)"
    CREATURE_X=$2
    key p
}

start_desktop
make_program_folder
start_game

# Refused names, one case a line: what is typed ("-" keeps the box as the program left it) and why.
# The first case comes before the name box is emptied, three seconds after start-up.
while IFS='|' read -r typed reason; do
    [ "$typed" = "-" ] || type_player_name "$typed"
    click_start
    start_panel_shown || fail "Start began a game with $reason"
    [ "$typed" = "-" ] && wait_until 10 "the name box to be emptied" name_box_empty
done <<'CASES'
-|the placeholder the program shows
-|the empty name box
   |a name of spaces only
  Inserire il nome del giocatore  |the placeholder typed between spaces
CASES
shot refused_names

type_player_name "Anna"
click_start
wait_until 10 "Start with the name Anna to begin a game" start_panel_hidden
sleep 1
shot playing

creature_position walk_start
start_x=$CREATURE_X
xdotool key --window "$WINDOW" --repeat "$ARROW_PRESSES" --delay "$ARROW_DELAY_MS" Right
creature_position walk_right
[ "$CREATURE_X" -ge $((start_x + LEAST_WALK)) ] ||
    fail "Right arrow: the creature went from x $start_x to $CREATURE_X"
right_x=$CREATURE_X
xdotool key --window "$WINDOW" --repeat "$ARROW_PRESSES" --delay "$ARROW_DELAY_MS" Left
creature_position walk_left
[ "$CREATURE_X" -le $((right_x - LEAST_WALK)) ] ||
    fail "Left arrow: the creature went from x $right_x to $CREATURE_X"

# P stops everything on the field; P again lets it go on.
key p
wait_until 10 "P to stop the field" field_still
shot paused
sleep 1
shot paused_later
shots_identical paused paused_later || fail "the field changed during the pause"
key p
shot resumed
sleep 1
shot resumed_later
shots_identical resumed resumed_later && fail "the field stood still after P resumed the game"

# Esc stops the game and shows the button bar; Esc again ends the program with success.
key Escape
wait_until 10 "Esc during the game to show the button bar" bar_shown
shot stopped
sleep 1
shot stopped_later
shots_identical stopped stopped_later || fail "the field changed after Esc stopped the game"
quit_with_escape
echo "ok"
