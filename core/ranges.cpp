#include "ranges.h"

#include <cmath>

#include "component_lookup.h"
#include "report.h"

namespace kova::calc {

namespace {

// Temperatures and ranges in the warnings, to five digits.
std::string num(double v) { return format_significant(v, 5); }

// A warning when t lies outside [lo, hi]; a missing bound is no bound.
void check_fit(std::vector<RangeWarning>& out, const refhost::Component& c, double t, const char* lo_col,
               const char* hi_col, const std::string& what) {
  const double lo = column_value(c, lo_col), hi = column_value(c, hi_col);
  if (std::isnan(lo) && std::isnan(hi)) return;
  const std::string range = "(" + (std::isnan(lo) ? std::string("-") : num(lo)) + " to " +
                            (std::isnan(hi) ? std::string("-") : num(hi)) + " K)";
  if (t < lo)
    out.push_back({c.name, "T = " + num(t) + " K is below the range of the databank's " + what + " " + range});
  else if (t > hi)
    out.push_back({c.name, "T = " + num(t) + " K is above the range of the databank's " + what + " " + range});
}

}  // namespace

double reduced_dipole(const refhost::Component& c) {
  const double mu = column_value(c, "MUP_DEBYE"), vc = column_value(c, "VC"), tc = column_value(c, "TC");
  if (!(mu > 0.0) || !(vc > 0.0) || !(tc > 0.0)) return 0.0;
  return 131.3 * mu / std::sqrt(vc * 1000.0 * tc);
}

namespace {

std::vector<RangeWarning> warnings_for(const refhost::Component& c, double t, unsigned uses, bool pure) {
  std::vector<RangeWarning> out;
  if (uses & uses_ideal_gas_cp) check_fit(out, c, t, "CPIG_TMIN", "CPIG_TMAX", "ideal-gas heat capacity");
  if (uses & uses_liquid_viscosity) check_fit(out, c, t, "MUL_TMIN", "MUL_TMAX", "liquid viscosity");
  if (uses & uses_vapour_pressure) check_fit(out, c, t, "PVAP_TMIN", "PVAP_TMAX", "vapour pressure");
  if (uses & liquid_state) {
    const double tc = column_value(c, "TC"), ttp = column_value(c, "PVAP_TMIN");
    // In a mixture a component above its own critical temperature may well be dissolved in
    // a liquid; the mixture's state is judged from its pseudo-critical temperature instead.
    if (pure && t > tc)
      out.push_back({c.name, "a liquid at T = " + num(t) + " K is above the critical temperature " + num(tc) +
                                 " K: there is no liquid"});
    else if (t < ttp)
      out.push_back({c.name, "a liquid at T = " + num(t) + " K is below the triple point " + num(ttp) +
                                 " K: the component is solid"});
  }
  const bool water = c.name == "water";
  const std::string for_water = water ? "; for water use `kova water` (IAPS 1985)" : "";
  const double kappa = column_value(c, "KAPPA"), mur = reduced_dipole(c);
  // A correlation fitted to non-polar fluids only: a hydrogen-bonding or strongly polar
  // component is outside what it was fitted to.
  const auto nonpolar_fit = [&](const std::string& fitted) {
    if (kappa > 0.0 || mur > 0.75)
      out.push_back({c.name, fitted + "; " + (kappa > 0.0 ? "a hydrogen-bonding" : "a strongly polar") +
                                 " component is outside its published scope" + for_water});
  };
  if (uses & letsou_stiel_model) {
    nonpolar_fit("Letsou-Stiel's correlation was fitted to non-polar liquids");
    const double tc = column_value(c, "TC"), tr = t / tc;
    // The routine takes T/TC above 0.98 as 0.98 (above 1 as 1) and extrapolates below 0.76.
    if (tr > 1.0 && !(uses & liquid_state))
      out.push_back({c.name, "T/TC = " + num(tr) + " is above 1: Letsou-Stiel's liquid viscosity is evaluated at "
                                 "T/TC = 1"});
    else if (tr > 0.98 && tr <= 1.0)
      out.push_back({c.name, "T/TC = " + num(tr) + " is above the 0.98 up to which Letsou-Stiel's correlation was "
                                 "fitted: it is evaluated at T/TC = 0.98"});
    else if (tr < 0.76)
      out.push_back({c.name, "T/TC = " + num(tr) + " is below the 0.76 down to which Letsou-Stiel's correlation "
                                 "was fitted: it is extrapolated"});
  }
  if (uses & stiel_thodos_model) nonpolar_fit("Stiel-Thodos' dense-gas conductivity was fitted to non-polar gases");
  if (uses & dean_stiel_model) nonpolar_fit("Dean-Stiel's dense-gas viscosity was fitted to non-polar gases");
  if (uses & nonpolar_corresponding_states) {
    if (kappa > 0.0 || mur > 0.75)
      out.push_back({c.name, std::string("TRAPP maps every component onto non-polar methane; ") +
                                 (kappa > 0.0 ? "a hydrogen-bonding" : "a strongly polar") +
                                 " component is outside its published scope (errors of tens of per cent)" +
                                 for_water});
  } else if (uses & chung_model) {
    if (kappa > 0.0)
      out.push_back({c.name, "Chung-Lee-Starling's association factor (KAPPA = " + num(kappa) +
                                 ") is a fitted correction: a hydrogen-bonding component, above all as a dense "
                                 "fluid, is outside the model's published accuracy" +
                                 for_water});
  }
  return out;
}

}  // namespace

std::vector<RangeWarning> range_warnings(const refhost::Component& c, double t, unsigned uses) {
  return warnings_for(c, t, uses, true);
}

std::vector<RangeWarning> range_warnings(const refhost::ComponentSet& set, const std::vector<double>& x, double t,
                                         unsigned uses) {
  std::vector<RangeWarning> out;
  std::size_t present = 0;
  for (std::int64_t i = 1; i <= set.size(); ++i)
    if (static_cast<std::size_t>(i - 1) >= x.size() || x[static_cast<std::size_t>(i - 1)] != 0.0) ++present;
  for (std::int64_t i = 1; i <= set.size(); ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    if (k < x.size() && x[k] == 0.0) continue;
    for (RangeWarning& w : warnings_for(set.component(i), t, uses, present == 1)) out.push_back(std::move(w));
  }
  return out;
}

}  // namespace kova::calc
