// kova water: viscosity and thermal conductivity of water in either phase (IAPS 1985 with the
// critical enhancement; KOVA_MUV004 / KOVA_MUL004, KOVA_KV005 / KOVA_KL004) and the surface
// tension of liquid water (KOVA_SIG003), with the library's range warnings.
// kova surface-tension: mixture surface tension from given pure-component values (KOVA_SIG203).
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "command.h"
#include "kova/kova.h"

namespace kova::cli {
namespace {

// ---------------------------------------------------------------- water

struct WaterOptions {
  double t = 0.0, p = 0.0;
  Phase phase = Phase::vapour;
};

Report run_water(const WaterOptions& o, const Session& s) {
  const refhost::ComponentSet set = refhost::ComponentSet::of({"water"});
  set.install();
  const std::vector<kova_word> cform = set.cform();
  const std::int64_t n = 1, kcalc = 1, idx = 1;
  const bool vapour = o.phase == Phase::vapour;
  double mu = 0.0, k = 0.0, sigma = 0.0;
  (vapour ? KOVA_MUV004 : KOVA_MUL004)(&o.t, &o.p, &n, &kcalc, &idx, &s.kdiag, nullptr, &mu, cform.data());
  (vapour ? KOVA_KV005 : KOVA_KL004)(&o.t, &o.p, &n, &kcalc, &idx, &s.kdiag, nullptr, &k, cform.data());
  if (!vapour) KOVA_SIG003(&o.t, &n, &kcalc, &idx, nullptr, nullptr, nullptr, nullptr, &sigma, cform.data());

  Report r(vapour ? "Water vapour viscosity and thermal conductivity, IAPS 1985 (KOVA_MUV004, KOVA_KV005)"
                  : "Liquid water viscosity, thermal conductivity and surface tension, IAPS 1985 "
                    "(KOVA_MUL004, KOVA_KL004, KOVA_SIG003)");
  r.input("T", o.t, "K").input("P", o.p, "Pa").input("phase", to_string(o.phase));
  if (vapour) {
    r.table("water", {{"phase", ""}, {"MU", "Pa s"}, {"K", "W/(m K)"}}).row({to_string(o.phase), mu, k});
  } else {
    r.table("water", {{"phase", ""}, {"MU", "Pa s"}, {"K", "W/(m K)"}, {"SIGMA", "N/m"}})
        .row({to_string(o.phase), mu, k, sigma});
  }
  r.note("Density from the host's IAPWS-IF97 equation of state in the requested phase; at or below 647.27 K a");
  r.note("vapour above its saturation pressure or a liquid below it is evaluated at saturation.");
  r.note("Range of the 1985 formulations: viscosity from 273.15 K, to 500/350/300 MPa up to 423.15/873.15/1173.15 K;");
  r.note("conductivity from 273.15 K, to 400/200/150/100 MPa up to 398.15/523.15/673.15/1073.15 K.");
  if (!vapour) r.note("SIGMA is 0 outside 273.16 K <= T < 647.067 K.");
  return r;
}

const Registration water{"water",
                         "Water viscosity, thermal conductivity (IAPS 1985) and surface tension at T, P in one phase",
                         [](CLI::App& app) -> Action {
                           auto o = std::make_shared<WaterOptions>();
                           add_temperature(app, o->t);
                           add_pressure(app, o->p);
                           add_phase(app, o->phase);
                           return [o](const Session& s) { return run_water(*o, s); };
                         }};

// ---------------------------------------------------------------- surface tension of a mixture

struct MixtureSigmaOptions {
  MixtureOptions mixture;
  std::vector<double> sigma;
  std::vector<std::string> marked;
  std::vector<double> vw;
  std::int64_t nexp = 1;
};

Report run_mixture(const MixtureSigmaOptions& o, const Session&) {
  const Mixture m = o.mixture.build(/*need_composition=*/true);
  const std::int64_t n = m.n();
  if (static_cast<std::int64_t>(o.sigma.size()) != n)
    throw UsageError("--sigma needs " + std::to_string(n) + " values, one per component");
  if (!o.vw.empty() && static_cast<std::int64_t>(o.vw.size()) != n)
    throw UsageError("--vw needs " + std::to_string(n) + " values, one per component");
  std::vector<std::int64_t> kmark(static_cast<std::size_t>(n), 0);
  for (const std::string& name : o.marked) {
    const refhost::Component* c = refhost::find_component(name);
    std::int64_t found = 0;
    for (std::int64_t i = 1; i <= n && c != nullptr; ++i)
      if (&m.set.component(i) == c) found = i;
    if (found == 0) throw UsageError("--marked: " + name + " is not one of the components");
    kmark[static_cast<std::size_t>(found - 1)] = 1;
  }
  const std::vector<double> vw = o.vw.empty() ? std::vector<double>(static_cast<std::size_t>(n), 1.0) : o.vw;
  double sigmx = 0.0;
  KOVA_SIG203(m.x.data(), &n, m.idx.data(), &o.nexp, o.sigma.data(), nullptr, vw.data(), kmark.data(), &sigmx);

  Report r("Mixture surface tension, power-law rule (KOVA_SIG203)");
  std::vector<std::string> names;
  for (std::int64_t i = 1; i <= n; ++i) names.push_back(m.name(i));
  r.input("components", names).input("x", m.x).input("NEXP", o.nexp);
  Table& t = r.table("components", {{"component", ""}, {"x", ""}, {"SIG", "N/m"}, {"marked", ""}, {"VW", ""}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    t.row({m.name(i), m.x[k], o.sigma[k], std::string(kmark[k] == 1 ? "yes" : "no"), vw[k]});
  }
  r.table("mixture", {{"SIGMX", "N/m"}}).row({sigmx});
  r.note("SIGMX = sum over marked j of phi_j SIG_j + (sum over unmarked of (x/S) SIG^n)^(1/n) (1 - sum phi_j),");
  r.note("phi_j = x_j VW_j / sum x VW, S the unmarked mole-fraction total; NEXP 0 is taken as 1.");
  return r;
}

const Registration surface_tension{
    "surface-tension", "Mixture surface tension from pure-component values (power-law rule, marked components linear)",
    [](CLI::App& app) -> Action {
      auto o = std::make_shared<MixtureSigmaOptions>();
      o->mixture.add_to(app);
      app.add_option("--sigma", o->sigma, "pure-component surface tensions, N/m, in the order of --components")
          ->required()
          ->delimiter(',');
      app.add_option("--nexp", o->nexp, "exponent n of the power-law rule (0 is taken as 1)");
      app.add_option("--marked", o->marked, "components that enter linearly by their weighted fractions")
          ->delimiter(',');
      app.add_option("--vw", o->vw, "weighting factors of the marked components, in the order of --components")
          ->delimiter(',');
      return [o](const Session& s) { return run_mixture(*o, s); };
    },
    /*calls_library=*/false};

}  // namespace
}  // namespace kova::cli
