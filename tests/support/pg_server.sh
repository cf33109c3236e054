#!/usr/bin/env bash
# A throwaway database server for the tests: `pg_server.sh start DIR` makes a
# fresh cluster in DIR, listening only on a Unix socket in DIR (no TCP port),
# user "bravent" trusted; `pg_server.sh stop DIR` stops it and removes DIR.
# `halt` stops it at once, as a power cut would, keeping its data; `resume`
# starts it again on that data.
# The server refuses to run as root, so under root it runs as "nobody".
set -euo pipefail
action=$1
dir=$2
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
if [ -z "$bin" ]; then
  echo "No database server installed (package postgresql)" >&2
  exit 1
fi
as_server() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u nobody -- "$@"; else "$@"; fi
}
run_server() {
  cd "$dir"
  as_server "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
    -o "-c listen_addresses='' -c unix_socket_directories='$dir' -c max_connections=200 -c fsync=off" start >/dev/null
}
case $action in
  start)
    if [ -f "$dir/data/postmaster.pid" ]; then as_server "$bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true; fi
    rm -rf "$dir"
    mkdir -p "$dir"
    if [ "$(id -u)" -eq 0 ]; then chown nobody "$dir"; fi
    # The working directory must be one the server's account may enter.
    cd "$dir"
    as_server "$bin/initdb" -D "$dir/data" -U bravent --auth=trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1
    run_server
    ;;
  halt)
    cd "$dir"
    as_server "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null
    ;;
  resume)
    run_server
    ;;
  stop)
    if [ -f "$dir/data/postmaster.pid" ]; then
      cd "$dir"
      as_server "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null || true
    fi
    rm -rf "$dir"
    ;;
  *)
    echo "usage: $0 start|stop|halt|resume DIR" >&2
    exit 2
    ;;
esac
