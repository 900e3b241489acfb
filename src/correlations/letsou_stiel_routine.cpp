// KOVA_MUL005: Letsou-Stiel liquid viscosity of each listed component.
#include <cmath>

#include "correlations/guards.h"
#include "correlations/letsou_stiel.h"
#include "correlations/routines.h"
#include "host/diag.h"
#include "host/trace.h"
#include "host/words.h"

namespace kova::correlations {

using host::CidTable;
using host::Diag;
using host::Ints;
using host::MissingReport;
using host::Reals;
using host::RoutineId;

namespace {

constexpr RoutineId kMul005{"MUL0    05      "};

// Status of the reduced-temperature band, kept from one call to the next (by each calling
// thread) and shown only in
// the trace: 0 once a reduced temperature falls outside 0.76..0.98, -1 once the matching
// warning has been printed, otherwise as it was.
thread_local std::int64_t band_status = 0;

constexpr double kDefaultTc = 507.4;
constexpr double kDefaultPc = 2968820.0;
constexpr double kDefaultMw = 86.178;
constexpr double kDefaultOmega = 0.296;

constexpr double kTrLow = 0.76;
constexpr double kTrHigh = 0.98;

// Limits the reduced temperature to the correlation's band as the model does: above one it
// is set to 1.0, from 0.98 up to one to 0.98; below 0.76 it is kept. Warns (word-56 rule)
// and sets status to the new band status.
double band(const Diag& diag, double tr, std::int64_t& status) {
  std::int64_t num = 0;
  std::string_view layout;
  if (tr > 1.0) {
    num = 5;
    tr = 1.0;
    layout = "6X 'REDUCED TEMP GREATER THAN ONE; CORRELATION SHOULD ' 'NOT BE USED' / "
             "6X 'CALCULATIONS PROCEED WITH REDUCED TEMP EQUAL TO 1D0'";
  } else if (tr > kTrHigh) {
    num = 6;
    tr = kTrHigh;
    layout = "6X 'REDUCED TEMP EXCEEDS CORRELATION UPPER LIMIT BUT IS ' 'LESS THAN ONE' / "
             "6X 'CALCULATIONS PROCEED WITH REDUCED TEMP EQUAL TO .98'";
  } else if (tr < kTrLow) {
    num = 7;
    layout = "6X 'REDUCED TEMP BELOW CORRELATION LOWER LIMIT OF .76' / "
             "6X 'CALCULATIONS PROCEED WITH GIVEN TEMP'";
  } else {
    return tr;
  }
  status = diag.range_warning(num, layout, {}) ? -1 : 0;
  return tr;
}

}  // namespace

void mul005(const double* T, const std::int64_t* N, const std::int64_t* IDX, const std::int64_t* KDIAG,
            double* MUL, double* TC, double* PC, double* MW, double* OMEGA, double* FLAG, const kova_word* CID) {
  const std::int64_t n = *N;
  const Ints idx(IDX);
  const Reals mul(MUL), tc(TC), pc(PC), mw(MW), omega(OMEGA);
  const CidTable cid(CID);
  const Diag diag(kMul005, KDIAG, host::Closing::Word19);
  const Diag plain(kMul005, KDIAG);
  const std::int64_t unit = host::trace_unit();
  const bool tracing = host::trace_on(*KDIAG);

  if (tracing) {
    host::trace_header(unit, kMul005);
    for (std::int64_t i = 1; i <= n; ++i) host::trace(unit, "5X ' IDX(' I5 ')=' I5", {i, idx(i)});
    host::trace(unit, "5X '          T=' G13.5", {*T});
  }

  // The band status of this call, stored when a reduced temperature fell outside the band
  // (the common path does not touch the thread's stored status).
  constexpr std::int64_t kUnchanged = 1;
  std::int64_t status = kUnchanged;

  const double marker = host::missing_marker();
  MissingReport report(diag, "6X 'VISCOSITY MODEL MUL0LEST HAS MISSING PARAMETERS:' /", /*zero19=*/true);
  host::for_unchecked(n, idx, Reals(FLAG), [&](std::int64_t, std::int64_t c) {
    const auto w1 = cid.word1(c), w2 = cid.word2(c);
    report.check(tc(c), marker, kDefaultTc, 1, "6X 'TC (DATA SET 1) MISSING FOR COMPONENT ' 2A4", {w1, w2});
    report.check(pc(c), marker, kDefaultPc, 2, "6X 'PC (DATA SET 1) MISSING FOR COMPONENT ' 2A4", {w1, w2});
    report.check(mw(c), marker, kDefaultMw, 3, "6X 'MW (DATA SET 1) MISSING FOR COMPONENT ' 2A4", {w1, w2});
    report.check(omega(c), marker, kDefaultOmega, 4, "6X 'OMEGA (DATA SET 1) MISSING FOR COMPONENT ' 2A4",
                 {w1, w2});
  });

  for (std::int64_t i = 1; i <= n; ++i) {
    const std::int64_t c = idx(i);
    const double tr = *T / tc(c);
    if (!positive(tc(c)) || !positive(pc(c)) || !positive(mw(c)) || !(tr >= 0.0) || !std::isfinite(tr)) {
      // Zero or negative critical constants or molecular weight, or a temperature that
      // gives no reduced temperature: no viscosity can be formed.
      plain.message(2, 8,
                    "6X 'LIQUID VISCOSITY MODEL MUL0LEST: NO RESULT FOR COMPONENT ' 2A4 / "
                    "6X 'ZERO OR NEGATIVE TC, PC OR MW, OR NO VALID TEMPERATURE.' / "
                    "6X 'MUL IS SET TO ZERO.'",
                    {cid.word1(c), cid.word2(c)});
      mul(i) = 0.0;
      continue;
    }
    mul(i) = letsou_stiel(band(plain, tr, status), tc(c), pc(c), mw(c), omega(c));
  }
  if (status != kUnchanged) band_status = status;

  if (tracing) {
    for (std::int64_t i = 1; i <= n; ++i) host::trace(unit, "5X ' MUL(' I5 ')=' G13.5", {i, mul(i)});
    host::trace(unit, "5X '        KER=' I5", {band_status});
  }
}

}  // namespace kova::correlations
