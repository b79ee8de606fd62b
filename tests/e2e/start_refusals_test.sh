#!/bin/sh
# The real game where the system gives it too little, or a picture may not be read: each time a
# clear Italian message naming the cause on standard error and, where the toolkit can still show
# one, in a box whose OK closes it; then exit code 1. Never an abort (134), a crash, or a hang.
set -- "$1" start_refusals
. "$(dirname "$0")/e2e_lib.sh" "$@"

# Longer than any start-up under the test's load; a run still going after it hangs.
RUN_SECONDS=40

start_desktop
make_program_folder
# The unreadable picture is tried as a player the file's permissions hold back (not root).
PLAYER_HOME="$WORK/player"
mkdir -p "$PLAYER_HOME"
chmod 755 "$WORK"
choose_player

# Runs the game under LIMITS (words for ulimit, or "-" for none) as PLAYER ("player" or "self"),
# and checks it ends with exit code 1 after saying MESSAGE (a grep pattern) on standard error,
# in a box too when BOX is "box". The box is shown on the screenshot CASE.png and closed with a
# click on its OK button.
refusal_case() {
    case_name=$1 limits=$2 player=$3 box=$4 message=$5
    as=
    [ "$player" = player ] && as=$AS_PLAYER
    limit_words=
    [ "$limits" = "-" ] || limit_words="ulimit $limits;"
    # shellcheck disable=SC2086 # the words of a command
    $as sh -c "$limit_words"' exec env HOME="$1" XDG_DATA_HOME="$1/.data" "$2"' sh \
        "$PLAYER_HOME" "$PROGRAM/vorlin" >"$WORK/$case_name.out" 2>"$WORK/$case_name.err" &
    GAMEPID=$!
    if [ "$box" = box ]; then
        # The box, not the program's hidden windows (a search by name ignores case).
        box_window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vorlin$' | head -n 1)
        [ -n "$box_window" ] || fail "$case_name: no box appeared: $(cat "$WORK/$case_name.err")"
        sleep 0.5
        import -window root "$SHOTS/$case_name.png"
        kill -0 "$GAMEPID" 2>/dev/null || fail "$case_name: the game ended before OK was clicked"
        # Its OK button is at the bottom right of the box.
        eval "$(xdotool getwindowgeometry --shell "$box_window")"
        xdotool mousemove --window "$box_window" $((WIDTH - 52)) $((HEIGHT - 24)) click 1
    fi
    for _ in $(seq $((RUN_SECONDS * 5))); do
        kill -0 "$GAMEPID" 2>/dev/null || break
        sleep 0.2
    done
    if kill -0 "$GAMEPID" 2>/dev/null; then
        shot_of_hang="$SHOTS/${case_name}_hang.png"
        import -window root "$shot_of_hang"
        fail "$case_name: the game still runs after $RUN_SECONDS s (see $shot_of_hang):" \
            "$(cat "$WORK/$case_name.err")"
    fi
    wait "$GAMEPID"
    code=$?
    GAMEPID=
    [ "$code" -eq 1 ] || fail "$case_name: exit code $code: $(cat "$WORK/$case_name.err")"
    grep -q "^Vorlin non può partire\. $message" "$WORK/$case_name.err" ||
        fail "$case_name: standard error says: $(cat "$WORK/$case_name.err")"
    if [ "$box" = box ]; then
        # The message is not shown a second time: the box was the only one.
        [ -z "$(xdotool search --onlyvisible --name '^Vorlin$' 2>/dev/null)" ] ||
            fail "$case_name: a box is still shown"
    fi
    echo "$case_name: exit code 1, $(sed -n 's/^Vorlin non può partire\. //p' "$WORK/$case_name.err")"
}

descriptors="Il sistema concede al gioco troppo pochi file aperti: ne restano [0-9]* liberi, ne servono almeno 64 (limite dei descrittori di file, ulimit -n)\.$"
memory="Memoria insufficiente: il sistema concede al gioco [0-9]* MiB di spazio di indirizzi, ne servono almeno 1024 (ulimit -v)\.$"
# One case a line: name, limits, who plays, whether a box can be shown, what is said.
while IFS='|' read -r case_name limits player box message; do
    refusal_case "$case_name" "$limits" "$player" "$box" "$message"
done <<CASES
ten_descriptors|-n 10|self|no box|$descriptors
sixteen_descriptors|-n 16|self|box|$descriptors
twenty_descriptors|-n 20|self|box|$descriptors
150_MB_of_address_space|-v 150000|self|no box|$memory
400_MB_of_address_space|-v 400000|self|box|$memory
CASES

# A low soft limit under a high hard one is raised at start-up, as desktop programs do: the game
# plays.
sh -c 'ulimit -S -n 16; exec env HOME="$1" XDG_DATA_HOME="$1/.data" "$2"' sh "$PLAYER_HOME" \
    "$PROGRAM/vorlin" >"$WORK/raised.out" 2>"$WORK/raised.err" &
GAMEPID=$!
WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vorlin ' | head -n 1)
[ -n "$WINDOW" ] || fail "with a soft limit of 16 open files the game did not start: $(cat "$WORK/raised.err")"
wait_until 10 "the start panel with the soft limit raised" start_panel_shown
kill "$GAMEPID"
wait "$GAMEPID"
code=$?
GAMEPID=
[ "$code" -eq 0 ] || fail "the game with its soft limit raised ended with exit code $code"
echo "soft limit of 16 open files under a hard one of $(ulimit -H -n): raised, the game plays"

# A picture that is there but may not be read is named as such, not as missing or damaged.
chmod 000 "$PROGRAM/dati/MuroN.kpb"
refusal_case unreadable_picture - player box \
    "File non leggibile (permesso negato): .*/dati/MuroN\.kpb$"
echo "ok"
