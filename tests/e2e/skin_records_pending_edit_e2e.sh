#!/usr/bin/env bash
# A change still open in the skin gallery's records window when the program ends, on the
# X11 backend under Xvfb over a copy of the demonstration database:
# - closing the records window, or the gallery's main window, asks first; Cancel keeps
#   everything open, No ends the program without writing the change;
# - a termination signal asks too, and Yes posts the change before the program ends;
# - a second signal while that question is up ends the program without writing anything.
# Screenshots are left in the output folder.
# Usage: skin_records_pending_edit_e2e.sh SKIN_GALLERY DEMO_DATABASE OUTPUT_DIR. Exits 77
# (skipped) without xvfb-run, xdotool or ImageMagick.
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
  import -window root "$out/pending-$1.png"
}

# The descriptive name of a command, as the database holds it now.
stored_name() {
  python3 -c 'import sqlite3, sys
print(sqlite3.connect(sys.argv[1]).execute(
    "SELECT name FROM commands WHERE command = ?", (sys.argv[2],)).fetchone()[0])' "$db" "$1"
}

click_on() {
  local place
  place=$(grep "^place $1 " "$log" | tail -1)
  [[ -n $place ]] || fail "no control named $1"
  read -r _ _ px py <<<"$place"
  xdotool mousemove "$px" "$py" click 1
}

# Waits until the line has been printed COUNT times.
expect_count() {
  for _ in $(seq 100); do
    [[ $(grep -cx "$1" "$log") -ge $2 ]] && return 0
    sleep 0.1
  done
  fail "the $program_name did not print \"$1\" $2 times"
}

# Waits for the program to end; its exit status goes to status.
ended() {
  status=0
  wait "$gallery_pid" || status=$?
  trap - EXIT
}

# Starts the gallery with its records window, moves to the second command and types into
# its name without posting it.
start_editing() {
  log=$out/pending-$1.log
  "$gallery" --records "$db" --timeout 60000 >"$log" 2>&1 &
  gallery_pid=$!
  trap 'kill $gallery_pid 2>/dev/null || true' EXIT
  expect_line "record 1 ADDACC Add Access Code"
  xdotool search --sync --onlyvisible --name '^Records$' >/dev/null
  click_on nbNext
  expect_line "record 2 ADDAJE $(stored_name ADDAJE)"
  click_on cbxName
  xdotool key End
  xdotool type --delay 40 "$2"
  expect_line "state edit"
}

# Closing the records window asks about the change; Cancel keeps the window open. Closing
# the gallery's main window (Alt+F4 on it) asks as well: Cancel keeps both windows and the
# change; asked again, No drops it.
start_editing close " later"
click_on btnClose
expect_count "records ask" 1
xdotool key Escape
read -r _ _ gx gy < <(grep "^ready " "$log")
xdotool mousemove $((gx + 700)) $((gy + 12)) click 1
xdotool key alt+F4
expect_count "records ask" 2
shot close-question
xdotool key Escape
xdotool key alt+F4
expect_count "records ask" 3
grep -qx "records closed" "$log" && fail "Cancel in the question closed the records window"
grep -qx "closed" "$log" && fail "Cancel in the question closed the gallery"
xdotool key n
expect_line "records discarded"
expect_line "closed"
ended
[[ $status == 0 ]] || fail "the gallery ended with status $status"
[[ $(stored_name ADDAJE) == "Add Autostart Job Entry" ]] || fail "No wrote the change: $(stored_name ADDAJE)"

# A termination signal asks as well; Yes posts the change whole.
start_editing signal " now"
kill -TERM "$gallery_pid"
expect_line "records ask"
shot signal-question
xdotool key Return
expect_line "records saved"
expect_line "closed"
ended
[[ $status == 0 ]] || fail "the gallery ended with status $status after the signal"
[[ $(stored_name ADDAJE) == "Add Autostart Job Entry now" ]] ||
  fail "Yes did not post the change: $(stored_name ADDAJE)"

# A second signal while the question is up ends the program; nothing is written.
start_editing twice " never"
kill -TERM "$gallery_pid"
expect_line "records ask"
kill -TERM "$gallery_pid"
ended
[[ $status == 0 || $status == 143 ]] || fail "the gallery ended with status $status on the second signal"
[[ $(stored_name ADDAJE) == "Add Autostart Job Entry now" ]] ||
  fail "the second signal wrote the change: $(stored_name ADDAJE)"
[[ ! -e $db-journal ]] || fail "the database was left with a journal"

echo "passed; screenshots in $out"
