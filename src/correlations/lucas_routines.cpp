// KOVA_MUV005 and KOVA_MUV204: Lucas vapour viscosity of pure components and mixtures.
#include <cmath>
#include <optional>

#include "correlations/guards.h"
#include "correlations/lucas.h"
#include "correlations/routines.h"
#include "host/diag.h"
#include "host/property.h"
#include "host/words.h"
#include "kova/host.h"

namespace kova::correlations {

using host::CformTable;
using host::CidTable;
using host::CReals;
using host::Diag;
using host::Ints;
using host::MissingReport;
using host::Reals;
using host::RoutineId;

namespace {

constexpr RoutineId kMuv005{"MUV0    05      "};
constexpr RoutineId kMuv204{"MUV2    04      "};

constexpr double kDefaultTc = 507.4;
constexpr double kDefaultZc = 0.26;
constexpr double kDefaultPc = 3010000.0;
constexpr double kDefaultMup = 0.0;
constexpr double kDefaultMw = 86.0;

// Below this pressure (Pa), above the critical temperature, the low-pressure form holds.
constexpr double kLowPressure = 100000.0;
// The method works in micropoise.
constexpr double kMicropoise = 1e-07;

struct Params {
  Reals tc, pc, zc, mw, mup;
  CReals mur;
};

// TC, ZC, PC, MUP, MW of one component, not-below test, defaults written back.
void check_component(MissingReport& report, std::int64_t c, const Params& p, std::int64_t idset, CidTable cid) {
  const double marker = host::missing_marker();
  const auto w1 = cid.word1(c), w2 = cid.word2(c);
  report.check_not_below(p.tc(c), marker, kDefaultTc, 1, 1, "6X 'TC (DATA SET ' I3 ') MISSING FOR COMPONENT ' 2A4",
                         {idset, w1, w2});
  report.check_not_below(p.zc(c), marker, kDefaultZc, 1, 2, "6X 'ZC (DATA SET ' I3 ') MISSING FOR COMPONENT ' 2A4",
                         {idset, w1, w2});
  report.check_not_below(p.pc(c), marker, kDefaultPc, 1, 3, "6X 'PC (DATA SET ' I3 ') MISSING FOR COMPONENT ' 2A4",
                         {idset, w1, w2});
  report.check_not_below(p.mup(c), marker, kDefaultMup, 3, 6,
                         "6X 'MUP (DATA SET ' I3 ') MISSING FOR COMPONENT ' 2A4", {idset, w1, w2});
  report.check_not_below(p.mw(c), marker, kDefaultMw, 1, 5, "6X 'MW (DATA SET ' I3 ') MISSING FOR COMPONENT ' 2A4",
                         {idset, w1, w2});
}

// Low-pressure factors of one component at reduced temperature tr.
struct LowPressureFactors {
  double fp0 = 1.0, fq0 = 1.0;
  bool quantum = false;
};
LowPressureFactors factors(const Params& p, CformTable cform, std::int64_t c, double tr, bool mixture) {
  LowPressureFactors f;
  f.fp0 = lucas_polarity_factor(p.mur(c), p.zc(c), tr, mixture);
  const double cq = lucas_quantum_coefficient(cform.word(c, 1).data());
  if (cq > 0.0) {
    f.quantum = true;
    f.fq0 = lucas_quantum_factor(cq, tr, p.mw(c));
  }
  return f;
}

// The dense-gas result from Z1 and the ratio Y, with the high-pressure factors.
double dense_viscosity(double z1, double y, const LowPressureFactors& f, double xi) {
  const double fp = lucas_fp(f.fp0, y);
  const double fq = f.quantum ? lucas_fq(f.fq0, y) : 1.0;
  return z1 * y * fp * fq / xi * kMicropoise;
}

// Component c's check, once, for a routine that checks each entry as it reaches it: out of
// line, so that the calculation loop keeps its values in registers.
[[gnu::noinline, gnu::cold]] void check_entry(MissingReport& report, Reals flag, std::int64_t c, const Params& p,
                                              std::int64_t idset, CidTable cid) {
  host::check_once(flag, c, [&] { check_component(report, c, p, idset, cid); });
}

// ln Psat of component k from the host, limited to -170..80 (upper limit first).
// Empty when the host lacks the routine or gives no usable number (reported).
std::optional<double> host_ln_vapour_pressure(const Diag& diag, const double* T, std::int64_t k, const std::int64_t* KDIAG,
                               const std::int64_t* IDSET, const kova_word* CID, const HostPassThrough& h) {
  static const std::int64_t one = 1;
  if (!host::provides(diag, reinterpret_cast<const void*>(&LUMENA_PL001D), "LUMENA_PL001D")) return std::nullopt;
  std::int64_t list = k;
  double ln = std::nan(""), unused = 0.0;  // a logarithm left unwritten is not a number
  const auto& a = h.pla;
  LUMENA_PL001D(T, &one, &list, &one, KDIAG, IDSET, a[2], a[3], a[4], a[0], a[1], a[7], a[8], a[9], a[10], a[5], a[6],
                a[11], CID, &ln, &unused, a[12], a[13]);
  // Not a number, an infinity or the missing-value marker is no vapour pressure; a finite
  // logarithm beyond the limits is held at them.
  if (host::sane_state(*T, 1.0) && !host::usable(diag, "LUMENA_PL001D", ln, host::kAnyNumber)) return std::nullopt;
  if (ln > 80.0) ln = 80.0;
  if (ln < -170.0) ln = -170.0;
  return ln;
}

}  // namespace

void muv005(const double* T, const double* PRES, const std::int64_t* N, const std::int64_t* IDX,
            const std::int64_t* KDIAG, const std::int64_t* IDSET, const std::int64_t* KCALC, double* MUV, double* TC,
            double* PC, double* ZC, double* MW, double* MUP, const double* MUR, const kova_word* CFORM, double* FLAG,
            const kova_word* CID, const HostPassThrough& pla) {
  if (*KCALC <= 0 || *N < 1) return;
  const std::int64_t n = *N;
  const Ints idx(IDX);
  const CReals pres(PRES);
  const Reals muv(MUV), flag(FLAG);
  const Params p{Reals(TC), Reals(PC), Reals(ZC), Reals(MW), Reals(MUP), CReals(MUR)};
  const CidTable cid(CID);
  const CformTable cform(CFORM);
  const Diag diag(kMuv005, KDIAG);
  MissingReport report(diag, "6X 'LUCAS VAPOR VISCOSITY MODEL MUV0LUC HAS MISSING ' 'PARAMETERS:' /",
                       /*zero19=*/false);

  for (std::int64_t i = 1; i <= n; ++i) {
    const std::int64_t c = idx(i);
    // Each entry's parameters are tested just before it is calculated.
    if (!host::checked(flag, c)) [[unlikely]] check_entry(report, flag, c, p, *IDSET, cid);
    const double tc = p.tc(c), pc = p.pc(c), mw = p.mw(c), pi = pres(i);
    const double tr = *T / tc;
    double result = std::nan("");
    if (positive(tc) && positive(pc) && positive(mw) && positive(tr)) {
      double pr = pi / pc;
      const double xi = lucas_xi(tc, pc * 1e-05, mw);
      const LowPressureFactors f = factors(p, cform, c, tr, false);
      const double z1 = lucas_z1(tr) * f.fp0 * f.fq0;
      if (tr > 1.0 && pi <= kLowPressure) {
        result = z1 / xi * kMicropoise;
      } else {
        double y;
        if (tr <= 1.0) {
          // Below the critical temperature the vapour exists up to its vapour pressure.
          const std::optional<double> ln_pvap = host_ln_vapour_pressure(diag, T, c, KDIAG, IDSET, CID, pla);
          if (!ln_pvap) {  // the host failed, reported: no result for this entry
            muv(i) = 0.0;
            continue;
          }
          const double pvap = std::exp(*ln_pvap);
          if (pvap <= pi) {
            pr = pvap / pc;
            diag.range_warning(8,
                               "6X 'LUCAS MODEL MUV0LUC:  SYSTEM PRESSURE EXCEEDS ' 'VAPOR PRESSURE ' / "
                               "6X 'AT T = ' F8.2 ' K FOR COMPONENT ' 2A4 / "
                               "6X 'VISCOSITY CALCULATED AT P = PVAP = ' G15.5",
                               {*T, cid.word1(c), cid.word2(c), pvap});
          }
          y = lucas_z2_subcritical(tr, pr) / z1;
        } else {
          y = lucas_y_supercritical(tr, pr);
        }
        result = dense_viscosity(z1, y, f, xi);
      }
    }
    if (!std::isfinite(result)) {
      // Zero or negative critical constants or molecular weight, or a temperature or
      // pressure that the method cannot take.
      diag.message(2, 9,
                   "6X 'LUCAS VAPOR VISCOSITY MODEL MUV0LUC: NO RESULT FOR COMPONENT ' 2A4 / "
                   "6X 'ZERO OR NEGATIVE TC, PC OR MW, OR NO VALID TEMPERATURE OR PRESSURE.' / "
                   "6X 'MUV IS SET TO ZERO.'",
                   {cid.word1(c), cid.word2(c)});
      result = 0.0;
    }
    muv(i) = result;
  }
}

void muv204(const double* T, const double* P, const double* X, const std::int64_t* N, const std::int64_t* IDX,
            const std::int64_t* KDIAG, const std::int64_t* IDSET, const std::int64_t* KCALC, double* MUVMX,
            double* TC, double* PC, double* ZC, double* MW, double* MUP, const double* MUR, const kova_word* CFORM,
            double* FLAG, const kova_word* CID) {
  if (*KCALC <= 0) return;
  const std::int64_t n = *N;
  const Ints idx(IDX);
  const CReals x(X);
  const Params p{Reals(TC), Reals(PC), Reals(ZC), Reals(MW), Reals(MUP), CReals(MUR)};
  const CidTable cid(CID);
  const CformTable cform(CFORM);
  const Diag diag(kMuv204, KDIAG);
  MissingReport report(diag, "6X 'VAPOR VISCOSITY MODEL MUV2LUC HAS MISSING ' 'PARAMETERS:' /", /*zero19=*/false);
  host::for_unchecked(n, idx, Reals(FLAG),
                      [&](std::int64_t, std::int64_t c) { check_component(report, c, p, *IDSET, cid); });
  if (n < 1) {
    *MUVMX = 0.0;  // an empty mixture
    return;
  }

  // Pseudo-critical constants and mole-fraction averages of the low-pressure factors.
  double tcm = 0.0, zcm = 0.0, s = 0.0, mm = 0.0;
  LowPressureFactors fm{0.0, 0.0, false};
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::int64_t c = idx(i);
    const LowPressureFactors f = factors(p, cform, c, *T / p.tc(c), true);
    tcm += x(i) * p.tc(c);
    zcm += x(i) * p.zc(c);
    s += x(i) * p.tc(c) * p.zc(c) * 100000.0 / p.pc(c);
    mm += x(i) * p.mw(c);
    fm.fp0 += x(i) * f.fp0;
    fm.fq0 += x(i) * f.fq0;
    fm.quantum = fm.quantum || f.quantum;
  }
  const double pcm = zcm * tcm / s;  // bar
  if (fm.quantum) {
    // Heaviest and lightest of the list; the heaviest's fraction from its last position.
    double mh = p.mw(idx(1)), ml = p.mw(idx(1));
    for (std::int64_t i = 2; i <= n; ++i) {
      mh = std::fmax(mh, p.mw(idx(i)));
      ml = std::fmin(ml, p.mw(idx(i)));
    }
    std::int64_t h = 1;
    for (std::int64_t i = 1; i <= n; ++i)
      if (p.mw(idx(i)) == mh) h = i;
    fm.fq0 *= lucas_mixture_quantum_a(mh, ml, x(h));
  }

