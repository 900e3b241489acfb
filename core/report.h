// The calculator core's results: a report (title, inputs, result tables, notes) that the
// command line prints as text, JSON or CSV and the Python package turns into numpy arrays,
// and the error raised for an input the calculator cannot use.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kova::calc {

// JSON values keep the order in which they were built (inputs and columns as given).
using Json = nlohmann::ordered_json;

// An input the calculator cannot use (unknown component, a count mismatch, a value that is
// not a positive number, a bad sweep). The message names the option, as the command line
// spells it ("--t: must be positive: -5").
struct InputError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

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

// What a command computed: a title, the inputs it used and its result tables.
class Report {
 public:
  explicit Report(std::string title = {}) : title_(std::move(title)) {}
  // An input quantity (a number, a text or a list), shown in the heading and under "inputs".
  Report& input(std::string name, Json value, std::string unit = "");
  // Adds a table and returns it for filling. The reference stays valid until the next table().
  Table& table(std::string name, std::vector<Column> columns);
  // A line of explanation printed after the tables (JSON: "notes").
  Report& note(std::string line);
  // A calculator warning tied to a row: the component's name, "mixture", or empty for the
  // calculation as a whole (JSON: "warnings": [{"row", "text"}]). A repeated warning is kept once.
  struct Warning {
    std::string row, text;
    bool operator==(const Warning&) const = default;
  };
  Report& warn(std::string row, std::string text);

  const std::string& title() const { return title_; }
  struct Input {
    std::string name;
    Json value;
    std::string unit;
  };
  const std::vector<Input>& inputs() const { return inputs_; }
  const std::vector<Table>& tables() const { return tables_; }
  const std::vector<std::string>& notes() const { return notes_; }
  const std::vector<Warning>& warnings() const { return warnings_; }
  std::vector<Table>& tables() { return tables_; }
  std::vector<Input>& inputs() { return inputs_; }

 private:
  std::string title_;
  std::vector<Input> inputs_;
  std::vector<Table> tables_;
  std::vector<std::string> notes_;
  std::vector<Warning> warnings_;
};

// Notes and warnings raised while a command runs by the helpers it calls (the composition
// it was given, inputs supplied by the calculator itself), which have no report at hand:
// evaluate() clears them before the command and adds them to its report after it.
void advise_note(std::string line);
void advise_warning(std::string row, std::string text);
void clear_advice();
void take_advice(Report& r);

// Numbers in text: integers up to 1e12 whole, anything else with 6 significant digits.
std::string format_number(double v);
// A number in text with the given significant digits (printf's %g: 3169.93 to 4 is "3170").
std::string format_significant(double v, int digits);

// Blanks and tabs removed at both ends.
std::string trim(std::string_view s);
// A whole string read as a finite real; false for anything else ("1.5x", "", "nan").
bool parse_real(const std::string& text, double& value);

}  // namespace kova::calc
