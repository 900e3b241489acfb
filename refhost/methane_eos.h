// The reference host's equation of state for methane, the reference fluid of the
// corresponding-states models: the 12-term short equation of Span and Wagner,
// "Equations of state for technical applications. II. Results for nonpolar fluids",
// Int. J. Thermophys. 24 (2003) 41-109, with the saturation ancillaries of Setzmann and
// Wagner, J. Phys. Chem. Ref. Data 20 (1991) 1061.
//
// SIRK_ES34 returns the methane molar volume at (T0, P0) in the requested phase through
// methane_volume(). What it returns at every state, including states outside the equation's
// range, is described in docs/trapp.md.
#pragma once

#include <cstdint>

namespace kova::refhost::methane {

inline constexpr double kR = 8314.51;          // J/(kmol K), the equation's gas constant
inline constexpr double kTc = 190.564;         // K
inline constexpr double kPc = 4.5992e6;        // Pa (ancillaries)
inline constexpr double kRhoc = 162.66 / 16.043;  // kmol/m3, the equation's reducing density
inline constexpr double kMw = 16.043;          // kg/kmol

// Limits within which the state is evaluated: temperatures below kTmin (where the short
// equation stops being physical) are evaluated at kTmin, pressures are held in
// [kPmin, kPmax].
inline constexpr double kTmin = 40.0;
inline constexpr double kPmin = 1.0e-3;
inline constexpr double kPmax = 1.0e10;

struct PressureState {
  double p = 0.0;       // Pa
  double dpdrho = 0.0;  // Pa per kmol/m3
};

// Pressure and its density derivative at temperature t (K) and molar density rho (kmol/m3).
PressureState pressure(double t, double rho);

// Saturation ancillaries: vapour pressure (Pa) and saturated liquid density (kmol/m3),
// t below kTc.
double saturation_pressure(double t);
double saturated_liquid_density(double t);

// Where the returned density came from.
enum class Root {
  Vapour,          // the vapour root, as requested
  Liquid,          // the liquid root, as requested
  VapourFallback,  // liquid requested, none exists at this state: the vapour root
  LiquidFallback,  // vapour requested, none exists at this state: the liquid root
  Supercritical,   // at or above Tc: the single root (either phase)
  Undefined,       // temperature or pressure not a number: the critical density
};

struct Solution {
  double rho = 0.0;  // kmol/m3
  Root root = Root::Undefined;
};

// The molar density of methane at (t, p) in phase kvl (1 vapour, any other value liquid).
Solution density(double t, double p, std::int64_t kvl);

// Molar volume in m3/kmol: 1/density.
inline double methane_volume(double t, double p, std::int64_t kvl) { return 1.0 / density(t, p, kvl).rho; }

// Number of SIRK_ES34 calls made on the calling thread since the host was loaded.
std::int64_t es34_calls();
// With timing on, SIRK_ES34 adds the wall-clock time of each call to es34_seconds() (for the
// benchmarks; off by default). Timing and its total belong to the calling thread.
void time_es34(bool on);
double es34_seconds();

// Fills LUMENA_CRICH4 with the methane constants consistent with this equation.
void load_reference_constants();

}  // namespace kova::refhost::methane
