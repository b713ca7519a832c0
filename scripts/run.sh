#!/usr/bin/env bash
# Installs what is missing, builds, and runs the host program: `scripts/run.sh [qelt arguments]`.
# The program runs in the caller's folder, so that relative paths (--store, --out, --script …) are
# the caller's; the build reads nothing of the caller's stdin, which may be the script.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
(
  cd "$root"
  bash scripts/deps.sh
  cmake -S . -B build/main -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQELT_TESTS=OFF -DQELT_BENCH=OFF >/dev/null
  cmake --build build/main >/dev/null
) </dev/null
if [ $# -eq 0 ]; then
  # The first command on its default input, with a store and its reports of its own under build/run.
  set -- run C:ZHJMJS --store "$root/build/run/store.db" --out "$root/build/run"
fi
exec "$root/build/main/platform/host/app/qelt" "$@"
