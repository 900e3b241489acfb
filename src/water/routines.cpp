#include "water/routines.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "host/diag.h"
#include "host/property.h"
#include "host/words.h"
#include "kova/host.h"
#include "kova/kova.h"
#include "water/iapws85.h"
#include "water/scaled_equation.h"

namespace kova::water {

using host::Closing;
using host::Diag;
using host::HostWord;
using host::RoutineId;

namespace {

constexpr RoutineId kMuvlw0{"MUVL    W0      "};
constexpr RoutineId kKvlws0{"KVLW    S0      "};
constexpr RoutineId kSrthet{"SRTH    ET      "};

// The viscosity engine never goes below this temperature (the triple point region): colder
// states are evaluated at 273.15 K.
constexpr double kViscosityFloorT = 273.15;

// The scaled equation's theta and S, kept from one call to the next by each calling thread.
thread_local double g_theta = 0.0;
thread_local double g_s = 0.0;

// Work words handed to the host's equation of state, one set per calling thread.
thread_local double g_work[9] = {};

Diag diag_of(const RoutineId& id, const std::int64_t& kdiag) {
  return Diag(id, &kdiag, Closing::One, HostWord::Global7);
}

// The host's small tolerance (ZEL_RGLOB word 1).
double tolerance() { return host::real_word(ZEL_RGLOB, 1); }

// The host's failure in the current engine call: a property routine absent, or an answer
// that no equation of state gives for a sane state. Reported once, through the diagnostics
// of the routine that was running; the engine then stops and its result is zero. Per thread,
// as every engine call is.
struct HostFailure {
  const Diag* diag = nullptr;  // null outside an engine call: the saturation test's own
  bool failed = false;
};
thread_local HostFailure g_host;

// Marks the span of one engine call: host failures are reported under its diagnostics.
struct EngineCall {
  explicit EngineCall(const Diag& diag) : saved(g_host) { g_host = HostFailure{&diag, false}; }
  ~EngineCall() { g_host = saved; }
  EngineCall(const EngineCall&) = delete;
  EngineCall& operator=(const EngineCall&) = delete;
  HostFailure saved;
};


// The diagnostics a host failure is reported under: the running engine's, or, for the scaled
// equation called on its own, its own.
const Diag& failure_diag() {
  static const std::int64_t no_trace = 0;
  static const Diag scaled(kSrthet, &no_trace, Closing::One, HostWord::Global7);
  return g_host.diag != nullptr ? *g_host.diag : scaled;
}

// Checks one answer of the host (only answers to a sane state are the host's to get right).
// The diagnostics are looked up only when an answer fails.
bool host_answer(std::string_view name, double value, bool sane, host::Range range) {
  HostFailure& h = g_host;
  if (h.failed) return false;
  if (!sane || host::acceptable(value, range)) [[likely]] return true;
  host::report_unusable(failure_diag(), name, value);
  h.failed = true;
  return false;
}
bool host_has(const void* routine, std::string_view name) {
  HostFailure& h = g_host;
  if (h.failed) return false;
  if (host::surely_provided(routine) || host::provides(failure_diag(), routine, name)) [[likely]] return true;
  h.failed = true;
  return false;
}

double host_psat(double t) {
  constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  if (!host_has(reinterpret_cast<const void*>(&LUMENA_PSATWI), "LUMENA_PSATWI")) return kNone;
  const double psat = LUMENA_PSATWI(&t);
  return host_answer("LUMENA_PSATWI", psat, host::sane_state(t, 1.0), host::kPressure) ? psat : kNone;
}

// Molar volume (m3/kmol) and, with the derivative, dV/dT at constant P (m3/(kmol K)) of water
// in phase kvl from the host's equation of state.
struct HostVolume {
  double v = 0.0, dvdt = 0.0;
};
HostVolume host_volume(double t, double p, std::int64_t kdiag, std::int64_t kvl, bool derivative,
                       std::int64_t& ker) {
  static const std::int64_t zero = 0, one = 1, volume_only = 1, with_derivative = 3;
  HostVolume out;
  if (!host_has(reinterpret_cast<const void*>(&LUMENA_ES15), "LUMENA_ES15")) {
    out.v = out.dvdt = std::numeric_limits<double>::quiet_NaN();
    return out;
  }
  double* w = g_work;
  if (derivative) out.dvdt = std::numeric_limits<double>::quiet_NaN();  // unwritten is then seen
  LUMENA_ES15(&t, &p, &kdiag, &kvl, &zero, &one, &zero, &zero, &zero, &zero,
              derivative ? &with_derivative : &volume_only, &w[0], &w[1], &w[2], &w[3], &out.v, &w[4], &w[5],
              &w[6], &w[7], derivative ? &out.dvdt : &w[8], &ker, &zero);
  const bool sane = host::sane_state(t, p);
  const double r = host::gas_constant();
  const host::Range volume{1e-3, r > 0.0 && std::isfinite(r) ? 1e4 * r * t / p : host::kMolarVolume.high};
  if (!host_answer("LUMENA_ES15", out.v, sane, volume) ||
      (derivative && !host_answer("LUMENA_ES15", out.dvdt, sane, host::kAnyNumber))) {
    out.v = out.dvdt = std::numeric_limits<double>::quiet_NaN();
  }
  return out;
}

// A vapour above its saturation pressure or a liquid below it, at or below T*, is evaluated
// at the saturation pressure.
double working_pressure(double t, double p, std::int64_t kvl, double tstar) {
  if (t > tstar) return p;
  const double psat = host_psat(t);
  if (kvl == 1 && p > psat) return psat;
  if (kvl == 2 && p < psat) return psat;
  return p;
}

std::int64_t other_phase(std::int64_t kvl) { return kvl == 1 ? 2 : kvl == 2 ? 1 : kvl; }

// The viscosity engine's range check against the bands of KOVA_H2OMU0. The print request
// names the lines written: 3 for the temperature cases and the plain pressure case, 4 for
// the banded pressure cases.
void viscosity_range_check(const Diag& diag, double t, double p, std::int64_t kvl) {
  const double p1 = block_word(KOVA_H2OMU0, 1), p2 = block_word(KOVA_H2OMU0, 2), p3 = block_word(KOVA_H2OMU0, 3);
  const double tmin = block_word(KOVA_H2OMU0, 4), t1 = block_word(KOVA_H2OMU0, 5), t2 = block_word(KOVA_H2OMU0, 6),
               tmax = block_word(KOVA_H2OMU0, 7);
  const bool inside = t >= tmin && ((p <= p1 && t <= t1) || (p <= p2 && t <= t2) || (p <= p3 && t <= tmax));
  if (inside) return;
  const host::MessageLock lock;  // gate and print are one message sequence
  if (diag.gate(3, 1) == 0) return;
  const std::string head = kvl == 1 ? "6X 'WATER VAPOR VISCOSITY MODEL, MUV0H2O' / "
                                    : "6X 'WATER LIQUID VISCOSITY MODEL, MUL0H2O' / ";
  if (t > tmax) {
    diag.print(head + "6X 'TEMPERATURE IS HIGHER THAN THE MAXIMUM ' 'TEMPERATURE LIMIT' / "
                      "6X 'T =' G12.2 ' K; T LIMIT =' G12.2 ' K.'",
               {t, tmax});
  } else if (t < tmin) {
    diag.print(head + "6X 'TEMPERATURE IS LOWER THAN THE MINIMUM ' 'TEMPERATURE LIMIT' / "
                      "6X 'T =' G12.2 ' K; T LIMIT =' G12.2 ' K.'",
               {t, tmin});
  } else if (p > p1) {
    diag.print(head + "6X 'PRESSURE IS HIGHER THAN THE MAXIMUM PRESSURE LIMIT' / "
                      "6X 'P =' G15.5 ' PA; P LIMIT =' G15.5 ' PA.'",
               {p, p1});
  } else if ((p > p2 && t > t1) || (p > p3 && t > t2)) {
    const bool middle = p > p2 && t > t1;
    diag.print(head + "6X 'PRESSURE IS HIGHER THAN THE MAXIMUM PRESSURE LIMIT,' / "
                      "6X 'FOR TMAX =' G12.2 ' K; T =' G12.2 ' K;' / "
                      "6X 'P =' G15.5 ' PA. P LIMIT =' G15.5 ' PA.'",
               {middle ? t1 : t2, t, p, middle ? p2 : p3});
  }
  // Limits that are not nested can leave a state outside every band without a case: the
  // gate has been asked, nothing is printed.
}

void conductivity_range_check(const Diag& diag, double t, double p, std::int64_t kvl) {
  bool inside = t >= block_word(KOVA_H2OKS0, 5);
  if (inside) {
    inside = false;
    for (int band = 0; band < 4 && !inside; ++band)
      inside = p <= block_word(KOVA_H2OKS0, 1 + band) && t <= block_word(KOVA_H2OKS0, 6 + band);
  }
  if (inside) return;
  diag.message(3, 1,
               kvl == 1 ? "6X 'WATER THERMAL CONDUCTIVITY MODEL, KV0H2O,' / "
                          "6X 'TEMPERATURE OR PRESSURE IS OUTSIDE THE VALID REGION' / "
                          "10X 'TEMP=' G12.3 ' K' 5X 'PRESS=' G15.5 ' PA'"
                        : "6X 'WATER THERMAL CONDUCTIVITY MODEL, KL0H2O,' / "
                          "6X 'TEMPERATURE OR PRESSURE IS OUTSIDE THE VALID REGION' / "
                          "10X 'TEMP=' G12.3 ' K' 5X 'PRESS=' G15.5 ' PA'",
               {t, p});
}

// The near-critical phase report, written with the phase before the change.
void phase_report(const Diag& diag, std::string_view model_vapour, std::string_view model_liquid,
                  std::int64_t kvl, double t, double p) {
  const std::string layout =
      std::string(kvl == 1 ? model_vapour : model_liquid) +
      (kvl == 1 ? " / 6X 'PHASE WAS NOT REASONABLE, WAS CHANGED INTO LIQUID' / "
                : " / 6X 'PHASE WAS NOT REASONABLE, WAS CHANGED INTO VAPOR' / ") +
      "8X 'KVL=' I3 '  TEMP=' G12.2 ' K;     PRESS=' G15.5 ' PA'";
  diag.message(3, 2, layout, {kvl, t, p});
}

// Density state of an engine: reduced density from the host's molar volume.
struct Density {
  double rhobar = 0.0;
  double dvdt = 0.0;  // (dv/dT)_P, m3/(kg K), when asked for
};
Density density(const Reference& ref, double t, double p, std::int64_t kdiag, std::int64_t kvl, bool derivative,
                std::int64_t& ker) {
  const HostVolume hv = host_volume(t, p, kdiag, kvl, derivative, ker);
  return {ref.molar_mass / hv.v / ref.rhostar, hv.dvdt / ref.molar_mass};
}

bool in_viscosity_box(double tbar, double rhobar) {
  return tbar >= block_word(KOVA_H2OMU0, 8) && tbar <= block_word(KOVA_H2OMU0, 9) &&
         rhobar >= block_word(KOVA_H2OMU0, 10) && rhobar <= block_word(KOVA_H2OMU0, 11);
}

// Density at t and the working pressure (the saturation pressure at t_sat substituted where
// the phase lies beyond it), with the near-critical phase
// correction made once: when the state lies in the critical box although the saturation
// substitution moved its pressure, the substitution has put it on the wrong side, and it is
// evaluated again at the caller's pressure in the other phase (reported with the phase as
// it was). kvl is left switched; the engine turns it back before returning.
Density engine_density(const Diag& diag, const Reference& ref, double t_sat, double t, double p, std::int64_t kdiag,
                       std::int64_t& kvl, bool derivative, bool (*in_box)(double, double),
                       std::string_view vapour_title, std::string_view liquid_title, std::int64_t& ker) {
  const double pw = working_pressure(t_sat, p, kvl, ref.tstar);
  const Density d = density(ref, t, pw, kdiag, kvl, derivative, ker);
  if (g_host.failed) return d;  // reported; the engine stops
  if (!in_box(t / ref.tstar, d.rhobar) || std::fabs(pw - p) <= tolerance()) return d;
  phase_report(diag, vapour_title, liquid_title, kvl, t, p);
  kvl = other_phase(kvl);
  return density(ref, t, p, kdiag, kvl, derivative, ker);
}

// The wrappers: find the first water entry and run the engine for it in the given phase.
template <class Engine>
void serve_water(Engine engine, std::int64_t phase, const double* T, const double* P, const std::int64_t* N,
                 const std::int64_t* KCALC, const std::int64_t* IDX, const std::int64_t* KDIAG, double* result,
                 const kova_word* CFORM) {
  const host::CformTable cform(CFORM);
  const host::Ints idx(IDX);
  const host::Reals out(result);
  for (std::int64_t i = 1; i <= *N; ++i) {
    if (!cform.is_water(idx(i))) continue;
    if (*KCALC != 0) {
      std::int64_t kvl = phase, ker = 0;
      double value = 0.0;
      engine(*T, *P, *KDIAG, kvl, *KCALC, value, ker);
      out(i) = value;
    }
    return;
  }
}

}  // namespace

double stored_theta() { return g_theta; }
double stored_s() { return g_s; }
void reset_stored() {
  g_theta = 0.0;
  g_s = 0.0;
}

SrthetResult srthet(double t, double p, std::int64_t kvl, std::int64_t kdiag) {
  // Below the scaled equation's critical temperature the phase follows the host's
  // saturation pressure.
  std::int64_t phase = kvl;
  if (t < kScaledTc) {
    const double psat = host_psat(t);
    if (phase == 1 && p > psat) phase = 2;
    else if (phase == 2 && p < psat) phase = 1;
  }
  const ScaledParams sp = scaled_params(KOVA_REFH2O);
  ThetaSearch ts = solve_theta(t, p, static_cast<int>(phase), g_theta, sp);
  // The host's saturation pressure lies about 10 kPa above the scaled equation's own just
  // below its critical temperature, so a vapour at the host's saturation pressure is, for
  // the scaled equation, a supersaturated vapour; from about 645.9 K up it lies beyond the
  // scaled equation's spinodal and the iteration fails (runs away to r of 1e6 and more, or
  // stops on an unconverged theta, or settles on a far root with r near 1, where the
  // equation has long stopped describing water), leaving chi-bar and the derivative
  // meaningless. (States of the critical box have r below about 0.05.) Such a state below
  // the critical temperature is solved once more on the other side of saturation and turned
  // back, as the phase test above does for a vapour above the host's saturation pressure:
  // this gives the scaled equation's coexisting state.
  auto failed = [](const ThetaSearch& s) { return s.outer_limit || s.last_inner_limit || s.r > 0.1; };
  if (failed(ts) && t < kScaledTc && (phase == 1 || phase == 2)) {
    const std::int64_t other = other_phase(phase);
    const ThetaSearch retry = solve_theta(t, p, static_cast<int>(other), g_theta, sp);
    if (!failed(retry)) {
      ts = retry;
      phase = other;
    }
  }
  g_theta = ts.theta;

  const Diag diag = diag_of(kSrthet, kdiag);
  // The theta iteration's first pass starts next to the pole of the field equation with a
  // zero field and runs out of steps on almost every call above the critical temperature,
  // while the passes that follow converge. Its warning is given only when the theta that is
  // returned did not converge.
  if (ts.last_inner_limit) {
    diag.message(3, 1,
                 "6X 'MAXIMUM NO. OF IN-SIDE ITERATIONS EXCEEDED' / 6X 'WHEN SEARCHING FOR THETA AND R' / "
                 "10X 'ITN=' I3 2X 'DTHETA=' D15.6",
                 {std::int64_t{21}, ts.last_dtheta});
  }
  if (ts.outer_limit) {
    diag.message(3, 2,
                 "6X 'MAXIMUM NO. OF ITERATIONS EXCEEDED' / 6X 'WHEN SEARCHING FOR THETA AND R' / "
                 "10X 'IT=' I3 5X 'ITN=' I3 / 10X 'TOL2=' D15.6 5X 'DDMU=' D15.6",
                 {std::int64_t{ts.it}, std::int64_t{ts.itn}, ts.tol2, ts.ddmu});
  }
  // A state solved on the other side of saturation is turned back to the caller's side.
  if (phase != kvl) g_theta = -g_theta;
  return {ts.r, g_theta, !failed(ts)};
}

bool h2ochi(double t, double p, double tbar, double pbar, std::int64_t mode, std::int64_t kvl,
            std::int64_t kdiag, double& chi, double& dpdt) {
  const SrthetResult sr = srthet(t, p, kvl, kdiag);
  const double r = std::max(sr.r, 1e-10);
  const ScaledParams sp = scaled_params(KOVA_REFH2O);
  if (mode != 1) {
    g_s = scaled_susceptibility(r, sr.theta, sp);
    chi = scaled_chi(g_s, tbar, sp);
  } else {
    chi = 0.0;
  }
  if (mode == 0) {
    dpdt = 0.0;
  } else {
    dpdt = scaled_dpdt(r, sr.theta, g_s, t, pbar, tbar, block_word(KOVA_REFH2O, 3), sp);
  }
  return sr.converged;
}

void h2okdf(double t, double p, double pbar, double rhobar, double& dvdt, std::int64_t kvl, std::int64_t kdiag,
            std::int64_t& ker, double& chi, double& dpdt) {
  const Reference ref = reference(KOVA_REFH2O);
  if (t <= ref.tstar) {
    const double psat = host_psat(t);
    if ((kvl == 1 && psat < p) || (kvl == 2 && psat > p)) {
      p = psat;
      pbar = psat / ref.pstar;
      const Density d = density(ref, t, psat, kdiag, kvl, true, ker);
      dvdt = d.dvdt;
      rhobar = d.rhobar;
    }
  }
  // Relative pressure step: a vapour steps down towards lower density below T* (up above
  // it), a liquid steps up; close to T* the steps are smaller.
  double h = 0.005, s = 1.0;
  if (kvl == 1) {
    s = t <= ref.tstar ? -1.0 : 1.0;
    h = (ref.tstar - t < 35.0 ? 0.0015 : 0.005) * s;
  } else if (kvl == 2) {
    h = ref.tstar - t < 20.0 ? 0.0001 : 0.005;
  }
  const double p2 = (pbar + h * pbar) * ref.pstar;
  const double rhobar2 = density(ref, t, p2, kdiag, kvl, false, ker).rhobar;
  const double w = s * std::max(1e-10, std::fabs(rhobar2 - rhobar)) / (h * pbar);  // (d rho-bar / d P-bar)_T
  chi = rhobar * w;
  dpdt = rhobar * rhobar * ref.rhostar * ref.tstar * dvdt / w;
}

void muvlw0(double t, double p, std::int64_t kdiag, std::int64_t& kvl, std::int64_t kcalc, double& mu,
            std::int64_t& ker) {
  if (kcalc == 0) return;
  const Diag diag = diag_of(kMuvlw0, kdiag);
  const EngineCall engine(diag);
  const Reference ref = reference(KOVA_REFH2O);
  viscosity_range_check(diag, t, p, kvl);

  const std::int64_t entry_kvl = kvl;
  const double tw = std::max(kViscosityFloorT, t);
  const double tbar = tw / ref.tstar;
  const double rhobar = engine_density(diag, ref, t, tw, p, kdiag, kvl, false, in_viscosity_box,
                                       "6X 'WATER VISCOSITY MODEL, MUV0H2O'", "6X 'WATER VISCOSITY MODEL, MUL0H2O'", ker)
                            .rhobar;
  if (g_host.failed) {  // reported: the viscosity cannot be calculated
    mu = 0.0;
    kvl = entry_kvl;
    return;
  }

  const double pbar = p / ref.pstar;
  const ReducedViscosity rv = reduced_viscosity(tbar, rhobar, KOVA_H2OMU1);
  double mu2 = 1.0;
  if (in_viscosity_box(tbar, rhobar)) {
    double chi = 0.0, dpdt = 0.0;
    h2ochi(tw, p, tbar, pbar, 0, kvl, kdiag, chi, dpdt);
    mu2 = viscosity_critical(chi);
  }
  mu = g_host.failed ? 0.0 : rv.mu0 * rv.mu1 * ref.mustar * mu2;
  kvl = entry_kvl;
}

void kvlws0(double t, double p, std::int64_t kdiag, std::int64_t& kvl, std::int64_t kcalc, double& kv,
            std::int64_t& ker) {
  if (kcalc == 0) return;
  const Diag diag = diag_of(kKvlws0, kdiag);
  const EngineCall engine(diag);
  const Reference ref = reference(KOVA_REFH2O);
  conductivity_range_check(diag, t, p, kvl);

  const std::int64_t entry_kvl = kvl;
  const double tbar = t / ref.tstar;
  Density d = engine_density(diag, ref, t, t, p, kdiag, kvl, true, in_conductivity_box,
                             "6X 'WATER THERMAL CONDUCTIVITY MODEL, KV0H2O,'",
                             "6X 'WATER THERMAL CONDUCTIVITY MODEL, KL0H2O,'", ker);
  if (g_host.failed) {  // reported: the conductivity cannot be calculated
    kv = 0.0;
    kvl = entry_kvl;
    return;
  }

  const double pbar = p / ref.pstar;
  double l[4], lij[30];
  for (int k = 0; k < 4; ++k) l[k] = block_word(KOVA_H2OKS1, 1 + k);
  for (int k = 0; k < 30; ++k) lij[k] = block_word(KOVA_H2OKS1, 5 + k);
  const double background = conductivity_dilute(tbar, l) * conductivity_residual(tbar, d.rhobar, lij);
  const ReducedViscosity rv = reduced_viscosity(tbar, d.rhobar, KOVA_H2OMU1);

  double chi = 0.0, dpdt = 0.0;
  bool scaled = false;
  if (in_conductivity_box(tbar, d.rhobar)) {
    // A state that the scaled equation cannot solve (its field iteration runs away, as for a
    // vapour at the host's saturation pressure just below 647.067 K, which the scaled equation
    // sees as supersaturated) would give a meaningless enhancement: such states take their
    // derivatives from the host's equation of state, as outside the box.
    scaled = h2ochi(t, p, tbar, pbar, 2, kvl, kdiag, chi, dpdt) && std::isfinite(chi) && chi > 0.0 &&
             std::isfinite(dpdt);
  }
  if (!scaled) h2okdf(t, p, pbar, d.rhobar, d.dvdt, kvl, kdiag, ker, chi, dpdt);
  const double l2 = conductivity_critical(tbar, d.rhobar, chi, dpdt, rv.mu0, rv.mu1, tolerance());
  kv = g_host.failed ? 0.0 : (background + l2) * ref.lambdastar;
  kvl = entry_kvl;
}

void muv004(const double* T, const double* P, const std::int64_t* N, const std::int64_t* KCALC,
            const std::int64_t* IDX, const std::int64_t* KDIAG, double* MU, const kova_word* CFORM) {
  serve_water(muvlw0, 1, T, P, N, KCALC, IDX, KDIAG, MU, CFORM);
}
void mul004(const double* T, const double* P, const std::int64_t* N, const std::int64_t* KCALC,
            const std::int64_t* IDX, const std::int64_t* KDIAG, double* MU, const kova_word* CFORM) {
  serve_water(muvlw0, 2, T, P, N, KCALC, IDX, KDIAG, MU, CFORM);
}
void kv005(const double* T, const double* P, const std::int64_t* N, const std::int64_t* KCALC,
           const std::int64_t* IDX, const std::int64_t* KDIAG, double* KV, const kova_word* CFORM) {
  serve_water(kvlws0, 1, T, P, N, KCALC, IDX, KDIAG, KV, CFORM);
}
void kl004(const double* T, const double* P, const std::int64_t* N, const std::int64_t* KCALC,
           const std::int64_t* IDX, const std::int64_t* KDIAG, double* KV, const kova_word* CFORM) {
  serve_water(kvlws0, 2, T, P, N, KCALC, IDX, KDIAG, KV, CFORM);
}

}  // namespace kova::water
