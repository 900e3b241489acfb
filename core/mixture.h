// The calculator core's view of a calculation's components: a databank component set as a
// host holds it (numbered 1..n, parameter arrays, identifier tables, check flags), the
// mixture's composition, the phase of a state, and molar volumes given directly, as a
// density or through the reference host's equation of state.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "databank.h"
#include "phase.h"
#include "kova/kova_types.h"

namespace kova::calc {

inline constexpr double kNotGiven = std::numeric_limits<double>::quiet_NaN();

// A component set as a host holds it for one calculation, numbered 1..n in the order given.
struct Mixture {
  refhost::ComponentSet set;
  std::vector<double> x;            // mole fractions by list position (empty if not asked)
  std::vector<std::int64_t> idx;    // the list 1..n
  std::vector<kova_word> cid;       // identifier table, 2 words per component
  std::vector<kova_word> cform;     // formula table, 3 words per component
  std::int64_t n() const { return set.size(); }
  const std::string& name(std::int64_t number) const { return set.component(number).name; }
  // The databank names in list order.
  std::vector<std::string> names() const;
  // A per-component value list must be empty or have one value per component; InputError
  // otherwise ("<what>: 3 value(s) for 2 components").
  void check_per_component(const std::vector<double>& values, const std::string& what) const;
  // The component numbers of the named components (names, CAS numbers or formulas of
  // members); InputError for one that is not a member.
  std::vector<std::int64_t> numbers_of(const std::vector<std::string>& keys, const std::string& what) const;
};

// Builds the component set from databank names, CAS numbers or formulas and mole fractions
// in the same order (InputError for unknown or repeated components, a wrong number of mole
// fractions, negative ones, or fractions that do not sum to 1 within 1e-4) and installs it
// as the host's current set. With need_composition, x may be empty only for a single
// component (x = 1).
// Components are found as lookup_component() finds them (formulas in any element order,
// did-you-mean suggestions); w gives mass fractions instead of x, and normalize scales
// either to a sum of 1 (make_fractions); what was done is noted (advise_note).
Mixture build_mixture(const std::vector<std::string>& components, const std::vector<double>& x,
                      bool need_composition, const std::vector<double>& w = {}, bool normalize = false);

// The phase of a state; kvl() is the library's phase flag (1 vapour, 2 liquid).
enum class Phase { vapour, liquid };
inline std::int64_t kvl(Phase p) { return p == Phase::vapour ? 1 : 2; }
std::string to_string(Phase p);
// "vapour", "vapor", "v", "liquid", "l" in any case; InputError otherwise.
Phase parse_phase(const std::string& text);
// The same with "auto" (InputError with the option's name otherwise).
PhaseRequest parse_phase_option(const std::string& text);
// The same for a model for gases only: auto or vapour; InputError for liquid, naming the
// commands that compute the liquid.
PhaseRequest parse_gas_phase_option(const std::string& text, const GasModel& model);

// A molar volume given directly, as a molar density, or (where the command offers a
// pressure) as a pressure, from which the reference host's vapour equation of state
// (Peng-Robinson, SIRK_ES01) gives the volume at the temperature.
struct MolarVolume {
  double volume = kNotGiven;    // m3/kmol
  double density = kNotGiven;   // kmol/m3
  double pressure = kNotGiven;  // Pa
  bool pressure_offered = false;
  // InputError when more than one is given or one is not a positive number.
  void check() const;
  bool given() const;
  bool from_pressure() const;
  // The molar volume, m3/kmol, of the listed components with mole fractions y (list
  // positions of m) at t: as given, 1/density, or from the equation of state at the
  // pressure. InputError if none was given.
  double of(const Mixture& m, double t, const std::vector<double>& y) const;
  // The volume of the one listed component at list position i (1-based), alone.
  double of_component(const Mixture& m, double t, std::int64_t i) const;
};

// Molar volume of a vapour of the listed components (mole fractions y by list position)
// at t (K) and p (Pa) from the reference host's equation of state, m3/kmol.
double host_vapour_volume(const Mixture& m, double t, double p, const std::vector<double>& y);

// Input checks with the command line's wording: "<option>: must be positive: <v>" (or "not
// a finite number"), "must not be negative".
void require_positive(double v, const std::string& option);
void require_non_negative(double v, const std::string& option);
void require_positive(const std::vector<double>& v, const std::string& option);
void require_non_negative(const std::vector<double>& v, const std::string& option);

}  // namespace kova::calc
