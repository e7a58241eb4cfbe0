#!/usr/bin/env bash
# Builds the libFuzzer targets of the foreign-file readers with clang and runs
# each for a short, bounded time on its seed corpus (tests/fuzz/corpus/<reader>,
# the Access sample database of the tests for the Access reader). A crash
# ends the script with an error and leaves the input under
# $build_dir/fuzz-findings.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${RAZAZU_FUZZ_BUILD_DIR:-build-fuzz}
seconds=${RAZAZU_FUZZ_SECONDS:-20}
read -r -a readers <<< "${RAZAZU_FUZZ_READERS:-dbase paradox access delimited texttable}"

sanitize="-fsanitize=fuzzer-no-link,address"
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRAZAZU_BUILD_FUZZ=ON -DRAZAZU_BUILD_BENCH=OFF \
  -DCMAKE_C_FLAGS="$sanitize" -DCMAKE_CXX_FLAGS="$sanitize" >/dev/null
cmake --build "$build_dir" --target fuzz_targets --parallel "$(nproc)"

findings="$build_dir/fuzz-findings"
mkdir -p "$findings"
for reader in "${readers[@]}"; do
  corpus=$(mktemp -d)
  if [ -d "tests/fuzz/corpus/$reader" ]; then
    cp -r "tests/fuzz/corpus/$reader/." "$corpus/"
  fi
  if [ "$reader" = access ]; then
    cp tests/platform/files/data/fruit.mdb "$corpus/"
  fi
  echo "Fuzzing the $reader reader for ${seconds}s"
  # The libraries keep some memory on their error paths by design; leaks are
  # not what this run looks for.
  if ! ASAN_OPTIONS=detect_leaks=0 "$build_dir/tests/fuzz/${reader}_fuzz" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/${reader}-" "$corpus" >"$findings/$reader.log" 2>&1; then
    tail -n 60 "$findings/$reader.log"
    rm -rf "$corpus"
    echo "The $reader reader crashed; the input is in $findings."
    exit 1
  fi
  grep -E "stat::number_of_executed_units" "$findings/$reader.log" || true
  rm -rf "$corpus"
done
