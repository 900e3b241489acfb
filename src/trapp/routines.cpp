#include "trapp/routines.h"

#include <cmath>
#include <limits>
#include <vector>

#include "host/diag.h"
#include "host/property.h"
#include "host/words.h"
#include "kova/kova.h"
#include "trapp/equivalent_state.h"

namespace kova::trapp {

using host::CidTable;
using host::Diag;
using host::Ints;
using host::MissingReport;
using host::Reals;
using host::RoutineId;

namespace {

constexpr RoutineId kMuvl01{"MUVL    01      "};
constexpr RoutineId kKvl01{"KVL0    1       "};

// Defaults written into the host's arrays when a parameter is missing (a C6 alkane).
constexpr double kDefaultTc = 507.4;
constexpr double kDefaultPc = 2968822.5;
constexpr double kDefaultOmega = 0.296;
constexpr double kDefaultVc = 0.369445;
constexpr double kDefaultZc = 0.26;

// Words of the state block KOVA_PRT1.
enum PrtWord { kFx = 0, kHx = 1, kFactor = 2, kMassFactor = 3, kRefValue = 4, kMx = 5, kT0 = 6, kRho0 = 7,
               kDfxDt = 10, kInternal = 11 };

// The words of KOVA_PRT1 that one engine call sets, gathered during the call and written
// together under the message lock once they are all known: a host reading the block never
// sees words of two calls made by different threads mixed (words a call does not set keep
// what they held). With several threads calling, the block holds the state of the last
// engine call of any thread.
class PrtWords {
 public:
  void set(PrtWord k, double v) {
    v_[k] = v;
    mask_ |= 1u << k;
  }
  void publish() const {
    const host::MessageLock lock;
    for (int k = 0; k < kWords; ++k)
      if ((mask_ & (1u << k)) != 0) KOVA_PRT1[k] = v_[k];
  }

