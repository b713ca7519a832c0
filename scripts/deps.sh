#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing; quiet when none is.
# `deps.sh` installs what building and running need; `deps.sh --tests` adds what only the tests and
# benchmarks use (the test and benchmark libraries, the office suite and PDF tools that check
# the reports, and clang with libFuzzer for the fuzz targets).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libsqlite3-dev libcairo2-dev libpango1.0-dev fonts-wqy-zenhei fonts-liberation2 fonts-dejavu-core
  # the plate engine: Eigen, CGAL's mesher, CHOLMOD over a one-thread optimised BLAS
  libeigen3-dev libcgal-dev libsuitesparse-dev libopenblas0-serial
  # the union of the embedded anchors' concrete cones: Boost.Geometry
  libboost-dev
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  libreoffice-writer-nogui poppler-utils clang
)
if [ "${1:-}" = "--tests" ]; then
  packages+=("${test_packages[@]}")
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
