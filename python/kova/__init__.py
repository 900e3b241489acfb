"""kova: transport properties of pure components and mixtures from the kova library.

Viscosity, thermal conductivity, diffusion coefficients and surface tension by published
methods (TRAPP, Chung-Lee-Starling, Lucas, Dean-Stiel, Stiel-Thodos, Letsou-Stiel,
Wilke/Brokaw, IAPS 1985 water, Li, Dawson-Khoury-Kobayashi, Wilke-Chang, ...), on the
reference host's component databank. Each function is one command of the ``kova``
calculator, with keyword arguments named like its options; the state arguments (``t``,
``p``, ``volume``, ``density`` and other scalars) take numbers or numpy arrays, broadcast
together like numpy, and every state is one calculation. Units are SI on a kmol basis:
K, Pa, m3/kmol, kmol/m3, kg/kmol, Pa s, W/(m K), N/m, m2/s; a value given as a string may
carry its unit, as on the command line (``t="25 degC"``, ``mulp="0.011cP,0.0095cP"``).

The library's messages are issued as :class:`KovaWarning` warnings; an input the
calculator cannot use raises ``ValueError`` with the calculator's message. Calls hold the
GIL: the reference host under the calculations is process-wide state, so calculations run
one at a time.
"""
import inspect
import os
import warnings

import numpy as np

from . import _core
from ._result import CalculatorWarning, Component, KovaWarning, Result, Table

__all__ = [
    "KovaWarning", "CalculatorWarning", "Result", "Table", "Component", "components", "component",
    "dean_stiel", "trapp", "chung", "water", "surface_tension", "wilke", "lucas", "stiel_thodos",
    "letsou_stiel", "li", "dkk", "wilke_chang", "mixed_solvent", "bio_viscosity", "liquid_viscosity",
]

MAX_STATES = 100000

# Broadcast arguments: the name and unit the calculator's tables give them.
_STATE_NAMES = {"t": ("T", "K"), "p": ("P", "Pa"), "volume": ("V", "m3/kmol"), "density": ("rho", "kmol/m3"),
                "p0": ("P0", "Pa"), "mulp": ("MU_LP", "Pa s"), "kmxlp": ("KVMXLP", "W/(m K)"), "xtol": ("XTOL", "")}

_COMMON = """kdiag : int, optional
        Diagnostic level handed to the routines: 0 no messages but range warnings; 1
        results that cannot be calculated; 2 (default) also missing parameters, failed
        iterations and corrected inputs; negative or above 6 also the trace, [-]
    range_warnings : bool, optional
        Whether the routines warn when a correlation is used outside its range, [-]"""


_COMPOSITION = """w : array_like, optional
        Mass fractions in the order of `components` instead of `x`, [-]
    normalize : bool, optional
        Scale `x` or `w` to a sum of 1 (fractions that do not quite sum to 1, or
        percentages), [-]
    """

_COMPONENTS_FILE = """components_file : str or list of str, optional
        CSV file(s) of your own components with the databank's header line (NAME required,
        any other column may be left out); they stay available for later calls, [-]
    """


def _doc(f):
    params = inspect.signature(f).parameters
    common = (_COMPOSITION if "w" in params else "") + (_COMPONENTS_FILE if "components_file" in params else "")
    f.__doc__ = f.__doc__.replace("{common}", common + _COMMON)
    return f


def _names(option, value):
    if value is None:
        return None
    if isinstance(value, str):
        return [s.strip() for s in value.split(",")]
    try:
        return [str(v) for v in value]
    except TypeError:
        raise ValueError(f"--{option}: give a name or a list of names, not {value!r}") from None


def _reals(option, value):
    if value is None:
        return None
    # Values with units ("0.3 cP", or "0.3cP,0.5cP" as on the command line) are read by the
    # calculator core, with the command line's checks and messages.
    if isinstance(value, str) or (isinstance(value, (list, tuple)) and any(isinstance(v, str) for v in value)):
        items = [value] if isinstance(value, str) else [v if isinstance(v, str) else repr(float(v)) for v in value]
        return _core.read_values(f"--{option}", items)
    try:
        return [float(v) for v in np.ravel(np.asarray(value, dtype=float))]
    except (TypeError, ValueError):
        raise ValueError(f"--{option}: not a list of numbers: {value!r}") from None


def _texts(value):
    if value is None:
        return None
    return [value] if isinstance(value, str) else [str(v) for v in value]


def _state(option, value):
    # A quantity with its unit ("25 degC", "70 bar"), alone or in a list, as on the command line.
    unit = _STATE_NAMES.get(option, (option, ""))[1]
    if isinstance(value, str) or (isinstance(value, (list, tuple)) and any(isinstance(v, str) for v in value)):
        items = [value] if isinstance(value, str) else list(value)
        try:
            converted = [_core.quantity(v, unit) if isinstance(v, str) else float(v) for v in items]
        except ValueError as e:
            raise ValueError(f"--{option}: not a number or a quantity with a unit: {value!r} ({e})") from None
        return np.asarray(converted[0] if isinstance(value, str) else converted, dtype=float)
    try:
        return np.asarray(value, dtype=float)
    except (TypeError, ValueError):
        raise ValueError(f"--{option}: not a number or an array of numbers: {value!r}") from None


