// TRAPP: Ely-Hanley corresponding-states viscosity and thermal conductivity of a databank
// mixture at (T, P, phase): the mixture (KOVA_MUV203 / KOVA_MUL204, KOVA_KV203 / KOVA_KL202),
// each component alone at the same state (KOVA_MUV003 / KOVA_MUL003, KOVA_KV004 / KOVA_KL003),
// and the equivalent methane state of the mixture from KOVA_PRT1.
#include <algorithm>
#include <vector>

#include "commands.h"
#include "kova/kova.h"

namespace kova::calc {

Report trapp(const TrappInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  require_positive(in.p, "--p");
  const Phase phase = parse_phase(in.phase);
  const Mixture m = build_mixture(in.components, in.x, /*need_composition=*/true);
  const std::int64_t n = m.n(), kcalc = 1, idset = 1;
  const bool vapour = phase == Phase::vapour;

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

  Report r(vapour ? "TRAPP (Ely-Hanley) vapour viscosity and thermal conductivity"
                  : "TRAPP (Ely-Hanley) liquid viscosity and thermal conductivity");
  r.input("components", m.names())
      .input("x", m.x)
      .input("T", in.t, "K")
      .input("P", in.p, "Pa")
      .input("phase", to_string(phase));

  Table& pure = r.table("components", {{"component", ""}, {"x", ""}, {"MU", "Pa s"}, {"K", "W/(m K)"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t j = static_cast<std::size_t>(i - 1);
    pure.row({m.name(i), m.x[j], mu[j], k[j]});
  }
  r.table("mixture", {{"MU", "Pa s"}, {"K", "W/(m K)"}, {"KCONV", ""}}).row({mumx, kmx, kconv});
  r.table("equivalent state",
          {{"f_x", ""}, {"h_x", ""}, {"T0", "K"}, {"rho0", "kmol/m3"}, {"M_x", "kg/kmol"}, {"df_x/dT", "1/K"},
           {"X_eta", ""}, {"F_eta", ""}, {"eta0", "uP"}, {"X_lambda", ""}, {"F_lambda", ""},
           {"lambda0", "W/(m K)"}, {"lambda''", "W/(m K)"}})
      .row({KOVA_PRT1[0], KOVA_PRT1[1], KOVA_PRT1[6], KOVA_PRT1[7], KOVA_PRT1[5], KOVA_PRT1[10], KOVA_PRT1[2],
            KOVA_PRT1[3], KOVA_PRT1[4], xlambda, flambda, lambda_ref, internal});
  r.note("Equivalent state: the methane state (T0 = T/f_x, rho0 at P h_x/f_x) onto which the mixture is mapped.");
  r.note("MU = eta0 F_eta 1E-7; K = lambda0 F_lambda X_lambda + lambda'' (internal-energy part).");
  r.note("A component or mixture asked in a phase it cannot have at (T, P) is computed in the other phase.");
  if (kconv == 0) r.note("The equivalent-state iteration did not converge: the last iterate was used.");
  return r;
}

}  // namespace kova::calc
