#!/usr/bin/env bash
# Runs a test program inside a fresh Xvfb; a missing Xvfb or xdotool fails the test, since
# the test command installs them.
set -euo pipefail
source "$(dirname "$0")/../../../e2e/e2e_lib.sh"
require_tools xvfb-run xdotool
# Without -noreset the server starts over whenever its last client leaves, as it does
# between two tests, and refuses the next test's connection while it does.
exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$@"
