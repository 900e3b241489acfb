#include "component_lookup.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

namespace kova::calc {

double column_value(const refhost::Component& c, const char* column) {
  const auto v = c.get(column);
  return v ? *v : std::nan("");
}

namespace {

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

// Element symbols a formula of a transport-property databank can hold. In capitals a second
// letter is taken only for the symbols listed in two_letter_caps: "CO" stays carbon and
// oxygen, "CL" is chlorine.
const std::set<std::string>& elements() {
  static const std::set<std::string> e{"H",  "D",  "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na",
                                       "Mg", "Al", "Si", "P",  "S",  "Cl", "Ar", "K",  "Ca", "Ti", "Cr", "Mn",
                                       "Fe", "Co", "Ni", "Cu", "Zn", "Ga", "Ge", "As", "Se", "Br", "Kr", "Rb",
                                       "Sr", "Zr", "Mo", "Ag", "Sn", "Sb", "Te", "I",  "Xe", "Cs", "Ba", "W",
                                       "Pt", "Au", "Hg", "Pb", "Bi", "Rn", "U"};
  return e;
}
const std::set<std::string>& two_letter_caps() {
  static const std::set<std::string> e{"HE", "LI", "BE", "NE", "NA", "MG", "AL", "CL", "AR", "CA", "TI", "CR",
                                       "MN", "FE", "ZN", "GA", "GE", "AS", "SE", "BR", "KR", "RB", "SR", "ZR",
                                       "MO", "AG", "SN", "SB", "TE", "XE", "BA", "PT", "AU", "HG", "PB", "RN"};
  return e;
}

// Recursive-descent reader of a formula with parentheses; false on anything else.
bool read_group(std::string_view s, std::size_t& i, std::map<std::string, int>& out, bool caps, int depth) {
  while (i < s.size()) {
    const char c = s[i];
    if (c == ')') return depth > 0;
    std::map<std::string, int> part;
    if (c == '(') {
      ++i;
      if (!read_group(s, i, part, caps, depth + 1) || i >= s.size() || s[i] != ')') return false;
      ++i;
    } else if (std::isupper(static_cast<unsigned char>(c))) {
      std::string sym(1, c);
      ++i;
      if (i < s.size()) {
        const char d = s[i];
        if (!caps && std::islower(static_cast<unsigned char>(d))) {
          sym += d;
          ++i;
        } else if (caps && std::isupper(static_cast<unsigned char>(d)) && two_letter_caps().count(sym + d) != 0) {
          sym += static_cast<char>(std::tolower(static_cast<unsigned char>(d)));
          ++i;
        }
      }
      if (elements().count(sym) == 0) return false;
      part[sym] = 1;
    } else {
      return false;
    }
    int count = 0;
    bool digits = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
      count = count * 10 + (s[i] - '0');
      if (count > 10000) return false;
      digits = true;
      ++i;
    }
    if (digits && count == 0) return false;
    const int times = digits ? count : 1;
    for (const auto& [sym, k] : part) out[sym] += k * times;
  }
  return depth == 0;
}

std::size_t edit_distance(const std::string& a, const std::string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diag = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t up = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diag + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diag = up;
    }
  }
  return row[b.size()];
}

std::vector<const refhost::Component*> all_components() {
  std::vector<const refhost::Component*> all;
  for (const refhost::Component& c : refhost::databank()) all.push_back(&c);
  for (const refhost::Component* c : refhost::user_components()) all.push_back(c);
  return all;
}

std::string quoted_list(const std::vector<std::string>& items, const char* last_join) {
  std::string s;
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (k > 0) s += k + 1 == items.size() ? last_join : ", ";
    s += "\"" + items[k] + "\"";
  }
  return s;
}

}  // namespace

