#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (build/fuzz) and runs each for SECONDS (20 when
# not given) over its seeds in tests/fuzz/corpus/<target> and what earlier runs found in
# build/fuzz/corpus/<target>. A finding is left as build/fuzz/findings/<kind>-<hash> and fails the run.
#   scripts/fuzz.sh [SECONDS] [TARGET…]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-20}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(resource_script user_script rtf report_rows stored_value numbers data_exchange)

CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQELT_FUZZ=ON \
  -DQELT_TESTS=OFF -DQELT_BENCH=OFF >/dev/null
cmake --build build/fuzz --target "${targets[@]/#/fuzz_}"

mkdir -p build/fuzz/findings
for target in "${targets[@]}"; do
  mkdir -p "build/fuzz/corpus/$target"
  dictionary=()
  [ -f "tests/fuzz/$target.dict" ] && dictionary=("-dict=$root/tests/fuzz/$target.dict")
  echo "fuzz_$target: ${seconds} s"
  # The readers' diagnostics go to stderr on every bad input: closed (-close_fd_mask), while the
  # sanitizers' and libFuzzer's reports still reach the log.
  log="build/fuzz/$target.log"
  if ! (cd build/fuzz/tests/fuzz && "./fuzz_$target" "${dictionary[@]}" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 -close_fd_mask=3 \
      -artifact_prefix="$root/build/fuzz/findings/" \
      "$root/build/fuzz/corpus/$target" "$root/tests/fuzz/corpus/$target") >"$log" 2>&1; then
    grep -v '^#\|^INFO\|^"' "$log" | tail -60
    echo "fuzz_$target found: $(ls build/fuzz/findings)"
    exit 1
  fi
  grep '^Done' "$log"
done
