#!/usr/bin/env bash
# Runs the skin gallery on the X11 backend under Xvfb: switches it through the five
# built-in styles and a theme file written by sktheme, clicks, holds and checks its
# controls, opens the theme manager's dialog, and checks what it printed. Screenshots of
# each style are left in the output folder.
# Usage: skin_gallery_e2e.sh SKIN_GALLERY SKTHEME OUTPUT_DIR. Fails without
# xvfb-run, xdotool or ImageMagick.
set -euo pipefail

gallery=$1
sktheme=$2
out=$3
source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"

log=$out/skin_gallery.log
program_name="skin gallery"

shot() {
  sleep 0.4
  import -window root "$out/skin-gallery-$1.png"
}

"$sktheme" builtin Protein "$out/protein.skn" >"$out/sktheme.log" 2>&1 ||
  { cat "$out/sktheme.log" >&2; echo "FAILED: sktheme could not write a theme" >&2; exit 1; }

"$gallery" --theme "$out/protein.skn" --timeout 90000 >"$log" 2>&1 &
gallery_pid=$!
trap 'kill $gallery_pid 2>/dev/null || true' EXIT

for _ in $(seq 100); do
  grep -q "^ready x11 " "$log" && break
  sleep 0.1
done
grep -q "^ready x11 " "$log" || fail "the gallery never said it was ready"
grep -qx "style BlueGlass" "$log" || fail "the gallery did not start in BlueGlass"
# Each style line of a switch is waited for by its number, since the first one is there.
style_count() { grep -cx "style $1" "$log" || true; }
expect_style() {
  local want=$2
  for _ in $(seq 100); do
    [[ $(style_count "$1") -ge $want ]] && return 0
    sleep 0.1
  done
  fail "the $program_name never switched to $1"
}
window=$(xdotool search --sync --name "^Skin gallery$" | head -1)
[[ -n $window ]] || fail "no window titled \"Skin gallery\""
sleep 0.5
shot start

# Clicks the middle of a control, found by the name the gallery printed its place under
# (last, since a style change moves what lies under the title bar).
click_on() {
  local place
  place=$(grep "^place $1 " "$log" | tail -1)
  [[ -n $place ]] || fail "no control named $1"
  read -r _ _ px py <<<"$place"
  xdotool mousemove "$px" "$py" click 1
}

# The switcher restyles everything; each style is photographed.
styles=(MacOS WinXP DeepBlue Protein BlueGlass)
for i in 1 2 3 4 5; do
  click_on "rbtnStyle$i"
  if [[ $i == 5 ]]; then expect_style BlueGlass 2; else expect_line "style ${styles[i - 1]}"; fi
  xdotool mousemove 5 5
  shot "${styles[i - 1]}"
done
click_on rbtnStyle6
expect_line "style FromThemeFile"
xdotool mousemove 5 5
shot theme-file
click_on rbtnStyle5
expect_style BlueGlass 3

# Buttons, check boxes and radio buttons report what the user does to them.
click_on btnOK
expect_line "click btnOK"
click_on chk1
expect_line "check chk1 on"
click_on chk1
expect_line "check chk1 off"
click_on rbtn2
expect_line "radio rbtn2"
click_on btnImage
expect_line "click btnImage"

# A held button repeats, and clicks once when let go over it.
place=$(grep "^place btnRepeat " "$log" | tail -1)
read -r _ _ px py <<<"$place"
xdotool mousemove "$px" "$py" mousedown 1
sleep 0.6
xdotool mouseup 1
expect_line "repeat btnRepeat"
expect_line "click btnRepeat"

# Escape clicks the cancel button; the accelerator Alt+O the OK button.
xdotool key Escape
expect_line "click btnCancel"

# The theme manager's dialog opens and closes with its OK button on Return.
click_on btnThemeManager
expect_line "theme manager"
sleep 0.5
shot theme-manager
xdotool key Return
expect_line "theme manager closed ok"

# The notification slides up at the bottom right of the display, leaves the keyboard with
# the gallery, and goes by itself after its time.
focused=$(xdotool getwindowfocus)
click_on btnNotify
expect_line "notification shown"
sleep 0.6
shot notification
read -r red green blue <<<"$(pixel "$out/skin-gallery-notification.png" 930 740)"
((red + green + blue > 300)) || fail "no notification at the bottom right of the display"
[[ $(xdotool getwindowfocus) == "$focused" ]] || fail "the notification took the keyboard"
expect_line "notification closed"
sleep 0.6
shot notification-gone
read -r red green blue <<<"$(pixel "$out/skin-gallery-notification-gone.png" 930 740)"
((red + green + blue < 60)) || fail "the notification stayed on the display"


grep -q "^timeout$" "$log" && fail "the gallery timed out"
# A termination signal ends it as closing it would, with status 0 unless something
# (a leak, under the sanitizers) went wrong on the way out.
kill $gallery_pid
wait $gallery_pid || fail "the gallery exited with status $? on SIGTERM"
trap - EXIT
echo "skin gallery end-to-end test passed; screenshots in $out"
