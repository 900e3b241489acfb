// The kova calculator's command line: the subcommand registry, the shared options
// (components, composition, state, diagnostics, output form) and the printers. The
// calculations themselves are the calculator core's (core/commands.h); a subcommand here
// only declares its options, fills the core's input and names the core's function.
//
// A model family adds its subcommands from its own file cli/<family>.cpp, without touching
// main.cpp or CMake, through a static Registration (cli/deanstiel.cpp is a complete example):
//
//   const kova::cli::Registration reg{"my-model", "One line for kova --help",
//     [](CLI::App& app, kova::cli::States& states) -> kova::cli::Action {
//       auto in = std::make_shared<kova::calc::MyModelInput>();
//       kova::cli::add_mixture(app, *in);              // --components, --x
//       kova::cli::add_temperature(app, states, in->t);  // --t, a list or range
//       return [in](const kova::cli::Session& s) { return kova::calc::my_model(*in, s.settings()); };
//     }};
//
// main() adds --json, --csv and --csv-table to every subcommand and --kdiag/--trace/
// --no-range-warnings to every subcommand that calls the library. The state options (--t,
// --p, --volume, --density) take one number, a list "300,350,400" or a range
// "250:400:10"; with a list or range the framework runs the action at every state (the
// product of the lists when several are swept), writing each state's values into the
// variables given to add_temperature() and the like, and prints one table with the swept
// variables as leading columns. Each state is its own calculation on a freshly reset
// reference host; its messages are shown with it. An input error (calc::InputError, here
// UsageError) gives "kova: error: <what>" and exit status 2. The tests run a command
// in-process with run_main (tests/cli/cli_test.cpp).
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <deque>
#include <functional>
#include <iosfwd>
#include <limits>
#include <string>
#include <vector>

#include "calculator.h"
#include "commands.h"
#include "component_lookup.h"
#include "phase.h"
#include "units.h"
#include "databank.h"
#include "kova/kova_types.h"
#include "refhost.h"
#include "report.h"

namespace kova::cli {

// The calculator core's types under the names the command line has always used.
using calc::Cell;
using calc::Column;
using calc::format_number;
using calc::Json;
using calc::Mixture;
using calc::Report;
using calc::Table;
using UsageError = calc::InputError;

// ---------------------------------------------------------------- session and registry

// Settings shared by every subcommand, from --json, --csv, --csv-table, --kdiag, --trace and
// --no-range-warnings.
struct Session {
  std::string command;     // the subcommand's name
  bool json = false;
  bool csv = false;
  std::string csv_table;   // with --csv-table: the one table printed as CSV
  bool trace = false;
  std::int64_t kdiag = 2;  // pass &kdiag as the routines' KDIAG
  bool range_warnings = true;  // the host's range-warning switch (ZEL_ERRTWO word 56)
  bool verbose = false;        // --verbose: the wide diagnostic tables too
  std::string mu_unit;         // --mu-unit: viscosities shown in this unit (e.g. cP)
  std::vector<std::string> components_files;  // --components-file: user components
  calc::Settings settings() const { return {kdiag, range_warnings, verbose}; }
};

using Action = std::function<Report(const Session&)>;

// The state options of a subcommand (--t, --p, --volume, --density): each may be swept.
class States {
 public:
  struct Option {
    CLI::Option* option = nullptr;
    std::string flag;        // the name in messages, e.g. "--t"
    std::string name, unit;  // the report's name and unit of the variable, e.g. "T", "K"
    std::string text;        // as given
    double* target = nullptr;
    bool positive = true;
  };
  // Declares a state option on app: its value (or each value of its list) is written to
  // target before the action runs.
  CLI::Option* add(CLI::App& app, const std::string& names, const std::string& flag, const std::string& name,
                   const std::string& unit, double& target, const std::string& help);
  // The options given on the command line, their values parsed and checked (UsageError).
  std::vector<calc::Axis> axes() const;
  // True when a given option is a list or range.
  bool swept() const;
  // Writes one state's values (one per given option, in the order of axes()) to the targets.
  void set(const std::vector<double>& at) const;

