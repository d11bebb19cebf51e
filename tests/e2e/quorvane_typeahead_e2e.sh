#!/usr/bin/env bash
# Runs Quorvane Reference on the X11 backend under Xvfb with the shipped data file and types
# abbreviations whose rows lie below the first page: each selected row must show whole inside
# the list, as a band of the selection's colour one row high above the list's bottom edge.
# Usage: quorvane_typeahead_e2e.sh PROGRAM QVDAT DATAFILE OUTPUT_DIR.
set -euo pipefail

program=$1
qvdat=$2
data=$3
out=$4

source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"

source "$(dirname "$0")/quorvane_common.sh"
start_quorvane "$program" "$qvdat" "$data"

# The list's rows lie between the header and the list's bottom frame; a row is 17 pixels.
list_top=$((client_y + 136 + 2 + 19))
list_bottom=$((client_y + 136 + 248 - 2))
column=$((client_x + 25 + 60))

# Prints the first and last line of the list's rows that show the selection's colour at the
# sample column (the unfocused selection of this list is the button face, 212 208 200).
selection_band() {
  convert "$1" -crop "1x$((list_bottom - list_top))+${column}+${list_top}" +repage txt:- |
    awk -v top="$list_top" -F'[,:]' '/#D4D0C8/ { y = $2 + top; if (first == "") first = y; last = y }
      END { print first, last }'
}

for text in DUP SBM WRK; do
  xdotool key BackSpace BackSpace BackSpace BackSpace
  xdotool type --delay 40 "$text"
  shot=$out/typeahead-$text.png
  band=""
  # Wait for the band to settle: the selection is painted once the keystrokes are handled.
  for _ in $(seq 50); do
    import -window root "$shot"
    band=$(selection_band "$shot")
    read -r first last <<<"$band"
    [[ -n ${first:-} && $((last - first + 1)) -ge 17 ]] && break
    sleep 0.1
  done
  read -r first last <<<"$band"
  [[ -n ${first:-} ]] || fail "typing $text shows no selected row"
  height=$((last - first + 1))
  ((height >= 17)) || fail "typing $text shows only $height lines of the selected row"
  ((last < list_bottom)) || fail "the row selected by $text runs past the list's bottom"
  expect_running
done
trap - EXIT
