// IAPWS-IF97 (Industrial Formulation 1997 for the thermodynamic properties of water and
// steam, revised release 2007): the pieces the reference host's water routines need.
//
//   region 1  compressed liquid, Gibbs free energy g(p, T)
//   region 2  vapour, Gibbs free energy g(p, T) (ideal part plus residual)
//   region 3  near-critical fluid, Helmholtz free energy f(rho, T), solved for rho at p
//   region 4  saturation pressure psat(T)
//   B23       boundary between regions 2 and 3, p(T)
//
// Coefficients: IAPWS, Revised Release on the IAPWS Industrial Formulation 1997 for the
// Thermodynamic Properties of Water and Steam (2007), tables 2, 10, 11, 30, 34 and equation 5;
// the numbers were copied from the release's tables as distributed with Debian's python3-iapws.
//
// Units here: K, Pa, kg/m3, m3/kg. The host routines convert to the kmol basis.
#pragma once

namespace kova::refhost::if97 {

inline constexpr double kR = 461.526;         // specific gas constant, J/(kg K)
inline constexpr double kTc = 647.096;        // critical temperature, K
inline constexpr double kPc = 22.064e6;       // critical pressure, Pa
inline constexpr double kRhoc = 322.0;        // critical density, kg/m3
inline constexpr double kMolarMass = 18.015268;  // kg/kmol (IAPWS)
inline constexpr double kT13 = 623.15;        // upper temperature of region 1, K
inline constexpr double kPmin = 1.0;          // pressures below this are taken as this, Pa

// Region 4: saturation pressure, Pa. The equation is valid from 273.15 K to the critical
// temperature; above it the same closed form is continued smoothly (it stays defined up to
// about 660 K), which is what the host returns there: a phase test, not a saturation state.
double psat(double t);

// B23 boundary: pressure on the region 2/3 boundary at T, Pa.
double p_b23(double t);

// Specific volume, its derivatives, and whether the state is mechanically stable.
struct Volume {
  double v = 0.0;     // m3/kg
  double dvdt = 0.0;  // (dv/dT) at constant p, m3/(kg K)
  double dvdp = 0.0;  // (dv/dp) at constant T, m3/(kg Pa)
  bool stable() const { return v > 0.0 && dvdp < 0.0; }
};

Volume region1(double t, double p);
Volume region2(double t, double p);

// Region 3 from (rho, T): pressure and its two first derivatives.
struct Region3 {
  double p = 0.0;       // Pa
  double dpdrho = 0.0;  // (dp/drho) at constant T, Pa m3/kg
  double dpdt = 0.0;    // (dp/dT) at constant rho, Pa/K
};
Region3 region3(double rho, double t);

// Phase of a requested state: 1 vapour, 2 liquid, anything else the stable phase.
enum class Root { Stable, Vapour, Liquid };

// What water_volume found.
struct State {
  Volume vol;
  int region = 0;           // 1, 2 or 3: the equation that gave the volume (0 above 100 MPa)
  bool metastable = false;  // the requested phase exists only as a metastable state here
  bool substituted = false; // the requested phase has no root here: the stable one is given
};

// Specific volume of water at (T, P) in the requested phase.
//
// Stable states follow the IF97 region boundaries: below 623.15 K region 1 at or above the
// saturation pressure and region 2 below it; above 623.15 K region 2 below the B23 pressure
// and region 3 at or above it, where below the critical temperature the liquid root is
// taken at or above the saturation pressure and the vapour root below it.
//
// A requested phase that is not the stable one gets its metastable root where one exists:
// the superheated liquid (region 1 below 623.15 K, the liquid branch of region 3 above it,
// down to the liquid spinodal) and the supercooled vapour (region 2 below 623.15 K while its
// equation stays mechanically stable, the vapour branch of region 3 above it, up to the
// vapour spinodal). Where no such root exists, the stable state is returned. At or above
// the critical temperature there is one fluid state whatever phase is requested.
// Below 273.15 K and above 1073.15 K the region equations are extrapolated. Above 100 MPa,
// where they fail, the stable density at 100 MPa is continued with a logarithmic isotherm
// matching its first two pressure derivatives there (region 0 in the result).
State water_volume(double t, double p, Root root);

}  // namespace kova::refhost::if97
