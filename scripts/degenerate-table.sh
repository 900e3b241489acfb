#!/usr/bin/env bash
# Regenerates the tables of docs/degenerate-inputs.md from the library's behaviour: degenerate
# inputs, bad host answers and bad host words (the tests DegenerateInputs.TableIsCurrent and
# HostFaults.TablesAreCurrent fail until this is run after a change of behaviour).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKOVA_BUILD_TESTS=ON -DKOVA_SANITIZE= -DKOVA_BUILD_FUZZ=OFF >/dev/null
cmake --build build -j"$(nproc)" --target kova_degenerate_table >/dev/null
run() { (cd build && LD_LIBRARY_PATH=. tests/kova_degenerate_table "$@"); }
/usr/bin/python3 - "$(run)" "$(run host-faults)" "$(run host-words)" <<'PY'
import sys
path = "docs/degenerate-inputs.md"
text = open(path).read()
for name, table in (("table", sys.argv[1]), ("host faults", sys.argv[2]), ("host words", sys.argv[3])):
    begin, end = "<!-- %s begin -->\n" % name, "<!-- %s end -->" % name
    a = text.index(begin) + len(begin)
    b = text.index(end)
    text = text[:a] + table + "\n" + text[b:]
open(path, "w").write(text)
PY
echo "docs/degenerate-inputs.md updated"
