#!/usr/bin/env bash
# Runs Quorvane Reference on the X11 backend under Xvfb and checks its skinned frame as a
# user meets it: the band round the window, dragging by the title bar, the window menu on
# Alt+Space and the list's popup menu each closing on a click outside all of the program's
# windows, and the close button ending the program.
# Usage: quorvane_frame_e2e.sh PROGRAM QVDAT OUTPUT_DIR. Fails without
# xvfb-run, xdotool or ImageMagick.
set -euo pipefail

program=$1
qvdat=$2
out=$3
log=$out/quorvane.log
program_name=program

source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"

source "$(dirname "$0")/quorvane_common.sh"
start_quorvane "$program" "$qvdat"

geometry() {
  local g
  g=$(xdotool getwindowgeometry --shell "$window")
  wx=$(sed -n 's/^X=//p' <<<"$g")
  wy=$(sed -n 's/^Y=//p' <<<"$g")
  ww=$(sed -n 's/^WIDTH=//p' <<<"$g")
  wh=$(sed -n 's/^HEIGHT=//p' <<<"$g")
}
geometry
[[ $ww == 600 && $wh == 475 ]] || fail "the window is ${ww}x${wh}, expected 600x475"

# The band: one grey pixel of border, two of the frame colour, on the left and at the bottom.
import -window root "$out/frame-start.png"
expect_pixel "$out/frame-start.png" "$wx" $((wy + 200)) "127 127 127" "left border"
expect_pixel "$out/frame-start.png" $((wx + 1)) $((wy + 200)) "231 231 231" "left inner band"
expect_pixel "$out/frame-start.png" $((wx + 300)) $((wy + wh - 1)) "127 127 127" "bottom border"

# Dragging the caption moves the window with the pointer.
xdotool mousemove $((wx + 300)) $((wy + 10)) mousedown 1
for step in 1 2 3 4 5; do
  xdotool mousemove $((wx + 300 + 10 * step)) $((wy + 10 + 8 * step))
  sleep 0.05
done
xdotool mouseup 1
sleep 0.5
old_x=$wx old_y=$wy
geometry
[[ $wx == $((old_x + 50)) && $wy == $((old_y + 40)) ]] ||
  fail "the window went from $old_x,$old_y to $wx,$wy, expected a move by 50,40"
expect_running

# Alt+Space opens the window menu at the window's left edge below the title bar, on its
# MacOS pinstripe; a click outside every window of the program closes it.
import -window root "$out/frame-before-menu.png"
before=$(pixel "$out/frame-before-menu.png" $((wx + 8)) $((wy + 25)))
xdotool key alt+space
sleep 0.5
import -window root "$out/frame-window-menu.png"
expect_pixel "$out/frame-window-menu.png" $((wx + 8)) $((wy + 23)) "233 233 233" "the menu's first row"
xdotool mousemove 1000 740 click 1
sleep 0.5
import -window root "$out/frame-menu-closed.png"
[[ $(pixel "$out/frame-menu-closed.png" $((wx + 8)) $((wy + 25))) == "$before" ]] ||
  fail "the window menu stayed open after a click outside"
expect_running

# The list's popup menu opens at the click, its first item on the pinstripe three pixels
# below (inside the menu window's frame), and closes the same way.
client_x=$((wx + 3)) client_y=$((wy + 3))
click_client 60 160 3
sleep 0.5
import -window root "$out/frame-popup.png"
xdotool mousemove 1000 740 click 1
sleep 0.5
import -window root "$out/frame-popup-closed.png"
[[ $(pixel "$out/frame-popup.png" $((client_x + 70)) $((client_y + 163))) == "233 233 233" ]] ||
  fail "the popup menu did not open on its pinstripe"
[[ $(pixel "$out/frame-popup-closed.png" $((client_x + 70)) $((client_y + 163))) != "233 233 233" ]] ||
  fail "the popup menu stayed open after a click outside"
expect_running

# The close button, 11 pixels left of the right edge in the title bar, ends the program.
xdotool mousemove $((wx + ww - 11)) $((wy + 12)) click 1
for _ in $(seq 50); do
  kill -0 "$quorvane_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$quorvane_pid" 2>/dev/null && fail "the close button did not end the program"
wait "$quorvane_pid" || fail "the program ended with status $? after its close button"
trap - EXIT
echo "passed; screenshots in $out"
