// The reference host's Chung-Lee-Starling pair arrays: what a simulator prepares before it
// calls the library's Chung routines (KOVA_MUV008 ... KOVA_KVL02).
//
// Pure-component values (Chung, Ajlan, Lee and Starling 1988), Tc in K, Vc in cm3/mol, mu in
// debye, M in kg/kmol:
//   sigma = 0.809 Vc^(1/3) angstrom (sigma^3 = 0.529475 Vc), eps/k = Tc / 1.2593 K.
// Pair values by the combining rules of the method (unit binary interaction parameters):
//   sigma_ij = sqrt(sigma_i sigma_j), (eps/k)_ij = sqrt((eps/k)_i (eps/k)_j),
//   omega_ij = (omega_i + omega_j) / 2, M_ij = 2 M_i M_j / (M_i + M_j),
// and the arrays
//   SIG3 = sigma_ij^3, EPSIG3 = (eps/k)_ij sigma_ij^3, EPSIG2M = (eps/k)_ij sigma_ij^2 sqrt(M_ij),
//   DIPSIG3 = mu_i^2 mu_j^2 / sigma_ij^3, OMSIG3 = omega_ij sigma_ij^3, SQKAP_i = sqrt(kappa_i),
// so that the library's mole-fraction double sums give the method's mixing rules
// (kappa_m = sum_i sum_j x_i x_j sqrt(kappa_i kappa_j)).
// Reference: Poling, Prausnitz and O'Connell, The Properties of Gases and Liquids, 5th ed.
// (2001), section 9-5 (eqs. for sigma_m, (eps/k)_m, omega_m, M_m, mu_m, kappa_m).
#pragma once

#include <cstdint>
#include <vector>

#include "databank.h"

namespace kova::refhost {

// The constants of one component. vc in m3/kmol (the databank's unit), mup in debye.
struct ChungConstants {
  double tc, vc, omega, mup, mw, kappa;
};

// Square arrays of ld x ld elements, column by column (element (i, j) at (i-1) + (j-1) ld).
struct ChungPairs {
  std::int64_t ld = 0;
  std::vector<double> sig3, epsig3, epsig2m, dipsig3, omsig3, sqkap;
  double at(const std::vector<double>& z, std::int64_t i, std::int64_t j) const {
    return z[static_cast<std::size_t>((i - 1) + (j - 1) * ld)];
  }
};

// Pair arrays for components 1..n of the given constants. A component whose Tc, Vc or M is
// not positive (a missing value) gets zero elements in its row and column: the library then
// reports that it cannot evaluate it instead of returning a number.
ChungPairs chung_pairs(const std::vector<ChungConstants>& components);

// Pair arrays for a databank component set: TC, VC, OMEGA, MUP (debye), MW and KAPPA. A
// missing Tc, Vc or MW zeroes the component as above; a missing acentric factor, dipole
// moment or association factor counts as 0.
ChungPairs chung_pairs(const ComponentSet& set);

}  // namespace kova::refhost
