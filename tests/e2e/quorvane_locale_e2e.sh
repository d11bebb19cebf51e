#!/usr/bin/env bash
# Runs Quorvane Reference on the X11 backend under Xvfb in Turkish (tr_TR.UTF-8, compiled
# for the run with localedef), where "i" upper-cases to a dotted capital: an entry added
# with a small title and sample is saved with them in ASCII capitals, as abbreviations are.
# Usage: quorvane_locale_e2e.sh PROGRAM QVDAT OUTPUT_DIR. Exits 77 (skipped) without
# xvfb-run, xdotool, ImageMagick or the Turkish locale's sources.
set -euo pipefail

program=$1
qvdat=$2
out=$3

source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"

locales=$out/locales
if [[ ! -e $locales/tr_TR.UTF-8/LC_CTYPE ]]; then
  mkdir -p "$locales"
  if ! localedef -i tr_TR -f UTF-8 "$locales/tr_TR.UTF-8" >/dev/null 2>&1 &&
    [[ ! -e $locales/tr_TR.UTF-8/LC_CTYPE ]]; then
    [[ -n ${CI:-} ]] && { echo "FAILED: localedef could not make tr_TR.UTF-8" >&2; exit 1; }
    echo "skipped: localedef could not make tr_TR.UTF-8 (the locales package is missing)"
    exit 77
  fi
fi
export LOCPATH=$locales
# The shell itself cannot load it (it read LOCPATH at its start) and would say so.
export LC_ALL=tr_TR.UTF-8 2>/dev/null

source "$(dirname "$0")/quorvane_close_lib.sh"
start_quorvane "$program" "$qvdat"

xdotool key alt+a
wait_window "Quorvane" >/dev/null
sleep 0.3
xdotool type --delay 30 ilk
xdotool key Tab
xdotool type --delay 30 first
xdotool key Tab
xdotool type --delay 30 inzpfm
import -window root "$out/locale-dialog.png"
xdotool key Tab Tab Tab space
wait_windows "Quorvane" 0
xdotool key alt+s
wait_window "Information" >/dev/null
sleep 0.3
xdotool key Return
wait_saved

got=$("$qvdat" export "$app/quorvane.dat" | awk -F'\t' '$2 == "first" { print $1 " " $3 }')
[[ $got == "ILK INZPFM" ]] || fail "the entry was saved as \"$got\", expected \"ILK INZPFM\""
kill -TERM "$quorvane_pid"
expect_ended
trap - EXIT
echo "passed; screenshots in $out"
