#include "command.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <sstream>

namespace kova::cli {

// ---------------------------------------------------------------- results

Table& Table::row(std::vector<Cell> cells) {
  if (cells.size() != columns.size())
    throw std::logic_error("table " + name + ": a row of " + std::to_string(cells.size()) + " cells for " +
                           std::to_string(columns.size()) + " columns");
  rows.push_back(std::move(cells));
  return *this;
}

Report& Report::input(std::string name, Json value, std::string unit) {
  inputs_.push_back({std::move(name), std::move(value), std::move(unit)});
  return *this;
}

Table& Report::table(std::string name, std::vector<Column> columns) {
  tables_.push_back(Table{std::move(name), std::move(columns), {}});
  return tables_.back();
}

Report& Report::note(std::string line) {
  notes_.push_back(std::move(line));
  return *this;
}

// ---------------------------------------------------------------- registry

namespace {

std::vector<const Registration*>& registry() {
  static std::vector<const Registration*> all;
  return all;
}

std::string trim(std::string_view s) {
  const auto b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(" \t");
  return std::string(s.substr(b, e - b + 1));
}

// A whole string read as a finite real; false for anything else ("1.5x", "", "nan").
bool parse_real(const std::string& text, double& value) {
  const std::string s = trim(text);
  if (s.empty()) return false;
  char* end = nullptr;
  value = std::strtod(s.c_str(), &end);
  return end == s.c_str() + s.size() && std::isfinite(value);
}

void set_int_word(kova_word* block, int n, std::int64_t v) { std::memcpy(&block[n], &v, 8); }

}  // namespace

Registration::Registration(std::string name_, std::string description_, Setup setup_, bool calls_library_)
    : name(std::move(name_)), description(std::move(description_)), setup(std::move(setup_)),
      calls_library(calls_library_) {
  registry().push_back(this);
}

std::vector<const Registration*> registrations() {
  std::vector<const Registration*> all = registry();
  std::sort(all.begin(), all.end(), [](const Registration* a, const Registration* b) { return a->name < b->name; });
  return all;
}

int run_main(int argc, char** argv, std::ostream& out, std::ostream& err) {
  CLI::App app{
      "kova: transport properties (viscosity, thermal conductivity, diffusivity, surface tension) of pure\n"
      "components and mixtures from the kova library's models, on the reference host's component databank.\n"
      "SI units on a kmol basis: K, Pa, m3/kmol, kmol/m3, kg/kmol, Pa s."};
  app.require_subcommand(1);
  app.footer("Run 'kova <command> --help' for the options of a command.");

  Session session;
  struct Entry {
    const Registration* reg;
    CLI::App* sub;
    Action action;
    CLI::Option* kdiag;
  };
  std::vector<Entry> entries;
  for (const Registration* reg : registrations()) {
    CLI::App* sub = app.add_subcommand(reg->name, reg->description);
    Entry e{reg, sub, reg->setup(*sub), nullptr};
    sub->add_flag("--json", session.json, "print the results as one JSON document");
    if (reg->calls_library) {
      e.kdiag = sub->add_option("--kdiag", session.kdiag,
                                "diagnostic level passed to the routines as KDIAG: 0 no messages but range warnings; "
                                "1 results that cannot be calculated; 2 (default) also missing parameters, failed "
                                "iterations and corrected inputs; negative or above 6 also the trace (shown as with "
                                "--trace)");
      sub->add_flag("--trace", session.trace, "show the routines' trace lines (sets --kdiag 7 unless it is given)");
      sub->add_flag("!--no-range-warnings", session.range_warnings,
                    "switch the host's range warnings off (correlations used outside their range)");
    }
    entries.push_back(std::move(e));
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e, out, err);  // --help
    // An unknown command otherwise reads as a missing one.
    if (app.get_subcommands().empty() && argc > 1 && argv[1][0] != '-')
      err << "kova: error: unknown command \"" << argv[1] << "\" (kova --help lists the commands)\n";
    else
      err << "kova: error: " << e.what() << "\n";
    return 2;
  }

