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
  # Without -noreset the server starts over whenever its last client leaves (a program the
  # script ended, before it starts the next one) and refuses connections while it does.
  E2E_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"
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

# How many pixels of the W x H area at (X, Y) differ between two screenshots.
differing_pixels() {
  convert "$1" "$2" -crop "${3}x${4}+${5}+${6}" +repage -compose difference -composite \
    -separate -evaluate-sequence max -threshold 0 -format "%[fx:int(mean*w*h+0.5)]" info:
}

# Checks for shot_until: the W x H area at (X, Y) differs from, or equals, the same area of
# a reference screenshot. The screenshot to judge comes last.
area_differs() { (($(differing_pixels "$1" "$6" "$2" "$3" "$4" "$5") > 0)); }
area_equals() { (($(differing_pixels "$1" "$6" "$2" "$3" "$4" "$5") == 0)); }

# Takes screenshots into FILE until CHECK (a command, given the screenshot as its last
# argument) passes: waits for what the program shows. Fails after ten seconds, saying what
# never showed. Usage: shot_until FILE DESCRIPTION CHECK [ARGUMENTS...]
shot_until() {
  local file=$1 what=$2
  shift 2
  for _ in $(seq 100); do
    import -window root "$file"
    "$@" "$file" && return 0
    sleep 0.1
  done
  fail "$what: not on the screen after ten seconds (last screenshot $(basename "$file"))"
}

# Takes screenshots into FILE until two in a row are the same: the program has finished
# painting what it was asked to show.
shot_settled() {
  local file=$1 previous=$1.previous.png
  import -window root "$previous"
  shot_until "$file" "a still screen" _same_as "$previous"
  rm -f "$previous"
}
_same_as() {
  local previous=$1 file=$2
  (($(differing_pixels "$previous" "$file" 1024 768 0 0) == 0)) && return 0
  cp "$file" "$previous"
  return 1
}
