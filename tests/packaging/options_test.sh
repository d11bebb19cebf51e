#!/usr/bin/env bash
# Every program answers --help and --version alike, and refuses a wrong option the same way,
# without needing a display.
# Usage: options_test.sh VERSION PROGRAM...
set -uo pipefail

version=$1
shift
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }

for program in "$@"; do
  name=$(basename "$program")
  # Each row: the arguments, the exit status, what standard output starts with (a regular
  # expression over its first line) and what standard error holds.
  while IFS='|' read -r args status first err; do
    # shellcheck disable=SC2086
    env -u DISPLAY "$program" $args >"$out/stdout" 2>"$out/stderr"
    got=$?
    [[ $got == "$status" ]] || fail "$name $args: exit status $got instead of $status"
    if [[ -n $first ]] && ! head -1 "$out/stdout" | grep -Eq "$first"; then
      fail "$name $args: standard output starts '$(head -1 "$out/stdout")', not /$first/"
    fi
    if [[ -z $err ]]; then
      [[ -s $out/stderr ]] && fail "$name $args: wrote to standard error: $(cat "$out/stderr")"
    elif ! grep -Fq "$err" "$out/stderr"; then
      fail "$name $args: standard error lacks '$err': $(cat "$out/stderr")"
    fi
  done <<ROWS
--help|0|^Usage: $name |
-h|0|^Usage: $name |
--version|0|^$name \(Quorvane Reference\) ${version//./\\.}\$|
-V|0|^$name \(Quorvane Reference\) ${version//./\\.}\$|
--no-such-option|2||$name: unknown option '--no-such-option'
--no-such-option|2||Try '$name --help'.
ROWS
  # The help lists both options.
  env -u DISPLAY "$program" --help | grep -q -- "-V, --version" \
    || fail "$name --help does not list --version"
done
[[ $failures == 0 ]] && echo "all programs answer --help and --version alike"
exit $((failures > 0))
