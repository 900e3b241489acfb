#include "chung_pairs.h"

#include <cmath>

#include "refhost.h"

namespace kova::refhost {

ChungPairs chung_pairs(const std::vector<ChungConstants>& components) {
  const std::int64_t n = static_cast<std::int64_t>(components.size());
  ChungPairs p;
  p.ld = n;
  const std::size_t cells = static_cast<std::size_t>(n * n);
  for (auto* z : {&p.sig3, &p.epsig3, &p.epsig2m, &p.dipsig3, &p.omsig3}) z->assign(cells, 0.0);
  p.sqkap.assign(static_cast<std::size_t>(n), 0.0);

  struct Pure {
    bool ok;
    double sigma, epsk, omega, mu2, mw;
  };
  std::vector<Pure> pure;
  for (const ChungConstants& c : components) {
    const bool ok = c.tc > 0.0 && c.vc > 0.0 && c.mw > 0.0 && c.tc < kMissing && c.vc < kMissing &&
                    c.mw < kMissing;
    const double vc_cm3 = 1000.0 * c.vc;
    pure.push_back({ok, std::cbrt(0.529475 * vc_cm3), c.tc / 1.2593, c.omega, c.mup * c.mup, c.mw});
  }
  for (std::int64_t i = 1; i <= n; ++i) {
    const ChungConstants& ci = components[static_cast<std::size_t>(i - 1)];
    p.sqkap[static_cast<std::size_t>(i - 1)] = ci.kappa > 0.0 ? std::sqrt(ci.kappa) : 0.0;
    for (std::int64_t j = 1; j <= n; ++j) {
      const Pure& a = pure[static_cast<std::size_t>(i - 1)];
      const Pure& b = pure[static_cast<std::size_t>(j - 1)];
      if (!a.ok || !b.ok) continue;
      const std::size_t k = static_cast<std::size_t>((i - 1) + (j - 1) * n);
      const double sigma = i == j ? a.sigma : std::sqrt(a.sigma * b.sigma);
      const double sigma3 = i == j ? 0.529475 * 1000.0 * ci.vc : sigma * sigma * sigma;
      const double sigma2 = i == j ? std::pow(sigma3, 2.0 / 3.0) : sigma * sigma;
      const double epsk = i == j ? a.epsk : std::sqrt(a.epsk * b.epsk);
      const double mw = i == j ? a.mw : 2.0 * a.mw * b.mw / (a.mw + b.mw);
      p.sig3[k] = sigma3;
      p.epsig3[k] = epsk * sigma3;
      p.epsig2m[k] = epsk * sigma2 * std::sqrt(mw);
      p.dipsig3[k] = a.mu2 * b.mu2 / sigma3;
      p.omsig3[k] = 0.5 * (a.omega + b.omega) * sigma3;
    }
  }
  return p;
}

ChungPairs chung_pairs(const ComponentSet& set) {
  std::vector<ChungConstants> constants;
  const auto value = [](const Component& c, const char* column, double fallback) {
    return c.get(column).value_or(fallback);
  };
  for (std::int64_t i = 1; i <= set.size(); ++i) {
    const Component& c = set.component(i);
    constants.push_back({value(c, "TC", 0.0), value(c, "VC", 0.0), value(c, "OMEGA", 0.0),
                         value(c, "MUP_DEBYE", 0.0), value(c, "MW", 0.0), value(c, "KAPPA", 0.0)});
  }
  return chung_pairs(constants);
}

}  // namespace kova::refhost
