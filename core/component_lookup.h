// Finding components and commands from what a user types: databank names, CAS numbers and
// formulas written in any element order ("NH3", "SO2", "HCl"), with the candidates of an
// ambiguous formula and did-you-mean suggestions for a misspelt name; user-defined
// components from a file with the databank's columns.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "databank.h"

namespace kova::calc {

// A component that cannot be found (unknown, or a formula of several components); the
// message is a full sentence with the candidates or suggestions.
struct LookupError : std::invalid_argument {
  using std::invalid_argument::invalid_argument;
};

// Element counts of a formula. Symbols are read as chemists write them ("HCl", "SF6",
// "CH3(CH2)4CH3") or in the databank's capitals ("CLH", "CHCL3", "C4H10-1": a trailing
// "-<digits>" numbers isomers and is ignored). D counts as its own element. Empty when text
// is not a formula.
std::map<std::string, int> element_counts(std::string_view text);

// The component a user means by key: a databank or user component by name
// (case-insensitive), CAS number or formula as the databank writes it; otherwise the one
// component whose formula has the same element counts. LookupError lists the candidates of
// an ambiguous formula or suggests the closest names.
const refhost::Component& lookup_component(std::string_view key);

// The value of a databank column of component c, NaN when the component has none.
double column_value(const refhost::Component& c, const char* column);

// Up to three of known closest to word (edit distance, case-insensitive), nearest first, only
// those close enough to be a plausible misspelling.
std::vector<std::string> suggestions(std::string_view word, const std::vector<std::string>& known);
// " (did you mean \"a\" or \"b\"?)" from suggestions(), or an empty string.
std::string did_you_mean(std::string_view word, const std::vector<std::string>& known);
// The same where known[k] is shown as shown[k] (several spellings of one thing, such as an
// option's aliases "--t" and "--temperature"): each shown name suggested once.
std::string did_you_mean(std::string_view word, const std::vector<std::string>& known,
                         const std::vector<std::string>& shown);

// Reads a components file (CSV with the databank's header line, see data/components.csv)
// and adds its components beside the databank (refhost::add_user_component). Identifier and
// formula words left empty are filled from the name and formula. Returns the names added.
// LookupError names the file and line for anything it cannot use.
std::vector<std::string> load_components_file(const std::string& path);

}  // namespace kova::calc
