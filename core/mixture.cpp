#include "mixture.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "kova/host.h"
#include "component_lookup.h"
#include "composition.h"
#include "report.h"

namespace kova::calc {

Mixture build_mixture(const std::vector<std::string>& components, const std::vector<double>& x,
                      bool need_composition, const std::vector<double>& w, bool normalize) {
  std::vector<const refhost::Component*> members;
  for (const std::string& given : components) {
    const std::string key = trim(given);
    if (key.empty()) throw InputError("--components: an empty component name");
    const refhost::Component* c = nullptr;
    try {
      c = &lookup_component(key);
    } catch (const LookupError& e) {
      throw InputError(e.what());
    }
    if (std::find(members.begin(), members.end(), c) != members.end())
      throw InputError("component \"" + key + "\" is listed twice");
    members.push_back(c);
  }
  if (members.empty()) throw InputError("--components: no component given");
  const std::size_t n = members.size();

  std::vector<double> fractions;
  if (need_composition || !x.empty() || !w.empty()) {
    std::vector<double> mw;
    for (const refhost::Component* c : members) mw.push_back(c->get("MW").value_or(std::nan("")));
    try {
      Fractions f = make_fractions({x, w, normalize}, n, mw);
      fractions = std::move(f.x);
      for (std::string& note : f.notes) advise_note(std::move(note));
    } catch (const CompositionError& e) {
      throw InputError(e.what());
    }
  }

  refhost::ComponentSet set(std::move(members));
  set.install();
  Mixture m{set, std::move(fractions), set.all(), set.cid(), set.cform()};
  return m;
}

std::vector<std::string> Mixture::names() const {
  std::vector<std::string> out;
  for (std::int64_t i = 1; i <= n(); ++i) out.push_back(name(i));
  return out;
}

void Mixture::check_per_component(const std::vector<double>& values, const std::string& what) const {
  if (!values.empty() && static_cast<std::int64_t>(values.size()) != n())
    throw InputError(what + ": " + std::to_string(values.size()) + " value(s) for " + std::to_string(n()) +
                     " components");
}

std::vector<std::int64_t> Mixture::numbers_of(const std::vector<std::string>& keys, const std::string& what) const {
  std::vector<std::int64_t> out;
  for (const std::string& k : keys) {
    const refhost::Component* c = refhost::find_component(trim(k));
    std::int64_t found = 0;
    for (std::int64_t i = 1; i <= n() && c != nullptr; ++i)
      if (&set.component(i) == c) found = i;
    if (found == 0) throw InputError(what + ": \"" + k + "\" is not one of --components");
    out.push_back(found);
  }
  return out;
}

PhaseRequest parse_phase_option(const std::string& text) {
  PhaseRequest p;
  if (!parse_phase_request(trim(text), p))
    throw InputError("--phase: \"" + text + "\" is not a phase: give auto, vapour or liquid");
  return p;
}

PhaseRequest parse_gas_phase_option(const std::string& text, const GasModel& model) {
  const PhaseRequest p = parse_phase_option(text);
  if (p == PhaseRequest::liquid)
    throw InputError("--phase liquid: " + std::string(model.name) + " is a model for gases; for a liquid use " +
                     model.for_liquid);
  return p;
}

std::string to_string(Phase p) { return p == Phase::vapour ? "vapour" : "liquid"; }

Phase parse_phase(const std::string& text) {
  std::string s = trim(text);
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (s == "vapour" || s == "vapor" || s == "v") return Phase::vapour;
  if (s == "liquid" || s == "l") return Phase::liquid;
  throw InputError("--phase: " + text + " is not vapour or liquid");
}

void MolarVolume::check() const {
  const int count = !std::isnan(volume) + !std::isnan(density) + !std::isnan(pressure);
  if (count > 1)
    throw InputError(!std::isnan(volume) ? (!std::isnan(density) ? "--volume excludes --density"
                                                                 : "--volume excludes --p")
                                         : "--density excludes --p");
  if (!std::isnan(volume)) require_positive(volume, "--volume");
  if (!std::isnan(density)) require_positive(density, "--density");
  if (!std::isnan(pressure)) require_positive(pressure, "--p");
}

bool MolarVolume::given() const { return !std::isnan(volume) || !std::isnan(density) || from_pressure(); }

bool MolarVolume::from_pressure() const { return std::isnan(volume) && std::isnan(density) && !std::isnan(pressure); }

double MolarVolume::of(const Mixture& m, double t, const std::vector<double>& y) const {
  if (!std::isnan(volume)) return volume;
  if (!std::isnan(density)) return 1.0 / density;
  if (!std::isnan(pressure)) return host_vapour_volume(m, t, pressure, y);
  throw InputError("give the molar volume (--volume, m3/kmol) or the molar density (--density, kmol/m3)" +
                   std::string(pressure_offered ? " or the pressure (--p, Pa)" : ""));
}

double MolarVolume::of_component(const Mixture& m, double t, std::int64_t i) const {
  if (!from_pressure()) return of(m, t, {});
  std::vector<double> y(static_cast<std::size_t>(m.n()), 0.0);
  y[static_cast<std::size_t>(i - 1)] = 1.0;
  return host_vapour_volume(m, t, pressure, y);
}

double host_vapour_volume(const Mixture& m, double t, double p, const std::vector<double>& y) {
  const std::int64_t n = m.n(), one = 1, zero = 0, idset = 1, kdiag = 0;
  std::vector<double> work(16, 0.0);
  double v = 0.0;
  double* w = work.data();
  SIRK_ES01(&t, &p, y.data(), &n, m.idx.data(), &one, &zero, &zero, &zero, &zero, &one, &idset, &kdiag, w,
            m.cid.data(), nullptr, nullptr, nullptr, nullptr, nullptr, w + 1, w + 2, w + 3, w + 4, &v, w + 5, w + 6,
            w + 7, w + 8, w + 9, w + 10, w + 11);
  return v;
}

void require_positive(double v, const std::string& option) {
  if (!std::isfinite(v)) throw InputError(option + ": not a finite number: " + format_number(v));
  if (v <= 0.0) throw InputError(option + ": must be positive: " + format_number(v));
}

void require_non_negative(double v, const std::string& option) {
  if (!std::isfinite(v)) throw InputError(option + ": not a finite number: " + format_number(v));
  if (v < 0.0) throw InputError(option + ": must not be negative: " + format_number(v));
}

void require_positive(const std::vector<double>& v, const std::string& option) {
  for (double d : v) require_positive(d, option);
}

void require_non_negative(const std::vector<double>& v, const std::string& option) {
  for (double d : v) require_non_negative(d, option);
}

}  // namespace kova::calc