# How each fixed keyword argument goes into a command's input: names (a comma-separated
# string or a list), value lists (numbers, or values with units as on the command line),
# whole texts, and plain scalars.
_PACK = {"components": lambda v: _names("components", v), "marked": lambda v: _names("marked", v),
         "solute": lambda v: _names("solute", v), "bio": _texts, "phase": str, "rule": str, "kcoef": int,
         "nexp": int, "given": bool, "normalize": bool}
_LISTS = ("x", "w", "mulp", "klp", "kl", "vl", "dv0", "mul", "sigma", "vw")


def _load(components_file):
    # One path (str or os.PathLike) or a list of them, as --components-file may be repeated.
    paths = [components_file] if isinstance(components_file, str) or hasattr(components_file, "__fspath__") \
        else components_file
    for path in paths:
        _core.load_components_file(os.fspath(path))


def _call(command, states, kdiag, range_warnings, components_file=None, **fixed):
    """Runs one command: its components file loaded, its fixed keyword arguments packed into
    the command's input, at every state of the broadcast state arguments."""
    if components_file is not None:
        _load(components_file)
    packed = {}
    for name, value in fixed.items():
        if value is not None:
            packed[name] = _reals(name, value) if name in _LISTS else _PACK[name](value)
    # The plain liquid-mixture viscosity is the bio-component rule without bio-components.
    input_type = "BioViscosityInput" if command == "liquid_viscosity" else \
        "".join(part.capitalize() for part in command.split("_")) + "Input"
    return _run(command, input_type, states, packed, kdiag, range_warnings)


def _run(command, input_type, states, fixed, kdiag, range_warnings):
    """Runs one command at every state of the broadcast state arguments."""
    inp = getattr(_core, input_type)()
    for name, value in fixed.items():
        if value is not None:
            setattr(inp, name, value)
    names = [n for n, v in states.items() if v is not None]
    arrays = np.broadcast_arrays(*[_state(n, states[n]) for n in names]) if names else []
    shape = arrays[0].shape if names else ()
    size = int(np.prod(shape, dtype=np.int64))
    if size == 0:
        raise ValueError("no state: the state arguments are empty")
    if size > MAX_STATES:
        raise ValueError(f"the arguments broadcast to {size} states, more than {MAX_STATES}")
    points = np.stack([a.ravel() for a in arrays], axis=-1).tolist() if names else [[]]
    outcomes = getattr(_core, command)(inp, names, points, int(kdiag), bool(range_warnings))
    leading = [(_STATE_NAMES.get(n, (n, ""))[0], _STATE_NAMES.get(n, (n, ""))[1], a.ravel().tolist())
               for n, a in zip(names, arrays) if np.ndim(states[n]) > 0]
    result = Result(command.replace("_", "-"), outcomes, shape, leading)
    for w in result.messages:
        warnings.warn(w, stacklevel=4)
    for row, text in result.warnings:
        warnings.warn(CalculatorWarning(f"{row}: {text}" if row else text), stacklevel=4)
    return result


# ------------------------------------------------------------------ databank

def components():
    """The reference host's component databank.

    Returns
    -------
    Table
        One row per component: ``number``, ``name``, ``formula``, ``MW`` [kg/kmol],
        ``TC`` [K], ``PC`` [Pa], ``VC`` [m3/kmol], ``ZC`` and ``OMEGA`` [-]; the sources of
        the values are listed in refhost/data/SOURCES.md.

    Examples
    --------
    >>> db = kova.components()
    >>> db["name"][:3]
    array(['methane', 'ethane', 'propane'], dtype=object)
    """
    o = _core.components()
    name, columns, rows = o["tables"][0]
    return Table(name, columns, [rows], ())


def component(name, *, components_file=None):
    """Every databank column of one component, with units.

    Parameters
    ----------
    name : str
        Databank name (any case), CAS number or formula, e.g. ``"methane"``, ``"74-82-8"``,
        ``"CH4"``.
    components_file : str or list of str, optional
        CSV file(s) of your own components with the databank's header line, loaded first.

    Returns
    -------
    Component
        A dict of column -> value (None where the databank has no value) with ``units``.

    Raises
    ------
    ValueError
        For a name the databank does not have.

    Examples
    --------
    >>> c = kova.component("methane")
    >>> c["TC"], c.units["TC"]
    (190.56, 'K')
    """
    if components_file is not None:
        _load(components_file)
    return Component(_core.component(str(name))["tables"][0][2])


# ------------------------------------------------------------------ models

