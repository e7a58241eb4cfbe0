#!/usr/bin/env bash
# Builds the libFuzzer targets of the foreign-file readers with clang and runs
# each for a fixed number of inputs from a fixed seed on its seed corpus
# (tests/fuzz/corpus/<reader>; the Access reader also gets the sample database
# of the tests), so that a run gives the same result on every machine. A
# crash ends the script with an error and leaves the input under
# $build_dir/fuzz-findings. RAZAZU_FUZZ_SECONDS=N fuzzes for N seconds from a
# random seed instead, to look for new findings by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${RAZAZU_FUZZ_BUILD_DIR:-build-fuzz}
seconds=${RAZAZU_FUZZ_SECONDS:-}
read -r -a readers <<< "${RAZAZU_FUZZ_READERS:-dbase paradox access delimited texttable}"

sanitize="-fsanitize=fuzzer-no-link,address"
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRAZAZU_BUILD_FUZZ=ON -DRAZAZU_BUILD_BENCH=OFF -DRAZAZU_FULL_DEBUG_INFO=OFF \
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
  # mdbtools leaks on damaged files (a few megabytes an input), which adds up
  # in one fuzzing process: the Access reader gets fewer inputs.
  if [ -n "$seconds" ]; then
    bound=(-max_total_time="$seconds")
    echo "Fuzzing the $reader reader for ${seconds}s"
  else
    runs=100000
    [ "$reader" = access ] && runs=150
    bound=(-runs="$runs" -seed=1)
    echo "Fuzzing the $reader reader with $runs inputs"
  fi
  # The libraries keep some memory on their error paths by design; leaks are
  # not what this run looks for.
  if ! ASAN_OPTIONS=detect_leaks=0 "$build_dir/tests/fuzz/${reader}_fuzz" \
      "${bound[@]}" -timeout=10 -rss_limit_mb=3072 -malloc_limit_mb=1024 -print_final_stats=1 \
      -artifact_prefix="$findings/${reader}-" "$corpus" >"$findings/$reader.log" 2>&1; then
    tail -n 60 "$findings/$reader.log"
    rm -rf "$corpus"
    echo "The $reader reader crashed; the input is in $findings."
    exit 1
  fi
  grep -E "stat::number_of_executed_units" "$findings/$reader.log" || true
  rm -rf "$corpus"
done
