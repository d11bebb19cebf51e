#!/usr/bin/env bash
# Two windows of Quorvane Reference on one data file under Xvfb: each adds an entry and
# saves. The first save goes through; the second finds the file changed by the other
# window, says so, and on "Yes" merges the other window's records with its own before it
# saves, so that the file ends with both entries. Then a third window that loaded the file
# before both saves answers "No": it reloads the file and writes nothing.
# Usage: quorvane_two_windows_e2e.sh PROGRAM QVDAT OUTPUT_DIR. Exits 77 (skipped) without
# xvfb-run, xdotool or ImageMagick.
set -euo pipefail

program=$1
qvdat=$2
out=$3

source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"
source "$(dirname "$0")/quorvane_common.sh"

app=$out/app
rm -rf "$app"
mkdir -p "$app"
cp "$program" "$app/quorvane"
printf '%s\t%s\t%s\t%s\t0\t0\t0\t0\t\t\t\t\n' ADD add ADDLIBLE 3 ALC allocate ALCOBJ 1 \
  ZZ neither '' 0 >"$app/records.tsv"
"$qvdat" import "$app/records.tsv" "$app/quorvane.dat" || fail "qvdat could not write the data file"
: >"$out/quorvane.log"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT

# Starts one more window and prints its id once it shows.
start_window() {
  local before after id
  before=$(xdotool search --onlyvisible --name "^Quorvane Reference\$" 2>/dev/null | sort || true)
  "$app/quorvane" >>"$out/quorvane.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 600); do
    after=$(xdotool search --onlyvisible --name "^Quorvane Reference\$" 2>/dev/null | sort || true)
    id=$(comm -13 <(echo "$before") <(echo "$after") | head -1)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.05
  done
  fail "a new window never showed"
}


# Waits for a window with this title and gives it the keyboard: a window focused by hand
# keeps the keyboard until another is.
focus_window() {
  local id
  id=$(wait_shown "$1")
  xdotool windowfocus --sync "$id"
  echo "$id"
}

titles() { "$qvdat" export "$app/quorvane.dat" | cut -f1 | tr '\n' ' '; }

# Adds an entry in the window with the keyboard: title, meaning, then OK. A key that reaches
# a dialog just shown may go unseen, so an x is typed into the title until it shows, and
# rubbed out again, before the entry is typed.
add_entry() {
  xdotool windowfocus --sync "$1"
  xdotool key alt+a
  local dialog empty ready=0
  dialog=$(focus_window "Quorvane")
  import -window "$dialog" "$out/dialog-empty.png"
  empty=$(dark_pixels_all "$out/dialog-empty.png")
  for _ in $(seq 20); do
    xdotool type x
    for _ in $(seq 10); do
      import -window "$dialog" "$out/dialog-probe.png"
      (($(dark_pixels_all "$out/dialog-probe.png") > empty + 5)) && { ready=1; break; }
    done
    ((ready)) && break
  done
  ((ready)) || fail "the entry dialog never showed a typed letter"
  xdotool key BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
  xdotool type --delay 30 "$2"
  xdotool key Tab
  xdotool type --delay 30 "$3"
  xdotool key Tab Tab Tab Tab space
  wait_gone "Quorvane"
}

first=$(start_window)
second=$(start_window)
third=$(start_window)
xdotool windowmove "$second" 300 200
xdotool windowmove "$third" 420 280

add_entry "$first" aaa "from the first window"
add_entry "$second" bbb "from the second window"

xdotool windowfocus --sync "$first"
xdotool key alt+s
focus_window "Information" >/dev/null
xdotool key Return
wait_gone "Information"
[[ $(titles) == "AAA ADD ALC ZZ " ]] || fail "the first save wrote: $(titles)"

xdotool windowfocus --sync "$second"
xdotool key alt+s
question=$(focus_window "Data file changed")
import -window root "$out/two-windows-question.png"
import -window "$question" "$out/two-windows-question-box.png"
(($(dark_pixels_all "$out/two-windows-question-box.png") > 200)) || fail "the question shows no text"
xdotool key y
focus_window "Information" >/dev/null
import -window root "$out/two-windows-merged.png"
xdotool key Return
wait_gone "Information"
[[ $(titles) == "AAA ADD ALC BBB ZZ " ]] || fail "after the merge the file holds: $(titles)"
grep -qx $'AAA\tfrom the first window\t\t0\t0\t0\t0\t0\t\t\t\t' <<<"$("$qvdat" export "$app/quorvane.dat")" ||
  fail "the first window's entry lost its meaning in the merge"

# The third window loaded the file before either save and chooses to reload it: the file
# stays as the merge left it, and nothing of it is written.
xdotool windowfocus --sync "$third"
xdotool key alt+s
focus_window "Data file changed" >/dev/null
stamp=$(stat -c %i.%Y.%s "$app/quorvane.dat")
xdotool key n
wait_gone "Data file changed"
xdotool search --name "^Information\$" >/dev/null 2>&1 && fail "the reload said it saved"
[[ $(stat -c %i.%Y.%s "$app/quorvane.dat") == "$stamp" ]] || fail "the reload wrote the file"
[[ $(titles) == "AAA ADD ALC BBB ZZ " ]] || fail "after the reload the file holds: $(titles)"
# The reloaded window saves the merged records as they are.
xdotool windowfocus --sync "$third"
xdotool key alt+s
focus_window "Information" >/dev/null
xdotool key Return
wait_gone "Information"
[[ $(titles) == "AAA ADD ALC BBB ZZ " ]] || fail "the reloaded window saved: $(titles)"

for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null || fail "a window's program ended"; done
echo "passed; screenshots in $out"
