#!/bin/sh
# Plays one game under an X server of its own and keeps three pictures of it for the README:
# the start panel with a name typed, the first scheme in play, and the record panel after the
# game. Every step's picture stays under build/e2e/screenshots/.
# Usage: take_screenshots.sh BUILD_DIR DESTINATION_FOLDER
destination=$2
set -- "$1" screenshots
. "$(dirname "$0")/e2e_lib.sh" "$@"

# Seconds of play before the picture of the scheme: the title has gone, crystals are falling.
PLAY_SECONDS=6
GAME_SECONDS=180
# The button bar's "Velocità gioco-->" and the left arrow of the speed panel's bar.
BAR_SPEED_PANEL_X=91
SPEED_PANEL_LEFT_ARROW_X=214
SPEED_PANEL_BAR_Y=442

start_desktop
make_program_folder
start_game
wait_until 10 "the name box to be emptied" name_box_empty
type_player_name "Anna"
shot start_panel

cp "$PROGRAM/Recordc1.kpr" "$WORK/before.kpr"
click_start
sleep "$PLAY_SECONDS"
xdotool key --window "$WINDOW" --repeat 8 --delay 100 Right
shot playing

# The rest of the game at the fastest speed, set in the speed panel of the button bar.
key Escape
click_at "$BAR_SPEED_PANEL_X" "$BAR_Y"
xdotool mousemove --window "$WINDOW" "$SPEED_PANEL_LEFT_ARROW_X" "$SPEED_PANEL_BAR_Y" \
    click --repeat "$SPEED_ARROW_CLICKS" --delay 15 1
click_at "$BAR_RESUME_X" "$BAR_Y"
wait_for_new_record "$PROGRAM" "$WORK/before.kpr" "$GAME_SECONDS"
wait_until 10 "the record panel" bar_shown
shot record_panel
quit_with_escape

mkdir -p "$destination"
for picture in start_panel playing record_panel; do
    cp "$SHOTS/$picture.png" "$destination/$picture.png"
done
echo "screenshots in $destination"
