#!/usr/bin/env bash
# Runs the window demo on the X11 backend under Xvfb, drives it with xdotool (a click, a
# key, a drag of its title bar) and checks what it printed and what the screen shows.
# Usage: windemo_e2e.sh DEMO_PROGRAM OUTPUT_DIR. Fails without xvfb-run or
# xdotool or ImageMagick.
set -euo pipefail

demo=$1
out=$2
source "$(dirname "$0")/e2e_lib.sh"
require_tools xmodmap
run_under_xvfb "$out" "$@"

log=$out/windemo.log
program_name=demo

"$demo" --timeout 30000 >"$log" 2>&1 &
demo_pid=$!
trap 'kill $demo_pid 2>/dev/null || true' EXIT

expect_line "ready x11 200 150"
window=$(xdotool search --sync --name "^Window demo$" | head -1)
[[ -n $window ]] || fail "no window titled \"Window demo\""
geometry=$(xdotool getwindowgeometry "$window")
grep -q "Position: 200,150" <<<"$geometry" || fail "window not at 200,150: $geometry"
grep -q "Geometry: 360x240" <<<"$geometry" || fail "window not 360x240: $geometry"
expect_line "timer 1"

import -window root "$out/windemo-start.png"
expect_pixel "$out/windemo-start.png" 270 230 "208 48 48" "panel 1 in its own colour"
expect_pixel "$out/windemo-start.png" 200 150 "0 0 0" "the rounded corner is cut out of the window"
expect_pixel "$out/windemo-start.png" 380 195 "240 240 240" "the window's own background"

xdotool mousemove 270 230 click 1
expect_line "click panel 1"
xdotool type a
expect_line "key a"
# Characters beyond ASCII arrive as the code points typed, and a dead key waits for its
# letter (the demo prints what is not ASCII as a number). The layout gets a key for ø for
# the rest of the run, as a user's layout would have it: xdotool would otherwise bind one
# only for the moment of the keystroke, and a program that reads the key a little later
# (a loaded machine, a sanitizer build) finds the binding gone.
spare=$(xmodmap -pke | awk 'NF == 3 { code = $2 } END { print code }')
[[ -n $spare ]] || fail "the keyboard has no free key to give ø"
xmodmap -e "keycode $spare = oslash Ooblique"
xdotool type "ø"
expect_line "key 248"
xdotool key --delay 60 dead_acute e
expect_line "key 233"

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

sleep 0.3
import -window root "$out/windemo-end.png"
expect_pixel "$out/windemo-end.png" 370 315 "224 208 48" "panel 1 recoloured by the click, moved with the window"
expect_pixel "$out/windemo-end.png" 270 230 "0 0 0" "nothing left where the window was"

# A window the program opens takes the keyboard, and gives it back when it closes.
xdotool type d
expect_line "dialog opened"
dialog=$(xdotool search --sync --name "^Demo dialog$" | head -1)
[[ -n $dialog ]] || fail "no window titled \"Demo dialog\""
[[ $(xdotool getwindowfocus) == "$dialog" ]] || fail "the dialog did not get the keyboard focus"
sleep 0.3
xdotool type x
expect_line "dialog key x"
import -window root "$out/windemo-dialog.png"
expect_pixel "$out/windemo-dialog.png" 380 380 "31 58 139" "the dialog above its owner"
xdotool mousemove 340 300 click 1  # panel 1: the form behind a modal dialog takes no clicks
xdotool key Return
expect_line "dialog closed"
[[ $(xdotool getwindowfocus) == "$window" ]] || fail "the form did not get the keyboard back"
grep -q "click panel 1" <(sed -n '/dialog opened/,$p' "$log") && fail "the disabled form took a click"
xdotool type b
expect_line "key b"

# A notification slides up at the bottom right of the work area (the whole screen under a
# bare X server), leaves the keyboard with the form, and slides away when clicked.
xdotool type n
expect_line "notification shown 826 688"
sleep 0.2
import -window root "$out/windemo-note.png"
expect_pixel "$out/windemo-note.png" 830 760 "48 160 48" "the notification at the bottom right"
xdotool type c
expect_line "key c"
xdotool mousemove 900 730 click 1
expect_line "notification hidden"
sleep 0.2
import -window root "$out/windemo-gone.png"
expect_pixel "$out/windemo-gone.png" 830 760 "0 0 0" "nothing left of the notification"

xdotool type q
expect_line "quit"
wait $demo_pid || fail "the demo exited with status $?"
trap - EXIT
echo "passed; screenshots in $out"
