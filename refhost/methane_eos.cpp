// Methane for the corresponding-states models: the short Span-Wagner equation of state, a
// density solver that always returns a defined root, SIRK_ES34 and the LUMENA_CRICH4 block.
#include "methane_eos.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

#include "faults.h"
#include "kova/host.h"

namespace kova::refhost::methane {

namespace {

// Span and Wagner (2003), methane, short form: n_i, d_i, t_i, c_i (c = 0: polynomial term).
struct Term {
  double n, d, t, c;
};
constexpr Term kTerms[12] = {
    {0.89269676, 1, 0.25, 0},   {-2.5438282, 1, 1.125, 0},   {0.64980978, 1, 1.5, 0},
    {0.020793471, 2, 1.375, 0}, {0.070189104, 3, 0.25, 0},   {0.00023700378, 7, 0.875, 0},
    {0.16653334, 2, 0.625, 1},  {-0.043855669, 5, 1.75, 1},  {-0.1572678, 1, 3.625, 2},
    {-0.035311675, 4, 3.625, 2}, {-0.029570024, 3, 14.5, 3}, {0.014019842, 4, 12.0, 3},
};

constexpr double kTmax = 1.0e6;
constexpr int kMaxSteps = 20000;
constexpr int kMaxNewton = 200;

// Refines a root of p(rho) = p between lo and hi, where p(lo) - p and p(hi) - p differ in
// sign (lo below hi), by Newton steps that fall back to bisection when they leave the bracket.
double refine(double t, double p, double lo, double hi) {
  double x = hi;
  for (int k = 0; k < kMaxNewton; ++k) {
    const PressureState s = pressure(t, x);
    const double f = s.p - p;
    if (f < 0.0) lo = x;
    else hi = x;
    double next = s.dpdrho > 0.0 ? x - f / s.dpdrho : 0.5 * (lo + hi);
    if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
    if (std::fabs(next - x) <= 1e-12 * next || hi - lo <= 1e-15 * hi) return next;
    x = next;
  }
  return x;
}

// The vapour root: marching up from zero density. Below Tc the root must lie below the
// critical density. Returns a negative value when there is none.
double vapour_root(double t, double p) {
  const double cap = (t < kTc ? 0.02 : 0.1) * kRhoc;
  double step = std::min(p / (kR * t), cap);
  double lo = 0.0;
  bool shrinking = false;
  for (int k = 0; k < kMaxSteps; ++k) {
    const double rho = lo + step;
    if (t < kTc && rho >= kRhoc) return -1.0;
    const PressureState s = pressure(t, rho);
    if (!(s.dpdrho > 0.0)) {  // past the vapour spinodal: close in on it with smaller steps
      shrinking = true;
      step *= 0.5;
      if (step < 1e-13 * kRhoc) return -1.0;
      continue;
    }
    if (s.p >= p) return refine(t, p, lo, rho);
    lo = rho;
    if (!shrinking) step = std::min(1.5 * step, cap);
  }
  return -1.0;
}

// The liquid root below Tc: marching down from a density above it. The root must lie
// above the critical density. Returns a negative value when there is none.
double liquid_root(double t, double p) {
  double hi = std::max(1.02 * saturated_liquid_density(t), 1.05 * kRhoc);
  PressureState s = pressure(t, hi);
  for (int k = 0; k < 400 && !(s.p > p && s.dpdrho > 0.0); ++k) {
    hi *= 1.05;
    s = pressure(t, hi);
  }
  if (!(s.p > p)) return hi;  // beyond any pressure the equation reaches: the densest state tried
  double step = 0.02 * kRhoc;
  for (int k = 0; k < kMaxSteps; ++k) {
    const double rho = hi - step;
    if (rho <= kRhoc) return -1.0;
    const PressureState r = pressure(t, rho);
    if (!(r.dpdrho > 0.0)) {  // past the liquid spinodal
      step *= 0.5;
      if (step < 1e-13 * kRhoc) return -1.0;
      continue;
    }
    if (r.p <= p) return refine(t, p, rho, hi);
    hi = rho;
  }
  return -1.0;
}

}  // namespace

PressureState pressure(double t, double rho) {
  const double delta = rho / kRhoc, tau = kTc / t;
  double a1 = 0.0, a2 = 0.0;
  for (const Term& term : kTerms) {
    double f = term.n * std::pow(delta, term.d) * std::pow(tau, term.t);
    if (term.c == 0.0) {
      a1 += term.d * f;
      a2 += term.d * (term.d - 1.0) * f;
    } else {
      const double dc = std::pow(delta, term.c);
      f *= std::exp(-dc);
      const double g = term.d - term.c * dc;
      a1 += g * f;
      a2 += (g * g - term.d - term.c * (term.c - 1.0) * dc) * f;
    }
  }
  PressureState s;
  s.p = rho * kR * t * (1.0 + a1);
  s.dpdrho = kR * t * (1.0 + 2.0 * a1 + a2);
  return s;
}

double saturation_pressure(double t) {
  const double th = 1.0 - t / kTc;
  return kPc * std::exp(kTc / t *
                        (-6.036219 * th + 1.409353 * std::pow(th, 1.5) - 0.4945199 * th * th -
                         1.443048 * std::pow(th, 4.5)));
}

double saturated_liquid_density(double t) {
  const double th = std::max(0.0, 1.0 - t / kTc);
  return 10.139128 * std::exp(1.9906389 * std::pow(th, 0.354) - 0.78756197 * std::sqrt(th) +
                              0.036976723 * std::pow(th, 2.5));
}

Solution density(double t, double p, std::int64_t kvl) {
  Solution out;
  if (std::isnan(t) || std::isnan(p)) {
    out.rho = kRhoc;
    out.root = Root::Undefined;
    return out;
  }
  t = std::clamp(t, kTmin, kTmax);
  p = std::clamp(p, kPmin, kPmax);
  if (t >= kTc) {  // one root, whichever phase was asked
    double rho = vapour_root(t, p);
    if (rho < 0.0) rho = 4.5 * kRhoc;  // not reached: p(rho) rises monotonically above Tc
    out.rho = rho;
    out.root = Root::Supercritical;
    return out;
  }
  if (kvl == 1) {
    out.rho = vapour_root(t, p);
    out.root = Root::Vapour;
    if (out.rho < 0.0) {
      out.rho = liquid_root(t, p);
      out.root = Root::LiquidFallback;
    }
  } else {
    out.rho = liquid_root(t, p);
    out.root = Root::Liquid;
    if (out.rho < 0.0) {
      out.rho = vapour_root(t, p);
      out.root = Root::VapourFallback;
    }
  }
  if (out.rho < 0.0) {  // neither branch holds a root (not met in practice): the critical density
    out.rho = kRhoc;
    out.root = Root::Undefined;
  }
  return out;
}

void load_reference_constants() {
  // Tc0, Pc (word 1, not read by the library), Vc0 = 1/rho_c, Zc0 = Pc Vc0/(R Tc0) of the
  // Setzmann-Wagner critical point, acentric factor of the Ely-Hanley shape factors, M0.
  const double values[6] = {190.564, 4.5992e6, 0.098628, 0.28629, 0.011, 16.043};
  for (int k = 0; k < 6; ++k) std::memcpy(&LUMENA_CRICH4[k], &values[k], 8);
}

namespace {
// Count and (when timed) wall-clock time of the SIRK_ES34 calls, for the benchmarks, per
// calling thread (the equation of state itself keeps no state).
thread_local std::int64_t g_calls = 0;
thread_local bool g_timed = false;
thread_local double g_seconds = 0.0;
}  // namespace

std::int64_t es34_calls() { return g_calls; }
void time_es34(bool on) { g_timed = on; }
double es34_seconds() { return g_seconds; }

}  // namespace kova::refhost::methane

extern "C" void SIRK_ES34(const double* t0, const double* p0, const std::int64_t*, const std::int64_t*,
                          const std::int64_t*, const std::int64_t*, const std::int64_t* kvl, double*, double*,
                          double*, double*, std::int64_t*, const std::int64_t*, const std::int64_t*, double*, double*,
                          double*, double*, double* r5, double*, double*, double*, double*, double*, double*) {
  using namespace kova::refhost::methane;
  ++g_calls;
  const kova::refhost::faults::Outputs fault(kova::refhost::faults::Routine::Es34, r5, 1);
  const auto start = g_timed ? std::chrono::steady_clock::now() : std::chrono::steady_clock::time_point{};
  const Solution s = density(*t0, *p0, *kvl);
  r5[0] = 1.0 / s.rho;
  r5[1] = s.rho;
  if (g_timed) g_seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
