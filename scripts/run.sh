#!/usr/bin/env bash
# Builds the library, the reference host and the kova calculator, then runs the calculator:
#   scripts/run.sh                      a worked example on the embedded databank
#   scripts/run.sh <kova arguments...>  any calculation (see build/kova --help)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# Sets every option this build relies on: the folder is shared with scripts/test.sh.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKOVA_BUILD_CLI=ON -DKOVA_SANITIZE= -DKOVA_BUILD_FUZZ=OFF >/dev/null
cmake --build build -j"$(nproc)" --target kova_cli >/dev/null
if [ $# -eq 0 ]; then
  set -- dean-stiel --components methane,ethane --x 0.8,0.2 --t 320 --p 5e6
  echo "kova $*"
fi
exec build/kova "$@"
