#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Does nothing when every package is already present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  libx11-dev libxext-dev libfreetype-dev libfontconfig-dev fonts-liberation2
  fonts-wqy-microhei
  libjpeg62-turbo-dev libpng-dev
  libgtest-dev libgmock-dev libbenchmark-dev libpixman-1-dev
  xvfb xauth xdotool x11-apps x11-utils x11-xserver-utils imagemagick openbox
  lintian desktop-file-utils appstream doxygen
  python3 python3-pil
  libsqlite3-dev
  # The sources localedef compiles a Turkish locale from, for the tests of letter case.
  locales
  # PostgreSQL: the client library, and the server the tests start for themselves.
  libpq-dev postgresql
  clang libclang-rt-dev llvm
  # Only the display start-up benchmark: its FLTK yardstick and its watch on the screen.
  libfltk1.3-dev libxdamage-dev
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

if [[ $(id -u) -eq 0 ]]; then
  run_as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  run_as_root=(sudo)
else
  echo "These Debian packages are missing: ${missing[*]}" >&2
  echo "Install them as root, then run this command again:" >&2
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${run_as_root[@]}" apt-get update -q
"${run_as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
