// The calculator core: runs a command (commands.h) as one calculation on the reference host
// and returns its report with the messages the library printed and its trace, or runs it
// over a list of states (a sweep) with the messages kept per state.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "commands.h"
#include "refhost.h"
#include "report.h"

namespace kova::calc {

// A message the library printed through the host: the gate call that let it through (class,
// number, the routine's identifier) and its lines, blanks at line ends removed.
struct Message {
  std::int64_t cls = 0, number = 0;
  std::string routine;
  std::vector<std::string> lines;
  std::string text() const;  // the lines joined by newlines
};

// One calculation: the report, the library's messages and trace lines by unit, and the
// host's full record.
struct Outcome {
  Report report;
  std::vector<Message> messages;
  std::map<std::int64_t, std::vector<std::string>> trace;
  refhost::Record record;
};

// Resets the reference host, sets its diagnostic level (ZEL_GLOBAL word 10, for the routines
// whose trace follows the host's level) and range-warning switch (ZEL_ERRTWO word 56) from
// the settings, runs the command and collects what the host recorded. Not re-entrant: the
// reference host's blocks and record are process-wide.
Outcome evaluate(const Settings& s, const std::function<Report()>& command);

// The messages of a host record, each with the gate call that let it through.
std::vector<Message> messages_of(const refhost::Record& record);

// ---------------------------------------------------------------- sweeps

// The most states one sweep may have.
inline constexpr std::size_t kMaxStates = 100000;

// A list "300,350,400" or an inclusive range "start:stop:step" ("250:400:10"); a single
// number is a list of one. InputError ("<option>: ...") for an empty list or item, a
// number that is not finite, a zero step or one of the wrong sign, or more than kMaxStates
// values.
std::vector<double> parse_values(const std::string& option, const std::string& text);
// True when the text is a list or range rather than one number.
bool is_sweep(const std::string& text);

// A swept variable: its name and unit as the report shows them ("T", "K") and its values.
struct Axis {
  std::string name, unit;
  std::vector<double> values;
};

// Every combination of the axes' values, the first axis varying slowest; InputError when
// there are more than kMaxStates.
std::vector<std::vector<double>> product(const std::vector<Axis>& axes);

// A calculation at each of a list of states.
struct Sweep {
  std::vector<Axis> axes;  // names and units; values unused
  struct State {
    std::vector<double> at;  // one value per axis
    Outcome outcome;
  };
  std::vector<State> states;
};

// Runs the command at every state (each a calculation of its own, as evaluate() does);
// the first input error ends the sweep.
Sweep sweep(const std::vector<Axis>& axes, const std::vector<std::vector<double>>& states, const Settings& s,
            const std::function<Report(const std::vector<double>& at)>& command);

// The sweep's reports as one: the first state's title, its inputs (an input that differs
// between states as the list of its values by state), every table with the swept variables as leading columns
// and one block of rows per state, and every distinct note.
Report combine(const Sweep& sw);

}  // namespace kova::calc
