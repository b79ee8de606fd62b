#!/bin/sh
# The window grown by the player: the whole picture scales to the largest 4 : 3 size that fits,
# centred on black, the field sharp (each game pixel a block of screen pixels), and clicks and
# keys act on the controls where they are drawn.
set -- "$1" grown_window
. "$(dirname "$0")/e2e_lib.sh" "$@"

# The field, without the status row.
FIELD=640x460+0+0

# Resizes the window and waits until a screenshot has the new size.
grow_to() {
    xdotool windowsize --sync "$WINDOW" "$1" "$2"
    sleep 0.5
}

start_desktop 1600x1200x24
make_program_folder
start_game

# The scaled picture clicked at the scale: name box, a typed name and Start.
grow_to 1280 960
# The name box is emptied three seconds after start-up.
sleep 3
xdotool mousemove --window "$WINDOW" $((NAME_BOX_X * 2)) $((NAME_BOX_Y * 2)) click 1
sleep 0.3
key ctrl+a BackSpace
xdotool type --window "$WINDOW" --delay 40 "Grande"
sleep 0.3
shot start_panel_grown
xdotool mousemove --window "$WINDOW" $((START_BUTTON_X * 2)) $((START_BUTTON_Y * 2)) click 1
# The scheme's title, text drawn at the scaled size, goes after five seconds.
sleep 5.5
key p
shot paused_grown

# The same paused moment at 640 x 480, the window's first size.
grow_to 640 480
shot paused_small
[ "$(identify -format %wx%h "$SHOTS/paused_small.png")" = 640x480 ] ||
    fail "the window did not come back to 640 x 480"
[ "$(identify -format %wx%h "$SHOTS/paused_grown.png")" = 1280x960 ] ||
    fail "the grown window is $(identify -format %wx%h "$SHOTS/paused_grown.png")"
# Twice the size: every game pixel is a 2 x 2 block, so taking one pixel of each block gives the
# small picture back exactly.
convert "$SHOTS/paused_grown.png" -sample 50% "$SHOTS/grown_sampled.png"
convert "$SHOTS/grown_sampled.png" -crop "$FIELD" +repage "$SHOTS/grown_field.png"
convert "$SHOTS/paused_small.png" -crop "$FIELD" +repage "$SHOTS/small_field.png"
shots_identical grown_field small_field || fail "the grown field is not the small one doubled"
for offset in 0 1; do
    convert "$SHOTS/paused_grown.png" -crop 1280x920+$offset+$offset +repage -sample 50% \
        "$SHOTS/block_$offset.png"
done
shots_identical block_0 block_1 || fail "the grown field is not made of 2 x 2 blocks"

# A wider window: the picture keeps its shape, centred between black bars.
grow_to 1500 960
shot paused_wide
[ "$(pixel paused_wide 5 480)" = "srgb(0,0,0)" ] || fail "no black bar left of the picture"
[ "$(pixel paused_wide 1494 480)" = "srgb(0,0,0)" ] || fail "no black bar right of the picture"
convert "$SHOTS/paused_wide.png" -crop 1280x960+110+0 +repage "$SHOTS/wide_picture.png"
convert "$SHOTS/wide_picture.png" -crop 1280x920+0+0 +repage "$SHOTS/wide_field.png"
convert "$SHOTS/paused_grown.png" -crop 1280x920+0+0 +repage "$SHOTS/grown_field_full.png"
shots_identical wide_field grown_field_full || fail "the centred picture differs from the grown one"

# The keys still reach the game: P resumes it, and the field moves again.
key p
sleep 0.5
shot resumed_wide
shots_identical paused_wide resumed_wide && fail "P did not resume the game in the grown window"

# At a fractional factor each refresh paints only the parts that changed, each on its own: after
# a second of play they must leave exactly the picture a whole repaint of the same moment draws.
# The key is typed as a player types it (into the window under the pointer): one sent to the
# window itself comes with a focus change, which repaints the whole window and would hide a part
# left unpainted.
grow_to 1600 1200
sleep 1
xdotool key p
sleep 0.3
shot paused_fractional
grow_to 1500 1100
grow_to 1600 1200
shot repainted_fractional
shots_identical paused_fractional repainted_fractional ||
    fail "the parts refreshed at 2.5 x differ from the whole picture repainted"
echo "grown window: sharp, centred, refreshed exactly, clicks and keys at the scale"
