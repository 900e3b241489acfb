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

// Every viscosity of a report (columns and inputs in Pa s) shown in unit instead (e.g. "cP").
void show_viscosity_in(Report& r, const std::string& unit);

}  // namespace kova::calc
