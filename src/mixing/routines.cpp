#include "mixing/routines.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <vector>

#include "host/diag.h"
#include "host/property.h"
#include "host/trace.h"
#include "host/words.h"
#include "kova/host.h"
#include "mixing/mixing.h"

namespace kova::mixing {

using host::CformTable;
using host::CidTable;
using host::CReals;
using host::Diag;
using host::Ints;
using host::MissingReport;
using host::Reals;
using host::RoutineId;

namespace {

// Written into a host routine's outputs before the call, so that outputs it leaves unwritten
// are seen (a stale value would pass as an answer).
constexpr double kUnanswered = std::numeric_limits<double>::quiet_NaN();

constexpr RoutineId kKl204{"KL20    4       "};
constexpr RoutineId kDv002{"DV00    2       "};
constexpr RoutineId kDl001{"DL00    1       "};
constexpr RoutineId kDl004{"DL00    4       "};
constexpr RoutineId kDl102{"DL10    2       "};
constexpr RoutineId kDl103{"DL10    1       "};
constexpr RoutineId kMul205{"MUL2    05      "};

// Li's rule: the floor on pure and mixture conductivities, W/(m K).
constexpr double kMinConductivity = 1.0e-4;

// Defaults written into the host's arrays when a parameter is missing.
constexpr double kDefaultMw = 86.178;    // kg/kmol
constexpr double kDefaultVc = 0.369445;  // m3/kmol
constexpr double kDefaultVb = 0.140903;  // m3/kmol

// Integer constants passed by reference to the host routines.
constexpr std::int64_t kZero = 0;
constexpr std::int64_t kOne = 1;
constexpr std::int64_t kTwo = 2;
constexpr std::int64_t kSix = 6;

template <class T>
std::span<const T> first(const T* p, std::int64_t n) {
  return {p, static_cast<std::size_t>(n > 0 ? n : 0)};
}

// Element (i, j) of an n x n array stored column by column, 1-based.
inline std::size_t at(std::int64_t i, std::int64_t j, std::int64_t n) {
  return static_cast<std::size_t>((i - 1) + (j - 1) * n);
}

// Checks MW and a second parameter (VC or VB) of every unchecked component, in that order,
// writing the defaults. The parameter lines are built from the two prefixes, with the data
// set number when idset is given.
void check_mw_and(const Diag& diag, std::string_view header, std::string_view mw_line, std::string_view other_line,
                  double other_default, const std::int64_t* idset, std::int64_t n, Ints idx, Reals mw, Reals other,
                  Reals flag, CidTable cid) {
  const double marker = host::missing_marker();
  MissingReport report(diag, header, /*zero19=*/true);
  host::for_unchecked(n, idx, flag, [&](std::int64_t, std::int64_t c) {
    const auto w1 = cid.word1(c), w2 = cid.word2(c);
    if (idset != nullptr) {
      report.check(mw(c), marker, kDefaultMw, 1, mw_line, {*idset, w1, w2});
      report.check(other(c), marker, other_default, 2, other_line, {*idset, w1, w2});
    } else {
      report.check(mw(c), marker, kDefaultMw, 1, mw_line, {w1, w2});
      report.check(other(c), marker, other_default, 2, other_line, {w1, w2});
    }
  });
}

}  // namespace

// ============================================================== Li's rule
void kl204(const double* X, const std::int64_t* N, const std::int64_t* IDX, const void*, const double* VL, double* KL,
           const std::int64_t* KDIAG, double* KLMX, const kova_word* CID) {
  const std::int64_t n = *N;
  const Ints idx(IDX);
  const Reals kl(KL);
  const CidTable cid(CID);
  const Diag diag(kKl204, KDIAG);

  // Pure values below the minimum (or not numbers) are raised in the caller's array; every
  // one is reported, there is no once-per-component flag here.
  for (std::int64_t j = 1; j <= n; ++j) {
    if (kl(j) >= kMinConductivity) continue;
    kl(j) = kMinConductivity;
    const std::int64_t c = idx(j);
    diag.range_warning(1,
                       "6X 'LIQUID THERMAL CONDUCTIVITY MODEL KL2LI MINIMUM ' 'VALUE LIMIT (' F7.4 ')' / "
                       "6X 'VIOLATED FOR COMPONENT ' A1 2A4 A1 ' ; VALUE ' 'SET TO THE LIMIT'",
                       {kMinConductivity, host::delimiter(), cid.word1(c), cid.word2(c), host::delimiter()});
  }

  double k = li_conductivity(first(X, n), first(VL, n), first(KL, n));
  if (!(k >= kMinConductivity)) {
    k = kMinConductivity;
    diag.range_warning(2,
                       "6X 'LIQUID THERMAL CONDUCTIVITY MODEL KL2LI MINIMUM ' 'VALUE LIMIT (' F7.4 ')' / "
                       "6X 'VIOLATED FOR THE MIXTURE; VALUE SET TO THE LIMIT'",
                       {kMinConductivity});
  }
  *KLMX = k;
}

// ============================================================== Dawson-Khoury-Kobayashi
void dv002(const double* X, const std::int64_t* N, const std::int64_t* IDX, const double* T, const double* P,
           const double* P0, std::int64_t* IPAIR, double* YPAIR, const double* DV0, const std::int64_t* KDIAG,
           double* DV, const std::int64_t* IDSET, double* MW, double* VC, double* FLAG, const kova_word* CID,
           const void* P17, const void* P18, const void* P19, const void* P20, const void* P21) {
  const std::int64_t n = *N;
  const Ints idx(IDX);
  const CReals x(X);
  const Reals mw(MW), vc(VC);
  const Diag diag(kDv002, KDIAG, host::Closing::Word19);

  check_mw_and(diag, "6X 'DIFFUSION COEFFICIENT MODEL DV1DKK HAS MISSING ' 'PARAMETERS:' /",
               "6X 'MW (DATA SET ' I3 ') MISSING FOR COMPONENT ' 2A4",
               "6X 'VC (DATA SET ' I3 ') MISSING FOR COMPONENT ' 2A4", kDefaultVc, IDSET, n, idx, mw, vc, Reals(FLAG),
               CidTable(CID));

  // An empty list has no element (1,1) to clear.
  if (n < 1) return;
  DV[at(1, 1, n)] = 0.0;

  // Without the host's equation of state no pair has a diffusivity.
  if (!host::provides(diag, reinterpret_cast<const void*>(&SIRK_ES01), "SIRK_ES01")) {
    for (std::int64_t k = 1; k <= n; ++k)
      for (std::int64_t l = 1; l <= n; ++l) DV[at(k, l, n)] = 0.0;
    return;
  }

  // The equation of state's work words and switches.
  double work[12] = {};
  double v0 = 0.0, v = 0.0;
  // A volume that is not finite and positive for a sane state is the host's failure:
  // reported, and the pair's diffusivity is zero.
  auto volume_ok = [&](const double* pressure, double volume) {
    return !host::sane_state(*T, *pressure) || host::usable_volume(diag, "SIRK_ES01", volume, *T, *pressure);
  };
  auto pair_volume = [&](const double* pressure, double* out) {
    SIRK_ES01(T, pressure, YPAIR, &kTwo, IPAIR, &kOne, &kZero, &kZero, &kZero, &kZero, &kOne, IDSET, KDIAG, &work[0],
              CID, P17, P18, P19, P20, P21, &work[1], &work[2], &work[3], &work[4], out, &work[5], &work[6], &work[7],
              &work[8], &work[9], &work[10], &work[11]);
  };

  for (std::int64_t k = 2; k <= n; ++k) {
    DV[at(k, k, n)] = 0.0;
    for (std::int64_t l = 1; l < k; ++l) {
      const std::int64_t ck = idx(k), cl = idx(l);
      const PairFractions y = dkk_pair_fractions(x(k), x(l));
      const double vc_pair = y.yk * vc(ck) + y.yl * vc(cl);
      IPAIR[0] = ck;
      IPAIR[1] = cl;
      YPAIR[0] = y.yk;
      YPAIR[1] = y.yl;
      v0 = v = 0.0;  // a volume the host leaves unwritten is not the last pair's
      pair_volume(P0, &v0);
      pair_volume(P, &v);
      const double d = volume_ok(P0, v0) && volume_ok(P, v) ? dkk_diffusivity(DV0[at(k, l, n)], vc_pair, v0, v) : 0.0;
      DV[at(k, l, n)] = d;
      DV[at(l, k, n)] = d;
    }
  }
}

// ============================================================== Wilke-Chang, binary
namespace {

enum class MixtureViscosity { HostModel, FromGiven };

void wilke_chang_binary(const RoutineId& id, MixtureViscosity how, const double* T, const double* X,
                        const std::int64_t* N, const std::int64_t* IDX, const double* MUL, const std::int64_t* KDIAG,
                        double* BINDL, double* MW, const kova_word* CFORM, double* VB, double* FLAG,
                        const kova_word* CID, const void* P13, const void* P14, const void* P15, const void* P16) {
  const std::int64_t n = *N;
  const double t = *T;
  const Ints idx(IDX);
  const CReals x(X), mul(MUL);
  const Reals mw(MW), vb(VB);
  const CformTable cform(CFORM);
  const Diag diag(id, KDIAG, host::Closing::Word19);

  check_mw_and(diag, "6X 'DIFFUSION COEFFICIENT MODEL DL0WCV HAS MISSING ' 'PARAMETERS:' /",
               "6X 'MW MISSING FOR COMPONENT ' 2A4", "6X 'VB MISSING FOR COMPONENT ' 2A4", kDefaultVb, nullptr, n, idx,
               mw, vb, Reals(FLAG), CidTable(CID));

  double mulmx = 0.0;
  const std::string_view host_routine = how == MixtureViscosity::HostModel ? "LUMENA_MUL202" : "LUMENA_MUL201";
  bool host_ok;
  if (how == MixtureViscosity::HostModel) {
    host_ok = host::provides(diag, reinterpret_cast<const void*>(&LUMENA_MUL202), host_routine);
    if (host_ok) LUMENA_MUL202(T, X, N, IDX, KDIAG, &mulmx, P13, P14, MW, P15, P16, CID);
  } else {
    host_ok = host::provides(diag, reinterpret_cast<const void*>(&LUMENA_MUL201), host_routine);
    if (host_ok) LUMENA_MUL201(T, X, N, IDX, MUL, KDIAG, &mulmx, &kOne, P13, P14, MW, P15);
  }
  // A mixture viscosity that is not finite and positive, for a mixture with components at
  // a sane temperature, leaves every pair without a diffusivity.
  if (host_ok && n >= 1 && host::sane_state(t, 1.0)) host_ok = host::usable(diag, host_routine, mulmx, host::kViscosity);
  if (!host_ok) {
    for (std::int64_t k = 1; k <= n; ++k)
      for (std::int64_t l = 1; l <= n; ++l) BINDL[at(k, l, n)] = 0.0;
    return;
  }

  const bool tracing = host::trace_on(*KDIAG);
  const std::int64_t unit = host::trace_unit();
  if (tracing) {
    host::trace_header(unit, id);
    host::trace(unit, "5X 10X 'T=' G13.5 6X 'MULMX=' G13.5", {t, mulmx});
    for (std::int64_t i = 1; i <= n; ++i)
      host::trace(unit, "5X '   X(' I5 ')=' G13.5 ' MUL(' I5 ')=' G13.5 ' IDX(' I5 ')=' I5",
                  {i, x(i), i, mul(i), i, idx(i)});
  }

  if (n < 1) return;  // no element (1,1) to clear
  BINDL[at(1, 1, n)] = 0.0;
  for (std::int64_t k = 2; k <= n; ++k) {
    BINDL[at(k, k, n)] = 0.0;
    const std::int64_t ck = idx(k);
    // Component k's own formula tests, once for all its pairs.
    const double phi_k = association_factor(cform.word(ck, 1), cform.word(ck, 2));
    const bool water_k = wilke_chang_water(cform.word(ck, 1), cform.word(ck, 2));
    for (std::int64_t l = 1; l < k; ++l) {
      const std::int64_t cl = idx(l);
      // Solute first, solvent second: k dilute in l, then l dilute in k.
      double dkl = wilke_chang(t, association_factor(cform.word(cl, 1), cform.word(cl, 2)), mw(cl), mul(l), vb(ck));
      double dlk = wilke_chang(t, phi_k, mw(ck), mul(k), vb(cl));
      if (water_k) dkl /= kWaterSoluteDivisor;
      if (wilke_chang_water(cform.word(cl, 1), cform.word(cl, 2))) dlk /= kWaterSoluteDivisor;
      const double d = vignes_viscosity_weighted(dkl, mul(l), dlk, mul(k), x(k), x(l), mulmx);
      BINDL[at(k, l, n)] = d;
      BINDL[at(l, k, n)] = d;
    }
  }

  if (tracing && how == MixtureViscosity::HostModel) {
    for (std::int64_t i = 1; i <= n; ++i)
      for (std::int64_t j = 1; j <= n; ++j)
        host::trace(unit, "'BINDL(' I4 ',' I4 ')=' G12.5", {i, j, BINDL[at(i, j, n)]});
  }
}

}  // namespace

void dl001(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX, const double* MUL,
           const std::int64_t* KDIAG, double* BINDL, double* MW, const kova_word* CFORM, double* VB, double* FLAG,
           const kova_word* CID, const void* P13, const void* P14, const void* P15, const void* P16) {
  wilke_chang_binary(kDl001, MixtureViscosity::HostModel, T, X, N, IDX, MUL, KDIAG, BINDL, MW, CFORM, VB, FLAG, CID,
                     P13, P14, P15, P16);
}

void dl004(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX, const double* MUL,
           const std::int64_t* KDIAG, double* BINDL, double* MW, const kova_word* CFORM, double* VB, double* FLAG,
           const kova_word* CID, const void* P13, const void* P14, const void* P15) {
  wilke_chang_binary(kDl004, MixtureViscosity::FromGiven, T, X, N, IDX, MUL, KDIAG, BINDL, MW, CFORM, VB, FLAG, CID,
                     P13, P14, P15, nullptr);
}

// ============================================================== Wilke-Chang, mixed solvent
namespace {

// The caller's arrays of one mixed-solvent call.
struct MixedSolvent {
  const RoutineId& id;
  std::string_view header;
  const double* T;
  const double* X;
  const std::int64_t* N;
  const std::int64_t* IDX;
  const std::int64_t* IDSET;
  const std::int64_t* KDIAG;
  double* DL;
  double* MW;
  const kova_word* CFORM;
  double* VB;
  const double* KSOLU;
  double* FLAG;
  const kova_word* CID;
  std::int64_t* KW;   // solute flags, N words
  std::int64_t* KSV;  // solvent component numbers, u words
  double* XS;         // normalised solvent mole fractions, u words
};

// Solvent viscosity of the current solvent (u entries: XS, KSV), Pa s.
// Empty when the host failed (reported): the solutes then keep 0.
using SolventViscosity = std::optional<double> (*)(const MixedSolvent&, std::int64_t u, const void* context);

void mixed_solvent(const MixedSolvent& a, SolventViscosity viscosity, const void* context) {
  const std::int64_t n = *a.N;
  const Ints idx(a.IDX);
  const CReals x(a.X), ksolu(a.KSOLU);
  const Reals mw(a.MW), vb(a.VB), dl(a.DL), xs(a.XS);
  const host::Array1<std::int64_t> kw(a.KW), ksv(a.KSV);
  const CformTable cform(a.CFORM);
  const Diag diag(a.id, a.KDIAG, host::Closing::Word19);

  for (std::int64_t i = 1; i <= n; ++i) dl(i) = 0.0;

  check_mw_and(diag, a.header, "6X 'MW (DATA SET ' I3 ') MISSING FOR COMPONENT ' 2A4",
               "6X 'VB (DATA SET ' I3 ') MISSING FOR COMPONENT ' 2A4", kDefaultVb, a.IDSET, n, idx, mw, vb,
               Reals(a.FLAG), CidTable(a.CID));

  bool all_solutes = true;
  for (std::int64_t i = 1; i <= n; ++i) {
    kw(i) = ksolu(idx(i)) != 0.0 ? 1 : 0;
    if (kw(i) == 0) all_solutes = false;
  }

  // One solvent: the unflagged entries. Solutes keep 0 when the solvent has no mole fractions.
  auto solve = [&]() {
    std::int64_t u = 0;
    double s = 0.0, q = 0.0;
    for (std::int64_t j = 1; j <= n; ++j) {
      if (kw(j) != 0) continue;
      const std::int64_t c = idx(j);
      ++u;
      xs(u) = x(j);
      ksv(u) = c;
      s += x(j);
      q += x(j) * mw(c) * association_factor(cform.word(c, 1), cform.word(c, 2));
    }
    if (s == 0.0) return;
    for (std::int64_t j = 1; j <= u; ++j) xs(j) = xs(j) / s;
    const std::optional<double> viscosity_or_none = viscosity(a, u, context);
    if (!viscosity_or_none) return;  // the host failed (reported): the solutes keep 0
    const double mum = *viscosity_or_none;
    for (std::int64_t i = 1; i <= n; ++i)
      if (kw(i) == 1) dl(i) = wilke_chang_mixed(*a.T, q, s, mum, vb(idx(i)));
  };

  if (all_solutes) {
    // Each entry in turn is the only solute, in the mixture of all the others.
    for (std::int64_t i = 1; i <= n; ++i) {
      for (std::int64_t j = 1; j <= n; ++j) kw(j) = 0;
      kw(i) = 1;
      solve();
    }
  } else {
    solve();
  }
}

// The pass-through arguments of KOVA_DL102.
struct Dl102Host {
  const void *p16, *p17, *p18, *p19, *p20, *p21, *p22, *p23, *p24, *p25;
  const std::int64_t* kopt;
  const void *p27, *p28, *p29;
};

// The solvent viscosity of a solvent whose host routines failed (reported): its solutes keep 0.
constexpr std::nullopt_t kNoViscosity = std::nullopt;

bool sane_temperature(double t) { return host::sane_state(t, 1.0); }

// Pure viscosities from the host, usable when they are viscosities at a sane temperature.
bool pure_viscosities_usable(const Diag& diag, double t, std::int64_t u, const double* mul) {
  if (!sane_temperature(t)) return true;
  for (std::int64_t j = 0; j < u; ++j)
    if (!host::usable(diag, "LUMENA_MUL001", mul[j], host::kViscosity)) return false;
  return true;
}

std::optional<double> dl102_viscosity(const MixedSolvent& a, std::int64_t u, const void* context) {
  const auto& h = *static_cast<const Dl102Host*>(context);
  // The pure viscosities go into XS after the host's offset (ZEL_PPRIV word 9). An offset
  // smaller than u would overwrite the solvent fractions still to be mixed, so then they
  // are kept in the library's own storage instead.
  const std::int64_t offset = host::int_word(ZEL_PPRIV, 9);
  const Diag diag(a.id, a.KDIAG, host::Closing::Word19);
  // A negative or absurd offset (a real stored where the integer belongs) is no place to write.
  if (!host::count_word(diag, "ZEL_PPRIV", 9, offset, 0)) return kNoViscosity;
  std::vector<double> own;
  double* mul = a.XS + offset;
  if (offset < u) {
    own.assign(static_cast<std::size_t>(u), 0.0);
    mul = own.data();
  }
  if (!host::provides(diag, reinterpret_cast<const void*>(&LUMENA_MUL001), "LUMENA_MUL001")) return kNoViscosity;
  std::fill(mul, mul + u, kUnanswered);
  LUMENA_MUL001(a.T, &u, a.KSV, a.IDSET, a.KDIAG, mul, h.p16, h.p17, h.p18, h.p19, a.CID, a.MW, h.p22, h.p23, h.p24,
                h.p25);
  if (!pure_viscosities_usable(diag, *a.T, u, mul)) return kNoViscosity;
  const std::int64_t option = h.kopt[0];
  double mum = 0.0;
  std::string_view mixing;
  switch (h.kopt[1]) {
    case 2: {
      mixing = "LUMENA_MUMIX1";
      if (!host::provides(diag, reinterpret_cast<const void*>(&LUMENA_MUMIX1), mixing)) return kNoViscosity;
      const std::int64_t ld = host::int_word(ZEL_PPRIV, 9);
      LUMENA_MUMIX1(a.T, &ld, &u, a.KSV, a.XS, a.MW, h.p28, h.p29, mul, &mum, &option);
      break;
    }
    case 1:
      mixing = "LUMENA_QUADMX";
      if (!host::provides(diag, reinterpret_cast<const void*>(&LUMENA_QUADMX), mixing)) return kNoViscosity;
      LUMENA_QUADMX(a.XS, &u, a.KSV, a.MW, h.p27, &kSix, mul, &mum, &option);
      break;
    default:
      mixing = "LUMENA_MUL201";
      if (!host::provides(diag, reinterpret_cast<const void*>(&LUMENA_MUL201), mixing)) return kNoViscosity;
      LUMENA_MUL201(a.T, a.XS, &u, a.KSV, mul, a.KDIAG, &mum, a.IDSET, h.p20, h.p21, a.MW, &option);
      break;
  }
  if (sane_temperature(*a.T) && !host::usable(diag, mixing, mum, host::kViscosity)) return kNoViscosity;
  return mum;
}

// The arguments of KOVA_DL103 that its solvent viscosity needs.
struct Dl103Host {
  double* mulw;
  const void *p18, *p19, *p20, *p21, *p22, *p23, *p24;
  const std::int64_t* kbio;
  const double* mulbps;
  double* vl;
  const void *p28, *p29, *p30, *p31, *p32;
  const double* xtol;
  const void *p35, *p36, *p37, *p38, *p39, *p40, *p41, *p42;
};

std::optional<double> dl103_viscosity(const MixedSolvent& a, std::int64_t u, const void* context) {
  const auto& h = *static_cast<const Dl103Host*>(context);
  const Diag diag(a.id, a.KDIAG, host::Closing::Word19);
  if (!host::provides(diag, reinterpret_cast<const void*>(&LUMENA_MUL001), "LUMENA_MUL001")) return kNoViscosity;
  std::fill(h.mulw, h.mulw + u, kUnanswered);
  LUMENA_MUL001(a.T, &u, a.KSV, a.IDSET, a.KDIAG, h.mulw, h.p29, h.p30, h.p31, h.p32, a.CID, a.MW, h.p18, h.p36, h.p39,
                h.p40);
  if (!pure_viscosities_usable(diag, *a.T, u, h.mulw)) return kNoViscosity;
  double mum = 0.0;
  mul205(a.T, a.XS, &u, a.KSV, h.mulw, a.KDIAG, a.IDSET, h.p18, h.p19, h.p20, h.p21, h.p22, a.CID, h.p23, h.p24, h.kbio,
         a.MW, h.mulbps, h.vl, h.p28, &mum, h.xtol, h.p35, h.p37, h.p38, h.p41, h.p42);
  // The bio-component rule gives zero only when the host failed it (reported there).
  if (mum == 0.0) return kNoViscosity;
  return mum;
}

}  // namespace

void dl102(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX, const std::int64_t* IDSET,
           double* XS, std::int64_t* KW, const std::int64_t* KDIAG, double* DL, double* MW, const kova_word* CFORM,
           double* VB, const double* KSOLU, double* FLAG, const kova_word* CID, const void* P16, const void* P17,
           const void* P18, const void* P19, const void* P20, const void* P21, const void* P22, const void* P23,
           const void* P24, const void* P25, const std::int64_t* KOPT, const void* P27, const void* P28,
           const void* P29) {
  const std::int64_t n = *N > 0 ? *N : 0;
  const MixedSolvent a{kDl102, "6X 'DIFFUSION COEFFICIENT MODEL DL1WCA HAS MISSING ' 'PARAMETERS:' /",
                       T,      X,
                       N,      IDX,
                       IDSET,  KDIAG,
                       DL,     MW,
                       CFORM,  VB,
                       KSOLU,  FLAG,
                       CID,    KW,
                       KW + n, XS};
  const Dl102Host h{P16, P17, P18, P19, P20, P21, P22, P23, P24, P25, KOPT, P27, P28, P29};
  mixed_solvent(a, dl102_viscosity, &h);
}

void dl103(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX, const std::int64_t* IDSET,
           const std::int64_t* KDIAG, double* MW, const kova_word* CFORM, double* VB, const double* KSOLU, double* FLAG,
           const kova_word* CID, double* XS, double* MULW, const void*, std::int64_t* KW, std::int64_t* KSV,
           const void* P18, const void* P19, const void* P20, const void* P21, const void* P22, const void* P23,
           const void* P24, const std::int64_t* KBIO, const double* MULBPS, double* VL, const void* P28,
           const void* P29, const void* P30, const void* P31, const void* P32, const double* XTOL, double* DL,
           const void* P35, const void* P36, const void* P37, const void* P38, const void* P39, const void* P40,
           const void* P41, const void* P42) {
  const MixedSolvent a{kDl103, "6X 'DIFFUSION COEFFICIENT MODEL DL1WCV HAS MISSING ' 'PARAMETERS:' /",
                       T,      X,
                       N,      IDX,
                       IDSET,  KDIAG,
                       DL,     MW,
                       CFORM,  VB,
                       KSOLU,  FLAG,
                       CID,    KW,
                       KSV,    XS};
  const Dl103Host h{MULW, P18, P19, P20,  P21, P22, P23, P24, KBIO, MULBPS, VL,  P28, P29,
                    P30,  P31, P32, XTOL, P35, P36, P37, P38, P39,  P40,    P41, P42};
  mixed_solvent(a, dl103_viscosity, &h);
}

// ============================================================== bio-component viscosity
namespace {
// The reciprocal of the solvent mole-fraction total, kept from call to call by each calling
// thread: a call whose
// solvent total is below XTOL reuses the one of an earlier call. It starts at 1 (weights
// taken as they come) and only a finite value is ever stored.
thread_local double stored_reciprocal = 1.0;
}  // namespace

void mul205(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX, const double* MUL,
            const std::int64_t* KDIAG, const void* P7, const void* P8, const void* P9, const void* P10, const void* P11,
            const void* P12, const void* P13, const void* P14, const void* P15, const std::int64_t* KBIO,
            const double* MW, const double* MULBPS, double* VL, const void* P20, double* MULMX, const double* XTOL,
            const void* P23, const void* P24, const void* P25, const void* P26, const void* P27) {
  const std::int64_t n = *N;
  const Ints idx(IDX), kbio(KBIO);
  const CReals x(X), mul(MUL), mw(MW);
  const Diag diag(kMul205, KDIAG);
  const double eps = host::small_threshold();

  double xsolvent = 0.0;
  bool bio = false;
  for (std::int64_t i = 1; i <= n; ++i) {
    if (kbio(idx(i)) != 1)
      xsolvent += x(i);
    else
      bio = true;
  }
  if (std::fabs(xsolvent) >= *XTOL && xsolvent != 0.0) stored_reciprocal = 1.0 / xsolvent;
  const double r = stored_reciprocal;

  // Solvent: logarithmic mean of the pure viscosities, each held at or above the host's
  // small threshold.
  double lnmu = 0.0;
  for (std::int64_t i = 1; i <= n; ++i) {
    if (kbio(idx(i)) == 1) continue;
    const double mu = mul(i) > eps ? mul(i) : eps;
    lnmu += r * x(i) * std::log(mu);
  }
  const double mus = std::exp(lnmu);
  if (!bio) {
    *MULMX = mus;
    return;
  }

  // Mixture molar volume from the host's pure liquid volumes and its ideal-mixing rule. A
  // host without them, or volumes that are not finite and positive at a sane temperature,
  // leave the mixture without a viscosity (reported, 0).
  const bool sane = host::sane_state(*T, 1.0);
  if (!host::provides(diag, reinterpret_cast<const void*>(&LUMENA_VL004), "LUMENA_VL004") ||
      !host::provides(diag, reinterpret_cast<const void*>(&LUMENA_IDLMIX), "LUMENA_IDLMIX")) {
    *MULMX = 0.0;
    return;
  }
  for (std::int64_t i = 1; sane && i <= n; ++i) VL[i - 1] = kUnanswered;
  LUMENA_VL004(T, N, IDX, &kOne, KDIAG, P7, P8, P9, P10, P11, P12, P13, P14, P15, VL, P20, P23, P24, P25, MW, P26, P27);
  // On a failure the host's volumes are not handed back either.
  const auto fail = [&] {
    for (std::int64_t i = 1; i <= n; ++i) VL[i - 1] = 0.0;
    *MULMX = 0.0;
  };
  for (std::int64_t i = 1; sane && i <= n; ++i) {
    if (host::usable(diag, "LUMENA_VL004", VL[i - 1], host::kMolarVolume)) continue;
    fail();
    return;
  }
  double vmx = 0.0;
  LUMENA_IDLMIX(X, N, &kOne, VL, &vmx, P23);
  if (sane && !host::usable(diag, "LUMENA_IDLMIX", vmx, host::kMolarVolume)) {
    fail();
    return;
  }

  // Mass concentrations and the concentration-averaged parameters.
  double ct = 0.0, c2 = 0.0, c3 = 0.0, sa = 0.0, sb = 0.0, sd = 0.0, sl = 0.0, su = 0.0;
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::int64_t c = idx(i);
    if (kbio(c) != 1) continue;
    const double ci = x(i) * mw(c) / vmx;
    const double* p = MULBPS + 5 * (c - 1);
    ct += ci;
    c2 += ci * ci;
    c3 += ci * ci * ci;
    sa += p[0] * ci;
    sb += p[1] * ci * ci;
    sd += p[2] * ci * ci * ci;
    sl += p[3] * ci;
    su += p[4] * ci;
  }
  // Bio-components listed without a usable concentration (zero fractions, or a volume that
  // gives none): the factor's limit at zero concentration is 1.
  if (!(ct > 0.0) || !std::isfinite(ct)) {
    *MULMX = mus;
    return;
  }
  const BioFactor f{sa / ct, sb / c2, sd / c3};
  const double lower = sl / ct, upper = su / ct;
  const BioDivisor div = bio_divisor(f, ct, lower, upper);