 private:
  static constexpr int kWords = 13;
  double v_[kWords] = {};
  unsigned mask_ = 0;
};

// Checks TC, PC, OMEGA, VC, ZC of every unchecked listed component in that order, writing
// the defaults and reporting them (class 1, messages 1 to 5).
void check_params(const Diag& diag, std::string_view header, std::int64_t n, const std::int64_t* IDX,
                  const Params& p, double* FLAG, const kova_word* CID, std::int64_t idset) {
  const double marker = host::missing_marker();
  const CidTable cid(CID);
  MissingReport report(diag, header, /*zero19=*/true);
  host::for_unchecked(n, Ints(IDX), Reals(FLAG), [&](std::int64_t, std::int64_t c) {
    const auto w1 = cid.word1(c), w2 = cid.word2(c);
    report.check(p.tc[c - 1], marker, kDefaultTc, 1,
                 "6X 'TCTRAP AND ITS DEFAULT TC (DATA SET ' I3 ') ' 'MISSING FOR COMPONENT ' 2A4", {idset, w1, w2});
    report.check(p.pc[c - 1], marker, kDefaultPc, 2,
                 "6X 'PCTRAP AND ITS DEFAULT PC (DATA SET ' I3 ') ' 'MISSING FOR COMPONENT ' 2A4", {idset, w1, w2});
    report.check(p.omega[c - 1], marker, kDefaultOmega, 3,
                 "6X 'OMGRAP AND ITS DEFAULT OMEGA (DATA SET ' I3 ') ' 'MISSING FOR COMPONENT ' 2A4",
                 {idset, w1, w2});
    report.check(p.vc[c - 1], marker, kDefaultVc, 4,
                 "6X 'VCTRAP AND ITS DEFAULT VC (DATA SET ' I3 ') ' 'MISSING FOR COMPONENT ' 2A4", {idset, w1, w2});
    report.check(p.zc[c - 1], marker, kDefaultZc, 5,
                 "6X 'ZCTRAP AND ITS DEFAULT ZC (DATA SET ' I3 ') ' 'MISSING FOR COMPONENT ' 2A4", {idset, w1, w2});
  });
}

// Sets up one engine call: offset table, parameter check, zeroed work storage and unit
// shape factors.
Call start_call(const WorkLayout& w, const double* T, const double* P, const double* X, const std::int64_t* IDX,
                const std::int64_t* KVL, const std::int64_t* KDIAG, std::int64_t* IPTR, double* WORK,
                const Params& p) {
  w.fill_iptr(IPTR);
  Call c;
  c.t = *T;
  c.p = *P;
  c.x = X;
  c.idx = IDX;
  c.kvl = KVL;
  c.kdiag = KDIAG;
  c.iptr = IPTR;
  c.params = p;
  c.w = w;
  c.work = WORK;
  c.ref = host_reference_constants();
  return c;
}

void clear_work(const Call& c) {
  for (std::int64_t k = 0; k < c.w.zeroed(); ++k) c.work[k] = 0.0;
  c.reset_shape_factors();
}

void store_state(PrtWords& prt, const EquivalentState& s) {
  prt.set(kFx, s.m.fx);
  prt.set(kHx, s.m.hx);
  prt.set(kT0, s.t0);
  prt.set(kRho0, s.rho0);
}

void store_mass(PrtWords& prt, const MassScaling& ms) {
  prt.set(kMassFactor, ms.factor);
  prt.set(kMx, ms.mx);
}

// Mole-fraction sum of ZC over the list.
double mixture_zc(const Call& c) {
  double zm = 0.0;
  for (std::int64_t j = 1; j <= c.w.n; ++j) zm += c.x[j - 1] * c.params.zc[c.comp(j) - 1];
  return zm;
}

// Ideal-gas heat capacity of each listed entry at T from the host, J/(kmol K), into cp.
// LUMENA_IDLGSF gives 47 store positions; LUMENA_IDLGS1 takes 48 blocks: the 48th is passed
// as the first word of the store, a valid address that carries no parameter.
// A host that lacks either routine, or gives a heat capacity that is not finite and above the
// gas constant (Cp - Cv = R for an ideal gas) at a sane temperature, fails the call.
void host_heat_capacities(const Call& c, const std::int64_t* N, double* cp) {
  static constexpr std::int64_t one = 1, zero = 0, two = 2;
  if (!host::provides(*c.diag, reinterpret_cast<const void*>(&LUMENA_IDLGSF), "LUMENA_IDLGSF") ||
      !host::provides(*c.diag, reinterpret_cast<const void*>(&LUMENA_IDLGS1), "LUMENA_IDLGS1")) {
    c.host_failed = true;
    return;
  }
  static constexpr std::int64_t k20 = 20, k36 = 36, k69 = 69, k79 = 79;
  std::int64_t pos[48] = {};
  LUMENA_IDLGSF(&one, &pos[0], &pos[1], &pos[2], &pos[3], &pos[4], &pos[5], &pos[6], &pos[7], &pos[8], &pos[9],
                &pos[10], &pos[11], &pos[12], &pos[13], &pos[14], &pos[15], &pos[16], &pos[17], &pos[18], &pos[19],
                &pos[20], &pos[21], &pos[22], &pos[23], &pos[24], &pos[25], &pos[26], &pos[27], &pos[28], &pos[29],
                &pos[30], &pos[31], &pos[32], &pos[33], &pos[34], &pos[35], &pos[36], &pos[37], &pos[38], &pos[39],
                &pos[40], &pos[41], &pos[42], &pos[43], &pos[44], &pos[45], &pos[46]);
  pos[47] = 1;
  const kova_word* b[48];
  for (int k = 0; k < 48; ++k) b[k] = ZEL_PLEX + (pos[k] - 1);
  // A parameter block named in the offset table starts at store position offset + 1.
  const auto block = [](int word) { return ZEL_PLEX + host::int_word(ZEL_IPOFF1, word); };
  double w[11] = {};
  std::vector<double> out2(static_cast<std::size_t>(*N));
  // Heat capacities the host leaves unwritten are seen as such, not as what the work held.
  for (std::int64_t j = 0; j < *N; ++j) cp[j] = std::numeric_limits<double>::quiet_NaN();
  LUMENA_IDLGS1(&c.t, c.x, N, c.idx, c.kdiag, &zero, &two, &zero, &zero, &zero, &zero, &zero, &w[0], &w[1], &w[2],
                cp, &w[3], &w[4], &w[5], &w[6], &w[7], &w[8], &w[9], &w[10], b[0], b[1], b[2], b[3], b[4], b[5],
                b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13], b[14], b[15], b[16], b[17], b[18], b[19], b[20],
                b[21], b[22], b[23], b[24], b[25], b[26], b[27], b[28], b[29], b[30], b[31], b[32], b[33], b[34],
                b[35], b[36], b[37], b[38], b[39], b[40], b[41], b[42], b[43], b[44], b[45], b[46], b[47],
                out2.data(), block(800), &k20, block(802), &k36, block(803), &k69, block(799), &k79);
  if (!host::sane_state(c.t, 1.0)) return;
  const host::Range range{std::fmax(host::gas_constant(), host::kHeatCapacity.low), host::kHeatCapacity.high};
  for (std::int64_t j = 0; j < *N; ++j) {
    if (host::usable(*c.diag, "LUMENA_IDLGS1", cp[j], range)) continue;
    c.host_failed = true;
    return;
  }
}

// Internal-energy (modified Eucken) part of the conductivity, W/(m K), from the dilute
// reference viscosity eta_d (micropoise) at T0, with the per-entry scalings of the last
// shape-factor iteration still in WORK.
double internal_conductivity(const Call& c, const std::int64_t* N, double eta_d) {
  const WorkLayout& w = c.w;
  double* eta = c.work + w.fh;
  double* cp = eta + w.n;
  double* lam = cp + w.n;
  for (std::int64_t j = 1; j <= w.n; ++j) {
    const double mw = c.params.mw[c.comp(j) - 1];
    eta[j - 1] = eta_d * std::pow(c.work[w.h + j - 1], -2.0 / 3.0) * std::sqrt(mw / c.ref.m0 * c.work[w.f + j - 1]);
  }
  host_heat_capacities(c, N, cp);
  for (std::int64_t j = 1; j <= w.n; ++j) {
    const double mw = c.params.mw[c.comp(j) - 1];
    lam[j - 1] = (cp[j - 1] / 4186.8 - 4.968) * 1.32 * eta[j - 1] / mw;
  }
  for (std::int64_t k = 1; k <= w.n; ++k) {
    for (std::int64_t l = k; l <= w.n; ++l) {
      const double v = k == l ? lam[k - 1] : 1.0 / (0.5 * (1.0 / lam[k - 1] + 1.0 / lam[l - 1]));
      c.work[w.lkl + pair_index(w.n, k, l) - 1] = v;
    }
  }
  return pair_sum(w.n, c.x, c.work + w.lkl) * 4.1868e-04;
}

}  // namespace

