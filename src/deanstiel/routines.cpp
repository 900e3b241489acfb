#include "deanstiel/routines.h"

#include <string>

#include "deanstiel/dean_stiel.h"
#include "host/diag.h"
#include "host/trace.h"
#include "host/words.h"

namespace kova::deanstiel {

using host::CidTable;
using host::CReals;
using host::Diag;
using host::Ints;
using host::MissingReport;
using host::Reals;
using host::RoutineId;

namespace {

constexpr RoutineId kMuv007{"MUV0    07      "};
constexpr RoutineId kMuv205{"MUV2    05      "};
constexpr RoutineId kMuv205Model{"MUV2    DSPC    "};
constexpr RoutineId kMuv202{"MUV2    02      "};

// Defaults of the four parameters, written into the host's arrays when missing.
constexpr double kDefaultTc = 507.4;
constexpr double kDefaultZc = 0.26;
constexpr double kDefaultVc = 0.369445;
constexpr double kDefaultMw = 86.178;

struct Params {
  Reals tc, zc, vc, mw;
};

// Checks TC, ZC, VC, MW of every unchecked listed component, in that order, writing the
// defaults and reporting (class 1, messages 1 to 4) under the given model header.
void check_params(const Diag& diag, std::string_view header, std::int64_t n, Ints idx, Params p,
                  Reals flag, CidTable cid) {
  const double marker = host::missing_marker();
  MissingReport report(diag, header, /*zero19=*/true);
  host::for_unchecked(n, idx, flag, [&](std::int64_t, std::int64_t c) {
    const auto w1 = cid.word1(c), w2 = cid.word2(c);
    report.check(p.tc(c), marker, kDefaultTc, 1, "6X 'TC (DATA SET 1) MISSING FOR COMPONENT ' 2A4", {w1, w2});
    report.check(p.zc(c), marker, kDefaultZc, 2, "6X 'ZC (DATA SET 1) MISSING FOR COMPONENT ' 2A4", {w1, w2});
    report.check(p.vc(c), marker, kDefaultVc, 3, "6X 'VC (DATA SET 1) MISSING FOR COMPONENT ' 2A4", {w1, w2});
    report.check(p.mw(c), marker, kDefaultMw, 4, "6X 'MW (DATA SET 1) MISSING FOR COMPONENT ' 2A4", {w1, w2});
  });
}

// Pseudo-critical constants of a mixture: plain mole-fraction sums, not normalised.
struct Pseudo {
  double tc = 0.0, zc = 0.0, vc = 0.0, mw = 0.0;
};
Pseudo pseudo_critical(std::int64_t n, CReals x, Ints idx, const Params& p) {
  Pseudo m;
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::int64_t c = idx(i);
    m.tc += x(i) * p.tc(c);
    m.zc += x(i) * p.zc(c);
    m.vc += x(i) * p.vc(c);
    m.mw += x(i) * p.mw(c);
  }
  return m;
}

double xi_of(double tc, double zc, double vc, double mw) {
  return dean_stiel_xi(tc, critical_pressure(host::gas_constant(), zc, tc, vc), mw);
}

// A molar volume the correction can use: not the marker and not below the host's
// threshold (a volume equal to the threshold is accepted; NaN is refused too).
bool usable_volume(double v) { return v != host::missing_marker() && v >= host::small_threshold(); }

}  // namespace

void muv007(const double* T, const std::int64_t* N, const std::int64_t* IDX, const double* VV,
            const std::int64_t* KDIAG, double* MUVPC, double* TC, double* ZC, double* VC, double* MW,
            double* FLAG, const kova_word* CID) {
  const std::int64_t n = *N;
  const Ints idx(IDX);
  const CReals vv(VV);
  const Reals muvpc(MUVPC);
  const Params p{Reals(TC), Reals(ZC), Reals(VC), Reals(MW)};
  const CidTable cid(CID);
  const Diag diag(kMuv007, KDIAG, host::Closing::Word19);
  const std::int64_t unit = host::trace_unit();
  const bool tracing = host::trace_on(*KDIAG);

  // Written on every call whatever the level: formatted once.
  static const std::string kInLine = host::format_layout("5X 'IN MUV007'", {}).front();
  host::write_line(unit, kInLine);
  if (tracing) {
    host::trace_header(unit, kMuv007);
    host::trace(unit, "5X '           T=' G12.5", {*T});
  }

  check_params(diag, "6X 'VISCOSITY MODEL MUV0DSPC HAS MISSING PARAMETERS:' /", n, idx, p, Reals(FLAG), cid);

  for (std::int64_t i = 1; i <= n; ++i) {
    const std::int64_t c = idx(i);
    const double v = vv(i);
    if (!usable_volume(v)) {
      diag.message_if_one(2, 5,
                          "6X 'PRESSURE CORRECTION TO VAPOR MIXTURE ' 'VISCOSITY FOR COMPONENT ' 2A4 / "
                          "6X 'CANNOT BE CALCULATED DUE TO MISSING OR ZERO ' 'VOLUME. MUVPC IS SET TO ZERO'",
                          {cid.word1(c), cid.word2(c)});
      muvpc(i) = 0.0;
      continue;
    }
    const double xi = xi_of(p.tc(c), p.zc(c), p.vc(c), p.mw(c));
    if (!usable_xi(xi)) {
      diag.message_if_one(2, 6,
                          "6X 'PRESSURE CORRECTION TO VAPOR MIXTURE VISCOSITY FOR COMPONENT ' 2A4 / "
                          "6X 'CANNOT BE CALCULATED FROM ZERO OR NEGATIVE CRITICAL CONSTANTS' / "
                          "6X 'OR MOLECULAR WEIGHT. MUVPC IS SET TO ZERO'",
                          {cid.word1(c), cid.word2(c)});
      muvpc(i) = 0.0;
      continue;
    }
    muvpc(i) = dean_stiel_excess(p.vc(c) / v, xi);
  }

  if (tracing) {
    for (std::int64_t i = 1; i <= n; ++i) {
      host::trace(unit, "2X '     VV(' I4 ')=' G12.5 '  MUVPC(' I4 ')=' G12.5 '    IDX(' I4 ')=' I4",
                  {i, vv(i), i, muvpc(i), i, idx(i)});
    }
  }
}

