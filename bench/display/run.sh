#!/usr/bin/env bash
# Builds and runs the display start-up benchmark under an X server of its own (Xvfb, the
# screen of the end-to-end tests). Arguments go to the benchmark (--benchmark_repetitions=N).
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target display_bench quorvane fltk_reference
exec xvfb-run -a -s "-screen 0 1024x768x24" build/bench/display/display_bench "$@"
