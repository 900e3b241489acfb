#!/usr/bin/python3
"""Validation report: every model against the reference data the repository holds.

Writes docs/validation/README.md, docs/validation/summary.csv and the PNG figures. The
reference points and their bounds are read from where the tests read them:

- tests/trapp/validation_data.h: published transport data for seven fluids, with the bound
  the corresponding-states validation test puts on each point;
- tests/validation/bounds.csv: the bounds on the other models' deviations from the same
  points, and on the 1985 water formulations' deviations from the IAPWS 2008/2011 ones;
- tests/validation/worked_examples.json: published worked examples with their tolerances.

tests/validation/test_report.py recomputes a subset and checks the README's numbers against
these bounds, so the report and the tests cannot disagree.

Usage: scripts/report.py [--out DIR] [--only FAMILY,...]
"""
from __future__ import annotations

import argparse
import csv
import functools
import json
import math
import re
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "build" / "python"))  # the package as built (scripts/report.sh builds it)

import matplotlib  # noqa: E402

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

from kova import plot as kp  # noqa: E402

DPI = 90
TRAPP_DATA = ROOT / "tests" / "trapp" / "validation_data.h"
BOUNDS = ROOT / "tests" / "validation" / "bounds.csv"
EXAMPLES = ROOT / "tests" / "validation" / "worked_examples.json"

# Sources of the reference points, by the key the data file uses.
SOURCES = {
    "FEI 1989": "D. G. Friend, J. F. Ely, H. Ingham, J. Phys. Chem. Ref. Data 18 (1989) 583 (methane)",
    "YE 1987": "B. A. Younglove, J. F. Ely, J. Phys. Chem. Ref. Data 16 (1987) 577 (methane, propane, n-butane)",
    "FIE 1991": "D. G. Friend, H. Ingham, J. F. Ely, J. Phys. Chem. Ref. Data 20 (1991) 275 (ethane)",
    "VKBL 1998": "E. Vogel, C. Kuechenmeister, E. Bich, A. Laesecke, J. Phys. Chem. Ref. Data 27 (1998) 947 (propane)",
    "HV 2018": "S. Herrmann, E. Vogel, J. Phys. Chem. Ref. Data 47 (2018) 013104 (n-butane)",
    "MAHP 2013": "E. K. Michailidou et al., J. Phys. Chem. Ref. Data (2013) (n-hexane viscosity)",
    "AMTHP 2013": "M. J. Assael et al., J. Phys. Chem. Ref. Data (2013) (n-hexane conductivity)",
    "SKL 1987": "K. Stephan, R. Krauss, A. Laesecke, J. Phys. Chem. Ref. Data 16 (1987) 993 (nitrogen)",
    "Younglove 1982": "B. A. Younglove, J. Phys. Chem. Ref. Data 11 (1982) Suppl. 1 (nitrogen liquid)",
    "VWOSWM 1990": "V. Vesovic et al., J. Phys. Chem. Ref. Data 19 (1990) 763 (carbon dioxide)",
}
IAPWS_SOURCE = ("IAPWS 2008 viscosity and IAPWS 2011 thermal conductivity with IAPWS-95 densities, "
                "evaluated by Debian's python3-iapws")


# ---------------------------------------------------------------------------------------------
# Reference data and bounds
# ---------------------------------------------------------------------------------------------

def trapp_rows() -> list[dict]:
    """The reference rows of the corresponding-states validation test, with its bounds.
    Viscosity and conductivity are returned in Pa s and W/(m K)."""
    text = TRAPP_DATA.read_text()
    consts = dict(re.findall(r"(k\w+) = ([0-9.]+)", text.split("reference_rows")[0]))
    rows = []
    pat = re.compile(r'\{"([^"]+)",\s*([-0-9.e]+),\s*([-0-9.e]+),\s*([12]),\s*([-0-9.e]+),\s*([-0-9.e]+),'
                     r'\s*(\w+|[0-9.]+),\s*(\w+|[0-9.]+),\s*"([^"]+)"\}')
    for m in pat.finditer(text):
        fluid, t, p, kvl, eta, lam, eb, lb, src = m.groups()

        def bound(b):
            return float(consts[b]) if b in consts else float(b)
        rows.append(dict(fluid=fluid, t=float(t), p=float(p), phase="liquid" if kvl == "2" else "vapour",
                         eta=float(eta) * 1e-6 if float(eta) > 0 else None,
                         lam=float(lam) * 1e-3 if float(lam) > 0 else None,
                         eta_bound=bound(eb), lam_bound=bound(lb), source=src))
    if len(rows) < 50:
        raise RuntimeError(f"{TRAPP_DATA}: read only {len(rows)} reference rows")
    return rows


def source_key(src: str) -> list[str]:
    return [s.strip().rsplit(" ", 1)[0] if s.strip().split()[-1] in ("A1", "A3", "E", "G", "I") else s.strip()
            for s in src.split(",")]


