#!/usr/bin/env bash
# Runs the skin gallery's records window on the X11 backend under Xvfb over a copy of the
# demonstration database: moves with the navigator's buttons, changes a command's name in
# the skinned combo box, posts it with the navigator, closes, runs the program again and
# finds the change, asks to delete and keeps the record, opens the window again from the
# gallery's button; then photographs the window in every style and checks each photograph.
# Every step waits for what the window shows. Screenshots are left in the output folder.
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

# A screenshot once the program has finished painting.
shot() {
  shot_settled "$out/skin-records-$1.png"
}

# The middle of a control, by the name the program printed its place under.
place_of() {
  local place
  place=$(grep "^place $1 " "$log" | tail -1)
  [[ -n $place ]] || fail "no control named $1"
  read -r _ _ px py <<<"$place"
}

# How many dark pixels (text) the name's edit shows in a screenshot.
name_text() {
  place_of cbxName
  dark_pixels "$1" 100 12 $((px - 60)) $((py - 6))
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
  shot "$1-ready"
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
(($(name_text "$out/skin-records-start.png") > 10)) || fail "the first record's name is not shown"

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
(($(differing_pixels "$out/skin-records-moved.png" "$out/skin-records-typed.png" 100 12 \
  $((px - 60)) $((py - 6))) > 0)) || fail "the typed text is not shown in the name's edit"
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
shot before-delete
click_on nbDelete
# The question is a window of its own, titled Confirm, with its text.
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '^Confirm$' >/dev/null && break
  sleep 0.1
done
xdotool search --onlyvisible --name '^Confirm$' >/dev/null || fail "Delete asked nothing"
shot delete-question
(($(dark_pixels_all "$out/skin-records-delete-question.png") > \
  $(dark_pixels_all "$out/skin-records-before-delete.png") + 50)) ||
  fail "the delete question shows no text"
xdotool key Escape
expect_line "navigator nbDelete"
# Closed, the window opens again from the gallery's button.
click_on btnClose
expect_line "records closed"
shot closed
click_on btnRecords
for _ in $(seq 100); do
  [[ $(grep -c "^records ready " "$log") -ge 2 ]] && break
  sleep 0.1
done
[[ $(grep -c "^records ready " "$log") -ge 2 ]] || fail "the Records button did not open the window"
shot from-button
(($(differing_pixels "$out/skin-records-closed.png" "$out/skin-records-from-button.png" \
  1024 768 0 0) > 1000)) || fail "the records window is not on the screen again"
stop
grep -q "^records open $(grep -o '^records open [0-9]*' "$out/skin-records-first.log" | cut -d' ' -f3) commands$" "$log" ||
  fail "the number of commands changed"

# The window in each style: each style looks its own, and shows the record.
previous=""
for style in MacOS WinXP DeepBlue Protein BlueGlass; do
  log=$out/skin-records-$style.log
  "$gallery" --style "$style" --records "$db" --timeout 60000 >"$log" 2>&1 &
  gallery_pid=$!
  trap 'kill $gallery_pid 2>/dev/null || true' EXIT
  expect_line "record 1 ADDACC Add Access Code"
  shot "$style"
  (($(name_text "$out/skin-records-$style.png") > 10)) || fail "$style shows no record name"
  if [[ -n $previous ]]; then
    changed=$(differing_pixels "$previous" "$out/skin-records-$style.png" 1024 768 0 0)
    ((changed > 500)) || fail "$style looks like the style before it ($changed pixels differ)"
  fi
  previous=$out/skin-records-$style.png
  stop
done

echo "skin records end-to-end test passed; screenshots in $out"
