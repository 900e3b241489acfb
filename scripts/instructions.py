"""Instructions per routine call, counted under callgrind, for two builds of the benchmark
program: a base revision and the working tree. Counts do not move with the machine's load as
times do, so they can show a change of one per cent that timed ratios on a shared machine
cannot.

    instructions.py BASE_BENCH NEW_BENCH [REGEX]

Each benchmark (the routines at N = 1 and 10 and the single-case ones; REGEX narrows the list)
runs once under callgrind per build. A routine's count is its inclusive count (its own code,
the maths library and any host routine it calls) divided by its number of calls, read from the
raw profile. Prints a Markdown table.
"""
import concurrent.futures
import os
import re
import subprocess
import sys
import tempfile

FILTER = r"^BM_[A-Z0-9]+(_liquid|_vapour|_low_pressure|_with_host|_near_critical)?(/1|/10)?$"


def routine_of(benchmark):
    return "KOVA_" + re.match(r"BM_([A-Z0-9]+)", benchmark).group(1)


def per_call(program, benchmark, workdir):
    """Inclusive instructions per call of the benchmark's routine."""
    out = os.path.join(workdir, re.sub(r"\W", "_", program + benchmark) + ".cg")
    subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out, program,
                    "--benchmark_filter=^" + benchmark + "$", "--benchmark_min_time=0.05"],
                   check=True, capture_output=True)
    routine = routine_of(benchmark)
    names, callee, calls, inclusive = {}, None, 0, 0
    # The profile names each function once as "(id) name" and refers to it by "(id)" after.
    # A "calls=" line follows the callee it counts; the line after it holds the inclusive cost.
    counting = False
    with open(out) as f:
        for line in f:
            m = re.match(r"^c?fn=\((\d+)\)(?: (.*))?$", line.rstrip("\n"))
            if m:
                if m.group(2):
                    names[m.group(1)] = m.group(2)
                if line.startswith("cfn="):
                    callee = names.get(m.group(1))
                continue
            if line.startswith("calls="):
                counting = callee == routine
                if counting:
                    calls += int(line.split()[0][len("calls="):])
                continue
            if counting:
                inclusive += int(line.split()[-1])
                counting = False
    return inclusive / calls if calls else float("nan")


def main():
    base, new = sys.argv[1], sys.argv[2]
    narrow = sys.argv[3] if len(sys.argv) > 3 else ""
    listed = subprocess.run([new, "--benchmark_list_tests", "--benchmark_filter=" + FILTER],
                            check=True, capture_output=True, text=True).stdout.split()
    benchmarks = [b for b in listed if re.search(narrow, b)]
    with tempfile.TemporaryDirectory() as workdir, concurrent.futures.ThreadPoolExecutor(2) as pool:
        jobs = {(b, p): pool.submit(per_call, p, b, workdir) for b in benchmarks for p in (base, new)}
        print("| benchmark | instructions/call, base | this tree | change |")
        print("|---|---:|---:|---:|")
        for b in benchmarks:
            before, after = jobs[(b, base)].result(), jobs[(b, new)].result()
            print(f"| {b[3:]} | {before:,.0f} | {after:,.0f} | {100 * (after / before - 1):+.1f} % |")


if __name__ == "__main__":
    main()
