#!/usr/bin/env bash
# Fuzzes every routine family with libFuzzer under the address and undefined-behaviour
# sanitizers, starting from (and adding to) the corpus kept in fuzz/corpus/<family>.
#   scripts/fuzz.sh            a long run: 10 minutes per family
#   scripts/fuzz.sh SECONDS    SECONDS per family (CI runs a short pass)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKOVA_SANITIZE=address,undefined -DKOVA_BUILD_FUZZ=ON -DKOVA_BUILD_TESTS=OFF -DKOVA_BUILD_CLI=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)"
status=0
for target in build-fuzz/fuzz/fuzz_*; do
  family=${target##*/fuzz_}
  mkdir -p fuzz/corpus/"$family"
  echo "== fuzz $family (${seconds}s)"
  # Each call must finish within 5 s (a hang is a finding); trace output is discarded.
  if ! "$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=4096 \
       -print_final_stats=1 fuzz/corpus/"$family" >build-fuzz/"$family".log 2>&1; then
    tail -n 40 build-fuzz/"$family".log
    status=1
  else
    grep -E "stat::number_of_executed_units|Done|nothing to fuzz" build-fuzz/"$family".log | tail -n 2 || true
  fi
done
exit $status
