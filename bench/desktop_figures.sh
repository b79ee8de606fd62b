#!/bin/sh
# Figures of the game as a desktop program, measured with public tools under an X server of its
# own with a window manager: start-up time to a mapped window; at 1, 10 and 80 ms a tick, in the
# window and in the scaled full screen, the ticks and frames shown per second, the CPU used and
# the wake-ups; the CPU and the wake-ups in every state where nothing plays; the peak memory of
# a whole game.
# Usage: sh bench/desktop_figures.sh [BUILD_DIR] [START_RUNS] [PARTS]   (the game must be built)
# PARTS: "all" (the default), "states" for the play in the window and the still states only,
# "play" for the play in the window only, or "still" for the still states only. PLAY_SPEEDS
# (default "1 10 80") and PLAY_RUNS (default 5) in the environment choose the games played.
start_runs=${2:-9}
parts=${3:-all}
set -- "${1:-build}" desktop_figures
E2E_DIR="$(dirname "$0")/../tests/e2e"
. "$E2E_DIR/e2e_lib.sh" "$@"
# A sound server of the script's own with a sink that plays into nothing, as a desktop has one:
# without any, every sound the game starts waits on the sound library's failed connection.
. "$E2E_DIR/sound_lib.sh"

# The speeds measured in play, and the seconds sampled at each: at 1 ms a tick the unattended
# creature loses all its energy in under a second, so only the first half second is sampled; slower
# games last longer and are sampled longer, so that the CPU clock's 10 ms grain stays small
# beside what is counted.
PLAY_SPEEDS=${PLAY_SPEEDS:-1 10 80}
PLAY_RUNS=${PLAY_RUNS:-5}
sample_seconds() {
    case $1 in 1) echo 0.5 ;; 10) echo 5 ;; *) echo 10 ;; esac
}
# The whole screen: 2.5 times the game's 640 x 480 in the scaled full screen.
SCREEN=1600x1200x24
FULL_SCREEN_FACTOR=2.5
# Client-area points of the menu button "Menù->" and of the full-screen button on the button bar.
MENU_X=23
MENU_Y=470
RISO1_X=355
RISO1_Y=470
# The button bar's "Record" button.
RECORDS_X=431
RECORDS_Y=470
# Seconds sampled in each state where nothing plays.
STILL_SECONDS=${STILL_SECONDS:-10}
# Seconds after the last key or click by which the caret in the name box has stopped blinking
# (it rests after 10 s, as a desktop's text boxes do): the start panel and the record panel are
# sampled as a player who left them finds them.
CARET_REST_SECONDS=11
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

# "run time in ns, context switches" of all the threads of process PID so far: the time each
# thread has run on a core (exact, where the clock ticks count in 10 ms steps) and how often each
# was put to sleep or taken off its core, which is how often the program was woken.
thread_counters() {
    for task in "/proc/$1/task/"*; do
        printf '%s ' "$(cut -d' ' -f1 "$task/schedstat" 2>/dev/null)"
        awk '/^(non)?voluntary_ctxt_switches/ { s += $2 } END { print s + 0 }' \
            "$task/status" 2>/dev/null
    done | awk '{ ns += $1; switches += $2 } END { printf "%d %d\n", ns, switches }'
}

# CPU of one core (%) and wake-ups per second of the game between two thread_counters
# readings "ns switches" taken MS milliseconds apart: "cpu wakeups".
thread_rates() {
    awk -v ns0="$1" -v sw0="$2" -v ns1="$3" -v sw1="$4" -v ms="$5" 'BEGIN {
        printf "%.2f %.1f\n", 100 * (ns1 - ns0) / 1e6 / ms, (sw1 - sw0) * 1000 / ms }'
}

# Samples the game for SECONDS (default STILL_SECONDS) as it stands: "cpu wakeups".
still_figures() {
    seconds=${1:-$STILL_SECONDS}
    from=$(now_ms)
    set -- $(thread_counters "$VORLINPID")
    sleep "$seconds"
    set -- "$@" $(thread_counters "$VORLINPID")
    thread_rates "$1" "$2" "$3" "$4" $(($(now_ms) - from))
}

# Starts the game (under /usr/bin/time -v when MEASURE_MEMORY is set), waits for its window and
# the emptied name box and types a name. GAMEPID is what was started, VORLINPID the game itself.
open_game_with_name() {
    if [ -n "$MEASURE_MEMORY" ]; then
        HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/.local/share" \
            /usr/bin/time -v -o "$WORK/time.txt" "$PROGRAM/vorlin" >/dev/null 2>&1 &
    else
        HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/.local/share" VORLIN_FIGURES=1 \
            "$PROGRAM/vorlin" >/dev/null 2>"$WORK/figures" &
    fi
    GAMEPID=$!
    WINDOW=$(timeout 20 xdotool search --sync --name '^Vorlin ' | head -n 1)
    [ -n "$WINDOW" ] || fail "the game window did not appear"
    VORLINPID=$(xdotool getwindowpid "$WINDOW")
    wait_until 10 "the name box to be emptied" name_box_empty
    type_player_name "Misura"
}