std::map<std::string, int> element_counts(std::string_view text) {
  std::string_view s = text;
  // An isomer number: "C4H10-1".
  const auto dash = s.rfind('-');
  if (dash != std::string_view::npos && dash + 1 < s.size() &&
      std::all_of(s.begin() + static_cast<std::ptrdiff_t>(dash) + 1, s.end(),
                  [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
    s = s.substr(0, dash);
  if (s.empty()) return {};
  const bool caps = std::none_of(s.begin(), s.end(), [](char c) { return std::islower(static_cast<unsigned char>(c)); });
  std::map<std::string, int> out;
  std::size_t i = 0;
  if (!read_group(s, i, out, caps, 0) || i != s.size()) return {};
  return out;
}

const refhost::Component& lookup_component(std::string_view key) {
  if (const refhost::Component* c = refhost::find_component(key)) return *c;
  const std::map<std::string, int> counts = element_counts(key);
  std::vector<const refhost::Component*> same;
  std::vector<std::string> names;
  for (const refhost::Component* c : all_components()) {
    names.push_back(c->name);
    if (!counts.empty() && !c->formula.empty() && element_counts(c->formula) == counts) same.push_back(c);
  }
  if (same.size() == 1) return *same.front();
  const std::string k(key);
  if (same.size() > 1) {
    std::vector<std::string> candidates;
    for (const refhost::Component* c : same) candidates.push_back(c->name);
    throw LookupError("the formula \"" + k + "\" fits " + std::to_string(same.size()) +
                      " components: " + quoted_list(candidates, " and ") + "; give the name");
  }
  throw LookupError("unknown component \"" + k + "\"" + did_you_mean(k, names) +
                    " (kova list shows the databank; --components-file adds your own)");
}

std::vector<std::string> suggestions(std::string_view word, const std::vector<std::string>& known) {
  const std::string w = lower(word);
  std::vector<std::pair<std::size_t, std::string>> scored;
  for (const std::string& k : known) {
    const std::string kl = lower(k);
    std::size_t d = edit_distance(w, kl);
    // A name that starts with what was typed ("tolu" for toluene) is as good as a near miss.
    if (w.size() >= 3 && kl.rfind(w, 0) == 0) d = std::min<std::size_t>(d, 1);
    const std::size_t limit = std::max<std::size_t>(1, std::min(w.size(), kl.size()) / 3);
    if (d <= limit) scored.emplace_back(d, k);
  }
  std::stable_sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> out;
  for (const auto& [d, k] : scored) {
    if (out.size() == 3) break;
    out.push_back(k);
  }
  return out;
}

std::string did_you_mean(std::string_view word, const std::vector<std::string>& known) {
  return did_you_mean(word, known, known);
}

std::string did_you_mean(std::string_view word, const std::vector<std::string>& known,
                         const std::vector<std::string>& shown) {
  std::vector<std::string> s;
  for (const std::string& k : suggestions(word, known)) {
    const auto at = static_cast<std::size_t>(std::find(known.begin(), known.end(), k) - known.begin());
    const std::string& name = at < shown.size() ? shown[at] : k;
    if (std::find(s.begin(), s.end(), name) == s.end()) s.push_back(name);
  }
  if (s.empty()) return {};
  return " (did you mean " + quoted_list(s, " or ") + "?)";
}

std::vector<std::string> load_components_file(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw LookupError("--components-file: cannot read \"" + path + "\"");
  std::ostringstream text;
  text << in.rdbuf();
  std::vector<refhost::Component> read;
  try {
    read = refhost::read_components_csv(text.str());
  } catch (const std::invalid_argument& e) {
    throw LookupError("--components-file " + path + ": " + e.what());
  }
  std::vector<std::string> names;
  for (refhost::Component& c : read) {
    // Identifier words as the databank makes them: the name, then the formula, in capitals,
    // four characters a word.
    if (c.cid[0].empty() && c.cid[1].empty()) {
      const std::string u = upper(c.name);
      c.cid[0] = u.substr(0, 4);
      c.cid[1] = u.size() > 4 ? u.substr(4, 4) : "";
    }
    if (c.cform[0].empty() && c.cform[1].empty() && c.cform[2].empty()) {
      const std::string u = upper(c.formula);
      for (std::size_t w = 0; w < 3 && 4 * w < u.size(); ++w) c.cform[w] = u.substr(4 * w, 4);
    }
    try {
      names.push_back(refhost::add_user_component(std::move(c))->name);
    } catch (const std::invalid_argument& e) {
      throw LookupError("--components-file " + path + ": " + e.what());
    }
  }
  if (names.empty()) throw LookupError("--components-file " + path + ": no component in the file");
  return names;
}

}  // namespace kova::calc
