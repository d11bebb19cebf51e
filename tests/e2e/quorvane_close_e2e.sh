#!/usr/bin/env bash
# Runs Quorvane Reference on the X11 backend under Xvfb and closes it with an entry added and
# not saved: Alt+F4, the close button and the window menu's Close each ask "Save changes to
# the abbreviations?" (Cancel keeps the window, No ends without a save, Yes saves); then,
# under a desktop window manager (Openbox), the desktop's own close request asks the same.
# Usage: quorvane_close_e2e.sh PROGRAM QVDAT OUTPUT_DIR. Exits 77 (skipped) without
# xvfb-run, xdotool, ImageMagick or openbox.
set -euo pipefail

program=$1
qvdat=$2
out=$3

source "$(dirname "$0")/e2e_lib.sh"
if ! command -v openbox >/dev/null; then
  [[ -n ${CI:-} ]] && { echo "FAILED: openbox is not installed" >&2; exit 1; }
  echo "skipped: openbox is not installed"
  exit 77
fi
run_under_xvfb "$out" "$@"

source "$(dirname "$0")/quorvane_close_lib.sh"

# Alt+F4, the program's own key: Cancel keeps the window and the change.
start_with_an_added_entry
xdotool key alt+F4
wait_question
import -window root "$out/close-question.png"
xdotool key Escape
wait_windows "Quorvane Reference" 1
expect_running

# The close button: No ends without a save.
xdotool mousemove $((wx + ww - 11)) $((wy + 12)) click 1
wait_question
xdotool key n
expect_ended
expect_titles "ADD ALC ALW ZZ"

# The window menu's Close: Yes saves, then the program ends.
start_with_an_added_entry
xdotool key alt+space
sleep 0.3
xdotool key c
wait_question
xdotool key y
expect_ended
expect_titles "ADD ALC ALW CRT ZZ"

# The desktop's close request: Openbox turns Alt+F4 into WM_DELETE_WINDOW.
openbox --sm-disable >"$out/openbox.log" 2>&1 &
wm_pid=$!
trap 'kill $wm_pid $quorvane_pid 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  xdotool get_num_desktops >/dev/null 2>&1 && break
  sleep 0.1
done
xdotool get_num_desktops >/dev/null 2>&1 || fail "openbox did not start"
start_with_an_added_entry
trap 'kill $wm_pid $quorvane_pid 2>/dev/null || true' EXIT
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key alt+F4
wait_question
import -window root "$out/close-question-wm.png"
xdotool key y
expect_ended
expect_titles "ADD ALC ALW CRT ZZ"
kill $wm_pid 2>/dev/null || true
trap - EXIT
echo "passed; screenshots in $out"