  for (const Entry& e : entries) {
    if (!e.sub->parsed()) continue;
    session.command = e.reg->name;
    if (session.trace && e.kdiag != nullptr && e.kdiag->count() == 0) session.kdiag = 7;
    // A level at which the routines write their trace shows it too.
    if (e.kdiag != nullptr && (session.kdiag < 0 || session.kdiag > 6)) session.trace = true;
    refhost::reset();
    // The calculator is the host: the routines whose trace follows the host's own level
    // rather than KDIAG get the same level.
    set_int_word(ZEL_GLOBAL, 10, session.kdiag);
    if (!session.range_warnings) set_int_word(ZEL_ERRTWO, 56, 0);
    try {
      const Report report = e.action(session);
      if (session.json)
        out << to_json(report, refhost::record(), session).dump(2) << "\n";
      else
        print_text(out, report, refhost::record(), session);
    } catch (const UsageError& ex) {
      err << "kova: error: " << ex.what() << "\n";
      return 2;
    } catch (const std::exception& ex) {
      err << "kova: " << e.reg->name << " failed: " << ex.what() << "\n";
      return 1;
    }
    return 0;
  }
  return 0;
}

// ---------------------------------------------------------------- shared options

const CLI::Validator& positive_number() {
  static const CLI::Validator v(
      [](std::string& s) -> std::string {
        double d = 0.0;
        if (!parse_real(s, d)) return "not a finite number: " + s;
        if (d <= 0.0) return "must be positive: " + s;
        return {};
      },
      "POSITIVE");
  return v;
}

const CLI::Validator& non_negative_number() {
  static const CLI::Validator v(
      [](std::string& s) -> std::string {
        double d = 0.0;
        if (!parse_real(s, d)) return "not a finite number: " + s;
        if (d < 0.0) return "must not be negative: " + s;
        return {};
      },
      "NONNEGATIVE");
  return v;
}

CLI::Option* MixtureOptions::add_to(CLI::App& app, bool with_composition) {
  CLI::Option* c = app.add_option("-c,--components", components,
                                  "components by databank name, CAS number or formula, comma-separated "
                                  "(kova list shows the databank)")
                       ->required()
                       ->delimiter(',');
  if (with_composition)
    add_list(app, "-x,--x", x, "mole fractions in the order of --components, comma-separated", non_negative_number());
  return c;
}

