#!/usr/bin/env bash
# Runs the skin gallery on the X11 backend under Xvfb and opens its small window with a
# skinned main menu: a menu opened by a click and an item chosen by a click, a menu opened
# by Alt with a letter, the bar entered by Alt alone and walked with the arrows, Escape
# stepping back, and a shortcut; each choice must reach the log, and each step is awaited
# on the screen. The window is then photographed with a menu open in each of the five
# styles, and each photograph is checked.
# Usage: skin_menubar_e2e.sh SKIN_GALLERY OUTPUT_DIR. Fails without xvfb-run,
# xdotool or ImageMagick.
set -euo pipefail

gallery=$1
out=$2
source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"

program_name="skin gallery"

# Starts the gallery in a style and opens the menu window; waits until it stands still.
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
  # The pointer goes out of the way, so that no button shows it hovering.
  xdotool mousemove 1020 760
  shot_settled "$out/skin-menubar-$1-closed.png"
  closed=$out/skin-menubar-$1-closed.png
}

# The middle of a bar button, by its caption.
button_at() {
  local place
  place=$(grep "^menubar place $1 " "$log" | tail -1)
  [[ -n $place ]] || fail "no bar button $1"
  read -r _ _ _ bx by <<<"$place"
}

# What the screen must show, judged against the window with no menu open and nothing lit:
# the inside of a button (lit or not), and the area a menu drops into below a button (the
# menu hangs from the button's bottom edge, 11 pixels below its middle).
button_lit() { area_differs "$closed" 16 10 $((bx - 8)) $((by - 5)) "$1"; }
button_plain() { area_equals "$closed" 16 10 $((bx - 8)) $((by - 5)) "$1"; }
menu_open() { area_differs "$closed" 40 30 $((bx - 10)) $((by + 11 + 6)) "$1"; }
menu_closed() { area_equals "$closed" 40 30 $((bx - 10)) $((by + 11 + 6)) "$1"; }

close_gallery() {
  grep -q "^timeout$" "$log" && fail "the gallery timed out"
  # A termination signal ends it as closing it would, with status 0 unless something
  # (a leak, under the sanitizers) went wrong on the way out.
  kill $gallery_pid
  wait $gallery_pid || fail "the gallery exited with status $? on SIGTERM"
  trap - EXIT
}

open_window MacOS
cp "$closed" "$out/skin-menubar-bar.png"

# A click drops File down; a click on its first item chooses it, and the menu goes.
button_at File
xdotool mousemove "$bx" "$by" click 1
shot_until "$out/skin-menubar-file-open.png" "File's menu below File" menu_open
xdotool mousemove "$bx" $((by + 11 + 3 + 10)) click 1
expect_line "menubar New"
xdotool mousemove 1020 760
shot_until "$out/skin-menubar-file-chosen.png" "File's menu gone after the choice" menu_closed

# Alt+E opens Edit; its letter C chooses Copy.
button_at Edit
xdotool key alt+e
shot_until "$out/skin-menubar-edit-open.png" "Edit's menu below Edit" menu_open
xdotool key c
expect_line "menubar Copy"
shot_until "$out/skin-menubar-edit-chosen.png" "Edit's menu gone after the choice" menu_closed

# Alt alone lights File; Right twice reaches Help, Down opens it, A chooses About.
button_at File
xdotool key alt
shot_until "$out/skin-menubar-keyboard.png" "File lit by Alt" button_lit
button_at Help
xdotool key Right Right
shot_until "$out/skin-menubar-keyboard-help.png" "Help lit by Right, Right" button_lit
xdotool key Down
shot_until "$out/skin-menubar-help-open.png" "Help's menu opened by Down" menu_open
xdotool key a
expect_line "menubar About..."
shot_until "$out/skin-menubar-help-chosen.png" "Help's menu gone after the choice" menu_closed

# Escape closes the open menu and leaves its button lit; a second Escape leaves the bar,
# after which the window's keys are its own again: Ctrl+N is New's shortcut.
button_at File
xdotool key alt+f
shot_until "$out/skin-menubar-file-by-key.png" "File's menu opened by Alt+F" menu_open
xdotool key Escape
shot_until "$out/skin-menubar-escape.png" "File's menu closed by Escape" menu_closed
button_lit "$out/skin-menubar-escape.png" || fail "File is not lit after the first Escape"
xdotool key Escape
shot_until "$out/skin-menubar-left.png" "File no longer lit after the second Escape" button_plain
xdotool key ctrl+n
for _ in $(seq 50); do
  [[ $(grep -cx "menubar New" "$log") -ge 2 ]] && break
  sleep 0.1
done
[[ $(grep -cx "menubar New" "$log") -ge 2 ]] || fail "Ctrl+N did not choose New"
close_gallery

# Every style: the bar, with Edit's menu open over the window. Each style shows its own
# window, and its menu where the menu belongs.
previous=""
for style in WinXP DeepBlue Protein BlueGlass MacOS; do
  open_window "$style"
  if [[ -n $previous ]]; then
    changed=$(differing_pixels "$previous" "$closed" 1024 768 0 0)
    ((changed > 500)) || fail "$style looks like the style before it ($changed pixels differ)"
  fi
  previous=$closed
  button_at Edit
  xdotool mousemove "$bx" "$by" click 1
  shot_until "$out/skin-menubar-$style.png" "Edit's menu in $style" menu_open
  (($(differing_pixels "$closed" "$out/skin-menubar-$style.png" 80 50 $((bx - 10)) $((by + 14))) > 400)) ||
    fail "Edit's menu in $style is hardly there"
  xdotool key Escape Escape
  close_gallery
done
echo "skin menu bar end-to-end test passed; screenshots in $out"
