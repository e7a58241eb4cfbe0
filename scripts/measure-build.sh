#!/usr/bin/env bash
# Measures what a clean build costs: configures a fresh build folder as
# scripts/test.sh does, builds it with ccache off, and prints the CPU time
# (user + system), the lines of C++ in src/, tests/ and bench/, and the CPU
# minutes per 10,000 lines (at most 4, so that five times the code still
# builds within an hour on two cores). The machine may be busy with other
# work: CPU time, not wall time, is the figure. RAZAZU_BUILD_JOBS sets the
# parallel jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${RAZAZU_MEASURE_BUILD_DIR:-build-measure}
rm -rf "$build_dir"

times=$(mktemp)
trap 'rm -f "$times"' EXIT
# The options scripts/test.sh builds with.
CCACHE_DISABLE=1 RAZAZU_BUILD_DIR=$build_dir /usr/bin/time -f '%U %S %e' -o "$times" \
  scripts/build.sh -DRAZAZU_BUILD_TESTS=ON -DRAZAZU_FULL_DEBUG_INFO=OFF >/dev/null
read -r user sys wall < "$times"

lines=$(find src tests bench -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | wc -l)
awk -v u="$user" -v s="$sys" -v w="$wall" -v l="$lines" 'BEGIN {
  cpu = (u + s) / 60
  printf "CPU minutes: %.1f (user %.1f, system %.1f; wall %.1f)\n", cpu, u / 60, s / 60, w / 60
  printf "Lines of C++: %d\n", l
  printf "CPU minutes per 10,000 lines: %.2f\n", cpu * 10000 / l
}'
