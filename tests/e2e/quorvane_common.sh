# Shared by the quorvane_*_e2e.sh scripts: a copy of the program in a folder of its own with
# a data file made by the test, started on the X11 backend under the Xvfb that the script
# runs in, and helpers that find its window and wait for what it writes.

# Lays out $out/app with the program and a data file of four records (or a copy of the data
# file given third), and starts it.
start_quorvane() {
  local program=$1 qvdat=$2 data=${3:-}
  app=$out/app
  rm -rf "$app"
  mkdir -p "$app"
  cp "$program" "$app/quorvane"
  if [[ -n $data ]]; then
    cp "$data" "$app/quorvane.dat"
  else
    printf '%s\t%s\t%s\t%s\t0\t0\t0\t0\t\t\t\t\n' \
      ADD add ADDLIBLE 3 \
      ALC allocate ALCOBJ 1 \
      ALW allow ALWLMT 2 \
      ZZ neither '' 0 >"$app/records.tsv"
    "$qvdat" import "$app/records.tsv" "$app/quorvane.dat" || fail "qvdat could not write the data file"
  fi
  data_stamp=$(stat -c %Y.%s "$app/quorvane.dat")
  "$app/quorvane" >"$out/quorvane.log" 2>&1 &
  quorvane_pid=$!
  trap 'kill $quorvane_pid 2>/dev/null || true' EXIT

  window=$(timeout 20 xdotool search --sync --name "^Quorvane Reference$" | head -1)
  [[ -n $window ]] || fail "no window titled \"Quorvane Reference\""
  # Let the program map its window and take the keyboard.
  sleep 0.5
  # The client area is 594 x 469 inside an even border and a caption on top.
  local geometry x y w h
  geometry=$(xdotool getwindowgeometry --shell "$window")
  x=$(sed -n 's/^X=//p' <<<"$geometry")
  y=$(sed -n 's/^Y=//p' <<<"$geometry")
  w=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
  h=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
  local border=$(((w - 594) / 2))
  client_x=$((x + border))
  client_y=$((y + h - border - 469))
}

fail() {
  echo "FAILED: $*" >&2
  echo "--- program output ---" >&2
  cat "$out/quorvane.log" >&2 || true
  exit 1
}

# Waits up to ten seconds for a window with this exact title and prints its id.
wait_window() {
  local id
  id=$(timeout 10 xdotool search --sync --name "^$1\$" | head -1) || true
  [[ -n $id ]] || fail "no window titled \"$1\""
  echo "$id"
}

# Waits up to ten seconds for the data file to be replaced.
wait_saved() {
  for _ in $(seq 100); do
    [[ $(stat -c %Y.%s "$app/quorvane.dat") != "$data_stamp" ]] && return 0
    # A save within the same second and of the same size shows in the titles instead.
    [[ $("$qvdat" export "$app/quorvane.dat" | cut -f1 | tr '\n' ' ') != "ADD ALC ALW ZZ " ]] && return 0
    sleep 0.1
  done
  fail "the data file was not saved"
}

# Clicks at a point of the main window's client area.
click_client() {
  xdotool mousemove $((client_x + $1)) $((client_y + $2)) click "${3:-1}"
}

# The list's rows are 17 pixels high below a header, from y = 136 + 2 + 17 of the client
# area. Fails unless the first COUNT rows show text and the one after them does not.
expect_rows() {
  local shot=$1 count=$2 row dark
  for row in $(seq 0 "$count"); do
    dark=$(dark_pixels "$shot" 120 15 $((client_x + 30)) $((client_y + 155 + 17 * row + 1)))
    if ((row < count)); then
      ((dark > 10)) || fail "row $((row + 1)) shows no text in $(basename "$shot")"
    else
      ((dark == 0)) || fail "a row $((row + 1)) shows in $(basename "$shot")"
    fi
  done
}

# A fingerprint of the pixels of the count line under the list.
sum_line() {
  convert "$1" -crop "160x13+$((client_x + 28))+$((client_y + 398))" +repage -colorspace Gray \
    -threshold 50% txt:- | md5sum | cut -d' ' -f1
}

# The program is still running: nothing crashed on the way.
expect_running() {
  kill -0 "$quorvane_pid" 2>/dev/null || fail "the program ended"
}

# Waits up to twenty seconds for a shown window with this exact title (a pattern) and prints
# its id. It asks again and again, since one search fails when a window goes away under it.
wait_shown() {
  local id
  for _ in $(seq 400); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) || true
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.05
  done
  fail "no window titled \"$1\""
}

# Waits up to twenty seconds until no window has this exact title.
wait_gone() {
  for _ in $(seq 400); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.05
  done
  fail "the window \"$1\" stayed up"
}
