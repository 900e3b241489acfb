// The reference host's property routines behind the liquid-mixture and diffusion models:
// a Peng-Robinson equation of state for vapour mixtures (SIRK_ES01), pure liquid
// viscosities from the databank's DIPPR-101 correlation (LUMENA_MUL001), liquid mixture
// viscosity rules (LUMENA_MUL201, LUMENA_MUL202, LUMENA_MUMIX1, LUMENA_QUADMX), Rackett
// liquid volumes (LUMENA_VL004) and ideal mixing of volumes (LUMENA_IDLMIX).
//
// Component data come from the installed component set, by component number. Arguments
// that the library passes through from its own caller are not used by this host.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "databank.h"
#include "faults.h"
#include "kova/host.h"

namespace kova::refhost {

namespace {

double gas_constant() {
  double r;
  std::memcpy(&r, &NORVA_PPGLOB[2], 8);
  return r;
}

// A databank value of component number c of the installed set.
std::optional<double> value(std::int64_t c, std::string_view column) {
  const ComponentSet* set = installed_set();
  if (set == nullptr || c < 1 || c > set->size()) return std::nullopt;
  return set->component(c).get(column);
}

// Peng and Robinson (1976), Ind. Eng. Chem. Fundam. 15, 59: energy and covolume parameters
// of a pure component at t, in Pa (m3/kmol)^2 and m3/kmol.
struct PrParams {
  double a, b;
};
std::optional<PrParams> pr_params(std::int64_t c, double t, double r) {
  const auto tc = value(c, "TC"), pc = value(c, "PC"), omega = value(c, "OMEGA");
  if (!tc || !pc || !omega || *tc <= 0.0 || *pc <= 0.0) return std::nullopt;
  const double kappa = 0.37464 + 1.54226 * *omega - 0.26992 * *omega * *omega;
  const double alpha = std::pow(1.0 + kappa * (1.0 - std::sqrt(t / *tc)), 2);
  return PrParams{0.45724 * r * r * *tc * *tc / *pc * alpha, 0.07780 * r * *tc / *pc};
}

// Largest real root of z^3 + c2 z^2 + c1 z + c0 = 0 (the vapour root of a cubic equation of
// state).
double largest_root(double c2, double c1, double c0) {
  const double q = (3.0 * c1 - c2 * c2) / 9.0;
  const double rr = (9.0 * c2 * c1 - 27.0 * c0 - 2.0 * c2 * c2 * c2) / 54.0;
  const double disc = q * q * q + rr * rr;
  if (disc > 0.0) {
    const double s = std::cbrt(rr + std::sqrt(disc));
    const double u = std::cbrt(rr - std::sqrt(disc));
    return s + u - c2 / 3.0;
  }
  const double theta = std::acos(q < 0.0 ? rr / std::sqrt(-q * q * q) : 1.0);
  const double m = 2.0 * std::sqrt(-q);
  double best = -1e300;
  for (int k = 0; k < 3; ++k) best = std::max(best, m * std::cos((theta + 2.0 * M_PI * k) / 3.0) - c2 / 3.0);
  return best;
}

// DIPPR equation 101 liquid viscosity of component c at t, Pa s; 0 when the databank has no
// correlation for it.
double dippr101_viscosity(std::int64_t c, double t) {
  const auto c1 = value(c, "MUL_C1"), c2 = value(c, "MUL_C2"), c3 = value(c, "MUL_C3"), c4 = value(c, "MUL_C4"),
             c5 = value(c, "MUL_C5");
  if (!c1 || !c2 || !c3 || !c4 || !c5) return 0.0;
  return std::exp(*c1 + *c2 / t + *c3 * std::log(t) + *c4 * std::pow(t, *c5));
}

// Logarithmic mole-fraction rule, fractions normalised: ln mu = sum x ln mu_i / sum x.
// Fractions that sum to zero weigh the components equally; an empty list gives 0.
double log_rule(std::int64_t n, const double* x, const double* mu) {
  if (n < 1) return 0.0;
  double s = 0.0, l = 0.0;
  for (std::int64_t i = 0; i < n; ++i) s += x[i];
  for (std::int64_t i = 0; i < n; ++i) l += (s != 0.0 ? x[i] / s : 1.0 / static_cast<double>(n)) * std::log(mu[i]);
  return std::exp(l);
}

// The weights of the two further mixing rules: mole fractions, or mass fractions when the
// option word is 1; normalised to sum 1.
std::vector<double> weights(std::int64_t n, const double* x, const std::int64_t* idx, const double* mw,
                            std::int64_t option) {
  std::vector<double> w(static_cast<std::size_t>(n > 0 ? n : 0));
  double s = 0.0;
  for (std::int64_t i = 0; i < n; ++i) {
    w[i] = option == 1 ? x[i] * mw[idx[i] - 1] : x[i];
    s += w[i];
  }
  if (s != 0.0)
    for (double& wi : w) wi /= s;
  return w;
}

}  // namespace

}  // namespace kova::refhost

using namespace kova::refhost;

