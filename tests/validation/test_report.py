"""The validation report: its figures exist, and its numbers are the ones the tests bound.

Runs the report on a subset (methane, water vapour, two families of worked examples) into a
temporary folder with the Agg backend, and checks the committed docs/validation/README.md
against a fresh computation and against the bounds in tests/trapp/validation_data.h and
tests/validation/bounds.csv. Run with /usr/bin/python3 -m pytest tests/validation.
"""
import os
import re
import subprocess
import sys
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "build" / "python"))
sys.path.insert(0, str(ROOT / "scripts"))
os.environ.setdefault("MPLBACKEND", "Agg")

import report  # noqa: E402

COMMITTED = ROOT / "docs" / "validation" / "README.md"
LINK = re.compile(r"!\[[^\]]*\]\(([^)]+)\)")


@pytest.fixture(scope="module")
def subset(tmp_path_factory):
    out = tmp_path_factory.mktemp("validation")
    res = report.generate(out, ["trapp", "lucas", "models", "water", "examples"], subset=True)
    return out, res


def committed_rows():
    return {(r["model"], r["property"], r["fluid"]): r for r in report.parse_summary(COMMITTED)}


def test_every_linked_figure_exists(subset):
    out, res = subset
    for readme in (out / "README.md", COMMITTED):
        links = LINK.findall(readme.read_text())
        assert links, readme
        for name in links:
            assert (readme.parent / name).is_file(), f"{readme}: {name} is linked but missing"
            assert (readme.parent / name).stat().st_size > 5000, name
    assert len(res["figures"]) >= 7


def test_readme_table_is_the_computed_summary(subset):
    out, res = subset
    assert report.parse_summary(out / "README.md") == [{k: str(v) for k, v in r.items()} for r in res["summary"]]


def test_committed_numbers_equal_a_fresh_computation(subset):
    _, res = subset
    rows = committed_rows()
    assert {r["model"] for r in res["summary"]} >= {"TRAPP", "Lucas", "IAPS 1985"}
    for r in res["summary"]:
        key = (r["model"], r["property"], r["fluid"])
        assert key in rows, f"{key} missing from the committed report"
        assert rows[key] == {k: str(v) for k, v in r.items()}, key


def test_committed_deviations_within_the_bounds_the_tests_use():
    bounds = report.read_bounds()
    trapp_bound = {}
    for r in report.trapp_rows():
        for prop, key in (("viscosity", "eta"), ("conductivity", "lam")):
            if r[key] is not None:
                k = (prop, r["fluid"])
                trapp_bound[k] = max(trapp_bound.get(k, 0.0), 100 * r[key + "_bound"])
    rows = committed_rows()
    models = {k[0] for k in rows}
    assert models >= {"TRAPP", "Chung", "Lucas", "Dean-Stiel", "Stiel-Thodos", "Letsou-Stiel", "IAPS 1985",
                      "water surface tension"}
    for (model, prop, fluid), r in rows.items():
        bound = trapp_bound[(prop, fluid)] if model == "TRAPP" else bounds[(model, prop, fluid)]
        assert float(r["bound_pct"]) == pytest.approx(bound), (model, prop, fluid)
        assert abs(float(r["max_pct"])) <= bound, (model, prop, fluid, r["max_pct"])
        assert float(r["mean_abs_pct"]) <= abs(float(r["max_pct"])) + 1e-9
    # every bound in the file is used by a row of the report
    assert set(bounds) <= set(rows)


def test_trapp_points_within_their_own_bounds(subset):
    for prop in ("viscosity", "conductivity"):
        for p in report.model_points("TRAPP", prop, ["methane"]):
            assert abs(p["dev"]) <= p["bound"], (prop, p["t"], p["p"])


def test_worked_examples_within_tolerance_and_as_committed(subset):
    _, res = subset
    assert res["examples"]
    text = COMMITTED.read_text()
    for e in res["examples"]:
        assert abs(e["diff_pct"]) <= e["tolerance_pct"], e["case"]
        assert f"| {e['case']} | {e['published']:.6g} {e['unit']} | {e['ours']:.6g} | {e['diff_pct']:+.2f} |" in text, e["case"]
    committed = re.findall(r"^\| [^|]+ \| [^|]+ \| [^|]+ \| [^|]+ \| ([-+][0-9.]+) \| ([0-9.e-]+) \|", text, re.M)
    assert len(committed) == len(report.read_examples())
    for diff, tol in committed:
        assert abs(float(diff)) <= float(tol)


def test_plot_command_writes_a_picture(tmp_path):
    png = tmp_path / "mu.png"
    env = dict(os.environ, PYTHONPATH=str(ROOT / "build" / "python"))
    proc = subprocess.run([sys.executable, "-m", "kova", "plot", "lucas", "-c", "methane,ethane", "--x", "0.8,0.2",
                           "--t", "250:400:6", "--p", "5e6", "-o", str(png)], capture_output=True, text=True, env=env)
    assert proc.returncode == 0, proc.stderr
    assert png.stat().st_size > 5000
    bad = subprocess.run([sys.executable, "-m", "kova", "plot", "lucas", "-c", "methane", "--t", "300", "-o", str(png)],
                         capture_output=True, text=True, env=env)
    assert bad.returncode != 0 and "range" in bad.stderr


def test_summary_takes_the_largest_deviation_with_its_sign_and_state():
    pts = [dict(t=300.0, p=1e5, phase="vapour", dev=2.0), dict(t=350.0, p=5e6, phase="liquid", dev=-7.456),
           dict(t=400.0, p=1e6, phase="vapour", dev=7.0)]
    row = report.summarise("M", "viscosity", "f", pts, 8.0)
    assert row == dict(model="M", property="viscosity", fluid="f", points=3, mean_abs_pct="5.49", max_pct="-7.46",
                       where="350 K, 5 MPa, liquid", bound_pct="8")


def test_water_regions_hold_the_states_they_name():
    liquid = report.water_points("liquid", n=6)
    assert liquid and all(p["phase"] == "liquid" for p in liquid)
    near = report.water_points("near-critical", n=6)
    assert min(p["t"] for p in near) < 647.096 < max(p["t"] for p in near)
    assert all(22e6 < p["p"] < 26e6 for p in near)
    for p in near:  # both formulations finite and within a few per cent of each other
        assert abs(p["mu85"] / p["mu"] - 1) < 0.05 and abs(p["k85"] / p["k"] - 1) < 0.15


def test_every_family_has_a_section_in_the_committed_report():
    text = COMMITTED.read_text()
    for heading in ("### TRAPP", "### Chung", "### Lucas", "### Dean-Stiel", "### Stiel-Thodos", "### Letsou-Stiel",
                    "### Model against model", "### Water", "### Surface tension",
                    "### Mixing rules, diffusion and bio-components"):
        assert heading in text, heading
    for name in ("wilke-ammonia-hydrogen.png", "li-mixture.png", "dkk.png", "wilke-chang.png", "mixed-solvent.png",
                 "bio-viscosity.png", "water-near-critical-conductivity.png"):
        assert f"]({name})" in text, name
    assert "no published" in text.lower()
