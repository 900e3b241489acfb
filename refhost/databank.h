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

// The numeric columns in file order: key (as Component::get takes it) and unit (empty for
// dimensionless columns), e.g. {"TC", "K"}, {"MUP_DEBYE", "debye"}, {"ZC", ""}.
struct ColumnInfo {
  std::string key, unit;
};
const std::vector<ColumnInfo>& databank_columns();

// All databank components in file order.
const std::vector<Component>& databank();
// A databank or user component by name (case-insensitive), CAS number or formula; null if
// none. User components (add_user_component) are found after the databank's.
const Component* find_component(std::string_view key);

// Components read from CSV text with the databank's header line (data/components.csv): the
// NAME column is required, any other column may be left out or empty (a missing value), a
// column the databank does not have is an error. The numeric values are kept in the
// databank's column order, so that a component set of them fills the parameter store alike.
// Throws std::invalid_argument with the line number for a malformed line or value.
std::vector<Component> read_components_csv(std::string_view text);

// Makes a component (from read_components_csv) available to find_component and component
// sets beside the databank, as a simulator's user-defined component. A name, CAS number or
// formula of a databank component is refused (std::invalid_argument); a user component of
// the same name is replaced in place, so sets made before see the new values. The returned
// pointer stays valid for the life of the process.
const Component* add_user_component(Component c);
// The user components added so far, in order.
std::vector<const Component*> user_components();

// The parameter-store block number (ZEL_IPOFF1 word) of a numeric databank column, for
// example "CPIG_A0"; the spare block of markers has number store_spare_block().
std::int64_t store_block(std::string_view column);
std::int64_t store_spare_block();

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
  // pair arrays) are set to its size, the host routines that need component data read it
  // from this set (installed_set()), and the parameter store is filled (fill_store).
  void install() const;

  // Fills the host's parameter store with this set's parameters: ZEL_PLEX holds one block of
  // size() words (by component number, the missing-value marker for an empty field) for
  // every numeric databank column, in file order, then one spare block of markers;
  // ZEL_IPOFF1 word k is the store position just before the first value of block k
  // (store_block gives k for a column). Words 799, 800, 802 and 803 of ZEL_IPOFF1 name the
  // MW, TC, PC and ZC blocks, the auxiliary blocks of the host's ideal-gas model.
  void fill_store() const;

 private:
  std::vector<const Component*> members_;
};

// The set last installed, or null before any install(). The host's property routines
// (equation of state, liquid viscosities and volumes) take their component data from it by
// component number.
const ComponentSet* installed_set();

}  // namespace kova::refhost
