#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests: `start DIR` makes a fresh cluster in DIR listening only on
# a Unix socket inside DIR, `stop DIR` ends it and removes DIR. PostgreSQL refuses to run as root, so
# under root the cluster belongs to the unprivileged user nobody.
set -euo pipefail
action=$1
dir=$2
port=5432
bindir=$(pg_config --bindir 2>/dev/null || true)
for candidate in "$bindir" /usr/lib/postgresql/*/bin; do
  [ -x "$candidate/pg_ctl" ] && { bindir=$candidate; break; }
done
[ -x "$bindir/pg_ctl" ] || { echo "PostgreSQL's pg_ctl is not installed (scripts/deps.sh installs it)" >&2; exit 1; }

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u nobody -- "$@"; else "$@"; fi
}

stop() {
  if [ -f "$dir/data/postmaster.pid" ]; then
    as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  rm -rf "$dir"
}

case "$action" in
  start)
    stop
    mkdir -p "$dir"
    [ "$(id -u)" -eq 0 ] && chown nobody "$dir"
    as_owner "$bindir/initdb" -D "$dir/data" -U varnel --auth=trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 \
      || { cat "$dir/initdb.log" >&2; exit 1; }
    # The tests' own user needs no password; every other user signs in with one, as on a real server.
    printf 'local all varnel trust\nlocal all all scram-sha-256\n' > "$dir/data/pg_hba.conf"
    # Nothing here needs to survive a crash of the machine: no fsync keeps database creation quick.
    as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
      -o "-k $dir -p $port -c listen_addresses= -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=60" \
      start >/dev/null || { cat "$dir/server.log" >&2; exit 1; }
    ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