void muvl01(const double* T, const double* P, const double* X, const std::int64_t* N, const std::int64_t* IDX,
            const std::int64_t* IDSET, const std::int64_t* KDIAG, double* WORK, std::int64_t* IPTR,
            const std::int64_t* KVL, const std::int64_t* KCALC, double* MU, const kova_word* CID, double* TC,
            double* PC, double* VC, double* ZC, double* OMEGA, double* FLAG, const double* MW) {
  if (*KCALC == 0) return;
  const std::int64_t n = *N;
  const Params p{TC, PC, VC, ZC, OMEGA, MW};
  const WorkLayout w = WorkLayout::viscosity(n > 0 ? n : 0);
  Call c = start_call(w, T, P, X, IDX, KVL, KDIAG, IPTR, WORK, p);
  const Diag diag(kMuvl01, KDIAG, host::Closing::Word19);
  c.diag = &diag;
  check_params(diag, "6X 'VISCOSITY MODEL OF ELY & HANLEY (1981), MUVL01, HAS' 'MISSING PARAMETERS:' /", n, IDX,
               p, FLAG, CID, *IDSET);
  clear_work(c);
  if (n <= 0) {  // an empty mixture has no viscosity and no equivalent state
    *MU = 0.0;
    return;
  }

  // Smallest critical volume of the list (the later entry on ties).
  double vmin = host::missing_marker();
  for (std::int64_t j = 1; j <= n; ++j)
    if (VC[c.comp(j) - 1] <= vmin) vmin = VC[c.comp(j) - 1];

  PrtWords prt;
  const EquivalentState s = solve_equivalent_state(c);
  if (c.host_failed) {  // reported where the host failed
    *MU = 0.0;
    return;
  }
  store_state(prt, s);
  const MassScaling ms = call_mass_scaling(c, 0, s.m);
  store_mass(prt, ms);

  // Correction of the dense term for size differences and the temperature dependence of
  // the energy scaling; 1 when the equivalent state was not found.
  double xeta = 1.0;
  if (s.converged) {
    const double dfdt = fx_temperature_derivative(c, s.m, s.rho0);
    prt.set(kDfxDt, dfdt);
    const double vref = vmin == 0.0 ? 1e-04 : vmin;
    double sum = 0.0;
    for (std::int64_t j = 1; j <= n; ++j) sum += X[j - 1] * std::cbrt(VC[c.comp(j) - 1] / vref);
    const double m = 1.0 / sum;
    const double zm = mixture_zc(c);
    xeta = (0.16129 - 4.51613 * m) / (1.0 - 5.35484 * m) *
           std::sqrt(std::fabs((1.0 - 1.5 * c.t * dfdt / s.m.fx) * zm / c.ref.zc0));
  }
  const double eta0 = eta_ref(s.t0, s.rho0, xeta, c.ref.m0);
  prt.set(kFactor, xeta);
  prt.set(kRefValue, eta0);
  prt.publish();
  *MU = eta0 * ms.factor * 1e-07;
  if (!std::isfinite(*MU)) {
    // Zero or negative critical constants, mole fractions summing to zero or a temperature
    // that is not a number leave no equivalent state: no number is better than NaN.
    *MU = 0.0;
    diag.message(2, 6,
                 "6X 'VISCOSITY MODEL OF ELY & HANLEY (1981), MUVL01: THE VISCOSITY' / "
                 "6X 'CANNOT BE CALCULATED FROM THESE INPUTS AND IS SET TO ZERO'",
                 {});
  }
}

