# Shared by the end-to-end scripts: running inside an Xvfb of their own, failing with the
# program's output, waiting for the lines a program prints, and reading screenshot pixels.
# A script sets `log` (the program's output file) and `program_name` before using them.

# Fails unless every named tool is installed.
require_tools() {
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "FAILED: $tool is not installed (scripts/install-deps.sh installs it)" >&2
      exit 1
    fi
  done
}

# Runs the calling script again inside a fresh Xvfb. A missing tool fails the test: the
# documented test command installs them all, so a missing one means a broken setup, and a
# skip would hide every end-to-end result. Call it first, with the output folder and the
# script's own arguments.
run_under_xvfb() {
  local out=$1
  shift
  [[ ${E2E_UNDER_XVFB:-} == 1 ]] && return 0
  require_tools xvfb-run xdotool import convert
  mkdir -p "$out"
  E2E_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
}

fail() {
  echo "FAILED: $*" >&2
  echo "--- $program_name output ---" >&2
  cat "$log" >&2 || true
  exit 1
}

# Waits up to ten seconds for a line in the program's output.
expect_line() {
  for _ in $(seq 100); do
    grep -qx "$1" "$log" && return 0
    sleep 0.1
  done
  fail "the $program_name never printed \"$1\""
}

# Prints "R G B" of one pixel of a screenshot.
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)] %[fx:int(255*p{$2,$3}.g+0.5)] %[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

# Prints how many pixels of a screenshot's W x H area at (X, Y) are dark (below half
# brightness): text and lines on a light background.
dark_pixels() {
  convert "$1" -crop "${2}x${3}+${4}+${5}" +repage -colorspace Gray -threshold 50% -negate \
    -format "%[fx:int(mean*w*h+0.5)]" info:
}

# The same for the whole picture.
dark_pixels_all() {
  convert "$1" -colorspace Gray -threshold 50% -negate -format "%[fx:int(mean*w*h+0.5)]" info:
}

expect_pixel() {
  local got
  got=$(pixel "$1" "$2" "$3")
  [[ $got == "$4" ]] || fail "pixel ($2, $3) of $(basename "$1") is $got, expected $4 ($5)"
}
