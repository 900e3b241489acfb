#include "chung/routines.h"

#include <algorithm>

#include <cmath>
#include <string>

#include "chung/chung.h"
#include "host/diag.h"
#include "host/property.h"
#include "host/trace.h"
#include "host/words.h"

namespace kova::chung {

using host::CidTable;
using host::CReals;
using host::Diag;
using host::Ints;
using host::Reals;
using host::RoutineId;

namespace {

// What distinguishes the six routines: identifier, message texts and which host words they
// read. The viscosity routines take the marker, gate word, pair-array rows and trace unit
// from ZEL_PPRIV and trace on KDIAG; the conductivity routines take them from ZEL_RGLOB,
// ZEL_GLOBAL and ZEL_NCOMP and trace on ZEL_GLOBAL word 10.
struct Model {
  RoutineId id;
  bool conductivity;
  std::string_view title;         // model name, for the messages of this library's own
  std::string_view header;        // missing-parameter header line(s), ending with '/'
  bool compact_line;              // 'TC (DATA SET' I3 ') FOR COMPONENT ' (no blank, no MISSING)
  std::string_view omega_first;   // the acentric factor's name in a first message ...
  std::string_view omega_later;   // ... and in a later one
  std::string_view result;        // the result argument's name
};

constexpr Model kMuv008{"MUV0    08      ", false, "LOW PRESSURE VAPOR VISCOSITY MODEL MUV0CLSL",
                        "6X 'LOW PRESSURE VAPOR VISCOSITY MODEL MUV0CLSL' ' HAS MISSING PARAMETERS:' /",
                        true, "OMGCLD", "OMGCLK", "MUVLP"};
constexpr Model kMuv206{"MUV2    06      ", false, "LOW PRESSURE VAPOR VISCOSITY MODEL MUV2CLSL",
                        "6X 'LOW PRESSURE VAPOR VISCOSITY MODEL MUV2CLSL' ' HAS MISSING PARAMETERS:' /",
                        false, "OMGCLD", "OMGCLK", "MUVMXLP"};
constexpr Model kMuvl04{"MUVL    04      ", false, "VAPOR/LIQUID VISCOSITY MODEL MUL0CLS/MUV0CLS",
                        "6X 'VAPOR/LIQUID VISCOSITY MODEL MUL0CLS/MUV0CLS' ' HAS MISSING PARAMETERS:' /",
                        false, "OMGCLD", "OMGCLK", "MU"};
constexpr Model kMuvl03{"MUVL    03      ", false, "VAPOR/LIQUID VISCOSITY MODEL MUL2CLS/MUV2CLS",
                        "6X 'VAPOR/LIQUID VISCOSITY MODEL MUL2CLS/MUV2CLS' ' HAS MISSING PARAMETERS:' /",
                        false, "OMGCLD", "OMGCLK", "MUVMXLP"};
constexpr Model kKvl03{"KVL0    3       ", true, "VAPOR/LIQUID THERMAL CONDUCTIVITY MODEL KL0CLS/KV0CLS",
                       "6X 'VAPOR/LIQUID THERMAL CONDUCTIVITY MODEL KL0CLS' '/KV0CLS HAS MISSING' / "
                       "6X 'PARAMETERS:' /",
                       false, "OMGCLS", "OMGCLS", "K"};
constexpr Model kKvl02{"KVL0    2       ", true, "VAPOR/LIQUID THERMAL CONDUCTIVITY MODEL KL2CLS/KV2CLS",
                       "6X 'VAPOR/LIQUID THERMAL CONDUCTIVITY MODEL KL2CLS' '/KV2CLS HAS MISSING' / "
                       "6X ' PARAMETERS:' /",
                       false, "OMGCLS", "OMGCLS", "KMX"};

// Message numbers of this library's own messages for inputs the formulas cannot take
// (numbers 1, 2, 3, 5 and 6 are the missing parameters).
constexpr std::int64_t kMsgUnusable = 7;
constexpr std::int64_t kMsgEmptyList = 8;
constexpr std::int64_t kMsgVolume = 9;
constexpr std::int64_t kMsgTemperature = 10;

PairArrays with_rows(PairArrays p, std::int64_t ld) {
  p.ld = ld;
  return p;
}

// The diagnostic and host context of one call.
class Call {
 public:
  Call(const Model& model, const std::int64_t* kdiag, const PairArrays& p)
      : model_(model),
        diag_(model.id, kdiag, host::Closing::Two,
              model.conductivity ? host::HostWord::Global7 : host::HostWord::Ppriv7),
        marker_(model.conductivity ? host::real_word(ZEL_RGLOB, 0) : host::missing_marker()),
        pairs_(with_rows(p, model.conductivity ? host::int_word(ZEL_NCOMP, 0) : host::int_word(ZEL_PPRIV, 9))),
        unit_(model.conductivity ? host::low32_word(ZEL_GLOBAL, 4) : host::trace_unit()),
        level_(model.conductivity ? host::int_word(ZEL_GLOBAL, 10) : *kdiag) {}

