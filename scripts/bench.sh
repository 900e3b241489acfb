#!/usr/bin/env bash
# The benchmark table in one command: builds the release benchmark program, runs every
# benchmark three times (medians of the CPU time, so that other work on the machine weighs
# as little as possible) and prints, per routine and size, calls per second and the overhead
# ratio routine time / bare time, both from this one run, with the host equation-of-state
# counters of the TRAPP and water routines.
#   scripts/bench.sh [extra benchmark options, e.g. --benchmark_filter=MUV2]
# Writes build-bench/bench.json (raw results) and build-bench/bench.md (the table).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKOVA_BUILD_BENCH=ON -DKOVA_BUILD_TESTS=OFF \
  -DKOVA_BUILD_CLI=OFF -DKOVA_SANITIZE= -DKOVA_BUILD_FUZZ=OFF >/dev/null
cmake --build build-bench -j2 --target kova_bench >/dev/null
LD_LIBRARY_PATH=build-bench build-bench/bench/kova_bench --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true --benchmark_min_time=0.2 --benchmark_format=json \
  --benchmark_out=build-bench/bench.json --benchmark_out_format=json "$@" >/dev/null
python3 scripts/bench_table.py build-bench/bench.json | tee build-bench/bench.md
