#!/usr/bin/env bash
# Runs the VCL demo (a form read from its description) on the X11 backend under Xvfb,
# drives its check box, radio button, buttons, a hidden button's accelerator and a message
# box with xdotool, and checks what it printed and what the screen shows.
# Usage: vcldemo_e2e.sh DEMO_PROGRAM OUTPUT_DIR. Fails without xvfb-run,
# xdotool or ImageMagick.
set -euo pipefail

demo=$1
out=$2
source "$(dirname "$0")/e2e_lib.sh"
run_under_xvfb "$out" "$@"

log=$out/vcldemo.log
program_name=demo

# A pixel within 24 of the expected colour in every channel (the banner is a JPEG).
expect_near() {
  local got r g b er eg eb
  got=$(pixel "$1" "$2" "$3")
  read -r r g b <<<"$got"
  read -r er eg eb <<<"$4"
  for pair in "$r $er" "$g $eg" "$b $eb"; do
    read -r a e <<<"$pair"
    (( a - e <= 24 && e - a <= 24 )) || fail "pixel ($2, $3) of $(basename "$1") is $got, expected about $4 ($5)"
  done
}

"$demo" --timeout 30000 >"$log" 2>&1 &
demo_pid=$!
trap 'kill $demo_pid 2>/dev/null || true' EXIT

expect_line "created 12 components"
for _ in $(seq 50); do
  grep -q "^ready x11 " "$log" && break
  sleep 0.1
done
read -r _ _ x y < <(grep "^ready x11 " "$log") || fail "the demo never said it was ready"
window=$(xdotool search --sync --name "^VCL demo$" | head -1)
[[ -n $window ]] || fail "no window titled \"VCL demo\""
sleep 0.3

# Client coordinates of the description, on the screen.
at() { echo $((x + $1)) $((y + $2)); }

import -window root "$out/vcldemo-start.png"
read -r px py < <(at 36 60)
expect_near "$out/vcldemo-start.png" "$px" "$py" "255 215 0" "the JPEG banner's yellow disc"
read -r px py < <(at 60 140)
expect_near "$out/vcldemo-start.png" "$px" "$py" "212 208 200" "the panel's face"
read -r px py < <(at 16 92)
expect_near "$out/vcldemo-start.png" "$px" "$py" "128 128 128" "the panel's lowered bevel"
read -r px py < <(at 34 110)
expect_near "$out/vcldemo-start.png" "$px" "$py" "255 255 255" "the empty Bold box"

read -r px py < <(at 34 112)
xdotool mousemove "$px" "$py" click 1
expect_line "check chkBold 1"
read -r px py < <(at 206 136)
xdotool mousemove "$px" "$py" click 1
expect_line "radio rbtnLarge"
sleep 0.3
import -window root "$out/vcldemo-checked.png"
read -r px py < <(at 34 112)
expect_near "$out/vcldemo-checked.png" "$px" "$py" "0 0 0" "the tick in the Bold box"
read -r px py < <(at 206 134)
expect_near "$out/vcldemo-checked.png" "$px" "$py" "0 0 0" "the dot of the Large radio button"

# The hidden button still answers its accelerator.
xdotool key alt+s
expect_line "click btnSecret"

read -r px py < <(at 61 232)
xdotool mousemove "$px" "$py" click 1
expect_line "click btnHello"
box=$(xdotool search --sync --name "^VCL demo$" | grep -vx "$window" | head -1) || true
sleep 0.5
import -window root "$out/vcldemo-message.png"
xdotool key Return
expect_line "message box 1"

read -r px py < <(at 339 232)
xdotool mousemove "$px" "$py" click 1
expect_line "click btnClose"
expect_line "closed"
wait $demo_pid || fail "the demo exited with status $?"
trap - EXIT
[[ -n ${box:-} ]] || fail "no message box window appeared"
echo "passed; screenshots in $out"
