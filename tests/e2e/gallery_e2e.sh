#!/usr/bin/env bash
# Runs the controls gallery on the X11 backend under Xvfb, types into its edit, picks from
# its combo box, opens its menus from the menu bar, the tool bar and a right click, and
# checks what it printed. Screenshots of each step are left in the output folder.
# Usage: gallery_e2e.sh GALLERY_PROGRAM OUTPUT_DIR. Fails without xvfb-run,
# xdotool or ImageMagick.
set -euo pipefail

gallery=$1
out=$2
source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"

log=$out/gallery.log
program_name=gallery

# A screenshot when ImageMagick is there to take it; they are for a person to look at.
shot() {
  sleep 0.3
  if command -v import >/dev/null; then import -window root "$out/gallery-$1.png"; fi
}

"$gallery" --timeout 60000 >"$log" 2>&1 &
gallery_pid=$!
trap 'kill $gallery_pid 2>/dev/null || true' EXIT

for _ in $(seq 100); do
  grep -q "^ready x11 " "$log" && break
  sleep 0.1
done
read -r _ _ x y < <(grep "^ready x11 " "$log") || fail "the gallery never said it was ready"
grep -q "^created [0-9]* components$" "$log" || fail "the form was not read from its description"
window=$(xdotool search --sync --name "^Controls gallery$" | head -1)
[[ -n $window ]] || fail "no window titled \"Controls gallery\""
sleep 0.5
shot start

# Client coordinates of the description, on the screen.
click_at() {
  xdotool mousemove $((x + $1)) $((y + $2)) click "${3:-1}"
}

# The edit takes the keyboard from a click and reports every change.
click_at 108 286
expect_line "enter edtName"
xdotool type --delay 60 "Hi there"
expect_line "change edtName Hi there"
xdotool key BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
expect_line "change edtName Hi"

# The masked edit keeps its literals while digits are typed into it.
click_at 20 330
expect_line "enter medPhone"
xdotool key Home
xdotool type --delay 60 "0123456789"
expect_line "change medPhone (012) 345-6789"

# The drop-down list opens from a click and stays open; Down with Return picks the next
# entry, and that Return is the list's, not the default button's.
click_at 289 322
expect_line "dropdown cbxStyle"
shot combo
grep -qx "closeup cbxStyle" "$log" && fail "the list closed as soon as it opened"
xdotool key Down Return
expect_line "select cbxStyle Protein"
expect_line "closeup cbxStyle"
sleep 0.3
grep -qx "click btnHello" "$log" && fail "Return in the open list pressed the default button too"

# The menu bar's File menu: the first item is chosen from the keyboard.
click_at 22 11
shot menu
xdotool key Down Return
expect_line "menu miNew"

# The tool bar button bound to the View menu drops it down; an auto-check item toggles.
click_at 133 35
shot toolmenu
xdotool key Down Down Return
expect_line "menu miGrid 1"

# A right click on the list view selects the row under it and opens its popup menu.
click_at 260 94
expect_line "row 1 banner.jpg"
click_at 260 94 3
shot popup
xdotool key Down Down Return
expect_line "menu piRename"

# A click outside every window of the program closes an open popup menu: the menu's
# pointer grab brings it the click, wherever it lands, and no item is chosen.
click_at 260 94 3
sleep 0.3
shot popup-open
[[ $(pixel "$out/gallery-popup-open.png" $((x + 307)) $((y + 159))) != "255 255 255" ]] ||
  fail "the popup menu did not open over the list view"
menus_before=$(grep -c "^menu " "$log")
xdotool mousemove 900 700 click 1
sleep 0.3
shot popup-closed
expect_pixel "$out/gallery-popup-closed.png" $((x + 307)) $((y + 159)) "255 255 255" \
  "the list view where the popup menu was"
[[ $(grep -c "^menu " "$log") == "$menus_before" ]] || fail "the click outside chose a menu item"

# A check box, a radio button and the default button.
click_at 24 150
expect_line "check chkBold 1"
click_at 120 174
expect_line "radio rbtnLarge"
click_at 56 238
expect_line "click btnHello"
shot end

click_at 160 238
expect_line "click btnClose"
expect_line "closed"
wait $gallery_pid || fail "the gallery exited with status $?"
trap - EXIT
echo "passed; screenshots in $out"
