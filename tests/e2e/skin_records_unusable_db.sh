#!/usr/bin/env bash
# Opens the skin gallery's records window, photographed on the headless backend, over
# databases it cannot use (missing, not a database, damaged, another program's, locked by
# another program) and over one whose first command holds text in its number and
# true-or-false columns. Each time the gallery must come up and end with status 0; the
# window says why it has no commands, or shows the text as it is.
# Usage: skin_records_unusable_db.sh SKIN_GALLERY DEMO_DATABASE OUTPUT_DIR
set -euo pipefail

gallery=$1
demo=$2
out=$3
mkdir -p "$out"
program_name="skin gallery"
log=$out/unusable.log
source "$(dirname "$0")/e2e_lib.sh"

sql() {
  python3 - "$@" <<'EOF'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.executescript(sys.argv[2])
db.commit()
EOF
}

# Runs the gallery with its records window over DATABASE; the output goes to $log.
run_over() {
  local name=$1 database=$2 status=0
  log=$out/unusable-$name.log
  "$gallery" --records "$database" --screenshot "$out/unusable-$name.png" >"$log" 2>&1 || status=$?
  [[ $status == 0 ]] || fail "the gallery ended with status $status over the $name database"
  grep -q "^screenshot " "$log" || fail "the gallery never photographed itself over the $name database"
}

expect_error() {
  grep -q "^records error .*$1" "$log" || fail "the records window did not say \"$1\""
}

rm -f "$out/missing.db"
run_over missing "$out/missing.db"
expect_error "Cannot open the database"
[[ ! -e $out/missing.db ]] || fail "opening made the missing database"

echo "Not a database, only words: a file that another program wrote." >"$out/foreign.txt"
run_over foreign "$out/foreign.txt"
expect_error "not a database"

cp "$demo" "$out/damaged.db"
printf '%*s' 3000 '' | tr ' ' 'Z' | dd of="$out/damaged.db" bs=1 seek=100 conv=notrunc status=none
run_over damaged "$out/damaged.db"
expect_error "damaged"

rm -f "$out/other.db"
sql "$out/other.db" "CREATE TABLE invoices (id INTEGER PRIMARY KEY, total REAL);"
run_over other "$out/other.db"
expect_error "no such table"

# Another program holds the write lock for the whole run: the window waits, then says so.
cp "$demo" "$out/locked.db"
rm -f "$out/locked.ready"
python3 - "$out/locked.db" "$out/locked.ready" <<'EOF' &
import sqlite3, sys, time
db = sqlite3.connect(sys.argv[1], isolation_level=None)
db.execute("BEGIN EXCLUSIVE")
db.execute("UPDATE commands SET name = name")
open(sys.argv[2], "w").close()
time.sleep(120)
EOF
holder=$!
trap 'kill $holder 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [[ -e $out/locked.ready ]] && break
  sleep 0.1
done
[[ -e $out/locked.ready ]] || fail "the other program never locked the database"
run_over locked "$out/locked.db"
expect_error "locked by another program"
kill $holder
trap - EXIT

# Text in the integer and true-or-false columns of the first command opens and shows.
cp "$demo" "$out/text.db"
sql "$out/text.db" "UPDATE commands SET verb = 'Add?', reviewed = 'maybe' WHERE command = 'ADDACC';"
run_over text "$out/text.db"
grep -q "^records open [1-9][0-9]* commands$" "$log" || fail "the commands did not open"
grep -qx "record 1 ADDACC Add Access Code" "$log" || fail "the first command was not shown"

echo "passed; screenshots in $out"
