#!/bin/sh
# The game asked to end while its sounds are being loaded and played ends at once. Each round
# starts a fast game on a real sound server, sends SIGTERM a moment after Start (the first sounds
# still loading, or playing one after the other) and waits for the program to end.
set -- "$1" sound_exit
. "$(dirname "$0")/e2e_lib.sh"
. "$(dirname "$0")/sound_lib.sh"

# A tick every 10 ms: the start sound, then a lost crystal's sound every few ticks.
GAME_SPEED_MS=10
DEFAULT_SPEED_MS=80
# Seconds from the click on Start to SIGTERM, one round each: at once, while the first sounds
# are read and start, and once many have played. SIGNAL_DELAYS from the environment replaces
# the list.
SIGNAL_DELAYS=${SIGNAL_DELAYS:-"0 0.02 0.05 0.1 0.2 0.5 1 2 5"}
# The program must be gone this many seconds after the signal.
EXIT_SECONDS=5

start_desktop
hold_display_open
make_program_folder
start_sound_server

for delay in $SIGNAL_DELAYS; do
    start_game
    type_player_name "Anna"
    xdotool mousemove --window "$WINDOW" "$SPEED_BAR_LEFT_ARROW_X" "$SPEED_BAR_Y" \
        click --repeat $((DEFAULT_SPEED_MS - GAME_SPEED_MS)) --delay 15 1
    sleep 0.3
    xdotool mousemove --window "$WINDOW" "$START_BUTTON_X" "$START_BUTTON_Y" click 1
    sleep "$delay"
    kill -TERM "$GAMEPID"
    if ! timeout "$EXIT_SECONDS" sh -c 'while kill -0 "$1" 2>/dev/null; do sleep 0.1; done' sh \
        "$GAMEPID"; then
        kill -KILL "$GAMEPID"
        wait "$GAMEPID" 2>/dev/null
        GAMEPID=
        fail "the game did not end within $EXIT_SECONDS s of SIGTERM sent $delay s after Start"
    fi
    wait "$GAMEPID"
    code=$?
    GAMEPID=
    [ "$code" -eq 0 ] || fail "the game ended with exit code $code after SIGTERM ($delay s after Start)"
    echo "SIGTERM $delay s after Start: ended"
done
echo "ok"
