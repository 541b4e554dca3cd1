#!/bin/sh
# Plays one scenario and compares what the runner prints with the expected output; the runner's
# exit status must be the one given as the fourth argument (0 when none is given).
runner=$1 script=$2 expected=$3 want=${4:-0}
actual=$("$runner" "$script"); status=$?
printf '%s\n' "$actual" | diff -u "$expected" - || exit 1
if [ "$status" -ne "$want" ]; then
  echo "exit status $status, expected $want"
  exit 1
fi
