#!/bin/bash
# Runs a command with DISPLAY set to a fresh dummy Xorg server, which is stopped afterwards.
# Exit code 77 (skipped) when the server cannot be started at all.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/dummy_xorg.sh"
trap stop_dummy_xorg EXIT

if ! start_dummy_xorg; then
    echo "SKIPPED: no test Xorg server can be started" >&2
    exit 77
fi
DISPLAY="$DUMMY_DISPLAY" "$@"
