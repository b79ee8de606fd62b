#!/bin/sh
# The real game in a real X server: the window with its exact caption and a 640 x 480 client
# area showing the start panel, and a clear refusal to start without a picture.
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
