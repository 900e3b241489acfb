// Dean-Stiel: the dense-gas correction of vapour viscosity for each listed component
// (KOVA_MUV007) and for the mixture (KOVA_MUV205), and, given the mixture's low-pressure
// viscosity, its dense viscosity (KOVA_MUV202). The state is a molar volume (or density),
// used for every component and the mixture, or a pressure, from which the host's equation
// of state gives the mixture's volume and each component's own volume.
#include <cmath>
#include <vector>

#include "commands.h"
#include "phase.h"
#include "ranges.h"
#include "kova/kova.h"

namespace kova::calc {

Report dean_stiel(const DeanStielInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  const MolarVolume mv{in.volume, in.density, in.p, /*pressure_offered=*/true};
  mv.check();
  if (!std::isnan(in.mulp)) require_positive(in.mulp, "--mulp");
  static constexpr GasModel model{"Dean-Stiel", kLiquidViscosityCommands};
  const PhaseRequest request = parse_gas_phase_option(in.phase, model);
  const Mixture m = build_mixture(in.components, in.x, /*need_composition=*/true, in.w, in.normalize);
  const double v = mv.of(m, in.t, m.x);
  const double rho = 1.0 / v;
  const bool dense = !std::isnan(in.mulp);
  const std::int64_t n = m.n();
  // With a pressure, the state of the mixture and of each component alone, which the
  // equation of state's vapour root stands for; a volume given directly has no phase to judge.
  std::vector<PhaseDecision> states;
  if (mv.from_pressure()) {
    states.push_back(decide_phase(PhaseRequest::automatic, m.set, m.x, in.t, in.p));
    for (std::int64_t i = 1; i <= n; ++i)
      states.push_back(
          decide_phase(PhaseRequest::automatic, refhost::ComponentSet({&m.set.component(i)}), {1.0}, in.t, in.p));
  } else if (request != PhaseRequest::automatic) {
    advise_warning("", "--phase " + to_string(request) + " is not used: the molar volume was given");
  }

  // One parameter set and one check-flag array for the three calls, as a host keeps them:
  // missing parameters are reported (and defaulted) once.
  std::vector<double> tc = m.set.param("TC"), zc = m.set.param("ZC"), vc = m.set.param("VC"),
                      mw = m.set.param("MW"), flag = m.set.flags();
  std::vector<double> vv(n, v), muvpc(n, 0.0);
  for (std::int64_t i = 1; i <= n; ++i) vv[i - 1] = mv.of_component(m, in.t, i);
  KOVA_MUV007(&in.t, &n, m.idx.data(), vv.data(), &s.kdiag, muvpc.data(), tc.data(), zc.data(), vc.data(),
              mw.data(), flag.data(), m.cid.data());
  double muvxpc = 0.0;
  KOVA_MUV205(&in.t, m.x.data(), &n, m.idx.data(), &v, &s.kdiag, &muvxpc, tc.data(), zc.data(), vc.data(),
              mw.data(), flag.data(), m.cid.data());
  double muvmx = 0.0;
  if (dense)
    KOVA_MUV202(&in.t, m.x.data(), &n, m.idx.data(), &rho, &in.mulp, &s.kdiag, &muvmx, tc.data(), zc.data(),
                vc.data(), mw.data(), flag.data(), m.cid.data());

  Report r(dense ? "Dean-Stiel dense-gas viscosity (KOVA_MUV007, KOVA_MUV205, KOVA_MUV202)"
                 : "Dean-Stiel pressure correction of vapour viscosity (KOVA_MUV007, KOVA_MUV205)");
  r.input("components", m.names()).input("x", m.x).input("T", in.t, "K");
  if (mv.from_pressure()) r.input("P", mv.pressure, "Pa");
  r.input("V", v, "m3/kmol").input("rho", rho, "kmol/m3");
  if (dense) r.input("MU_LP", in.mulp, "Pa s");
  const bool judged = !states.empty();
  if (judged) r.input("phase", to_string(request)).input("state", to_string(states[0].state) + ": " + states[0].reason);
  // A row whose state is not a gas: the vapour root stands for a state the model was not made for.
  const auto warn_state = [&](const std::string& row, const PhaseDecision& d) {
    const std::string w = gas_model_warning(model, request, d, "V is the equation of state's vapour root at T and P");
    if (!w.empty()) r.warn(row, w);
  };
  if (judged) warn_state("mixture", states[0]);
  for (const RangeWarning& w : range_warnings(m.set, m.x, in.t, dean_stiel_model)) r.warn(w.row, w.text);

  std::vector<Column> columns{{"component", ""}, {"x", ""},         {"VC", "m3/kmol"}, {"VV", "m3/kmol"},
                              {"rho_r", ""},     {"MU_EXCESS", "Pa s"}};
  if (judged) columns.push_back({"phase", ""});
  Table& pure = r.table("components", columns);
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    std::vector<Cell> row{m.name(i), m.x[k], vc[k], vv[k], vc[k] / vv[k], muvpc[k]};
    if (judged) {
      row.push_back(gas_model_phase(states[k + 1]));
      warn_state(m.name(i), states[k + 1]);
    }
    pure.row(std::move(row));
  }
  columns = {{"MU_EXCESS", "Pa s"}};
  std::vector<Cell> mixture{muvxpc};
  if (dense) {
    columns.insert(columns.end(), {{"MU_LP", "Pa s"}, {"MU", "Pa s"}});
    mixture.insert(mixture.end(), {in.mulp, muvmx});
  }
  if (judged) {
    columns.push_back({"phase", ""});
    mixture.push_back(gas_model_phase(states[0]));
  }
  r.table("mixture", columns).row(std::move(mixture));

  if (mv.from_pressure())
    r.note("V and VV (each component alone): the reference host's Peng-Robinson vapour volume at T and P.");
  r.note("MU_EXCESS (components): excess of each component's viscosity over its low-pressure value at VV; rho_r = VC/VV.");
  r.note("MU_EXCESS (mixture): the same for the mixture, with mole-fraction averaged critical constants.");
  if (dense) r.note("MU: the mixture's viscosity at rho = 1/V, MU_LP plus the Dean-Stiel residual.");
  if (judged)
    r.note("phase: the state's phase at T and P from the host's vapour pressures (the mixture by Raoult's law); "
           "Dean-Stiel computes a gas whatever the state, and a liquid is warned.");
  return r;
}

}  // namespace kova::calc
