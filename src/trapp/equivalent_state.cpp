#include "trapp/equivalent_state.h"

#include <cmath>
#include <limits>

#include "host/diag.h"
#include "host/property.h"
#include "host/words.h"

namespace kova::trapp {

using host::Diag;
using host::RoutineId;

namespace {

constexpr RoutineId kSrho{"SRHO    0       "};
constexpr RoutineId kFdfx{"FDFX    DT      "};

constexpr int kMaxIterations = 60;
constexpr double kTolerance = 1e-05;

bool settled(Mixture now, Mixture before) {
  return std::fabs(now.fx - before.fx) <= kTolerance * now.fx &&
         std::fabs(now.hx - before.hx) <= kTolerance * now.hx;
}

}  // namespace

ReferenceConstants host_reference_constants() {
  ReferenceConstants r;
  r.tc0 = host::real_word(LUMENA_CRICH4, 0);
  r.vc0 = host::real_word(LUMENA_CRICH4, 2);
  r.zc0 = host::real_word(LUMENA_CRICH4, 3);
  r.w0 = host::real_word(LUMENA_CRICH4, 4);
  r.m0 = host::real_word(LUMENA_CRICH4, 5);
  return r;
}

void Call::reset_shape_factors() const {
  for (std::int64_t j = 0; j < w.n; ++j) {
    work[w.theta + j] = 1.0;
    work[w.phi + j] = 1.0;
  }
}

Mixture Call::mix() const {
  return scale_combine_mix(w, work, x, [this](std::int64_t j) { return critical(j); }, ref);
}

void Call::update_shape_factors(double t0, double v0) const {
  for (std::int64_t j = 1; j <= w.n; ++j) {
    const ShapeFactors s = shape_factors(work[w.f + j - 1], work[w.h + j - 1], t0, v0, critical(j), ref);
    work[w.theta + j - 1] = s.theta;
    work[w.phi + j - 1] = s.phi;
  }
}

double reference_volume(const Call& c, double t0, double p0) {
  static constexpr std::int64_t one = 1;
  constexpr double kNoVolume = std::numeric_limits<double>::quiet_NaN();
  if (c.host_failed) return kNoVolume;
  if (!host::provides(*c.diag, reinterpret_cast<const void*>(&SIRK_ES34), "SIRK_ES34")) {
    c.host_failed = true;
    return kNoVolume;
  }
  double w8 = 0.0, w9 = 0.0, w10 = 0.0, w11 = 0.0;
  std::int64_t i12 = 1;
  double r[10][2] = {};
  double extra = 0.0;
  SIRK_ES34(&t0, &p0, &one, c.idx, c.iptr, c.iptr, c.kvl, &w8, &w9, &w10, &w11, &i12, &one, c.kdiag, r[0],
            r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8], r[9], &extra);
  const double v0 = r[4][0];
  // Only a sane state makes a bad answer the host's: states that are already not numbers
  // (zero critical constants, a temperature that is not a number) follow their own course.
  if (host::sane_state(t0, p0) && !host::usable_volume(*c.diag, "SIRK_ES34", v0, t0, p0)) {
    c.host_failed = true;
    return kNoVolume;
  }
  return v0;
}

EquivalentState solve_equivalent_state(const Call& c) {
  EquivalentState s;
  Mixture before;
  for (int i = 1; i <= kMaxIterations; ++i) {
    const Mixture now = c.mix();
    if (i > 1) before = s.m;
    s.m = now;
    s.t0 = c.t / now.fx;
    const double p0 = c.p * now.hx / now.fx;
    const double v0 = reference_volume(c, s.t0, p0);
    s.rho0 = 1.0 / v0;
    if (c.host_failed) return s;
    if (i > 1 && settled(now, before)) return s;
    c.update_shape_factors(s.t0, v0);
  }
  s.converged = false;
  const Diag diag(kSrho, c.kdiag);
  diag.message(3, 1,
               "6X 'TRAPP TRANSPORT PROPERTIES MODEL, ' 'REFERENCE FLUID DENSITY DID NOT CONVERGE' / "
               "6X 'FX0=' D15.7 2X 'DFX=' D15.8 / 6X 'HX0=' D15.7 2X 'DHX=' D15.8",
               {s.m.fx, std::fabs(s.m.fx - before.fx), s.m.hx, std::fabs(s.m.hx - before.hx)});
  return s;
}

double fx_temperature_derivative(const Call& c, Mixture at_t, double rho0) {
  static constexpr double kSteps[5] = {0.1, 0.5, 1.0, 0.01, 0.001};
  const double v = at_t.hx / rho0;  // mixture molar volume, held fixed
  c.reset_shape_factors();
  int count = 1;
  Mixture before = at_t;
  // Neither the shape factors, nor the count, nor the previous values of the convergence
  // test are reset between the attempts with different steps.
  for (const double step : kSteps) {
    Mixture now;
    for (;;) {
      now = c.mix();
      const double t0 = (c.t + step) / now.fx;
      const double v0 = v / now.hx;
      const double dfx = std::fabs(now.fx - before.fx), dhx = std::fabs(now.hx - before.hx);
      if (count > 1 && dfx <= kTolerance * now.fx && dhx <= kTolerance * now.hx) break;
      before = now;
      c.update_shape_factors(t0, v0);
      if (++count > kMaxIterations) {
        const Diag diag(kFdfx, c.kdiag);
        diag.message(3, 1,
                     "6X 'TRAPP TRANSPORT MODEL, DENSITY OF' ' REFERENCE FLUID DID NOT CONVERGE' / "
                     "6X 'FX0=' D15.7 2X 'DFX=' D15.8 / 6X 'HX0=' D15.7 2X 'DHX=' D15.8",
                     {at_t.fx, dfx, at_t.hx, dhx});
        break;
      }
    }
    const double a = (now.fx - at_t.fx) / step;
    if (1.0 - (c.t + step) * a / at_t.fx >= 0.0) return a;
  }
  return 0.0;
}

MassScaling call_mass_scaling(const Call& c, int mode, Mixture m) {
  return mass_scaling(mode, c.w, c.work, c.x, m, [&c](std::int64_t j) { return c.params.mw[c.comp(j) - 1]; },
                      c.ref.m0);
}

}  // namespace kova::trapp
