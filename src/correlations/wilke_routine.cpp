// KOVA_MUV201: Wilke mixture viscosity of a low-pressure vapour with Brokaw's factors.
#include <cmath>
#include <vector>

#include "correlations/routines.h"
#include "correlations/wilke.h"
#include "host/diag.h"
#include "host/trace.h"
#include "host/words.h"

namespace kova::correlations {

using host::CidTable;
using host::CReals;
using host::Diag;
using host::Ints;
using host::Item;
using host::Reals;
using host::RoutineId;

namespace {

constexpr RoutineId kMuv201{"MUV2    01      "};

// Reference values (one reference component) used for missing parameters.
constexpr double kDefaultMw = 86.178;
constexpr double kDefaultVb = 0.140903;
constexpr double kDefaultEps = 403.442;
constexpr double kDefaultSigma = 6.06726e-10;

#define MUV2WILK_HEADER "6X 'VISCOSITY MODEL MUV2WILK HAS MISSING PARAMETERS:' / "
#define STOCKMAYER_NEEDED \
  "'; ' A2 ' NEEDED TO' / 6X 'CALCULATE STOCKMAYER POTENTIALS WHEN STKPAR PARAMS ' 'NOT INPUTTED BY USER'"

// The messages of one call. Every printed message counts; the first printed one of the
// call uses the form with the model header where the message has one.
class Messages {
 public:
  explicit Messages(const Diag& diag) : diag_(diag) {}

  // zero_before/zero_after: whether ZEL_ERRTWO word 19 is set to 0.0 before the gate call
  // and after printing. first: the form with the header (empty when there is one form).
  void send(std::int64_t cls, std::int64_t num, bool zero_before, bool zero_after, std::string_view first,
            std::string_view later, std::initializer_list<Item> items) {
    const host::MessageLock lock;
    if (zero_before) host::zero_word19();
    if (diag_.gate(cls, num) == 0) return;
    diag_.print(count_ == 0 && !first.empty() ? first : later, items);
    ++count_;
    if (zero_after) host::zero_word19();
  }

