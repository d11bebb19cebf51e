#!/usr/bin/env bash
# Makes the Debian package from the build and checks it: its control data, that it holds
# what a user expects, and that lintian finds no error in it.
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
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log" >&2; fail "cpack failed"; }
deb=$(find "$out" -maxdepth 1 -name 'quorvane_*.deb' | head -1)
[[ -n $deb ]] || fail "cpack made no quorvane_*.deb"

dpkg-deb --info "$deb" >"$out/info.txt"
grep -q '^ Package: quorvane$' "$out/info.txt" || fail "the package is not named quorvane"
grep -q '^ Depends: .*libc6' "$out/info.txt" || fail "the package lists no library dependencies"
grep -q '^ Depends: .*libfreetype' "$out/info.txt" || fail "the package does not depend on FreeType"

dpkg-deb --contents "$deb" | awk '{print $6}' >"$out/contents.txt"
for path in ./usr/bin/quorvane ./usr/bin/qvdat ./usr/bin/sktheme \
    ./usr/libexec/quorvane/quorvane ./usr/libexec/quorvane/quorvane.dat \
    ./usr/share/quorvane/MacOS.skn ./usr/share/quorvane/BlueGlass.skn \
    ./usr/share/applications/quorvane.desktop \
    ./usr/share/icons/hicolor/48x48/apps/quorvane.png \
    ./usr/share/man/man1/quorvane.1.gz ./usr/share/doc/quorvane/copyright \
    ./usr/include/quorvane/Source/frame/SKForm.h; do
  grep -qx "$path" "$out/contents.txt" || fail "the package does not hold $path"
done

lintian --tag-display-limit 0 "$deb" >"$out/lintian.txt" 2>&1 || true
if grep -q '^E: ' "$out/lintian.txt"; then
  cat "$out/lintian.txt" >&2
  fail "lintian reports errors"
fi
echo "package $(basename "$deb"): contents as expected, no lintian errors"
