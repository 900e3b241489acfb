// Water viscosity and thermal conductivity as the host calls them: the exported wrappers,
// the two engines, and the critical-region routines they share. The engines read the
// library's water blocks, call the host's water equation of state and saturation pressure,
// and report through the gate with host word ZEL_GLOBAL word 7 and closing value 1.
#pragma once

#include <cstdint>

#include "kova/kova_types.h"

namespace kova::water {

// ---------------------------------------------------------------- exported wrappers
// Serve the first list entry whose formula identifier's first word is "H2O" and five
// blanks; every other entry of the result array is left as it was. With KCALC = 0 nothing
// is computed and the result array is left as the caller passed it.
void muv004(const double* T, const double* P, const std::int64_t* N, const std::int64_t* KCALC,
            const std::int64_t* IDX, const std::int64_t* KDIAG, double* MU, const kova_word* CFORM);
void mul004(const double* T, const double* P, const std::int64_t* N, const std::int64_t* KCALC,
            const std::int64_t* IDX, const std::int64_t* KDIAG, double* MU, const kova_word* CFORM);
void kv005(const double* T, const double* P, const std::int64_t* N, const std::int64_t* KCALC,
           const std::int64_t* IDX, const std::int64_t* KDIAG, double* KV, const kova_word* CFORM);
void kl004(const double* T, const double* P, const std::int64_t* N, const std::int64_t* KCALC,
           const std::int64_t* IDX, const std::int64_t* KDIAG, double* KV, const kova_word* CFORM);

// ---------------------------------------------------------------- engines
// Viscosity of water in phase kvl (1 vapour, 2 liquid) at (t, p), Pa s, into mu; nothing
// when kcalc is 0. kvl holds its entry value again on return; ker is passed to the host's
// equation of state untouched.
void muvlw0(double t, double p, std::int64_t kdiag, std::int64_t& kvl, std::int64_t kcalc, double& mu,
            std::int64_t& ker);
// Thermal conductivity of water, W/(m K), likewise.
void kvlws0(double t, double p, std::int64_t kdiag, std::int64_t& kvl, std::int64_t kcalc, double& kv,
            std::int64_t& ker);

// ---------------------------------------------------------------- critical region
// Parametric solution of the scaled equation at (t, p) in phase kvl, with its reports.
// Returns r; theta is kept in the library's storage between calls (see stored_theta).
struct SrthetResult {
  double r, theta;
  bool converged;  // false when the field iteration, or the theta iteration of its last pass, ran out of steps
};
SrthetResult srthet(double t, double p, std::int64_t kvl, std::int64_t kdiag);

// Reduced compressibility chi-bar and reduced (dP-bar/dT-bar)_rho from the scaled equation.
// mode 0: chi only (the derivative is 0); 1: the derivative only, with the S stored by the
// previous call (chi is 0); any other value: both. Returns whether the scaled equation's
// iteration converged.
bool h2ochi(double t, double p, double tbar, double pbar, std::int64_t mode, std::int64_t kvl,
            std::int64_t kdiag, double& chi, double& dpdt);

// The same two quantities from finite differences of the host's equation of state at
// constant temperature: a relative pressure step (sign and size by phase and distance from
// T*) and the expansion dvdt = (dv/dT)_P, m3/(kg K). A vapour above its saturation pressure
// or a liquid below it is evaluated at saturation, which re-evaluates dvdt; pbar and rhobar
// keep the caller's values.
void h2okdf(double t, double p, double pbar, double rhobar, double& dvdt, std::int64_t kvl, std::int64_t kdiag,
            std::int64_t& ker, double& chi, double& dpdt);

// What the scaled-equation routines keep between calls, for each calling thread: the last
// theta and S.
double stored_theta();
double stored_s();
// Sets both to zero, as when the library is loaded (for tests).
void reset_stored();

}  // namespace kova::water
