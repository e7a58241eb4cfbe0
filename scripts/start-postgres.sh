#!/usr/bin/env bash
# Sourced by test.sh: starts a throw-away PostgreSQL cluster on a local socket
# and port, and exports RAZAZU_TEST_PG for the data-store tests. The server is
# stopped when the sourcing shell exits.
pg_bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$pg_bin" ]; then
  echo "PostgreSQL is not installed: data-store tests run on SQLite only."
  return 0
fi
pg_port=${RAZAZU_PG_PORT:-55432}
pg_dir=$(mktemp -d /tmp/razazu-pg.XXXXXX)
chmod 755 "$pg_dir"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
  chown postgres:postgres "$pg_dir"
  run_as=(runuser -u postgres --)
fi
"${run_as[@]}" "$pg_bin/initdb" -D "$pg_dir/data" -U razazu --auth=trust -E UTF8 >/dev/null
"${run_as[@]}" "$pg_bin/pg_ctl" -D "$pg_dir/data" -l "$pg_dir/log" -w \
  -o "-p $pg_port -k $pg_dir -c listen_addresses=127.0.0.1 -c fsync=off -c max_connections=200" start >/dev/null
"${run_as[@]}" "$pg_bin/createdb" -h 127.0.0.1 -p "$pg_port" -U razazu razazu_test
export RAZAZU_TEST_PG="host=127.0.0.1 port=$pg_port database=razazu_test user=razazu"
echo "PostgreSQL test server on port $pg_port"
trap '"${run_as[@]}" "$pg_bin/pg_ctl" -D "$pg_dir/data" -m immediate stop >/dev/null 2>&1; rm -rf "$pg_dir"' EXIT
