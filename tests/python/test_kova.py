"""The Python package kova as a binding of the calculator core: argument conversion,
broadcasting, warnings and errors, and for every command one number checked against the
kova command line (bit for bit: both run the same core)."""
import atexit
import json
import os
import pathlib
import shutil
import subprocess
import tempfile
import warnings

import numpy as np
import pytest

import kova

CLI = os.environ.get("KOVA_CLI") or str(pathlib.Path(kova.__file__).resolve().parents[2] / "kova")


def cli(*args):
    done = subprocess.run([CLI, *args], capture_output=True, text=True, check=True)
    return done.stdout


def cli_json(*args):
    return json.loads(cli(*args, "--json"))


# (python call, command line, table, column): the first row of the table at one state.
FAMILIES = [
    (lambda: kova.dean_stiel("methane,ethane", x=[0.8, 0.2], t=320, p=5e6, mulp=1.1e-5),
     ["dean-stiel", "-c", "methane,ethane", "--x", "0.8,0.2", "--t", "320", "--p", "5e6", "--mulp", "1.1e-5"],
     "mixture", "MU"),
    (lambda: kova.trapp(["propane", "n-butane"], x=[0.6, 0.4], t=320, p=3e6, phase="liquid"),
     ["trapp", "-c", "propane,n-butane", "--x", "0.6,0.4", "--t", "320", "--p", "3e6", "--phase", "liquid"],
     "mixture", "K"),
    (lambda: kova.chung(["methane", "ammonia"], x=[0.5, 0.5], t=400, density=3.0, kcoef=1),
     ["chung", "-c", "methane,ammonia", "--x", "0.5,0.5", "--t", "400", "--density", "3", "--kcoef", "1"],
     "mixture", "K"),
    (lambda: kova.water(t=298.15, p=101325, phase="l"),
     ["water", "--t", "298.15", "--p", "101325", "--phase", "l"], "water", "SIGMA"),
    (lambda: kova.surface_tension(["water", "ethanol"], x=[0.5, 0.5], sigma=[0.072, 0.022], nexp=2,
                                  marked="water", vw=[2, 1]),
     ["surface-tension", "-c", "water,ethanol", "--x", "0.5,0.5", "--sigma", "0.072,0.022", "--nexp", "2",
      "--marked", "water", "--vw", "2,1"], "mixture", "SIGMX"),
    (lambda: kova.wilke(["methane", "ethanol"], x=[0.3, 0.7], t=400, mulp=np.array([1.4e-5, 1.2e-5])),
     ["wilke", "-c", "methane,ethanol", "--x", "0.3,0.7", "--t", "400", "--mulp", "1.4e-5,1.2e-5"],
     "mixture", "MU_LP"),
    (lambda: kova.lucas(["methane", "ethane"], x=[0.8, 0.2], t=300, p=4e6),
     ["lucas", "-c", "methane,ethane", "--x", "0.8,0.2", "--t", "300", "--p", "4e6"], "mixture", "MU"),
    (lambda: kova.stiel_thodos(["methane", "ethane"], x=[0.8, 0.2], volume=0.3, klp=[0.03, 0.02], kmxlp=0.028),
     ["stiel-thodos", "-c", "methane,ethane", "--x", "0.8,0.2", "--volume", "0.3", "--klp", "0.03,0.02",
      "--kmxlp", "0.028"], "mixture", "KVMX"),
    (lambda: kova.letsou_stiel(["ethanol", "benzene"], t=450),
     ["letsou-stiel", "-c", "ethanol,benzene", "--t", "450"], "components", "MU"),
    (lambda: kova.li(["water", "methanol"], x=[0.5, 0.5], t=300, kl=[0.6, 0.2]),
     ["li", "-c", "water,methanol", "--x", "0.5,0.5", "--t", "300", "--kl", "0.6,0.2"], "mixture", "KLMX"),
    (lambda: kova.dkk(["methane", "propane"], x=[0.6, 0.4], t=350, p=5e6, dv0=1e-5),
     ["dkk", "-c", "methane,propane", "--x", "0.6,0.4", "--t", "350", "--p", "5e6", "--dv0", "1e-5"],
     "pairs", "DV"),
    (lambda: kova.wilke_chang(["water", "ethanol"], x=[0.9, 0.1], t=298.15, given=True),
     ["wilke-chang", "-c", "water,ethanol", "--x", "0.9,0.1", "--t", "298.15", "--given"], "pairs", "BINDL"),
    (lambda: kova.mixed_solvent(["ethanol", "water", "acetic acid"], x=[0.05, 0.9, 0.05], t=300, solute="ethanol",
                                bio="acetic acid:-1e-3,2e-6,0,10,200"),
     ["mixed-solvent", "-c", "ethanol,water,acetic acid", "--x", "0.05,0.9,0.05", "--t", "300", "--solute",
      "ethanol", "--bio", "acetic acid:-1e-3,2e-6,0,10,200"], "components", "DL"),
    (lambda: kova.bio_viscosity(["water", "acetic acid"], x=[0.98, 0.02], t=300,
                                bio=["acetic acid:-1e-3,2e-6,0,10,200"]),
     ["bio-viscosity", "-c", "water,acetic acid", "--x", "0.98,0.02", "--t", "300", "--bio",
      "acetic acid:-1e-3,2e-6,0,10,200"], "mixture", "MU"),
]


