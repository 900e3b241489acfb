"""Pictures of the package's results: a property against a swept variable.

Every calculator command can be evaluated over a sweep of one of its options (temperature,
pressure, volume, a binary composition, ...); the helpers here draw one curve per component,
per model or per mixture and return a matplotlib Figure. `python3 -m kova plot` is the
command-line form.

`evaluate` and `sweep` are the only places that call the calculator: through the package's
command functions (a sweep over a state argument is one broadcast call), or, with
KOVA_BACKEND=cli or without the compiled package, through the built `kova` executable's
`--json`. Both give the same document per state: {"results": {table: [row, ...]},
"units": {...}, "messages": [...]}.
"""
from __future__ import annotations

import importlib
import json
import os
import shutil
import subprocess
import textwrap
from pathlib import Path
from typing import Callable, Iterable, Mapping, Sequence

import matplotlib

if not os.environ.get("DISPLAY"):
    matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

__all__ = ["evaluate", "sweep", "column", "figure", "plot_sweep", "compare", "parse_range",
           "KovaCallError"]


class KovaCallError(RuntimeError):
    """The calculator rejected its input (unknown component, bad value, ...)."""


# ---------------------------------------------------------------------------------------------
# Calling the calculator
# ---------------------------------------------------------------------------------------------

def _executable() -> str:
    """The calculator: $KOVA_EXE, build/kova of this checkout, or `kova` on the PATH."""
    exe = os.environ.get("KOVA_EXE")
    if exe:
        return exe
    here = Path(__file__).resolve().parents[2] / "build" / "kova"
    if here.exists():
        return str(here)
    found = shutil.which("kova")
    if found:
        return found
    raise KovaCallError("the kova calculator was not found: build it (scripts/run.sh) or set KOVA_EXE")


def _cli_args(options: Mapping[str, object]) -> list[str]:
    """Calculator options from keyword arguments named like the options (t=300, x=[.5,.5])."""
    args: list[str] = []
    for key, value in options.items():
        if value is None or value is False:
            continue
        flag = "--" + key.replace("_", "-")
        if value is True:
            args.append(flag)
            continue
        if isinstance(value, (list, tuple, np.ndarray)):
            value = ",".join(_fmt(v) for v in value)
        else:
            value = _fmt(value)
        args += [flag, value]
    return args


def _fmt(v: object) -> str:
    if isinstance(v, (float, np.floating)):
        return repr(float(v))
    return str(v)


def _package_function(command: str) -> Callable | None:
    """The package's function for a command, when the compiled package is importable."""
    if os.environ.get("KOVA_BACKEND", "") == "cli":
        return None
    try:
        pkg = importlib.import_module("kova")
    except ImportError:
        return None
    return getattr(pkg, command.replace("-", "_"), None)


# Options the package broadcasts as state arguments: a sweep over one of them is one call.
_STATE_ARGS = {"t", "p", "volume", "density", "mulp", "kmxlp", "p0", "xtol"}


def _cell(v):
    return v.item() if hasattr(v, "item") else v


def _documents_from_package(result) -> list[dict]:
    """The package's Result as one calculator JSON document per state (flattened)."""
    shape = tuple(getattr(result, "shape", ()))
    n = int(np.prod(shape)) if shape else 1
    docs = [{"command": result.command, "title": result.title, "units": dict(result.units),
             "notes": list(result.notes), "results": {}, "messages": []} for _ in range(n)]
    for name, table in result.tables.items():
        cols = {}
        for c in table.columns:
            cols[c] = np.asarray(table[c]).reshape(n, -1)  # per state: its rows
        for i in range(n):
            docs[i]["results"][name] = [{c: _cell(cols[c][i][j]) for c in table.columns}
                                        for j in range(cols[table.columns[0]].shape[1])]
    states = {k: np.ravel(v) for k, v in result.inputs.items() if isinstance(v, np.ndarray)}
    for m in result.messages:
        idx = range(n)
        for k, v in (getattr(m, "state", None) or {}).items():
            if k in states:
                idx = [i for i in idx if states[k][i] == v]
        for i in list(idx)[:1] if states else idx:
            docs[i]["messages"].append(str(m))
    return docs


