#!/usr/bin/env bash
# Installs what is missing, builds in Release, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)"
# Until the reference program exists, the window manager's demo is what there is to start.
exec build/platform/win/demo/windemo