def read_bounds() -> dict:
    """(model, property, fluid) -> bound on the largest |deviation| in per cent."""
    out = {}
    with open(BOUNDS, newline="") as f:
        for r in csv.DictReader(row for row in f if not row.startswith("#")):
            out[(r["model"], r["property"], r["fluid"])] = float(r["max_abs_pct"])
    return out


def read_examples() -> list[dict]:
    return json.loads(EXAMPLES.read_text())["examples"]


# ---------------------------------------------------------------------------------------------
# Models at a state, through the calculator
# ---------------------------------------------------------------------------------------------

@functools.lru_cache(maxsize=None)
def _call(command: str, frozen: tuple) -> dict:
    opts = {k: (list(v) if isinstance(v, tuple) else v) for k, v in frozen}
    return kp.evaluate(command, **opts)


def call(command: str, **options) -> dict:
    frozen = tuple(sorted((k, tuple(v) if isinstance(v, list) else v) for k, v in options.items()))
    return _call(command, frozen)


def first(doc: dict, table: str, key: str) -> float:
    return float(doc["results"][table][0][key])


def trapp(fluid, t, p, phase, prop):
    d = call("trapp", components=[fluid], t=t, p=p, phase=phase)
    return first(d, "components", "MU" if prop == "viscosity" else "K")


def liquid_volume(fluid, t):
    """The reference host's saturated-liquid (Rackett) volume at T."""
    return first(call("li", components=[fluid], t=t, kl=[0.1]), "components", "VL")


def state_volume(fluid, t, p, phase):
    """Molar volume for the volume-based models: the reference host's equation of state at
    (T, P) for a vapour, its Rackett volume for a liquid (the equation of state returns the
    vapour root wherever one exists)."""
    if phase == "liquid":
        return liquid_volume(fluid, t)
    return first(call("chung", components=[fluid], t=t, p=p), "components", "V")


def chung(fluid, t, p, phase, prop):
    d = call("chung", components=[fluid], t=t, volume=state_volume(fluid, t, p, phase))
    return first(d, "components", "MU" if prop == "viscosity" else "K")


def chung_low_pressure(fluid, t):
    """Chung's dilute-gas viscosity and conductivity (1 kPa): the low-pressure values handed
    to the Dean-Stiel and Stiel-Thodos corrections."""
    d = call("chung", components=[fluid], t=t, p=1e3)
    return first(d, "components", "MUVLP"), first(d, "components", "K")


def lucas(fluid, t, p, phase, prop):
    return first(call("lucas", components=[fluid], t=t, p=p), "components", "MUV")


def dean_stiel(fluid, t, p, phase, prop):
    mulp, _ = chung_low_pressure(fluid, t)
    return first(call("dean-stiel", components=[fluid], t=t, p=p, mulp=mulp), "mixture", "MUVMX")


def stiel_thodos(fluid, t, p, phase, prop):
    _, klp = chung_low_pressure(fluid, t)
    v = state_volume(fluid, t, p, phase)
    return first(call("stiel-thodos", components=[fluid], volume=v, klp=[klp]), "components", "KV")


def letsou_stiel(fluid, t, p, phase, prop):
    return first(call("letsou-stiel", components=[fluid], t=t), "components", "MUL")


# model -> (function, properties, which reference rows it covers, what it is)
MODELS = {
    "TRAPP": (trapp, ("viscosity", "conductivity"), lambda r: True,
              "TRAPP corresponding states (`kova trapp`), in the phase of the reference point"),
    "Chung": (chung, ("viscosity", "conductivity"), lambda r: True,
              "Chung-Lee-Starling dense fluid (`kova chung --volume`): vapour points at the volume of the reference host's equation of state, liquid points at its Rackett saturated-liquid volume"),
    "Lucas": (lucas, ("viscosity",), lambda r: r["phase"] == "vapour",
              "Lucas vapour viscosity (`kova lucas`), vapour and supercritical points"),
    "Dean-Stiel": (dean_stiel, ("viscosity",), lambda r: r["phase"] == "vapour",
                   "Dean-Stiel correction (`kova dean-stiel --p`) added to Chung's low-pressure viscosity, vapour and supercritical points"),
    "Stiel-Thodos": (stiel_thodos, ("conductivity",), lambda r: r["phase"] == "vapour",
                     "Stiel-Thodos residual (`kova stiel-thodos`) added to Chung's dilute-gas conductivity, at the volume of the host's equation of state, vapour and supercritical points"),
    "Letsou-Stiel": (letsou_stiel, ("viscosity",), lambda r: r["phase"] == "liquid" and r["p"] <= 3e6,
                     "Letsou-Stiel liquid viscosity (`kova letsou-stiel`, no pressure dependence), liquid points at 3 MPa or less"),
}

PROP = {"viscosity": ("eta", "viscosity (uPa s)", 1e6), "conductivity": ("lam", "thermal conductivity (mW/(m K))", 1e3)}