# Clicks at a point of the 640 x 480 picture when it is shown FACTOR times larger from the
# window's corner.
click_scaled() {
    xdotool mousemove --window "$WINDOW" "$(awk -v v="$1" -v f="$3" 'BEGIN { printf "%d", v * f }')" \
        "$(awk -v v="$2" -v f="$3" 'BEGIN { printf "%d", v * f }')" click 1
}

# Asks the game for a report of its counters (it writes one line each time it gets SIGUSR1).
ask_for_counters() {
    kill -USR1 "$VORLINPID"
}

# The program's counters at its first and at its last report: "ms ticks frames ms ticks frames".
reported_counters() {
    awk '$1 == "figures" { e = $2 " " $3 " " $4; if (!s) s = e } END { print s, e }' \
        "$WORK/figures"
}

# One game at SPEED ms a tick, WHERE "window" or "full screen": prints its row of figures.
play_figures() {
    where=$1 speed=$2
    seconds=$(sample_seconds "$speed")
    open_game_with_name
    if [ "$speed" -lt 80 ]; then
        xdotool mousemove --window "$WINDOW" "$SPEED_BAR_LEFT_ARROW_X" "$SPEED_BAR_Y" \
            click --repeat $((80 - speed)) --delay 15 1
        sleep 0.3
    fi
    factor=1
    if [ "$where" = "full screen" ]; then
        click_at "$MENU_X" "$MENU_Y"
        click_at "$RISO1_X" "$RISO1_Y"
        sleep 1
        factor=$FULL_SCREEN_FACTOR
        # The menu button again, now at the scale: the bar goes and the start panel is back.
        click_scaled "$MENU_X" "$MENU_Y" "$factor"
        sleep 0.3
    fi
    click_scaled "$START_BUTTON_X" "$START_BUTTON_Y" "$factor"
    from=$(now_ms)
    before=$(cpu_ticks "$VORLINPID")
    threads_before=$(thread_counters "$VORLINPID")
    ask_for_counters
    sleep "$seconds"
    ask_for_counters
    after=$(cpu_ticks "$VORLINPID")
    threads_after=$(thread_counters "$VORLINPID")
    to=$(now_ms)
    # Time for the last report to be written.
    sleep 0.2
    # shellcheck disable=SC2086 # two numbers each
    threads=$(thread_rates $threads_before $threads_after $((to - from)))
    kill "$GAMEPID"
    wait "$GAMEPID" 2>/dev/null
    GAMEPID=
    set -- $(reported_counters)
    [ $# -eq 6 ] || fail "the game reported no counters at $speed ms ($where)"
    [ "$4" -gt "$1" ] || fail "the game reported its counters only once at $speed ms ($where)"
    awk -v speed="$speed" -v where="$where" -v t0="$1" -v k0="$2" -v f0="$3" -v t1="$4" \
        -v k1="$5" -v f1="$6" -v cpu=$((after - before)) -v ms=$((to - from)) \
        -v hz="$CLOCK_TICKS" -v threads="$threads" 'BEGIN {
            s = (t1 - t0) / 1000
            printf "%.1f %.1f %.1f %s\n", (k1 - k0) / s, (f1 - f0) / s, 100 * cpu / hz / (ms / 1000),
                threads
        }'
}

# The median of column COLUMN of FILE, and its range: "median (low-high)".
median_of() {
    cut -d' ' -f"$1" "$2" | sort -n |
        awk '{ v[NR] = $1 } END { printf "%s (%s-%s)", v[int((NR + 1) / 2)], v[1], v[NR] }'
}

