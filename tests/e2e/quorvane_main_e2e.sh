#!/usr/bin/env bash
# Runs Quorvane Reference on the X11 backend under Xvfb with a data file of its own, types an
# abbreviation, deletes a row through the popup menu, saves with Alt+S, answers the
# confirmation with Enter and checks the saved file.
# Usage: quorvane_main_e2e.sh PROGRAM QVDAT OUTPUT_DIR. Exits 77 (skipped) without xvfb-run,
# xdotool or ImageMagick.
set -euo pipefail

program=$1
qvdat=$2
out=$3

source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"

source "$(dirname "$0")/quorvane_common.sh"
start_quorvane "$program" "$qvdat"
import -window root "$out/quorvane-main.png"

# Typing selects ALC, the second row; a right click on it opens the popup menu, and its
# accelerator deletes the row.
xdotool type --delay 50 alc
sleep 0.3
row_y=$((136 + 2 + 17 + 17 + 8))
click_client 60 "$row_y" 3
sleep 0.5
xdotool key d
sleep 0.3
expect_running

xdotool key alt+s
box=$(wait_window "Information")
sleep 0.3
import -window root "$out/quorvane-saved.png"
xdotool key Return
wait_saved
expect_running
xdotool search --name "^Information$" >/dev/null && fail "the confirmation stayed up after Enter"

titles=$("$qvdat" export "$app/quorvane.dat" | cut -f1 | tr '\n' ' ')
[[ $titles == "ADD ALW ZZ " ]] || fail "the saved file holds \"$titles\", expected \"ADD ALW ZZ \""
"$qvdat" check "$app/quorvane.dat" >/dev/null || fail "qvdat check finds fault with the saved file"
[[ -z $box ]] && fail "no confirmation"

# A termination signal ends the program as closing its window does.
kill -TERM "$quorvane_pid"
for _ in $(seq 50); do
  kill -0 "$quorvane_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$quorvane_pid" 2>/dev/null && fail "the program did not end on SIGTERM"
wait "$quorvane_pid" || fail "the program ended with status $? on SIGTERM"
trap - EXIT
echo "passed; screenshots in $out"
