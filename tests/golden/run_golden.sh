#!/bin/sh
# Runs one replay script and compares what it prints (and its exit code) with the expected file.
# usage: run_golden.sh REPLAY SCRIPT EXPECTED
# To write a new expected file, run the script by hand, read the output line by line against the
# rules of the game, and only then save it as SCRIPT's .expected.
replay=$1 script=$2 expected=$3
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
"$replay" "$script" >"$actual" 2>&1
echo "exit=$?" >>"$actual"
diff -u "$expected" "$actual"
