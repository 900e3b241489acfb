#include "calculator.h"

#include <cstdlib>

#include "units.h"

#include <algorithm>

#include <cmath>
#include <cstring>
#include <set>

#include "kova/kova_types.h"

namespace kova::calc {
namespace {

void set_int_word(kova_word* block, int n, std::int64_t v) { std::memcpy(&block[n], &v, 8); }

std::string rtrim(std::string s) {
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

// The routine's name from the gate identifier: two 8-character words holding 4 characters
// each ("MUV0    07      " is KOVA_MUV007).
std::string routine_of(const std::string& id) {
  const std::string a = trim(id.substr(0, std::min<std::size_t>(4, id.size())));
  const std::string b = id.size() > 8 ? trim(id.substr(8, 4)) : std::string();
  return a.empty() && b.empty() ? std::string() : "KOVA_" + a + b;
}

}  // namespace

std::string Message::text() const {
  std::string s;
  for (const std::string& l : lines) s += (s.empty() ? "" : "\n") + l;
  return s;
}

std::vector<Message> messages_of(const refhost::Record& record) {
  std::vector<Message> out;
  for (const refhost::Printed& p : record.printed) {
    Message m;
    if (p.gate >= 0 && static_cast<std::size_t>(p.gate) < record.gate_calls.size()) {
      const refhost::GateCall& g = record.gate_calls[static_cast<std::size_t>(p.gate)];
      m.cls = g.cls;
      m.number = g.num;
      m.routine = routine_of(g.id);
    }
    for (const std::string& l : p.lines) m.lines.push_back(rtrim(l));
    out.push_back(std::move(m));
  }
  return out;
}

Outcome evaluate(const Settings& s, const std::function<Report()>& command) {
  refhost::reset();
  set_int_word(ZEL_GLOBAL, 10, s.kdiag);
  if (!s.range_warnings) set_int_word(ZEL_ERRTWO, 56, 0);
  Outcome o;
  clear_advice();
  o.report = command();
  take_advice(o.report);
  o.record = refhost::record();
  o.messages = messages_of(o.record);
  for (const auto& [unit, lines] : o.record.trace)
    for (const std::string& l : lines) o.trace[unit].push_back(rtrim(l));
  return o;
}

// ---------------------------------------------------------------- sweeps

bool is_sweep(const std::string& text) { return text.find_first_of(",:") != std::string::npos; }

std::vector<double> parse_values(const std::string& option, const std::string& text, const std::string& unit) {
  // A value may carry its unit ("70bar", "25 degC"); a bare number is in the option's unit.
  auto number = [&](const std::string& item) {
    if (trim(item).empty()) throw InputError(option + ": an empty value in \"" + text + "\"");
    return read_number(option, item, unit);
  };
  // A step is a difference: 10 degC steps by 10 K, not by 283.15 K.
  auto step_of = [&](const std::string& item) {
    double v = 0.0;
    if (parse_real(item, v) || unit.empty()) return number(item);
    const std::string t = trim(item);
    char* end = nullptr;
    std::strtod(t.c_str(), &end);
    return number(item) - number("0 " + std::string(end));
  };
  if (trim(text).empty()) throw InputError(option + ": no value given");
  std::vector<double> out;
  if (text.find(':') != std::string::npos) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(':', from)) != std::string::npos; from = at + 1)
      parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    if (parts.size() != 3) throw InputError(option + ": a range is start:stop:step, not \"" + text + "\"");
    const double start = number(parts[0]), stop = number(parts[1]), step = step_of(parts[2]);
    if (step == 0.0) throw InputError(option + ": the step of \"" + text + "\" is zero");
    if ((stop - start) * step < 0.0)
      throw InputError(option + ": the step " + format_number(step) + " does not lead from " + format_number(start) +
                       " to " + format_number(stop));
    // Values start + k step, up to stop within a small fraction of the step (so that
    // 0.1:0.5:0.1 ends at 0.5 despite rounding).
    const double count = std::floor((stop - start) / step + 1e-9) + 1.0;
    if (count > static_cast<double>(kMaxStates))
      throw InputError(option + ": \"" + text + "\" has " + format_number(count) + " values, more than " +
                       std::to_string(kMaxStates));
    for (std::size_t k = 0; k < static_cast<std::size_t>(count); ++k) {
      const double v = start + static_cast<double>(k) * step;
      out.push_back(std::fabs(v - stop) <= 1e-9 * std::fabs(step) ? stop : v);
    }
    return out;
  }
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = text.find(',', from);
    out.push_back(number(text.substr(from, at == std::string::npos ? std::string::npos : at - from)));
    if (out.size() > kMaxStates)
      throw InputError(option + ": more than " + std::to_string(kMaxStates) + " values");
    if (at == std::string::npos) break;
    from = at + 1;
  }
  return out;
}

