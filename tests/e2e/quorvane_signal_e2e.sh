#!/usr/bin/env bash
# Ends Quorvane Reference on the X11 backend under Xvfb with signals: SIGTERM, SIGINT and
# SIGHUP while a start-up message box waits end it cleanly (status 0, the data file as it
# was); SIGTERM with an entry added and not saved asks "Save changes to the abbreviations?"
# (Yes saves); a second SIGTERM while it asks ends the program without a save.
# Usage: quorvane_signal_e2e.sh PROGRAM QVDAT OUTPUT_DIR. Exits 77 (skipped) without
# xvfb-run, xdotool or ImageMagick.
set -euo pipefail

program=$1
qvdat=$2
out=$3

source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"

source "$(dirname "$0")/quorvane_close_lib.sh"

# A data file cut short in its last record: the program says so in a box at start-up.
for signal in TERM INT HUP; do
  # A first start lays out the program and a whole data file; it ends on SIGTERM.
  start_quorvane "$program" "$qvdat"
  kill -TERM "$quorvane_pid"
  expect_ended
  size=$(stat -c %s "$app/quorvane.dat")
  truncate -s $((size - 100)) "$app/quorvane.dat"
  damaged=$(md5sum <"$app/quorvane.dat")
  "$app/quorvane" >"$out/quorvane.log" 2>&1 &
  quorvane_pid=$!
  wait_window "Error" >/dev/null
  import -window root "$out/signal-startup-box-$signal.png"
  kill -"$signal" "$quorvane_pid"
  expect_ended
  [[ $(md5sum <"$app/quorvane.dat") == "$damaged" ]] || fail "SIG$signal changed the data file"
done

# An added entry: the question, answered Yes, saves it.
start_with_an_added_entry
kill -TERM "$quorvane_pid"
wait_question
import -window root "$out/signal-question.png"
xdotool key Return
expect_ended
expect_titles "ADD ALC ALW CRT ZZ"

# Told again while it asks: it ends without a save.
start_with_an_added_entry
kill -TERM "$quorvane_pid"
wait_question
kill -TERM "$quorvane_pid"
expect_ended
expect_titles "ADD ALC ALW ZZ"
trap - EXIT
echo "passed; screenshots in $out"