def model_points(model: str, prop: str, fluids=None) -> list[dict]:
    """Every reference point a model covers, with the model's value and the deviation."""
    func, props, covers, _ = MODELS[model]
    key = PROP[prop][0]
    out = []
    for r in trapp_rows():
        if r[key] is None or not covers(r) or (fluids and r["fluid"] not in fluids):
            continue
        value = func(r["fluid"], r["t"], r["p"], r["phase"], prop)
        out.append(dict(r, ref=r[key], model=value, dev=100.0 * (value / r[key] - 1.0),
                        bound=100.0 * r[key + "_bound"] if model == "TRAPP" else None))
    return out


# ---------------------------------------------------------------------------------------------
# Summary rows: one per model, property and fluid (or water region)
# ---------------------------------------------------------------------------------------------

def summarise(model: str, prop: str, fluid: str, points: list[dict], bound: float) -> dict:
    devs = np.array([p["dev"] for p in points])
    i = int(np.argmax(np.abs(devs)))
    at = points[i]
    where = f"{at['t']:g} K, {at['p'] / 1e6:g} MPa" + (f", {at['phase']}" if "phase" in at else "")
    return dict(model=model, property=prop, fluid=fluid, points=len(points),
                mean_abs_pct=f"{np.mean(np.abs(devs)):.2f}", max_pct=f"{devs[i]:+.2f}", where=where,
                bound_pct=f"{bound:g}")


SUMMARY_FIELDS = ["model", "property", "fluid", "points", "mean_abs_pct", "max_pct", "where", "bound_pct"]


def fluids_of(points):
    seen = []
    for p in points:
        if p["fluid"] not in seen:
            seen.append(p["fluid"])
    return seen


# ---------------------------------------------------------------------------------------------
# Figures
# ---------------------------------------------------------------------------------------------

def save(fig, out: Path, name: str) -> str:
    fig.savefig(out / name, dpi=DPI)
    plt.close(fig)
    return name


def caption_sources(points) -> str:
    keys = []
    for p in points:
        for k in source_key(p["source"]):
            if k not in keys:
                keys.append(k)
    return "; ".join(keys)


def reference_figure(model: str, prop: str, points: list[dict], out: Path) -> str:
    """The model along short isobars through each reference point, the points on them, and
    the deviation beneath, against temperature."""
    func = MODELS[model][0]
    key, ylabel, scale = PROP[prop]
    fig, (ax, axd) = plt.subplots(2, 1, figsize=(7.2, 6.2), sharex=True, gridspec_kw={"height_ratios": [2.2, 1]})
    colours = plt.rcParams["axes.prop_cycle"].by_key()["color"]
    for i, fluid in enumerate(fluids_of(points)):
        c = colours[i % len(colours)]
        mine = [p for p in points if p["fluid"] == fluid]
        groups: dict = {}
        for p in mine:
            groups.setdefault((p["p"], p["phase"]), []).append(p["t"])
        for (pres, phase), ts in groups.items():
            lo, hi = min(ts), max(ts)
            ts_ = np.linspace(lo * 0.93, hi * 1.07, 9)
            ys = []
            for t in ts_:
                try:
                    ys.append(func(fluid, float(t), pres, phase, prop) * scale)
                except kp.KovaCallError:
                    ys.append(np.nan)
            ax.plot(ts_, ys, "-", color=c, lw=1.0, alpha=0.8)
        ax.plot([p["t"] for p in mine], [p["ref"] * scale for p in mine], "o", mfc="none", color=c, ms=5,
                label=fluid)
        axd.plot([p["t"] for p in mine], [p["dev"] for p in mine], "o", color=c, ms=4)
    ax.set_yscale("log")
    ax.set_ylabel(ylabel)
    ax.set_title(f"{model} {prop} against reference data (lines: model along each point's isobar)", fontsize=9)
    ax.legend(fontsize=7, ncol=2)
    ax.grid(True, which="both", alpha=0.25)
    axd.axhline(0, color="k", lw=0.8)
    axd.set_ylabel("model / reference - 1 (%)")
    axd.set_xlabel("temperature T (K)")
    axd.grid(True, alpha=0.3)
    fig.text(0.01, 0.005, "Circles: reference values (" + caption_sources(points) + "; full citations in the "
             "report). Lines: the model at the point's pressure and phase.", fontsize=6.5, wrap=True)
    fig.tight_layout(rect=(0, 0.03, 1, 1))
    return save(fig, out, f"{model.lower()}-{prop}.png")


