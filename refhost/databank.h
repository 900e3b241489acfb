// The reference host's component databank and its component sets.
//
// The databank (data/components.csv, sources in data/SOURCES.md) holds 43 common components
// with their critical constants, acentric factors, dipole moments, boiling data and the
// host-side correlations (ideal-gas heat capacity, vapour pressure, liquid viscosity).
// A component set is what a simulator holds for a flowsheet: a numbered selection of
// components (1..n) with parameter arrays by component number, the identifier tables and
// the check flags, in the form in which the library's routines take them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kova/kova_types.h"

namespace kova::refhost {

struct Component {
  std::string name, cas, formula, flags;
  std::string cid[2];    // the two identifier words (up to 4 characters each)
  std::string cform[3];  // the three formula words (up to 4 characters each)
  // Numeric columns by name without unit (e.g. "TC", "MUP[debye]" is "MUP_DEBYE",
  // "MUP[(J*m3)^0.5]" is "MUP_SI"); an empty field reads as nullopt.
  std::optional<double> get(std::string_view column) const;
  std::vector<std::pair<std::string, std::optional<double>>> values;
};

// All databank components in file order.
const std::vector<Component>& databank();
// A databank component by name (case-insensitive), CAS number or formula; null if none.
const Component* find_component(std::string_view key);

// Packs up to 4 characters into an identifier word: the characters, then blanks.
kova_word pack_word(std::string_view four);

// A numbered selection of databank components, as a host holds it.
class ComponentSet {
 public:
  explicit ComponentSet(std::vector<const Component*> members);
  // From names (or CAS numbers or formulas); throws std::invalid_argument for unknown ones.
  static ComponentSet of(const std::vector<std::string>& keys);

  std::int64_t size() const { return static_cast<std::int64_t>(members_.size()); }
  const Component& component(std::int64_t number) const { return *members_.at(number - 1); }

  // A parameter array by component number (element 0 is component 1); a missing value is
  // the host's missing-value marker.
  std::vector<double> param(std::string_view column) const;
  // Identifier tables: 2 words (CID) or 3 words (CFORM) per component.
  std::vector<kova_word> cid() const;
  std::vector<kova_word> cform() const;
  // Check flags of a fresh parameter set: nothing checked yet.
  std::vector<double> flags() const { return std::vector<double>(members_.size(), 0.0); }
  // The component list 1..n.
  std::vector<std::int64_t> all() const;

  // Makes this set the host's current set: ZEL_NCOMP word 0 and ZEL_PPRIV word 9 (rows of
  // pair arrays) are set to its size, and the host routines that need component data read
  // it from this set (installed_set()).
  void install() const;

 private:
  std::vector<const Component*> members_;
};

// The set last installed, or null before any install(). The host's property routines
// (equation of state, liquid viscosities and volumes) take their component data from it by
// component number.
const ComponentSet* installed_set();

}  // namespace kova::refhost
