// The equivalent reference state of a fluid or mixture at (T, P, phase), the temperature
// derivative of its energy scaling at constant density, and the reference constants read
// from the host. These steps call the host's reference equation of state (SIRK_ES34) and
// report non-convergence through the diagnostic gate.
#pragma once

#include <cstdint>

#include "host/diag.h"
#include "trapp/reference_fluid.h"
#include "trapp/shape_factors.h"

namespace kova::trapp {

// The reference constants in the host's block LUMENA_CRICH4.
ReferenceConstants host_reference_constants();

// The component parameter arrays of an engine call, by component number (C pointers:
// element c is at [c-1]).
struct Params {
  double* tc = nullptr;
  double* pc = nullptr;
  double* vc = nullptr;
  double* zc = nullptr;
  double* omega = nullptr;
  const double* mw = nullptr;
};

// Everything the iterations of one engine call share.
struct Call {
  double t = 0.0, p = 0.0;
  const double* x = nullptr;        // mole fractions by list position
  const std::int64_t* idx = nullptr;
  const std::int64_t* kvl = nullptr;
  const std::int64_t* kdiag = nullptr;
  const std::int64_t* iptr = nullptr;  // passed on to the reference equation of state
  Params params;
  WorkLayout w;
  double* work = nullptr;
  ReferenceConstants ref;
  // The calling routine's diagnostics, and whether a host property routine has failed in
  // this call (absent, or an unusable answer, already reported): the call then stops.
  const host::Diag* diag = nullptr;
  mutable bool host_failed = false;

  std::int64_t comp(std::int64_t j) const { return idx[j - 1]; }
  Critical critical(std::int64_t j) const {
    const std::int64_t c = comp(j) - 1;
    return Critical{params.tc[c], params.vc[c], params.zc[c], params.omega[c]};
  }
  // Sets theta_j = phi_j = 1 for every entry.
  void reset_shape_factors() const;
  // Per-entry scaling, combining and mixing rules from the current shape factors.
  Mixture mix() const;
  // New shape factors of every entry at the reference state (t0, v0).
  void update_shape_factors(double t0, double v0) const;
};

// Molar volume of the reference fluid at (t0, p0) in the call's phase, from the host. When the
// host does not provide its equation of state, or answers a state with a finite positive
// temperature and pressure with anything but a finite positive volume, the failure is
// reported and marked in the call, and the result is not a number.
double reference_volume(const Call& c, double t0, double p0);

struct EquivalentState {
  Mixture m;
  double t0 = 0.0, rho0 = 0.0;
  bool converged = true;
};

// The equivalent-state iteration: at most 60 steps, converged when f_x and h_x change by
// no more than 1E-05 of themselves. Without convergence it reports (class 3) and returns the
// last iterate. The shape factors must have been set to 1 by the caller. It stops at once when
// the host's equation of state fails (c.host_failed).
EquivalentState solve_equivalent_state(const Call& c);

// df_x/dT at constant mixture volume h_x/rho0, 1/K, by forward differences with the steps
// 0.1, 0.5, 1.0, 0.01 and 0.001 K; 0 when none gives 1 - (T + H) df_x/dT / f_x >= 0.
double fx_temperature_derivative(const Call& c, Mixture at_t, double rho0);

// Molecular-weight scaling of the call's mixture: mode 0 viscosity, mode 1 conductivity.
MassScaling call_mass_scaling(const Call& c, int mode, Mixture m);

}  // namespace kova::trapp
