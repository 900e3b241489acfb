#include "databank.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <deque>
#include <cstring>
#include <sstream>
#include <stdexcept>

#include "refhost.h"

// The CSV text, embedded at build time from refhost/data/components.csv.
extern const char kComponentsCsv[];

namespace kova::refhost {

namespace {

std::vector<std::string> split_csv_line(const std::string& line) {
  std::vector<std::string> out;
  std::string cur;
  for (char ch : line) {
    if (ch == ',') {
      out.push_back(cur);
      cur.clear();
    } else if (ch != '\r') {
      cur.push_back(ch);
    }
  }
  out.push_back(cur);
  return out;
}

// "TC[K]" -> "TC"; "MUP[debye]" -> "MUP_DEBYE"; "MUP[(J*m3)^0.5]" -> "MUP_SI".
std::string column_key(const std::string& header) {
  const auto open = header.find('[');
  if (open == std::string::npos) return header;
  const std::string base = header.substr(0, open);
  if (base == "MUP") return header.find("debye") != std::string::npos ? "MUP_DEBYE" : "MUP_SI";
  return base;
}

std::string lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

bool is_text_column(const std::string& key) {
  return key == "NAME" || key == "CAS" || key == "CID1" || key == "CID2" || key == "CFORM1" || key == "CFORM2" ||
         key == "CFORM3" || key == "FORMULA" || key == "FLAGS";
}

std::string trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// Reads CSV text with a databank header. With numeric_order, the numeric values are
// rearranged into that key order (absent columns become missing values).
std::vector<Component> parse(std::string_view text, const std::vector<std::string>* numeric_order) {
  std::vector<Component> all;
  std::istringstream in{std::string(text)};
  std::string line;
  std::getline(in, line);
  std::vector<std::string> header = split_csv_line(line);
  for (std::string& h : header) h = trim(h);
  int line_no = 1;
  while (std::getline(in, line)) {
    ++line_no;
    if (trim(line).empty() || line[0] == '#') continue;
    const std::vector<std::string> f = split_csv_line(line);
    if (numeric_order != nullptr && f.size() > header.size())
      throw std::invalid_argument("line " + std::to_string(line_no) + ": " + std::to_string(f.size()) +
                                  " fields for " + std::to_string(header.size()) + " columns");
    Component c;
    for (std::size_t k = 0; k < header.size() && k < f.size(); ++k) {
      const std::string key = column_key(header[k]);
      const std::string v = trim(f[k]);
      if (key == "NAME") c.name = v;
      else if (key == "CAS") c.cas = v;
      else if (key == "CID1") c.cid[0] = v;
      else if (key == "CID2") c.cid[1] = v;
      else if (key == "CFORM1") c.cform[0] = v;
      else if (key == "CFORM2") c.cform[1] = v;
      else if (key == "CFORM3") c.cform[2] = v;
      else if (key == "FORMULA") c.formula = v;
      else if (key == "FLAGS") c.flags = v;
      else {
        std::optional<double> value;
        if (!v.empty()) {
          std::size_t used = 0;
          try {
            value = std::stod(v, &used);
          } catch (const std::exception&) {
            used = 0;
          }
          if (used != v.size() || !std::isfinite(*value))
            throw std::invalid_argument("line " + std::to_string(line_no) + ", column " + header[k] +
                                        ": not a number: \"" + v + "\"");
        }
        c.values.emplace_back(key, value);
      }
    }
    if (numeric_order != nullptr) {
      if (c.name.empty()) throw std::invalid_argument("line " + std::to_string(line_no) + ": no NAME");
      std::vector<std::pair<std::string, std::optional<double>>> ordered;
      for (const std::string& key : *numeric_order) {
        std::optional<double> value;
        for (const auto& [k, v] : c.values)
          if (k == key) value = v;
        ordered.emplace_back(key, value);
      }
      c.values = std::move(ordered);
    }
    all.push_back(std::move(c));
  }
  return all;
}

std::vector<Component> load() { return parse(kComponentsCsv, nullptr); }

// User components, by stable address.
std::deque<Component>& user_store() {
  static std::deque<Component> store;
  return store;
}

}  // namespace

const std::vector<ColumnInfo>& databank_columns() {
  static const std::vector<ColumnInfo> columns = [] {
    std::vector<ColumnInfo> out;
    std::istringstream in(kComponentsCsv);
    std::string line;
    std::getline(in, line);
    for (const std::string& h : split_csv_line(line)) {
      const std::string key = column_key(h);
      if (key == "NAME" || key == "CAS" || key == "CID1" || key == "CID2" || key == "CFORM1" || key == "CFORM2" ||
          key == "CFORM3" || key == "FORMULA" || key == "FLAGS")
        continue;
      const auto open = h.find('['), close = h.rfind(']');
      out.push_back({key, open == std::string::npos ? std::string() : h.substr(open + 1, close - open - 1)});
    }
    return out;
  }();
  return columns;
}

std::optional<double> Component::get(std::string_view column) const {
  for (const auto& [key, value] : values)
    if (key == column) return value;
  throw std::invalid_argument("no databank column " + std::string(column));
}

const std::vector<Component>& databank() {
  static const std::vector<Component> all = load();
  return all;
}

const Component* find_component(std::string_view key) {
  const std::string k = lower(key);
  for (const Component& c : databank())
    if (lower(c.name) == k || c.cas == key || lower(c.formula) == k) return &c;
  for (const Component& c : user_store())
    if (lower(c.name) == k || (!c.cas.empty() && c.cas == key) || (!c.formula.empty() && lower(c.formula) == k))
      return &c;
  return nullptr;
}

std::vector<Component> read_components_csv(std::string_view text) {
  std::vector<std::string> keys;
  for (const ColumnInfo& col : databank_columns()) keys.push_back(col.key);
  const auto first_line = text.substr(0, text.find('\n'));
  for (std::string h : split_csv_line(std::string(first_line))) {
    h = trim(h);
    const std::string key = column_key(h);
    if (!is_text_column(key) && std::find(keys.begin(), keys.end(), key) == keys.end())
      throw std::invalid_argument("line 1: \"" + h + "\" is not a databank column");
  }
  return parse(text, &keys);
}

const Component* add_user_component(Component c) {
  for (const Component& d : databank())
    if (lower(d.name) == lower(c.name) || (!c.cas.empty() && d.cas == c.cas) ||
        (!c.formula.empty() && lower(d.formula) == lower(c.formula)))
      throw std::invalid_argument("\"" + c.name + "\" is already a databank component (by name, CAS number or formula)");
  for (Component& u : user_store())
    if (lower(u.name) == lower(c.name)) {
      u = std::move(c);
      return &u;
    }
  user_store().push_back(std::move(c));
  return &user_store().back();
}

std::vector<const Component*> user_components() {
  std::vector<const Component*> out;
  for (const Component& c : user_store()) out.push_back(&c);
  return out;
}

kova_word pack_word(std::string_view four) {
  kova_word w;
  std::memset(w.c, ' ', 8);
  std::memcpy(w.c, four.data(), std::min<std::size_t>(four.size(), 4));
  return w;
}

ComponentSet::ComponentSet(std::vector<const Component*> members) : members_(std::move(members)) {}

ComponentSet ComponentSet::of(const std::vector<std::string>& keys) {
  std::vector<const Component*> members;
  for (const std::string& key : keys) {
    const Component* c = find_component(key);
    if (c == nullptr) throw std::invalid_argument("unknown component: " + key);
    members.push_back(c);
  }
  return ComponentSet(std::move(members));
}

std::vector<double> ComponentSet::param(std::string_view column) const {
  std::vector<double> out;
  out.reserve(members_.size());
  for (const Component* c : members_) out.push_back(c->get(column).value_or(kMissing));
  return out;
}

std::vector<kova_word> ComponentSet::cid() const {
  std::vector<kova_word> out;
  for (const Component* c : members_) {
    out.push_back(pack_word(c->cid[0]));
    out.push_back(pack_word(c->cid[1]));
  }
  return out;
}

std::vector<kova_word> ComponentSet::cform() const {
  std::vector<kova_word> out;
  for (const Component* c : members_)
    for (const std::string& w : c->cform) out.push_back(pack_word(w));
  return out;
}

std::vector<std::int64_t> ComponentSet::all() const {
  std::vector<std::int64_t> out;
  for (std::int64_t i = 1; i <= size(); ++i) out.push_back(i);
  return out;
}

namespace {
std::optional<ComponentSet>& current_set() {
  static std::optional<ComponentSet> set;
  return set;
}
}  // namespace

const ComponentSet* installed_set() {
  const auto& set = current_set();
  return set ? &*set : nullptr;
}

void ComponentSet::install() const {
  current_set() = *this;
  const std::int64_t n = size();
  std::memcpy(&ZEL_NCOMP[0], &n, 8);
  std::memcpy(&ZEL_PPRIV[9], &n, 8);
  fill_store();
}

std::int64_t store_block(std::string_view column) {
  const auto& values = databank().front().values;
  for (std::size_t k = 0; k < values.size(); ++k)
    if (values[k].first == column) return static_cast<std::int64_t>(k) + 1;
  throw std::invalid_argument("no databank column " + std::string(column));
}

std::int64_t store_spare_block() { return static_cast<std::int64_t>(databank().front().values.size()) + 1; }

void ComponentSet::fill_store() const {
  const std::int64_t n = size();
  const std::int64_t blocks = store_spare_block();
  if (blocks * n > kPlexWords) throw std::length_error("parameter store too small for the component set");
  const auto offset = [n](std::int64_t block) { return (block - 1) * n; };
  for (std::int64_t k = 1; k <= blocks; ++k) {
    const std::int64_t off = offset(k);
    std::memcpy(&ZEL_IPOFF1[k], &off, 8);
    for (std::int64_t c = 1; c <= n; ++c) {
      const double v =
          k < blocks ? members_[c - 1]->get(databank().front().values[k - 1].first).value_or(kMissing) : kMissing;
      std::memcpy(&ZEL_PLEX[off + c - 1], &v, 8);
    }
  }
  const std::pair<int, const char*> aux[] = {{799, "MW"}, {800, "TC"}, {802, "PC"}, {803, "ZC"}};
  for (const auto& [word, column] : aux) {
    const std::int64_t off = offset(store_block(column));
    std::memcpy(&ZEL_IPOFF1[word], &off, 8);
  }
}

}  // namespace kova::refhost
