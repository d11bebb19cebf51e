#!/usr/bin/env bash
# Runs the gallery's records window on the X11 backend under Xvfb over a copy of the
# demonstration database: edits a command's name in the grid, moves down (which posts),
# closes, runs the program again and finds the change; then changes a field in an edit and
# asks to close, which must ask first. Screenshots of each step are left in the output folder.
# Usage: records_e2e.sh GALLERY_PROGRAM DEMO_DATABASE OUTPUT_DIR. Fails without
# xvfb-run, xdotool or ImageMagick.
set -euo pipefail

gallery=$1
demo=$2
out=$3
source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"

program_name=gallery
db=$out/records.db
cp "$demo" "$db"

shot() {
  sleep 0.4
  import -window root "$out/records-$1.png"
}

# Starts the gallery with its records window; sets x and y to the window's client origin.
start() {
  log=$out/records-$1.log
  "$gallery" --records "$db" --timeout 60000 >"$log" 2>&1 &
  gallery_pid=$!
  trap 'kill $gallery_pid 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    grep -q "^records ready " "$log" && break
    sleep 0.1
  done
  read -r _ _ x y < <(grep "^records ready " "$log") || fail "the records window never opened"
  read -r _ _ gx gy < <(grep "^ready x11 " "$log") || fail "the gallery never said it was ready"
  sleep 0.5
}

click_at() {
  xdotool mousemove $((x + $1)) $((y + $2)) click 1
}

# Closes the records window with its Close button, then the gallery with its own.
stop() {
  click_at 674 449
  expect_line "records closed"
  sleep 0.3
  xdotool mousemove $((gx + 160)) $((gy + 238)) click 1
  expect_line "closed"
  wait $gallery_pid || fail "the gallery exited with status $?"
  trap - EXIT
}

start first
expect_line "records open 2246 commands"
shot start

# The name cell of the second record: a click selects it, typing opens the in-place editor.
click_at 150 57
expect_line "record 2 ADDAJE Add Autostart Job Entry"
xdotool type --delay 40 "Start jobs automatically"
expect_line "state edit"
shot typed
xdotool key Down
expect_line "state browse"
expect_line "record 3 ADDALRACNE Add Alert Action Entry"
shot posted
stop

start second
click_at 150 57
expect_line "record 2 ADDAJE Start jobs automatically"
shot reopened

# A change in an edit is not thrown away silently: closing asks, and Escape keeps it open.
click_at 600 84
xdotool key End
xdotool type --delay 40 " now"
expect_line "state edit"
click_at 674 449
sleep 0.8
shot ask
grep -qx "records closed" "$log" && fail "the window closed over a changed record"
xdotool key Escape
sleep 0.3
grep -qx "records closed" "$log" && fail "Cancel in the question closed the window"
click_at 500 318
expect_line "state browse"
expect_line "record 2 ADDAJE Start jobs automatically now"
stop
echo "passed; screenshots in $out"