@_doc
def dean_stiel(components, *, x=None, w=None, normalize=False, t, volume=None, density=None, p=None, mulp=None,
               phase="auto", components_file=None, kdiag=2, range_warnings=True):
    r"""Dense-gas correction of vapour viscosity by the method of Dean and Stiel, for each
    component alone and for the mixture, and with the mixture's low-pressure viscosity its
    dense-gas viscosity.

    .. math::
        \eta - \eta^\circ = 4.9691\times 10^{-11}\,
        \frac{\exp(1.439\rho_r) - \exp(-1.11\rho_r^{1.858})}{\xi}, \quad
        \xi = \frac{T_c^{1/6}}{P_c^{2/3} M^{1/2}}, \quad \rho_r = \frac{V_c}{V}

    in Pa s with :math:`P_c = R Z_c T_c / V_c` in Pa,

    with mole-fraction averaged critical constants for the mixture.

    Parameters
    ----------
    components : str or list of str
        Databank components (names, CAS numbers or formulas), [-]
    x : array_like, optional
        Mole fractions in the order of `components` (not needed for one component), [-]
    t : float or array_like
        Temperature, [K]
    volume : float or array_like, optional
        Molar volume of the vapour, [m^3/kmol]
    density : float or array_like, optional
        Molar density instead of `volume`, [kmol/m^3]
    p : float or array_like, optional
        Pressure instead of `volume`; the mixture's and each component's own volume then
        come from the reference host's Peng-Robinson equation of state, [Pa]
    mulp : float or array_like, optional
        Low-pressure viscosity of the mixture; gives the dense viscosity ``MU``, [Pa*s]
    phase : {'auto', 'vapour'}, optional
        With `p` the state's phase is judged from the host's vapour pressures and shown
        in each row's ``phase``; Dean-Stiel is a model for gases, so a liquid state is
        warned (:class:`CalculatorWarning`) and ``'liquid'`` raises ``ValueError``, [-]
    {common}

    Returns
    -------
    Result
        ``components``: ``VC``, ``VV`` [m^3/kmol], ``rho_r`` [-], ``MU_EXCESS`` [Pa*s] (excess
        over the low-pressure viscosity); ``mixture``: ``MU_EXCESS`` and with `mulp` also
        ``MU_LP``, ``MU`` [Pa*s]; with `p` both tables also ``phase``.

    Notes
    -----
    Routines KOVA_MUV007, KOVA_MUV205 and KOVA_MUV202.

    Examples
    --------
    >>> r = kova.dean_stiel(["methane", "ethane"], x=[0.8, 0.2], t=320, p=5e6)
    >>> float(r.mixture["MUVXPC"])  # doctest: +ELLIPSIS
    1.1379...e-06

    References
    ----------
    .. [1] Dean, D. E., and L. I. Stiel. "The Viscosity of Nonpolar Gas Mixtures at
       Moderate and High Pressures." AIChE Journal 4, no. 4 (1958): 430-436.
    .. [2] Reid, R. C., J. M. Prausnitz, and B. E. Poling. The Properties of Gases and
       Liquids, 4th ed. New York: McGraw-Hill, 1987, section 9-6.
    """
    return _call("dean_stiel", {"t": t, "volume": volume, "density": density, "p": p, "mulp": mulp}, kdiag,
                 range_warnings, components_file, components=components, x=x, w=w, normalize=normalize, phase=phase)


@_doc
def trapp(components, *, x=None, w=None, normalize=False, t, p, phase="auto", components_file=None, kdiag=2,
          range_warnings=True):
    r"""Viscosity and thermal conductivity of a mixture and of each component by the
    TRAPP extended corresponding-states method of Ely and Hanley, gas or liquid.

    The mixture is mapped onto an equivalent methane state by shape factors
    (:math:`f_x, h_x`, iterated with the host's methane equation of state):

    .. math::
        \eta = \eta_0(T/f_x, \rho h_x) F_\eta X_\eta, \quad
        F_\eta = h_x^{-2/3}\left(f_x M_x/M_0\right)^{1/2}

    and the conductivity is the translational part from methane plus a modified Eucken
    internal part from the host's ideal-gas heat capacity.

    Parameters
    ----------
    components : str or list of str
        Databank components (names, CAS numbers or formulas), [-]
    x : array_like, optional
        Mole fractions in the order of `components` (not needed for one component), [-]
    t : float or array_like
        Temperature, [K]
    p : float or array_like
        Pressure, [Pa]
    phase : {'auto', 'vapour', 'liquid'}, optional
        Phase of the state; a fluid asked in a phase it cannot have is computed in the
        other one, [-]
    {common}

    Returns
    -------
    Result
        ``components``: ``MU`` [Pa*s], ``K`` [W/(m*K)] of each component alone;
        ``mixture``: ``MU``, ``K``, ``KCONV`` (1 when the equivalent-state iteration
        converged); ``equivalent_state``: the methane state and factors.

    Notes
    -----
    Routines KOVA_MUV003/KOVA_MUL003, KOVA_KV004/KOVA_KL003, KOVA_KV203/KOVA_KL202 and
    KOVA_MUV203/KOVA_MUL204.

    Examples
    --------
    >>> import numpy as np
    >>> r = kova.trapp(["methane", "propane"], x=[0.6, 0.4], t=np.linspace(250, 400, 16), p=5e6)
    >>> r.mixture["MU"].shape
    (16,)
    >>> float(r.mixture["MU"][0])  # doctest: +ELLIPSIS
    5.228...e-05

    References
    ----------
    .. [1] Ely, J. F., and H. J. M. Hanley. "Prediction of Transport Properties. 1.
       Viscosity of Fluids and Mixtures." Industrial & Engineering Chemistry Fundamentals
       20, no. 4 (1981): 323-332.
    .. [2] Ely, J. F., and H. J. M. Hanley. "Prediction of Transport Properties. 2.
       Thermal Conductivity of Pure Fluids and Mixtures." Industrial & Engineering
       Chemistry Fundamentals 22, no. 1 (1983): 90-97.
    .. [3] Leach, J. W., P. S. Chappelear, and T. W. Leland. AIChE Journal 14 (1968): 568.
    """
    return _call("trapp", {"t": t, "p": p}, kdiag, range_warnings, components_file, components=components, x=x, w=w,
                 normalize=normalize, phase=phase)


