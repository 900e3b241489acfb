// TRAPP: Ely-Hanley corresponding-states viscosity and thermal conductivity of a databank
// mixture at (T, P, phase): the mixture (KOVA_MUV203 / KOVA_MUL204, KOVA_KV203 / KOVA_KL202),
// each component alone at the same state (KOVA_MUV003 / KOVA_MUL003, KOVA_KV004 / KOVA_KL003),
// and the equivalent methane state of the mixture from KOVA_PRT1.
#include <algorithm>
#include <cmath>
#include <vector>

#include "commands.h"
#include "phase.h"
#include "ranges.h"
#include "kova/kova.h"

namespace kova::calc {

std::vector<double> trapp_liquid_conductivities(const Mixture& m, double t, const Settings& s) {
  const std::int64_t n = m.n(), kcalc = 1, idset = 1;
  std::vector<double> tc = m.set.param("TC"), pc = m.set.param("PC"), vc = m.set.param("VC"), zc = m.set.param("ZC"),
                      omega = m.set.param("OMEGA"), mw = m.set.param("MW"), flag = m.set.flags();
  const std::int64_t o2 = n * (n + 1) / 2;
  std::vector<double> work(static_cast<std::size_t>(4 * n + 2 + 4 * o2 + std::max(o2, 3 * n) + 16), 0.0);
  std::vector<std::int64_t> iptr(10, 0);
  std::vector<double> pp = host_vapour_pressures(m.set, t), k(static_cast<std::size_t>(n), 0.0);
  for (double& p : pp) p = std::isfinite(p) ? std::max(1.01 * p, 101325.0) : 101325.0;
  std::int64_t kconv = 0;
  KOVA_KL003(&t, pp.data(), &n, &kcalc, m.idx.data(), nullptr, nullptr, &s.kdiag, &idset, k.data(), &kconv, zc.data(),
             mw.data(), tc.data(), pc.data(), vc.data(), omega.data(), flag.data(), m.cid.data(), work.data(),
             iptr.data());
  return k;
}

Report trapp(const TrappInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  require_positive(in.p, "--p");
  const PhaseRequest request = parse_phase_option(in.phase);
  const Mixture m = build_mixture(in.components, in.x, /*need_composition=*/true, in.w, in.normalize);
  const std::int64_t n = m.n(), kcalc = 1, idset = 1;
  const PhaseDecision decision = decide_phase(request, m.set, m.x, in.t, in.p);
  const bool vapour = !decision.liquid;
  const Phase phase = vapour ? Phase::vapour : Phase::liquid;
  // The routines compute a phase that cannot exist at (T, P) in the other one: what each row
  // holds is the phase of its state, and the asked phase only where both exist.
  auto computed = [&](const PhaseDecision& d) -> std::string {
    if (d.state == PhaseState::liquid) return "liquid";
    if (d.state == PhaseState::vapour) return "vapour";
    return to_string(d.liquid ? Phase::liquid : Phase::vapour);
  };
  const std::string mixture_phase = computed(decision);

  // One parameter set and one flag array for all calls, as a host keeps them.
  std::vector<double> tc = m.set.param("TC"), pc = m.set.param("PC"), vc = m.set.param("VC"),
                      zc = m.set.param("ZC"), omega = m.set.param("OMEGA"), mw = m.set.param("MW"),
                      flag = m.set.flags();
  const std::int64_t o2 = n * (n + 1) / 2;
  std::vector<double> work(static_cast<std::size_t>(4 * n + 2 + 4 * o2 + std::max(o2, 3 * n) + 16), 0.0);
  std::vector<std::int64_t> iptr(10, 0);

  // Pure components first, the mixture last, so that KOVA_PRT1 holds the mixture's state.
  std::vector<double> pp(static_cast<std::size_t>(n), in.p), mu(static_cast<std::size_t>(n), 0.0),
      k(static_cast<std::size_t>(n), 0.0);
  std::int64_t kconv_each = 0, kconv = 0;
  (vapour ? KOVA_MUV003 : KOVA_MUL003)(&in.t, pp.data(), &n, &kcalc, m.idx.data(), work.data(), iptr.data(),
                                       &s.kdiag, &idset, mu.data(), nullptr, m.cid.data(), tc.data(), pc.data(),
                                       vc.data(), zc.data(), omega.data(), flag.data(), mw.data());
  (vapour ? KOVA_KV004 : KOVA_KL003)(&in.t, pp.data(), &n, &kcalc, m.idx.data(), nullptr, nullptr, &s.kdiag, &idset,
                                     k.data(), &kconv_each, zc.data(), mw.data(), tc.data(), pc.data(), vc.data(),
                                     omega.data(), flag.data(), m.cid.data(), work.data(), iptr.data());
  double kmx = 0.0, mumx = 0.0;
  (vapour ? KOVA_KV203 : KOVA_KL202)(&in.t, &in.p, m.x.data(), &n, &kcalc, m.idx.data(), nullptr, nullptr, &s.kdiag,
                                     &idset, &kmx, &kconv, zc.data(), mw.data(), tc.data(), pc.data(), vc.data(),
                                     omega.data(), flag.data(), m.cid.data(), work.data(), iptr.data());
  const double lambda_ref = KOVA_PRT1[4], internal = KOVA_PRT1[11], xlambda = KOVA_PRT1[2], flambda = KOVA_PRT1[3];
  (vapour ? KOVA_MUV203 : KOVA_MUL204)(&in.t, &in.p, m.x.data(), &n, &kcalc, m.idx.data(), work.data(), iptr.data(),
                                       &s.kdiag, &idset, &mumx, nullptr, m.cid.data(), tc.data(), pc.data(),
                                       vc.data(), zc.data(), omega.data(), flag.data(), mw.data());

  Report r(mixture_phase == "vapour" ? "TRAPP (Ely-Hanley) vapour viscosity and thermal conductivity"
                                     : "TRAPP (Ely-Hanley) liquid viscosity and thermal conductivity");
  r.input("components", m.names())
      .input("x", m.x)
      .input("T", in.t, "K")
      .input("P", in.p, "Pa")
      .input("phase", to_string(request))
      .input("state", to_string(decision.state) + ": " + decision.reason);
  for (const std::string& w : decision.warnings) r.warn("mixture", w);
  if (mixture_phase != to_string(phase))
    r.warn("mixture", "the " + to_string(phase) + " routines were called; at T and P they compute the " +
                          mixture_phase + ", which is what the results are");
  for (const RangeWarning& w : range_warnings(m.set, m.x, in.t,
                                              nonpolar_corresponding_states | (vapour ? 0u : liquid_state)))
    r.warn(w.row, w.text);

  Table& pure = r.table("components", {{"component", ""}, {"x", ""}, {"MU", "Pa s"}, {"K", "W/(m K)"},
                                      {"phase", ""}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t j = static_cast<std::size_t>(i - 1);
    const PhaseDecision alone = decide_phase(decision.liquid ? PhaseRequest::liquid : PhaseRequest::vapour,
                                             refhost::ComponentSet({&m.set.component(i)}), {1.0}, in.t, in.p);
    pure.row({m.name(i), m.x[j], mu[j], k[j], computed(alone)});
  }
  r.table("mixture", {{"MU", "Pa s"}, {"K", "W/(m K)"}, {"KCONV", ""}, {"phase", ""}})
      .row({mumx, kmx, kconv, mixture_phase});
  if (s.verbose)
    r.table("equivalent state",
          {{"f_x", ""}, {"h_x", ""}, {"T0", "K"}, {"rho0", "kmol/m3"}, {"M_x", "kg/kmol"}, {"df_x/dT", "1/K"},
           {"X_eta", ""}, {"F_eta", ""}, {"eta0", "uP"}, {"X_lambda", ""}, {"F_lambda", ""},
           {"lambda0", "W/(m K)"}, {"lambda''", "W/(m K)"}})
      .row({KOVA_PRT1[0], KOVA_PRT1[1], KOVA_PRT1[6], KOVA_PRT1[7], KOVA_PRT1[5], KOVA_PRT1[10], KOVA_PRT1[2],
            KOVA_PRT1[3], KOVA_PRT1[4], xlambda, flambda, lambda_ref, internal});
  r.note("KCONV: 1 when the equivalent-state iteration of the conductivity converged, 0 when it did not.");
  r.note("phase: what each row holds, the state's phase at T and P from the host's vapour pressures.");
  if (s.verbose) {
    r.note("Equivalent state: the methane state (T0 = T/f_x, rho0 at P h_x/f_x) onto which the mixture is mapped.");
    r.note("f_x, h_x: the mixture's energy and size factors; M_x its molar mass; df_x/dT the temperature derivative "
           "of f_x; X_eta, F_eta: the viscosity's shape and mass factors; eta0: methane's viscosity at T0, rho0; "
           "X_lambda, F_lambda, lambda0: the same for the conductivity; lambda'': its internal-energy part.");
    r.note("MU = eta0 F_eta 1E-7; K = lambda0 F_lambda X_lambda + lambda'' (internal-energy part).");
  } else {
    r.note("--verbose adds the equivalent methane state of the corresponding-states mapping.");
  }
  r.note("A component or mixture asked in a phase it cannot have at (T, P) is computed in the other phase.");
  if (kconv == 0) r.note("The equivalent-state iteration did not converge: the last iterate was used.");
  return r;
}

}  // namespace kova::calc