def model_comparison_figure(prop: str, fluid: str, t: float, models: list[str], out: Path) -> str:
    """Several models of one property against pressure on an isotherm, with the reference
    points of that isotherm."""
    key, ylabel, scale = PROP[prop]
    refs = [r for r in trapp_rows() if r["fluid"] == fluid and r["t"] == t and r[key] is not None]
    ps = np.geomspace(min([1e5] + [r["p"] for r in refs]), 6e7, 26)
    curves = {}
    for m in models:
        func = MODELS[m][0]
        ys = []
        for p in ps:
            try:
                ys.append(func(fluid, t, float(p), "vapour", prop) * scale)
            except kp.KovaCallError:
                ys.append(np.nan)
        curves[m] = np.array(ys)
    reference = {"reference": ([r["p"] / 1e6 for r in refs], [r[key] * scale for r in refs])} if refs else None
    deviation = None
    if refs:
        deviation = {}
        for m in models:
            deviation[m] = ([r["p"] / 1e6 for r in refs],
                            [100 * (MODELS[m][0](fluid, t, r["p"], r["phase"], prop) / r[key] - 1) for r in refs])
    src = caption_sources(refs) if refs else "none at this temperature"
    fig = kp.figure(ps / 1e6, curves, xlabel="pressure P (MPa)", ylabel=ylabel, logx=True,
                    title=f"{fluid} {prop} at {t:g} K: models compared", reference=reference, deviation=deviation,
                    caption=f"Lines: the models through the calculator (Dean-Stiel and Stiel-Thodos on Chung's low-pressure "
                            f"values). Markers: reference data ({src}).")
    return save(fig, out, f"models-{prop}-{fluid.replace(' ', '-')}-{t:g}K.png")


# ---------------------------------------------------------------------------------------------
# Water: the 1985 formulations against IAPWS 2008 / 2011
# ---------------------------------------------------------------------------------------------

WATER_REGIONS = {
    # region: list of (P in MPa, T from, T to), phase chosen from the saturation temperature
    "liquid": [(0.1, 275, 370), (10, 275, 580), (50, 275, 640)],
    "vapour": [(0.01, 320, 1070), (0.1, 375, 1070), (1, 455, 1070), (10, 590, 1070)],
    "supercritical": [(25, 660, 1070), (50, 680, 1070), (100, 700, 1070)],
    "near-critical": [(22.5, 638, 660), (23.5, 638, 660), (25, 640, 665)],
}


def water_points(region: str, n: int = 24) -> list[dict]:
    from iapws import IAPWS95
    from iapws.iapws97 import _TSat_P
    pts = []
    for pm, t0, t1 in WATER_REGIONS[region]:
        for t in np.linspace(t0, t1, n):
            t = float(t)
            phase = "liquid" if pm < 22.064 and t < _TSat_P(pm) else ("vapour" if pm < 22.064 else
                                                                      ("liquid" if t < 647.096 else "vapour"))
            if region == "liquid" and phase != "liquid":
                continue
            try:
                w = IAPWS95(T=t, P=pm)
                if not w.status:
                    continue
            except Exception:  # the reference equation did not converge at this state
                continue
            d = call("water", t=t, p=pm * 1e6, phase=phase)
            row = d["results"]["water"][0]
            pts.append(dict(t=t, p=pm * 1e6, phase=phase, rho=w.rho, mu85=row["MU"], k85=row["K"],
                            mu=w.mu, k=w.k, warned=bool(d.get("messages"))))
    return pts


def water_figures(region: str, pts: list[dict], out: Path) -> list[str]:
    names = []
    for prop, mine, ref, scale, ylabel in (("viscosity", "mu85", "mu", 1e6, "viscosity (uPa s)"),
                                           ("conductivity", "k85", "k", 1e3, "thermal conductivity (mW/(m K))")):
        curves, xc, reference, deviation = {}, {}, {}, {}
        for pm in sorted({p["p"] for p in pts}):
            sel = [p for p in pts if p["p"] == pm]
            lab = f"{pm / 1e6:g} MPa"
            xs = [p["t"] for p in sel]
            curves[f"1985, {lab}"] = [p[mine] * scale for p in sel]
            xc[f"1985, {lab}"] = xs
            reference[f"1985, {lab}"] = (xs, [p[ref] * scale for p in sel], f"IAPWS, {lab}")
            deviation[f"1985, {lab}"] = (xs, [100 * (p[mine] / p[ref] - 1) for p in sel])
        fig = kp.figure(None, curves, xcurves=xc, xlabel="temperature T (K)", ylabel=ylabel,
                        title=f"Water {prop}, {region}: 1985 (lines), IAPWS {'2008' if prop == 'viscosity' else '2011'} (markers)",
                        reference=reference, deviation=deviation, logy=region in ("vapour", "supercritical"),
                        caption="Lines: the library's 1985 formulation at the reference host's IF97 density (`kova water`). "
                                "Circles: " + IAPWS_SOURCE + ".")
        names.append(save(fig, out, f"water-{region}-{prop}.png"))
    return names


def surface_tension_points() -> list[dict]:
    from iapws._iapws import _Tension
    pts = []
    for t in np.linspace(275, 640, 30):
        t = float(t)
        d = call("water", t=t, p=1e5 if t < 370 else 3e7, phase="liquid")
        s = d["results"]["water"][0].get("SIGMA")
        if s is None:
            continue
        ref = _Tension(t)
        pts.append(dict(t=t, p=0.0, model=s, ref=ref, dev=100 * (s / ref - 1)))
    return pts


# ---------------------------------------------------------------------------------------------
# Models without reference data here: their behaviour over their range
# ---------------------------------------------------------------------------------------------

