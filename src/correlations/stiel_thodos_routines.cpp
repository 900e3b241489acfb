// KOVA_KV003, KOVA_KV006, KOVA_KV202, KOVA_KV204: Stiel-Thodos dense-gas thermal
// conductivity of pure vapours and vapour mixtures.
#include <cmath>
#include <string>

#include "correlations/guards.h"
#include "correlations/routines.h"
#include "correlations/stiel_thodos.h"
#include "host/diag.h"
#include "host/trace.h"
#include "host/words.h"

namespace kova::correlations {

using host::CidTable;
using host::CReals;
using host::Diag;
using host::Ints;
using host::MissingReport;
using host::Reals;
using host::RoutineId;

namespace {

constexpr RoutineId kKv003{"KV00    3       "};
constexpr RoutineId kKv006{"KV00    6       "};
constexpr RoutineId kKv202{"KV20    2       "};
constexpr RoutineId kKv204{"KV20    4       "};

// Status of KOVA_KV202, kept from one call to the next (by each calling thread) and shown
// only in its trace: 0 once a reduced density reaches 2.8, -1 once the density warning has
// been printed.
thread_local std::int64_t kv202_status = 0;

constexpr double kDefaultTc = 507.4;
constexpr double kDefaultZc = 0.26;
constexpr double kDefaultVc = 0.369445;
constexpr double kDefaultMw = 86.178;

struct Params {
  Reals tc, zc, vc, mw;
};

// TC, ZC, VC, MW of one component with one of them missing: in that order, defaults written
// back (class 1, messages 1 to 4). Kept out of line, off the common path.
[[gnu::noinline, gnu::cold]] void default_component(MissingReport& report, std::int64_t c, const Params& p,
                                                    CidTable cid) {
  const double marker = host::missing_marker();
  const auto w1 = cid.word1(c), w2 = cid.word2(c);
  report.check(p.tc(c), marker, kDefaultTc, 1, "6X 'TC (DATA SET 1) MISSING FOR COMPONENT ' 2A4", {w1, w2});
  report.check(p.zc(c), marker, kDefaultZc, 2, "6X 'ZC (DATA SET 1) MISSING FOR COMPONENT ' 2A4", {w1, w2});
  report.check(p.vc(c), marker, kDefaultVc, 3, "6X 'VC (DATA SET 1) MISSING FOR COMPONENT ' 2A4", {w1, w2});
  report.check(p.mw(c), marker, kDefaultMw, 4, "6X 'MW (DATA SET 1) MISSING FOR COMPONENT ' 2A4", {w1, w2});
}

// TC, ZC, VC, MW of one component, with defaults written back where missing. The common
// case, nothing missing, reads no identifier words. Without check flags (KOVA_KV202) another
// thread may be writing a default: the words are read atomically.
inline void check_component(MissingReport& report, std::int64_t c, const Params& p, CidTable cid) {
  const double marker = host::missing_marker();
  if (!host::missing_equal(host::shared_load(p.tc(c)), marker) &&
      !host::missing_equal(host::shared_load(p.zc(c)), marker) &&
      !host::missing_equal(host::shared_load(p.vc(c)), marker) &&
      !host::missing_equal(host::shared_load(p.mw(c)), marker)) [[likely]]
    return;
  default_component(report, c, p, cid);
}

// The critical pressure of a pure component: PC as the host gives it; where it holds the
// missing-value marker, the value R TC ZC / VC that the mixture rules use, so that an
// absent PC does not enter the correlation as a number near 1e35.
double critical_pressure(const CReals& pc, const Params& p, std::int64_t c) {
  if (!host::missing_equal(pc(c), host::missing_marker())) return pc(c);
  return p.tc(c) * host::gas_constant() * p.zc(c) / p.vc(c);
}

// The pure-component check: the four parameters, then PC, which has no default in the
// host's array and is only reported (class 1, message 7).
void check_pure(const Diag& diag, std::string_view header, std::int64_t n, Ints idx, const Params& p,
                const CReals& pc, Reals flag, CidTable cid) {
  MissingReport report(diag, header, /*zero19=*/true);
  host::for_unchecked(n, idx, flag, [&](std::int64_t, std::int64_t c) {
    check_component(report, c, p, cid);
    if (host::missing_equal(pc(c), host::missing_marker()))
      report.report(7, "6X 'PC (DATA SET 1) MISSING FOR COMPONENT ' 2A4 '; R*TC*ZC/VC USED'",
                    {cid.word1(c), cid.word2(c)});
  });
}

// The residual at reduced density rho_r, with the density-limit handling: from 2.8 on (or
// for a reduced density that is not a number) the status, when there is one, is set to 0,
// and under the word-56 rule the three-line warning naming component c is printed and the
// status set to -1.
double residual_with_limit(const Diag& diag, std::string_view model, double rho_r, double tc, double pc,
                           double zc, double mw, std::int64_t c, CidTable cid, std::int64_t* status) {
  bool extrapolated = false;
  const double f = stiel_thodos_f(rho_r, &extrapolated);
  if (extrapolated) {
    if (status != nullptr) *status = 0;
    const std::string layout = "6X 'VAPOR THERMAL CONDUCTIVITY MODEL " + std::string(model) +
                               " UPPER' 'REDUCED DENSITY LIMIT' / ' (=2.8) VIOLATED FOR COMPONENT ' A1 2A4 A1 / "
                               "6X 'RHOR=' F7.2 '; LINEAR EXTRAPOLATION PERFORMED.'";
    const auto delim = host::delimiter();
    if (diag.range_warning(5, layout, {delim, cid.word1(c), cid.word2(c), delim, rho_r}) && status != nullptr)
      *status = -1;
  }
  return stiel_thodos_residual(f, tc, pc, zc, mw);
}

bool usable_constants(double tc, double pc, double zc, double mw) {
  return positive(tc) && positive(pc) && positive(zc) && positive(mw);
}

// Pure routines: the residual of entry i, or 0 with a message (class 2, number 8) when the
// component's constants cannot give one.
double pure_residual(const Diag& diag, std::string_view model, std::int64_t c, double vv, const Params& p,
                     const CReals& pc, CidTable cid, std::int64_t* status) {
  const double pcc = critical_pressure(pc, p, c);
  if (!usable_constants(p.tc(c), pcc, p.zc(c), p.mw(c))) {
    const std::string layout = "6X 'THERMAL CONDUCTIVITY MODEL " + std::string(model) +
                               ": NO DENSE-GAS RESIDUAL FOR ' 2A4 / "
                               "6X 'ZERO OR NEGATIVE TC, PC, ZC, VC OR MW. THE RESIDUAL IS SET TO ZERO.'";
    Diag(diag.id(), diag.kdiag()).message(2, 8, layout, {cid.word1(c), cid.word2(c)});
    return 0.0;
  }
  return residual_with_limit(diag, "KV0STLTH", p.vc(c) / vv, p.tc(c), pcc, p.zc(c), p.mw(c), c, cid, status);
}

// Pseudo-critical constants of a mixture: mole-fraction sums, and Pc = R Tc Zc / Vc.
struct Pseudo {
  double tc = 0.0, mw = 0.0, vc = 0.0, zc = 0.0, pc = 0.0;
};
Pseudo pseudo_critical(std::int64_t n, CReals x, Ints idx, const Params& p) {
  Pseudo m;
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::int64_t c = idx(i);
    m.tc += x(i) * p.tc(c);
    m.mw += x(i) * p.mw(c);
    m.vc += x(i) * p.vc(c);
    m.zc += x(i) * p.zc(c);
  }
  m.pc = m.tc * host::gas_constant() * m.zc / m.vc;
  return m;
}

// Mixture residual at reduced density rho_r, or 0 with a message (class 2, number 8) when
// the pseudo-critical constants cannot give one (an empty list, zero mole fractions, zero
// or negative constants).
double mixture_residual(const Diag& diag, double rho_r, const Pseudo& m, std::int64_t n, Ints idx, CidTable cid,
                        std::int64_t* status) {
  if (n < 1 || !usable_constants(m.tc, m.pc, m.zc, m.mw)) {
    Diag(diag.id(), diag.kdiag())
        .message(2, 8,
                 "6X 'THERMAL CONDUCTIVITY MODEL KV2STLTH: NO DENSE-GAS RESIDUAL' / "
                 "6X 'FOR THE MIXTURE FROM ZERO OR NEGATIVE PSEUDO-CRITICAL CONSTANTS' / "
                 "6X 'OR MOLECULAR WEIGHT. THE RESIDUAL IS SET TO ZERO.'",
                 {});
    return 0.0;
  }
  return residual_with_limit(diag, "KV2STLTH", rho_r, m.tc, m.pc, m.zc, m.mw, idx(n), cid, status);
}

void trace_mixture_inputs(std::int64_t unit, const RoutineId& id, std::int64_t n, CReals x, Ints idx,
                          double vvmx) {
  host::trace_header(unit, id);
  for (std::int64_t i = 1; i <= n; ++i)
    host::trace(unit, "5X '   X(' I5 ')=' G13.5 ' IDX(' I5 ')=' I5", {i, x(i), i, idx(i)});
  host::trace(unit, "5X '       VVMX=' G13.5", {vvmx});
}

constexpr std::string_view kMixHeader = "6X 'THERMAL CONDUCTIVITY MODEL KV2STLTH HAS MISSING ' 'PARAMETERS:' /";

}  // namespace