void kvl01(const double* T, const double* P, const double* X, const std::int64_t* N, const std::int64_t* IDX,
           const std::int64_t* IDSET, const std::int64_t* KDIAG, const std::int64_t* KVL,
           const std::int64_t* KCALC, double* K, std::int64_t* KCONV, double* ZC, const double* MW, double* TC,
           double* PC, double* VC, double* OMEGA, double* FLAG, const kova_word* CID, double* WORK,
           std::int64_t* IPTR) {
  if (*KCALC == 0) return;
  const std::int64_t n = *N;
  const Params p{TC, PC, VC, ZC, OMEGA, MW};
  const WorkLayout w = WorkLayout::thermal_conductivity(n > 0 ? n : 0);
  Call c = start_call(w, T, P, X, IDX, KVL, KDIAG, IPTR, WORK, p);
  const Diag diag(kKvl01, KDIAG, host::Closing::Word19);
  c.diag = &diag;
  check_params(diag, "6X 'THERMAL CONDUCTIVITY MODEL OF ELY & HANLEY (1983) HAS' 'MISSING PARAMETERS:' /", n,
               IDX, p, FLAG, CID, *IDSET);
  clear_work(c);
  if (n <= 0) {  // an empty mixture has no conductivity and no equivalent state
    *K = 0.0;
    *KCONV = 0;
    return;
  }

  PrtWords prt;
  const EquivalentState s = solve_equivalent_state(c);
  if (c.host_failed) {  // reported where the host failed
    *K = 0.0;
    *KCONV = 0;
    return;
  }
  *KCONV = s.converged ? 1 : 0;
  store_state(prt, s);
  const MassScaling ms = call_mass_scaling(c, 1, s.m);
  store_mass(prt, ms);

  const LambdaRef ref = lambda_ref(s.t0, s.rho0, c.ref.m0);
  const double internal = internal_conductivity(c, N, ref.eta_d);
  if (c.host_failed) {
    *K = 0.0;
    return;
  }

  // The correction factor is formed whether or not the equivalent state converged.
  const double dfdt = fx_temperature_derivative(c, s.m, s.rho0);
  prt.set(kDfxDt, dfdt);
  const double g = (1.0 - c.t * dfdt / s.m.fx) * c.ref.zc0 / mixture_zc(c);
  const double xlambda = std::sqrt(g) * g;

  prt.set(kFactor, xlambda);
  prt.set(kMassFactor, ms.factor);
  prt.set(kRefValue, ref.lambda);
  prt.set(kInternal, internal);
  prt.publish();
  *K = ref.lambda * ms.factor * xlambda + internal;
  if (!std::isfinite(*K)) {  // as in the viscosity engine
    *K = 0.0;
    diag.message(2, 6,
                 "6X 'THERMAL CONDUCTIVITY MODEL OF ELY & HANLEY (1983): THE' / "
                 "6X 'CONDUCTIVITY CANNOT BE CALCULATED FROM THESE INPUTS AND IS SET TO ZERO'",
                 {});
  }
}

