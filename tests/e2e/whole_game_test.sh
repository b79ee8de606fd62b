#!/bin/sh
# Whole games left to play by themselves at the fastest speed: the creature stands still, the
# crystals are lost and the energy runs out; after the farewell the record panel and the button
# bar appear and the result is in the program folder's record file at its ranked place. A second
# game, begun with "Gioca di nuovo", is recorded too.
export LC_ALL=C.UTF-8 # names with accents are typed as such
set -- "$1" whole_game
. "$(dirname "$0")/e2e_lib.sh" "$@"

# A game at 1 ms a tick, with its 6 s farewell, is over well within this.
GAME_SECONDS=120
# The record panel's difficulty squares: first row's centre, then one row every 24 pixels.
SQUARE_X=320
FIRST_SQUARE_Y=136
SQUARE_ROW_STEP=24
SHOWN_ROWS=10

# The colour of the record panel's square in row ROW, as the screenshot NAME shows it.
square_colour() {
    pixel "$1" "$SQUARE_X" $((FIRST_SQUARE_Y + SQUARE_ROW_STEP * ($2 - 1)))
}

# Takes the screenshot NAME and says whether the record panel's first row shows the clean file's
# best record (yellow).
first_row_is_best() {
    shot "$1"
    [ "$(square_colour "$1" 1)" = "srgb(255,255,0)" ]
}

# The shape of the text in the record panel's value field at Y, in any colour: the brightest of
# the three channels, black or white.
value_shape() {
    convert "$SHOTS/$1.png" -crop "60x20+240+$2" +repage -separate -evaluate-sequence max \
        -threshold 50% "$WORK/$3.png"
}

# True when the record panel of screenshot NAME shows 0 points: the points field looks exactly
# like the schemes-passed field above it, which shows 0 in a game left to itself.
shows_no_points() {
    value_shape "$1" 246 schemes
    value_shape "$1" 342 points
    [ "$(compare -metric AE "$WORK/schemes.png" "$WORK/points.png" null: 2>&1)" = "0" ]
}

start_desktop
make_program_folder
start_game
wait_until 10 "the name box to be emptied" name_box_empty
set_start_speed_fastest

# One game a line: the difficulty button to click ("-" keeps the one selected), the colour stored
# with the record as a number and as the Start button and the panel's square show it, the name.
game=0
while IFS='|' read -r option colour shown name; do
    game=$((game + 1))
    [ "$option" = "-" ] || click_at $option
    type_player_name "$name"
    wait_until 10 "game $game: the start panel in $shown" start_panel_shown "$shown"
    shot "game${game}_start_panel"
    cp "$PROGRAM/Recordc1.kpr" "$WORK/before.kpr"
    click_start
    wait_until 10 "game $game: Start to begin the game" start_panel_hidden "$shown"
    shot "game${game}_playing"
    wait_for_new_record "$PROGRAM" "$WORK/before.kpr" "$GAME_SECONDS"
    wait_until 10 "the button bar after game $game" bar_shown
    # The panel shows the table from the top; the clean file's best record is yellow. The panel
    # is filled a moment after the bar appears.
    wait_until 10 "game $game: the record panel's first row to show the best record" \
        first_row_is_best "game${game}_record_panel"
    # A game that caught nothing scores 0 points, which do not pass the stored empty records of
    # 0 points: the result does not enter and the table is kept, one line shorter.
    if [ "$(wc -l <"$PROGRAM/Recordc1.kpr")" -eq 1000 ] && shows_no_points "game${game}_record_panel"
    then
        head -n 1000 "$WORK/before.kpr" | cmp -s - "$PROGRAM/Recordc1.kpr" ||
            fail "game $game: 0 points did not enter, yet the stored records changed"
        echo "game $game: 0 points, not entered"
        click_at "$BAR_NEW_GAME_X" "$BAR_Y"
        continue
    fi
    stored_name=$(printf '%s' "$name" | iconv -f UTF-8 -t WINDOWS-1252)
    check_inserted_record "$WORK/before.kpr" "$PROGRAM/Recordc1.kpr" "$colour" "$stored_name"
    echo "game $game: $NEW_POINTS points at position $NEW_POSITION"
    if [ "$NEW_POSITION" -le "$SHOWN_ROWS" ]; then
        [ "$(square_colour "game${game}_record_panel" "$NEW_POSITION")" = "$shown" ] ||
            fail "game $game: row $NEW_POSITION of the record panel is not the new record's colour"
    fi
    click_at "$BAR_NEW_GAME_X" "$BAR_Y"
done <<'GAMES'
-|65280|srgb(0,255,0)|Rossi, Mario
69 176|255|srgb(255,0,0)|Nicolò
GAMES
wait_until 10 "Gioca di nuovo to bring back the start panel" start_panel_shown "srgb(255,0,0)"
echo "ok"