# A user component, for the components_file keyword.
SF6 = pathlib.Path(tempfile.mkdtemp()) / "sf6.csv"
atexit.register(shutil.rmtree, SF6.parent, True)
SF6.write_text("NAME,FORMULA,MW[kg/kmol],TC[K],PC[Pa],VC[m3/kmol],ZC,OMEGA\n"
               "sulfur hexafluoride,SF6,146.06,318.72,3755000,0.19852,0.281,0.21\n")

# The composition keywords, a components file and values with units, against the same options.
KEYWORDS = [
    (lambda: kova.trapp(["methane", "ethane"], w=[60, 40], normalize=True, t=300, p=1e6),
     ["trapp", "-c", "methane,ethane", "--w", "60,40", "--normalize", "--t", "300", "--p", "1e6"], "mixture", "MU"),
    (lambda: kova.lucas("SF6", t=350, p=1e5, components_file=str(SF6)),
     ["lucas", "-c", "SF6", "--t", "350", "--p", "1e5", "--components-file", str(SF6)], "mixture", "MU"),
    (lambda: kova.wilke(["methane", "ethane"], x=[0.5, 0.5], t=300, mulp="0.011cP,0.0095 cP"),
     ["wilke", "-c", "methane,ethane", "--x", "0.5,0.5", "--t", "300", "--mulp", "0.011cP,0.0095 cP"],
     "mixture", "MU_LP"),
    (lambda: kova.liquid_viscosity(["toluene", "benzene"], x=[0.5, 0.5], t=300, mul=["0.54 cP", 5.9e-4]),
     ["liquid-viscosity", "-c", "toluene,benzene", "--x", "0.5,0.5", "--t", "300", "--mul", "0.54 cP,5.9e-4"],
     "mixture", "MU"),
    (lambda: kova.surface_tension(["n-hexane", "water"], x=[0.5, 0.5], sigma=["17.9 mN/m", 0.072]),
     ["surface-tension", "-c", "n-hexane,water", "--x", "0.5,0.5", "--sigma", "17.9 mN/m,0.072"],
     "mixture", "SIGMX"),
]


@pytest.mark.parametrize("call,args,table,column", FAMILIES + KEYWORDS,
                         ids=[f[1][0] for f in FAMILIES] + [f"keywords-{f[1][0]}" for f in KEYWORDS])
def test_each_command_gives_the_command_lines_number(call, args, table, column):
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", kova.KovaWarning)
        r = call()
    expected = cli_json(*args)["results"][table][0][column]
    got = np.ravel(r[table][column])[0]
    assert got == expected
    assert r.units.get(column, "") == cli_json(*args)["units"].get(column, "")


def test_the_readme_sweep_matches_the_command_line_bit_for_bit():
    lines = cli("trapp", "-c", "methane,propane", "--x", "0.6,0.4", "--t", "250:400:10", "--p", "5e6",
                "--phase", "vapour", "--csv-table", "mixture").splitlines()
    assert lines[0] == "T [K],P [Pa],MU [Pa s],K [W/(m K)],KCONV,phase"
    rows = np.array([[float(v) for v in line.split(",")[:5]] for line in lines[1:]])
    assert rows.shape == (16, 5)
    r = kova.trapp(["methane", "propane"], x=[0.6, 0.4], t=np.linspace(250, 400, 16), p=5e6, phase="vapour")
    assert r.shape == (16,)
    np.testing.assert_array_equal(r.inputs["T"], rows[:, 0])
    np.testing.assert_array_equal(r.mixture["MU"], rows[:, 2])
    np.testing.assert_array_equal(r.mixture["K"], rows[:, 3])
    assert r.mixture["KCONV"].dtype == np.int64


