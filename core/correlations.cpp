// Wilke/Brokaw mixture viscosity (KOVA_MUV201), Lucas vapour viscosity (KOVA_MUV005,
// KOVA_MUV204), the Stiel-Thodos dense-gas conductivity (KOVA_KV006, KOVA_KV204, KOVA_KV003,
// KOVA_KV202) and the Letsou-Stiel liquid viscosity (KOVA_MUL005) of databank components.
#include <cmath>
#include <string>
#include <vector>

#include "commands.h"
#include "phase.h"
#include "ranges.h"
#include "refhost.h"
#include "kova/kova.h"
#include "vapour_pressure.h"

namespace kova::calc {
namespace {

std::vector<std::string> names_of(const Mixture& m) { return m.names(); }

void need_one_per_component(const std::vector<double>& values, const Mixture& m, const std::string& option) {
  if (values.size() != static_cast<std::size_t>(m.n()))
    throw InputError(option + ": " + std::to_string(values.size()) + " value(s) for " + std::to_string(m.n()) +
                     " components");
}

}  // namespace

Report wilke(const WilkeInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  require_positive(in.mulp, "--mulp");
  const Mixture m = build_mixture(in.components, in.x, /*need_composition=*/true, in.w, in.normalize);
  const bool supplied = in.mulp.empty();
  const std::vector<double> mulp = supplied ? chung_low_pressure_viscosities(m, in.t, s) : in.mulp;
  need_one_per_component(mulp, m, "--mulp");
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
  KOVA_MUV201(&in.t, m.x.data(), &n, m.idx.data(), mulp.data(), &idset, &s.kdiag, &mix, mw.data(), tb.data(),
              vb.data(), mup.data(), stk.data(), flag.data(), m.cid.data());

  Report r("Wilke mixture viscosity with Brokaw factors (KOVA_MUV201)");
  r.input("components", names_of(m)).input("x", m.x).input("T", in.t, "K").input("MU_LP", mulp, "Pa s");
  Table& c = r.table("components", {{"component", ""}, {"x", ""}, {"MU_LP", "Pa s"}, {"MW", "kg/kmol"},
                                    {"eps/k", "K"}, {"sigma", "m"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    c.row({m.name(i), m.x[k], mulp[k], mw[k], stk[2 * k], stk[2 * k + 1]});
  }
  r.table("mixture", {{"MU_LP", "Pa s"}}).row({mix});
  if (supplied)
    r.note("MU_LP: not given (--mulp), so Chung-Lee-Starling's low-pressure viscosity of each component "
           "(KOVA_MUV008), as kova chung shows it.");
  r.note("eps/k, sigma: Stockmayer parameters, from the databank or estimated from TB, VB and the dipole moment.");
  return r;
}


Report lucas(const LucasInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  require_positive(in.p, "--p");
  static constexpr GasModel model{"Lucas", kLiquidViscosityCommands};
  const PhaseRequest request = parse_gas_phase_option(in.phase, model);
  const Mixture m = build_mixture(in.components, in.x, /*need_composition=*/true, in.w, in.normalize);
  std::vector<double> tc = m.set.param("TC"), pc = m.set.param("PC"), zc = m.set.param("ZC"), mw = m.set.param("MW"),
                      mup = m.set.param("MUP_DEBYE"), flag = m.set.flags();
  // The reduced dipole moment as the host forms it: 52.46 mu[D]^2 Pc[bar] / Tc^2.
  std::vector<double> mur;
  for (std::size_t k = 0; k < tc.size(); ++k)
    mur.push_back(mup[k] == refhost::kMissing ? 0.0 : 52.46 * mup[k] * mup[k] * pc[k] * 1e-5 / (tc[k] * tc[k]));
  const refhost::VapourPressureData vp(m.set);
  const auto& a = vp.pla();
  const std::int64_t n = m.n(), idset = 1, kcalc = 1;
  std::vector<double> pres(static_cast<std::size_t>(n), in.p), muv(static_cast<std::size_t>(n), 0.0);
  KOVA_MUV005(&in.t, pres.data(), &n, m.idx.data(), &s.kdiag, &idset, &kcalc, muv.data(), tc.data(), pc.data(),
              zc.data(), mw.data(), mup.data(), mur.data(), m.cform.data(), flag.data(), m.cid.data(), a[0], a[1],
              a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11], a[12], a[13]);
  double mix = 0.0;
  KOVA_MUV204(&in.t, &in.p, m.x.data(), &n, m.idx.data(), &s.kdiag, &idset, &kcalc, &mix, tc.data(), pc.data(),
              zc.data(), mw.data(), mup.data(), mur.data(), m.cform.data(), flag.data(), m.cid.data());

  // The mixture's state from the host's vapour pressures, and the pressure the mixture routine
  // used: at or below the pseudo-critical temperature no more than the pseudo-critical
  // pressure Zcm Tcm / sum(x TC ZC / PC) (a reduced pressure of at most 1).
  const PhaseDecision state = decide_phase(PhaseRequest::automatic, m.set, m.x, in.t, in.p);
  double tcm = 0.0, zcm = 0.0, sum = 0.0;
  for (std::size_t k = 0; k < tc.size(); ++k) {
    tcm += m.x[k] * tc[k];
    zcm += m.x[k] * zc[k];
    sum += m.x[k] * tc[k] * zc[k] / pc[k];
  }
  const double pcm = zcm * tcm / sum;
  const double mix_used = in.t <= tcm && in.p > pcm ? pcm : in.p;

  Report r("Lucas vapour viscosity (KOVA_MUV005, KOVA_MUV204)");
  r.input("components", names_of(m)).input("x", m.x).input("T", in.t, "K").input("P", in.p, "Pa");
  r.input("phase", to_string(request)).input("state", to_string(state.state) + ": " + state.reason);
  // The pressure each component was evaluated at: below its critical temperature no more
  // than its vapour pressure, which the routine takes from the host as it does here.
  const std::vector<double> used = lucas_pressures(m.set, in.t, in.p);
  Table& c = r.table("components", {{"component", ""}, {"x", ""}, {"Tr", ""}, {"Pr", ""}, {"MUR", ""},
                                    {"MU", "Pa s"}, {"P_used", "Pa"}, {"phase", ""}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    // A component above its vapour pressure is a liquid at T and P; the routine computes its
    // saturated vapour instead.
    const bool saturated = used[k] != in.p;
    c.row({m.name(i), m.x[k], in.t / tc[k], used[k] / pc[k], mur[k], muv[k], used[k],
           std::string(saturated ? "saturated vapour" : "vapour")});
    if (saturated) {
      PhaseDecision alone;
      alone.state = PhaseState::liquid;
      alone.reason = "P above its vapour pressure " + format_number(used[k]) + " Pa";
      r.warn(m.name(i), gas_model_warning(model, request, alone,
                                          "computed as the saturated vapour at its vapour pressure (P_used)"));
    }
    if (in.t <= tc[k])
      for (const RangeWarning& w : range_warnings(m.set.component(i), in.t, uses_vapour_pressure))
        r.warn(w.row, w.text);
  }
  r.table("mixture", {{"MU", "Pa s"}, {"P_used", "Pa"}, {"phase", ""}}).row({mix, mix_used, gas_model_phase(state)});
  const std::string mixture_warning =
      gas_model_warning(model, request, state,
                        mix_used != in.p ? "computed as a dense gas at the pseudo-critical pressure (P_used)"
                                         : "computed as a dense gas at P");
  if (!mixture_warning.empty()) r.warn("mixture", mixture_warning);
  r.note("MU (components): each component at T and P_used, the pressure the routine used: below its critical temperature at "
         "no more than its vapour pressure (Pr = P_used/PC).");
  r.note("Tr = T/TC; MUR: the reduced dipole moment 52.46 mu^2 PC/TC^2 (mu in debye, PC in bar).");
  r.note("MU (mixture): the mixture from pseudo-critical constants; below their temperature at a reduced pressure of "
         "at most 1 (P_used).");
  r.note("phase: the state's phase at T and P from the host's vapour pressures (a mixture by Raoult's law); a "
         "component above its vapour pressure is computed as its saturated vapour. Lucas computes a gas whatever the "
         "state; a liquid is warned.");
  return r;
}


Report stiel_thodos(const StielThodosInput& in, const Settings& s) {
  const MolarVolume mv{in.volume, in.density, kNotGiven, /*pressure_offered=*/false};
  mv.check();
  require_positive(in.klp, "--klp");
  if (!std::isnan(in.kmxlp)) require_positive(in.kmxlp, "--kmxlp");
  const Mixture m = build_mixture(in.components, in.x, /*need_composition=*/true, in.w, in.normalize);
  const double v = mv.of(m, 0.0, m.x), rho = 1.0 / v;  // given directly: no temperature needed
  const bool pure_totals = !in.klp.empty(), mixture_total = !std::isnan(in.kmxlp);
  if (pure_totals) need_one_per_component(in.klp, m, "--klp");
  std::vector<double> tc = m.set.param("TC"), pc = m.set.param("PC"), vc = m.set.param("VC"), zc = m.set.param("ZC"),
                      mw = m.set.param("MW"), flag = m.set.flags();
  const std::int64_t n = m.n();
  std::vector<double> vv(static_cast<std::size_t>(n), v), kvpc(static_cast<std::size_t>(n), 0.0);
  KOVA_KV006(&n, m.idx.data(), vv.data(), &s.kdiag, kvpc.data(), tc.data(), mw.data(), vc.data(), pc.data(), zc.data(),
             flag.data(), m.cid.data());
  std::vector<double> kv = in.klp;
  std::int64_t ker = 0;
  if (pure_totals)
    KOVA_KV003(&n, m.idx.data(), vv.data(), &s.kdiag, tc.data(), mw.data(), vc.data(), pc.data(), zc.data(),
               flag.data(), m.cid.data(), kv.data(), &ker);
  double kvmxpc = 0.0, kvmx = 0.0;
  KOVA_KV204(m.x.data(), &n, m.idx.data(), &v, &s.kdiag, &kvmxpc, tc.data(), mw.data(), vc.data(), zc.data(),
             flag.data(), m.cid.data());
  if (mixture_total)
    KOVA_KV202(m.x.data(), &n, m.idx.data(), &rho, &in.kmxlp, &s.kdiag, &kvmx, tc.data(), mw.data(), vc.data(),
               zc.data(), m.cid.data());

  Report r("Stiel-Thodos dense-gas thermal conductivity (KOVA_KV006, KOVA_KV204" +
           std::string(pure_totals ? ", KOVA_KV003" : "") + std::string(mixture_total ? ", KOVA_KV202" : "") + ")");
  r.input("components", names_of(m)).input("x", m.x).input("V", v, "m3/kmol").input("rho", rho, "kmol/m3");
  if (pure_totals) r.input("KLP", in.klp, "W/(m K)");
  if (mixture_total) r.input("KVMXLP", in.kmxlp, "W/(m K)");
  std::vector<Column> cols{{"component", ""}, {"x", ""}, {"rho_r", ""}, {"KVPC", "W/(m K)"}};
  if (pure_totals) cols.push_back({"KV", "W/(m K)"});
  Table& c = r.table("components", cols);
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    if (pure_totals)
      c.row({m.name(i), m.x[k], vc[k] / v, kvpc[k], kv[k]});
    else
      c.row({m.name(i), m.x[k], vc[k] / v, kvpc[k]});
  }
  if (mixture_total)
    r.table("mixture", {{"KVMXPC", "W/(m K)"}, {"KVMX", "W/(m K)"}}).row({kvmxpc, kvmx});
  else
    r.table("mixture", {{"KVMXPC", "W/(m K)"}}).row({kvmxpc});
  // No temperature: only the model's scope, not the databank's fitted ranges, applies.
  for (const RangeWarning& w : range_warnings(m.set, m.x, kNotGiven, stiel_thodos_model)) r.warn(w.row, w.text);
  r.note("KVPC, KVMXPC: excess of the dense vapour's conductivity over its low-pressure value at V; rho_r = VC/V.");
  r.note("Above a reduced density of 2.8 the correlation is extrapolated linearly, with a warning.");
  return r;
}


Report letsou_stiel(const LetsouStielInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  const Mixture m = build_mixture(in.components, {}, /*need_composition=*/false);
  std::vector<double> tc = m.set.param("TC"), pc = m.set.param("PC"), mw = m.set.param("MW"),
                      omega = m.set.param("OMEGA"), flag = m.set.flags();
  const std::int64_t n = m.n();
  std::vector<double> mul(static_cast<std::size_t>(n), 0.0);
  KOVA_MUL005(&in.t, &n, m.idx.data(), &s.kdiag, mul.data(), tc.data(), pc.data(), mw.data(), omega.data(), flag.data(),
              m.cid.data());

  Report r("Letsou-Stiel liquid viscosity (KOVA_MUL005)");
  r.input("components", names_of(m)).input("T", in.t, "K");
  Table& c = r.table("components", {{"component", ""}, {"Tr", ""}, {"OMEGA", ""}, {"MU", "Pa s"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    c.row({m.name(i), in.t / tc[k], omega[k], mul[k]});
    // Each component is a pure liquid of its own.
    for (const RangeWarning& w : range_warnings(m.set.component(i), in.t, liquid_state | letsou_stiel_model))
      r.warn(w.row, w.text);
  }
  r.note("The correlation covers reduced temperatures from 0.76 to 0.98; outside, it is limited or extrapolated, with a warning.");
  return r;
}

}  // namespace kova::calc
