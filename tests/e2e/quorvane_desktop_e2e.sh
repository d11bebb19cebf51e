#!/usr/bin/env bash
# Runs Quorvane Reference under a desktop window manager (Openbox) and checks what the
# desktop is told and does: the reference window cannot be resized, the entry dialog belongs
# to it as a dialog, and the list's popup menu leaves the window active, its caption drawn
# active.
# Usage: quorvane_desktop_e2e.sh PROGRAM QVDAT OUTPUT_DIR.
set -euo pipefail

program=$1
qvdat=$2
out=$3

source "$(dirname "$0")/e2e_lib.sh"
for tool in openbox xprop; do
  command -v $tool >/dev/null || { echo "FAILED: $tool is not installed" >&2; exit 1; }
done
run_under_xvfb "$out" "$@"

openbox --sm-disable >"$out/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 50); do
  xdotool get_num_desktops >/dev/null 2>&1 && break
  sleep 0.1
done
xdotool get_num_desktops >/dev/null 2>&1 || { echo "FAILED: openbox did not start" >&2; exit 1; }

source "$(dirname "$0")/quorvane_common.sh"
start_quorvane "$program" "$qvdat"
trap 'kill $quorvane_pid $wm_pid 2>/dev/null || true' EXIT

hints=$(xprop -id "$window" WM_NORMAL_HINTS)
grep -q "program specified minimum size: 600 by 475" <<<"$hints" ||
  fail "the window gives the desktop no fixed size: $hints"
grep -q "program specified maximum size: 600 by 475" <<<"$hints" ||
  fail "the window gives the desktop no fixed size: $hints"
xprop -id "$window" _NET_WM_ALLOWED_ACTIONS | grep -q _NET_WM_ACTION_RESIZE &&
  fail "the window manager still offers to resize the window"

# The caption while the window is active, to compare with the caption under a popup menu.
caption() {
  import -window root -crop "400x18+$((client_x + 40))+$((client_y + 1))" +repage "$1"
}
active_window() {
  xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# //'
}
caption "$out/caption-active.png"
[[ $(active_window) == "$(printf '0x%x' "$window")" ]] || fail "the reference window is not active"

# The list's popup menu: the window stays active and so does its caption's look.
click_client 100 170
click_client 100 170 3
for _ in $(seq 50); do
  [[ -n $(xdotool search --onlyvisible --class Quorvane 2>/dev/null | grep -v "^$window\$") ]] && break
  sleep 0.1
done
sleep 0.3
caption "$out/caption-menu.png"
[[ $(active_window) == "$(printf '0x%x' "$window")" ]] || fail "the popup menu took the activation"
[[ $(compare -metric AE "$out/caption-active.png" "$out/caption-menu.png" null: 2>&1) == 0 ]] ||
  fail "the caption looks inactive while the popup menu is open"
xdotool key Escape

# The entry dialog (a double click on a row) belongs to the reference window.
click_client 100 170
xdotool click --repeat 2 --delay 80 1
dialog=$(wait_window "Quorvane")
[[ $(xprop -id "$dialog" WM_TRANSIENT_FOR) == *"$(printf '0x%x' "$window")"* ]] ||
  fail "the entry dialog does not belong to the reference window"
xprop -id "$dialog" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG ||
  fail "the entry dialog is not marked as a dialog"
xdotool key Escape
for _ in $(seq 50); do
  xdotool search --onlyvisible --name "^Quorvane\$" >/dev/null 2>&1 || break
  sleep 0.1
done
expect_running
trap - EXIT
kill $quorvane_pid $wm_pid 2>/dev/null || true
