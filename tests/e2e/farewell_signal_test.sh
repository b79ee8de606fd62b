#!/bin/sh
# A logout during the farewell of a finished game: the real game, at the fastest speed, loses its
# last energy; while "Ciao …, hai esaurito tutta l'energia disponibile" is shown and the result
# is not yet in the record file, SIGTERM, SIGHUP or SIGINT ends the program with success, and
# the result is in the record file once.
set -- "$1" farewell_signal
. "$(dirname "$0")/e2e_lib.sh" "$@"

# A game at 1 ms a tick is over well within this.
GAME_SECONDS=120

# True when the farewell message is on screen: its orange text runs across the middle of the field
# from its left end, left of where the scheme's title box stands in the first seconds of a game.
farewell_shown() {
    [ "$(orange_pixels 150x33+8+208)" -gt 100 ]
}

# The lines of the record file that hold NAME.
lines_of() {
    grep -c "\"$1\"" "$PROGRAM/Recordc1.kpr"
}

start_desktop
make_program_folder

# One case a line: the signal, and how long after the message appears it is sent.
while read -r signal delay; do
    name="Segnale $signal"
    # A background job of a non-interactive shell starts with SIGINT ignored.
    HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/.local/share" \
        env --default-signal=INT,QUIT "$PROGRAM/vorlin" >"$WORK/game.out" 2>"$WORK/game.err" &
    GAMEPID=$!
    WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vorlin ' | head -n 1)
    [ -n "$WINDOW" ] || fail "the game window did not appear: $(cat "$WORK/game.err")"
    wait_until 10 "the name box to be emptied" name_box_empty
    set_start_speed_fastest
    type_player_name "$name"
    click_start
    wait_until 10 "Start to begin the game" start_panel_hidden
    wait_until "$GAME_SECONDS" "the farewell of the finished game" farewell_shown
    sleep "$delay"
    # Still the farewell: the message shown, the result not yet stored.
    farewell_shown || fail "SIG$signal: the farewell was over before the signal"
    [ "$(lines_of "$name")" -eq 0 ] || fail "SIG$signal: the result was stored before the signal"
    shot "before_SIG$signal"
    kill "-$signal" "$GAMEPID"
    timeout 15 sh -c 'while kill -0 "$1" 2>/dev/null; do sleep 0.2; done' sh "$GAMEPID" ||
        fail "SIG$signal during the farewell did not end the program"
    wait "$GAMEPID"
    code=$?
    GAMEPID=
    [ "$code" -eq 0 ] || fail "SIG$signal: exit code $code: $(cat "$WORK/game.err")"
    [ "$(lines_of "$name")" -eq 1 ] ||
        fail "SIG$signal: the record file holds the result $(lines_of "$name") times"
    [ "$(wc -l <"$PROGRAM/Recordc1.kpr")" -eq 1001 ] ||
        fail "SIG$signal: the record file has $(wc -l <"$PROGRAM/Recordc1.kpr") lines"
    echo "SIG$signal $delay s into the farewell: the result stored once," \
        "$(grep "\"$name\"" "$PROGRAM/Recordc1.kpr" | tr -d '\r')"
done <<'CASES'
TERM 1
HUP 3
INT 4.5
CASES
echo "ok"