Mixture MixtureOptions::build(bool need_composition) const {
  std::vector<const refhost::Component*> members;
  std::vector<std::string> names;
  for (const std::string& given : components) {
    const std::string key = trim(given);
    if (key.empty()) throw UsageError("--components: an empty component name");
    const refhost::Component* c = refhost::find_component(key);
    if (c == nullptr) throw UsageError("unknown component \"" + key + "\" (kova list shows the databank)");
    if (std::find(members.begin(), members.end(), c) != members.end())
      throw UsageError("component \"" + key + "\" is listed twice");
    members.push_back(c);
  }
  if (members.empty()) throw UsageError("--components: no component given");
  const std::size_t n = members.size();

  std::vector<double> fractions = x;
  if (need_composition && fractions.empty()) {
    if (n != 1)
      throw UsageError("--x: give one mole fraction per component (" + std::to_string(n) + " components)");
    fractions = {1.0};
  }
  if (!fractions.empty()) {
    if (fractions.size() != n)
      throw UsageError("--x: " + std::to_string(fractions.size()) + " mole fraction(s) for " +
                       std::to_string(n) + " components");
    double sum = 0.0;
    for (double f : fractions) sum += f;
    if (std::fabs(sum - 1.0) > 1.0e-4)
      throw UsageError("--x: the mole fractions sum to " + format_number(sum) + ", not 1");
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
    throw UsageError(what + ": " + std::to_string(values.size()) + " value(s) for " + std::to_string(n()) +
                     " components");
}

std::string to_string(Phase p) { return p == Phase::vapour ? "vapour" : "liquid"; }

bool MolarVolume::from_pressure() const { return std::isnan(volume) && std::isnan(density) && !std::isnan(pressure); }

double MolarVolume::of(const Mixture& m, double t, const std::vector<double>& y) const {
  if (!std::isnan(volume)) return volume;
  if (!std::isnan(density)) return 1.0 / density;
  if (!std::isnan(pressure)) return host_vapour_volume(m, t, pressure, y);
  throw UsageError("give the molar volume (--volume, m3/kmol) or the molar density (--density, kmol/m3)" +
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

CLI::Option* add_temperature(CLI::App& app, double& t) {
  return app.add_option("-T,--t,--temperature", t, "temperature, K")->required()->check(positive_number());
}

CLI::Option* add_pressure(CLI::App& app, double& p) {
  return app.add_option("-P,--p,--pressure", p, "pressure, Pa")->required()->check(positive_number());
}

CLI::Option* add_phase(CLI::App& app, Phase& phase) {
  const std::map<std::string, Phase> names{{"vapour", Phase::vapour}, {"vapor", Phase::vapour},
                                           {"v", Phase::vapour},      {"liquid", Phase::liquid},
                                           {"l", Phase::liquid}};
  return app.add_option("--phase", phase, "phase: vapour or liquid (default vapour)")
      ->transform(CLI::CheckedTransformer(names, CLI::ignore_case));
}

void add_molar_volume(CLI::App& app, MolarVolume& mv, bool with_pressure) {
  CLI::Option* v = app.add_option("--volume", mv.volume, "molar volume, m3/kmol")->check(positive_number());
  CLI::Option* d = app.add_option("--density", mv.density, "molar density, kmol/m3 (instead of --volume)")
                       ->check(positive_number());
  v->excludes(d);
  mv.pressure_offered = with_pressure;
  if (with_pressure) {
    CLI::Option* p = app.add_option("-P,--p,--pressure", mv.pressure,
                                    "pressure, Pa (instead of --volume): the volume then comes from the reference "
                                    "host's Peng-Robinson equation of state")
                         ->check(positive_number());
    p->excludes(v);
    p->excludes(d);
  }
}

CLI::Option* add_list(CLI::App& app, const std::string& names, std::vector<double>& values, const std::string& help,
                      const CLI::Validator& check) {
  return app.add_option(names, values, help)->delimiter(',')->check(check);
}

CLI::Option* add_positive(CLI::App& app, const std::string& names, double& value, const std::string& help) {
  return app.add_option(names, value, help)->check(positive_number());
}

// ---------------------------------------------------------------- output

std::string format_number(double v) {
  char buf[64];
  if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1.0e12)
    std::snprintf(buf, sizeof buf, "%.0f", v);
  else
    std::snprintf(buf, sizeof buf, "%.6g", v);
  return buf;
}

namespace {

std::string rtrim(std::string s) {
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

std::string cell_text(const Cell& c) {
  return std::visit(
      [](const auto& v) -> std::string {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, std::monostate>) return "-";
        else if constexpr (std::is_same_v<V, double>) return format_number(v);
        else if constexpr (std::is_same_v<V, std::int64_t>) return std::to_string(v);
        else return v;
      },
      c);
}

Json cell_json(const Cell& c) {
  return std::visit(
      [](const auto& v) -> Json {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, std::monostate>) return nullptr;
        else if constexpr (std::is_same_v<V, double>) return std::isfinite(v) ? Json(v) : Json();
        else return v;
      },
      c);
}

std::string json_text(const Json& j) {
  if (j.is_string()) return j.get<std::string>();
  if (j.is_number_integer()) return std::to_string(j.get<std::int64_t>());
  if (j.is_number()) return format_number(j.get<double>());
  if (j.is_array()) {
    std::string s;
    for (const auto& e : j) s += (s.empty() ? "" : ", ") + json_text(e);
    return s;
  }
  if (j.is_null()) return "-";
  return j.dump();
}

void print_table(std::ostream& out, const Table& t) {
  const std::size_t nc = t.columns.size();
  std::vector<std::string> head(nc);
  std::vector<std::size_t> width(nc);
  std::vector<bool> left(nc, false);  // text columns are left-aligned, numbers right-aligned
  for (std::size_t k = 0; k < nc; ++k) {
    head[k] = t.columns[k].name + (t.columns[k].unit.empty() ? "" : " [" + t.columns[k].unit + "]");
    width[k] = head[k].size();
  }
  std::vector<std::vector<std::string>> cells;
  for (const auto& row : t.rows) {
    std::vector<std::string> r;
    for (std::size_t k = 0; k < nc; ++k) {
      r.push_back(cell_text(row[k]));
      width[k] = std::max(width[k], r.back().size());
      if (std::holds_alternative<std::string>(row[k])) left[k] = true;
    }
    cells.push_back(std::move(r));
  }
  auto line = [&](const std::vector<std::string>& r) {
    std::string s;
    for (std::size_t k = 0; k < nc; ++k) {
      const std::string pad(width[k] - r[k].size(), ' ');
      s += "  " + (left[k] ? r[k] + pad : pad + r[k]);
    }
    out << rtrim(s) << "\n";
  };
  out << t.name << ":\n";
  line(head);
  for (const auto& r : cells) line(r);
}

}  // namespace

void print_text(std::ostream& out, const Report& report, const refhost::Record& record, const Session& s) {
  out << report.title() << "\n";
  for (const auto& in : report.inputs())
    out << "  " << in.name << " = " << json_text(in.value) << (in.unit.empty() ? "" : " " + in.unit) << "\n";
  for (const Table& t : report.tables()) {
    out << "\n";
    print_table(out, t);
  }
  if (!report.notes().empty()) out << "\n";
  for (const std::string& n : report.notes()) out << n << "\n";
  if (!record.printed.empty()) {
    out << "\nMessages from the library:\n";
    for (const refhost::Printed& p : record.printed)
      for (const std::string& l : p.lines) out << rtrim(l) << "\n";
  }
  if (s.trace) {
    for (const auto& [unit, lines] : record.trace) {
      out << "\nTrace, unit " << unit << ":\n";
      for (const std::string& l : lines) out << rtrim(l) << "\n";
    }
  }
}

Json to_json(const Report& report, const refhost::Record& record, const Session& s) {
  Json j;
  j["command"] = s.command;
  j["title"] = report.title();
  Json inputs = Json::object(), units = Json::object();
  for (const auto& in : report.inputs()) {
    inputs[in.name] = in.value;
    if (!in.unit.empty()) units[in.name] = in.unit;
  }
  Json results = Json::object();
  for (const Table& t : report.tables()) {
    Json rows = Json::array();
    for (const auto& row : t.rows) {
      Json r = Json::object();
      for (std::size_t k = 0; k < t.columns.size(); ++k) r[t.columns[k].name] = cell_json(row[k]);
      rows.push_back(std::move(r));
    }
    results[t.name] = std::move(rows);
    for (const Column& c : t.columns)
      if (!c.unit.empty()) units[c.name] = c.unit;
  }
  j["inputs"] = std::move(inputs);
  j["units"] = std::move(units);
  j["results"] = std::move(results);
  j["notes"] = report.notes();
  Json messages = Json::array();
  for (const refhost::Printed& p : record.printed) {
    Json lines = Json::array();
    for (const std::string& l : p.lines) lines.push_back(rtrim(l));
    messages.push_back(std::move(lines));
  }
  j["messages"] = std::move(messages);
  if (s.trace) {
    Json trace = Json::object();
    for (const auto& [unit, lines] : record.trace) {
      Json ls = Json::array();
      for (const std::string& l : lines) ls.push_back(rtrim(l));
      trace[std::to_string(unit)] = std::move(ls);
    }
    j["trace"] = std::move(trace);
  }
  return j;
}

}  // namespace kova::cli
