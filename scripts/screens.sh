#!/usr/bin/env bash
# Renders every form and dialog the main window opens to PNG files, headless,
# for anyone changing a form to look at: scripts/screens.sh [folder]
# (default: build/screens). Scrolling forms are written whole as well.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screens}
build_dir=${RAZAZU_BUILD_DIR:-build}
scripts/install-packages.sh
RAZAZU_BUILD_DIR=$build_dir scripts/build.sh -DRAZAZU_BUILD_TESTS=ON -DRAZAZU_FULL_DEBUG_INFO=OFF
mkdir -p "$out"
out=$(cd "$out" && pwd)
rm -f "$out"/*.png
QT_QPA_PLATFORM=offscreen RAZAZU_SCREENS_DIR="$out" \
  "$build_dir/tests/app/test_app" --gtest_filter='Bildschirm.*' --gtest_brief=1 2>/dev/null || true
echo "$(ls "$out"/*.png | wc -l) Bilder in $out"
