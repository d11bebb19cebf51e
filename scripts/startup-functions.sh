#!/usr/bin/env bash
# Writes src/startup-functions.txt again: the code sections of the functions the program
# runs from its start to its first painted window, in the order it first runs them, and the
# sections of the embedded resources it reads by then. The program's link lays those out
# together (see src/StartupLayout.cmake). Run it after changes that move much of the
# start-up to other functions or pictures; a stale list only costs memory.
# Usage: scripts/startup-functions.sh [BUILD_DIR]  (default: build, made by scripts/test.sh)
# Needs valgrind, xvfb-run and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
list=src/startup-functions.txt

if [[ ${STARTUP_UNDER_XVFB:-} != 1 ]]; then
  for tool in valgrind xvfb-run xdotool python3; do
    command -v "$tool" >/dev/null || { echo "startup-functions.sh needs $tool" >&2; exit 1; }
  done
  cmake --build "$build" --target quorvane >/dev/null
  STARTUP_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"; kill $(jobs -p) 2>/dev/null || true' EXIT

# Every thread's functions are counted, the font thread's too. The run ends a little after
# the window shows, once its first paint is done. The program names the resources it reads.
QV_TRACE_RESOURCES=1 valgrind --tool=callgrind --demangle=no --callgrind-out-file="$work/profile" \
  "$build/bin/quorvane" >"$work/log" 2>&1 &
pid=$!
window=$(timeout 120 xdotool search --sync --name "^Quorvane Reference\$" | head -1) || true
[[ -n $window ]] || { cat "$work/log" >&2; echo "the program's window did not show" >&2; exit 1; }
sleep 3
kill "$pid"
wait "$pid" 2>/dev/null || true

python3 - "$work/profile" "$work/log" "$list" "$build/bin/quorvane" <<'PY'
import re, subprocess, sys

profile, log, list_path, program = sys.argv[1:5]
# The program's own functions. Valgrind names the functions of a program already laid out
# but reports them under no object ("???"), so a name counts as ours when the program
# defines it.
# The compiler merges functions with identical code: one keeps the section, the others
# become aliases at its address, and valgrind may report any of the names. So every name
# stands for all the names at its address.
ours, aliases = set(), {}
for line in subprocess.run(['nm', '--defined-only', program], capture_output=True, text=True,
                           check=True).stdout.splitlines():
    fields = line.split()
    if len(fields) == 3 and fields[1] in 'tTwW':
        ours.add(fields[2])
        aliases.setdefault(fields[0], []).append(fields[2])
same_address = {name: names for names in aliases.values() for name in names}
objects, functions = {}, {}
current_object = None
order, seen = [], set()
# Names are compressed: "fn=(7) name" defines number 7, a later "fn=(7)" refers to it.
entry = re.compile(r'^(c?ob|c?fn)=\((\d+)\)(?: (.*))?$')
for line in open(profile, errors='replace'):
    match = entry.match(line.rstrip('\n'))
    if not match:
        continue
    kind, number, name = match.groups()
    table = objects if kind.endswith('ob') else functions
    if name:
        table[number] = name
    if kind == 'ob':
        current_object = objects[number]
    elif kind == 'fn' and current_object and current_object.endswith(('/quorvane', '???')):
        name = re.sub(r"'\d+$", '', functions[number])  # callgrind's recursion depth
        if name in ours and name not in seen:
            seen.add(name)
            order.append(name)

sections = []
for name in order:
    # A constructor or destructor is reported under its complete-object name, an alias of
    # the base-object one that names its section: the aliases cover it too. Only names a
    # linker script can match; cold parts stay with the other cold code.
    for n in same_address.get(name, [name]):
        if not re.fullmatch(r'[A-Za-z0-9_.$]+', n) or n.endswith('.cold'):
            continue
        sections.append('.text.' + n)

sections = list(dict.fromkeys(sections))
functions = len(sections)
for line in open(log, errors='replace'):
    if line.startswith('resource '):
        # The section qv_embed_resources gives the resource: its name as a C identifier.
        name = re.sub(r'[^A-Za-z0-9_]', '_', line.split(' ', 1)[1].strip())
        sections.append('.rodata.resource.' + ('_' + name if name[:1].isdigit() else name))
sections = list(dict.fromkeys(sections))

with open(list_path, 'w') as out:
    out.write('# The code sections a start of the program runs, in the order it first runs them,\n'
              '# then the sections of the resources it reads, in the order it first reads them.\n'
              '# Written by scripts/startup-functions.sh; do not edit.\n')
    for section in sections:
        out.write(section + '\n')
print(f'{list_path}: {functions} functions, {len(sections) - functions} resources')
PY
