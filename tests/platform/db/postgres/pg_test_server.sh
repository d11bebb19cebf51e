#!/usr/bin/env bash
# A PostgreSQL server of the tests' own: `start STATE` makes a cluster in a temporary
# directory and starts it on a free local port, writing what the tests need to know into the
# file STATE; `restart STATE` restarts it (the tests of a lost server use that); `stop STATE`
# stops it and removes the directory. As root the server runs as the unprivileged `nobody`,
# since PostgreSQL refuses to run as root.
set -euo pipefail

action=${1:?start, restart or stop}
state=${2:?the state file}

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
if [[ -z "$bin" || ! -x "$bin/pg_ctl" ]]; then
  echo "PostgreSQL's server programs are missing: run scripts/install-deps.sh" >&2
  exit 1
fi

run_as=()
if [[ $(id -u) -eq 0 ]]; then
  run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

case "$action" in
start)
  if [[ -f "$state" ]]; then "$0" stop "$state" || true; fi
  dir=$(mktemp -d "${TMPDIR:-/tmp}/qv-pg.XXXXXX")
  [[ ${#run_as[@]} -eq 0 ]] || chown nobody:nogroup "$dir"
  port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  # Connections over TCP need the password, so that the tests can exercise asking for it.
  password=qv-$RANDOM$RANDOM
  printf '%s\n' "$password" >"$dir/pwfile"
  [[ ${#run_as[@]} -eq 0 ]] || chown nobody:nogroup "$dir/pwfile"
  "${run_as[@]}" "$bin/initdb" -D "$dir/data" -U qv --auth-local=trust --auth-host=scram-sha-256 \
    --pwfile="$dir/pwfile" -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 ||
    { cat "$dir/initdb.log" >&2; exit 1; }
  # Durability is of no use to a server that is thrown away after the run.
  options="-p $port -k $dir -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off -c full_page_writes=off"
  printf 'DIR=%s\nPORT=%s\nPASSWORD=%s\nOPTIONS=%s\nSCRIPT=%s\n' "$dir" "$port" "$password" \
    "$options" "$(realpath "$0")" >"$state"
  printf 'CONNINFO=host=127.0.0.1 port=%s user=qv dbname=postgres password=%s\n' "$port" "$password" >>"$state"
  "${run_as[@]}" "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -o "$options" -w -t 60 start \
    >/dev/null || { cat "$dir/server.log" >&2; exit 1; }
  ;;
restart)
  dir=$(sed -n 's/^DIR=//p' "$state")
  options=$(sed -n 's/^OPTIONS=//p' "$state")
  "${run_as[@]}" "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -o "$options" -m fast -w -t 60 \
    restart >/dev/null
  ;;
stop)
  [[ -f "$state" ]] || exit 0
  dir=$(sed -n 's/^DIR=//p' "$state")
  if [[ -n "$dir" && -d "$dir" ]]; then
    "${run_as[@]}" "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
    rm -rf "$dir"
  fi
  rm -f "$state"
  ;;
*)
  echo "unknown action $action" >&2
  exit 1
  ;;
esac
