// kova wilke, kova lucas, kova stiel-thodos, kova letsou-stiel: the Wilke/Brokaw mixture
// viscosity (KOVA_MUV201), Lucas vapour viscosity (KOVA_MUV005, KOVA_MUV204), the
// Stiel-Thodos dense-gas conductivity (KOVA_KV006, KOVA_KV204, KOVA_KV003, KOVA_KV202) and
// the Letsou-Stiel liquid viscosity (KOVA_MUL005) of databank components.
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "command.h"
#include "kova/kova.h"
#include "vapour_pressure.h"

namespace kova::cli {
namespace {

std::vector<std::string> names_of(const Mixture& m) {
  std::vector<std::string> names;
  for (std::int64_t i = 1; i <= m.n(); ++i) names.push_back(m.name(i));
  return names;
}

// A comma-separated list of positive reals, one per component.
CLI::Option* add_list(CLI::App& app, const std::string& names, std::vector<double>& values, const std::string& help) {
  return app.add_option(names, values, help)->delimiter(',')->check(positive_number());
}

void need_one_per_component(const std::vector<double>& values, const Mixture& m, const std::string& option) {
  if (values.size() != static_cast<std::size_t>(m.n()))
    throw UsageError(option + ": " + std::to_string(values.size()) + " value(s) for " + std::to_string(m.n()) +
                     " components");
}

// ---------------------------------------------------------------- wilke

struct WilkeOptions {
  MixtureOptions mixture;
  double t = 0.0;
  std::vector<double> mulp;
};

Report run_wilke(const WilkeOptions& o, const Session& s) {
  const Mixture m = o.mixture.build(/*need_composition=*/true);
  need_one_per_component(o.mulp, m, "--mulp");
  std::vector<double> mw = m.set.param("MW"), tb = m.set.param("TB"), vb = m.set.param("VB"),
                      mup = m.set.param("MUP_SI"), flag = m.set.flags();
  const std::vector<double> eps = m.set.param("STK_EPSK"), sigma = m.set.param("STK_SIGMA");
  std::vector<double> stk;
  for (std::size_t k = 0; k < eps.size(); ++k) {
    stk.push_back(eps[k]);
    stk.push_back(sigma[k]);
  }
  const std::int64_t n = m.n(), idset = 1;
  double mix = 0.0;
  KOVA_MUV201(&o.t, m.x.data(), &n, m.idx.data(), o.mulp.data(), &idset, &s.kdiag, &mix, mw.data(), tb.data(),
              vb.data(), mup.data(), stk.data(), flag.data(), m.cid.data());

  Report r("Wilke mixture viscosity with Brokaw factors (KOVA_MUV201)");
  r.input("components", names_of(m)).input("x", m.x).input("T", o.t, "K").input("MUVLP", o.mulp, "Pa s");
  Table& c = r.table("components", {{"component", ""}, {"x", ""}, {"MUVLP", "Pa s"}, {"MW", "kg/kmol"},
                                    {"eps/k", "K"}, {"sigma", "m"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    c.row({m.name(i), m.x[k], o.mulp[k], mw[k], stk[2 * k], stk[2 * k + 1]});
  }
  r.table("mixture", {{"MUVXLP", "Pa s"}}).row({mix});
  r.note("eps/k, sigma: Stockmayer parameters, from the databank or estimated from TB, VB and the dipole moment.");
  return r;
}

const Registration wilke{"wilke", "Wilke mixture viscosity of a low-pressure vapour with Brokaw's factors",
                         [](CLI::App& app) -> Action {
                           auto o = std::make_shared<WilkeOptions>();
                           o->mixture.add_to(app);
                           add_temperature(app, o->t);
                           add_list(app, "--mulp", o->mulp,
                                    "low-pressure viscosity of each component at T, Pa s, comma-separated")
                               ->required();
                           return [o](const Session& s) { return run_wilke(*o, s); };
                         }};

// ---------------------------------------------------------------- lucas

struct LucasOptions {
  MixtureOptions mixture;
  double t = 0.0, p = 0.0;
};

Report run_lucas(const LucasOptions& o, const Session& s) {
  const Mixture m = o.mixture.build(/*need_composition=*/true);
  std::vector<double> tc = m.set.param("TC"), pc = m.set.param("PC"), zc = m.set.param("ZC"), mw = m.set.param("MW"),
                      mup = m.set.param("MUP_DEBYE"), flag = m.set.flags();
  // The reduced dipole moment as the host forms it: 52.46 mu[D]^2 Pc[bar] / Tc^2.
  std::vector<double> mur;
  for (std::size_t k = 0; k < tc.size(); ++k)
    mur.push_back(mup[k] == refhost::kMissing ? 0.0 : 52.46 * mup[k] * mup[k] * pc[k] * 1e-5 / (tc[k] * tc[k]));
  const refhost::VapourPressureData vp(m.set);
  const auto& a = vp.pla();
  const std::int64_t n = m.n(), idset = 1, kcalc = 1;
  std::vector<double> pres(static_cast<std::size_t>(n), o.p), muv(static_cast<std::size_t>(n), 0.0);
  KOVA_MUV005(&o.t, pres.data(), &n, m.idx.data(), &s.kdiag, &idset, &kcalc, muv.data(), tc.data(), pc.data(),
              zc.data(), mw.data(), mup.data(), mur.data(), m.cform.data(), flag.data(), m.cid.data(), a[0], a[1],
              a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11], a[12], a[13]);
  double mix = 0.0;
  KOVA_MUV204(&o.t, &o.p, m.x.data(), &n, m.idx.data(), &s.kdiag, &idset, &kcalc, &mix, tc.data(), pc.data(),
              zc.data(), mw.data(), mup.data(), mur.data(), m.cform.data(), flag.data(), m.cid.data());

  Report r("Lucas vapour viscosity (KOVA_MUV005, KOVA_MUV204)");
  r.input("components", names_of(m)).input("x", m.x).input("T", o.t, "K").input("P", o.p, "Pa");
  Table& c = r.table("components", {{"component", ""}, {"x", ""}, {"Tr", ""}, {"Pr", ""}, {"MUR", ""}, {"MUV", "Pa s"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    c.row({m.name(i), m.x[k], o.t / tc[k], o.p / pc[k], mur[k], muv[k]});
  }
  r.table("mixture", {{"MUVMX", "Pa s"}}).row({mix});
  r.note("MUV: each component at T and P; below its critical temperature at no more than its vapour pressure.");
  r.note("MUVMX: the mixture from pseudo-critical constants; below their temperature at a reduced pressure of at most 1.");
  return r;
}

const Registration lucas{"lucas", "Lucas vapour viscosity of pure components and the mixture, any pressure",
                         [](CLI::App& app) -> Action {
                           auto o = std::make_shared<LucasOptions>();
                           o->mixture.add_to(app);
                           add_temperature(app, o->t);
                           add_pressure(app, o->p);
                           return [o](const Session& s) { return run_lucas(*o, s); };
                         }};

// ---------------------------------------------------------------- stiel-thodos

struct StielThodosOptions {
  MixtureOptions mixture;
  MolarVolume volume;
  std::vector<double> klp;  // low-pressure conductivity of each component
  double kmxlp = std::numeric_limits<double>::quiet_NaN();
};

Report run_stiel_thodos(const StielThodosOptions& o, const Session& s) {
  const Mixture m = o.mixture.build(/*need_composition=*/true);
  const double v = o.volume.of(m, 0.0, m.x), rho = 1.0 / v;  // given directly: no temperature needed
  const bool pure_totals = !o.klp.empty(), mixture_total = !std::isnan(o.kmxlp);
  if (pure_totals) need_one_per_component(o.klp, m, "--klp");
  std::vector<double> tc = m.set.param("TC"), pc = m.set.param("PC"), vc = m.set.param("VC"), zc = m.set.param("ZC"),
                      mw = m.set.param("MW"), flag = m.set.flags();
  const std::int64_t n = m.n();
  std::vector<double> vv(static_cast<std::size_t>(n), v), kvpc(static_cast<std::size_t>(n), 0.0);
  KOVA_KV006(&n, m.idx.data(), vv.data(), &s.kdiag, kvpc.data(), tc.data(), mw.data(), vc.data(), pc.data(), zc.data(),
             flag.data(), m.cid.data());
  std::vector<double> kv = o.klp;
  std::int64_t ker = 0;
  if (pure_totals)
    KOVA_KV003(&n, m.idx.data(), vv.data(), &s.kdiag, tc.data(), mw.data(), vc.data(), pc.data(), zc.data(),
               flag.data(), m.cid.data(), kv.data(), &ker);
  double kvmxpc = 0.0, kvmx = 0.0;
  KOVA_KV204(m.x.data(), &n, m.idx.data(), &v, &s.kdiag, &kvmxpc, tc.data(), mw.data(), vc.data(), zc.data(),
             flag.data(), m.cid.data());
  if (mixture_total)
    KOVA_KV202(m.x.data(), &n, m.idx.data(), &rho, &o.kmxlp, &s.kdiag, &kvmx, tc.data(), mw.data(), vc.data(),
               zc.data(), m.cid.data());

  Report r("Stiel-Thodos dense-gas thermal conductivity (KOVA_KV006, KOVA_KV204" +
           std::string(pure_totals ? ", KOVA_KV003" : "") + std::string(mixture_total ? ", KOVA_KV202" : "") + ")");
  r.input("components", names_of(m)).input("x", m.x).input("V", v, "m3/kmol").input("rho", rho, "kmol/m3");
  if (pure_totals) r.input("KLP", o.klp, "W/(m K)");
  if (mixture_total) r.input("KVMXLP", o.kmxlp, "W/(m K)");
  std::vector<Column> cols{{"component", ""}, {"x", ""}, {"rho_r", ""}, {"KVPC", "W/(m K)"}};
  if (pure_totals) cols.push_back({"KV", "W/(m K)"});
  Table& c = r.table("components", cols);
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    std::vector<Cell> row{m.name(i), m.x[k], vc[k] / v, kvpc[k]};
    if (pure_totals) row.push_back(kv[k]);
    c.row(row);
  }
  if (mixture_total)
    r.table("mixture", {{"KVMXPC", "W/(m K)"}, {"KVMX", "W/(m K)"}}).row({kvmxpc, kvmx});
  else
    r.table("mixture", {{"KVMXPC", "W/(m K)"}}).row({kvmxpc});
  r.note("KVPC, KVMXPC: excess of the dense vapour's conductivity over its low-pressure value at V; rho_r = VC/V.");
  r.note("Above a reduced density of 2.8 the correlation is extrapolated linearly, with a warning.");
  return r;
}

const Registration stiel_thodos{
    "stiel-thodos", "Stiel-Thodos dense-gas thermal conductivity of vapours, pure components and mixture",
    [](CLI::App& app) -> Action {
      auto o = std::make_shared<StielThodosOptions>();
      o->mixture.add_to(app);
      add_molar_volume(app, o->volume);
      add_list(app, "--klp", o->klp,
               "low-pressure conductivity of each component, W/(m K), comma-separated: also gives KV");
      add_positive(app, "--kmxlp", o->kmxlp, "low-pressure conductivity of the mixture, W/(m K): also gives KVMX");
      return [o](const Session& s) { return run_stiel_thodos(*o, s); };
    }};

// ---------------------------------------------------------------- letsou-stiel

struct LetsouStielOptions {
  MixtureOptions mixture;
  double t = 0.0;
};

Report run_letsou_stiel(const LetsouStielOptions& o, const Session& s) {
  const Mixture m = o.mixture.build(/*need_composition=*/false);
  std::vector<double> tc = m.set.param("TC"), pc = m.set.param("PC"), mw = m.set.param("MW"),
                      omega = m.set.param("OMEGA"), flag = m.set.flags();
  const std::int64_t n = m.n();
  std::vector<double> mul(static_cast<std::size_t>(n), 0.0);
  KOVA_MUL005(&o.t, &n, m.idx.data(), &s.kdiag, mul.data(), tc.data(), pc.data(), mw.data(), omega.data(), flag.data(),
              m.cid.data());

  Report r("Letsou-Stiel liquid viscosity (KOVA_MUL005)");
  r.input("components", names_of(m)).input("T", o.t, "K");
  Table& c = r.table("components", {{"component", ""}, {"Tr", ""}, {"OMEGA", ""}, {"MUL", "Pa s"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    c.row({m.name(i), o.t / tc[k], omega[k], mul[k]});
  }
  r.note("The correlation covers reduced temperatures from 0.76 to 0.98; outside, it is limited or extrapolated, with a warning.");
  return r;
}

const Registration letsou_stiel{"letsou-stiel", "Letsou-Stiel liquid viscosity of each component",
                                [](CLI::App& app) -> Action {
                                  auto o = std::make_shared<LetsouStielOptions>();
                                  o->mixture.add_to(app, /*with_composition=*/false);
                                  add_temperature(app, o->t);
                                  return [o](const Session& s) { return run_letsou_stiel(*o, s); };
                                }};

}  // namespace
}  // namespace kova::cli
