// Dean-Stiel: the dense-gas correction of vapour viscosity for each listed component
// (KOVA_MUV007) and for the mixture (KOVA_MUV205), and, given the mixture's low-pressure
// viscosity, its dense viscosity (KOVA_MUV202). The state is a molar volume (or density),
// used for every component and the mixture, or a pressure, from which the host's equation
// of state gives the mixture's volume and each component's own volume.
#include <cmath>
#include <vector>

#include "commands.h"
#include "kova/kova.h"

namespace kova::calc {

Report dean_stiel(const DeanStielInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  const MolarVolume mv{in.volume, in.density, in.p, /*pressure_offered=*/true};
  mv.check();
  if (!std::isnan(in.mulp)) require_positive(in.mulp, "--mulp");
  const Mixture m = build_mixture(in.components, in.x, /*need_composition=*/true);
  const double v = mv.of(m, in.t, m.x);
  const double rho = 1.0 / v;
  const bool dense = !std::isnan(in.mulp);

  // One parameter set and one check-flag array for the three calls, as a host keeps them:
  // missing parameters are reported (and defaulted) once.
  std::vector<double> tc = m.set.param("TC"), zc = m.set.param("ZC"), vc = m.set.param("VC"),
                      mw = m.set.param("MW"), flag = m.set.flags();
  const std::int64_t n = m.n();
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
  if (dense) r.input("MUVMXLP", in.mulp, "Pa s");

  Table& pure = r.table("components", {{"component", ""},
                                        {"x", ""},
                                        {"VC", "m3/kmol"},
                                        {"VV", "m3/kmol"},
                                        {"rho_r", ""},
                                        {"MUVPC", "Pa s"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    pure.row({m.name(i), m.x[k], vc[k], vv[k], vc[k] / vv[k], muvpc[k]});
  }
  if (dense)
    r.table("mixture", {{"MUVXPC", "Pa s"}, {"MUVMXLP", "Pa s"}, {"MUVMX", "Pa s"}}).row({muvxpc, in.mulp, muvmx});
  else
    r.table("mixture", {{"MUVXPC", "Pa s"}}).row({muvxpc});

  if (mv.from_pressure())
    r.note("V and VV (each component alone): the reference host's Peng-Robinson vapour volume at T and P.");
  r.note("MUVPC: excess of each component's viscosity over its low-pressure value at VV; rho_r = VC/VV.");
  r.note("MUVXPC: the same for the mixture, with mole-fraction averaged critical constants.");
  if (dense) r.note("MUVMX: the mixture's viscosity at rho = 1/V, MUVMXLP plus the Dean-Stiel residual.");
  return r;
}

}  // namespace kova::calc
