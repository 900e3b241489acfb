#include "databank.h"

#include <algorithm>
#include <cctype>
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

std::vector<Component> load() {
  std::vector<Component> all;
  std::istringstream in(kComponentsCsv);
  std::string line;
  std::getline(in, line);
  const std::vector<std::string> header = split_csv_line(line);
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    const std::vector<std::string> f = split_csv_line(line);
    Component c;
    for (std::size_t k = 0; k < header.size() && k < f.size(); ++k) {
      const std::string key = column_key(header[k]);
      const std::string& v = f[k];
      if (key == "NAME") c.name = v;
      else if (key == "CAS") c.cas = v;
      else if (key == "CID1") c.cid[0] = v;
      else if (key == "CID2") c.cid[1] = v;
      else if (key == "CFORM1") c.cform[0] = v;
      else if (key == "CFORM2") c.cform[1] = v;
      else if (key == "CFORM3") c.cform[2] = v;
      else if (key == "FORMULA") c.formula = v;
      else if (key == "FLAGS") c.flags = v;
      else c.values.emplace_back(key, v.empty() ? std::nullopt : std::optional<double>(std::stod(v)));
    }
    all.push_back(std::move(c));
  }
  return all;
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
  return nullptr;
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