  const Model& model() const { return model_; }
  const Diag& diag() const { return diag_; }
  const PairArrays& pairs() const { return pairs_; }
  std::int64_t unit() const { return unit_; }
  // Entry trace (and the whole trace of the conductivity routines): level negative or above 6.
  bool entry_trace() const { return host::trace_on(level_); }
  // Exit trace of the viscosity routines: level negative or at least 8.
  bool exit_trace() const { return model_.conductivity ? host::trace_on(level_) : level_ < 0 || level_ >= 8; }

  // The parameter test: each unchecked listed component (its flag set to 1.0 first) has TC,
  // VC, the acentric factor, MUP and MW tested, in that order, with the not-below test; a
  // missing one is reported (class 1) and nothing else happens: no default, no write-back.
  void parameter_test(std::int64_t n, Ints idx, const Presence& par, std::int64_t idset, Reals flag,
                      CidTable cid) const {
    host::MissingReport report(diag_, model_.header, /*zero19=*/false);
    host::for_unchecked(n, idx, flag, [&](std::int64_t, std::int64_t c) {
      const auto test = [&](const double* values, std::int64_t num, std::string_view name,
                            std::string_view later_name) {
        if (!host::missing_not_below(values[c - 1], marker_)) return;
        // The message printed is the first of the call exactly when none has been printed yet.
        const std::string line = parameter_line(report.printed() == 0 ? name : later_name);
        report.report(num, line, {idset, cid.word1(c), cid.word2(c)});
      };
      test(par.tc, 1, "TC", "TC");
      test(par.vc, 2, "VC", "VC");
      test(par.omega, 3, model_.omega_first, model_.omega_later);
      test(par.mup, 6, "MUP", "MUP");
      test(par.mw, 5, "MW", "MW");
    });
  }

  // The characteristic quantities of component c (list entry i); false when its diagonal
  // cannot be used, which is reported (class 2) and the caller stores zero.
  bool pure(std::int64_t i, std::int64_t c, double t, CidTable cid, Characteristic& q) const {
    if (!rows_cover(c)) return false;
    q = characteristic(pure_sums(pairs_, c), t);
    if (usable(q)) return true;
    const std::string layout = "6X '" + std::string(model_.title) +
                               ":' / 6X 'ZERO OR NEGATIVE SIG3, EPSIG3 OR EPSIG2M FOR COMPONENT ' 2A4 / 6X '" +
                               std::string(model_.result) + "(' I4 ') IS SET TO ZERO'";
    diag_.message(2, kMsgUnusable, layout, {cid.word1(c), cid.word2(c), i});
    return false;
  }

  // The characteristic quantities of the listed mixture; false (reported, class 2; the
  // caller stores zero) for an empty list, an unusable temperature or sums the formulas
  // cannot use.
  bool mixture(std::int64_t n, const double* x, const std::int64_t* idx, double t, Characteristic& q) const {
    // The message layouts are formed only when a message is due: the common path builds no
    // strings.
    const auto head = [&] { return "6X '" + std::string(model_.title) + ":' / "; };
    const auto tail = [&] { return " / 6X '" + std::string(model_.result) + " IS SET TO ZERO'"; };
    if (n < 1) {
      diag_.message(2, kMsgEmptyList, head() + "6X 'NO COMPONENTS IN THE LIST (N =' I6 ')'" + tail(), {n});
      return false;
    }
    if (!temperature(t)) return false;
    std::int64_t largest = 1;
    for (std::int64_t i = 0; i < n; ++i) largest = std::max(largest, idx[i]);
    if (!rows_cover(largest)) return false;
    q = characteristic(mixture_sums(pairs_, n, x, idx), t);
    if (usable(q)) return true;
    diag_.message(2, kMsgUnusable, head() + "6X 'ZERO OR NEGATIVE MIXTURE VALUES OF SIG3, EPSIG3 OR EPSIG2M'" + tail(),
                  {});
    return false;
  }

