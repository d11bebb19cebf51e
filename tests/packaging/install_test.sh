#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks what a user and a developer find there,
# starts the installed program under Xvfb (it must find its data beside its real file, and an
# ordinary user's saves must go to his own copy),
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
  # -noreset: the server must not start over between the programs the test runs in turn.
  E2E_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"
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
libdir=lib
multiarch=$(sed -n 's/^CMAKE_LIBRARY_ARCHITECTURE:[A-Z]*=//p' "$build/CMakeCache.txt")
[[ -z $multiarch ]] && multiarch=$(gcc -print-multiarch 2>/dev/null || true)
[[ -n $multiarch ]] && libdir=lib/$multiarch
expect_file bin/quorvane
expect_file bin/qvdat
expect_file bin/sktheme
expect_file bin/skin_gallery
expect_file libexec/quorvane/quorvane
expect_file libexec/quorvane/quorvane.dat
expect_file libexec/quorvane/skin_gallery
expect_file share/applications/quorvane.desktop
expect_file share/metainfo/org.example.quorvane.metainfo.xml
for size in 16 22 24 32 48 64 128 256; do
  expect_file "share/icons/hicolor/${size}x${size}/apps/quorvane.png"
done
for page in quorvane qvdat sktheme skin_gallery; do expect_file "share/man/man1/$page.1.gz"; done
expect_file include/quorvane/Source/frame/SKForm.h
expect_file include/quorvane/Source/db/SKDBClasses.h
expect_file include/quorvane/platform/vcl/controls/Form.h
for library in qv_skin qv_skin_db qv_db qv_vcl qv_win qv_gfx qv_io; do
  expect_file "$libdir/lib$library.a"
done
expect_file "$libdir/cmake/QuorvaneSkin/QuorvaneSkinConfig.cmake"
expect_file "$libdir/pkgconfig/quorvane-skin.pc"
expect_file "$libdir/pkgconfig/quorvane-skin-db.pc"
expect_file share/doc/libquorvane-skin-dev/examples/skinned_window/main.cpp
[[ -L $prefix/bin/quorvane ]] || fail "bin/quorvane is not a link to the program"
[[ -L $prefix/bin/skin_gallery ]] || fail "bin/skin_gallery is not a link to the program"
man -l --warnings "$prefix/share/man/man1/skin_gallery.1.gz" >/dev/null 2>"$out/man.log" \
  && [[ ! -s $out/man.log ]] || { cat "$out/man.log" >&2; fail "the skin gallery's manual page has faults"; }
bash "$(dirname "$0")/options_test.sh" "$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")" \
  "$prefix"/bin/{quorvane,qvdat,sktheme,skin_gallery} || fail "an installed program answers --help or --version wrongly"

# The icon is drawn at each size: a large one is not the 32-pixel picture blown up, which a
# reduction to 32 pixels and a blow-up back would give again unchanged.
for size in 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/quorvane.png
  [[ $(identify -format '%wx%h' "$icon") == "${size}x${size}" ]] || fail "the $size-pixel icon has another size"
  convert "$icon" -scale 32x32 -scale "${size}x${size}" "$out/icon-$size.png"
  changed=$(compare -metric AE "$icon" "$out/icon-$size.png" null: 2>&1 || true)
  [[ $changed =~ ^[0-9]+$ ]] || fail "cannot compare the $size-pixel icon: $changed"
  [[ $changed != 0 ]] || fail "the $size-pixel icon is the 32-pixel picture blown up"
done
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.example.quorvane.metainfo.xml" \
    >"$out/metainfo.log" 2>&1 || { cat "$out/metainfo.log" >&2; fail "the AppStream metainfo does not validate"; }
fi

# A theme file named by a bare name is found in the installation the program belongs to,
# whatever prefix it was installed under; one found nowhere is reported with the places
# looked at, and the gallery keeps its built-in style.
(cd / && "$prefix/bin/skin_gallery" --style FromThemeFile --theme Protein.skn \
   --screenshot "$out/theme.png" >"$out/theme.log" 2>&1) || { cat "$out/theme.log" >&2; fail "the gallery failed with an installed theme file"; }
grep -qx "style FromThemeFile" "$out/theme.log" \
  || { cat "$out/theme.log" >&2; fail "the installed Protein.skn was not found by its bare name"; }
(cd / && "$prefix/bin/skin_gallery" --style FromThemeFile --theme Missing.skn \
   --screenshot "$out/missing.png" >"$out/missing.log" 2>"$out/missing.err") || { cat "$out/missing.err" >&2; fail "the gallery failed on a missing theme file"; }
grep -q "the theme file 'Missing.skn' is not found" "$out/missing.err" \
  && grep -q "$prefix/share/quorvane/Missing.skn" "$out/missing.err" \
  || { cat "$out/missing.err" >&2; fail "a missing theme file was not reported with the places looked at"; }
grep -qx "style DeepBlue" "$out/missing.log" || fail "a missing theme file did not keep a built-in style"

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

