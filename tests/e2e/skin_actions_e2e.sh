#!/usr/bin/env bash
# Runs the skin gallery on the X11 backend under Xvfb and drives its actions: the Pin
# toggle by a click on its button, by its short cut and from its skinned menu, and checks
# that Save follows the update that enables it only while Pin is checked; then the records
# window's tool bar and menu, which run on the data-set actions. Screenshots are left in
# the output folder.
# Usage: skin_actions_e2e.sh SKIN_GALLERY DEMO_DATABASE OUTPUT_DIR. Exits 77 (skipped)
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
  import -window root "$out/skin-actions-$1.png"
}

click_on() {
  local place
  place=$(grep "^place $1 " "$log" | tail -1)
  [[ -n $place ]] || fail "no control named $1"
  read -r _ _ px py <<<"$place"
  xdotool mousemove "$px" "$py" click 1
}

count() { grep -cx "$1" "$log" || true; }
# Waits until the line has been printed N times.
expect_count() {
  for _ in $(seq 100); do
    [[ $(count "$1") -ge $2 ]] && return 0
    sleep 0.1
  done
  fail "the $program_name printed \"$1\" fewer than $2 times"
}

start() {
  log=$out/skin-actions-$1.log
  shift
  "$gallery" "$@" --timeout 60000 >"$log" 2>&1 &
  gallery_pid=$!
  trap 'kill $gallery_pid 2>/dev/null || true' EXIT
}

stop() {
  kill $gallery_pid
  wait $gallery_pid || fail "the gallery exited with status $? on SIGTERM"
  trap - EXIT
}

# The gallery: Save is disabled until Pin is checked, so its click does nothing yet.
start gallery
expect_line_prefix() {
  for _ in $(seq 100); do
    grep -q "^$1" "$log" && return 0
    sleep 0.1
  done
  fail "the $program_name never printed a line starting \"$1\""
}
expect_line_prefix "ready x11 "
sleep 0.5
click_on btnActSave
click_on btnActPin
expect_line "action pin on"
[[ $(count "action save") == 0 ]] || fail "Save ran while Pin was not checked"
click_on btnActSave
expect_line "action save"
xdotool mousemove 5 5
shot pinned

# The short cut unchecks the toggle on all three clients.
xdotool key ctrl+p
expect_line "action pin off"
click_on tbActSave
click_on tbActPin
expect_count "action pin on" 2
[[ $(count "action save") == 1 ]] || fail "Save's tool button ran while it was disabled"

# The skinned menu: its Pin item carries the action's check and image; P chooses it.
click_on btnActMenu
expect_line "actions menu"
sleep 0.4
shot menu
xdotool key p
expect_line "action pin off"
stop

# The records window: its tool bar and menu move through the records and edit them.
start records --records "$db" --style BlueGlass
expect_line_prefix "records ready "
sleep 0.5
expect_line_prefix "record 1 "
click_on tbRecordNext
expect_line "action actRecordNext"
expect_line_prefix "record 2 "
click_on tbRecordEdit
expect_line "state edit"
shot records-editing
click_on tbRecordCancel
expect_line "state browse"
# Alt alone lights the menu bar (Alt+R belongs to a check box of the window); Down opens
# Record, whose L chooses Last.
xdotool key alt
sleep 0.3
xdotool key Down
sleep 0.4
shot records-menu
xdotool key l
expect_line "action actRecordLast"
click_on tbRecordFirst
expect_line "action actRecordFirst"
expect_count "record 1 ADDACC Add Access Code" 2
stop

echo "skin actions end-to-end test passed; screenshots in $out"
