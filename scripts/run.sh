#!/usr/bin/env bash
# Installs what is missing, builds in Release, and starts Quorvane Reference on the display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target quorvane
exec build/bin/quorvane