 private:
  std::deque<Option> options_;  // stable: CLI11 holds each text by reference
};

// Declares the subcommand's options on app and returns the action to run after parsing.
using Setup = std::function<Action(CLI::App& app, States& states)>;

struct Registration {
  // calls_library: the subcommand runs library routines, so it takes --kdiag and --trace.
  Registration(std::string name, std::string description, Setup setup, bool calls_library = true);
  std::string name, description;
  Setup setup;
  bool calls_library;
};

// Every registered subcommand, sorted by name.
std::vector<const Registration*> registrations();

// Builds the command line from the registry, parses it, runs the chosen subcommand and
// prints its report. Returns the process's exit status: 0 done, 2 an input error, 1 any
// other failure.
int run_main(int argc, char** argv, std::ostream& out, std::ostream& err);

// ---------------------------------------------------------------- shared options

// --components/-c (databank names, CAS numbers or formulas, comma-separated) and --x (mole
// fractions in the same order, comma-separated).
struct MixtureOptions {
  std::vector<std::string> components;
  std::vector<double> x;
  CLI::Option* add_to(CLI::App& app, bool with_composition = true);
  // Builds the component set (calc::build_mixture) and installs it as the host's current set.
  Mixture build(bool need_composition) const;
};

// --components and --x into a core input's composition.
CLI::Option* add_mixture(CLI::App& app, calc::Composition& c, bool with_composition = true);
// --components alone.
CLI::Option* add_components(CLI::App& app, std::vector<std::string>& components);

// --t/-T/--temperature in K (required, positive; a list or range sweeps).
CLI::Option* add_temperature(CLI::App& app, States& states, double& t);
// --p/-P/--pressure in Pa (required, positive; a list or range sweeps).
CLI::Option* add_pressure(CLI::App& app, States& states, double& p);
// --phase auto|vapour|liquid (also "vapor", "v", "l"; default auto), with the help given or
// the usual one.
CLI::Option* add_phase(CLI::App& app, std::string& phase, const std::string& help = "");
// --phase auto|vapour for a model for gases only (liquid is refused with a pointer to the
// commands for liquids).
CLI::Option* add_gas_phase(CLI::App& app, std::string& phase);
// --volume (m3/kmol) or --density (kmol/m3), and with a pressure target also --p (Pa): at
// most one of them, positive; each may be swept.
void add_molar_volume(CLI::App& app, States& states, double& volume, double& density, double* pressure = nullptr);
// A value option (calc::quantity_of names its unit and bound): a comma-separated list (e.g.
// one value per component) or one value. Each value is a bare number in the option's SI unit
// or carries its own unit ("0.3cP,0.5 cP"), read and checked by calc::read_values; the help
// says so.
CLI::Option* add_list(CLI::App& app, const std::string& names, std::vector<double>& values, const std::string& help);
CLI::Option* add_positive(CLI::App& app, const std::string& names, double& value, const std::string& help);

// ---------------------------------------------------------------- output

// The report as an aligned text table (units in the column heads), then every message the
// host printed and, when the session traces, the trace lines by unit.
void print_text(std::ostream& out, const Report& report, const refhost::Record& record, const Session& s);
// The same as one JSON document:
//   {"command", "title", "inputs": {name: value}, "units": {name: unit},
//    "results": {table: [{column: value}, ...]}, "notes": [...],
//    "messages": [[line, ...], ...], "trace": {"unit": [line, ...]}}   (trace only with --trace)
Json to_json(const Report& report, const refhost::Record& record, const Session& s);

// A sweep: the combined report (calc::combine) with the messages and trace of each state
// headed by the state. In JSON the swept inputs are arrays over the states, every result
// row starts with the swept variables, and "messages" (and "trace") hold one entry per
// state that printed: {"state": {name: value}, "lines": [...]} ({"state", "trace"}).
void print_text(std::ostream& out, const calc::Sweep& sweep, const Session& s);
Json to_json(const calc::Sweep& sweep, const Session& s);

// The report's tables as comma-separated values: each table a section headed "# <name>",
// then a row of column names with their units ("MU [Pa s]"), then its rows, sections
// separated by an empty line; with s.csv_table only that table, without the "#" line.
// Numbers are written in full (shortest text that reads back to the same double).
// UsageError when s.csv_table names no table of the report.
void print_csv(std::ostream& out, const Report& report, const Session& s);

}  // namespace kova::cli
