#!/usr/bin/env bash
# Configures and builds into build/ (or $RAZAZU_BUILD_DIR), with
# $RAZAZU_BUILD_JOBS parallel jobs (all cores by default).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${RAZAZU_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build_dir" --parallel "${RAZAZU_BUILD_JOBS:-$(nproc)}"
