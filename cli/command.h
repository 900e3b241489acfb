// The kova calculator's command framework: the subcommand registry, the shared options
// (components, composition, state, diagnostics) and the one result printer.
//
// A model family adds its subcommands from its own file cli/<family>.cpp, without touching
// main.cpp or CMake, through a static Registration (cli/deanstiel.cpp is a complete example):
//
//   namespace {
//   struct Options {
//     kova::cli::MixtureOptions mixture;   // --components, --x
//     double t = 0.0;                      // --t
//   };
//   kova::cli::Report run(const Options& o, const kova::cli::Session& s) {
//     const kova::cli::Mixture m = o.mixture.build(/*need_composition=*/true);
//     m.check_per_component(o.kl, "--kl");   // lists from add_list(): one value per component
//     ... call the library's routines with m.set.param("TC"), m.set.flags(), m.idx, m.x,
//         m.cid, m.cform, &s.kdiag ...
//     kova::cli::Report r("Title of the calculation");
//     r.input("components", m.names()).input("x", m.x).input("T", o.t, "K");
//     kova::cli::Table& t = r.table("components", {{"component"}, {"MUV", "Pa s"}});
//     t.row({m.name(1), value});
//     return r;
//   }
//   const kova::cli::Registration reg{"my-model", "One line for kova --help",
//     [](CLI::App& app) -> kova::cli::Action {
//       auto o = std::make_shared<Options>();
//       o->mixture.add_to(app);
//       kova::cli::add_temperature(app, o->t);
//       return [o](const kova::cli::Session& s) { return run(*o, s); };
//     }};
//   }  // namespace
//
// main() adds --json to every subcommand and --kdiag/--trace to every subcommand that calls
// the library, resets the reference host before the action runs, and prints the Report
// followed by the library's printed messages (and the trace lines with --trace). The action
// throws UsageError for an input error found after parsing (exit status 2). build() installs
// the component set as the host's current set, so the host routines that the library calls
// see it. The tests run a command in-process with run_main (tests/cli/cli_test.cpp).
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <limits>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "databank.h"
#include "kova/kova_types.h"
#include "refhost.h"

namespace kova::cli {

// JSON values keep the order in which they were built (inputs and columns as given).
using Json = nlohmann::ordered_json;

// An error in the user's input, found after parsing (unknown component, a count mismatch):
// main prints "kova: error: <what>" and exits with status 2, as for a parse error.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// ---------------------------------------------------------------- results

// One table cell: empty (printed "-", JSON null), a real, an integer or a text.
using Cell = std::variant<std::monostate, double, std::int64_t, std::string>;

struct Column {
  std::string name;
  std::string unit;  // empty for dimensionless quantities and texts
};

// A result table. Its name is the JSON key under "results" and its title in the text output.
struct Table {
  std::string name;
  std::vector<Column> columns;
  std::vector<std::vector<Cell>> rows;
  // Appends a row; throws std::logic_error when it has the wrong number of cells.
  Table& row(std::vector<Cell> cells);
};

// What a subcommand computed: a title, the inputs it used and its result tables.
class Report {
 public:
  explicit Report(std::string title) : title_(std::move(title)) {}
  // An input quantity (a number, a text or a list), shown in the heading and under "inputs".
  Report& input(std::string name, Json value, std::string unit = "");
  // Adds a table and returns it for filling. The reference stays valid until the next table().
  Table& table(std::string name, std::vector<Column> columns);
  // A line of explanation printed after the tables (JSON: "notes").
  Report& note(std::string line);

  const std::string& title() const { return title_; }
  struct Input {
    std::string name;
    Json value;
    std::string unit;
  };
  const std::vector<Input>& inputs() const { return inputs_; }
  const std::vector<Table>& tables() const { return tables_; }
  const std::vector<std::string>& notes() const { return notes_; }