void kv003(const std::int64_t* N, const std::int64_t* IDX, const double* VV, const std::int64_t* KDIAG,
           double* TC, double* MW, double* VC, const double* PC, double* ZC, double* FLAG, const kova_word* CID,
           double* KV, std::int64_t* KER) {
  const std::int64_t n = *N;
  const Ints idx(IDX);
  const CReals vv(VV), pc(PC);
  const Reals kv(KV);
  const Params p{Reals(TC), Reals(ZC), Reals(VC), Reals(MW)};
  const CidTable cid(CID);
  const Diag diag(kKv003, KDIAG, host::Closing::Word19);
  const std::int64_t unit = host::trace_unit();
  // This routine's trace follows the host's global trace level, not KDIAG.
  const bool tracing = host::trace_on(host::int_word(ZEL_GLOBAL, 10));

  if (tracing) host::trace_header(unit, kKv003);
  check_pure(diag, "6X 'THERMAL CONDUCTIVITY MODEL KV0STLTH HAS MISSING ' 'PARAMETERS:' /", n, idx, p, pc,
             Reals(FLAG), cid);
  for (std::int64_t i = 1; i <= n; ++i) kv(i) += pure_residual(diag, "KV0STLTH", idx(i), vv(i), p, pc, cid, KER);
  if (tracing) {
    for (std::int64_t i = 1; i <= n; ++i)
      host::trace(unit, "2X '     VV(' I4 ')=' G12.5 '     KV(' I4 ')=' G12.5 '    IDX(' I4 ')=' I4",
                  {i, vv(i), i, kv(i), i, idx(i)});
  }
}

