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

std::string format_number(double v) {
  char buf[64];
  if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1.0e12)
    std::snprintf(buf, sizeof buf, "%.0f", v);
  else
    std::snprintf(buf, sizeof buf, "%.6g", v);
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
