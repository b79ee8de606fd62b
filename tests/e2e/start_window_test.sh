#!/bin/sh
# The real game in a real X server: the window with its exact caption, its icon at every drawn
# size and a 640 x 480 client area showing the start panel, and a clear refusal to start without
# a picture.
# A sourced file sees the positional parameters of its caller (sh passes none to ".").
set -- "$1" start_window
. "$(dirname "$0")/e2e_lib.sh"

start_desktop
make_program_folder
start_game

name=$(xdotool getwindowname "$WINDOW")
[ "$name" = "Vorlin     Ver. 4.01  per Windows 95, 98, ME, 2000, XP, Vista" ] ||
    fail "caption is '$name'"
size=$(xwininfo -id "$WINDOW" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "640x480" ] || fail "client area is $size"

# The window's icon (_NET_WM_ICON) holds every size the desktop icons are drawn at, each exactly
# as drawn, so a task bar or a window switcher shows a sharp one. The property is a run of
# width, height and width x height ARGB pixels a size; each is written out as one "r,g,b,a" line
# a pixel (the colour of a transparent pixel does not count) and compared with its icon file.
xprop -len 100000000 -id "$WINDOW" -notype 32c _NET_WM_ICON | sed 's/^[^=]*= *//' |
    tr ',' '\n' | tr -d ' ' | awk -v out="$WORK/window_icon" '
    left == 0 && width == "" { width = $1; next }
    left == 0 { left = width * $1; file = out "." width "x" $1; print width "x" $1; next }
    {
        a = int($1 / 16777216); r = int($1 / 65536) % 256; g = int($1 / 256) % 256; b = $1 % 256
        print (a == 0 ? "0,0,0,0" : r "," g "," b "," a) > file
        if (--left == 0) { close(file); width = "" }
    }' | sort -n >"$WORK/window_icon.sizes"
printf '%s\n' 16x16 24x24 32x32 48x48 64x64 128x128 256x256 | sort -n >"$WORK/drawn.sizes"
cmp -s "$WORK/window_icon.sizes" "$WORK/drawn.sizes" ||
    fail "the window icon has the sizes $(tr '\n' ' ' <"$WORK/window_icon.sizes")"
while read -r size; do
    convert "$BUILD_DIR/generated/icons/${size%x*}.png" -depth 8 txt:- | sed -n 's/^[^(]*(\([^)]*\)).*/\1/p' |
        awk -F, '{ print ($4 == 0 ? "0,0,0,0" : $0) }' >"$WORK/drawn.$size"
    cmp -s "$WORK/window_icon.$size" "$WORK/drawn.$size" ||
        fail "the window icon of $size is not the drawn icon of that size"
done <"$WORK/drawn.sizes"

shot start_panel
# The green Start button and the green difficulty cell of the status row.
[ "$(pixel start_panel 70 322)" = "srgb(0,255,0)" ] || fail "Start button: $(pixel start_panel 70 322)"
[ "$(pixel start_panel 304 478)" = "srgb(0,255,0)" ] || fail "difficulty cell: $(pixel start_panel 304 478)"
# The status row is black behind its captions.
[ "$(pixel start_panel 180 478)" = "srgb(0,0,0)" ] || fail "status row: $(pixel start_panel 180 478)"
kill "$GAMEPID"
wait "$GAMEPID" 2>/dev/null
GAMEPID=

# Without one of its pictures the game says which one and ends with an error.
mv "$PROGRAM/dati/MuroN.kpb" "$WORK/"
if "$PROGRAM/vorlin" >"$WORK/missing.out" 2>"$WORK/missing.err" & then
    pid=$!
    # The box, not the program's hidden windows (a search by name ignores case).
    box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vorlin$' | head -n 1)
    xdotool key --window "$box" Return 2>/dev/null
    wait "$pid"
    code=$?
fi
[ "$code" -ne 0 ] || fail "a missing picture still started the game"
grep -q "File non trovato: .*MuroN.kpb" "$WORK/missing.err" || fail "message: $(cat "$WORK/missing.err")"
echo "ok"
