#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks what a user and a developer find there,
# starts the installed program under Xvfb (it must find its data beside its real file),
# and builds and runs the example program against the installed package.
# Usage: install_test.sh BUILD_DIR EXAMPLE_DIR OUTPUT_DIR. Exits 77 (skipped) outside CI
# when xvfb-run or xdotool is missing.
set -euo pipefail

build=$1
example=$2
out=$3

if [[ ${E2E_UNDER_XVFB:-} != 1 ]]; then
  for tool in xvfb-run xdotool; do
    if ! command -v "$tool" >/dev/null; then
      [[ -n ${CI:-} ]] && { echo "FAILED: $tool is not installed" >&2; exit 1; }
      echo "skipped: $tool is not installed"
      exit 77
    fi
  done
  rm -rf "$out"
  mkdir -p "$out"
  E2E_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

fail() {
  echo "FAILED: $*" >&2
  [[ -f $out/quorvane.log ]] && { echo "--- program output ---" >&2; cat "$out/quorvane.log" >&2; }
  exit 1
}

prefix=$out/prefix
cmake --install "$build" --prefix "$prefix" >"$out/install.log" || fail "cmake --install failed"

# What the install must hold.
expect_file() { [[ -e $prefix/$1 ]] || fail "the install has no $1"; }
expect_file bin/quorvane
expect_file bin/qvdat
expect_file bin/sktheme
expect_file libexec/quorvane/quorvane
expect_file libexec/quorvane/quorvane.dat
expect_file share/applications/quorvane.desktop
expect_file share/icons/hicolor/48x48/apps/quorvane.png
expect_file share/icons/hicolor/256x256/apps/quorvane.png
for page in quorvane qvdat sktheme; do expect_file "share/man/man1/$page.1.gz"; done
expect_file include/quorvane/Source/frame/SKForm.h
expect_file include/quorvane/platform/vcl/controls/Form.h
config=$(find "$prefix" -name QuorvaneSkinConfig.cmake | head -1)
[[ -n $config ]] || fail "the install has no QuorvaneSkinConfig.cmake"
[[ -L $prefix/bin/quorvane ]] || fail "bin/quorvane is not a link to the program"

# The five styles as theme files that the theme tool reads back whole.
for style in MacOS WinXP DeepBlue Protein BlueGlass; do
  expect_file "share/quorvane/$style.skn"
  "$prefix/bin/sktheme" info "$prefix/share/quorvane/$style.skn" >"$out/$style.info" \
    || fail "sktheme cannot read the installed $style.skn"
done
"$prefix/bin/qvdat" check "$prefix/libexec/quorvane/quorvane.dat" >"$out/check.log" \
  || fail "qvdat check finds a problem in the installed data file"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/quorvane.desktop" \
    || fail "the desktop file does not validate"
fi

# The installed program, started through its link, finds its data: an abbreviation that is
# in the shipped file is found without a word, one that is not is reported.
"$prefix/bin/quorvane" >"$out/quorvane.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(timeout 20 xdotool search --sync --name "^Quorvane Reference$" | head -1) || true
[[ -n $window ]] || fail "the installed program shows no window"
sleep 1
xdotool type --delay 50 DSP
xdotool key alt+f
sleep 1
xdotool search --name "^Information$" >/dev/null && fail "DSP was not found: the installed program has no data"
xdotool type --delay 50 QQQQ
xdotool key alt+f
timeout 10 xdotool search --sync --name "^Information$" >/dev/null \
  || fail "a missing abbreviation was not reported"
xdotool key Return
kill "$pid"
wait "$pid" 2>/dev/null || true
trap - EXIT

# A program of another project, built against the installed package with the compiler the
# package was built with, and with the sanitizers when its libraries are instrumented.
compiler=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$build/CMakeCache.txt")
instrumented=()
if grep -q '^QV_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
  instrumented=(-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined
                -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined)
fi
cmake -S "$example" -B "$out/example" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release \
  ${compiler:+-DCMAKE_CXX_COMPILER="$compiler"} "${instrumented[@]}" \
  >"$out/example-configure.log" 2>&1 || { cat "$out/example-configure.log" >&2; fail "the example does not configure against the package"; }
cmake --build "$out/example" -j 2 >"$out/example-build.log" 2>&1 \
  || { tail -40 "$out/example-build.log" >&2; fail "the example does not build against the package"; }
"$out/example/skinned_window" --headless || fail "the example did not paint its skinned window"
echo "install, program, theme files and example: all as expected"
