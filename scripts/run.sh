#!/usr/bin/env bash
# Installs what is missing (a PDF printer among it), builds, sets up a
# program folder with a fresh SQLite data store on first use, and starts the
# program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
# Only the program prints: the tests do without CUPS.
scripts/install-pdf-printer.sh || echo "The PDF printer is not available."
RAZAZU_BUILD_DIR=${RAZAZU_BUILD_DIR:-build} scripts/build.sh -DRAZAZU_BUILD_TESTS=OFF -DRAZAZU_BUILD_BENCH=OFF
build_dir=${RAZAZU_BUILD_DIR:-build}

# The program folder holds the INI file, the per-user folders and, on a
# single workstation, the data directory.
export RAZAZU_HOME=${RAZAZU_HOME:-$HOME/Razazu}
mkdir -p "$RAZAZU_HOME"
if [ -x "$build_dir/src/app/razazu-einrichten" ]; then
  "$build_dir/src/app/razazu-einrichten" "$RAZAZU_HOME"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
  echo "No display found: starting the program under Xvfb (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build_dir/src/app/razazu"
fi
exec "$build_dir/src/app/razazu"