 private:
  std::string title_;
  std::vector<Input> inputs_;
  std::vector<Table> tables_;
  std::vector<std::string> notes_;
};

// ---------------------------------------------------------------- session and registry

// Settings shared by every subcommand, from --json, --kdiag, --trace and --no-range-warnings.
struct Session {
  std::string command;     // the subcommand's name
  bool json = false;
  bool trace = false;
  std::int64_t kdiag = 2;  // pass &kdiag as the routines' KDIAG
  bool range_warnings = true;  // the host's range-warning switch (ZEL_ERRTWO word 56)
};

using Action = std::function<Report(const Session&)>;
// Declares the subcommand's options on app and returns the action to run after parsing.
using Setup = std::function<Action(CLI::App& app)>;

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

// A component set as a host holds it for one calculation, numbered 1..n in the order given.
struct Mixture {
  refhost::ComponentSet set;
  std::vector<double> x;            // mole fractions by list position (empty if not asked)
  std::vector<std::int64_t> idx;    // the list 1..n
  std::vector<kova_word> cid;       // identifier table, 2 words per component
  std::vector<kova_word> cform;     // formula table, 3 words per component
  std::int64_t n() const { return set.size(); }
  const std::string& name(std::int64_t number) const { return set.component(number).name; }
  // The databank names in list order.
  std::vector<std::string> names() const;
  // A per-component value list from the command line must be empty or have one value per
  // component; UsageError otherwise ("<what>: 3 values for 2 components").
  void check_per_component(const std::vector<double>& values, const std::string& what) const;
};

// --components/-c (databank names, CAS numbers or formulas, comma-separated) and --x (mole
// fractions in the same order, comma-separated).
struct MixtureOptions {
  std::vector<std::string> components;
  std::vector<double> x;
  CLI::Option* add_to(CLI::App& app, bool with_composition = true);
  // Builds the component set (throws UsageError for unknown or repeated components, a
  // wrong number of mole fractions, or fractions that do not sum to 1 within 1e-4) and
  // installs it as the host's current set. With need_composition, --x may be omitted only
  // for a single component (x = 1).
  Mixture build(bool need_composition) const;
};

// The phase of a state; kvl() is the library's phase flag (1 vapour, 2 liquid).
enum class Phase { vapour, liquid };
inline std::int64_t kvl(Phase p) { return p == Phase::vapour ? 1 : 2; }
std::string to_string(Phase p);

// A molar volume given directly, as a molar density, or (where the command offers --p) as
// a pressure, from which the reference host's vapour equation of state (Peng-Robinson,
// SIRK_ES01) gives the volume at the temperature.
struct MolarVolume {
  double volume = std::numeric_limits<double>::quiet_NaN();    // m3/kmol, NaN if not given
  double density = std::numeric_limits<double>::quiet_NaN();   // kmol/m3, NaN if not given
  double pressure = std::numeric_limits<double>::quiet_NaN();  // Pa, NaN if not given
  bool pressure_offered = false;                               // set by add_molar_volume
  bool from_pressure() const;
  // The molar volume, m3/kmol, of the listed components with mole fractions y (list
  // positions of m) at t: as given, 1/density, or from the equation of state at the
  // pressure. UsageError if none was given.
  double of(const Mixture& m, double t, const std::vector<double>& y) const;
  // The volume of the one listed component at list position i (1-based), alone.
  double of_component(const Mixture& m, double t, std::int64_t i) const;
};

// Molar volume of a vapour of the listed components (mole fractions y by list position)
// at t (K) and p (Pa) from the reference host's equation of state, m3/kmol.
double host_vapour_volume(const Mixture& m, double t, double p, const std::vector<double>& y);

// --t/-T/--temperature in K (required, positive).
CLI::Option* add_temperature(CLI::App& app, double& t);
// --p/-P/--pressure in Pa (required, positive).
CLI::Option* add_pressure(CLI::App& app, double& p);
// --phase vapour|liquid (also "vapor", "v", "l"; default vapour).
CLI::Option* add_phase(CLI::App& app, Phase& phase);
// --volume (m3/kmol) or --density (kmol/m3), and with with_pressure also --p (Pa): at
// most one of them, positive.
void add_molar_volume(CLI::App& app, MolarVolume& mv, bool with_pressure = false);
// A comma-separated list of finite reals (e.g. one per component), checked with the validator.
CLI::Option* add_list(CLI::App& app, const std::string& names, std::vector<double>& values, const std::string& help,
                      const CLI::Validator& check);
// A further positive real option with its unit shown in the help.
CLI::Option* add_positive(CLI::App& app, const std::string& names, double& value, const std::string& help);

// Validators: a finite positive number, a finite non-negative number.
const CLI::Validator& positive_number();
const CLI::Validator& non_negative_number();

// ---------------------------------------------------------------- output

// Numbers in text output: integers up to 1e12 whole, anything else with 6 significant digits.
std::string format_number(double v);

// The report as an aligned text table (units in the column heads), then every message the
// host printed and, when the session traces, the trace lines by unit.
void print_text(std::ostream& out, const Report& report, const refhost::Record& record, const Session& s);
// The same as one JSON document:
//   {"command", "title", "inputs": {name: value}, "units": {name: unit},
//    "results": {table: [{column: value}, ...]}, "notes": [...],
//    "messages": [[line, ...], ...], "trace": {"unit": [line, ...]}}   (trace only with --trace)
Json to_json(const Report& report, const refhost::Record& record, const Session& s);

}  // namespace kova::cli
