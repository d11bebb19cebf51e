#!/usr/bin/env bash
# Remakes the README's pictures from the real program and the skin gallery, each in a window
# of its own under Xvfb: the reference window, the entry dialog, and the gallery in the five
# built-in styles and with a theme file.
# Usage: scripts/screenshots.sh [BUILD_DIR]  (default: build, made by scripts/test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=docs/screenshots

if [[ ${SCREENSHOTS_UNDER_XVFB:-} != 1 ]]; then
  for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshots.sh needs $tool" >&2; exit 1; }
  done
  cmake --build "$build" --target quorvane skin_gallery sktheme >/dev/null
  mkdir -p "$out"
  SCREENSHOTS_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

gallery=$(find "$build" -name skin_gallery -type f -perm -u+x | head -1)
sktheme=$(find "$build" -name sktheme -type f -perm -u+x | head -1)
work=$(mktemp -d)
trap 'rm -rf "$work"; kill $(jobs -p) 2>/dev/null || true' EXIT

# Starts a program, waits for its window by title, shoots that window, and ends the program.
shoot() {
  local title=$1 file=$2
  shift 2
  "$@" >"$work/log" 2>&1 &
  local pid=$! window
  window=$(timeout 20 xdotool search --sync --name "^$title\$" | head -1) || true
  [[ -n $window ]] || { cat "$work/log" >&2; echo "no window \"$title\"" >&2; exit 1; }
  sleep 1
  import -window "$window" "$out/$file"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$out/$file"
}

shoot "Quorvane Reference" quorvane.png "$build/bin/quorvane"

# The entry dialog: the program with its first entry opened by a double-click on its row.
"$build/bin/quorvane" >"$work/log" 2>&1 &
pid=$!
main=$(timeout 20 xdotool search --sync --name "^Quorvane Reference$" | head -1)
sleep 1
xdotool mousemove --window "$main" 60 167 click --repeat 2 --delay 80 1
dialog=$(timeout 10 xdotool search --sync --name "^Quorvane$" | head -1) || true
if [[ -n $dialog ]]; then
  sleep 1
  import -window "$dialog" "$out/entry-dialog.png"
  echo "$out/entry-dialog.png"
else
  echo "the entry dialog did not open; its picture is not remade" >&2
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

for style in MacOS WinXP DeepBlue Protein BlueGlass; do
  shoot "Skin gallery" "gallery-$style.png" "$gallery" --style "$style"
done
"$sktheme" builtin Protein "$work/Protein.skn" >/dev/null
shoot "Skin gallery" gallery-theme-file.png "$gallery" --style FromThemeFile --theme "$work/Protein.skn"
# The gallery's records window, over a copy of the demonstration database beside it.
cp "$(dirname "$gallery")/records.db" "$work/records.db"
shoot "Records" skin-records.png "$gallery" --style BlueGlass --records "$work/records.db"