  if (div.range == BioRange::Inside) {
    *MULMX = mus / div.o;
    return;
  }
  // Beyond a bound the reciprocal factor follows its tangent, which reaches zero at a finite
  // distance; past that point no positive viscosity follows from it, and the result is held
  // at the host's small threshold.
  *MULMX = div.o > 0.0 && std::isfinite(div.o) ? mus / div.o : eps;
  if (div.range == BioRange::BelowLower) {
    diag.message_if_one(3, 1,
                        "6X 'TOTAL BIO-COMPONENT CONCENTRATION LESS THAN AVERAGE ' 'LOWER BOUND ON ' / "
                        "6X 'MULBPS PARAMETERS. EXTRAPOLATION WITH ' 'SLOPE PERFORMED BEYOND BOUND.' / "
                        "6X 'TOTAL CONCENTRATION IS ' G13.5 'KG/CUM. AVERAGE LOWER BOUND ' / 6X 'IS ' G13.5",
                        {ct, lower});
  } else {
    diag.message_if_one(3, 2,
                        "6X 'TOTAL BIO-COMPONENT CONCENTRATION MORE THAN AVERAGE ' 'UPPER BOUND ON ' / "
                        "6X 'MULBPS PARAMETERS. EXTRAPOLATION WITH ' 'SLOPE PERFORMED BEYOND BOUND.' / "
                        "6X 'TOTAL CONCENTRATION IS ' G13.5 'KG/CUM. AVERAGE UPPER BOUND ' / 6X 'IS ' G13.5",
                        {ct, upper});
  }
}

}  // namespace kova::mixing