  double result = std::nan("");
  const double tr = *T / tcm;
  if (positive(tcm) && positive(pcm) && positive(mm) && positive(tr)) {
    const double xi = lucas_xi(tcm, pcm, mm);
    double pr = *P * 1e-05 / pcm;
    const double z1 = lucas_z1(tr) * fm.fp0 * fm.fq0;
    if (tr > 1.0 && *P <= kLowPressure) {
      result = z1 / xi * kMicropoise;
    } else {
      double y;
      if (tr <= 1.0) {
        if (pr > 1.0) {
          pr = 1.0;
          diag.range_warning(8,
                             "6X 'MODEL MUV2LUC:  SYSTEM PRESSURE EXCEEDS MIXTURE ' 'CRITICAL PRESSURE.' / "
                             "6X 'VISCOSITY CALCULATED AT PR = 1.0'",
                             {});
        }
        y = lucas_z2_subcritical(tr, pr) / z1;
      } else {
        y = lucas_y_supercritical(tr, pr);
      }
      result = dense_viscosity(z1, y, fm, xi);
    }
  }
  if (!std::isfinite(result)) {
    diag.message(2, 9,
                 "6X 'VAPOR VISCOSITY MODEL MUV2LUC: NO RESULT FOR THE MIXTURE FROM' / "
                 "6X 'ZERO OR NEGATIVE CRITICAL CONSTANTS OR MW, OR NO VALID STATE.' / "
                 "6X 'MUVMX IS SET TO ZERO.'",
                 {});
    result = 0.0;
  }
  *MUVMX = result;
}

}  // namespace kova::correlations
