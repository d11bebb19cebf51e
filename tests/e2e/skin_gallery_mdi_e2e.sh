#!/usr/bin/env bash
# Runs the skin gallery's MDI window on the X11 backend under Xvfb, in two styles: opens
# three children with Ctrl+N, maximises the last by a double-click on its title bar,
# moves on with Ctrl+F6 (the next child comes up maximised) and closes that one with the
# close button in the menu bar. Screenshots are left in the output folder.
# Usage: skin_gallery_mdi_e2e.sh SKIN_GALLERY OUTPUT_DIR. Fails without
# xvfb-run, xdotool or ImageMagick.
set -euo pipefail

gallery=$1
out=$2
source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"

program_name="skin gallery"

shot() {
  sleep 0.5
  import -window root "$out/mdi-$1.png"
}

run_style() {
  local style=$1
  log=$out/mdi-$style.log
  "$gallery" --style "$style" --timeout 60000 >"$log" 2>&1 &
  gallery_pid=$!
  trap 'kill $gallery_pid 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    grep -q "^ready x11 " "$log" && break
    sleep 0.1
  done
  grep -q "^ready x11 " "$log" || fail "the gallery never said it was ready"
  sleep 0.3

  read -r x y <<<"$(grep "^place btnMdiWindow " "$log" | tail -1 | awk '{print $3, $4}')"
  [[ -n $x ]] || fail "no MDI window button"
  xdotool mousemove "$x" "$y" click 1
  expect_line "mdi shown"
  xdotool search --sync --name "^MDI window" >/dev/null
  sleep 0.5
  for n in 1 2 3; do
    xdotool key ctrl+n
    expect_line "mdi new Child $n"
  done
  shot "$style-children"

  read -r x y <<<"$(grep "^mdi title Child 3 " "$log" | tail -1 | awk '{print $5, $6}')"
  [[ -n $x ]] || fail "no title bar of Child 3"
  xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
  expect_line "mdi maximised Child 3"
  expect_line "mdi placed"
  grep -q "^mdi place close " "$log" || fail "no close button while Child 3 is maximised"
  xdotool mousemove 5 5
  shot "$style-maximised"

  # The next child takes the maximised place.
  xdotool key ctrl+F6
  expect_line "mdi active Child 2"
  expect_line "mdi maximised Child 2"
  [[ $(grep -cx "mdi placed" "$log") -ge 2 ]] || sleep 0.5
  xdotool mousemove 5 5
  shot "$style-next"

  read -r x y <<<"$(grep "^mdi place close " "$log" | tail -1 | awk '{print $4, $5}')"
  xdotool mousemove "$x" "$y"
  sleep 0.3
  shot "$style-close-hover"
  xdotool click 1
  expect_line "mdi closed Child 2"
  expect_line "mdi active Child 1"
  xdotool mousemove 5 5
  shot "$style-closed"

  grep -q "^timeout$" "$log" && fail "the gallery timed out"
  kill $gallery_pid
  wait $gallery_pid || fail "the gallery exited with status $? on SIGTERM"
  trap - EXIT
}

for style in MacOS WinXP; do run_style "$style"; done
echo "skin gallery MDI end-to-end test passed; screenshots in $out"
