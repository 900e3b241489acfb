// Chung-Lee-Starling viscosity and thermal conductivity of the listed components and of
// their mixture. Low-pressure vapour viscosity (KOVA_MUV008, KOVA_MUV206), dense-fluid
// viscosity (KOVA_MUVL04, KOVA_MUVL03) and thermal conductivity (KOVA_KVL03, KOVA_KVL02) at a
// molar volume given directly, as a density, or from the host's equation of state at a
// pressure, from the reference host's pair arrays.
#include <cmath>
#include <string>
#include <vector>

#include "chung_pairs.h"
#include "commands.h"
#include "kova/host.h"
#include "kova/kova.h"

namespace kova::calc {
namespace {

constexpr double kAtmosphere = 101325.0;  // Pa

// Ideal-gas heat capacity of a databank component at t, J/(kmol K): the polynomial in Cp/R
// times the host's gas constant (NaN when the databank has no polynomial).
double ideal_gas_cp(const refhost::Component& c, double t, double r) {
  double sum = 0.0, power = 1.0;
  for (const char* column : {"CPIG_A0", "CPIG_A1", "CPIG_A2", "CPIG_A3", "CPIG_A4"}) {
    const auto a = c.get(column);
    if (!a) return std::nan("");
    sum += *a * power;
    power *= t;
  }
  return r * sum;
}

}  // namespace

Report chung(const ChungInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  MolarVolume mv{in.volume, in.density, in.p, /*pressure_offered=*/true};
  mv.check();
  const Mixture m = build_mixture(in.components, in.x, /*need_composition=*/true);
  const std::int64_t n = m.n();
  const std::size_t nn = static_cast<std::size_t>(n);
  const double r = NORVA_PPGLOB[2].r;
  const bool given = mv.given();
  // Without a state, the dense-fluid values are those of the ideal gas at one atmosphere.
  const double v = given ? mv.of(m, in.t, m.x) : r * in.t / kAtmosphere;

  // What the host prepares: the pair arrays, the presence-tested parameters and one
  // check-flag array per model (shared by its pure and mixture routines).
  const refhost::ChungPairs p = refhost::chung_pairs(m.set);
  const std::vector<double> mup = m.set.param("MUP_DEBYE"), mw = m.set.param("MW"), tc = m.set.param("TC"),
                            vc = m.set.param("VC"), omega = m.set.param("OMEGA");
  std::vector<double> flag_lp = m.set.flags(), flag_dense = m.set.flags(), flag_k = m.set.flags();
  const std::int64_t idset = 1, kcalc = 1, ker = 0;
  const double dummy = 0.0;

  std::vector<double> muvlp(nn, 0.0), mu(nn, 0.0), k(nn, 0.0), vv(nn, v), cp(nn, 0.0);
  double cpmx = 0.0;
  for (std::int64_t i = 1; i <= n; ++i) {
    if (given) vv[static_cast<std::size_t>(i - 1)] = mv.of_component(m, in.t, i);
    cp[static_cast<std::size_t>(i - 1)] = ideal_gas_cp(m.set.component(i), in.t, r);
    cpmx += m.x[static_cast<std::size_t>(i - 1)] * cp[static_cast<std::size_t>(i - 1)];
  }

  KOVA_MUV008(&in.t, &n, m.idx.data(), &s.kdiag, &idset, &kcalc, muvlp.data(), mup.data(), mw.data(), tc.data(),
              vc.data(), omega.data(), p.sig3.data(), p.epsig3.data(), p.epsig2m.data(), p.dipsig3.data(),
              p.sqkap.data(), p.omsig3.data(), flag_lp.data(), m.cid.data());
  double muvmxlp = 0.0;
  KOVA_MUV206(&in.t, m.x.data(), &n, m.idx.data(), &s.kdiag, &idset, &kcalc, &muvmxlp, mup.data(), mw.data(),
              tc.data(), vc.data(), omega.data(), p.sig3.data(), p.epsig3.data(), p.epsig2m.data(), p.dipsig3.data(),
              p.sqkap.data(), p.omsig3.data(), flag_lp.data(), m.cid.data());
  KOVA_MUVL04(&in.t, &n, m.idx.data(), &s.kdiag, &idset, &kcalc, vv.data(), mu.data(), mup.data(), &dummy, mw.data(),
              tc.data(), vc.data(), omega.data(), p.sig3.data(), p.epsig3.data(), p.epsig2m.data(), p.dipsig3.data(),
              p.sqkap.data(), p.omsig3.data(), flag_dense.data(), m.cid.data(), &in.kcoef);
  double mumx = 0.0;
  KOVA_MUVL03(&in.t, m.x.data(), &n, m.idx.data(), &s.kdiag, &idset, &kcalc, &v, &mumx, mup.data(), mw.data(),
              tc.data(), vc.data(), omega.data(), p.sig3.data(), p.epsig3.data(), p.epsig2m.data(), p.dipsig3.data(),
              p.sqkap.data(), p.omsig3.data(), flag_dense.data(), m.cid.data(), &in.kcoef);
  KOVA_KVL03(&in.t, &n, m.idx.data(), &s.kdiag, &idset, &kcalc, vv.data(), muvlp.data(), cp.data(), k.data(), &ker,
             mup.data(), mw.data(), tc.data(), vc.data(), omega.data(), p.sig3.data(), p.epsig3.data(),
             p.epsig2m.data(), p.dipsig3.data(), p.sqkap.data(), p.omsig3.data(), flag_k.data(), m.cid.data());
  double kmx = 0.0;
  KOVA_KVL02(&in.t, m.x.data(), &n, m.idx.data(), &s.kdiag, &idset, &kcalc, &v, &muvmxlp, &cpmx, &kmx, &ker,
             mup.data(), mw.data(), tc.data(), vc.data(), omega.data(), p.sig3.data(), p.epsig3.data(),
             p.epsig2m.data(), p.dipsig3.data(), p.sqkap.data(), p.omsig3.data(), flag_k.data(), m.cid.data());

  Report rep("Chung-Lee-Starling viscosity and thermal conductivity (KOVA_MUV008, KOVA_MUV206, KOVA_MUVL04, "
             "KOVA_MUVL03, KOVA_KVL03, KOVA_KVL02)");
  std::vector<std::string> names;
  for (std::int64_t i = 1; i <= n; ++i) names.push_back(m.name(i));
  rep.input("components", names).input("x", m.x).input("T", in.t, "K");
  if (mv.from_pressure()) rep.input("P", mv.pressure, "Pa");
  rep.input("V", v, "m3/kmol");
  rep.input("KCOEF", in.kcoef);

  Table& pure = rep.table("components", {{"component", ""},
                                         {"x", ""},
                                         {"V", "m3/kmol"},
                                         {"MUVLP", "Pa s"},
                                         {"MU", "Pa s"},
                                         {"CP", "J/(kmol K)"},
                                         {"K", "W/(m K)"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t j = static_cast<std::size_t>(i - 1);
    pure.row({m.name(i), m.x[j], vv[j], muvlp[j], mu[j], cp[j], k[j]});
  }
  rep.table("mixture", {{"MUVMXLP", "Pa s"}, {"MUVMX", "Pa s"}, {"CPMX", "J/(kmol K)"}, {"KMX", "W/(m K)"}})
      .row({muvmxlp, mumx, cpmx, kmx});

  rep.note("MUVLP, MUVMXLP: low-pressure vapour viscosity. MU, K: each component at its V; MUVMX, KMX: the "
           "mixture at the V of the inputs.");
  if (mv.from_pressure())
    rep.note("V (mixture and each component alone): the reference host's Peng-Robinson vapour volume at T and P.");
  rep.note("K, KMX: thermal conductivity from the low-pressure viscosity and the ideal-gas heat capacity CP "
           "of the databank polynomial.");
  if (!given) rep.note("No --volume, --density or --p given: V is the ideal-gas molar volume at 101325 Pa.");
  if (in.kcoef == 1) rep.note("KCOEF = 1: dense-fluid viscosity with the two-column (non-polar) coefficient set.");
  return rep;
}

}  // namespace kova::calc
