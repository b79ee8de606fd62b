# Shared by the tests that listen to the game: a PulseAudio server of the test's own with one
# null sink, a recording of what reaches that sink, and levels measured in it with sox.
# Source it after e2e_lib.sh; it stops its server and its recorder when the test ends.

# The recording: 16-bit mono at a rate that keeps every tone of the game's sounds (the highest
# the tests listen for is 2.4 kHz).
RECORD_RATE=16000
# Levels are measured over slices this long (seconds).
SLICE=0.02
# The width (Hz) of the band filter's edges: narrow, so that a tone inside the band passes whole
# and one 60 Hz outside is gone.
BAND_EDGE=20
SINK=vorlin_test
PAPID=
RECPID=

stop_sound_server() {
    [ -n "$RECPID" ] && kill "$RECPID" 2>/dev/null
    [ -n "$PAPID" ] && kill "$PAPID" 2>/dev/null
    RECPID=
    PAPID=
}
trap 'stop_sound_server; cleanup' EXIT

# Starts PulseAudio with a null sink and a socket in the test's folder, and points every client
# started from here on (the game, parec) at it through PULSE_SERVER.
# The tests run as root here: --system=no keeps it a per-user server, which PulseAudio only warns
# about for root ("not intended to be run as root") and then runs. No configuration file is
# read (-n), nothing is spawned, shared with D-Bus or left behind: the server, its runtime
# folder and its cookie all live in the test's folder, and the server runs until stopped.
start_sound_server() {
    PULSE_HOME="$WORK/pulse-home"
    mkdir -p "$PULSE_HOME"
    chmod 700 "$PULSE_HOME"
    export PULSE_RUNTIME_PATH="$PULSE_HOME/runtime"
    export PULSE_SERVER="unix:$PULSE_HOME/native"
    HOME="$PULSE_HOME" XDG_RUNTIME_DIR="$PULSE_HOME" XDG_CONFIG_HOME="$PULSE_HOME" \
        pulseaudio --system=no --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no \
        --disable-shm=yes --realtime=no --high-priority=no --no-cpu-limit=yes \
        -L "module-null-sink sink_name=$SINK rate=$RECORD_RATE channels=1" \
        -L "module-native-protocol-unix socket=$PULSE_HOME/native auth-anonymous=1" \
        --log-target=file:"$WORK/pulseaudio.log" &
    PAPID=$!
    for _ in $(seq 100); do
        HOME="$PULSE_HOME" pactl info >/dev/null 2>&1 && return 0
        kill -0 "$PAPID" 2>/dev/null || break
        sleep 0.1
    done
    fail "the sound server did not start: $(cat "$WORK/pulseaudio.log")"
}

# Records the sink's monitor into FILE (raw samples) until stop_recording. Sets RECORD_START to
# the wall-clock time (seconds) of the recording's first sample.
start_recording() {
    RECORDING=$1
    HOME="$PULSE_HOME" parec -d "$SINK.monitor" --rate="$RECORD_RATE" --channels=1 \
        --format=s16le --raw --latency-msec=20 >"$RECORDING" 2>"$WORK/parec.err" &
    RECPID=$!
    for _ in $(seq 100); do
        bytes=$(stat -c %s "$RECORDING")
        if [ "$bytes" -gt 0 ]; then
            RECORD_START=$(echo "$(date +%s.%N) $bytes $RECORD_RATE" |
                awk '{ printf "%.3f", $1 - $2 / 2 / $3 }')
            return 0
        fi
        kill -0 "$RECPID" 2>/dev/null || break
        sleep 0.05
    done
    fail "nothing could be recorded from the sound server: $(cat "$WORK/parec.err")"
}

stop_recording() {
    kill "$RECPID" 2>/dev/null
    wait "$RECPID" 2>/dev/null
    RECPID=
}

# Seconds from the start of the recording to now.
recording_time() {
    echo "$(date +%s.%N) $RECORD_START" | awk '{ printf "%.3f", $1 - $2 }'
}

# Prints, for every slice of the recording FILE, its start time and its RMS level (full scale
# is 1), after the sox effects given (for example "sinc 850-910" to hear one tone only).
slice_levels() {
    file=$1
    shift
    sox -t raw -r "$RECORD_RATE" -e signed -b 16 -c 1 "$file" -t dat - "$@" |
        awk -v n="$(echo "$RECORD_RATE $SLICE" | awk '{ print int($1 * $2) }')" \
            -v rate="$RECORD_RATE" '
            /^;/ { next }
            { sum += $2 * $2; count++; samples++ }
            count == n {
                printf "%.2f %.5f\n", (samples - count) / rate, sqrt(sum / n)
                sum = count = 0
            }'
}

# Prints, for every slice, its time, its whole level and the level within the band LOW-HIGH Hz:
# "TIME LEVEL BAND_LEVEL".
band_levels() {
    slice_levels "$1" >"$WORK/whole.levels"
    slice_levels "$1" sinc -t "$BAND_EDGE" "$2-$3" >"$WORK/band.levels"
    paste -d ' ' "$WORK/whole.levels" "$WORK/band.levels" | awk '{ print $1, $2, $4 }'
}

# From "TIME LEVEL BAND_LEVEL" lines on the input, the slices between FROM and TO seconds in
# which the band carries at least SHARE of the level and the level is at least LEAST: prints
# their times, one a line.
tone_slices() {
    awk -v from="$1" -v to="$2" -v share="$3" -v least="$4" '
        $1 >= from && $1 < to && $2 >= least && $3 >= share * $2 { print $1 }'
}

# The loudest slice between FROM and TO seconds of "TIME LEVEL ..." lines: "TIME LEVEL".
loudest_slice() {
    awk -v from="$1" -v to="$2" '
        $1 >= from && $1 < to && $2 >= best { best = $2; at = $1 }
        END { printf "%s %.5f\n", at, best }'
}

# The first slice at or after FROM seconds whose level reaches LEAST: its time, or nothing.
first_slice_reaching() {
    awk -v from="$1" -v least="$2" '$1 >= from && $2 >= least { print $1; exit }'
}
