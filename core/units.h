// Quantities with units on the calculator's command line and in its output.
//
// A value is a number, optionally followed by a unit: "70bar", "70 bar", "25degC", "1.2 MPa",
// "0.89 cP". A bare number is already in the calculator's SI unit (K, Pa, Pa s, ...). The unit
// text is read by the UDUNITS-2 library with its standard unit database, so prefixes, offset
// temperature scales and products ("mPa s", "mPa.s") need no table of our own.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kova::calc {

class Report;

// A value that cannot be read, or whose unit is not one of the quantity asked for.
struct UnitError : std::invalid_argument {
  using std::invalid_argument::invalid_argument;
};

// The value of text in the unit si_unit (e.g. "K", "Pa", "Pa s", "m3/kmol"). A bare number is
// returned as it is; a non-finite value or a unit that does not convert to si_unit throws
// UnitError with a plain sentence ("--p: \"70 K\" is not a pressure (Pa)" style text is left to
// the caller; the message here names the unit and the expected one).
double parse_quantity(std::string_view text, std::string_view si_unit);

// v (in from_unit) expressed in to_unit, e.g. convert(1e-3, "Pa s", "cP") == 1. UnitError when
// either unit is unknown or they do not convert.
double convert(double v, std::string_view from_unit, std::string_view to_unit);

// True when unit is a unit the database knows and converts to si_unit.
bool convertible(std::string_view unit, std::string_view si_unit);

// ---------------------------------------------------------------- option values

// The values an option accepts.
enum class Bound { any, non_negative, positive };

// What an option's values are: their SI unit ("" for a plain number such as a fraction) and
// the values accepted.
struct Quantity {
  std::string_view unit;
  Bound bound = Bound::any;
};

// The quantity of a value option of the calculator, by its name as the command line spells it
// ("--mulp": Pa s, positive; "--x": a plain non-negative number). std::out_of_range for a
// name that is not a value option.
Quantity quantity_of(std::string_view option);

// One value as a user writes it: a bare number in unit, or, with a unit given, a number with
// a unit of the same quantity ("0.3cP" for unit "Pa s"). InputError "<option>: not a finite
// number: <text> (...)" otherwise. This reads every value the calculator takes from text:
// single values, lists and the items of a range.
double read_number(const std::string& option, const std::string& text, const std::string& unit);

// The values of a value option (quantity_of) given as items, each one value or several
// separated by commas ("0.3cP,0.5 cP"), read by read_number and then checked against the
// option's bound: InputError "<option>: must be positive: <text>" as the user wrote it. A unit
// written on its own after a bare number belongs to it, so that "20 mN/m,25 mN/m" split at
// blanks by a shell ("20", "mN/m", "25", "mN/m") reads the same. No unit contains a comma.
std::vector<double> read_values(const std::string& option, const std::vector<std::string>& items);

// Every viscosity of a report (columns and inputs in Pa s) shown in unit instead (e.g. "cP").
void show_viscosity_in(Report& r, const std::string& unit);

}  // namespace kova::calc
