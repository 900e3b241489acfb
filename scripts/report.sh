#!/usr/bin/env bash
# Regenerates the validation report docs/validation/ (README.md, summary.csv and the figures):
# every model against the reference data the repository holds, through the kova calculator.
# Runs on Debian's python3 with python3-matplotlib, python3-numpy and python3-iapws (from deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
py=/usr/bin/python3  # Debian's interpreter, with the Debian packages deps.sh installs
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKOVA_BUILD_CLI=ON -DKOVA_BUILD_PYTHON=ON -DKOVA_SANITIZE= -DKOVA_BUILD_FUZZ=OFF >/dev/null
cmake --build build -j"$(nproc)" --target kova_python kova_cli >/dev/null
[ $# -eq 0 ] && rm -f docs/validation/*.png
MPLBACKEND=Agg "$py" scripts/report.py "$@"
