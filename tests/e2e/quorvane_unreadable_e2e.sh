#!/usr/bin/env bash
# Quorvane Reference under Xvfb with a data file it cannot read: a pipe in the file's place
# (which once held the program up for ever), and, where an ordinary user can be had, a file
# only its owner may read. Each time the program says so in a box and on stderr, shows its
# window, and refuses to save over the file, which stays as it was.
# Usage: quorvane_unreadable_e2e.sh PROGRAM QVDAT OUTPUT_DIR. Exits 77 (skipped) without
# xvfb-run, xdotool or ImageMagick.
set -euo pipefail

program=$1
qvdat=$2
out=$3

source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"
source "$(dirname "$0")/quorvane_common.sh"


# Waits for a line of the program's output that holds this text.
wait_output() {
  for _ in $(seq 200); do
    grep -qF "$1" "$out/quorvane.log" && return 0
    sleep 0.05
  done
  fail "the program never wrote \"$1\""
}

# Runs the program (with the command before it, if any), expects the box that says the file
# cannot be read and why, then the window, then a refused save.
try_unreadable() {
  local name=$1 why=$2
  shift 2
  "$@" "$app/quorvane" >"$out/quorvane.log" 2>&1 &
  pid=$!
  trap 'kill $pid 2>/dev/null || true' EXIT
  box=$(wait_shown "Error")
  xdotool windowfocus --sync "$box"
  wait_output "quorvane: The data file cannot be read: $why. The list is empty, and saving is refused so that \"$app/quorvane.dat\" is not written over."
  import -window root "$out/unreadable-$name.png"
  import -window "$box" "$out/unreadable-$name-box.png"
  (($(dark_pixels_all "$out/unreadable-$name-box.png") > 200)) || fail "the box shows no text"
  xdotool key Return
  window=$(wait_shown "Quorvane Reference")
  xdotool windowfocus --sync "$window"
  xdotool key alt+s
  box=$(wait_shown "Error")
  xdotool windowfocus --sync "$box"
  import -window "$box" "$out/unreadable-$name-save.png"
  xdotool key Return
  wait_gone "Error"
  xdotool search --name "^Information\$" >/dev/null 2>&1 && fail "a save said it saved"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  trap - EXIT
}

app=$out/app
rm -rf "$app"
mkdir -p "$app"
cp "$program" "$app/quorvane"

mkfifo "$app/quorvane.dat"
try_unreadable pipe "it is not a regular file"
[[ -p $app/quorvane.dat ]] || fail "the pipe was replaced"
rm "$app/quorvane.dat"

# A file of four records only root may read, and the program run as nobody: its folder is
# not his to write either, so he would save to his own copy, which must not be made from
# nothing in place of records he could not read.
if command -v setpriv >/dev/null && [[ $(id -u) == 0 ]] && [[ -n ${XAUTHORITY:-} ]]; then
  printf 'ADD\tadd\t\t1\t0\t0\t0\t0\t\t\t\t\n' >"$app/records.tsv"
  "$qvdat" import "$app/records.tsv" "$app/quorvane.dat"
  chmod 600 "$app/quorvane.dat"
  before=$(md5sum <"$app/quorvane.dat")
  home=$out/home
  rm -rf "$home"
  mkdir -p "$home"
  chmod 755 "$out"
  xauth -f "$XAUTHORITY" extract "$home/.Xauthority" "$DISPLAY"
  chown -R 65534:65534 "$home"
  try_unreadable permission "Permission denied" \
    setpriv --reuid=65534 --regid=65534 --clear-groups \
    env HOME="$home" XAUTHORITY="$home/.Xauthority" XDG_DATA_HOME=
  [[ $(md5sum <"$app/quorvane.dat") == "$before" ]] || fail "the unreadable file changed"
  [[ ! -e $home/.local/share/quorvane/quorvane.dat ]] || fail "a copy was made of nothing"
fi
echo "passed; screenshots in $out"
