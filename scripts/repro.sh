#!/usr/bin/env bash
# Bit-for-bit reproducibility: every routine's results over fixed cases from an -O0 build,
# the release build and a build for this machine's instruction set (-march=native) must be
# identical (the library is built with -ffp-contract=off and without fast-math for this).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
declare -A flags=([O0]="-O0" [release]="-O2" [native]="-O2 -march=native")
for name in O0 release native; do
  cmake -S . -B build-repro-"$name" -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="${flags[$name]}" \
    -DKOVA_BUILD_TESTS=ON -DKOVA_BUILD_CLI=OFF -DKOVA_SANITIZE= -DKOVA_BUILD_FUZZ=OFF >/dev/null
  cmake --build build-repro-"$name" -j"$jobs" --target kova_repro >/dev/null
  (cd build-repro-"$name" && LD_LIBRARY_PATH=. tests/kova_repro > ../build-repro-"$name".txt)
done
lines=$(wc -l < build-repro-release.txt)
if cmp -s build-repro-O0.txt build-repro-release.txt && cmp -s build-repro-release.txt build-repro-native.txt; then
  echo "reproducibility: $lines cases bit-identical at -O0, -O2 and -O2 -march=native"
else
  diff build-repro-O0.txt build-repro-release.txt | head -n 20 || true
  diff build-repro-release.txt build-repro-native.txt | head -n 20 || true
  echo "reproducibility: results differ between builds" >&2
  exit 1
fi