@_doc
def chung(components, *, x=None, w=None, normalize=False, t, volume=None, density=None, p=None, phase="auto",
          kcoef=0, components_file=None, kdiag=2, range_warnings=True):
    r"""Viscosity (low pressure and dense fluid) and thermal conductivity of each component
    and of the mixture by the method of Chung, Ajlan, Lee and Starling.

    .. math::
        \eta^\circ = 40.785 \frac{F_c (M T)^{1/2}}{V_c^{2/3}\Omega_v}, \quad
        \eta = \eta^* \frac{36.344 (M T_c)^{1/2}}{V_c^{2/3}}

    with the dense-fluid :math:`\eta^*` from the reduced density, and the conductivity from
    the low-pressure viscosity and the ideal-gas heat capacity.

    Parameters
    ----------
    components : str or list of str
        Databank components (names, CAS numbers or formulas), [-]
    x : array_like, optional
        Mole fractions in the order of `components` (not needed for one component), [-]
    t : float or array_like
        Temperature, [K]
    volume : float or array_like, optional
        Molar volume, [m^3/kmol]; without `volume`, `density` or `p` the ideal-gas volume
        at 101325 Pa
    density : float or array_like, optional
        Molar density instead of `volume`, [kmol/m^3]
    p : float or array_like, optional
        Pressure instead of `volume` (host's Peng-Robinson volume, each component at its
        own), [Pa]
    kcoef : int, optional
        1 for the two-column (non-polar) coefficient set of the dense-fluid viscosity, [-]
    {common}

    Returns
    -------
    Result
        ``components``: ``V`` [m^3/kmol], ``MU_LP``, ``MU`` [Pa*s], ``CP`` [J/(kmol*K)],
        ``K`` [W/(m*K)]; ``mixture``: ``MU_LP``, ``MU``, ``CP``, ``K``.

    Notes
    -----
    Routines KOVA_MUV008, KOVA_MUV206, KOVA_MUVL04, KOVA_MUVL03, KOVA_KVL03, KOVA_KVL02.

    References
    ----------
    .. [1] Chung, T.-H., L. L. Lee, and K. E. Starling. Industrial & Engineering Chemistry
       Fundamentals 23 (1984): 8-13.
    .. [2] Chung, T.-H., M. Ajlan, L. L. Lee, and K. E. Starling. "Generalized
       Multiparameter Correlation for Nonpolar and Polar Fluid Transport Properties."
       Industrial & Engineering Chemistry Research 27 (1988): 671-679.
    .. [3] Poling, B. E., J. M. Prausnitz, and J. P. O'Connell. The Properties of Gases
       and Liquids, 5th ed. New York: McGraw-Hill, 2001, sections 9-4 to 9-6, 10-3, 10-5.
    """
    return _call("chung", {"t": t, "volume": volume, "density": density, "p": p}, kdiag, range_warnings, components_file,
                 components=components, x=x, w=w, normalize=normalize, kcoef=kcoef, phase=phase)


@_doc
def water(*, t, p, phase="auto", kdiag=2, range_warnings=True):
    r"""Viscosity and thermal conductivity of water (IAPS Formulation 1985, with the
    critical enhancement) and the surface tension of liquid water.

    .. math::
        \mu = \mu_0(\bar T)\,\mu_1(\bar T, \bar\rho)\,\mu_2, \quad
        \lambda = \lambda_0 \lambda_1 + \Delta\lambda_c

    with the density from the host's IAPWS-IF97 equation of state in the requested phase.

    Parameters
    ----------
    t : float or array_like
        Temperature, [K]
    p : float or array_like
        Pressure, [Pa]
    phase : {'auto', 'vapour', 'liquid'}, optional
        Phase; at or below 647.27 K a vapour above its saturation pressure or a liquid
        below it is evaluated at saturation, [-]
    {common}

    Returns
    -------
    Result
        ``water``: ``MU`` [Pa*s], ``K`` [W/(m*K)] and for the liquid ``SIGMA`` [N/m].

    Notes
    -----
    Routines KOVA_MUV004/KOVA_MUL004, KOVA_KV005/KOVA_KL004, KOVA_SIG003. Outside the
    formulations' range the library warns (:class:`KovaWarning`).

    References
    ----------
    .. [1] Sengers, J. V., and B. Kamgar-Parsi. Journal of Physical and Chemical Reference
       Data 13 (1984): 185.
    .. [2] Sengers, J. V., J. T. R. Watson, R. S. Basu, B. Kamgar-Parsi, and R. C.
       Hendricks. Journal of Physical and Chemical Reference Data 13 (1984): 893.
    .. [3] IAPWS. Release on the Surface Tension of Ordinary Water Substance, 1994.
    """
    return _call("water", {"t": t, "p": p}, kdiag, range_warnings, phase=phase)


