#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers and runs every test, then each fuzz target
# for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --tests
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQELT_SANITIZE=ON >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j "$(nproc)"
bash scripts/fuzz.sh 20
