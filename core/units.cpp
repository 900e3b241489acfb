#include "units.h"

#include <udunits2.h>

#include "report.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <utility>

namespace kova::calc {

namespace {

// The unit system, read once from the standard database. UDUNITS reports through a global
// handler; its complaints about the database are not the user's concern.
ut_system* units_system() {
  static ut_system* const sys = [] {
    ut_set_error_message_handler(ut_ignore);
    ut_system* s = ut_read_xml(nullptr);
    if (s == nullptr) throw UnitError("the unit database (udunits2.xml) could not be read");
    // The database names the poise but gives it no symbol (P is the peta prefix); engineers
    // write viscosities in cP and the corresponding-states tables in uP.
    for (const auto& [symbol, name] : {std::pair{"cP", "centipoise"}, std::pair{"uP", "micropoise"}}) {
      ut_unit* u = ut_parse(s, name, UT_UTF8);
      if (u != nullptr) {
        ut_map_symbol_to_unit(symbol, UT_UTF8, u);
        ut_free(u);
      }
    }
    return s;
  }();
  return sys;
}

std::mutex& units_mutex() {
  static std::mutex m;
  return m;
}

struct UnitDeleter {
  void operator()(ut_unit* u) const { ut_free(u); }
};
using UnitPtr = std::unique_ptr<ut_unit, UnitDeleter>;


UnitPtr parse_unit(const std::string& text) {
  // "Pa s" and "mPa s" are products; UDUNITS reads a blank as multiplication already.
  UnitPtr u(ut_parse(units_system(), text.c_str(), UT_UTF8));
  if (!u) throw UnitError("unknown unit \"" + text + "\"");
  return u;
}

double convert_locked(double v, const std::string& from, const std::string& to) {
  const UnitPtr f = parse_unit(from), t = parse_unit(to);
  if (!ut_are_convertible(f.get(), t.get()))
    throw UnitError("\"" + from + "\" is not a unit of the quantity asked for (" + to + ")");
  cv_converter* c = ut_get_converter(f.get(), t.get());
  if (c == nullptr) throw UnitError("no conversion from \"" + from + "\" to \"" + to + "\"");
  const double out = cv_convert_double(c, v);
  cv_free(c);
  return out;
}

}  // namespace

double parse_quantity(std::string_view text, std::string_view si_unit) {
  const std::string s = trim(text);
  if (s.empty()) throw UnitError("an empty value");
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  if (end == s.c_str()) throw UnitError("\"" + s + "\" does not start with a number");
  // strtod reads "inf", "nan" and hexadecimal forms; none of them is a physical value.
  if (!std::isfinite(v)) throw UnitError("\"" + s + "\" is not a finite number");
  const std::string unit = trim(std::string_view(end));
  if (unit.empty()) return v;
  std::lock_guard<std::mutex> lock(units_mutex());
  const double out = convert_locked(v, unit, std::string(si_unit));
  if (!std::isfinite(out)) throw UnitError("\"" + s + "\" is out of range in " + std::string(si_unit));
  return out;
}

double convert(double v, std::string_view from_unit, std::string_view to_unit) {
  std::lock_guard<std::mutex> lock(units_mutex());
  return convert_locked(v, std::string(from_unit), std::string(to_unit));
}

bool convertible(std::string_view unit, std::string_view si_unit) {
  std::lock_guard<std::mutex> lock(units_mutex());
  UnitPtr f(ut_parse(units_system(), std::string(unit).c_str(), UT_UTF8));
  UnitPtr t(ut_parse(units_system(), std::string(si_unit).c_str(), UT_UTF8));
  return f && t && ut_are_convertible(f.get(), t.get());
}

void show_viscosity_in(Report& r, const std::string& unit) {
  const double f = convert(1.0, "Pa s", unit);
  for (Table& t : r.tables())
    for (std::size_t k = 0; k < t.columns.size(); ++k) {
      if (t.columns[k].unit != "Pa s") continue;
      t.columns[k].unit = unit;
      for (auto& row : t.rows)
        if (auto* v = std::get_if<double>(&row[k])) *v *= f;
    }
  for (Report::Input& in : r.inputs()) {
    if (in.unit != "Pa s") continue;
    in.unit = unit;
    if (in.value.is_number()) in.value = in.value.get<double>() * f;
    if (in.value.is_array())
      for (auto& v : in.value)
        if (v.is_number()) v = v.get<double>() * f;
  }
}

}  // namespace kova::calc
