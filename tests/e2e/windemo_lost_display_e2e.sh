#!/usr/bin/env bash
# Takes the X server away from under the window demo: the program must notice, say why on
# its error output and end with status 1 at once, instead of hanging or crashing.
# Usage: windemo_lost_display_e2e.sh DEMO_PROGRAM OUTPUT_DIR. Fails without Xvfb.
set -euo pipefail

demo=$1
out=$2
log=$out/windemo-lost.log
program_name=demo
source "$(dirname "$0")/e2e_lib.sh"
require_tools Xvfb
mkdir -p "$out"

# A server of our own on a free display number, which it reports when it is ready.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
server_pid=$!
trap 'kill $server_pid $demo_pid 2>/dev/null || true' EXIT
demo_pid=
read -r -t 10 -u "$fd" display || { echo "FAILED: Xvfb did not start" >&2; exit 1; }

DISPLAY=:$display "$demo" --timeout 30000 >"$log" 2>&1 &
demo_pid=$!
expect_line "ready x11 200 150"
expect_line "timer 1"

kill -KILL "$server_pid"
wait "$server_pid" 2>/dev/null || true
status=0
for _ in $(seq 50); do
  kill -0 "$demo_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$demo_pid" 2>/dev/null && fail "the demo still runs five seconds after its display went"
wait "$demo_pid" || status=$?
[[ $status == 1 ]] || fail "the demo ended with status $status, expected 1"
grep -q "The connection to the display was lost." "$log" || fail "the demo did not say why it ended"
trap - EXIT
echo "passed"