void muv205(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX,
            const double* VVMX, const std::int64_t* KDIAG, double* MUVXPC, double* TC, double* ZC,
            double* VC, double* MW, double* FLAG, const kova_word* CID) {
  const std::int64_t n = *N;
  const Ints idx(IDX);
  const CReals x(X);
  const Params p{Reals(TC), Reals(ZC), Reals(VC), Reals(MW)};
  const Diag diag(kMuv205, KDIAG, host::Closing::Word19);
  const std::int64_t unit = host::trace_unit();
  const bool tracing = host::trace_on(*KDIAG);

  if (tracing) {
    host::trace_header(unit, kMuv205, kMuv205Model);
    for (std::int64_t i = 1; i <= n; ++i)
      host::trace(unit, "2X '      X(' I4 ')=' G12.5 '    IDX(' I4 ')=' I4", {i, x(i), i, idx(i)});
    host::trace(unit, "5X '         T=' G12.5 '         VVMX=' G12.5", {*T, *VVMX});
  }

  check_params(diag, "6X 'VISCOSITY MODEL MUV2DSPC HAS MISSING PARAMETERS:' /", n, idx, p, Reals(FLAG),
               CidTable(CID));

  const Pseudo m = pseudo_critical(n, x, idx, p);
  const double v = *VVMX;
  const double xi = xi_of(m.tc, m.zc, m.vc, m.mw);
  if (!usable_volume(v)) {
    diag.message_if_one(2, 5,
                        "6X 'PRESSURE CORRECTION TO VAPOR MIXTURE ' 'VISCOSITY CANNOT BE CALCULATED DUE  ' / "
                        "6X 'TO MISSING OR ZERO MOLAR VOLUME. MUVXPC ' 'IS SET TO ZERO.'",
                        {});
    *MUVXPC = 0.0;
  } else if (!usable_xi(xi)) {
    diag.message_if_one(2, 6,
                        "6X 'PRESSURE CORRECTION TO VAPOR MIXTURE VISCOSITY CANNOT BE' / "
                        "6X 'CALCULATED FROM ZERO OR NEGATIVE PSEUDO-CRITICAL CONSTANTS' / "
                        "6X 'OR MOLECULAR WEIGHT. MUVXPC IS SET TO ZERO.'",
                        {});
    *MUVXPC = 0.0;
  } else {
    *MUVXPC = dean_stiel_excess(m.vc / v, xi);
  }

  if (tracing) host::trace(unit, "5X '    MUVXPC=' G12.5", {*MUVXPC});
}

void muv202(const double*, const double* X, const std::int64_t* N, const std::int64_t* IDX,
            const double* RHOMX, const double* MUVMXLP, const std::int64_t* KDIAG, double* MUVMX,
            double* TC, double* ZC, double* VC, double* MW, double* FLAG, const kova_word* CID) {
  const std::int64_t n = *N;
  const Ints idx(IDX);
  const Params p{Reals(TC), Reals(ZC), Reals(VC), Reals(MW)};
  const Diag diag(kMuv202, KDIAG, host::Closing::Word19);

  check_params(diag, "6X 'VISCOSITY MODEL MUV2DNST HAS MISSING PARAMETERS:' /", n, idx, p, Reals(FLAG),
               CidTable(CID));

  const Pseudo m = pseudo_critical(n, CReals(X), idx, p);
  const double xi = xi_of(m.tc, m.zc, m.vc, m.mw);
  if (!usable_xi(xi)) {
    // No residual can be formed (an empty list, zero mole-fraction sums, zero or negative
    // critical constants): the mixture keeps its low-pressure viscosity.
    const host::MessageLock lock;
    host::zero_word19();
    diag.message(2, 5,
                 "6X 'DENSE-GAS RESIDUAL OF VAPOR MIXTURE VISCOSITY CANNOT BE' / "
                 "6X 'CALCULATED FROM ZERO OR NEGATIVE PSEUDO-CRITICAL CONSTANTS' / "
                 "6X 'OR MOLECULAR WEIGHT. MUVMX IS SET TO MUVMXLP.'",
                 {});
    host::zero_word19();
    *MUVMX = *MUVMXLP;
    return;
  }
  *MUVMX = *MUVMXLP + dean_stiel_excess(*RHOMX * m.vc, xi);
}

}  // namespace kova::deanstiel
