#!/usr/bin/env bash
# Runs the unit, conformance and write-audit suite under valgrind's memcheck: any invalid
# read or write, use of uninitialised memory or leak fails the run. Blocks that are only
# "possibly lost" (the unit database that UDUNITS-2 keeps for the life of the process) are
# neither errors nor listed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKOVA_BUILD_TESTS=ON -DKOVA_SANITIZE= -DKOVA_BUILD_FUZZ=OFF >/dev/null
cmake --build build -j"$(nproc)" --target kova_tests >/dev/null
valgrind --tool=memcheck --error-exitcode=1 --leak-check=full --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
  --track-origins=yes --quiet build/tests/kova_tests --gtest_brief=1 "$@"
echo "memcheck: clean"
