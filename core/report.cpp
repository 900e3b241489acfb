#include "report.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kova::calc {

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

Report& Report::warn(std::string row, std::string text) {
  Warning w{std::move(row), std::move(text)};
  for (const Warning& old : warnings_)
    if (old == w) return *this;
  warnings_.push_back(std::move(w));
  return *this;
}

namespace {
struct Advice {
  std::vector<std::string> notes;
  std::vector<Report::Warning> warnings;
};
Advice& advice() {
  static Advice a;
  return a;
}
}  // namespace

void advise_note(std::string line) { advice().notes.push_back(std::move(line)); }
void advise_warning(std::string row, std::string text) {
  advice().warnings.push_back({std::move(row), std::move(text)});
}
void clear_advice() { advice() = Advice{}; }
void take_advice(Report& r) {
  for (std::string& n : advice().notes) r.note(std::move(n));
  for (Report::Warning& w : advice().warnings) r.warn(std::move(w.row), std::move(w.text));
  clear_advice();
}

std::string format_number(double v) {
  char buf[64];
  if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1.0e12)
    std::snprintf(buf, sizeof buf, "%.0f", v);
  else
    return format_significant(v, 6);
  return buf;
}

std::string format_significant(double v, int digits) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*g", digits, v);
  return buf;
}

std::string trim(std::string_view s) {
  const auto b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(" \t");
  return std::string(s.substr(b, e - b + 1));
}

bool parse_real(const std::string& text, double& value) {
  const std::string s = trim(text);
  if (s.empty()) return false;
  char* end = nullptr;
  value = std::strtod(s.c_str(), &end);
  return end == s.c_str() + s.size() && std::isfinite(value);
}

}  // namespace kova::calc