void kv006(const std::int64_t* N, const std::int64_t* IDX, const double* VV, const std::int64_t* KDIAG,
           double* KVPC, double* TC, double* MW, double* VC, const double* PC, double* ZC, double* FLAG,
           const kova_word* CID) {
  const std::int64_t n = *N;
  const Ints idx(IDX);
  const CReals vv(VV), pc(PC);
  const Reals kvpc(KVPC);
  const Params p{Reals(TC), Reals(ZC), Reals(VC), Reals(MW)};
  const CidTable cid(CID);
  const Diag diag(kKv006, KDIAG, host::Closing::Word19);
  const std::int64_t unit = host::trace_unit();
  const bool tracing = host::trace_on(*KDIAG);

  if (tracing) host::trace_header(unit, kKv006);
  check_pure(diag, "6X 'THERMAL CONDUCTIVITY MODEL KV0STPC HAS MISSING ' 'PARAMETERS:' /", n, idx, p, pc,
             Reals(FLAG), cid);
  for (std::int64_t i = 1; i <= n; ++i) kvpc(i) = pure_residual(diag, "KV0STPC", idx(i), vv(i), p, pc, cid, nullptr);
  if (tracing) {
    for (std::int64_t i = 1; i <= n; ++i)
      host::trace(unit, "5X ' IDX(' I5 ')=' I5 '  VV(' I5 ')=' G13.5 '  KVPC(' I5 ')=' G13.5",
                  {i, idx(i), i, vv(i), i, kvpc(i)});
  }
}