 private:
  const Diag& diag_;
  int count_ = 0;
};

struct Params {
  Reals mw, vb, stk;
  CReals tb, mup;
  double eps(std::int64_t c) const { return stk(2 * c - 1); }
  double sigma(std::int64_t c) const { return stk(2 * c); }
};

// The checks of one component not yet flagged (equality test with the marker).
void check_component(Messages& msg, std::int64_t c, const Params& p, std::int64_t idset, CidTable cid) {
  const double marker = host::missing_marker();
  const auto w1 = cid.word1(c), w2 = cid.word2(c);
  const auto dl = host::delimiter();
  if (host::missing_equal(p.mw(c), marker)) {
    p.mw(c) = kDefaultMw;
    msg.send(1, 1, true, true, MUV2WILK_HEADER "6X 'MW (DATA SET ' I3 ') MISSING FOR COMPONENT ' 2A4",
             "6X 'MW (DATA SET ' I3 ') MISSING FOR COMPONENT ' 2A4", {idset, w1, w2});
  }
  if (host::missing_equal(p.mup(c), marker)) {
    // Treated as 0 in the calculation; the host's value is left as it is.
    msg.send(3, 2, false, false,
             MUV2WILK_HEADER "6X 'MUP (DATA SET ' I3 ') MISSING FOR COMPONENT ' A1 2A4 A1 '.  MUP = 0 IS USED'",
             "6X 'MUP (DATA SET ' I3 ') MISSING FOR COMPONENT ' A1 2A4 A1 '.  MUP = 0 IS USED'",
             {idset, dl, w1, w2, dl});
  }
  const bool eps_missing = host::missing_equal(p.eps(c), marker);
  const bool sigma_missing = host::missing_equal(p.sigma(c), marker);
  if (!eps_missing && !sigma_missing) return;
  const bool tb_missing = host::missing_equal(p.tb(c), marker);
  const bool vb_missing = host::missing_equal(p.vb(c), marker);
  if (tb_missing || vb_missing) {
    // No estimate possible: the reference component's parameters.
    if (eps_missing) {
      p.stk(2 * c - 1) = kDefaultEps;
      msg.send(1, 3, true, true,
               MUV2WILK_HEADER "6X 'STKPAR/1ST ELEMENT (DATA SET ' I3 ') ' 'MISSING FOR COMPONENT ' 2A4",
               "6X 'STKPAR/1ST ELEMENT (DATA SET ' I3 ') ' 'MISSING FOR COMPONENT ' 2A4", {idset, w1, w2});
    }
    if (sigma_missing) {
      p.stk(2 * c) = kDefaultSigma;
      msg.send(1, 4, true, true,
               MUV2WILK_HEADER "6X 'STKPAR/2ND ELEMENT (DATA SET ' I3 ') ' 'MISSING FOR COMPONENT ' 2A4",
               "6X 'STKPAR/2ND ELEMENT (DATA SET ' I3 ') ' 'MISSING FOR COMPONENT ' 2A4", {idset, w1, w2});
    }
    if (tb_missing) {
      msg.send(1, 5, true, false, {}, "6X 'TB (DATA SET ' I3 ') MISSING FOR COMPONENT ' A1 2A4 A1 " STOCKMAYER_NEEDED,
               {idset, dl, w1, w2, dl, std::string_view("TB")});
    }
    if (vb_missing) {
      p.vb(c) = kDefaultVb;
      msg.send(1, 6, true, false, {}, "6X 'VB (DATA SET ' I3 ') MISSING FOR COMPONENT ' A1 2A4 A1 " STOCKMAYER_NEEDED,
               {idset, dl, w1, w2, dl, std::string_view("VB")});
    }
  } else if (!(p.vb(c) > 0.0)) {
    p.vb(c) = kDefaultVb;
    msg.send(1, 7, true, false, {}, "6X 'VB (DATA SET ' I3 ') IS ZERO FOR COMPONENT ' A1 2A4 A1 " STOCKMAYER_NEEDED,
             {idset, dl, w1, w2, dl, std::string_view("VB")});
  }
}

// A dipole moment for the calculation: the host's, or 0 where it is not below the marker.
double dipole(const Params& p, std::int64_t c) {
  return host::missing_not_below(p.mup(c), host::missing_marker()) ? 0.0 : p.mup(c);
}

// Whether component c's STKPAR holds both Stockmayer parameters (not-below test). Another
// thread may be writing an estimate into them: read atomically.
bool stockmayer_complete(std::int64_t c, const Params& p) {
  const double marker = host::missing_marker();
  return !host::missing_not_below(host::shared_load(p.stk(2 * c - 1)), marker) &&
         !host::missing_not_below(host::shared_load(p.stk(2 * c)), marker);
}

// Stockmayer parameters of a component whose STKPAR is incomplete, from its boiling-point
// data; both elements are replaced and written back, under the lock, by the one thread that
// still finds them incomplete. Boiling-point data that cannot give an estimate (absent, zero
// or negative; possible only in a call after the component was checked) leave the reference
// component's parameters instead. Out of line: the common path only tests.
[[gnu::noinline, gnu::cold]] void make_stockmayer_estimate(std::int64_t c, const Params& p) {
  const host::MessageLock lock;
  if (stockmayer_complete(c, p)) return;
  const double marker = host::missing_marker();
  const double tb = p.tb(c), vb = p.vb(c);
  Stockmayer s{kDefaultEps, kDefaultSigma};
  if (tb > 0.0 && vb > 0.0 && !host::missing_not_below(tb, marker) && !host::missing_not_below(vb, marker))
    s = stockmayer_from_boiling_point(dipole(p, c), tb, vb);
  host::shared_store(p.stk(2 * c - 1), s.eps_k);
  host::shared_store(p.stk(2 * c), s.sigma);
}

void estimate_stockmayer(std::int64_t c, const Params& p) {
  if (!stockmayer_complete(c, p)) [[unlikely]] make_stockmayer_estimate(c, p);
}

}  // namespace

void muv201(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX, const double* MUVLP,
            const std::int64_t* IDSET, const std::int64_t* KDIAG, double* MUVXLP, double* MW, const double* TB,
            double* VB, const double* MUP, double* STKPAR, double* FLAG, const kova_word* CID) {
  const std::int64_t n = *N;
  const Ints idx(IDX);
  const CReals x(X), muvlp(MUVLP);
  const Params p{Reals(MW), Reals(VB), Reals(STKPAR), CReals(TB), CReals(MUP)};
  const CidTable cid(CID);
  const Diag diag(kMuv201, KDIAG, host::Closing::Word19);
  const std::int64_t unit = host::trace_unit();
  const bool tracing = host::trace_on(*KDIAG);

  if (tracing) {
    host::trace_header(unit, kMuv201);
    for (std::int64_t i = 1; i <= n; ++i)
      host::trace(unit, "2X '      X(' I4 ')=' G12.5 '  MUVLP(' I4 ')=' G12.5 '    IDX(' I4 ')=' I4",
                  {i, x(i), i, muvlp(i), i, idx(i)});
    host::trace(unit, "5X '         T=' G12.5", {*T});
  }

  Messages msg(diag);
  host::for_unchecked(n, idx, Reals(FLAG), [&](std::int64_t, std::int64_t c) { check_component(msg, c, p, *IDSET, cid); });
  for (std::int64_t i = 1; i <= n; ++i) estimate_stockmayer(idx(i), p);

  std::vector<WilkeComponent> comps;
  comps.reserve(static_cast<std::size_t>(n > 0 ? n : 0));
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::int64_t c = idx(i);
    // An estimate that is still incomplete (not a number) is made again in every call, so
    // another thread may be rewriting it: read atomically.
    comps.push_back({x(i), muvlp(i), p.mw(c), dipole(p, c),
                     {host::shared_load(p.stk(2 * c - 1)), host::shared_load(p.stk(2 * c))}});
  }
  double mix = wilke_brokaw(*T, comps);
  if (!std::isfinite(mix)) {
    // A zero or negative pure viscosity, molecular weight or Stockmayer parameter, or a
    // mole fraction that is not a number: no mixture value can be formed.
    Diag(kMuv201, KDIAG)
        .message(2, 8,
                 "6X 'VISCOSITY MODEL MUV2WILK: MIXTURE VISCOSITY CANNOT BE CALCULATED' / "
                 "6X 'FROM ZERO OR INVALID MUVLP, MW OR STKPAR. MUVXLP IS SET TO ZERO.'",
                 {});
    mix = 0.0;
  }
  *MUVXLP = mix;

  if (tracing) host::trace(unit, "5X '    MUVXLP=' G12.5", {*MUVXLP});
}

}  // namespace kova::correlations
