#!/usr/bin/env bash
# Runs the window demo on the X11 backend under Xvfb with a desktop window manager
# (Openbox): the window stays where the program put it, without the window manager's
# decorations; a drag of its painted title bar moves it through the window manager and the
# program learns where it went; a dialog takes the keyboard and gives it back; the
# notification keeps its place; the window is iconified and restored.
# Usage: windemo_wm_e2e.sh DEMO_PROGRAM OUTPUT_DIR. Fails without xvfb-run,
# xdotool, ImageMagick, openbox or xprop.
set -euo pipefail

demo=$1
out=$2
source "$(dirname "$0")/e2e_lib.sh"
require_tools openbox xprop
run_under_xvfb "$out" "$@"

log=$out/windemo-wm.log
program_name=demo

openbox --sm-disable >"$out/openbox.log" 2>&1 &
wm_pid=$!
trap 'kill $wm_pid 2>/dev/null || true' EXIT
# The window manager is up once it names the desktops.
for _ in $(seq 50); do
  xdotool get_num_desktops >/dev/null 2>&1 && break
  sleep 0.1
done
xdotool get_num_desktops >/dev/null 2>&1 || fail "openbox did not start"

"$demo" --timeout 30000 >"$log" 2>&1 &
demo_pid=$!
trap 'kill $demo_pid $wm_pid 2>/dev/null || true' EXIT

expect_line "ready x11 200 150"
window=$(xdotool search --sync --name "^Window demo$" | head -1)
[[ -n $window ]] || fail "no window titled \"Window demo\""
sleep 0.5
geometry=$(xdotool getwindowgeometry "$window")
grep -q "Position: 200,150" <<<"$geometry" || fail "the window manager moved the window: $geometry"
import -window root "$out/windemo-wm-start.png"
expect_pixel "$out/windemo-wm-start.png" 270 230 "208 48 48" "panel 1, no decoration above it"
expect_pixel "$out/windemo-wm-start.png" 200 150 "0 0 0" "the rounded corner is cut out of the window"

xdotool mousemove 300 165 mousedown 1
sleep 0.2
xdotool mousemove 350 200
sleep 0.2
xdotool mousemove 400 250
sleep 0.2
xdotool mouseup 1
expect_line "moved 300 235"
geometry=$(xdotool getwindowgeometry "$window")
grep -q "Position: 300,235" <<<"$geometry" || fail "the window did not follow the drag: $geometry"

xdotool type d
expect_line "dialog opened"
dialog=$(xdotool search --sync --name "^Demo dialog$" | head -1)
sleep 0.3
[[ $(xdotool getwindowfocus) == "$dialog" ]] || fail "the dialog did not get the keyboard focus"
xdotool key Return
expect_line "dialog closed"
sleep 0.3
[[ $(xdotool getwindowfocus) == "$window" ]] || fail "the form did not get the keyboard back"

xdotool type n
expect_line "notification shown 826 688"
sleep 0.2
import -window root "$out/windemo-wm-note.png"
expect_pixel "$out/windemo-wm-note.png" 830 760 "48 160 48" "the notification at the bottom right"

# Minimising asks the window manager to iconify the window; activating it from the desktop
# (as a task bar would) gives it back, and the program learns both.
xdotool type m
expect_line "minimized"
sleep 0.3
xprop -id "$window" WM_STATE | grep -q "Iconic" || fail "the window manager did not iconify the window"
xdotool windowactivate "$window" 2>/dev/null || true
expect_line "restored"
sleep 0.3
xprop -id "$window" WM_STATE | grep -q "Normal" || fail "the window did not come back: $(xprop -id "$window" WM_STATE)"
import -window root "$out/windemo-wm-restored.png"
expect_pixel "$out/windemo-wm-restored.png" 370 315 "208 48 48" "panel 1 painted again after the restore"

xdotool type q
expect_line "quit"
wait $demo_pid || fail "the demo exited with status $?"
echo "passed; screenshots in $out"
