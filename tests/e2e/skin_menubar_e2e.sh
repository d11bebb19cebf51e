#!/usr/bin/env bash
# Runs the skin gallery on the X11 backend under Xvfb and opens its small window with a
# skinned main menu: a menu opened by a click and an item chosen by a click, a menu opened
# by Alt with a letter, the bar entered by Alt alone and walked with the arrows, Escape
# stepping back, and a shortcut; each choice must reach the log. The window is then
# photographed with a menu open in each of the five styles.
# Usage: skin_menubar_e2e.sh SKIN_GALLERY OUTPUT_DIR. Fails without xvfb-run,
# xdotool or ImageMagick.
set -euo pipefail

gallery=$1
out=$2
source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"

program_name="skin gallery"

# Starts the gallery in a style and opens the menu window; sets bar_x/bar_y per button.
open_window() {
  log=$out/skin_menubar-$1.log
  "$gallery" --style "$1" --timeout 60000 >"$log" 2>&1 &
  gallery_pid=$!
  trap 'kill $gallery_pid 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    grep -q "^ready x11 " "$log" && break
    sleep 0.1
  done
  grep -q "^ready x11 " "$log" || fail "the gallery never said it was ready"
  local place
  place=$(grep "^place btnMenuBar " "$log" | tail -1)
  [[ -n $place ]] || fail "the gallery has no button btnMenuBar"
  read -r _ _ px py <<<"$place"
  xdotool mousemove "$px" "$py" click 1
  expect_line "menubar shown"
  sleep 0.4
}

# The middle of a bar button, by its caption.
button_at() {
  local place
  place=$(grep "^menubar place $1 " "$log" | tail -1)
  [[ -n $place ]] || fail "no bar button $1"
  read -r _ _ _ bx by <<<"$place"
}

close_gallery() {
  grep -q "^timeout$" "$log" && fail "the gallery timed out"
  # A termination signal ends it as closing it would, with status 0 unless something
  # (a leak, under the sanitizers) went wrong on the way out.
  kill $gallery_pid
  wait $gallery_pid || fail "the gallery exited with status $? on SIGTERM"
  trap - EXIT
}

shot() {
  sleep 0.4
  import -window root "$out/skin-menubar-$1.png"
}

open_window MacOS
shot bar

# A click drops File down; a click on its first item chooses it. The menu hangs from the
# button's bottom edge, 11 pixels below its middle, inside a 3-pixel frame.
button_at File
xdotool mousemove "$bx" "$by" click 1
sleep 0.4
shot file-open
xdotool mousemove "$bx" $((by + 11 + 3 + 10)) click 1
expect_line "menubar New"

# Alt+E opens Edit; its letter C chooses Copy.
xdotool key alt+e
sleep 0.3
xdotool key c
expect_line "menubar Copy"

# Alt alone lights File; Right twice reaches Help, Down opens it, A chooses About.
xdotool key alt
sleep 0.3
shot keyboard
xdotool key Right Right Down
sleep 0.3
xdotool key a
expect_line "menubar About..."

# Escape closes the open menu and leaves its button lit; a second Escape leaves the bar,
# after which the window's keys are its own again: Ctrl+N is New's shortcut.
xdotool key alt+f
sleep 0.3
xdotool key Escape
sleep 0.3
shot escape
xdotool key Escape
sleep 0.2
xdotool key ctrl+n
for _ in $(seq 50); do
  [[ $(grep -cx "menubar New" "$log") -ge 2 ]] && break
  sleep 0.1
done
[[ $(grep -cx "menubar New" "$log") -ge 2 ]] || fail "Ctrl+N did not choose New"
close_gallery

# Every style: the bar, with Edit's menu open over the window.
for style in WinXP DeepBlue Protein BlueGlass MacOS; do
  open_window "$style"
  button_at Edit
  xdotool mousemove "$bx" "$by" click 1
  sleep 0.3
  shot "$style"
  xdotool key Escape Escape
  close_gallery
done
echo "skin menu bar end-to-end test passed; screenshots in $out"
