#include "composition.h"

#include <cmath>

#include "report.h"

namespace kova::calc {

namespace {

std::string number(double v) { return format_significant(v, 6); }

// Checks the values of one option and returns them scaled to a sum of 1.
std::vector<double> checked(const std::vector<double>& v, std::size_t n, bool normalize, const std::string& option,
                            const std::string& what, std::vector<std::string>& notes) {
  if (v.size() != n)
    throw CompositionError(option + ": " + std::to_string(v.size()) + " " + what.substr(0, what.size() - 1) +
                           "(s) for " + std::to_string(n) + " component" + (n == 1 ? "" : "s"));
  double sum = 0.0;
  for (double f : v) {
    if (!std::isfinite(f) || f < 0.0)
      throw CompositionError(option + ": must not be negative: " + number(f));
    sum += f;
  }
  if (sum <= 0.0) throw CompositionError(option + ": every value is 0");
  if (std::fabs(sum - 1.0) <= 1.0e-4 && !normalize) return v;
  if (!normalize) {
    std::string hint = std::fabs(sum - 100.0) <= 1.0e-2 ? " (percentages?)" : "";
    throw CompositionError(option + ": the " + what + " sum to " + number(sum) + ", not 1" + hint +
                           "; add --normalize to scale them to 1");
  }
  std::vector<double> out;
  for (double f : v) out.push_back(f / sum);
  if (std::fabs(sum - 1.0) > 1.0e-12) notes.push_back(option + ": the " + what + " (sum " + number(sum) + ") were scaled to sum to 1");
  return out;
}

}  // namespace

Fractions make_fractions(const FractionInput& in, std::size_t n, const std::vector<double>& mw) {
  Fractions c;
  if (!in.x.empty() && !in.w.empty())
    throw CompositionError("give either --x (mole fractions) or --w (mass fractions), not both");
  if (in.x.empty() && in.w.empty()) {
    if (n != 1)
      throw CompositionError("--x: give one mole fraction per component (" + std::to_string(n) +
                             " components), or --w one mass fraction per component");
    c.x = {1.0};
    if (!mw.empty()) c.w = {1.0};
    return c;
  }
  if (!in.x.empty()) {
    c.x = checked(in.x, n, in.normalize, "--x", "mole fractions", c.notes);
    if (mw.size() == n) {
      double total = 0.0;
      for (std::size_t i = 0; i < n; ++i) total += c.x[i] * mw[i];
      if (std::isfinite(total) && total > 0.0)
        for (std::size_t i = 0; i < n; ++i) c.w.push_back(c.x[i] * mw[i] / total);
    }
    return c;
  }
  c.w = checked(in.w, n, in.normalize, "--w", "mass fractions", c.notes);
  if (mw.size() != n) throw CompositionError("--w: the molar masses of the components are not known");
  double total = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    if (!std::isfinite(mw[i]) || mw[i] <= 0.0)
      throw CompositionError("--w: component " + std::to_string(i + 1) + " has no molar mass (MW) to convert with");
    total += c.w[i] / mw[i];
  }
  for (std::size_t i = 0; i < n; ++i) c.x.push_back(c.w[i] / mw[i] / total);
  c.notes.push_back("x: mole fractions from the mass fractions --w and the molar masses MW");
  return c;
}

}  // namespace kova::calc