  // Whether the temperature is one the formulas can take (positive and finite); when not,
  // it is reported once (class 2) and the caller stores zero in every result.
  bool temperature(double t) const {
    if (t > 0.0 && std::isfinite(t)) return true;
    diag_.message(2, kMsgTemperature,
                  "6X '" + std::string(model_.title) + ":' / 6X 'TEMPERATURE' G12.5 ' K IS NOT A POSITIVE NUMBER' / 6X '" +
                      std::string(model_.result) + " IS SET TO ZERO'",
                  {t});
    return false;
  }

  // Whether the dense-fluid formulas can take molar volume v (list entry i, component c);
  // when not, it is reported (class 2) and the caller stores zero.
  bool pure_volume(std::int64_t i, std::int64_t c, double v, const Characteristic& q, CidTable cid) const {
    if (usable_volume(v, q.vc)) return true;
    diag_.message(2, kMsgVolume,
                  "6X '" + std::string(model_.title) + ":' / 6X 'MOLAR VOLUME' G12.5 ' M3/KMOL OF COMPONENT ' 2A4 " +
                      "' IS NOT' / 6X 'ABOVE VC/6000 (REDUCED DENSITY 1). " + std::string(model_.result) +
                      "(' I4 ') IS SET TO ZERO'",
                  {v, cid.word1(c), cid.word2(c), i});
    return false;
  }
  bool mixture_volume(double v, const Characteristic& q) const {
    if (usable_volume(v, q.vc)) return true;
    diag_.message(2, kMsgVolume,
                  "6X '" + std::string(model_.title) + ":' / 6X 'MOLAR VOLUME' G12.5 ' M3/KMOL OF THE MIXTURE IS NOT' / " +
                      "6X 'ABOVE VC/6000 (REDUCED DENSITY 1). " + std::string(model_.result) + " IS SET TO ZERO'",
                  {v});
    return false;
  }

  // Trace pieces shared by the routines: the header, and the temperature line.
  void trace_start(double t) const {
    host::trace_header(unit_, model_.id);
    host::trace(unit_, "2X 12X 'T=' G12.5", {t});
  }
  void trace_list(std::int64_t n, Ints idx) const {
    for (std::int64_t i = 1; i <= n; ++i) host::trace(unit_, "2X '    IDX(' I4 ')=' I4", {i, idx(i)});
  }
  void trace_mixture_list(std::int64_t n, CReals x, Ints idx) const {
    for (std::int64_t i = 1; i <= n; ++i)
      host::trace(unit_, "2X 6X 'X(' I4 ')=' G12.5 4X 'IDX(' I4 ')=' I4", {i, x(i), i, idx(i)});
  }

 private:
  // Whether the host's row count of the pair arrays (ZEL_PPRIV word 9 for the viscosity
  // routines, ZEL_NCOMP word 0 for the conductivity routines) reaches component number c
  // and is a count at all (a real stored there reads as a huge or negative integer); when
  // not, it is reported (class 2) and the caller stores zero: the arrays are not touched.
  bool rows_cover(std::int64_t c) const {
    return host::count_word(diag_, model_.conductivity ? "ZEL_NCOMP" : "ZEL_PPRIV", model_.conductivity ? 0 : 9,
                            pairs_.ld, std::max<std::int64_t>(c, 1));
  }

  std::string parameter_line(std::string_view name) const {
    if (model_.compact_line) return "6X '" + std::string(name) + " (DATA SET' I3 ') FOR COMPONENT ' 2A4";
    return "6X '" + std::string(name) + " (DATA SET ' I3 ') MISSING FOR COMPONENT ' 2A4";
  }

