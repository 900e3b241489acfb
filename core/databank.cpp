// The reference host's component databank: the list of components and every column of one.
#include <algorithm>
#include <optional>

#include "commands.h"

namespace kova::calc {
namespace {

Cell value_cell(const refhost::Component& c, const std::string& key) {
  const std::optional<double> v = c.get(key);
  return v ? Cell(*v) : Cell();
}

std::string unit_of(const std::string& key) {
  for (const refhost::ColumnInfo& col : refhost::databank_columns())
    if (col.key == key) return col.unit;
  return {};
}

}  // namespace

Report list_components() {
  Report r("Component databank of the reference host (sources: refhost/data/SOURCES.md)");
  const std::vector<std::string> keys{"MW", "TC", "PC", "VC", "ZC", "OMEGA"};
  std::vector<Column> columns{{"number", ""}, {"name", ""}, {"formula", ""}};
  for (const std::string& k : keys) columns.push_back({k, unit_of(k)});
  Table& t = r.table("components", columns);
  std::int64_t number = 0;
  for (const refhost::Component& c : refhost::databank()) {
    std::vector<Cell> row{++number, c.name, c.formula};
    for (const std::string& k : keys) row.push_back(value_cell(c, k));
    t.row(std::move(row));
  }
  return r;
}

Report show_component(const std::string& key) {
  const refhost::Component* c = refhost::find_component(key);
  if (c == nullptr) throw InputError("unknown component \"" + key + "\" (kova list shows the databank)");
  Report r("Databank entry of " + c->name + " (sources: refhost/data/SOURCES.md; \"-\": missing)");
  Table& t = r.table("columns", {{"column", ""}, {"value", ""}, {"unit", ""}});
  auto word = [](const std::string& w) { return "'" + w + std::string(4 - std::min<std::size_t>(w.size(), 4), ' ') + "'"; };
  t.row({std::string("NAME"), c->name, std::string()});
  t.row({std::string("CAS"), c->cas, std::string()});
  t.row({std::string("FORMULA"), c->formula, std::string()});
  t.row({std::string("CID"), word(c->cid[0]) + " " + word(c->cid[1]), std::string()});
  t.row({std::string("CFORM"), word(c->cform[0]) + " " + word(c->cform[1]) + " " + word(c->cform[2]), std::string()});
  for (const refhost::ColumnInfo& col : refhost::databank_columns())
    t.row({col.key, value_cell(*c, col.key), col.unit});
  t.row({std::string("FLAGS"), c->flags, std::string()});
  return r;
}

}  // namespace kova::calc
