#!/usr/bin/env python3
"""The benchmark table from kova_bench's JSON output (medians of three repetitions).

Each routine benchmark is paired with the bare evaluation of the same formula at the same
size; the ratio of their median CPU times is the library's overhead on the common path.
Routines that call the host (equation of state, vapour pressure, pure-component property
routines) have no bare counterpart, or one that leaves out the host's work (the water
routines' formulas at a given density): their ratio is shown in the column of host-bound
ratios and is no overhead target.
"""
import json
import re
import sys

# Benchmark name (without arguments) -> (routine, bare benchmark or None, closed form?).
# Names not listed are paired with NAME_bare when that exists.
SPECIAL = {
    "BM_MUV005_low_pressure": ("KOVA_MUV005 (T > Tc)", "BM_MUV005_low_pressure_bare", True),
    "BM_MUV005_with_host": ("KOVA_MUV005 (host Psat)", None, False),
    "BM_MUL004_liquid": ("KOVA_MUL004 liquid", "BM_mu_bare", False),
    "BM_MUV004_vapour": ("KOVA_MUV004 vapour", "BM_mu_bare", False),
    "BM_MUV004_near_critical": ("KOVA_MUV004 near-critical", "BM_mu_bare", False),
    "BM_KL004_liquid": ("KOVA_KL004 liquid", "BM_lambda_bare", False),
    "BM_KV005_vapour": ("KOVA_KV005 vapour", "BM_lambda_bare", False),
    "BM_KV005_near_critical": ("KOVA_KV005 near-critical", "BM_lambda_bare", False),
    "BM_SIRK_ES34": ("host SIRK_ES34 alone", None, False),
}
HOST = {"DV002", "DL001", "DL102", "DL103", "MUVL01"}
# TRAPP wrappers by phase flag (1 vapour, 2 liquid).
TRAPP = {"BM_MU_each": ("KOVA_MUV003", "KOVA_MUL003"), "BM_MU_mix": ("KOVA_MUV203", "KOVA_MUL204"),
         "BM_K_each": ("KOVA_KV004", "KOVA_KL003"), "BM_K_mix": ("KOVA_KV203", "KOVA_KL202")}
TRAPP_CASE = {"0": "n-hexane", "1": "5 alkanes"}


def split(name):
    base, _, args = name.partition("/")
    return base, args


def label(base, args):
    """Routine name and size label of a routine benchmark."""
    if base in SPECIAL:
        return SPECIAL[base][0], args or "1"
    parts = dict(a.split(":") for a in args.split("/") if ":" in a)
    if base in TRAPP:
        phase = "vapour" if parts["kvl"] == "1" else "liquid"
        return f"{TRAPP[base][int(parts['kvl']) - 1]} {phase}", TRAPP_CASE[parts["mixture"]]
    routine = base.removeprefix("BM_")
    if base == "BM_MUVL01":
        phase = "vapour" if parts["kvl"] == "1" else "liquid"
        return f"KOVA_MUVL01 {phase}", TRAPP_CASE[parts["mixture"]]
    if base == "BM_MUVL01_size":
        phase = "vapour" if parts["kvl"] == "1" else "liquid"
        return f"KOVA_MUVL01 {phase}", f"{parts['n']} (databank)"
    if base == "BM_MUL205":
        n, bio = args.split("/")
        return "KOVA_MUL205" + (" (bio)" if bio == "1" else ""), n
    return "KOVA_" + routine, args


def main(path):
    with open(path) as f:
        data = json.load(f)
    med = {}
    counters = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name", "median") != "median" or b.get("run_type") == "iteration" and "aggregate_name" in b:
            continue
        name = b.get("run_name", b["name"])
        med[name] = b["cpu_time"] * {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b["time_unit"]]
        counters[name] = {k: v for k, v in b.items() if k in ("es34_per_call", "es34_share", "ES15/call",
                                                                  "PSATWI/call", "host_share")}
    rows = []
    for name, t in med.items():
        base, args = split(name)
        if base.endswith("_bare") or base.startswith("BM_threads_"):
            continue
        routine, size = label(base, args)
        bare_name = None
        closed = True
        if base in SPECIAL:
            bare_base, closed = SPECIAL[base][1], SPECIAL[base][2]
            if bare_base:
                bare_name = bare_base + (("/" + args) if args else "")
        elif base in TRAPP or base.startswith("BM_MUVL01"):
            closed = False
        else:
            if base.removeprefix("BM_") in HOST:
                closed = False
            first = args.split("/")[0] if args else ""
            bare_name = base + "_bare" + ("/" + first if first else "")
            if base == "BM_MUL205" and args.endswith("/1"):
                bare_name, closed = None, False
        if bare_name and bare_name not in med:
            bare_name = med.get(bare_name.split("/")[0]) and bare_name.split("/")[0]
        ratio = t / med[bare_name] if bare_name and bare_name in med else None
        if base == "BM_DL004" and size == "1":
            ratio = None  # no pair to evaluate: the bare form does nothing
        rows.append((routine, size, 1.0 / t, ratio, closed, counters.get(name, {})))

    def key(r):
        m = re.match(r"(\d+)", r[1])
        return (r[0], int(m.group(1)) if m else 0, r[1])

    rows.sort(key=key)
    print("| routine | N / case | calls/s | overhead ratio | host-bound ratio | host EOS calls/call | host share |")
    print("|---|---|---:|---:|---:|---:|---:|")
    worst = []
    for routine, size, cps, ratio, closed, c in rows:
        r = f"{ratio:.2f}" if ratio is not None else ""
        eos = c.get("es34_per_call", c.get("ES15/call"))
        share = c.get("es34_share", c.get("host_share"))
        eos_s = f"{eos:.1f}" if eos is not None else ""
        if "PSATWI/call" in c and c["PSATWI/call"]:
            eos_s += f" (+{c['PSATWI/call']:.1f} Psat)"
        share_s = f"{100 * share:.0f} %" if share is not None else ""
        print(f"| {routine} | {size} | {cps:,.0f} | {r if closed else ''} | {'' if closed else r} | {eos_s} | {share_s} |")
        if closed and ratio is not None:
            worst.append((ratio, routine, size))
    worst.sort(reverse=True)
    print()
    print("Worst overhead ratios (closed-form routines): " +
          ", ".join(f"{r} N={s}: {x:.2f}" for x, r, s in worst[:8]))
    over = [w for w in worst if w[0] > 1.2]
    print(f"{len(over)} of {len(worst)} closed-form cases above 1.2.")
    scaling_table(data)


def scaling_table(data):
    """Calls per second (all threads together, wall time) of the many-threads benchmarks."""
    rate = {}
    for b in data["benchmarks"]:
        name = b.get("run_name", b["name"])
        if not name.startswith("BM_threads_") or b.get("aggregate_name", "median") != "median":
            continue
        rate.setdefault(split(name)[0].removeprefix("BM_threads_"), {})[int(name.rsplit(":", 1)[1])] = \
            b["items_per_second"]
    if not rate:
        return
    print()
    print("| routine | 1 thread calls/s | 2 threads | 4 threads | 2 threads / 1 | 4 threads / 1 |")
    print("|---|---:|---:|---:|---:|---:|")
    for routine, r in sorted(rate.items()):
        one = r.get(1)
        cells = [f"{r[k]:,.0f}" if k in r else "" for k in (1, 2, 4)]
        ratios = [f"{r[k] / one:.2f}" if one and k in r else "" for k in (2, 4)]
        print(f"| KOVA_{routine} | " + " | ".join(cells + ratios) + " |")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "build-bench/bench.json")