void kv202(const double* X, const std::int64_t* N, const std::int64_t* IDX, const double* RHOMX,
           const double* KVMXLP, const std::int64_t* KDIAG, double* KVMX, double* TC, double* MW, double* VC,
           double* ZC, const kova_word* CID) {
  const std::int64_t n = *N;
  const Ints idx(IDX);
  const CReals x(X);
  const Params p{Reals(TC), Reals(ZC), Reals(VC), Reals(MW)};
  const CidTable cid(CID);
  const Diag diag(kKv202, KDIAG, host::Closing::Word19);
  const std::int64_t unit = host::trace_unit();
  const bool tracing = host::trace_on(*KDIAG);

  if (tracing) trace_mixture_inputs(unit, kKv202, n, x, idx, 1.0 / *RHOMX);
  // No check flags: every listed component is checked in every call.
  MissingReport report(diag, kMixHeader, /*zero19=*/true);
  for (std::int64_t i = 1; i <= n; ++i) check_component(report, idx(i), p, cid);

  const Pseudo m = pseudo_critical(n, x, idx, p);
  // The status of this call, stored when the density test set it.
  constexpr std::int64_t kUnchanged = 1;
  std::int64_t status = kUnchanged;
  const double residual = mixture_residual(diag, *RHOMX * m.vc, m, n, idx, cid, &status);
  if (status != kUnchanged) kv202_status = status;
  *KVMX = *KVMXLP + residual;
  if (tracing) host::trace(unit, "5X '     KVMXPC=' G13.5 '        KER=' I5", {residual, kv202_status});
}

void kv204(const double* X, const std::int64_t* N, const std::int64_t* IDX, const double* VVMX,
           const std::int64_t* KDIAG, double* KVMXPC, double* TC, double* MW, double* VC, double* ZC, double* FLAG,
           const kova_word* CID) {
  const std::int64_t n = *N;
  const Ints idx(IDX);
  const CReals x(X);
  const Params p{Reals(TC), Reals(ZC), Reals(VC), Reals(MW)};
  const CidTable cid(CID);
  const Diag diag(kKv204, KDIAG, host::Closing::Word19);
  const std::int64_t unit = host::trace_unit();
  const bool tracing = host::trace_on(*KDIAG);
  std::int64_t status = 0;

  if (tracing) trace_mixture_inputs(unit, kKv204, n, x, idx, *VVMX);
  MissingReport report(diag, kMixHeader, /*zero19=*/true);
  host::for_unchecked(n, idx, Reals(FLAG), [&](std::int64_t, std::int64_t c) { check_component(report, c, p, cid); });

  const double v = *VVMX;
  // The marker, a volume below the host's small threshold, or one that is not a number.
  if (v == host::missing_marker() || !(v >= host::small_threshold())) {
    diag.message_if_one(2, 6,
                        "6X 'PRESSURE CORRECTION TO VAPOR MIXTURE ' 'THERMAL CONDUCTIVITY CAN NOT BE      ' / "
                        "6X 'CALCULATED DUE TO MISSING OR ZERO MOL' 'AR VOLUME. KVMXPC IS SET TO ZERO.    '",
                        {});
    *KVMXPC = 0.0;
  } else {
    const Pseudo m = pseudo_critical(n, x, idx, p);
    *KVMXPC = mixture_residual(diag, m.vc / v, m, n, idx, cid, &status);
  }
  if (tracing) host::trace(unit, "5X '     KVMXPC=' G13.5 '        KER=' I5", {*KVMXPC, status});
}

}  // namespace kova::correlations
