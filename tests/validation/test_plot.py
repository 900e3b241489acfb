"""kova.plot and python3 -m kova plot: sweeps, figures and option parsing; the report's reader
of the corresponding-states reference table."""
import os
import re
import sys
from pathlib import Path

import numpy as np
import pytest

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "build" / "python"))
sys.path.insert(0, str(ROOT / "scripts"))
os.environ.setdefault("MPLBACKEND", "Agg")

from kova import plot  # noqa: E402
from kova.__main__ import parse  # noqa: E402
import report  # noqa: E402


def test_parse_range_forms():
    assert np.allclose(plot.parse_range("250:400:4"), [250, 300, 350, 400])
    assert len(plot.parse_range("1:2")) == 21
    assert np.allclose(plot.parse_range("log:1e5:1e7:3"), [1e5, 1e6, 1e7])
    assert np.allclose(plot.parse_range("300,310"), [300, 310])


def test_cli_arguments_from_keywords():
    args = plot._cli_args(dict(components=["methane", "carbon dioxide"], x=[0.5, 0.5], t=300.0, phase="vapour",
                               no_range_warnings=True, kdiag=None))
    assert args == ["--components", "methane,carbon dioxide", "--x", "0.5,0.5", "--t", "300.0", "--phase", "vapour",
                    "--no-range-warnings"]


def test_command_line_parse_sweeps_one_option():
    command, options, vary, values, own = parse(["trapp", "-c", "methane,ethane", "--x", "0:1:3", "--t", "300",
                                                 "--p", "5e6", "--y", "MU", "-o", "f.png"])
    assert command == "trapp" and vary == "x" and own["y"] == "MU" and own["o"] == "f.png"
    assert values == [[0.0, 1.0], [0.5, 0.5], [1.0, 0.0]]
    assert options == {"components": ["methane", "ethane"], "t": 300.0, "p": 5e6}
    with pytest.raises(SystemExit):
        parse(["trapp", "-c", "methane", "--t", "200:300", "--p", "1:2", "-o", "f.png"])  # two ranges
    with pytest.raises(SystemExit):
        parse(["trapp", "-c", "methane", "--t", "200:300"])  # no output file


def test_sweep_gives_one_curve_per_component_and_the_mixture():
    fig = plot.plot_sweep("lucas", "t", [300.0, 350.0, 400.0], "MUV", components=["methane", "ethane"], x=[0.5, 0.5],
                          p=1e5)
    ax = fig.axes[0]
    assert [t.get_text() for t in ax.get_legend().get_texts()] == ["methane", "ethane"]
    assert ax.get_xlabel().startswith("temperature") and "Pa s" in ax.get_ylabel()
    mu = ax.lines[0].get_ydata()
    assert np.all(np.diff(mu) > 0)  # a dilute gas's viscosity rises with temperature
    fig = plot.plot_sweep("lucas", "t", [300.0, 400.0], "MUVMX", components=["methane", "ethane"], x=[0.5, 0.5], p=1e5)
    assert [t.get_text() for t in fig.axes[0].get_legend().get_texts()] == ["mixture"]


def test_unknown_column_and_bad_input_are_reported():
    with pytest.raises(plot.KovaCallError, match="no column"):
        plot.plot_sweep("lucas", "t", [300.0], "NOPE", components=["methane"], p=1e5)
    with pytest.raises(plot.KovaCallError):
        plot.evaluate("lucas", components=["no such fluid"], t=300.0, p=1e5)


def test_figure_with_reference_and_deviation_panel():
    fig = plot.figure([1, 2, 3], {"a": [1, 2, 3]}, xlabel="T (K)", ylabel="mu (Pa s)",
                      reference={"a": ([2], [2.1], "data")}, deviation={"a": ([2], [-4.8])}, caption="what and whence")
    top, bottom = fig.axes
    assert bottom.get_xlabel() == "T (K)" and bottom.get_ylabel() == "deviation (%)"
    assert [t.get_text() for t in top.get_legend().get_texts()] == ["a", "data"]
    assert any("whence" in t.get_text() for t in fig.texts)


def test_reference_reader_takes_every_row_of_the_table():
    text = (ROOT / "tests" / "trapp" / "validation_data.h").read_text()
    body = text.split("rows = {", 1)[1]
    expected = len(re.findall(r'^\s*\{"', body, re.M))
    rows = report.trapp_rows()
    assert len(rows) == expected
    r = rows[0]
    assert (r["fluid"], r["t"], r["p"], r["phase"]) == ("methane", 100.0, 0.1e6, "liquid")
    assert r["eta"] == pytest.approx(157.49e-6) and r["lam"] == pytest.approx(0.1998)
    assert r["eta_bound"] == 0.10 and r["lam_bound"] == 0.12
    assert all(k in report.SOURCES for row in rows for k in report.source_key(row["source"]))


def test_package_and_command_line_give_the_same_document(monkeypatch):
    opts = dict(components=["methane", "propane"], x=[0.6, 0.4], t=350.0, p=5e6, phase="vapour")
    via_package = plot.evaluate("trapp", **opts)
    monkeypatch.setenv("KOVA_BACKEND", "cli")
    monkeypatch.setenv("KOVA_EXE", str(ROOT / "build" / "kova"))
    via_cli = plot.evaluate("trapp", **opts)
    for table in ("components", "mixture"):
        assert via_package["results"][table] == via_cli["results"][table]
    swept = plot.sweep("lucas", "t", [200.0, 300.0], components=["propane"], p=3e6)
    monkeypatch.delenv("KOVA_BACKEND")
    broadcast = plot.sweep("lucas", "t", [200.0, 300.0], components=["propane"], p=3e6)
    assert [d["results"] for d in swept] == [d["results"] for d in broadcast]
    assert [len(d["messages"]) for d in broadcast] == [len(d["messages"]) for d in swept] == [1, 1]
