#include "audit/catalogue.h"

#include <sstream>
#include <stdexcept>

#include "kova/kova.h"

namespace kova::audit {

namespace {

Kind kind_of(const std::string& k) {
  static const std::pair<const char*, Kind> kinds[] = {
      {"r", Kind::RealIn},     {"i", Kind::IntIn},       {"n", Kind::Count},        {"R", Kind::RealOut},
      {"I", Kind::IntOut},     {"Rio", Kind::RealInOut}, {"idx", Kind::Index},      {"p", Kind::PosIn},
      {"P", Kind::PosOut},     {"Pio", Kind::PosInOut},  {"c", Kind::CompIn},       {"C", Kind::CompParam},
      {"flag", Kind::Flag},    {"cid", Kind::Cid},       {"cform", Kind::Cform},    {"pair", Kind::Pair},
      {"w", Kind::Work},       {"iw", Kind::Work},       {"x", Kind::Unused}};
  for (const auto& [name, kind] : kinds)
    if (k == name) return kind;
  throw std::invalid_argument("unknown argument kind " + k);
}

#define KOVA_ROUTINE(F, SPEC) Routine{#F, &invoke<&F>, arity<&F>(), SPEC}

}  // namespace

std::vector<Arg> Routine::args() const {
  std::vector<Arg> out;
  std::istringstream in(spec);
  std::string token;
  while (in >> token) {
    Arg a;
    const auto c1 = token.find(':');
    a.name = token.substr(0, c1);
    std::string rest = token.substr(c1 + 1);
    const auto c2 = rest.find(':');
    const std::string kind = rest.substr(0, c2);
    a.kind = kind_of(kind);
    a.integer = kind == "iw";
    if (c2 != std::string::npos) {
      const std::string v = rest.substr(c2 + 1);
      if (a.kind == Kind::Work) {
        std::sscanf(v.c_str(), "%ld,%ld,%ld", &a.a, &a.b, &a.c);
      } else {
        a.value = std::stod(v);
      }
    }
    out.push_back(a);
  }
  if (out.size() != arity) throw std::logic_error(std::string(name) + ": catalogue argument count mismatch");
  return out;
}

const std::vector<Routine>& catalogue() {
  static const std::vector<Routine> all = {
      // Dean-Stiel
      KOVA_ROUTINE(KOVA_MUV007,
                   "T:r:400 N:n IDX:idx VV:p:0.5 KDIAG:i:0 MUVPC:P TC:C ZC:C VC:C MW:C FLAG:flag CID:cid"),
      KOVA_ROUTINE(KOVA_MUV205,
                   "T:r:400 X:p N:n IDX:idx VVMX:r:0.5 KDIAG:i:0 MUVXPC:R TC:C ZC:C VC:C MW:C FLAG:flag CID:cid"),
      KOVA_ROUTINE(KOVA_MUV202, "T:r:400 X:p N:n IDX:idx RHOMX:r:2 MUVMXLP:r:1.2e-5 KDIAG:i:0 MUVMX:R TC:C ZC:C "
                                "VC:C MW:C FLAG:flag CID:cid"),
  };
  return all;
}

}  // namespace kova::audit
