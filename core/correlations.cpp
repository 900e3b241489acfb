// Wilke/Brokaw mixture viscosity (KOVA_MUV201), Lucas vapour viscosity (KOVA_MUV005,
// KOVA_MUV204), the Stiel-Thodos dense-gas conductivity (KOVA_KV006, KOVA_KV204, KOVA_KV003,
// KOVA_KV202) and the Letsou-Stiel liquid viscosity (KOVA_MUL005) of databank components.
#include <cmath>
#include <string>
#include <vector>

#include "commands.h"
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
  const Mixture m = build_mixture(in.components, in.x, /*need_composition=*/true);
  need_one_per_component(in.mulp, m, "--mulp");
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
  KOVA_MUV201(&in.t, m.x.data(), &n, m.idx.data(), in.mulp.data(), &idset, &s.kdiag, &mix, mw.data(), tb.data(),
              vb.data(), mup.data(), stk.data(), flag.data(), m.cid.data());

  Report r("Wilke mixture viscosity with Brokaw factors (KOVA_MUV201)");
  r.input("components", names_of(m)).input("x", m.x).input("T", in.t, "K").input("MUVLP", in.mulp, "Pa s");
  Table& c = r.table("components", {{"component", ""}, {"x", ""}, {"MUVLP", "Pa s"}, {"MW", "kg/kmol"},
                                    {"eps/k", "K"}, {"sigma", "m"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    c.row({m.name(i), m.x[k], in.mulp[k], mw[k], stk[2 * k], stk[2 * k + 1]});
  }
  r.table("mixture", {{"MUVXLP", "Pa s"}}).row({mix});
  r.note("eps/k, sigma: Stockmayer parameters, from the databank or estimated from TB, VB and the dipole moment.");
  return r;
}


Report lucas(const LucasInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  require_positive(in.p, "--p");
  const Mixture m = build_mixture(in.components, in.x, /*need_composition=*/true);
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

  Report r("Lucas vapour viscosity (KOVA_MUV005, KOVA_MUV204)");
  r.input("components", names_of(m)).input("x", m.x).input("T", in.t, "K").input("P", in.p, "Pa");
  Table& c = r.table("components", {{"component", ""}, {"x", ""}, {"Tr", ""}, {"Pr", ""}, {"MUR", ""}, {"MUV", "Pa s"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    c.row({m.name(i), m.x[k], in.t / tc[k], in.p / pc[k], mur[k], muv[k]});
  }
  r.table("mixture", {{"MUVMX", "Pa s"}}).row({mix});
  r.note("MUV: each component at T and P; below its critical temperature at no more than its vapour pressure.");
  r.note("MUVMX: the mixture from pseudo-critical constants; below their temperature at a reduced pressure of at most 1.");
  return r;
}


Report stiel_thodos(const StielThodosInput& in, const Settings& s) {
  const MolarVolume mv{in.volume, in.density, kNotGiven, /*pressure_offered=*/false};
  mv.check();
  require_positive(in.klp, "--klp");
  if (!std::isnan(in.kmxlp)) require_positive(in.kmxlp, "--kmxlp");
  const Mixture m = build_mixture(in.components, in.x, /*need_composition=*/true);
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
  Table& c = r.table("components", {{"component", ""}, {"Tr", ""}, {"OMEGA", ""}, {"MUL", "Pa s"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    c.row({m.name(i), in.t / tc[k], omega[k], mul[k]});
  }
  r.note("The correlation covers reduced temperatures from 0.76 to 0.98; outside, it is limited or extrapolated, with a warning.");
  return r;
}

}  // namespace kova::calc