def behaviour_figures(out: Path) -> dict:
    figs = {}
    # Wilke/Brokaw against the Chung and Lucas mixture rules, ammonia-hydrogen at 306.15 K.
    xs = np.linspace(0.0, 1.0, 21)
    mus = [first(call("chung", components=[c], t=306.15, p=1e3), "components", "MUVLP") for c in ("ammonia", "hydrogen")]
    wil, chu, luc = [], [], []
    for x in xs:
        xx = [float(x), float(1 - x)]
        wil.append(first(call("wilke", components=["ammonia", "hydrogen"], x=xx, t=306.15, mulp=mus), "mixture", "MUVXLP"))
        chu.append(first(call("chung", components=["ammonia", "hydrogen"], x=xx, t=306.15, p=101325.0), "mixture", "MUVMXLP"))
        luc.append(first(call("lucas", components=["ammonia", "hydrogen"], x=xx, t=306.15, p=101325.0), "mixture", "MUVMX"))
    fig = kp.figure(xs, {"Wilke/Brokaw (Chung pure values)": np.array(wil) * 1e6, "Chung mixture": np.array(chu) * 1e6,
                         "Lucas mixture": np.array(luc) * 1e6}, xlabel="mole fraction of ammonia",
                    ylabel="viscosity (uPa s)", title="Ammonia-hydrogen vapour at 306.15 K and 1 atm: mixing rules",
                    reference={"PPO example 9-7": ([0.677], [11.63])},
                    caption="Lines: the calculator. Marker: the published value of Poling, Prausnitz, O'Connell (2001) "
                            "example 9-7 (116.3 uP). The repository holds no other mixture viscosity data.")
    figs["wilke"] = save(fig, out, "wilke-ammonia-hydrogen.png")

    # Surface tension of a mixture: the power-law rule for a few exponents.
    curves = {}
    for n in (1, -1, -3):
        curves[f"n = {n}"] = [first(call("surface-tension", components=["benzene", "cyclohexane"], x=[float(x), float(1 - x)],
                                         sigma=[0.0282, 0.0243], nexp=n), "mixture", "SIGMX") * 1e3 for x in xs]
    fig = kp.figure(xs, curves, xlabel="mole fraction of benzene", ylabel="surface tension (mN/m)",
                    title="Benzene-cyclohexane at 298.15 K: power-law mixing rule",
                    reference={"n = 1": ([0.379], [25.8])},
                    caption="Pure values 28.2 and 24.3 mN/m. Marker: API Technical Data Book procedure 10A2.1 example "
                            "(25.8 mN/m, linear rule).")
    figs["sigma-mixture"] = save(fig, out, "surface-tension-mixture.png")

    # Li's rule.
    li = [first(call("li", components=["water", "acetone"], x=[float(x), float(1 - x)], t=300.0,
                     kl=[0.6037, 0.1628], vl=[0.01723, 0.07338]), "mixture", "KLMX") for x in xs]
    lin = [x * 0.6037 + (1 - x) * 0.1628 for x in xs]
    fig = kp.figure(xs, {"Li's rule": np.array(li) * 1e3, "mole-fraction average": np.array(lin) * 1e3},
                    xlabel="mole fraction of the first component", ylabel="thermal conductivity (mW/(m K))",
                    title="Li's rule for a liquid mixture (pure values of the DIPPR 9I example)",
                    reference={"Li's rule": ([0.682], [253.974])},
                    caption="Pure values 0.6037 and 0.1628 W/(m K), molar volumes 0.01723 and 0.07338 m3/kmol. "
                            "Marker: DIPPR procedure 9I example (0.25397 W/(m K)). No measured mixture data held.")
    figs["li"] = save(fig, out, "li-mixture.png")

    # Dawson-Khoury-Kobayashi: the pressure correction of a diffusion coefficient.
    ps = np.geomspace(1e5, 3e7, 24)
    curves = {}
    for pair in (("methane", "ethane"), ("nitrogen", "methane"), ("hydrogen", "carbon dioxide")):
        docs = kp.sweep("dkk", "p", ps, components=list(pair), x=[0.5, 0.5], t=350.0, dv0=1.0)
        curves[" / ".join(pair)] = [first(d, "pairs", "DV") * float(p) / 101325.0 for d, p in zip(docs, ps)]
    fig = kp.figure(ps / 1e6, curves, xlabel="pressure P (MPa)", ylabel="D P / (D0 P0)", logx=True,
                    title="Dawson-Khoury-Kobayashi at 350 K, equimolar pairs",
                    caption="D0 at P0 = 101325 Pa; D P/(D0 P0) is the density correction (1 for an ideal gas). "
                            "No published data for this correction are held in the repository.")
    figs["dkk"] = save(fig, out, "dkk.png")

    # Wilke-Chang: binary diffusion at infinite dilution against temperature.
    ts = np.linspace(280, 340, 13)
    curves = {}
    for solute, solvent in (("benzene", "n-hexane"), ("ethanol", "water"), ("acetone", "water"), ("toluene", "ethanol")):
        docs = kp.sweep("wilke-chang", "t", ts, components=[solute, solvent], x=[1e-4, 1 - 1e-4])
        curves[f"{solute} in {solvent}"] = [first(d, "pairs", "BINDL") * 1e9 for d in docs]
    fig = kp.figure(ts, curves, xlabel="temperature T (K)", ylabel="diffusion coefficient (1e-9 m2/s)",
                    title="Wilke-Chang: solute at infinite dilution",
                    caption="Pure viscosities from the reference host. No published worked values for this formulation "
                            "(association factor 2.26 for water) are held in the repository.")
    figs["wilke-chang"] = save(fig, out, "wilke-chang.png")

    # Mixed solvents: a solute in water-ethanol, three solvent viscosity rules.
    curves = {}
    for rule in ("log", "quadratic", "cube-root"):
        curves[rule] = [first(call("mixed-solvent", components=["toluene", "water", "ethanol"],
                                   x=[0.001, float(0.999 * (1 - x)), float(0.999 * x)], t=300.0, solute=["toluene"], rule=rule),
                              "components", "DL") * 1e9 for x in xs]
    fig = kp.figure(xs, curves, xlabel="ethanol mole fraction in the solvent", ylabel="diffusion coefficient (1e-9 m2/s)",
                    title="Toluene in water-ethanol at 300 K: mixed-solvent Wilke-Chang",
                    caption="One curve per solvent viscosity rule. No published data for this formulation are held "
                            "in the repository.")
    figs["mixed-solvent"] = save(fig, out, "mixed-solvent.png")

    # Bio-components: the concentration factor on the solvent viscosity.
    xb = np.linspace(0.0, 0.2, 21)
    curves = {}
    for label, bio in (("a = 1e-3, b = 2e-6", "acetic acid:1e-3,2e-6,0,0,400"),
                       ("a = -1e-3, b = 2e-6", "acetic acid:-1e-3,2e-6,0,10,200"),
                       ("a = 0, b = 0", "acetic acid:0,0,0,0,400")):
        curves[label] = [first(call("bio-viscosity", components=["water", "acetic acid"], x=[float(1 - x), float(x)], t=300.0,
                                    bio=bio), "mixture", "MULMX") * 1e3 for x in xb]
    fig = kp.figure(xb, curves, xlabel="mole fraction of the bio-component", ylabel="viscosity (mPa s)",
                    title="Water with a bio-component (acetic acid as carrier) at 300 K",
                    caption="Log-mean solvent viscosity divided by 1 + a CT + b CT^2 + d CT^3 (CT in kg/m3), continued "
                            "linearly beyond the bounds. No published data exist for this model.")
    figs["bio"] = save(fig, out, "bio-viscosity.png")
    return figs