# Installed, the program's folder is not its user's to write: an ordinary user's program
# reads the shipped file until its first save, which makes his own copy under his data
# folder; after a restart it reads that copy, and the shipped file is never touched.
if [[ $(id -u) == 0 ]] && command -v setpriv >/dev/null && [[ -n ${XAUTHORITY:-} ]]; then
  home=$out/home
  rm -rf "$home"
  mkdir -p "$home"
  xauth -f "$XAUTHORITY" extract "$home/.Xauthority" "$DISPLAY"
  chown -R 65534:65534 "$home"
  as_user() {
    setpriv --reuid=65534 --regid=65534 --clear-groups \
      env -u XDG_DATA_HOME HOME="$home" XAUTHORITY="$home/.Xauthority" "$@"
  }
  shipped=$prefix/libexec/quorvane/quorvane.dat
  copy=$home/.local/share/quorvane/quorvane.dat
  shipped_sum=$(md5sum <"$shipped")
  [[ $(as_user "$prefix/bin/qvdat" where) == "reads: $shipped"$'\n'"saves: $copy" ]] \
    || fail "qvdat does not find the shipped file and the user's copy: $(as_user "$prefix/bin/qvdat" where)"

  # Waits for a window with this exact title and prints its id.
  wait_window() {
    local id
    id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -1) || true
    if [[ -z $id ]]; then
      import -window root "$out/no-window.png" 2>/dev/null || true
      fail "no window titled \"$1\" (the screen is in no-window.png)"
    fi
    echo "$id"
  }
  wait_gone() {
    for _ in $(seq 200); do
      xdotool search --name "^$1\$" >/dev/null 2>&1 || return 0
      sleep 0.05
    done
    fail "the window \"$1\" stayed up"
  }
  start_as_user() {
    as_user "$prefix/bin/quorvane" >"$out/quorvane.log" 2>&1 &
    pid=$!
    trap 'kill $pid 2>/dev/null || true' EXIT
    # Mapped, so that it can take the keyboard.
    window=$(wait_window "Quorvane Reference")
    xdotool windowfocus --sync "$window"
  }
  # Presses a key until a window with this title shows, and prints its id. A key that
  # reaches a window just shown may go unseen; once one is seen, the program surely takes
  # the keyboard.
  press_until() {
    local id=
    for _ in $(seq 20); do
      xdotool key "$1"
      id=$(timeout 1 xdotool search --sync --onlyvisible --name "^$2\$" | head -1) || true
      [[ -n $id ]] && { echo "$id"; return 0; }
    done
    import -window root "$out/no-window.png" 2>/dev/null || true
    fail "$1 never showed the window \"$2\" (the screen is in no-window.png)"
  }

  start_as_user
  # Typing starts once the dialog holds the keyboard.
  xdotool windowfocus --sync "$(press_until alt+a Quorvane)"
  xdotool type --delay 30 qqz
  xdotool key Tab
  xdotool type --delay 30 "added as a user"
  xdotool key Tab Tab Tab Tab space
  wait_gone "Quorvane"
  # A window given the keyboard by hand keeps it until another is: back to the main one.
  xdotool windowfocus --sync "$window"
  xdotool key alt+s
  box=$(wait_window "(Information|Error)")
  [[ $(xdotool getwindowname "$box") == Information ]] || fail "the user's save failed"
  xdotool windowfocus --sync "$box"
  xdotool key Return
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  trap - EXIT
  [[ -f $copy ]] || fail "the save made no copy in the user's data folder"
  [[ $(md5sum <"$shipped") == "$shipped_sum" ]] || fail "the shipped file changed"
  [[ $(stat -c %U "$copy") == nobody ]] || fail "the user's copy is not his"
  # Read whole first: a grep that stops at its match would break qvdat's pipe.
  records=$(as_user "$prefix/bin/qvdat" export)
  grep -q $'^QQZ\tadded as a user\t' <<<"$records" || fail "the user's copy lacks the entry"
  [[ $(as_user "$prefix/bin/qvdat" where) == "reads: $copy"$'\n'"saves: $copy" ]] \
    || fail "qvdat does not read the user's copy once it exists"

  # Restarted, the program finds the entry: Find says nothing, so the entry dialog opened
  # next is the first window to show.
  start_as_user
  # Find with nothing typed says "not found".
  xdotool windowfocus --sync "$(press_until alt+f Information)"
  xdotool key Return
  wait_gone "Information"
  xdotool windowfocus --sync "$window"
  # In small letters, which the abbreviation edit makes capitals: no Shift to press.
  xdotool type --delay 30 qqz
  xdotool key alt+f alt+a
  wait_window "Quorvane" >/dev/null
  xdotool search --name "^Information\$" >/dev/null && fail "the restarted program lacks the entry"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  trap - EXIT
fi

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
# It uses no data-aware control, so neither the data layer nor SQLite comes with it.
if ldd "$out/example/skinned_window" | grep -q sqlite; then
  fail "the example program links SQLite although it uses no data-aware control"
fi
"$out/example/skinned_window" --headless --style Protein | grep -q "in the style Protein," \
  || fail "the example did not take a style by name"
"$out/example/skinned_window" --headless --theme "$prefix/share/quorvane/BlueGlass.skn" \
  | grep -q "in the style FromThemeFile," || fail "the example did not load a theme file at run time"

# The same program built with pkg-config alone.
PKG_CONFIG_PATH=$prefix/$libdir/pkgconfig pkg-config --cflags --libs quorvane-skin >"$out/pc-flags" \
  || fail "pkg-config does not find quorvane-skin"
# shellcheck disable=SC2046
"${compiler:-c++}" -std=c++20 -O1 "${instrumented[@]/#-DCMAKE_*FLAGS=/}" -o "$out/pc_example" "$example/main.cpp" \
  $(cat "$out/pc-flags") >"$out/pc-build.log" 2>&1 \
  || { tail -40 "$out/pc-build.log" >&2; fail "the example does not build with pkg-config's flags"; }
"$out/pc_example" --headless || fail "the example built with pkg-config did not paint"
echo "install, program, theme files and example: all as expected"
