#include "phase.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "component_lookup.h"
#include "if97.h"
#include "kova/host.h"
#include "report.h"
#include "vapour_pressure.h"

namespace kova::calc {

namespace {

// Pressures and temperatures in the reasons, to four digits.
std::string num(double v) { return format_significant(v, 4); }

}  // namespace

std::string to_string(PhaseRequest p) {
  switch (p) {
    case PhaseRequest::automatic: return "auto";
    case PhaseRequest::vapour: return "vapour";
    case PhaseRequest::liquid: return "liquid";
  }
  return {};
}

std::string to_string(PhaseState p) {
  switch (p) {
    case PhaseState::vapour: return "vapour";
    case PhaseState::liquid: return "liquid";
    case PhaseState::two_phase: return "two-phase";
    case PhaseState::supercritical: return "supercritical";
  }
  return {};
}

bool parse_phase_request(const std::string& text, PhaseRequest& out) {
  std::string s;
  for (char c : text) s += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (s == "auto") out = PhaseRequest::automatic;
  else if (s == "vapour" || s == "vapor" || s == "v" || s == "gas" || s == "g") out = PhaseRequest::vapour;
  else if (s == "liquid" || s == "l") out = PhaseRequest::liquid;
  else return false;
  return true;
}

PhaseDecision decide_phase(PhaseRequest asked, double t, double p, const std::vector<double>& x,
                           const std::vector<double>& psat, const std::vector<double>& tc) {
  PhaseDecision d;
  const std::size_t n = x.size();
  const bool pure = n == 1;
  double tpc = 0.0, bubble = 0.0, inv_dew = 0.0;
  bool known = true;
  for (std::size_t i = 0; i < n; ++i) {
    tpc += x[i] * tc[i];
    if (x[i] == 0.0) continue;
    if (!(psat[i] > 0.0) || !std::isfinite(psat[i])) known = false;
    bubble += x[i] * psat[i];
    inv_dew += x[i] / psat[i];
  }
  d.t_pseudo_critical = tpc;
  if (std::isfinite(tpc) && t > tpc) {
    d.state = PhaseState::supercritical;
    d.reason = pure ? "T above the critical temperature " + num(tpc) +
                          " K: a supercritical fluid, computed with the vapour (dense-gas) routines"
                    : "T above the mixture's pseudo-critical temperature sum(x Tc) = " + num(tpc) +
                          " K: a supercritical fluid, computed with the vapour (dense-gas) routines";
  } else if (!known) {
    // Without vapour pressures the state cannot be judged; the gas is the safer guess only
    // when the user did not say otherwise.
    d.state = PhaseState::vapour;
    d.reason = "no vapour pressure for every component: the phase was not judged";
  } else {
    d.p_bubble = bubble;
    d.p_dew = 1.0 / inv_dew;
    if (p >= d.p_bubble) {
      d.state = PhaseState::liquid;
      d.reason = pure ? "P above the vapour pressure " + num(d.p_bubble) + " Pa"
                      : "P above the bubble pressure " + num(d.p_bubble) + " Pa (Raoult's law)";
    } else if (p <= d.p_dew) {
      d.state = PhaseState::vapour;
      d.reason = pure ? "P below the vapour pressure " + num(d.p_dew) + " Pa"
                      : "P below the dew pressure " + num(d.p_dew) + " Pa (Raoult's law)";
    } else {
      d.state = PhaseState::two_phase;
      d.reason = "P between the dew pressure " + num(d.p_dew) + " Pa and the bubble pressure " + num(d.p_bubble) +
                 " Pa (Raoult's law): two phases";
    }
  }

  switch (asked) {
    case PhaseRequest::automatic:
      if (d.state == PhaseState::two_phase) {
        // The nearer single phase on a logarithmic pressure scale.
        d.liquid = std::log(p) > 0.5 * (std::log(d.p_dew) + std::log(d.p_bubble));
        d.warnings.push_back("the state is in the two-phase region (" + d.reason.substr(0, d.reason.find(':')) +
                             "); computed as one " + std::string(d.liquid ? "liquid" : "vapour") +
                             " phase of the given composition; give --phase to choose");
      } else {
        d.liquid = d.state == PhaseState::liquid;
      }
      break;
    case PhaseRequest::vapour:
      d.liquid = false;
      if (d.state == PhaseState::liquid)
        d.warnings.push_back("vapour asked, but at T and P the state is liquid (" + d.reason + ")");
      break;
    case PhaseRequest::liquid:
      d.liquid = true;
      if (d.state == PhaseState::vapour)
        d.warnings.push_back("liquid asked, but at T and P the state is vapour (" + d.reason + ")");
      else if (d.state == PhaseState::supercritical)
        d.warnings.push_back("liquid asked above the critical temperature (" + d.reason + ")");
      break;
  }
  return d;
}

std::string gas_model_phase(const PhaseDecision& d) {
  return d.state == PhaseState::supercritical ? to_string(PhaseState::vapour) : to_string(d.state);
}

std::string gas_model_warning(const GasModel& model, PhaseRequest asked, const PhaseDecision& d,
                              const std::string& computed) {
  const std::string gas = std::string(model.name) + " is a model for gases: " + computed;
  if (d.state == PhaseState::liquid)
    return std::string(asked == PhaseRequest::vapour ? "vapour asked, but at T and P the state is liquid ("
                                                     : "at T and P the state is liquid (") +
           d.reason + "); " + gas + "; for the liquid use " + model.for_liquid;
  if (d.state == PhaseState::two_phase)
    return "the state is in the two-phase region (" + d.reason.substr(0, d.reason.find(':')) + "); " + gas +
           ", as one vapour phase of the given composition";
  return {};
}

PhaseDecision decide_phase(PhaseRequest asked, const refhost::ComponentSet& set, const std::vector<double>& x,
                           double t, double p) {
  std::vector<double> tc;
  for (std::int64_t i = 1; i <= set.size(); ++i) tc.push_back(column_value(set.component(i), "TC"));
  return decide_phase(asked, t, p, x, host_vapour_pressures(set, t), tc);
}

std::vector<double> host_vapour_pressures(const refhost::ComponentSet& set, double t) {
  std::vector<double> out;
  for (std::int64_t i = 1; i <= set.size(); ++i) {
    const refhost::Component& c = set.component(i);
    if (c.name == "water") {
      out.push_back(refhost::if97::psat(t));
      continue;
    }
    const double c1 = column_value(c, "PVAP_C1"), c2 = column_value(c, "PVAP_C2"), c3 = column_value(c, "PVAP_C3"),
                 c4 = column_value(c, "PVAP_C4"), c5 = column_value(c, "PVAP_C5"), tc = column_value(c, "TC"),
                 pc = column_value(c, "PC");
    double omega = column_value(c, "OMEGA");
    const double tmax = column_value(c, "PVAP_TMAX");
    double ln = std::nan("");
    // The DIPPR curve ends at the critical point; beyond it the corresponding-states estimate
    // carries the curve on smoothly enough for a phase test.
    if (!std::isnan(c1) && !std::isnan(c2) && !std::isnan(c3) && !std::isnan(c4) && !std::isnan(c5) &&
        !(t > tmax))
      ln = refhost::dippr101_ln_pvap(t, c1, c2, c3, c4, c5);
    if (!std::isfinite(ln) && tc > 0.0 && pc > 0.0) {
      if (std::isnan(omega)) omega = 0.0;
      ln = refhost::lee_kesler_ln_pvap(t, tc, pc, omega);
    }
    out.push_back(std::isfinite(ln) ? std::exp(ln) : std::nan(""));
  }
  return out;
}

std::vector<double> host_liquid_volumes(const refhost::ComponentSet& set, double t) {
  const std::int64_t n = set.size(), one = 1, kdiag = 0;
  const std::vector<std::int64_t> idx = set.all();
  const std::vector<double> mw = set.param("MW");
  std::vector<double> v(static_cast<std::size_t>(n), 0.0);
  LUMENA_VL004(&t, &n, idx.data(), &one, &kdiag, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
               nullptr, nullptr, v.data(), nullptr, nullptr, nullptr, nullptr, mw.data(), nullptr, nullptr);
  return v;
}

std::vector<double> lucas_pressures(const refhost::ComponentSet& set, double t, double p) {
  const refhost::VapourPressureData data(set);
  const auto& a = data.pla();
  const std::vector<kova_word> cid = set.cid();
  const std::int64_t one = 1, kdiag = 0, idset = 1;
  std::vector<double> out;
  for (std::int64_t i = 1; i <= set.size(); ++i) {
    const double tc = column_value(set.component(i), "TC");
    double used = p;
    if (tc > 0.0 && t / tc <= 1.0) {
      double ln = 0.0, unused = 0.0;
      LUMENA_PL001D(&t, &one, &i, &one, &kdiag, &idset, a[2], a[3], a[4], a[0], a[1], a[7], a[8], a[9], a[10], a[5],
                    a[6], a[11], cid.data(), &ln, &unused, a[12], a[13]);
      ln = std::max(std::min(ln, 80.0), -170.0);
      used = std::min(p, std::exp(ln));
    }
    out.push_back(used);
  }
  return out;
}

}  // namespace kova::calc