# ---------------------------------------------------------------------------------------------
# Worked examples
# ---------------------------------------------------------------------------------------------

def run_example(ex: dict) -> float:
    d = call(ex["command"], **ex["options"])
    row = d["results"][ex["table"]][ex.get("row", 0)]
    return float(row[ex["column"]])


def example_rows(families=None) -> list[dict]:
    rows = []
    for ex in read_examples():
        if families and ex["family"] not in families:
            continue
        ours = run_example(ex)
        rows.append(dict(ex, ours=ours, diff_pct=100 * (ours / ex["published"] - 1)))
    return rows


# ---------------------------------------------------------------------------------------------
# The report
# ---------------------------------------------------------------------------------------------

FAMILIES = ["trapp", "chung", "lucas", "dean-stiel", "stiel-thodos", "letsou-stiel", "models", "water",
            "surface-tension", "behaviour", "examples"]


def md_table(rows: list[dict], fields: list[str], heads: list[str]) -> list[str]:
    out = ["| " + " | ".join(heads) + " |", "|" + "---|" * len(heads)]
    for r in rows:
        out.append("| " + " | ".join(str(r[f]) for f in fields) + " |")
    return out


def summary_rows(model: str, prop: str, points: list[dict], bounds: dict) -> list[dict]:
    rows = []
    for fluid in fluids_of(points):
        mine = [p for p in points if p["fluid"] == fluid]
        if model == "TRAPP":
            bound = max(p["bound"] for p in mine)
        else:
            bound = bounds[(model, prop, fluid)]
        rows.append(summarise(model, prop, fluid, mine, bound))
    return rows


def water_summary(region: str, pts: list[dict], bounds: dict) -> list[dict]:
    rows = []
    for prop, mine, ref in (("viscosity", "mu85", "mu"), ("conductivity", "k85", "k")):
        devp = [dict(p, dev=100 * (p[mine] / p[ref] - 1)) for p in pts]
        rows.append(summarise("IAPS 1985", prop, f"water, {region}", devp, bounds[("IAPS 1985", prop, f"water, {region}")]))
    return rows


