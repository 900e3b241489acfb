#include "audit/degenerate.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <set>
#include <sstream>
#include <vector>

#include "audit/harness.h"
#include "refhost.h"

namespace kova::audit {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool is_volume(const std::string& name) {
  static const std::set<std::string> names = {"V", "VV", "VVMX", "VMX", "VL", "VLMX", "VMXL"};
  return names.count(name) > 0;
}

struct Scenario {
  const char* title;
  std::vector<std::int64_t> idx;
  std::vector<double> x;
  std::function<void(Call&)> change;
};

void set_all(Call& c, const std::function<bool(const Arg&)>& which, double v) {
  for (std::size_t k = 0; k < c.args.size(); ++k)
    if (which(c.args[k]))
      for (std::size_t i = 0; i < c.buffers[k].size; ++i) c.buffers[k].reals()[i] = v;
}

const std::vector<Scenario>& scenarios() {
  static const std::vector<Scenario> all = {
      {"N = 0", {}, {}, {}},
      {"N = -1", {}, {}, [](Call& c) { c.set_int("N", -1); }},
      {"zero volume", {3, 5}, {0.5, 0.5},
       [](Call& c) { set_all(c, [](const Arg& a) { return is_volume(a.name); }, 0.0); }},
      {"missing volume", {3, 5}, {0.5, 0.5},
       [](Call& c) { set_all(c, [](const Arg& a) { return is_volume(a.name); }, kova::refhost::kMissing); }},
      {"zero Tc, Pc, Vc, Zc", {3, 5}, {0.5, 0.5},
       [](Call& c) {
         set_all(c,
                 [](const Arg& a) {
                   return (a.kind == Kind::CompParam || a.kind == Kind::CompIn) &&
                          (a.name == "TC" || a.name == "PC" || a.name == "VC" || a.name == "ZC");
                 },
                 0.0);
       }},
      {"zero mole fractions", {3, 5}, {0.0, 0.0}, {}},
      {"T = NaN", {3, 5}, {0.5, 0.5}, [](Call& c) { c.set_scalar("T", kNaN); }},
      {"P = NaN", {3, 5}, {0.5, 0.5},
       [](Call& c) {
         c.set_scalar("P", kNaN);
         set_all(c, [](const Arg& a) { return a.name == "PRES" || (a.name == "P" && a.kind == Kind::PosIn); }, kNaN);
       }},
  };
  return all;
}

}  // namespace

// The results of a call in a few words: not written, zero, finite, or not finite.
std::string summarise(Call& c, const std::vector<std::vector<double>>& before) {
  bool written = false, nonfinite = false, nonzero = false;
  for (std::size_t k = 0; k < c.args.size(); ++k) {
    const Kind kind = c.args[k].kind;
    if (kind != Kind::RealOut && kind != Kind::PosOut && kind != Kind::RealInOut && kind != Kind::PosInOut &&
        kind != Kind::SquareOut)
      continue;
    for (std::size_t i = 0; i < c.buffers[k].size; ++i) {
      const double v = c.buffers[k].reals()[i];
      if (std::memcmp(&v, &before[k][i], sizeof v) == 0) continue;
      written = true;
      if (!std::isfinite(v)) nonfinite = true;
      if (v != 0.0) nonzero = true;
    }
  }
  if (!written) return "not written";
  if (nonfinite) return "NOT FINITE";
  return nonzero ? "finite" : "0";
}

std::string gate_messages() {
  std::set<std::string> seen;
  std::string out;
  for (const auto& g : kova::refhost::record().gate_calls) {
    const std::string m = std::to_string(g.cls) + "/" + std::to_string(g.num);
    if (seen.insert(m).second) out += (out.empty() ? "" : " ") + m;
  }
  return out;
}

std::string degenerate_table() {
  std::ostringstream out;
  out << "| routine |";
  for (const Scenario& s : scenarios()) out << ' ' << s.title << " |";
  out << "\n|---|";
  for (std::size_t k = 0; k < scenarios().size(); ++k) out << "---|";
  out << '\n';
  for (const Routine& r : catalogue()) {
    out << "| `" << r.name << "` |";
    for (const Scenario& s : scenarios()) {
      kova::refhost::reset();
      kova::refhost::force_gate(1);
      Call call(r, 10, s.idx, s.x);
      call.set_int("KCALC", 1);
      if (s.change) s.change(call);
      std::vector<std::vector<double>> before;
      for (auto& b : call.buffers) before.emplace_back(b.reals(), b.reals() + b.size);
      call.run();
      const std::string m = gate_messages();
      out << ' ' << summarise(call, before) << (m.empty() ? "" : "; " + m) << " |";
    }
    out << '\n';
  }
  kova::refhost::reset();
  return out.str();
}

}  // namespace kova::audit
