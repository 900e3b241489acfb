#include "units.h"

#include <udunits2.h>

#include "report.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
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

Quantity quantity_of(std::string_view option) {
  static const std::map<std::string_view, Quantity, std::less<>> options = {
      // compositions
      {"--x", {"", Bound::non_negative}},
      {"--w", {"", Bound::non_negative}},
      // given pure-component and mixture properties
      {"--mulp", {"Pa s", Bound::positive}},
      {"--mul", {"Pa s", Bound::positive}},
      {"--klp", {"W/(m K)", Bound::positive}},
      {"--kmxlp", {"W/(m K)", Bound::positive}},
      {"--kl", {"W/(m K)", Bound::non_negative}},
      {"--vl", {"m3/kmol", Bound::positive}},
      {"--dv0", {"m2/s", Bound::non_negative}},
      {"--p0", {"Pa", Bound::positive}},
      {"--sigma", {"N/m", Bound::positive}},
      {"--vw", {"", Bound::positive}},
  };
  const auto it = options.find(option);
  if (it == options.end()) throw std::out_of_range("no value option " + std::string(option));
  return it->second;
}

double read_number(const std::string& option, const std::string& text, const std::string& unit) {
  double v = 0.0;
  if (trim(text).empty()) throw InputError(option + ": an empty value");
  if (parse_real(text, v)) return v;
  if (unit.empty()) throw InputError(option + ": not a finite number: " + trim(text));
  try {
    return parse_quantity(text, unit);
  } catch (const UnitError& e) {
    throw InputError(option + ": not a finite number: " + trim(text) + " (nor a quantity in a unit of " + unit +
                     ": " + e.what() + ")");
  }
}

std::vector<double> read_values(const std::string& option, const std::vector<std::string>& items) {
  const Quantity q = quantity_of(option);
  const std::string unit(q.unit);
  // Every value as written, a lone unit joined to the bare number before it.
  std::vector<std::string> texts;
  for (const std::string& item : items) {
    std::size_t from = 0;
    for (;;) {
      const std::size_t at = item.find(',', from);
      std::string one = trim(std::string_view(item).substr(from, at == std::string::npos ? std::string::npos : at - from));
      const char* start = one.c_str();
      char* end = nullptr;
      std::strtod(start, &end);
      double previous = 0.0;
      if (!unit.empty() && !one.empty() && end == start && !texts.empty() && parse_real(texts.back(), previous))
        texts.back() += " " + one;
      else
        texts.push_back(std::move(one));
      if (at == std::string::npos) break;
      from = at + 1;
    }
  }
  std::vector<double> out;
  for (const std::string& text : texts) {
    const double v = read_number(option, text, unit);
    if (q.bound == Bound::positive && !(v > 0.0)) throw InputError(option + ": must be positive: " + text);
    if (q.bound == Bound::non_negative && v < 0.0) throw InputError(option + ": must not be negative: " + text);
    out.push_back(v);
  }
  return out;
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
