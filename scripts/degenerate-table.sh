#!/usr/bin/env bash
# Regenerates the table of docs/degenerate-inputs.md from the library's behaviour (the test
# DegenerateInputs.TableIsCurrent fails until this is run after a change of behaviour).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKOVA_BUILD_TESTS=ON -DKOVA_SANITIZE= -DKOVA_BUILD_FUZZ=OFF >/dev/null
cmake --build build -j"$(nproc)" --target kova_degenerate_table >/dev/null
table=$(cd build && LD_LIBRARY_PATH=. tests/kova_degenerate_table)
python3 - "$table" <<'PY'
import sys, re
path = "docs/degenerate-inputs.md"
text = open(path).read()
begin, end = "<!-- table begin -->\n", "<!-- table end -->"
a = text.index(begin) + len(begin)
b = text.index(end)
open(path, "w").write(text[:a] + sys.argv[1] + "\n" + text[b:])
PY
echo "docs/degenerate-inputs.md updated"