@_doc
def surface_tension(components, *, x=None, w=None, normalize=False, sigma, nexp=1, marked=None, vw=None,
                    components_file=None, kdiag=2, range_warnings=True):
    r"""Surface tension of a liquid mixture from the pure-component values: a power-law
    rule over the unmarked components, the marked ones entering linearly by their weighted
    fractions.

    .. math::
        \sigma_m = \sum_{j\,\mathrm{marked}} \phi_j \sigma_j
        + \Big(\sum_{i\,\mathrm{unmarked}} \frac{x_i}{S}\sigma_i^n\Big)^{1/n}
        \Big(1 - \sum_j \phi_j\Big), \quad \phi_j = \frac{x_j w_j}{\sum_k x_k w_k}

    Parameters
    ----------
    components : str or list of str
        Databank components, [-]
    x : array_like, optional
        Mole fractions in the order of `components`, [-]
    sigma : array_like
        Pure-component surface tensions, one per component, [N/m]
    nexp : int, optional
        Exponent n of the power-law rule (0 is taken as 1), [-]
    marked : str or list of str, optional
        Components that enter linearly, [-]
    vw : array_like, optional
        Weighting factors w, one per component (default 1), [-]
    {common}

    Returns
    -------
    Result
        ``components`` and ``mixture``: ``SIGMX`` [N/m].

    Notes
    -----
    Routine KOVA_SIG203.

    References
    ----------
    .. [1] API Technical Data Book, procedure 10A2.1.
    .. [2] Reid, R. C., J. M. Prausnitz, and B. E. Poling. The Properties of Gases and
       Liquids, 4th ed., 1987, section 12-5.
    """
    return _call("surface_tension", {}, kdiag, range_warnings, components_file, components=components, x=x, w=w,
                 normalize=normalize, sigma=sigma, nexp=nexp, marked=marked, vw=vw)


@_doc
def wilke(components, *, x=None, w=None, normalize=False, t, mulp=None, components_file=None, kdiag=2,
          range_warnings=True):
    r"""Viscosity of a low-pressure vapour mixture by Wilke's rule with Brokaw's mass and
    polarity factors.

    .. math::
        \mu_m = \sum_i \frac{x_i \mu_i}{\sum_j x_j \phi_{ij}}, \quad
        \phi_{ij} = S_{ij} A_{ij} (\mu_i/\mu_j)^{1/2}

    Stockmayer parameters come from the databank or are estimated from the boiling point.

    Parameters
    ----------
    components : str or list of str
        Databank components, [-]
    x : array_like, optional
        Mole fractions in the order of `components`, [-]
    t : float or array_like
        Temperature, [K]
    mulp : array_like
        Low-pressure viscosity of each component at `t`, [Pa*s]
    {common}

    Returns
    -------
    Result
        ``components`` (``MW``, ``eps/k`` [K], ``sigma`` [m]) and ``mixture``: ``MU_LP``
        [Pa*s].

    Notes
    -----
    Routine KOVA_MUV201.

    References
    ----------
    .. [1] Wilke, C. R. "A Viscosity Equation for Gas Mixtures." Journal of Chemical
       Physics 18 (1950): 517.
    .. [2] Brokaw, R. S. Industrial & Engineering Chemistry Process Design and Development
       8 (1969): 240.
    """
    return _call("wilke", {"t": t}, kdiag, range_warnings, components_file, components=components, x=x, w=w,
                 normalize=normalize, mulp=mulp)


@_doc
def lucas(components, *, x=None, w=None, normalize=False, t, p, phase="auto", components_file=None, kdiag=2,
          range_warnings=True):
    r"""Vapour viscosity of each component and of the mixture by the method of Lucas, at
    low pressure or as a dense gas, with polar and quantum corrections.

    .. math::
        \eta\xi = \left[0.807 T_r^{0.618} - 0.357 e^{-0.449 T_r} + 0.340 e^{-4.058 T_r}
        + 0.018\right] F_P^\circ F_Q^\circ \times 10^{-7}, \quad
        \xi = 0.176\, T_c^{1/6} M^{-1/2} P_c^{-2/3}

    at low pressure, raised by the reduced-pressure correlation for a dense gas.

    Parameters
    ----------
    components : str or list of str
        Databank components, [-]
    x : array_like, optional
        Mole fractions in the order of `components`, [-]
    t : float or array_like
        Temperature, [K]
    p : float or array_like
        Pressure; below its critical temperature a component is taken at no more than its
        vapour pressure, with a warning, [Pa]
    phase : {'auto', 'vapour'}, optional
        The state's phase is judged from the host's vapour pressures and shown in each
        row's ``phase``; Lucas is a model for gases, so a liquid state is warned
        (:class:`CalculatorWarning`) and ``'liquid'`` raises ``ValueError``, [-]
    {common}

    Returns
    -------
    Result
        ``components``: ``Tr``, ``Pr``, ``MUR`` [-], ``MU`` [Pa*s], ``P_used`` [Pa],
        ``phase``; ``mixture``: ``MU``, ``P_used``, ``phase``.

    Notes
    -----
    Routines KOVA_MUV005 and KOVA_MUV204.

    References
    ----------
    .. [1] Poling, B. E., J. M. Prausnitz, and J. P. O'Connell. The Properties of Gases
       and Liquids, 5th ed. New York: McGraw-Hill, 2001, sections 9-4 to 9-6.
    """
    return _call("lucas", {"t": t, "p": p}, kdiag, range_warnings, components_file, components=components, x=x, w=w,
                 normalize=normalize, phase=phase)


