#!/usr/bin/env bash
# Loads the demonstration database into the tests' PostgreSQL server with the tool that
# makes the SQLite file, then opens the skin gallery's records window over it by its
# connection string (on the headless backend, photographed): the same commands appear as
# over the file.
# Usage: skin_records_pg_e2e.sh MAKE_DEMO_DB SKIN_GALLERY SOURCE_DIR SERVER_STATE OUTPUT_DIR
set -euo pipefail

make_demo_db=$1
gallery=$2
source_dir=$3
state=$4
out=$5
mkdir -p "$out"

fail() {
  echo "FAIL: $*" >&2
  [[ -f "$out/gallery.log" ]] && cat "$out/gallery.log" >&2
  exit 1
}

conninfo=$(sed -n 's/^CONNINFO=//p' "$state")
[[ -n "$conninfo" ]] || fail "the server's state file names no connection"

"$make_demo_db" "$conninfo" --abbreviations "$source_dir/data/abbreviations.tsv" \
  --commands "$source_dir/data/cl-commands.tsv" || fail "the demonstration data did not load"

"$gallery" --records "$conninfo" --screenshot "$out/skin-records-pg.png" >"$out/gallery.log" 2>&1 ||
  fail "the gallery exited with status $?"
grep -q "^records open [1-9][0-9]* commands$" "$out/gallery.log" ||
  fail "the records window did not open the commands"
grep -q "^record 1 ADDACC Add Access Code$" "$out/gallery.log" ||
  fail "the first command is not the one the file shows first"
[[ -s "$out/skin-records-pg.png" ]] || fail "no screenshot"
first=$(grep "^records open " "$out/gallery.log")

# Loading again replaces the tables instead of adding to them.
"$make_demo_db" "$conninfo" --abbreviations "$source_dir/data/abbreviations.tsv" \
  --commands "$source_dir/data/cl-commands.tsv" || fail "loading a second time failed"
"$gallery" --records "$conninfo" --screenshot "$out/skin-records-pg-again.png" >"$out/gallery.log" 2>&1 ||
  fail "the gallery exited with status $? the second time"
second=$(grep "^records open " "$out/gallery.log")
[[ "$second" == "$first" ]] || fail "loading again gave '$second' after '$first'"
