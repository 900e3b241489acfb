// Shape factors, combining and mixing rules of the Ely-Hanley corresponding-states models,
// and the layout of the work storage in which the engines keep them.
//
// Each component j is mapped onto the reference fluid by an energy scaling
// f_j = Tc_j/Tc0 theta_j and a volume scaling h_j = Vc_j/Vc0 phi_j, with the shape factors
// theta and phi from the Leach-Leland F and G functions of the reduced state (J. W. Leach,
// P. S. Chappelear and T. W. Leland, AIChE J. 14 (1968) 568; as used by Ely and Hanley,
// Ind. Eng. Chem. Fundam. 20 (1981) 323). The mixture gets f_x, h_x from the van der Waals
// one-fluid rules.
//
// Everything here is re-entrant and touches only the arrays it is given.
#pragma once

#include <cmath>
#include <cstdint>

#include "trapp/reference_fluid.h"

namespace kova::trapp {

// Positions in the work array WORK (counted from 0) of the engines' arrays, for N entries
// and o = N(N+1)/2 pairs. These are exactly the words of the host's offset table IPTR:
//   word 1  f_j          at 1               (N)
//   word 2  h_j          at N+1             (N)
//   word 3  f_kl         at 2N+1            (o)
//   word 4  h_kl         at 2N+1+o          (o)
//   word 5  M_kl         at 2N+1+2o         (o), then the mass-scaling terms
//   word 6  phi_j        at 2N+1+3o         (N)
//   word 7  theta_j      at 3N+1+3o         (N)
//   word 8  o            (a count)
//   word 0  (fh)_kl      at 4N+2+3o         (o); 4N+2+4o in the conductivity engine
//   word 9  lambda''_kl  at 4N+1+3o         (o), conductivity engine only
// Element 0 of WORK is not used. Pair (k, l), k <= l, is element (k-1)(2N-k)/2 + l of its
// array, counted from 1.
struct WorkLayout {
  std::int64_t n = 0, o = 0;
  std::int64_t f = 0, h = 0, fkl = 0, hkl = 0, mkl = 0, phi = 0, theta = 0, fh = 0;
  std::int64_t lkl = 0;  // conductivity engine only (0 otherwise)
  bool conductivity = false;

  static WorkLayout viscosity(std::int64_t n);
  static WorkLayout thermal_conductivity(std::int64_t n);

  // Writes the offset table: words 0 to 8, and word 9 for the conductivity engine.
  void fill_iptr(std::int64_t* iptr) const;
  // Number of WORK elements from 0 that the engine sets to zero at the start of a call.
  std::int64_t zeroed() const { return fh; }
  // Number of WORK elements (from element 0) that the engine may write: up to the end of the
  // (fh)_kl array, and for the conductivity engine also the three per-entry arrays of the
  // internal-energy term, which start at the (fh)_kl position and take 3N elements.
  std::int64_t size() const;
};

// Element (counted from 1) of pair (k, l), k <= l, in a pair array of n entries.
inline std::int64_t pair_index(std::int64_t n, std::int64_t k, std::int64_t l) {
  return (k - 1) * (2 * n - k) / 2 + l;
}

// The double sum over pairs k <= l of c_kl x_k x_l a_kl (c = 1 on the diagonal, 2 off it).
// x[k-1] is entry k's mole fraction; a[p-1] is pair element p (pair_index).
double pair_sum(std::int64_t n, const double* x, const double* a);

// Critical constants of one listed component, as the shape factors use them.
struct Critical {
  double tc = 0.0, vc = 0.0, zc = 0.0, omega = 0.0;
};

struct ShapeFactors {
  double theta = 1.0, phi = 1.0;
};

// Shape factors of one component at the equivalent reference state (t0 in K, v0 in
// m3/kmol), given its current scalings f and h.
ShapeFactors shape_factors(double f, double h, double t0, double v0, const Critical& c,
                           const ReferenceConstants& ref);

// Mixture scaling factors from the one-fluid rules.
struct Mixture {
  double fx = 0.0, hx = 0.0;
};

// Per-entry scalings from the current shape factors, the combining rules for every pair and
// the mixing rules, all in work (work[k] is WORK element k). crit(j) gives entry j's
// constants; x[j-1] is entry j's mole fraction.
template <class CritFn>
Mixture scale_combine_mix(const WorkLayout& w, double* work, const double* x, CritFn&& crit,
                          const ReferenceConstants& ref);

// The combining and mixing rules alone, from the per-entry f_j, h_j already in work.
Mixture combine_and_mix(const WorkLayout& w, double* work, const double* x);

// Molecular-weight scaling: mode 0 for viscosity, mode 1 for thermal conductivity. mw(j)
// gives entry j's molecular weight. Replaces the M_kl array by the scaling terms.
struct MassScaling {
  double mx = 0.0;  // equivalent molecular weight of the mixture, kg/kmol
  double factor = 0.0;  // F_eta (mode 0) or F_lambda (mode 1)
};
template <class MwFn>
MassScaling mass_scaling(int mode, const WorkLayout& w, double* work, const double* x, Mixture m,
                         MwFn&& mw, double m0);

// ------------------------------------------------------------------ template definitions

template <class CritFn>
Mixture scale_combine_mix(const WorkLayout& w, double* work, const double* x, CritFn&& crit,
                          const ReferenceConstants& ref) {
  for (std::int64_t j = 1; j <= w.n; ++j) {
    const Critical c = crit(j);
    work[w.f + j - 1] = c.tc / ref.tc0 * std::fabs(work[w.theta + j - 1]);
    work[w.h + j - 1] = c.vc / ref.vc0 * std::fabs(work[w.phi + j - 1]);
  }
  return combine_and_mix(w, work, x);
}

double mass_scaling_term(int mode, double mkl, double fkl, double hkl);
MassScaling mass_scaling_result(int mode, double s, Mixture m, double m0);

template <class MwFn>
MassScaling mass_scaling(int mode, const WorkLayout& w, double* work, const double* x, Mixture m,
                         MwFn&& mw, double m0) {
  for (std::int64_t k = 1; k <= w.n; ++k) {
    for (std::int64_t l = k; l <= w.n; ++l) {
      const std::int64_t p = pair_index(w.n, k, l) - 1;
      const double mk = mw(k), ml = mw(l);
      const double mkl = 2.0 * mk * ml / (mk + ml);
      work[w.mkl + p] = mass_scaling_term(mode, mkl, work[w.fkl + p], work[w.hkl + p]);
    }
  }
  return mass_scaling_result(mode, pair_sum(w.n, x, work + w.mkl), m, m0);
}

}  // namespace kova::trapp