@_doc
def stiel_thodos(components, *, x=None, w=None, normalize=False, volume=None, density=None, klp=None, kmxlp=None,
                 components_file=None, kdiag=2, range_warnings=True):
    r"""Dense-gas thermal conductivity of vapours by Stiel and Thodos: the excess over the
    low-pressure value for each component and the mixture, and with low-pressure values the
    dense conductivities.

    .. math::
        (\lambda - \lambda^\circ)\Gamma Z_c^5 = 1.4\times 10^{-7}
        \left[\exp(0.535\rho_r) - 1\right], \quad \rho_r < 0.5, \quad
        \Gamma = 2173.42\, M^{1/2} T_c^{1/6} P_c^{-2/3}

    in cal/(cm s K), with two further ranges up to :math:`\rho_r = 2.8` and a tangent
    beyond it (with a warning).

    Parameters
    ----------
    components : str or list of str
        Databank components, [-]
    x : array_like, optional
        Mole fractions in the order of `components`, [-]
    volume : float or array_like, optional
        Molar volume, [m^3/kmol]
    density : float or array_like, optional
        Molar density instead of `volume`, [kmol/m^3]
    klp : array_like, optional
        Low-pressure conductivity of each component; gives ``KV``, [W/(m*K)]
    kmxlp : float or array_like, optional
        Low-pressure conductivity of the mixture; gives ``KVMX``, [W/(m*K)]
    {common}

    Returns
    -------
    Result
        ``components``: ``rho_r``, ``KVPC`` (and ``KV``) [W/(m*K)]; ``mixture``:
        ``KVMXPC`` (and ``KVMX``).

    Notes
    -----
    Routines KOVA_KV006, KOVA_KV204, KOVA_KV003 and KOVA_KV202.

    References
    ----------
    .. [1] Stiel, L. I., and G. Thodos. "The Thermal Conductivity of Nonpolar Substances
       in the Dense Gaseous and Liquid Regions." AIChE Journal 10 (1964): 26-30.
    """
    return _call("stiel_thodos", {"volume": volume, "density": density, "kmxlp": kmxlp}, kdiag, range_warnings,
                 components_file, components=components, x=x, w=w, normalize=normalize, klp=klp)


@_doc
def letsou_stiel(components, *, t, components_file=None, kdiag=2, range_warnings=True):
    r"""Liquid viscosity of each component by the corresponding-states method of Letsou
    and Stiel.

    .. math::
        \eta\xi = (0.015174 - 0.02135 T_r + 0.0075 T_r^2)
        + \omega(0.042552 - 0.07674 T_r + 0.034 T_r^2), \quad
        \xi = \frac{2173420\, T_c^{1/6}}{M^{1/2} P_c^{2/3}}

    for reduced temperatures from 0.76 to 0.98.

    Parameters
    ----------
    components : str or list of str
        Databank components, [-]
    t : float or array_like
        Temperature, [K]
    {common}

    Returns
    -------
    Result
        ``components``: ``Tr``, ``OMEGA`` [-], ``MU`` [Pa*s].

    Notes
    -----
    Routine KOVA_MUL005.

    References
    ----------
    .. [1] Letsou, A., and L. I. Stiel. "Viscosity of Saturated Nonpolar Liquids at
       Elevated Pressures." AIChE Journal 19 (1973): 409-411.
    """
    return _call("letsou_stiel", {"t": t}, kdiag, range_warnings, components_file, components=components)


@_doc
def li(components, *, x=None, w=None, normalize=False, t, kl=None, vl=None, components_file=None, kdiag=2,
       range_warnings=True):
    r"""Thermal conductivity of a liquid mixture by Li's rule.

    .. math::
        \lambda_m = \sum_i\sum_j \phi_i\phi_j \lambda_{ij}, \quad
        \lambda_{ij} = 2(\lambda_i^{-1} + \lambda_j^{-1})^{-1}, \quad
        \phi_i = \frac{x_i V_i}{\sum_j x_j V_j}

    Parameters
    ----------
    components : str or list of str
        Databank components, [-]
    x : array_like, optional
        Mole fractions in the order of `components`, [-]
    t : float or array_like
        Temperature (for the host's Rackett volumes), [K]
    kl : array_like
        Pure liquid thermal conductivities, [W/(m*K)]
    vl : array_like, optional
        Liquid molar volumes (default: the host's Rackett volumes at `t`), [m^3/kmol]
    {common}

    Returns
    -------
    Result
        ``components`` and ``mixture``: ``KLMX`` [W/(m*K)].

    Notes
    -----
    Routine KOVA_KL204.

    References
    ----------
    .. [1] Li, C. C. "Thermal Conductivity of Liquid Mixtures." AIChE Journal 22 (1976):
       927-930.
    """
    return _call("li", {"t": t}, kdiag, range_warnings, components_file, components=components, x=x, w=w, normalize=normalize,
                 kl=kl, vl=vl)


