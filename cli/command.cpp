#include "command.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <sstream>

namespace kova::cli {

// ---------------------------------------------------------------- registry

namespace {

std::vector<const Registration*>& registry() {
  static std::vector<const Registration*> all;
  return all;
}

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

// ---------------------------------------------------------------- states

CLI::Option* States::add(CLI::App& app, const std::string& names, const std::string& flag, const std::string& name,
                         const std::string& unit, double& target, const std::string& help) {
  options_.push_back({nullptr, flag, name, unit, {}, &target, true});
  Option& o = options_.back();
  o.option = app.add_option(names, o.text,
                            help + "; a list a,b,c or a range start:stop:step computes every state");
  return o.option;
}

std::vector<calc::Axis> States::axes() const {
  std::vector<calc::Axis> out;
  for (const Option& o : options_) {
    if (o.option->count() == 0) continue;
    calc::Axis a{o.name, o.unit, calc::parse_values(o.flag, o.text, o.unit)};
    if (o.positive) calc::require_positive(a.values, o.flag);
    out.push_back(std::move(a));
  }
  return out;
}

bool States::swept() const {
  for (const Option& o : options_)
    if (o.option->count() != 0 && calc::is_sweep(o.text)) return true;
  return false;
}

void States::set(const std::vector<double>& at) const {
  std::size_t k = 0;
  for (const Option& o : options_)
    if (o.option->count() != 0) *o.target = at.at(k++);
}

// ---------------------------------------------------------------- running a command

namespace {

// CLI11's messages in plain words, naming the option as the user typed it.
std::string plain_parse_error(const CLI::ParseError& e) {
  std::string what = e.what();
  const std::string name = e.get_name();
  if (name == "ConversionError") {
    // "Could not convert: --kdiag = abc"
    const auto colon = what.find(": ");
    const auto eq = what.find(" = ");
    if (colon != std::string::npos && eq != std::string::npos && eq > colon)
      return what.substr(colon + 2, eq - colon - 2) + ": \"" + what.substr(eq + 3) + "\" is not a number";
  }
  if (name == "ExtrasError") return what + " (kova <command> --help lists the options)";
  if (name == "RequiredError") return what + " (kova <command> --help lists the options)";
  if (name == "ArgumentMismatch") return what;
  if (name == "ValidationError") {
    // "--phase: Check gas value in ... FAILED" or a validator's own sentence after the option.
    return what;
  }
  return what;
}

// For an option the command does not have ("kova trapp --temp 300"): "unknown option
// \"--temp\" (did you mean \"--t\"?) ..." with the nearest of the command's own options, or
// an empty string when every option given is the command's.
std::string unknown_option(const CLI::App& app, const CLI::App& sub, int argc, char** argv) {
  std::vector<std::string> known, shown;
  for (const CLI::Option* o : sub.get_options()) {
    // Long names only: one-letter names are all within one edit of each other.
    if (o->get_name() == "--help") continue;  // not what a mistyped option meant
    for (const std::string& l : o->get_lnames()) {
      known.push_back("--" + l);
      shown.push_back(o->get_name());
    }
  }
  for (int k = 2; k < argc; ++k) {
    const std::string a = argv[k];
    if (a == "--") break;
    // An option is "-<letter>..." or "--<letter>..."; "-0.5,0.2" and "-1e-5" are values.
    const std::size_t first = a.rfind("--", 0) == 0 ? 2 : 1;
    if (a[0] != '-' || a.size() <= first || std::isalpha(static_cast<unsigned char>(a[first])) == 0) continue;
    // "--t=300" and "-T300" name the options "--t" and "-T".
    const std::string name = a[1] == '-' ? a.substr(0, a.find('=')) : a.substr(0, 2);
    if (sub.get_option_no_throw(name) != nullptr || app.get_option_no_throw(name) != nullptr) continue;
    return "unknown option \"" + name + "\" for " + sub.get_name() + calc::did_you_mean(name, known, shown) +
           " (kova " + sub.get_name() + " --help lists the options)";
  }
  return {};
}

}  // namespace

int run_main(int argc, char** argv, std::ostream& out, std::ostream& err) {
  CLI::App app{
      "kova: transport properties (viscosity, thermal conductivity, diffusivity, surface tension) of pure\n"
      "components and mixtures from the kova library's models, on the reference host's component databank.\n"
      "SI units on a kmol basis: K, Pa, m3/kmol, kmol/m3, kg/kmol, Pa s."};
  app.require_subcommand(0, 1);
  app.footer("Run 'kova <command> --help' for the options of a command.");
  bool version = false;
  app.add_flag("--version", version, "print the version of kova and of the library");
  // Under --json an error is a JSON document too, so that a script reads one format.
  bool json_errors = false;
  for (int k = 1; k < argc; ++k) json_errors = json_errors || std::string(argv[k]) == "--json";
  auto fail = [&](const std::string& what, int status) {
    if (json_errors)
      out << Json{{"command", argc > 1 ? std::string(argv[1]) : std::string()},
                  {"error", {{"status", status}, {"message", what}}}}
                 .dump(2)
          << "\n";
    err << "kova: " << (status == 2 ? "error: " : "") << what << "\n";
    return status;
  };

  Session session;
  struct Entry {
    const Registration* reg;
    CLI::App* sub;
    std::unique_ptr<States> states;
    Action action;
    CLI::Option* kdiag;
  };
  std::vector<Entry> entries;
  for (const Registration* reg : registrations()) {
    CLI::App* sub = app.add_subcommand(reg->name, reg->description);
    auto states = std::make_unique<States>();
    Action action = reg->setup(*sub, *states);
    Entry e{reg, sub, std::move(states), std::move(action), nullptr};
    CLI::Option* json = sub->add_flag("--json", session.json, "print the results as one JSON document");
    sub->add_option("--components-file", session.components_files,
                    "CSV file of your own components, with the databank's header line (refhost/data/components.csv): "
                    "NAME required, any other column may be left out");
    sub->add_option("--mu-unit", session.mu_unit, "show viscosities in this unit (cP, mPa s, uP, ...) instead of Pa s");
    sub->add_flag("--verbose", session.verbose, "also the wide diagnostic tables (TRAPP's equivalent state)");
    CLI::Option* csv = sub->add_flag("--csv", session.csv,
                                     "print the result tables as comma-separated values, one section per table");
    CLI::Option* table = sub->add_option("--csv-table", session.csv_table,
                                         "print only the named result table as comma-separated values");
    json->excludes(csv);
    json->excludes(table);
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

  std::vector<std::string> command_names;
  for (const Entry& e : entries) command_names.push_back(e.reg->name);
  try {
    app.parse(argc, argv);
  } catch (const UsageError& e) {
    // A value option's text that cannot be read (add_list, add_positive).
    return fail(e.what(), 2);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e, out, err);  // --help
    // An unknown command otherwise reads as a missing one.
    if (app.get_subcommands().empty() && argc > 1 && argv[1][0] != '-')
      return fail("unknown command \"" + std::string(argv[1]) + "\"" + calc::did_you_mean(argv[1], command_names) +
                      " (kova --help lists the commands)",
                  2);
    // A mistyped option is reported as what is wrong, not the required option it left out.
    if (argc > 2)
      for (const Entry& en : entries)
        if (en.reg->name == argv[1]) {
          const std::string unknown = unknown_option(app, *en.sub, argc, argv);
          if (!unknown.empty()) return fail(unknown, 2);
        }
    return fail(plain_parse_error(e), 2);
  }
  if (version) {
    out << "kova " << KOVA_VERSION << " (libkova " << KOVA_VERSION << ")\n";
    return 0;
  }
  if (app.get_subcommands().empty()) return fail("no command given: a subcommand is required (kova --help lists the commands)", 2);

  for (const Entry& e : entries) {
    if (!e.sub->parsed()) continue;
    session.command = e.reg->name;
    if (!session.csv_table.empty()) session.csv = true;
    if (session.trace && e.kdiag != nullptr && e.kdiag->count() == 0) session.kdiag = 7;
    // A level at which the routines write their trace shows it too.
    if (e.kdiag != nullptr && (session.kdiag < 0 || session.kdiag > 6)) session.trace = true;
    try {
      for (const std::string& file : session.components_files) {
        try {
          calc::load_components_file(file);
        } catch (const calc::LookupError& ex) {
          throw UsageError(ex.what());
        }
      }
      if (!session.mu_unit.empty() && !calc::convertible(session.mu_unit, "Pa s"))
        throw UsageError("--mu-unit: \"" + session.mu_unit + "\" is not a unit of viscosity (cP, mPa s, Pa s, uP)");
      const Action run = [&](const Session& ss) {
        Report r = e.action(ss);
        if (!ss.mu_unit.empty()) calc::show_viscosity_in(r, ss.mu_unit);
        return r;
      };
      const std::vector<calc::Axis> axes = e.states->axes();
      if (!e.states->swept()) {
        if (!axes.empty()) e.states->set(calc::product(axes).front());
        const calc::Outcome o = calc::evaluate(session.settings(), [&] { return run(session); });
        if (session.csv) {
          print_csv(out, o.report, session);
          for (const calc::Message& m : o.messages) err << m.text() << "\n";
          for (const Report::Warning& w : o.report.warnings())
            err << "warning: " << (w.row.empty() ? "" : w.row + ": ") << w.text << "\n";
        } else if (session.json) {
          out << to_json(o.report, o.record, session).dump(2) << "\n";
        } else {
          print_text(out, o.report, o.record, session);
        }
      } else {
        const calc::Sweep sw = calc::sweep(axes, calc::product(axes), session.settings(),
                                           [&](const std::vector<double>& at) {
                                             e.states->set(at);
                                             return run(session);
                                           });
        if (session.csv) {
          const Report all = calc::combine(sw);
          print_csv(out, all, session);
          for (const Report::Warning& w : all.warnings())
            err << "warning: " << (w.row.empty() ? "" : w.row + ": ") << w.text << "\n";
          for (const auto& st : sw.states)
            for (const calc::Message& m : st.outcome.messages) err << m.text() << "\n";
        } else if (session.json) {
          out << to_json(sw, session).dump(2) << "\n";
        } else {
          print_text(out, sw, session);
        }
      }
    } catch (const UsageError& ex) {
      return fail(ex.what(), 2);
    } catch (const std::exception& ex) {
      return fail(e.reg->name + " failed: " + ex.what(), 1);
    }
    return 0;
  }
  return 0;
}

// ---------------------------------------------------------------- shared options

CLI::Option* add_components(CLI::App& app, std::vector<std::string>& components) {
  return app
      .add_option("-c,--components", components,
                  "components by databank name, CAS number or formula in any element order (NH3, HCl), "
                  "comma-separated (kova list shows the databank; --components-file adds your own)")
      ->required()
      ->delimiter(',');
}

CLI::Option* add_mixture(CLI::App& app, calc::Composition& c, bool with_composition) {
  CLI::Option* o = add_components(app, c.components);
  if (with_composition) {
    CLI::Option* x = add_list(app, "-x,--x", c.x, "mole fractions in the order of --components, comma-separated");
    CLI::Option* w =
        add_list(app, "-w,--w", c.w, "mass fractions in the order of --components, comma-separated (instead of --x)");
    x->excludes(w);
    app.add_flag("--normalize", c.normalize,
                 "scale --x or --w to a sum of 1 (fractions that do not quite sum to 1, or percentages)");
  }
  return o;
}

CLI::Option* MixtureOptions::add_to(CLI::App& app, bool with_composition) {
  CLI::Option* c = add_components(app, components);
  if (with_composition)
    add_list(app, "-x,--x", x, "mole fractions in the order of --components, comma-separated");
  return c;
}

Mixture MixtureOptions::build(bool need_composition) const {
  return calc::build_mixture(components, x, need_composition);
}

CLI::Option* add_temperature(CLI::App& app, States& states, double& t) {
  return states.add(app, "-T,--t,--temperature", "--t", "T", "K", t, "temperature, K")->required();
}

CLI::Option* add_pressure(CLI::App& app, States& states, double& p) {
  return states.add(app, "-P,--p,--pressure", "--p", "P", "Pa", p, "pressure, Pa")->required();
}

CLI::Option* add_phase(CLI::App& app, std::string& phase, const std::string& help) {
  static const CLI::Validator names(
      [](std::string& text) -> std::string {
        calc::PhaseRequest p;
        if (!calc::parse_phase_request(text, p)) return "\"" + text + "\" is not a phase: give auto, vapour or liquid";
        text = calc::to_string(p);
        return {};
      },
      "auto|vapour|liquid");
  return app
      .add_option("--phase", phase,
                  help.empty() ? "phase: auto (default: from the host's vapour pressures, said in the result), vapour "
                                 "or liquid"
                               : help)
      ->transform(names);
}

CLI::Option* add_gas_phase(CLI::App& app, std::string& phase) {
  return add_phase(app, phase,
                   "phase: auto (default: the state's phase from the host's vapour pressures, shown in each row; a "
                   "liquid is warned) or vapour; a model for gases, so liquid is refused");
}

void add_molar_volume(CLI::App& app, States& states, double& volume, double& density, double* pressure) {
  CLI::Option* v = states.add(app, "--volume", "--volume", "V", "m3/kmol", volume, "molar volume, m3/kmol");
  CLI::Option* d =
      states.add(app, "--density", "--density", "rho", "kmol/m3", density, "molar density, kmol/m3 (instead of --volume)");
  v->excludes(d);
  if (pressure != nullptr) {
    CLI::Option* p = states.add(app, "-P,--p,--pressure", "--p", "P", "Pa", *pressure,
                                "pressure, Pa (instead of --volume): the volume then comes from the reference "
                                "host's Peng-Robinson equation of state");
    p->excludes(v);
    p->excludes(d);
  }
}

namespace {

// The name an option's messages use: its last long name ("-x,--x" is "--x").
std::string flag_of(const std::string& names) { return names.substr(names.rfind(',') + 1); }

// The help of a value option with what its values may be.
std::string value_help(const std::string& flag, const std::string& help, bool list) {
  const std::string_view unit = calc::quantity_of(flag).unit;
  if (unit.empty()) return help;
  const std::string example = unit == "Pa s"      ? "0.3cP"
                              : unit == "N/m"     ? "20mN/m"
                              : unit == "Pa"      ? "1atm"
                              : unit == "m3/kmol" ? "120cm3/mol"
                              : unit == "m2/s"    ? "0.1cm2/s"
                                                  : "0.1W/(m K)";
  return help + (list ? "; each value may carry its unit, e.g. " + example +
                            " (the values are split at commas; no unit has one)"
                      : "; may carry its unit, e.g. " + example);
}

}  // namespace

CLI::Option* add_list(CLI::App& app, const std::string& names, std::vector<double>& values, const std::string& help) {
  const std::string flag = flag_of(names);
  return app
      .add_option_function<std::vector<std::string>>(
          names, [&values, flag](const std::vector<std::string>& items) { values = calc::read_values(flag, items); },
          value_help(flag, help, true))
      ->delimiter(',')
      ->type_name(calc::quantity_of(flag).unit.empty() ? "NUMBER" : "VALUE");
}

CLI::Option* add_positive(CLI::App& app, const std::string& names, double& value, const std::string& help) {
  const std::string flag = flag_of(names);
  return app
      .add_option_function<std::string>(
          names,
          [&value, flag](const std::string& text) {
            const std::vector<double> v = calc::read_values(flag, {text});
            if (v.size() != 1) throw UsageError(flag + ": one value, not " + std::to_string(v.size()));
            value = v.front();
          },
          value_help(flag, help, false))
      ->type_name("VALUE");
}

// ---------------------------------------------------------------- output

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

namespace {

void print_report(std::ostream& out, const Report& report) {
  out << report.title() << "\n";
  for (const auto& in : report.inputs())
    out << "  " << in.name << " = " << json_text(in.value) << (in.unit.empty() ? "" : " " + in.unit) << "\n";
  for (const Table& t : report.tables()) {
    out << "\n";
    print_table(out, t);
  }
  if (!report.notes().empty()) out << "\n";
  for (const std::string& n : report.notes()) out << n << "\n";
  if (!report.warnings().empty()) out << "\nWarnings from the calculator:\n";
  for (const Report::Warning& w : report.warnings()) out << "  " << (w.row.empty() ? "" : w.row + ": ") << w.text << "\n";
}

// A library message as an object: the routine, the message class and number of the gate
// call that let it through, and its printed lines.
Json message_json(const calc::Message& m) {
  return Json{{"routine", m.routine}, {"class", m.cls}, {"number", m.number}, {"lines", m.lines}};
}

// The report without messages and trace.
Json report_json(const Report& report, const Session& s) {
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
  Json warnings = Json::array();
  for (const Report::Warning& w : report.warnings()) warnings.push_back(Json{{"row", w.row}, {"text", w.text}});
  j["warnings"] = std::move(warnings);
  return j;
}

Json trace_json(const std::map<std::int64_t, std::vector<std::string>>& trace) {
  Json out = Json::object();
  for (const auto& [unit, lines] : trace) {
    Json ls = Json::array();
    for (const std::string& l : lines) ls.push_back(rtrim(l));
    out[std::to_string(unit)] = std::move(ls);
  }
  return out;
}

// "T = 250 K, P = 5000000 Pa"
std::string state_text(const calc::Sweep& sw, const std::vector<double>& at) {
  std::string s;
  for (std::size_t k = 0; k < sw.axes.size(); ++k)
    s += (k ? ", " : "") + sw.axes[k].name + " = " + format_number(at[k]) +
         (sw.axes[k].unit.empty() ? "" : " " + sw.axes[k].unit);
  return s;
}

Json state_json(const calc::Sweep& sw, const std::vector<double>& at) {
  Json j = Json::object();
  for (std::size_t k = 0; k < sw.axes.size(); ++k) j[sw.axes[k].name] = at[k];
  return j;
}

// The shortest text that reads back to the same double.
std::string full_number(double v) {
  if (!std::isfinite(v)) return "";
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

std::string csv_field(std::string s) {
  if (s.find_first_of(",\"\n") == std::string::npos) return s;
  std::string q = "\"";
  for (char c : s) q += c == '"' ? std::string("\"\"") : std::string(1, c);
  return q + "\"";
}

std::string csv_cell(const Cell& c) {
  return std::visit(
      [](const auto& v) -> std::string {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, std::monostate>) return "";
        else if constexpr (std::is_same_v<V, double>) return full_number(v);
        else if constexpr (std::is_same_v<V, std::int64_t>) return std::to_string(v);
        else return csv_field(v);
      },
      c);
}

}  // namespace

void print_text(std::ostream& out, const Report& report, const refhost::Record& record, const Session& s) {
  print_report(out, report);
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
  Json j = report_json(report, s);
  Json messages = Json::array();
  for (const calc::Message& m : calc::messages_of(record)) messages.push_back(message_json(m));
  j["messages"] = std::move(messages);
  if (s.trace) j["trace"] = trace_json(record.trace);
  return j;
}

void print_text(std::ostream& out, const calc::Sweep& sw, const Session& s) {
  print_report(out, calc::combine(sw));
  bool heading = false;
  for (const auto& st : sw.states) {
    if (st.outcome.messages.empty()) continue;
    if (!heading) out << "\nMessages from the library:\n";
    heading = true;
    out << "At " << state_text(sw, st.at) << ":\n";
    for (const calc::Message& m : st.outcome.messages)
      for (const std::string& l : m.lines) out << l << "\n";
  }
  if (s.trace) {
    for (const auto& st : sw.states)
      for (const auto& [unit, lines] : st.outcome.trace) {
        out << "\nTrace, unit " << unit << ", at " << state_text(sw, st.at) << ":\n";
        for (const std::string& l : lines) out << l << "\n";
      }
  }
}

Json to_json(const calc::Sweep& sw, const Session& s) {
  Json j = report_json(calc::combine(sw), s);
  Json messages = Json::array(), trace = Json::array();
  for (const auto& st : sw.states) {
    for (const calc::Message& m : st.outcome.messages)
    {
      Json o = Json{{"state", state_json(sw, st.at)}};
      o.update(message_json(m));
      messages.push_back(std::move(o));
    }
    if (s.trace && !st.outcome.trace.empty())
      trace.push_back(Json{{"state", state_json(sw, st.at)}, {"trace", trace_json(st.outcome.trace)}});
  }
  j["messages"] = std::move(messages);
  if (s.trace) j["trace"] = std::move(trace);
  return j;
}

void print_csv(std::ostream& out, const Report& report, const Session& s) {
  bool found = false, first = true;
  for (const Table& t : report.tables()) {
    if (!s.csv_table.empty() && t.name != s.csv_table) continue;
    found = true;
    if (s.csv_table.empty()) out << (first ? "" : "\n") << "# " << t.name << "\n";
    first = false;
    std::string head;
    for (const Column& c : t.columns)
      head += (head.empty() ? "" : ",") + csv_field(c.name + (c.unit.empty() ? "" : " [" + c.unit + "]"));
    out << head << "\n";
    for (const auto& row : t.rows) {
      std::string line;
      for (std::size_t k = 0; k < row.size(); ++k) line += (k ? "," : "") + csv_cell(row[k]);
      out << line << "\n";
    }
  }
  if (!found) {
    std::string names;
    for (const Table& t : report.tables()) names += (names.empty() ? "" : ", ") + t.name;
    throw UsageError("--csv-table: no table \"" + s.csv_table + "\" (tables: " + names + ")");
  }
}

}  // namespace kova::cli