extern "C" {

void SIRK_ES01(const double* T, const double* P, const double* y, const int64_t* n, const int64_t* idx, const int64_t*,
               const int64_t*, const int64_t*, const int64_t*, const int64_t*, const int64_t*, const int64_t*,
               const int64_t*, double*, const kova_word*, const void*, const void*, const void*, const void*,
               const void*, double*, double*, double*, double*, double* V, double*, double*, double*, double*, double*,
               double*, double*) {
  const faults::Outputs fault(faults::Routine::Es01, V, 1);
  const double r = gas_constant(), t = *T, p = *P;
  // Van der Waals one-fluid mixing without interaction parameters.
  double a = 0.0, b = 0.0;
  std::vector<PrParams> pure;
  for (std::int64_t i = 0; i < *n; ++i) {
    const auto pr = pr_params(idx[i], t, r);
    if (!pr) {  // no critical constants: ideal gas
      *V = r * t / p;
      return;
    }
    pure.push_back(*pr);
  }
  for (std::int64_t i = 0; i < *n; ++i) {
    b += y[i] * pure[i].b;
    for (std::int64_t j = 0; j < *n; ++j) a += y[i] * y[j] * std::sqrt(pure[i].a * pure[j].a);
  }
  const double aa = a * p / (r * t * r * t), bb = b * p / (r * t);
  const double z = largest_root(-(1.0 - bb), aa - 3.0 * bb * bb - 2.0 * bb, -(aa * bb - bb * bb - bb * bb * bb));
  *V = z * r * t / p;
}

void LUMENA_MUL001(const double* T, const int64_t* n, const int64_t* idx, const int64_t*, const int64_t*, double* MUL,
                   const void*, const void*, const void*, const void*, const void*, const void*, const void*,
                   const void*, const void*, const void*) {
  const faults::Outputs fault(faults::Routine::Mul001, MUL, static_cast<std::size_t>(std::max<int64_t>(*n, 0)));
  for (std::int64_t i = 0; i < *n; ++i) MUL[i] = dippr101_viscosity(idx[i], *T);
}

void LUMENA_MUL201(const double*, const double* X, const int64_t* N, const int64_t*, const double* MUL, const int64_t*,
                   double* MULMX, const int64_t*, const void*, const void*, const double*, const void*) {
  const faults::Outputs fault(faults::Routine::Mul201, MULMX, 1);
  *MULMX = log_rule(*N, X, MUL);
}

void LUMENA_MUL202(const double* T, const double* X, const int64_t* N, const int64_t* IDX, const int64_t*,
                   double* MULMX, const void*, const void*, const double*, const void*, const void*, const kova_word*) {
  const faults::Outputs fault(faults::Routine::Mul202, MULMX, 1);
  std::vector<double> mu;
  for (std::int64_t i = 0; i < *N; ++i) mu.push_back(dippr101_viscosity(IDX[i], *T));
  *MULMX = log_rule(*N, X, mu.data());
}

// Kendall and Monroe (1917) cube-root rule: mu^(1/3) = sum w mu_i^(1/3).
void LUMENA_MUMIX1(const double*, const int64_t*, const int64_t* n, const int64_t* idx, const double* x,
                   const double* MW, const void*, const void*, const double* MUL, double* MULMX, const int64_t* opt) {
  const faults::Outputs fault(faults::Routine::Mumix1, MULMX, 1);
  const std::vector<double> w = weights(*n, x, idx, MW, *opt);
  double s = 0.0;
  for (std::int64_t i = 0; i < *n; ++i) s += w[i] * std::cbrt(MUL[i]);
  *MULMX = s * s * s;
}

// Quadratic rule with geometric-mean pair viscosities: mu = sum_i sum_j w_i w_j sqrt(mu_i mu_j).
void LUMENA_QUADMX(const double* x, const int64_t* n, const int64_t* idx, const double* MW, const void*, const int64_t*,
                   const double* MUL, double* MULMX, const int64_t* opt) {
  const faults::Outputs fault(faults::Routine::Quadmx, MULMX, 1);
  const std::vector<double> w = weights(*n, x, idx, MW, *opt);
  double s = 0.0;
  for (std::int64_t i = 0; i < *n; ++i)
    for (std::int64_t j = 0; j < *n; ++j) s += w[i] * w[j] * std::sqrt(MUL[i] * MUL[j]);
  *MULMX = s;
}

// Rackett (1970) saturated-liquid volume with the Spencer-Danner parameter ZRA:
// V = (R Tc / Pc) ZRA^(1 + (1 - Tr)^(2/7)), Tr held at 1 above the critical temperature.
// Without a ZRA the Yamada-Gunn estimate 0.29056 - 0.08775 omega is used; without critical
// constants the volume is 0.
void LUMENA_VL004(const double* T, const int64_t* N, const int64_t* IDX, const int64_t*, const int64_t*, const void*,
                  const void*, const void*, const void*, const void*, const void*, const void*, const void*,
                  const void*, double* VL, const void*, const void*, const void*, const void*, const double*,
                  const void*, const void*) {
  const faults::Outputs fault(faults::Routine::Vl004, VL, static_cast<std::size_t>(std::max<int64_t>(*N, 0)));
  const double r = gas_constant();
  for (std::int64_t i = 0; i < *N; ++i) {
    const std::int64_t c = IDX[i];
    const auto tc = value(c, "TC"), pc = value(c, "PC");
    if (!tc || !pc || *pc <= 0.0) {
      VL[i] = 0.0;
      continue;
    }
    auto zra = value(c, "ZRA");
    if (!zra) zra = 0.29056 - 0.08775 * value(c, "OMEGA").value_or(0.0);
    const double tr = std::min(*T / *tc, 1.0);
    VL[i] = r * *tc / *pc * std::pow(*zra, 1.0 + std::pow(1.0 - tr, 2.0 / 7.0));
  }
}

void LUMENA_IDLMIX(const double* X, const int64_t* N, const int64_t*, const double* VL, double* VMX, const void*) {
  const faults::Outputs fault(faults::Routine::Idlmix, VMX, 1);
  double v = 0.0;
  for (std::int64_t i = 0; i < *N; ++i) v += X[i] * VL[i];
  *VMX = v;
}

}  // extern "C"
