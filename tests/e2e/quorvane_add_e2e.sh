#!/usr/bin/env bash
# Runs Quorvane Reference on the X11 backend under Xvfb with a data file of its own, adds an
# entry with Alt+A through the entry dialog, saves with Alt+S and checks that the saved file
# holds the entry in title order.
# Usage: quorvane_add_e2e.sh PROGRAM QVDAT OUTPUT_DIR. Fails without xvfb-run,
# xdotool or ImageMagick.
set -euo pipefail

program=$1
qvdat=$2
out=$3

source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"

source "$(dirname "$0")/quorvane_common.sh"
start_quorvane "$program" "$qvdat"

xdotool key alt+a
dialog=$(wait_window "Quorvane")
sleep 0.5
import -window "$dialog" "$out/quorvane-dialog-empty.png"
# Title, meaning and sample in tab order, lower case where the dialog forces upper case;
# then the Command box, past Keyword, and OK, all by the keyboard.
xdotool type --delay 50 crt
xdotool key Tab
xdotool type --delay 50 create
xdotool key Tab
xdotool type --delay 50 crtlib
xdotool key Tab space Tab Tab
sleep 0.3
import -window root "$out/quorvane-dialog.png"
import -window "$dialog" "$out/quorvane-dialog-filled.png"
# What was typed shows in the dialog's edits: more dark pixels than the empty dialog had.
empty_dark=$(dark_pixels_all "$out/quorvane-dialog-empty.png")
filled_dark=$(dark_pixels_all "$out/quorvane-dialog-filled.png")
((filled_dark > empty_dark + 40)) ||
  fail "the typed title, meaning and sample do not show in the dialog ($empty_dark, then $filled_dark dark pixels)"
xdotool key space
sleep 0.5
expect_running
xdotool search --name "^Quorvane$" >/dev/null && fail "the dialog stayed up after OK"

xdotool key alt+s
wait_window "Information" >/dev/null
sleep 0.3
xdotool key Return
wait_saved
expect_running

expected=$(printf 'ADD\nALC\nALW\nCRT\tcreate\tCRTLIB\t1\nZZ')
got=$("$qvdat" export "$app/quorvane.dat" | awk -F'\t' '$1 == "CRT" { print $1 "\t" $2 "\t" $3 "\t" $4; next } { print $1 }')
[[ $got == "$expected" ]] || fail "the saved file holds:
$got
expected:
$expected"

# It ends on a termination signal as when closed, with status 0.
kill -TERM "$quorvane_pid"
wait "$quorvane_pid" || fail "the program ended with status $? on SIGTERM"
trap - EXIT
echo "passed; screenshots in $out"
