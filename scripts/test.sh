#!/usr/bin/env bash
# Installs what is missing, builds everything, starts a local PostgreSQL
# server for the data-store tests, and runs every test with ctest, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
build_dir=${RAZAZU_BUILD_DIR:-build}
# Function names and lines are debug information enough for a backtrace and
# cost far less to build than full debug information.
RAZAZU_BUILD_DIR=$build_dir scripts/build.sh -DRAZAZU_BUILD_TESTS=ON -DRAZAZU_FULL_DEBUG_INFO=OFF

export QT_QPA_PLATFORM=offscreen
if [ -z "${RAZAZU_TEST_PG:-}" ]; then
  source scripts/start-postgres.sh
fi

# The file readers' fuzz targets run for a bounded time first, so that
# ctest's summary is the last thing printed.
if [ -x scripts/run-fuzzers.sh ]; then
  scripts/run-fuzzers.sh
fi

ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)" --timeout 900
