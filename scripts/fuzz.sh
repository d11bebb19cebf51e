#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang's libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-fuzz), then:
#   scripts/fuzz.sh --list               names the targets
#   scripts/fuzz.sh TARGET SECONDS       fuzzes TARGET for that long, from its seed corpus
#   scripts/fuzz.sh TARGET FILE...       replays the files through TARGET
# Exits non-zero when a run finds a fault or a replayed file makes the target fail. New
# inputs go to build-fuzz/corpus/TARGET, findings to build-fuzz/findings/TARGET.
set -euo pipefail
cd "$(dirname "$0")/.."

targets=(data theme form bmp jpeg png database)

usage() {
  echo "Usage: scripts/fuzz.sh --list | TARGET SECONDS | TARGET FILE..." >&2
  echo "Targets: ${targets[*]}" >&2
  exit 2
}

[[ $# -ge 1 ]] || usage
if [[ $1 == --list ]]; then
  printf '%s\n' "${targets[@]}"
  exit 0
fi
target=$1
shift
[[ $# -ge 1 ]] || usage
[[ " ${targets[*]} " == *" $target "* ]] || { echo "unknown target '$target'" >&2; usage; }

scripts/install-deps.sh
build=build-fuzz
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DQV_FUZZ=ON -DQV_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "fuzz_$target" >/dev/null

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# The same named system-library leaks as the sanitizer run of the tests (fontconfig's).
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0}
program=$build/tests/fuzz/fuzz_$target

if [[ $1 =~ ^[0-9]+$ && $# -eq 1 ]]; then
  corpus=$build/corpus/$target
  findings=$build/findings/$target
  mkdir -p "$corpus" "$findings"
  # The program's own form descriptions are seeds too.
  if [[ $target == form ]]; then cp src/*.dfm "$corpus/"; fi
  exec "$program" -max_total_time="$1" -timeout=20 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" tests/fuzz/corpus/"$target"
fi
# Each file on its own run, so that one that fails does not hide the others.
status=0
for file in "$@"; do
  "$program" -runs=1 "$file" >/dev/null 2>&1 || { echo "fails: $file" >&2; status=1; }
done
exit $status
