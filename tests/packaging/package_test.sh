#!/usr/bin/env bash
# Makes the Debian packages from the build and checks them: the program (quorvane) and the
# development files (libquorvane-skin-dev), their control data, that each holds what its
# users expect and nothing of the other's, and that lintian finds no error in them.
# Usage: package_test.sh BUILD_DIR OUTPUT_DIR. Exits 77 (skipped) outside CI when a Debian
# tool is missing.
set -euo pipefail

build=$1
out=$2

for tool in cpack dpkg-deb lintian; do
  if ! command -v "$tool" >/dev/null; then
    [[ -n ${CI:-} ]] && { echo "FAILED: $tool is not installed" >&2; exit 1; }
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

fail() { echo "FAILED: $*" >&2; exit 1; }

rm -rf "$out"
mkdir -p "$out"
# The API reference goes into the development package when doxygen is at hand.
if grep -q '^QV_DOXYGEN:FILEPATH=/' "$build/CMakeCache.txt"; then
  cmake --build "$build" --target api_reference >"$out/api.log" 2>&1 \
    || { cat "$out/api.log" >&2; fail "the API reference could not be made"; }
fi
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log" >&2; fail "cpack failed"; }
program=$(find "$out" -maxdepth 1 -name 'quorvane_*.deb' | head -1)
development=$(find "$out" -maxdepth 1 -name 'libquorvane-skin-dev_*.deb' | head -1)
[[ -n $program ]] || fail "cpack made no quorvane_*.deb"
[[ -n $development ]] || fail "cpack made no libquorvane-skin-dev_*.deb"

# Control data: names, sections and dependencies.
dpkg-deb --info "$program" >"$out/program-info.txt"
dpkg-deb --info "$development" >"$out/development-info.txt"
expect_control() {
  grep -Eq "$2" "$out/$1-info.txt" || { cat "$out/$1-info.txt" >&2; fail "the $1 package's control lacks /$2/"; }
}
expect_control program '^ Package: quorvane$'
expect_control program '^ Depends: .*libc6'
expect_control program '^ Depends: .*libfreetype6'
expect_control program '^ Depends: .*libjpeg62-turbo'
expect_control development '^ Package: libquorvane-skin-dev$'
expect_control development '^ Section: libdevel$'
# Every pkg-config module the CMake package and the .pc files ask for comes with its -dev
# package.
for dev in libfreetype-dev libfontconfig-dev libpng-dev libpixman-1-dev libx11-dev \
    libxext-dev libsqlite3-dev; do
  expect_control development "^ Depends: .*\\b$dev\\b"
done
expect_control development '^ Depends: .*pkgconf \| pkg-config'

multiarch=$(sed -n 's/^CMAKE_LIBRARY_ARCHITECTURE:[A-Z]*=//p' "$build/CMakeCache.txt")
[[ -n $multiarch ]] || multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
dpkg-deb --contents "$program" | awk '{print $6}' >"$out/program-contents.txt"
dpkg-deb --contents "$development" | awk '{print $6}' >"$out/development-contents.txt"
expect_files() {
  local package=$1
  shift
  for path in "$@"; do
    grep -qx "$path" "$out/$package-contents.txt" || fail "the $package package does not hold $path"
  done
}
expect_files program ./usr/bin/quorvane ./usr/bin/qvdat ./usr/bin/sktheme ./usr/bin/skin_gallery \
  ./usr/libexec/quorvane/quorvane ./usr/libexec/quorvane/quorvane.dat \
  ./usr/libexec/quorvane/skin_gallery \
  ./usr/share/quorvane/MacOS.skn ./usr/share/quorvane/BlueGlass.skn \
  ./usr/share/applications/quorvane.desktop \
  ./usr/share/metainfo/org.example.quorvane.metainfo.xml \
  ./usr/share/icons/hicolor/48x48/apps/quorvane.png \
  ./usr/share/icons/hicolor/256x256/apps/quorvane.png \
  ./usr/share/man/man1/quorvane.1.gz ./usr/share/man/man1/skin_gallery.1.gz \
  ./usr/share/doc/quorvane/copyright
expect_files development "./usr/include/quorvane/Source/frame/SKForm.h" \
  "./usr/lib/$multiarch/libqv_skin.a" "./usr/lib/$multiarch/libqv_skin_db.a" \
  "./usr/lib/$multiarch/cmake/QuorvaneSkin/QuorvaneSkinConfig.cmake" \
  "./usr/lib/$multiarch/pkgconfig/quorvane-skin.pc" \
  "./usr/lib/$multiarch/pkgconfig/quorvane-skin-db.pc" \
  ./usr/share/doc/libquorvane-skin-dev/copyright \
  ./usr/share/doc/libquorvane-skin-dev/examples/skinned_window/main.cpp
if grep -q '^QV_DOXYGEN:FILEPATH=/' "$build/CMakeCache.txt"; then
  expect_files development ./usr/share/doc/libquorvane-skin-dev/api/index.html \
    ./usr/share/doc/libquorvane-skin-dev/api/classTskForm.html
fi
# Each file belongs to one package only: the program carries no headers or libraries, the
# development package no programs.
grep -Eq '^\./usr/(include|lib)/.' "$out/program-contents.txt" && fail "the program package holds development files"
grep -Eq '^\./usr/(bin|libexec)/.' "$out/development-contents.txt" && fail "the development package holds programs"

# A build with the distribution's flags makes hardened programs: read-only relocations bound
# at start-up, and the fortified C library.
if grep -q '^QV_DISTRIBUTION_FLAGS:BOOL=ON' "$build/CMakeCache.txt"; then
  mkdir -p "$out/unpacked"
  dpkg-deb -x "$program" "$out/unpacked"
  for binary in "$out"/unpacked/usr/libexec/quorvane/quorvane "$out"/unpacked/usr/bin/qvdat; do
    readelf -lW "$binary" | grep -q GNU_RELRO || fail "$(basename "$binary") has no read-only relocations"
    readelf -dW "$binary" | grep -Eq 'BIND_NOW|FLAGS.*NOW' || fail "$(basename "$binary") is not bound at start-up"
    readelf -sW --dyn-syms "$binary" | grep -q '__[a-z_]*_chk@' || fail "$(basename "$binary") uses no fortified function"
  done
fi

for deb in "$program" "$development"; do
  lintian --tag-display-limit 0 "$deb" >"$out/lintian-$(basename "$deb").txt" 2>&1 || true
  if grep -q '^E: ' "$out/lintian-$(basename "$deb").txt"; then
    cat "$out/lintian-$(basename "$deb").txt" >&2
    fail "lintian reports errors in $(basename "$deb")"
  fi
done
echo "packages $(basename "$program") and $(basename "$development"): contents as expected, no lintian errors"