@_doc
def dkk(components, *, x=None, w=None, normalize=False, t, p, p0=101325.0, dv0, phase="auto", components_file=None,
        kdiag=2, range_warnings=True):
    r"""Binary gas diffusion coefficients of every pair corrected from `p0` to `p` by
    Dawson, Khoury and Kobayashi.

    .. math::
        \frac{\rho D}{(\rho D)^\circ} = 1 + 0.053432\rho_r - 0.030182\rho_r^2
        - 0.029725\rho_r^3

    with pair volumes from the host's Peng-Robinson equation of state.

    Parameters
    ----------
    components : str or list of str
        Databank components (at least two), [-]
    x : array_like, optional
        Mole fractions in the order of `components`, [-]
    t : float or array_like
        Temperature, [K]
    p : float or array_like
        Pressure, [Pa]
    p0 : float or array_like, optional
        Pressure of the low-pressure coefficients, [Pa]
    dv0 : array_like
        Low-pressure coefficients: one for all pairs, or one per pair in the order (2,1),
        (3,1), (3,2), ..., [m^2/s]
    phase : {'auto', 'vapour'}, optional
        The state's phase is judged from the host's vapour pressures and shown in each
        pair's ``phase`` (of the pair's binary mixture); Dawson-Khoury-Kobayashi is a
        model for gases, so a liquid state is warned (:class:`CalculatorWarning`) and
        ``'liquid'`` raises ``ValueError``, [-]
    {common}

    Returns
    -------
    Result
        ``pairs``: ``component k``, ``component l``, ``DV0``, ``DV`` [m^2/s], ``phase``.

    Notes
    -----
    Routine KOVA_DV002.

    References
    ----------
    .. [1] Dawson, R., F. Khoury, and R. Kobayashi. "Self-Diffusion Measurements in
       Methane by Pulsed Nuclear Magnetic Resonance." AIChE Journal 16 (1970): 725-729.
    """
    return _call("dkk", {"t": t, "p": p, "p0": p0}, kdiag, range_warnings, components_file, components=components, x=x,
                 w=w, normalize=normalize, dv0=dv0, phase=phase)


@_doc
def wilke_chang(components, *, x=None, w=None, normalize=False, t, mul=None, given=False, components_file=None,
                kdiag=2, range_warnings=True):
    r"""Binary liquid diffusion coefficients of every pair of a mixture by Wilke and
    Chang.

    .. math::
        D_{AB} = 7.4\times 10^{-8}\frac{(\phi M_B)^{1/2} T}{\eta_B V_A^{0.6}}
        \quad (\mathrm{cm^2/s,\ cP,\ cm^3/mol})

    over the mixture's viscosity, combined for each pair by Vignes' rule.

    Parameters
    ----------
    components : str or list of str
        Databank components, [-]
    x : array_like, optional
        Mole fractions in the order of `components`, [-]
    t : float or array_like
        Temperature, [K]
    mul : array_like, optional
        Pure liquid viscosities (default: the host's DIPPR-101 values), [Pa*s]
    given : bool, optional
        Divide by the mixture of the given viscosities (KOVA_DL004), [-]
    {common}

    Returns
    -------
    Result
        ``components`` (``MU``, ``MW``, ``VB``) and ``pairs``: ``BINDL`` [m^2/s].

    Notes
    -----
    Routines KOVA_DL001 and KOVA_DL004.

    References
    ----------
    .. [1] Wilke, C. R., and P. Chang. "Correlation of Diffusion Coefficients in Dilute
       Solutions." AIChE Journal 1 (1955): 264-270.
    .. [2] Poling, B. E., J. M. Prausnitz, and J. P. O'Connell. The Properties of Gases
       and Liquids, 5th ed., 2001, section 11-9.
    """
    return _call("wilke_chang", {"t": t}, kdiag, range_warnings, components_file, components=components, x=x, w=w,
                 normalize=normalize, mul=mul, given=given)