def test_state_arguments_broadcast_like_numpy():
    t = np.array([300.0, 350.0, 400.0])
    p = np.array([[1e6], [4e6]])
    r = kova.trapp("methane,propane", x=np.array([0.6, 0.4]), t=t, p=p)
    assert r.shape == (2, 3)
    assert r.mixture["MU"].shape == (2, 3)
    assert r.components["MU"].shape == (2, 3, 2)  # one row per component
    assert r.components["component"][1, 2].tolist() == ["methane", "propane"]
    one = kova.trapp(["methane", "propane"], x=[0.6, 0.4], t=400.0, p=4e6)
    assert one.shape == ()
    assert r.mixture["MU"][1, 2] == one.mixture["MU"]
    assert np.isscalar(one.mixture["MU"]) and one.components["MU"].shape == (2,)
    assert r.inputs["P"].shape == (2, 3) and one.inputs["P"] == 4e6
    assert r.inputs["x"] == [0.6, 0.4]
    with pytest.raises(ValueError, match="shape mismatch|broadcast"):
        kova.trapp("methane", t=[300, 350], p=[1e6, 2e6, 3e6])


try:
    import pandas
except ImportError:
    pandas = None


@pytest.mark.skipif(pandas is None, reason="pandas is not installed")
def test_to_pandas_has_the_broadcast_variables_as_leading_columns():
    r = kova.lucas(["methane", "ethane"], x=[0.8, 0.2], t=[250, 300], p=1e6)
    df = r.components.to_pandas()
    assert list(df.columns[:3]) == ["T", "component", "x"]
    assert len(df) == 4 and df.attrs["units"]["T"] == "K" and df.attrs["units"]["MU"] == "Pa s"
    assert set(r.to_pandas()) == {"components", "mixture"}


def test_library_messages_are_warnings_with_class_number_routine_and_state():
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        r = kova.lucas(["methane", "ethane"], x=[0.8, 0.2], t=[200, 300], p=1e6)
    library = [w for w in caught if w.category is kova.KovaWarning]
    assert len(library) == 1
    w = library[0].message
    assert w.routine == "KOVA_MUV005" and w.cls > 0 and w.number > 0
    assert "EXCEEDS VAPOR PRESSURE" in w.text and str(w) == w.text
    assert w.state == {"T": 200.0}
    assert library[0].filename == __file__  # points at the caller
    assert r.messages[0].text == w.text
    with warnings.catch_warnings():
        warnings.filterwarnings("error", category=kova.KovaWarning)
        with pytest.raises(kova.KovaWarning):
            kova.lucas(["methane", "ethane"], x=[0.8, 0.2], t=200, p=1e6)
        warnings.filterwarnings("ignore", category=kova.KovaWarning)
        assert len(kova.lucas(["methane", "ethane"], x=[0.8, 0.2], t=200, p=1e6).messages) == 1
        assert not kova.lucas(["methane", "ethane"], x=[0.8, 0.2], t=200, p=1e6, range_warnings=False).messages


