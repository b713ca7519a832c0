#!/usr/bin/env bash
# Installs what is missing, builds, and runs the host program: `scripts/run.sh [qelt arguments]`.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build/main -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQELT_TESTS=OFF -DQELT_BENCH=OFF >/dev/null
cmake --build build/main >/dev/null
if [ $# -eq 0 ]; then
  # The first command on its default input, with a store and its reports of its own under build/run.
  set -- run C:ZHJMJS --store build/run/store.db --out build/run
fi
exec build/main/platform/host/app/qelt "$@"
