#!/bin/sh
# The game heard on a real sound server: the start sound at the moment Start is clicked, the
# sound of a caught crystal during play, and the built-in beep in place of a missing sound file.
# The game runs in an X server and plays into a PulseAudio null sink of the test's own; the
# sink's monitor is recorded with parec and its levels measured with sox; the level files (every
# 20 ms: time, level, level within the band listened for) are kept under build/e2e/sound/.
set -- "$1" sound
. "$(dirname "$0")/e2e_lib.sh"
. "$(dirname "$0")/sound_lib.sh"

# Bands (Hz) that single out one sound each, from the tones tools/artgen synthesises: the start
# chord opens on C5 alone, the catch blip ends on a 2.4 kHz note no other sound of the game
# holds, and the program's built-in beep opens on 880 Hz, a tone of no sound file.
START_BAND="490 560"
CATCH_BAND="2300 2500"
BEEP_BAND="850 910"
START_SOUND_FILE=B154.kps
# Levels, full scale 1: a slice below SILENCE is silent; each sound of the game is played at
# full volume and its loud part reaches well over HEARD (about -26 dB).
SILENCE=0.003
HEARD=0.05
# A sound is recognised in a slice when its band carries at least this share of the level.
BAND_SHARE=0.5
# The longest the start sound may take to begin after the click (the window's, the sound
# server's and the recorder's latencies together), and how far the click time may be ahead of
# the recording's own clock.
START_LATENCY=0.6
CLOCK_SLACK=0.1
# How long the start sound is listened to before play goes on (seconds).
START_SOUND_SPAN=0.5
# The creature walks to and fro on the ground, one step a tick at the default speed from one end
# of the left stretch to the other, until a catch is heard or for at most PLAY_SECONDS seconds
# (a catch comes every few seconds; the limit is for a game that makes no sound).
PLAY_SECONDS=120
STEPS_EACH_WAY=36
STEP_DELAY_MS=80
# Walks each way between two listens to the recording.
WALKS_BETWEEN_LISTENS=2
# Catch sounds closer together than this (seconds) are counted as one.
CATCH_GAP=0.15

# Starts a game as a person would and records from just before the click; sets CLICK_TIME, the
# time of the click in the recording (seconds).
start_game_while_recording() {
    start_game
    type_player_name "Anna"
    start_recording "$1"
    sleep 1
    CLICK_TIME=$(recording_time)
    click_start
    wait_until 10 "Start to begin a game" start_panel_hidden
}

stop_game() {
    kill "$GAMEPID"
    wait "$GAMEPID" 2>/dev/null
    GAMEPID=
}

# Checks the recording LEVELS ("TIME LEVEL BAND_LEVEL" lines) around the click: silence before
# it, a sound beginning within the latency after it, loud. Sets SOUND_START.
check_sound_at_click() {
    levels=$1 what=$2
    before=$(echo "$CLICK_TIME $CLOCK_SLACK" | awk '{ print $1 - $2 }')
    # shellcheck disable=SC2046 # the slice is two words: time and level
    set -- $(loudest_slice 0 "$before" <"$levels")
    awk -v l="$2" -v q="$SILENCE" 'BEGIN { exit !(l < q) }' ||
        fail "$what: a sound was heard before Start was clicked (level $2 at $1 s)"
    SOUND_START=$(first_slice_reaching "$before" "$HEARD" <"$levels")
    [ -n "$SOUND_START" ] || fail "$what: nothing was heard after Start was clicked"
    awk -v s="$SOUND_START" -v c="$CLICK_TIME" -v d="$START_LATENCY" 'BEGIN { exit !(s <= c + d) }' ||
        fail "$what: the first sound came at $SOUND_START s, the click at $CLICK_TIME s"
}

# The slices between FROM and TO seconds of LEVELS in which the band dominates: their times.
band_heard() {
    tone_slices "$2" "$3" "$BAND_SHARE" "$HEARD" <"$1"
}

start_desktop
make_program_folder
start_sound_server

# --- A game with every sound file in place ---
start_game_while_recording "$WORK/game.raw"
# The sound at Start, heard before any crystal can have been lost or caught.
sleep 2
# shellcheck disable=SC2086 # the bands are two words on purpose
band_levels "$WORK/game.raw" $START_BAND >"$SHOTS/start.levels"
check_sound_at_click "$SHOTS/start.levels" "start sound"
listened=$(echo "$SOUND_START $START_SOUND_SPAN" | awk '{ print $1 + $2 }')
[ -n "$(band_heard "$SHOTS/start.levels" "$SOUND_START" "$listened")" ] ||
    fail "the sound at Start is not the start chord:" \
        "$(loudest_slice "$SOUND_START" "$listened" <"$SHOTS/start.levels")"
# shellcheck disable=SC2086
band_levels "$WORK/game.raw" $BEEP_BAND >"$SHOTS/beep.levels"
[ -z "$(band_heard "$SHOTS/beep.levels" "$SOUND_START" "$listened")" ] ||
    fail "the built-in beep was heard at Start although $START_SOUND_FILE is there"
echo "start sound: clicked at $CLICK_TIME s, heard from $SOUND_START s," \
    "loudest $(loudest_slice "$SOUND_START" "$listened" <"$SHOTS/start.levels" | cut -d' ' -f2)"

# Catches: the creature walks until the recording holds a catch's sound.
play_until=$(($(date +%s) + PLAY_SECONDS))
catches=0
while [ "$catches" -eq 0 ] && [ "$(date +%s)" -lt "$play_until" ]; do
    for _ in $(seq "$WALKS_BETWEEN_LISTENS"); do
        xdotool key --window "$WINDOW" --repeat "$STEPS_EACH_WAY" --delay "$STEP_DELAY_MS" Left
        xdotool key --window "$WINDOW" --repeat "$STEPS_EACH_WAY" --delay "$STEP_DELAY_MS" Right
    done
    # shellcheck disable=SC2086
    band_levels "$WORK/game.raw" $CATCH_BAND >"$SHOTS/catch.levels"
    catches=$(band_heard "$SHOTS/catch.levels" "$listened" 100000 |
        awk -v gap="$CATCH_GAP" '$1 - last > gap { n++ } { last = $1 } END { print n + 0 }')
done
stop_recording
stop_game
[ "$catches" -ge 1 ] || fail "no catch was heard in $PLAY_SECONDS s of play"
echo "catch sounds heard: $catches, the first at" \
    "$(band_heard "$SHOTS/catch.levels" "$listened" 100000 | head -n 1) s"

# --- The start sound's file missing: the built-in beep instead ---
mv "$PROGRAM/dati/$START_SOUND_FILE" "$WORK/"
start_game_while_recording "$WORK/beep.raw"
sleep 2
stop_recording
stop_game

# shellcheck disable=SC2086
band_levels "$WORK/beep.raw" $BEEP_BAND >"$SHOTS/missing_beep.levels"
check_sound_at_click "$SHOTS/missing_beep.levels" "without $START_SOUND_FILE"
listened=$(echo "$SOUND_START $START_SOUND_SPAN" | awk '{ print $1 + $2 }')
[ -n "$(band_heard "$SHOTS/missing_beep.levels" "$SOUND_START" "$listened")" ] ||
    fail "without $START_SOUND_FILE the sound at Start is not the built-in beep"
# shellcheck disable=SC2086
band_levels "$WORK/beep.raw" $START_BAND >"$SHOTS/missing_start.levels"
[ -z "$(band_heard "$SHOTS/missing_start.levels" "$SOUND_START" "$listened")" ] ||
    fail "the start chord was heard although $START_SOUND_FILE is missing"
echo "ok"
