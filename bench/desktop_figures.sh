#!/bin/sh
# Figures of the game as a desktop program, measured from outside with public tools under an X
# server of its own: start-up time to a mapped window, peak memory of a whole game, CPU use in
# play at the default speed and at the fastest.
# Usage: sh bench/desktop_figures.sh [BUILD_DIR] [START_RUNS]   (the game must be built)
start_runs=${2:-9}
set -- "${1:-build}" desktop_figures
. "$(dirname "$0")/../tests/e2e/e2e_lib.sh" "$@"

# Seconds of play sampled at the default speed; at 1 ms a tick the unattended play lasts about
# a second and a half, so its first part is sampled.
DEFAULT_SPEED_SECONDS=10
FASTEST_SPEED_SAMPLE=0.75
GAME_SECONDS=180
POLL_SECONDS=0.01
CLOCK_TICKS=$(getconf CLK_TCK)

now_ms() {
    echo $(($(date +%s%N) / 1000000))
}

# Milliseconds from starting the program to its window being mapped. xdotool's own --sync waits
# in half seconds, so the window is looked for here every POLL_SECONDS.
start_up_ms() {
    started=$(now_ms)
    HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/.local/share" "$PROGRAM/vorlin" \
        >/dev/null 2>&1 &
    GAMEPID=$!
    until xdotool search --onlyvisible --name '^Vorlin ' >/dev/null 2>&1; do
        kill -0 "$GAMEPID" 2>/dev/null || fail "the game ended before showing its window"
        sleep "$POLL_SECONDS"
    done
    mapped=$(now_ms)
    kill "$GAMEPID"
    wait "$GAMEPID" 2>/dev/null
    GAMEPID=
    echo $((mapped - started))
}

# CPU time (user + system) of process PID so far, in clock ticks.
cpu_ticks() {
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

# Percent of one core that process PID uses over SECONDS.
cpu_percent() {
    before=$(cpu_ticks "$1")
    sleep "$2"
    after=$(cpu_ticks "$1")
    awk -v d=$((after - before)) -v s="$2" -v hz="$CLOCK_TICKS" \
        'BEGIN { printf "%.1f", 100 * d / hz / s }'
}

# Starts the game (under /usr/bin/time -v when MEASURE_MEMORY is set), waits for its window and
# the emptied name box and types a name. GAMEPID is what was started, VORLINPID the game itself.
open_game_with_name() {
    if [ -n "$MEASURE_MEMORY" ]; then
        HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/.local/share" \
            /usr/bin/time -v -o "$WORK/time.txt" "$PROGRAM/vorlin" >/dev/null 2>&1 &
    else
        HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/.local/share" "$PROGRAM/vorlin" \
            >/dev/null 2>&1 &
    fi
    GAMEPID=$!
    WINDOW=$(timeout 20 xdotool search --sync --name '^Vorlin ' | head -n 1)
    [ -n "$WINDOW" ] || fail "the game window did not appear"
    VORLINPID=$(xdotool getwindowpid "$WINDOW")
    wait_until 10 "the name box to be emptied" name_box_empty
    type_player_name "Misura"
}

start_xvfb
hold_display_open
make_program_folder

# Start-up: the first run writes the clean record file, the others find it.
for _ in $(seq "$start_runs"); do start_up_ms; done >"$WORK/start_up"
sort -n "$WORK/start_up" >"$WORK/start_up_sorted"
echo "start-up to mapped window: median" \
    "$(sed -n "$(((start_runs + 1) / 2))p" "$WORK/start_up_sorted") ms over $start_runs runs" \
    "(min $(head -n 1 "$WORK/start_up_sorted"), max $(tail -n 1 "$WORK/start_up_sorted"))"

# CPU in play at the default speed (80 ms a tick).
open_game_with_name
click_start
echo "CPU in play at 80 ms a tick: $(cpu_percent "$VORLINPID" "$DEFAULT_SPEED_SECONDS") %" \
    "of one core over $DEFAULT_SPEED_SECONDS s"
key Escape
quit_with_escape

# A whole unattended game at the fastest speed (1 ms a tick): its CPU in play, then its peak
# resident memory from start to the record panel.
MEASURE_MEMORY=1
open_game_with_name
set_start_speed_fastest
cp "$PROGRAM/Recordc1.kpr" "$WORK/before.kpr"
click_start
echo "CPU in play at 1 ms a tick: $(cpu_percent "$VORLINPID" "$FASTEST_SPEED_SAMPLE") %" \
    "of one core over the first $FASTEST_SPEED_SAMPLE s"
wait_for_new_record "$PROGRAM" "$WORK/before.kpr" "$GAME_SECONDS"
wait_until 10 "the record panel" bar_shown
quit_with_escape
peak_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$WORK/time.txt")
echo "peak resident memory of a whole game: $peak_kb kB"