void viscosity_each(std::int64_t kvl, const double* T, const double* P, const std::int64_t* N,
                    const std::int64_t* KCALC, const std::int64_t* IDX, double* WORK, std::int64_t* IPTR,
                    const std::int64_t* KDIAG, const std::int64_t* IDSET, double* MU, const kova_word* CID,
                    double* TC, double* PC, double* VC, double* ZC, double* OMEGA, double* FLAG, const double* MW) {
  static const double one_x = 1.0;
  static constexpr std::int64_t one = 1;
  // With KCALC 0 the engine writes nothing, so every result element keeps what it held.
  for (std::int64_t i = 1; i <= *N; ++i) {
    const std::int64_t phase = kvl;
    muvl01(T, &P[i - 1], &one_x, &one, &IDX[i - 1], IDSET, KDIAG, WORK, IPTR, &phase, KCALC, &MU[i - 1], CID, TC,
           PC, VC, ZC, OMEGA, FLAG, MW);
  }
}

void viscosity_mixture(std::int64_t kvl, const double* T, const double* P, const double* X, const std::int64_t* N,
                       const std::int64_t* KCALC, const std::int64_t* IDX, double* WORK, std::int64_t* IPTR,
                       const std::int64_t* KDIAG, const std::int64_t* IDSET, double* MUMX, const kova_word* CID,
                       double* TC, double* PC, double* VC, double* ZC, double* OMEGA, double* FLAG,
                       const double* MW) {
  muvl01(T, P, X, N, IDX, IDSET, KDIAG, WORK, IPTR, &kvl, KCALC, MUMX, CID, TC, PC, VC, ZC, OMEGA, FLAG, MW);
}

void conductivity_each(std::int64_t kvl, const double* T, const double* P, const std::int64_t* N,
                       const std::int64_t* KCALC, const std::int64_t* IDX, const std::int64_t* KDIAG,
                       const std::int64_t* IDSET, double* K, std::int64_t* KCONV, double* ZC, const double* MW,
                       double* TC, double* PC, double* VC, double* OMEGA, double* FLAG, const kova_word* CID,
                       double* WORK, std::int64_t* IPTR) {
  static const double one_x = 1.0;
  static constexpr std::int64_t one = 1;
  for (std::int64_t i = 1; i <= *N; ++i) {
    const std::int64_t phase = kvl;
    kvl01(T, &P[i - 1], &one_x, &one, &IDX[i - 1], IDSET, KDIAG, &phase, KCALC, &K[i - 1], KCONV, ZC, MW, TC, PC,
          VC, OMEGA, FLAG, CID, WORK, IPTR);
  }
}

void conductivity_mixture(std::int64_t kvl, const double* T, const double* P, const double* X,
                          const std::int64_t* N, const std::int64_t* KCALC, const std::int64_t* IDX,
                          const std::int64_t* KDIAG, const std::int64_t* IDSET, double* KMX, std::int64_t* KCONV,
                          double* ZC, const double* MW, double* TC, double* PC, double* VC, double* OMEGA,
                          double* FLAG, const kova_word* CID, double* WORK, std::int64_t* IPTR) {
  kvl01(T, P, X, N, IDX, IDSET, KDIAG, &kvl, KCALC, KMX, KCONV, ZC, MW, TC, PC, VC, OMEGA, FLAG, CID, WORK, IPTR);
}

}  // namespace kova::trapp