def generate(out: Path, only=None, subset: bool = False) -> dict:
    """Writes the figures and README.md into `out`; returns the summary rows, the worked
    examples and the figure names. `subset` keeps each family to one fluid or region (tests)."""
    out.mkdir(parents=True, exist_ok=True)
    fam = set(only or FAMILIES)
    bounds = read_bounds()
    summary, figures, sections = [], {}, []
    t0 = time.time()
    fluids = ["methane"] if subset else None

    def model_section(model: str):
        text = [f"### {model}", "", MODELS[model][3] + ".", ""]
        for prop in MODELS[model][1]:
            pts = model_points(model, prop, fluids)
            rows = summary_rows(model, prop, pts, bounds)
            summary.extend(rows)
            name = reference_figure(model, prop, pts, out)
            figures[f"{model}-{prop}"] = name
            text += [f"![{model} {prop}]({name})", "",
                     f"*{model} {prop} of {', '.join(fluids_of(pts))} against the reference data "
                     f"({caption_sources(pts)}); beneath, model/reference - 1 in per cent.*", ""]
        sections.extend(text)

    model_names = {"trapp": "TRAPP", "chung": "Chung", "lucas": "Lucas", "dean-stiel": "Dean-Stiel",
                   "stiel-thodos": "Stiel-Thodos", "letsou-stiel": "Letsou-Stiel"}
    for fam_key, model in model_names.items():
        if fam_key in fam:
            model_section(model)

    if "models" in fam:
        sections += ["### Model against model", "",
                     "The same fluid and isotherm by every model that covers it, up to 60 MPa, with the "
                     "reference points of that isotherm. Where the curves part, the choice of model matters.", ""]
        cases = [("methane", 400.0)] if subset else [("methane", 400.0), ("ethane", 500.0), ("propane", 600.0),
                                                     ("n-butane", 500.0)]
        for fluid, t in cases:
            for prop, models in (("viscosity", ["TRAPP", "Chung", "Lucas", "Dean-Stiel"]),
                                 ("conductivity", ["TRAPP", "Chung", "Stiel-Thodos"])):
                name = model_comparison_figure(prop, fluid, t, models, out)
                figures[name] = name
                sections += [f"![{fluid} {prop} at {t:g} K]({name})", "",
                             f"*{prop.capitalize()} of {fluid} at {t:g} K: {', '.join(models)}.*", ""]

    if "water" in fam:
        sections += ["### Water: the 1985 formulations against IAPWS 2008 and 2011", "",
                     "The library's 1985 viscosity and conductivity (`kova water`, at the reference host's IAPWS-IF97 "
                     "density) against the current IAPWS releases (" + IAPWS_SOURCE + "). The near-critical "
                     "region (around 647 K and 22 MPa) is shown on its own: there the conductivity's critical "
                     "enhancement dominates and the two density equations differ most.", ""]
        for region in (["vapour"] if subset else list(WATER_REGIONS)):
            pts = water_points(region)
            summary.extend(water_summary(region, pts, bounds))
            for name in water_figures(region, pts, out):
                figures[name] = name
                sections += [f"![{name}]({name})", "", f"*Water, {region}: " + name.split("-")[-1][:-4]
                             + " by the 1985 formulation against the IAPWS release, deviation beneath.*", ""]

    if "surface-tension" in fam:
        pts = surface_tension_points()
        for p in pts:
            p.update(fluid="water", phase="saturated liquid")
        row = summarise("water surface tension", "surface tension", "water", pts,
                        bounds[("water surface tension", "surface tension", "water")])
        row["where"] = row["where"].split(",")[0]
        summary.append(row)
        fig = kp.figure(np.array([p["t"] for p in pts]), {"library (Tc = 647.067 K)": [p["model"] * 1e3 for p in pts]},
                        xlabel="temperature T (K)", ylabel="surface tension (mN/m)",
                        title="Water surface tension against IAPWS 1994",
                        reference={"library (Tc = 647.067 K)": ([p["t"] for p in pts], [p["ref"] * 1e3 for p in pts], "IAPWS 1994")},
                        deviation={"library (Tc = 647.067 K)": ([p["t"] for p in pts], [p["dev"] for p in pts])},
                        caption="Line: `kova water` (liquid). Circles: IAPWS 1994 release (Tc = 647.096 K), evaluated by "
                                "python3-iapws. The gap grows towards the critical point from the older critical temperature.")
        figures["water-surface-tension"] = save(fig, out, "water-surface-tension.png")
        sections += ["### Surface tension", "", "![water surface tension](water-surface-tension.png)", "",
                     "*Water: the library's surface tension against the IAPWS 1994 release, deviation beneath.*", ""]

    if "behaviour" in fam:
        figs = behaviour_figures(out)
        figures.update(figs)
        sections += [
            "### Mixing rules, diffusion and bio-components", "",
            "The repository holds no measured data for these models beyond the worked examples below. "
            "For Dawson-Khoury-Kobayashi, Wilke-Chang (in this library's form, with the association factor "
            "2.26 for water), mixed solvents and bio-components no published worked values or measurements "
            "are held at all; the figures show each model's behaviour over its range instead.", ""]
        for key, what in (("wilke", "Wilke/Brokaw mixture viscosity against the Chung and Lucas mixture rules"),
                          ("sigma-mixture", "mixture surface tension, power-law rule"),
                          ("li", "Li's rule for a liquid mixture's conductivity"),
                          ("dkk", "Dawson-Khoury-Kobayashi density correction of gas diffusion"),
                          ("wilke-chang", "Wilke-Chang binary liquid diffusion"),
                          ("mixed-solvent", "mixed-solvent Wilke-Chang diffusion"),
                          ("bio", "liquid viscosity with a bio-component")):
            sections += [f"![{what}]({figs[key]})", "", f"*{what[0].upper() + what[1:]}.*", ""]

    examples = []
    if "examples" in fam:
        examples = example_rows(["TRAPP", "Chung"] if subset else None)

    elapsed = time.time() - t0
    write_readme(out, summary, examples, sections)
    with open(out / "summary.csv", "w", newline="") as f:
        w = csv.DictWriter(f, fieldnames=SUMMARY_FIELDS)
        w.writeheader()
        w.writerows(summary)
    return dict(summary=summary, examples=examples, figures=figures, seconds=elapsed)