  const Model& model_;
  Diag diag_;
  double marker_;
  PairArrays pairs_;
  std::int64_t unit_;
  std::int64_t level_;
};

}  // namespace

void muv008(const double* T, const std::int64_t* N, const std::int64_t* IDX, const std::int64_t* KDIAG,
            const std::int64_t* IDSET, const std::int64_t* KCALC, double* MUVLP, const Presence& par,
            const PairArrays& pairs, double* FLAG, const kova_word* CID) {
  const Call call(kMuv008, KDIAG, pairs);
  const std::int64_t n = *N;
  const Ints idx(IDX);
  const Reals muvlp(MUVLP);
  const CidTable cid(CID);

  if (call.entry_trace()) {
    call.trace_start(*T);
    call.trace_list(n, idx);
  }
  if (*KCALC > 0) {
    call.parameter_test(n, idx, par, *IDSET, Reals(FLAG), cid);
    const bool t_ok = n < 1 || call.temperature(*T);
    for (std::int64_t i = 1; i <= n; ++i) {
      Characteristic q;
      muvlp(i) = t_ok && call.pure(i, idx(i), *T, cid, q) ? chung_low_pressure_viscosity(q) : 0.0;
    }
  }
  if (call.exit_trace()) {
    for (std::int64_t i = 1; i <= n; ++i) host::trace(call.unit(), "2X '  MUVLP(' I4 ')=' G12.5", {i, muvlp(i)});
  }
}

void muv206(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX,
            const std::int64_t* KDIAG, const std::int64_t* IDSET, const std::int64_t* KCALC, double* MUVMXLP,
            const Presence& par, const PairArrays& pairs, double* FLAG, const kova_word* CID) {
  const Call call(kMuv206, KDIAG, pairs);
  const std::int64_t n = *N;
  const Ints idx(IDX);

  if (call.entry_trace()) {
    call.trace_start(*T);
    call.trace_mixture_list(n, CReals(X), idx);
  }
  if (*KCALC > 0) {
    call.parameter_test(n, idx, par, *IDSET, Reals(FLAG), CidTable(CID));
    Characteristic q;
    const bool ok = call.mixture(n, X, IDX, *T, q);
    *MUVMXLP = ok ? chung_low_pressure_viscosity(q) : 0.0;
  }
  if (call.exit_trace()) host::trace(call.unit(), "2X 6X 'MUVMXLP=' G12.5", {*MUVMXLP});
}

void muvl04(const double* T, const std::int64_t* N, const std::int64_t* IDX, const std::int64_t* KDIAG,
            const std::int64_t* IDSET, const std::int64_t* KCALC, const double* V, double* MU,
            const Presence& par, const PairArrays& pairs, double* FLAG, const kova_word* CID,
            const std::int64_t* KCOEF) {
  // This routine writes no trace at any level.
  const std::int64_t n = *N;
  if (*KCALC <= 0 || n < 1) return;
  const Call call(kMuvl04, KDIAG, pairs);
  const Ints idx(IDX);
  const CReals v(V);
  const Reals mu(MU);
  const CidTable cid(CID);

  call.parameter_test(n, idx, par, *IDSET, Reals(FLAG), cid);
  const bool t_ok = call.temperature(*T);
  for (std::int64_t i = 1; i <= n; ++i) {
    Characteristic q;
    // The pure-component value keeps its sign.
    const bool ok = t_ok && call.pure(i, idx(i), *T, cid, q) && call.pure_volume(i, idx(i), v(i), q, cid);
    mu(i) = ok ? chung_dense_viscosity(q, v(i), *KCOEF) : 0.0;
  }
}

void muvl03(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX,
            const std::int64_t* KDIAG, const std::int64_t* IDSET, const std::int64_t* KCALC, const double* VMX,
            double* MUVMXLP, const Presence& par, const PairArrays& pairs, double* FLAG, const kova_word* CID,
            const std::int64_t* KCOEF) {
  const Call call(kMuvl03, KDIAG, pairs);
  const std::int64_t n = *N;
  const Ints idx(IDX);

  if (call.entry_trace()) {
    call.trace_start(*T);
    call.trace_mixture_list(n, CReals(X), idx);
  }
  if (*KCALC <= 0) return;  // no exit trace when nothing was calculated
  call.parameter_test(n, idx, par, *IDSET, Reals(FLAG), CidTable(CID));
  Characteristic q;
  // A strongly polar mixture can give a negative value from an overestimated mixture
  // dipole; the mixture routine returns its magnitude.
  const bool ok = call.mixture(n, X, IDX, *T, q) && call.mixture_volume(*VMX, q);
  *MUVMXLP = ok ? std::fabs(chung_dense_viscosity(q, *VMX, *KCOEF)) : 0.0;
  if (call.exit_trace()) host::trace(call.unit(), "2X 6X 'MUVMXLP=' G12.5", {*MUVMXLP});
}

void kvl03(const double* T, const std::int64_t* N, const std::int64_t* IDX, const std::int64_t* KDIAG,
           const std::int64_t* IDSET, const std::int64_t* KCALC, const double* V, const double* MUVLP,
           const double* CP, double* K, const std::int64_t* KER, const Presence& par, const PairArrays& pairs,
           double* FLAG, const kova_word* CID) {
  const Call call(kKvl03, KDIAG, pairs);
  const std::int64_t n = *N;
  const Ints idx(IDX);
  const CReals v(V), muvlp(MUVLP), cp(CP);
  const Reals k(K);
  const CidTable cid(CID);

  if (call.entry_trace()) {
    call.trace_start(*T);
    for (std::int64_t i = 1; i <= n; ++i) {
      host::trace(call.unit(),
                  "2X 6X 'V(' I4 ')=' G12.5 5X 'CP(' I4 ')=' G12.5 2X 'MUVLP(' I4 ')=' G12.5 4X 'IDX(' I4 ')=' I4",
                  {i, v(i), i, cp(i), i, muvlp(i), i, idx(i)});
    }
  }
  if (*KCALC > 0 && n >= 1) {
    call.parameter_test(n, idx, par, *IDSET, Reals(FLAG), cid);
    const double r = host::gas_constant();
    const bool t_ok = call.temperature(*T);
    for (std::int64_t i = 1; i <= n; ++i) {
      Characteristic q;
      const double alpha = cp(i) / r - 2.5;
      const bool ok = t_ok && call.pure(i, idx(i), *T, cid, q) && call.pure_volume(i, idx(i), v(i), q, cid);
      k(i) = ok ? chung_thermal_conductivity(q, v(i), muvlp(i), alpha) : 0.0;
    }
  }
  if (call.exit_trace()) {
    for (std::int64_t i = 1; i <= n; ++i)
      host::trace(call.unit(), "2X 6X 'K(' I4 ')=' G12.5 4X 'IDX(' I4 ')=' I4", {i, k(i), i, idx(i)});
    host::trace(call.unit(), "2X 10X 'KER=' I4", {*KER});
  }
}

void kvl02(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX,
           const std::int64_t* KDIAG, const std::int64_t* IDSET, const std::int64_t* KCALC, const double* VMX,
           const double* MUVMXLP, const double* CPMX, double* KMX, const std::int64_t* KER, const Presence& par,
           const PairArrays& pairs, double* FLAG, const kova_word* CID) {
  const Call call(kKvl02, KDIAG, pairs);
  const std::int64_t n = *N;
  const Ints idx(IDX);

  if (call.entry_trace()) {
    host::trace_header(call.unit(), kKvl02.id);
    host::trace(call.unit(), "2X 12X 'T=' G12.5 10X 'VMX=' G12.5 6X 'MUVMXLP=' G12.5 9X 'CPMX=' G12.5",
                {*T, *VMX, *MUVMXLP, *CPMX});
    call.trace_mixture_list(n, CReals(X), idx);
  }
  if (*KCALC > 0) {
    call.parameter_test(n, idx, par, *IDSET, Reals(FLAG), CidTable(CID));
    const double r = host::gas_constant();
    const double alpha = (*CPMX - r) / r - 1.5;
    Characteristic q;
    const bool ok = call.mixture(n, X, IDX, *T, q) && call.mixture_volume(*VMX, q);
    *KMX = ok ? chung_thermal_conductivity(q, *VMX, *MUVMXLP, alpha) : 0.0;
  }
  if (call.exit_trace()) host::trace(call.unit(), "2X 10X 'KMX=' G12.5 10X 'KER=' I4", {*KMX, *KER});
}

}  // namespace kova::chung
