#!/usr/bin/env bash
# Installs what is missing, builds in Release with the distribution's hardening flags (in
# build-deb), makes the API reference, and writes the two Debian packages there:
# quorvane_*.deb (the program) and libquorvane-skin-dev_*.deb (the development files).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DQV_DISTRIBUTION_FLAGS=ON \
  -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF >/dev/null
cmake --build build-deb -j "$(nproc)"
cmake --build build-deb --target api_reference
(cd build-deb && cpack -G DEB)
ls build-deb/*.deb
