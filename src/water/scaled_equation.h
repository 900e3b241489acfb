// The scaled fundamental equation of water near its critical point (Levelt Sengers,
// Kamgar-Parsi, Balfour and Sengers, J. Phys. Chem. Ref. Data 12, 1 (1983)): a linear-model
// parametric equation with a Wegner correction term, in the variables r (distance from the
// critical point) and theta (position around it, +1 and -1 on the two sides of the
// coexistence curve, 1/b on the critical isotherm's ends).
//
// Its critical constants are fixed: Tc = 647.067 K, Pc = 22.046 MPa. Reduced variables:
// P~ = P Tc / (Pc T), tau = 1 - Tc/T, and the field m = delta mu~ (reduced chemical potential
// difference). With k = a and beta = beta delta of the paper:
//   m   = k r^beta theta (1 - theta^2)                       (field)
//   v   = tau + c m = r (1 - b^2 theta^2)                     (revised scaling variable)
//   P~  = 1 + P1 tau + P2 tau^2 + P3 tau^3 + m (1 + p tau)
//         + k (a1 r^(2-e1) A(theta) + a2 r^(2-e2) B(theta))   (pressure)
// The parameters are words 16 to 41 of KOVA_REFH2O. Everything here is re-entrant.
#pragma once

#include "kova/kova_types.h"

namespace kova::water {

inline constexpr double kScaledTc = 647.067;    // K
inline constexpr double kScaledPc = 22046000.0;  // Pa

struct ScaledParams {
  double beta;           // exponent of the field equation (word 16)
  double e[2], f[2], g[2];  // exponents (words 17-22)
  double k;              // field scale (word 23)
  double a[2];           // amplitudes of the two singular terms (words 24, 25)
  double c;              // mixing coefficient (word 26)
  double b2;             // b^2 (word 27)
  double p1, p2, p3;     // background pressure (words 28-30)
  double p;              // background field slope (word 31)
  double A[3], B[3];     // theta polynomials in theta^2 (words 32-37, A and B interleaved)
  double C[2], D[2];     // theta polynomials in theta^2 (words 38-41, C and D interleaved)
  double chi[3];         // words 8, 9, 10: P*/Pc, rhoc/rho*, T*/Tc
};
ScaledParams scaled_params(const kova_word* refh2o);

// Starting values of theta, just inside and just outside the pole 1/b of the field equation.
inline constexpr double kThetaInside = 0.8524858711782589;
inline constexpr double kThetaOutside = 0.8526858711782589;

// Result of the parametric solution at (T, P), with what happened on the way.
struct ThetaSearch {
  double r = 0.0;
  double theta = 0.0;
  // The theta iteration ran out of steps (first time in the search: step count and the size
  // of its last step).
  bool inner_limit = false;
  int inner_itn = 0;
  double inner_dtheta = 0.0;
  // The pass whose r and theta are returned ended with its theta iteration out of steps,
  // and the size of that pass's last theta step.
  bool last_inner_limit = false;
  double last_dtheta = 0.0;
  // The field iteration ran out of steps: its count, the theta step count of its last pass,
  // 1e-5 m before the last step (signed) and the size of the last step.
  bool outer_limit = false;
  int it = 0, itn = 0;
  double tol2 = 0.0, ddmu = 0.0;
};

// Solves the parametric equations for r and theta at temperature t (K) and pressure p (Pa)
// in phase `phase` (1 vapour, 2 liquid; any other value keeps theta as the start below the
// critical temperature). Outer Newton iteration on the field m (at most 51 passes) until
// P~(r, theta) = P~; inner Newton iteration on theta (at most 21 steps) for the field
// equation at the current m. `theta` is the current value, kept where the start rules
// leave it (v = 0, or an unknown phase below Tc).
ThetaSearch solve_theta(double t, double p, int phase, double theta, const ScaledParams& sp);

// (d rho~ / d m) at constant tau from (r, theta): the S of the compressibility.
double scaled_susceptibility(double r, double theta, const ScaledParams& sp);

// Reduced compressibility chi-bar = rho-bar (d rho-bar / d P-bar)_T from S at T-bar.
double scaled_chi(double s, double tbar, const ScaledParams& sp);

// Reduced (dP-bar / dT-bar) at constant rho-bar from (r, theta), S, the temperature, the
// reduced pressure and temperature and P* (Pa).
double scaled_dpdt(double r, double theta, double s, double t, double pbar, double tbar, double pstar,
                   const ScaledParams& sp);

}  // namespace kova::water
