// Water: viscosity and thermal conductivity of water in either phase (IAPS 1985 with the
// critical enhancement; KOVA_MUV004 / KOVA_MUL004, KOVA_KV005 / KOVA_KL004) and the surface
// tension of liquid water (KOVA_SIG003), with the library's range warnings; the surface
// tension of a mixture from given pure-component values (KOVA_SIG203).
#include <string>
#include <vector>

#include "commands.h"
#include "kova/kova.h"

namespace kova::calc {

Report water(const WaterInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  require_positive(in.p, "--p");
  const Phase phase = parse_phase(in.phase);
  const refhost::ComponentSet set = refhost::ComponentSet::of({"water"});
  set.install();
  const std::vector<kova_word> cform = set.cform();
  const std::int64_t n = 1, kcalc = 1, idx = 1;
  const bool vapour = phase == Phase::vapour;
  double mu = 0.0, k = 0.0, sigma = 0.0;
  (vapour ? KOVA_MUV004 : KOVA_MUL004)(&in.t, &in.p, &n, &kcalc, &idx, &s.kdiag, nullptr, &mu, cform.data());
  (vapour ? KOVA_KV005 : KOVA_KL004)(&in.t, &in.p, &n, &kcalc, &idx, &s.kdiag, nullptr, &k, cform.data());
  if (!vapour) KOVA_SIG003(&in.t, &n, &kcalc, &idx, nullptr, nullptr, nullptr, nullptr, &sigma, cform.data());

  Report r(vapour ? "Water vapour viscosity and thermal conductivity, IAPS 1985 (KOVA_MUV004, KOVA_KV005)"
                  : "Liquid water viscosity, thermal conductivity and surface tension, IAPS 1985 "
                    "(KOVA_MUL004, KOVA_KL004, KOVA_SIG003)");
  r.input("T", in.t, "K").input("P", in.p, "Pa").input("phase", to_string(phase));
  if (vapour) {
    r.table("water", {{"phase", ""}, {"MU", "Pa s"}, {"K", "W/(m K)"}}).row({to_string(phase), mu, k});
  } else {
    r.table("water", {{"phase", ""}, {"MU", "Pa s"}, {"K", "W/(m K)"}, {"SIGMA", "N/m"}})
        .row({to_string(phase), mu, k, sigma});
  }
  r.note("Density from the host's IAPWS-IF97 equation of state in the requested phase; at or below 647.27 K a");
  r.note("vapour above its saturation pressure or a liquid below it is evaluated at saturation.");
  r.note("Range of the 1985 formulations: viscosity from 273.15 K, to 500/350/300 MPa up to 423.15/873.15/1173.15 K;");
  r.note("conductivity from 273.15 K, to 400/200/150/100 MPa up to 398.15/523.15/673.15/1073.15 K.");
  if (!vapour) r.note("SIGMA is 0 outside 273.16 K <= T < 647.067 K.");
  return r;
}

Report surface_tension(const SurfaceTensionInput& in, const Settings&) {
  const Mixture m = build_mixture(in.components, in.x, /*need_composition=*/true);
  const std::int64_t n = m.n();
  if (static_cast<std::int64_t>(in.sigma.size()) != n)
    throw InputError("--sigma needs " + std::to_string(n) + " values, one per component");
  if (!in.vw.empty() && static_cast<std::int64_t>(in.vw.size()) != n)
    throw InputError("--vw needs " + std::to_string(n) + " values, one per component");
  std::vector<std::int64_t> kmark(static_cast<std::size_t>(n), 0);
  for (const std::string& name : in.marked) {
    const refhost::Component* c = refhost::find_component(name);
    std::int64_t found = 0;
    for (std::int64_t i = 1; i <= n && c != nullptr; ++i)
      if (&m.set.component(i) == c) found = i;
    if (found == 0) throw InputError("--marked: " + name + " is not one of the components");
    kmark[static_cast<std::size_t>(found - 1)] = 1;
  }
  const std::vector<double> vw = in.vw.empty() ? std::vector<double>(static_cast<std::size_t>(n), 1.0) : in.vw;
  double sigmx = 0.0;
  KOVA_SIG203(m.x.data(), &n, m.idx.data(), &in.nexp, in.sigma.data(), nullptr, vw.data(), kmark.data(), &sigmx);

  Report r("Mixture surface tension, power-law rule (KOVA_SIG203)");
  std::vector<std::string> names;
  for (std::int64_t i = 1; i <= n; ++i) names.push_back(m.name(i));
  r.input("components", names).input("x", m.x).input("NEXP", in.nexp);
  Table& t = r.table("components", {{"component", ""}, {"x", ""}, {"SIG", "N/m"}, {"marked", ""}, {"VW", ""}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    t.row({m.name(i), m.x[k], in.sigma[k], std::string(kmark[k] == 1 ? "yes" : "no"), vw[k]});
  }
  r.table("mixture", {{"SIGMX", "N/m"}}).row({sigmx});
  r.note("SIGMX = sum over marked j of phi_j SIG_j + (sum over unmarked of (x/S) SIG^n)^(1/n) (1 - sum phi_j),");
  r.note("phi_j = x_j VW_j / sum x VW, S the unmarked mole-fraction total; NEXP 0 is taken as 1.");
  return r;
}

}  // namespace kova::calc
