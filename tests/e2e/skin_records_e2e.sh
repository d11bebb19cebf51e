#!/usr/bin/env bash
# Runs the skin gallery's records window on the X11 backend under Xvfb over a copy of the
# demonstration database: moves with the navigator's buttons, changes a command's name in
# the skinned combo box, posts it with the navigator, closes, runs the program again and
# finds the change, asks to delete and keeps the record, opens the window again from the
# gallery's button; then photographs the window in every style. Screenshots are left in the output folder.
# Usage: skin_records_e2e.sh SKIN_GALLERY DEMO_DATABASE OUTPUT_DIR. Fails
# without xvfb-run, xdotool or ImageMagick.
set -euo pipefail

gallery=$1
demo=$2
out=$3
source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"

program_name="skin gallery"
db=$out/records.db
cp "$demo" "$db"

shot() {
  sleep 0.4
  import -window root "$out/skin-records-$1.png"
}

# Clicks the middle of a control, found by the name the program printed its place under.
click_on() {
  local place
  place=$(grep "^place $1 " "$log" | tail -1)
  [[ -n $place ]] || fail "no control named $1"
  read -r _ _ px py <<<"$place"
  xdotool mousemove "$px" "$py" click 1
}

# Starts the gallery with its records window (in the style given, BlueGlass when none).
start() {
  log=$out/skin-records-$1.log
  "$gallery" --records "$db" --style "${2:-BlueGlass}" --timeout 60000 >"$log" 2>&1 &
  gallery_pid=$!
  trap 'kill $gallery_pid 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    grep -q "^records ready " "$log" && break
    sleep 0.1
  done
  grep -q "^records ready " "$log" || fail "the records window never opened"
  sleep 0.5
}

# Closes the records window with its Close button, then ends the gallery.
stop() {
  click_on btnClose
  expect_line "records closed"
  kill $gallery_pid
  wait $gallery_pid || fail "the gallery exited with status $? on SIGTERM"
  trap - EXIT
}

start first
grep -q "^records open [1-9][0-9]* commands$" "$log" || fail "the records window did not open the commands"
expect_line "record 1 ADDACC Add Access Code"
shot start

# The navigator moves through the records.
click_on nbNext
expect_line "record 2 ADDAJE Add Autostart Job Entry"
click_on nbNext
expect_line "record 3 ADDALRACNE Add Alert Action Entry"
click_on nbPrior
expect_line "navigator nbPrior"
[[ $(grep -c "^record 2 ADDAJE Add Autostart Job Entry$" "$log") == 2 ]] ||
  fail "Prior did not go back to the second record"
shot moved

# The name in the skinned combo box's edit: typing starts editing, Post writes it.
click_on cbxName
xdotool key End
xdotool type --delay 40 " now"
expect_line "state edit"
shot typed
click_on nbPost
expect_line "state browse"
expect_line "record 2 ADDAJE Add Autostart Job Entry now"
shot posted
stop

start second
click_on nbNext
expect_line "record 2 ADDAJE Add Autostart Job Entry now"
shot reopened

# Last, then Delete asks first; Cancel keeps the record.
click_on nbLast
expect_line "navigator nbLast"
click_on nbDelete
sleep 0.5
shot delete-question
xdotool key Escape
expect_line "navigator nbDelete"
# Closed, the window opens again from the gallery's button.
click_on btnClose
expect_line "records closed"
sleep 0.3
click_on btnRecords
for _ in $(seq 100); do
  [[ $(grep -c "^records ready " "$log") -ge 2 ]] && break
  sleep 0.1
done
[[ $(grep -c "^records ready " "$log") -ge 2 ]] || fail "the Records button did not open the window"
sleep 0.5
shot from-button
stop
grep -q "^records open $(grep -o '^records open [0-9]*' "$out/skin-records-first.log" | cut -d' ' -f3) commands$" "$log" ||
  fail "the number of commands changed"

# The window in each style.
for style in MacOS WinXP DeepBlue Protein BlueGlass; do
  log=$out/skin-records-$style.log
  "$gallery" --style "$style" --records "$db" --timeout 60000 >"$log" 2>&1 &
  gallery_pid=$!
  trap 'kill $gallery_pid 2>/dev/null || true' EXIT
  expect_line "record 1 ADDACC Add Access Code"
  sleep 0.6
  shot "$style"
  stop
done

echo "skin records end-to-end test passed; screenshots in $out"
