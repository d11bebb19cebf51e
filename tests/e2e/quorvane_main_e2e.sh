#!/usr/bin/env bash
# Runs Quorvane Reference on the X11 backend under Xvfb with a data file of its own, types an
# abbreviation, deletes a row through the popup menu, saves with Alt+S, answers the
# confirmation with Enter and checks the saved file.
# Usage: quorvane_main_e2e.sh PROGRAM QVDAT OUTPUT_DIR. Fails without xvfb-run,
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

# On screen: a row of text for each of the four records, nothing below them, and the count
# line under the list.
expect_rows "$out/quorvane-main.png" 4
sum_before=$(sum_line "$out/quorvane-main.png")
[[ $(dark_pixels "$out/quorvane-main.png" 160 13 $((client_x + 28)) $((client_y + 398))) -gt 20 ]] ||
  fail "the line under the list shows nothing"

# Find on an abbreviation the file lacks says so.
xdotool type --delay 50 xyz
xdotool key alt+f
find_box=$(wait_window "Information")
sleep 0.3
import -window root "$out/quorvane-find.png"
import -window "$find_box" "$out/quorvane-find-box.png"
(($(dark_pixels_all "$out/quorvane-find-box.png") > 50)) || fail "the Find message box shows no text"
xdotool key Return
sleep 0.3
xdotool search --name "^Information$" >/dev/null && fail "the Find message stayed up after Enter"
expect_running
xdotool key BackSpace BackSpace BackSpace

# Typing selects ALW, the third row, without a click. The list takes the focus by the
# keyboard (Tab past Find), the menu key opens the popup menu for the row typing selected,
# and its accelerator deletes that row: the saved file shows which row it was.
xdotool type --delay 50 alw
sleep 0.3
xdotool key Tab Tab
sleep 0.3
xdotool key Menu
sleep 0.5
xdotool key d
sleep 0.5
expect_running
import -window root "$out/quorvane-deleted.png"
expect_rows "$out/quorvane-deleted.png" 3
[[ $(sum_line "$out/quorvane-deleted.png") != "$sum_before" ]] ||
  fail "the count under the list did not change when a row went"

xdotool key alt+s
box=$(wait_window "Information")
sleep 0.3
import -window root "$out/quorvane-saved.png"
xdotool key Return
wait_saved
expect_running
xdotool search --name "^Information$" >/dev/null && fail "the confirmation stayed up after Enter"

titles=$("$qvdat" export "$app/quorvane.dat" | cut -f1 | tr '\n' ' ')
[[ $titles == "ADD ALC ZZ " ]] || fail "the saved file holds \"$titles\", expected \"ADD ALC ZZ \""
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