# The row of one speed and place from the runs' "ticks frames cpu thread_cpu wakeups" lines in
# FILE.
median_row() {
    median() { cut -d' ' -f"$1" "$2" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
    range=$(cut -d' ' -f3 "$1" | sort -n | awk 'NR == 1 { lo = $1 } { hi = $1 } END { print lo "-" hi }')
    printf "  %3d ms  %-11s  %6.1f ticks/s (%g)  %5.1f frames/s  %5.1f %% (%s)  threads %s %%  %s wake-ups/s\n" \
        "$2" "$3" "$(median 1 "$1")" "$(awk -v s="$2" 'BEGIN { print 1000 / s }')" \
        "$(median 2 "$1")" "$(median 3 "$1")" "$range" "$(median_of 4 "$1")" "$(median_of 5 "$1")"
}

# One game through the states where nothing plays, each sampled for STILL_SECONDS: the start
# panel while the caret still blinks and once it rests, the record panel opened from it, then (after a game at the default speed has begun)
# the pause and the button bar. Appends "cpu wakeups" to $WORK/start_panel_blinking,
# start_panel, records_before, paused and button_bar.
still_states_figures() {
    open_game_with_name
    sleep 1
    # From 1 s to 9 s after the name was typed, while the caret blinks.
    still_figures 8 >>"$WORK/start_panel_blinking"
    sleep $((CARET_REST_SECONDS - 9))
    still_figures >>"$WORK/start_panel"
    click_at "$MENU_X" "$MENU_Y"
    sleep 0.3
    click_at "$RECORDS_X" "$RECORDS_Y"
    sleep "$CARET_REST_SECONDS"
    still_figures >>"$WORK/records_before"
    # The menu button again: the bar and the panel go, the start panel is back.
    click_at "$MENU_X" "$MENU_Y"
    sleep 0.3
    click_start
    sleep 2
    key p
    sleep 1
    still_figures >>"$WORK/paused"
    key p
    sleep 0.5
    key Escape
    wait_until 10 "the button bar" bar_shown
    sleep 1
    still_figures >>"$WORK/button_bar"
    kill "$GAMEPID"
    wait "$GAMEPID" 2>/dev/null
    GAMEPID=
}

# A whole unattended game at the fastest speed (1 ms a tick), up to the record panel it ends on.
play_a_whole_game() {
    open_game_with_name
    set_start_speed_fastest
    cp "$PROGRAM/Recordc1.kpr" "$WORK/before.kpr"
    click_start
    wait_for_new_record "$PROGRAM" "$WORK/before.kpr" "$GAME_SECONDS"
    wait_until 10 "the record panel" bar_shown
}

# A whole unattended game at 1 ms a tick, then the record panel it ends on, sampled for
# STILL_SECONDS: appends "cpu wakeups" to $WORK/records_after.
records_after_game_figures() {
    play_a_whole_game
    sleep 1
    still_figures >>"$WORK/records_after"
    kill "$GAMEPID"
    wait "$GAMEPID" 2>/dev/null
    GAMEPID=
}

# What else the machine was doing: the figures are only comparable on an otherwise idle machine.
echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
start_desktop "$SCREEN"
start_sound_server
hold_display_open
make_program_folder

# Start-up: the first run writes the clean record file, the others find it.
for _ in $(seq "$start_runs"); do start_up_ms; done >"$WORK/start_up"
sort -n "$WORK/start_up" >"$WORK/start_up_sorted"
echo "start-up to mapped window: median" \
    "$(sed -n "$(((start_runs + 1) / 2))p" "$WORK/start_up_sorted") ms over $start_runs runs" \
    "(min $(head -n 1 "$WORK/start_up_sorted"), max $(tail -n 1 "$WORK/start_up_sorted"))"

# Play at each speed, in the window and in the scaled full screen: ticks and frames shown per
# second from the program's own counters, CPU of the game process from /proc, over the same span.
# Each is played PLAY_RUNS times: a game left to itself plays differently each time (what it
# catches and loses, so what it draws and which sounds it plays), most of all in a short sample.
# The median of each figure is printed, with the CPU's range; beside it the run time of all the
# game's threads as CPU and their context switches as wake-ups, each with its range.
echo "play: speed, where, ticks per second (wanted), frames shown per second, CPU of one core" \
    "(median of $PLAY_RUNS games; CPU range), CPU and wake-ups of the game's threads"
places="window"
[ "$parts" = "all" ] && places="window full_screen"
[ "$parts" = "still" ] && places=""
for place in $places; do
    where=$(echo "$place" | tr _ ' ')
    for speed in $PLAY_SPEEDS; do
        for _ in $(seq "$PLAY_RUNS"); do play_figures "$where" "$speed"; done >"$WORK/runs"
        median_row "$WORK/runs" "$speed" "$where"
    done
done

[ "$parts" = "play" ] && {
    echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
    exit 0
}

# The states where nothing plays, PLAY_RUNS times each.
STATES="start_panel_blinking start_panel records_before paused button_bar records_after"
for state in $STATES; do : >"$WORK/$state"; done
for _ in $(seq "$PLAY_RUNS"); do
    still_states_figures
    records_after_game_figures
done
echo "still: state, CPU of one core and wake-ups per second of the game's threads" \
    "(median of $PLAY_RUNS, range), over $STILL_SECONDS s each"
for state in $STATES; do
    printf "  %-20s  %s %%  %s wake-ups/s\n" "$state" "$(median_of 1 "$WORK/$state")" \
        "$(median_of 2 "$WORK/$state")"
done

[ "$parts" = "all" ] || {
    echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
    exit 0
}

# A whole unattended game at the fastest speed (1 ms a tick): its peak resident memory from
# start to the record panel.
MEASURE_MEMORY=1
play_a_whole_game
quit_with_escape
peak_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$WORK/time.txt")
echo "peak resident memory of a whole game: $peak_kb kB"
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
