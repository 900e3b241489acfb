#!/usr/bin/env bash
# Builds everything and runs every test: the release build's suite (unit, conformance,
# write audit, binary-interface and Fortran-caller tests), the Python package's tests, the
# whole suite again in an address and undefined-behaviour sanitizer build, the many-threads
# stress test in a thread-sanitizer build, the bit-for-bit reproducibility check across
# optimisation levels and instruction sets, and a short fuzzing pass of every routine family.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)

echo "== release build (its ctest includes the Python package's pytest run, python_package)"
# Every option the suite relies on is set here: build/ may have been configured otherwise
# (scripts/run.sh shares it), and a test run that finds no tests is a failure.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKOVA_BUILD_TESTS=ON -DKOVA_BUILD_CLI=ON -DKOVA_BUILD_PYTHON=ON \
  -DKOVA_BUILD_FORTRAN_TESTS=ON -DKOVA_SANITIZE= -DKOVA_BUILD_FUZZ=OFF >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build -j"$jobs" --output-on-failure --no-tests=error

echo "== installed tree, Debian package and the programs built against them"
scripts/consumers.sh

echo "== validation report (figures and deviation table against the tests' bounds)"
MPLBACKEND=Agg /usr/bin/python3 -m pytest -q -p no:warnings tests/validation

echo "== sanitizer build (address, undefined)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKOVA_SANITIZE=address,undefined -DKOVA_BUILD_TESTS=ON \
  -DKOVA_BUILD_CLI=OFF -DKOVA_BUILD_FORTRAN_TESTS=ON -DKOVA_BUILD_FUZZ=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan -j"$jobs" --output-on-failure --no-tests=error

echo "== thread-sanitizer build: the many-threads stress test alone (no address randomisation, for TSan)"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOVA_SANITIZE=thread -DKOVA_BUILD_TESTS=ON -DKOVA_BUILD_CLI=OFF \
  -DKOVA_BUILD_FUZZ=OFF >/dev/null
cmake --build build-tsan -j"$jobs" --target kova_threads_test
TSAN_OPTIONS="halt_on_error=1" setarch "$(uname -m)" -R build-tsan/tests/kova_threads_test

echo "== memcheck (valgrind) over the release suite"
scripts/memcheck.sh

echo "== reproducibility (-O0, -O2, -O2 -march=native)"
scripts/repro.sh

echo "== short fuzzing pass"
scripts/fuzz.sh "${KOVA_FUZZ_SECONDS:-10}"