def _call_package(func, options) -> list[dict]:
    import warnings
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")  # the messages are kept in the result
        try:
            return _documents_from_package(func(**options))
        except (ValueError, TypeError) as e:
            raise KovaCallError(str(e)) from None


def evaluate(command: str, **options) -> dict:
    """Run one calculator command; returns its JSON document (results, units, messages).

    Options are named like the calculator's (components=..., x=..., t=..., p=..., phase=...);
    lists are given as Python sequences.
    """
    func = _package_function(command)
    if func is not None:
        return _call_package(func, options)[0]
    proc = subprocess.run([_executable(), command, *_cli_args(options), "--json"],
                          capture_output=True, text=True)
    if proc.returncode != 0:
        raise KovaCallError(f"kova {command}: {(proc.stderr or proc.stdout).strip()}")
    return json.loads(proc.stdout)


def column(doc: Mapping, table: str, key: str) -> np.ndarray:
    """One column of a result table as an array (NaN where a row has no value)."""
    rows = doc["results"][table]
    return np.array([float(r.get(key, np.nan)) if r.get(key) is not None else np.nan for r in rows])


def sweep(command: str, vary: str, values: Iterable, **options) -> list[dict]:
    """Evaluate a command at each value of one option (vary="t", "p", "volume", "x", ...)."""
    func = _package_function(command)
    if func is not None and vary in _STATE_ARGS:
        return _call_package(func, {**options, vary: np.asarray(list(values), dtype=float)})
    docs = []
    for v in values:
        opts = dict(options)
        opts[vary] = list(v) if isinstance(v, (list, tuple, np.ndarray)) else v
        docs.append(evaluate(command, **opts))
    return docs


def _series(docs: Sequence[dict], table: str, key: str) -> np.ndarray:
    """Values of a column over a sweep: one row per point, one column per table row."""
    return np.array([column(d, table, key) for d in docs])


# ---------------------------------------------------------------------------------------------
# Figures
# ---------------------------------------------------------------------------------------------

def figure(x, curves: Mapping[str, Sequence[float]], *, xlabel: str, ylabel: str,
           title: str | None = None, reference: Mapping[str, tuple] | None = None,
           deviation: Mapping[str, tuple] | None = None, caption: str | None = None,
           logy: bool = False, logx: bool = False, xcurves: Mapping[str, Sequence[float]] | None = None,
           size=(6.4, 4.2)) -> plt.Figure:
    """A property against a swept variable, one curve per label.

    reference: label -> (x, y) or (x, y, legend) of reference points drawn as markers in the
    colour of the curve with the same label;
    deviation: label -> (x, dev_percent) drawn in a panel beneath (model/reference - 1, in %);
    xcurves: label -> x values of a curve drawn over its own abscissa instead of `x`.
    """
    if deviation:
        fig, (ax, axd) = plt.subplots(2, 1, figsize=(size[0], size[1] * 1.35), sharex=True,
                                      gridspec_kw={"height_ratios": [2.3, 1]})
    else:
        fig, ax = plt.subplots(figsize=size)
        axd = None
    colours = plt.rcParams["axes.prop_cycle"].by_key()["color"]
    colour_of: dict[str, str] = {}
    for i, (label, y) in enumerate(curves.items()):
        xs = (xcurves or {}).get(label, x)
        line, = ax.plot(xs, y, "-", lw=1.6, label=label, color=colours[i % len(colours)])
        colour_of[label] = line.get_color()
    markers = "osD^vP*X<>"
    for i, (label, ref) in enumerate((reference or {}).items()):
        rx, ry = ref[0], ref[1]
        legend = ref[2] if len(ref) > 2 else (label if label not in colour_of else f"{label}: reference")
        ax.plot(rx, ry, markers[i % len(markers)], ms=5, mfc="none", color=colour_of.get(label, "k"), label=legend)
    if logy:
        ax.set_yscale("log")
    if logx:
        ax.set_xscale("log")
    ax.set_ylabel(ylabel)
    ax.grid(True, alpha=0.3)
    ax.legend(fontsize=7, ncol=2 if len(curves) + len(reference or {}) > 6 else 1)
    if title:
        ax.set_title(title, fontsize=10)
    bottom = ax
    if axd is not None:
        for i, (label, (dx, dy)) in enumerate(deviation.items()):
            axd.plot(dx, dy, markers[i % len(markers)], ms=4, color=colour_of.get(label, colours[i % len(colours)]),
                     label=label)
        axd.axhline(0, color="k", lw=0.8)
        axd.set_ylabel("deviation (%)")
        axd.grid(True, alpha=0.3)
        if len(deviation) > 1 and any(k not in (reference or {}) for k in deviation):
            axd.legend(fontsize=6, ncol=min(4, len(deviation)))
        bottom = axd
    bottom.set_xlabel(xlabel)
    if caption:
        fig.text(0.01, 0.005, caption, fontsize=6.5, va="bottom", wrap=True)
        fig.tight_layout(rect=(0, 0.06, 1, 1))
    else:
        fig.tight_layout()
    return fig