std::vector<std::vector<double>> product(const std::vector<Axis>& axes) {
  double count = 1.0;
  for (const Axis& a : axes) count *= static_cast<double>(a.values.size());
  if (count > static_cast<double>(kMaxStates))
    throw InputError("the sweep has " + format_number(count) + " states, more than " + std::to_string(kMaxStates));
  std::vector<std::vector<double>> states{{}};
  for (const Axis& a : axes) {
    std::vector<std::vector<double>> next;
    for (const auto& s : states)
      for (double v : a.values) {
        next.push_back(s);
        next.back().push_back(v);
      }
    states = std::move(next);
  }
  return states;
}

Sweep sweep(const std::vector<Axis>& axes, const std::vector<std::vector<double>>& states, const Settings& s,
            const std::function<Report(const std::vector<double>& at)>& command) {
  Sweep sw;
  for (const Axis& a : axes) sw.axes.push_back({a.name, a.unit, {}});
  sw.states.reserve(states.size());
  for (const auto& at : states) sw.states.push_back({at, evaluate(s, [&] { return command(at); })});
  return sw;
}

Report combine(const Sweep& sw) {
  if (sw.states.empty()) return Report();
  const Report& first = sw.states.front().outcome.report;
  Report r(first.title());
  // An input that differs between the states (a swept variable, or one derived from it such
  // as a volume at a swept pressure) becomes the list of its values by state.
  for (std::size_t k = 0; k < first.inputs().size(); ++k) {
    const auto& in = first.inputs()[k];
    Json values = Json::array();
    bool varies = false;
    for (const auto& st : sw.states) {
      const auto& other = st.outcome.report.inputs();
      values.push_back(k < other.size() ? other[k].value : Json());
      varies = varies || values.back() != in.value;
    }
    r.input(in.name, varies ? std::move(values) : in.value, in.unit);
  }
  for (std::size_t t = 0; t < first.tables().size(); ++t) {
    std::vector<Column> cols;
    for (const Axis& a : sw.axes) cols.push_back({a.name, a.unit});
    for (const Column& c : first.tables()[t].columns) cols.push_back(c);
    Table& out = r.table(first.tables()[t].name, cols);
    for (const auto& st : sw.states) {
      const auto& tables = st.outcome.report.tables();
      if (t >= tables.size() || tables[t].columns.size() != first.tables()[t].columns.size())
        throw std::logic_error("table " + first.tables()[t].name + " changes shape within the sweep");
      for (const auto& row : tables[t].rows) {
        std::vector<Cell> cells(st.at.begin(), st.at.end());
        cells.insert(cells.end(), row.begin(), row.end());
        out.row(std::move(cells));
      }
    }
  }
  std::set<std::string> seen;
  for (const auto& st : sw.states)
    for (const std::string& n : st.outcome.report.notes())
      if (seen.insert(n).second) r.note(n);
  // A warning of one state names the state, unless every state has it.
  for (const auto& st : sw.states)
    for (const Report::Warning& w : st.outcome.report.warnings()) {
      bool everywhere = true;
      for (const auto& other : sw.states) {
        const auto& ws = other.outcome.report.warnings();
        everywhere = everywhere && std::find(ws.begin(), ws.end(), w) != ws.end();
      }
      std::string at;
      for (std::size_t k = 0; k < sw.axes.size() && !everywhere; ++k)
        at += (k ? ", " : "at ") + sw.axes[k].name + " = " + format_number(st.at[k]) +
              (sw.axes[k].unit.empty() ? "" : " " + sw.axes[k].unit);
      r.warn(w.row, everywhere ? w.text : at + ": " + w.text);
    }
  return r;
}

}  // namespace kova::calc
