#!/usr/bin/env bash
# Instructions per routine call under callgrind, this tree against a base revision: the
# measure of a change's single-thread cost that the machine's load does not disturb.
#   scripts/instructions.sh BASE_REVISION [BENCHMARK_REGEX]
# Builds the benchmark program of BASE_REVISION in build-instructions/ (a detached worktree)
# and of this tree in build-bench/, runs each benchmark once under each, and prints a Markdown
# table. Takes about two minutes on two cores after the builds.
set -euo pipefail
cd "$(dirname "$0")/.."
base=${1:?usage: scripts/instructions.sh BASE_REVISION [BENCHMARK_REGEX]}
options=(-DCMAKE_BUILD_TYPE=Release -DKOVA_BUILD_BENCH=ON -DKOVA_BUILD_TESTS=OFF -DKOVA_BUILD_CLI=OFF
         -DKOVA_SANITIZE= -DKOVA_BUILD_FUZZ=OFF -DKOVA_BUILD_PYTHON=OFF)
rm -rf build-instructions
git worktree prune
git worktree add --detach build-instructions/src "$base" >/dev/null
trap 'git worktree remove --force build-instructions/src' EXIT
cmake -S build-instructions/src -B build-instructions/build "${options[@]}" >/dev/null
cmake --build build-instructions/build -j2 --target kova_bench >/dev/null
cmake -S . -B build-bench "${options[@]}" >/dev/null
cmake --build build-bench -j2 --target kova_bench >/dev/null
/usr/bin/python3 scripts/instructions.py build-instructions/build/bench/kova_bench build-bench/bench/kova_bench "${2:-}"
