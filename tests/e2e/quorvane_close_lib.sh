# Shared by the scripts that end Quorvane Reference with a change not saved: starting it
# with an entry added through the entry dialog, waiting for the close question, and judging
# how it ended and what the data file holds. Sourced after e2e_lib.sh, under Xvfb.

source "$(dirname "${BASH_SOURCE[0]}")/quorvane_common.sh"

# Starts the program on the four records and adds CRT with Alt+A, without saving.
start_with_an_added_entry() {
  start_quorvane "$program" "$qvdat"
  local g
  g=$(xdotool getwindowgeometry --shell "$window")
  wx=$(sed -n 's/^X=//p' <<<"$g")
  wy=$(sed -n 's/^Y=//p' <<<"$g")
  ww=$(sed -n 's/^WIDTH=//p' <<<"$g")
  xdotool key alt+a
  wait_window "Quorvane" >/dev/null
  sleep 0.3
  xdotool type --delay 30 crt
  xdotool key Tab
  xdotool type --delay 30 create
  # Past the sample, both boxes and onto OK.
  xdotool key Tab Tab Tab Tab space
  wait_windows "Quorvane" 0
  expect_running
}

# Waits up to ten seconds until COUNT windows have this exact title.
wait_windows() {
  local count
  for _ in $(seq 100); do
    # A search that finds nothing fails; none is a count too.
    count=$( (xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true) | wc -l)
    ((count == $2)) && return 0
    sleep 0.1
  done
  fail "$count windows titled \"$1\", expected $2"
}

# The question shares the main window's title: a second window of that title is the box.
wait_question() {
  wait_windows "Quorvane Reference" 2
  sleep 0.3
}

# Waits up to ten seconds for the program to end, with status 0.
expect_ended() {
  local status=0
  for _ in $(seq 100); do
    kill -0 "$quorvane_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$quorvane_pid" 2>/dev/null && fail "the program did not end"
  wait "$quorvane_pid" || status=$?
  ((status == 0)) || fail "the program ended with status $status"
}

# The data file's titles, in order, separated by blanks.
expect_titles() {
  local got
  got=$("$qvdat" export "$app/quorvane.dat" | cut -f1 | tr '\n' ' ')
  [[ $got == "$1 " ]] || fail "the data file holds \"$got\", expected \"$1 \""
}