@_doc
def mixed_solvent(components, *, x=None, w=None, normalize=False, t, solute=None, rule="log", bio=None, xtol=1e-8,
                  components_file=None, kdiag=2, range_warnings=True):
    r"""Diffusion coefficient of each solute in the mixed solvent formed by the other
    components, by the Wilke-Chang equation over the solvent's mixed association factor,
    molecular weight and viscosity (Perkins and Geankoplis).

    .. math::
        D_{Am} = 7.4\times 10^{-8}\frac{(\phi M)^{1/2} T}{\eta_m V_A^{0.6}}, \quad
        \phi M = \sum_{j \ne A} x_j \phi_j M_j

    Parameters
    ----------
    components : str or list of str
        Databank components, [-]
    x : array_like, optional
        Mole fractions in the order of `components`, [-]
    t : float or array_like
        Temperature, [K]
    solute : str or list of str, optional
        The solutes (default: each component in turn), [-]
    rule : {'log', 'quadratic', 'cube-root'}, optional
        Mixing rule of the solvent's viscosity, [-]
    bio : str or list of str, optional
        Bio-components ``"NAME:a,b,d,lower,upper"``; the solvent viscosity then comes from
        the bio-component rule (KOVA_DL103), [-]
    xtol : float or array_like, optional
        Smallest solvent mole-fraction total that is inverted, [-]
    {common}

    Returns
    -------
    Result
        ``components``: ``solute`` (1 or 0), ``DL`` [m^2/s].

    Notes
    -----
    Routines KOVA_DL102 and KOVA_DL103.

    References
    ----------
    .. [1] Perkins, R., and C. J. Geankoplis. "Molecular Diffusion in a Ternary Liquid
       System with the Diffusing Component Dilute." Chemical Engineering Science 24
       (1969): 1035-1042.
    """
    return _call("mixed_solvent", {"t": t, "xtol": xtol}, kdiag, range_warnings, components_file,
                 components=components, x=x, w=w, normalize=normalize, solute=solute, rule=rule, bio=bio)


@_doc
def bio_viscosity(components, *, x=None, w=None, normalize=False, t, bio, mul=None, xtol=1e-8, components_file=None,
                  kdiag=2, range_warnings=True):
    r"""Viscosity of a liquid mixture with bio-components: the logarithmic mean of the
    solvent's viscosities lowered by a cubic in the bio-components' mass concentration,
    continued by its tangent beyond the given bounds.

    .. math::
        \eta_m = \frac{\eta_s}{F(c_T)}, \quad F(c) = 1 + a c + b c^2 + d c^3, \quad
        \ln\eta_s = \frac{\sum_{\mathrm{solvent}} x_i \ln\eta_i}{\sum_{\mathrm{solvent}} x_i}

    with :math:`c_T` the bio-components' total mass concentration and a, b, d their
    concentration-weighted coefficients.

    This model is the library's own (no published source).

    Parameters
    ----------
    components : str or list of str
        Databank components, [-]
    x : array_like, optional
        Mole fractions in the order of `components`, [-]
    t : float or array_like
        Temperature, [K]
    bio : str or list of str
        Bio-components ``"NAME:a,b,d,lower,upper"`` (a, b, d in m^3/kg units, bounds in
        kg/m^3), [-]
    mul : array_like, optional
        Pure liquid viscosities (default: the host's DIPPR-101 values), [Pa*s]
    xtol : float or array_like, optional
        Smallest solvent mole-fraction total that is inverted, [-]
    {common}

    Returns
    -------
    Result
        ``components`` (``bio``, ``MU``, ``VL``) and ``mixture``: ``MU`` [Pa*s].

    Notes
    -----
    Routine KOVA_MUL205.
    """
    return _call("bio_viscosity", {"t": t, "xtol": xtol}, kdiag, range_warnings, components_file,
                 components=components, x=x, w=w, normalize=normalize, mul=mul, bio=bio)


@_doc
def liquid_viscosity(components, *, x=None, w=None, normalize=False, t, mul=None, components_file=None, kdiag=2,
                     range_warnings=True):
    r"""Viscosity of a liquid mixture from the pure-liquid viscosities by the logarithmic
    (Arrhenius) mixing rule.

    .. math::
        \ln\eta_m = \sum_i x_i \ln\eta_i

    Parameters
    ----------
    components : str or list of str
        Databank components, [-]
    x : array_like, optional
        Mole fractions in the order of `components`, [-]
    t : float or array_like
        Temperature, [K]
    mul : array_like, optional
        Pure liquid viscosities (default: the host's DIPPR-101 values, with a warning
        outside their fitted range), [Pa*s]
    {common}

    Returns
    -------
    Result
        ``components`` (``MU`` [Pa*s]) and ``mixture``: ``MU`` [Pa*s].

    Notes
    -----
    Routine KOVA_MUL205 without bio-components.

    Examples
    --------
    >>> r = kova.liquid_viscosity(["toluene", "benzene"], x=[0.5, 0.5], t=300)
    >>> float(r.mixture["MU"])  # doctest: +ELLIPSIS
    0.000563...

    References
    ----------
    .. [1] Arrhenius, S. "Über die innere Reibung verdünnter wässeriger Lösungen."
       Zeitschrift für physikalische Chemie 1 (1887): 285-298.
    .. [2] Poling, B. E., J. M. Prausnitz, and J. P. O'Connell. The Properties of Gases
       and Liquids, 5th ed., 2001, section 9-13.
    """
    return _call("liquid_viscosity", {"t": t}, kdiag, range_warnings, components_file, components=components, x=x,
                 w=w, normalize=normalize, mul=mul)