@pytest.mark.parametrize("call,message", [
    (lambda: kova.trapp(["methane", "unobtainium"], x=[0.5, 0.5], t=300, p=1e6), 'unknown component "unobtainium"'),
    (lambda: kova.trapp(["methane", "ethane"], x=[0.8], t=300, p=1e6), "1 mole fraction(s) for 2 components"),
    (lambda: kova.trapp(["methane", "ethane"], x=[0.5, 0.6], t=300, p=1e6), "sum to 1.1, not 1"),
    (lambda: kova.trapp("methane", t=[300, -5], p=1e6), "--t: must be positive: -5"),
    (lambda: kova.trapp("methane", t=np.nan, p=1e6), "--t: not a finite number"),
    (lambda: kova.trapp("methane", t="hot", p=1e6), "--t: not a number"),
    (lambda: kova.trapp("methane", t=300, p=1e6, phase="plasma"), "--phase"),
    (lambda: kova.dean_stiel("methane", t=300, volume=0.5, p=1e6), "--volume excludes --p"),
    (lambda: kova.dean_stiel("methane", t=300), "--volume"),
    (lambda: kova.wilke(["methane", "ethane"], x=[0.5, 0.5], t=300, mulp=[1e-5]), "--mulp: 1 value(s)"),
    (lambda: kova.mixed_solvent(["water", "ethanol"], x=[0.5, 0.5], t=300, rule="cubic"), "--rule"),
    (lambda: kova.trapp("methane", t=np.full(100001, 300.0), p=1e6), "more than 100000"),
    (lambda: kova.component("unobtainium"), "unknown component"),
    (lambda: kova.wilke(["methane", "ethane"], x=[0.5, 0.5], t=300, mulp=["-0.011cP", "0.0095 cP"]),
     "--mulp: must be positive: -0.011cP"),
    (lambda: kova.li(["water", "methanol"], x=[0.5, 0.5], t=300, kl="0.6,0.2 K"), "--kl: not a finite number: 0.2 K"),
    (lambda: kova.trapp(["methane", "ethane"], w=[90, 10], t=300, p=1e6), "add --normalize"),
    (lambda: kova.trapp("methane", t=300, p=1e6, components_file="/nonexistent/kova.csv"), "--components-file"),
])
def test_bad_input_raises_value_error_with_the_calculators_message(call, message):
    with pytest.raises(ValueError) as e:
        call()
    assert message in str(e.value)


def test_databank_with_units():
    db = kova.components()
    assert db.rows == len(db["name"]) == 43
    assert db["name"][0] == "methane" and db.units["PC"] == "Pa"
    c = kova.component("C2H6")
    assert c.name == "ethane" and c["TC"] == 305.32 and c.units["TC"] == "K"
    assert "OMEGA" in c and c.formula == "C2H6"


def test_docstrings_give_method_units_and_source():
    for name in kova.__all__:
        f = getattr(kova, name)
        if callable(f) and name[0].islower() and name not in ("components", "component"):
            doc = f.__doc__
            assert "Parameters" in doc and "Returns" in doc and ", [" in doc, name
            assert "{common}" not in doc and "kdiag" in doc, name
            assert "References" in doc or "no published source" in doc, name


def test_phase_ranges_and_units_as_on_the_command_line():
    # Water at room conditions is liquid by default; a unit is read as on the command line.
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        r = kova.water(t="25 degC", p="1 bar")
    assert np.ravel(r["water"]["phase"])[0] == "liquid"
    assert r["water"]["MU"] == cli_json("water", "--t", "298.15", "--p", "1e5")["results"]["water"][0]["MU"]
    assert not [w for w in caught if w.category is kova.CalculatorWarning]
    # A hydrogen-bonding component in TRAPP: the same warning as the command line's.
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        r = kova.trapp("water", t=300, p=1e5)
    expected = cli_json("trapp", "-c", "water", "--t", "300", "--p", "1e5")["warnings"]
    assert [list(w) for w in r.warnings] == [[w["row"], w["text"]] for w in expected]
    assert any("kova water" in str(w.message) for w in caught if w.category is kova.CalculatorWarning)


def test_gas_models_phase_as_on_the_command_line():
    # Lucas in a liquid state: the same phase column and warnings as the command line's.
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        r = kova.lucas("n-hexane", t=300, p=1e6, phase="vapour")
    cli = cli_json("lucas", "-c", "n-hexane", "--t", "300", "--p", "1e6", "--phase", "vapour")
    assert np.ravel(r["components"]["phase"])[0] == cli["results"]["components"][0]["phase"] == "saturated vapour"
    assert np.ravel(r["mixture"]["phase"])[0] == "liquid"
    assert [list(w) for w in r.warnings] == [[w["row"], w["text"]] for w in cli["warnings"]]
    assert any("model for gases" in str(w.message) for w in caught if w.category is kova.CalculatorWarning)
    # A liquid asked of a gas model is refused with the command line's message.
    with pytest.raises(ValueError, match="kova wilke-chang"):
        kova.dkk(["methane", "propane"], x=[0.6, 0.4], t=350, p=5e6, dv0=1e-5, phase="liquid")