_LABEL = {"t": "temperature T (K)", "p": "pressure P (Pa)", "volume": "molar volume V (m3/kmol)",
          "density": "molar density (kmol/m3)", "x": "mole fraction of the first component"}


def _axis_values(vary: str, values: Sequence) -> np.ndarray:
    if vary == "x":
        return np.array([v[0] for v in values], dtype=float)
    return np.asarray(values, dtype=float)


def plot_sweep(command: str, vary: str, values: Sequence, prop: str, *, table: str | None = None,
               title: str | None = None, caption: str | None = None, logy: bool = False,
               **options) -> plt.Figure:
    """A property of a command against one swept option: one curve per component, plus the
    mixture where the command gives one (table=None: the components, and the mixture when
    there is more than one component)."""
    docs = sweep(command, vary, values, **options)
    units = docs[0].get("units", {})
    tables = docs[0]["results"]
    x = _axis_values(vary, values)
    curves: dict[str, np.ndarray] = {}
    chosen = [table] if table else [t for t in tables if any(prop in r for r in tables[t])]
    if not chosen:
        raise KovaCallError(f"kova {command} gives no column {prop!r}; columns: "
                            + ", ".join(sorted({k for t in tables.values() for r in t for k in r})))
    for name in chosen:
        values_ = _series(docs, name, prop)
        rows = tables[name]
        for j, row in enumerate(rows):
            if "component k" in row:
                label = f"{row['component k']} / {row['component l']}"
            else:
                label = str(row.get("component") or name)
            if len(chosen) > 1 and name != "components" and label == name and len(rows) == 1:
                label = "mixture" if name == "mixture" else name
            curves[label] = values_[:, j]
    unit = units.get(prop, "")
    ylabel = f"{prop} ({unit})" if unit else prop
    positive = np.all(x > 0) and x.size > 2
    logx = bool(positive and x.max() / x.min() > 50 and np.allclose(np.diff(np.log(x)), np.log(x[1] / x[0])))
    fig = figure(x, curves, xlabel=_LABEL.get(vary, vary), ylabel=ylabel, title=None, caption=caption,
                 logy=logy, logx=logx)
    fig.axes[0].set_title(textwrap.fill(title or docs[0].get("title", ""), 70), fontsize=9)
    fig.tight_layout()
    return fig


def compare(x, models: Mapping[str, Callable[[float], float]], *, xlabel: str, ylabel: str,
            **kw) -> plt.Figure:
    """Several models of one property over one variable: models maps a label to a function of
    the swept value."""
    curves = {label: np.array([f(v) for v in x]) for label, f in models.items()}
    return figure(x, curves, xlabel=xlabel, ylabel=ylabel, **kw)


def parse_range(text: str) -> np.ndarray:
    """'250:400' (21 points), '250:400:31', or a comma list '250,300,350'; 'log:1e5:1e8:40'
    spaces the points logarithmically."""
    if ":" not in text:
        return np.array([float(v) for v in text.split(",")])
    parts = text.split(":")
    log = parts[0] == "log"
    if log:
        parts = parts[1:]
    lo, hi = float(parts[0]), float(parts[1])
    n = int(parts[2]) if len(parts) > 2 else 21
    return np.geomspace(lo, hi, n) if log else np.linspace(lo, hi, n)