def write_readme(out: Path, summary, examples, sections):
    lines = [
        "# Validation report",
        "",
        "Every model of the library against the reference data the repository holds, through the `kova` "
        "calculator. Regenerate with `scripts/report.sh` (this file, `summary.csv` and the figures). "
        "Deviations are model/reference - 1 in per cent.",
        "",
        "The reference points and their bounds are read from the files the tests read "
        "(`tests/trapp/validation_data.h`, `tests/validation/bounds.csv`, `tests/validation/worked_examples.json`); "
        "`tests/validation/test_report.py` recomputes the numbers below and holds them to those bounds.",
        "",
        "## Deviation summary",
        "",
        "Per model and fluid: the number of points, the mean absolute deviation, the largest deviation and where it "
        "occurs, and the bound the tests put on the largest deviation.",
        "",
    ]
    lines += ["Reading it: TRAPP stays within a few per cent for the light hydrocarbons in gas and liquid and parts "
              "from the data where the equivalent methane state lies far below methane's triple point (ethane "
              "at 100 K) and for the non-hydrocarbon liquids (nitrogen, carbon dioxide). Chung and Dean-Stiel "
              "deviate most at reduced densities near and above 2 (methane at 200 K and 50 MPa); the Chung liquid "
              "points use the host's saturated-liquid volume, so compressed liquids carry the volume's error too. "
              "Letsou-Stiel is made for T/Tc from 0.76 to 0.98: the points far below show where it stops. "
              "The Lucas mixture rule steps where the mixture's pseudo-critical temperature crosses T (see the "
              "ammonia-hydrogen figure). Water's 1985 conductivity runs up to about 4 % above the 2011 one in "
              "vapour just above saturation and parts most near the critical point.", ""]
    lines += md_table(summary, SUMMARY_FIELDS, ["model", "property", "fluid", "points", "mean abs (%)", "max (%)",
                                                "where", "bound (%)"])
    if examples:
        lines += ["", "## Worked examples", "",
                  "Published values recomputed through the calculator with the databank's constants (the library's "
                  "unit tests feed the examples' own constants, which is why some differences here are larger).", ""]
        ex_rows = [dict(family=e["family"], case=e["case"], published=f"{e['published']:.6g} {e['unit']}",
                        ours=f"{e['ours']:.6g}", diff=f"{e['diff_pct']:+.2f}", tol=f"{e['tolerance_pct']:g}",
                        source=e["source"]) for e in examples]
        lines += md_table(ex_rows, ["family", "case", "published", "ours", "diff", "tol", "source"],
                          ["model", "case", "published", "ours", "difference (%)", "bound (%)", "source"])
    lines += ["", "## Figures", ""] + sections
    lines += ["## Sources of the reference data", ""]
    lines += [f"- {k}: {v}" for k, v in SOURCES.items()]
    lines += [f"- water: {IAPWS_SOURCE}; surface tension: IAPWS 1994 release (same package)", ""]
    (out / "README.md").write_text("\n".join(lines) + "\n")


def parse_summary(readme: Path) -> list[dict]:
    """The deviation summary table of a written README, as rows keyed like summary.csv."""
    rows, inside = [], False
    for line in readme.read_text().splitlines():
        if line.startswith("| model | property | fluid"):
            inside = True
            continue
        if inside:
            if not line.startswith("|"):
                break
            if line.startswith("|---"):
                continue
            cells = [c.strip() for c in line.strip("|").split("|")]
            rows.append(dict(zip(SUMMARY_FIELDS, cells)))
    return rows


def main(argv=None) -> int:
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=str(ROOT / "docs" / "validation"))
    ap.add_argument("--only", default="", help="comma-separated families: " + ", ".join(FAMILIES))
    args = ap.parse_args(argv)
    if args.only and Path(args.out).resolve() == (ROOT / "docs" / "validation").resolve():
        ap.error("--only writes a partial report: give it its own --out folder")
    t = time.time()
    res = generate(Path(args.out), [f for f in args.only.split(",") if f] or None)
    print(f"{len(res['figures'])} figures, {len(res['summary'])} summary rows, {len(res['examples'])} worked examples "
          f"written to {args.out} in {time.time() - t:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
