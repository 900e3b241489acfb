#include "faults.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "kova/host.h"

namespace kova::refhost::faults {

namespace {

struct Rule {
  Kind kind = Kind::None;
  int call = 0;
  double value = 0.0;
};

struct State {
  bool on = false;
  std::array<Rule, kRoutines> rules{};
  std::array<int, kRoutines> calls{};
  const std::uint8_t* script = nullptr;
  std::size_t script_size = 0, script_next = 0;
};

thread_local State g;

// The kind and value of this call of routine r (counting the call).
Kind decide(Routine r, double& value) {
  if (!g.on) return Kind::None;
  const int k = static_cast<int>(r);
  const int call = ++g.calls[k];
  if (g.script != nullptr) {
    if (g.script_next >= g.script_size) return Kind::None;
    const auto kind = static_cast<Kind>(g.script[g.script_next++] % kKinds);
    if (kind == Kind::Value) {  // the value is the next eight bytes (what is left of them)
      std::uint64_t bits = 0;
      const std::size_t take = std::min<std::size_t>(8, g.script_size - g.script_next);
      std::memcpy(&bits, g.script + g.script_next, take);
      g.script_next += take;
      std::memcpy(&value, &bits, sizeof value);
    }
    return kind;
  }
  const Rule& rule = g.rules[k];
  if (rule.kind == Kind::None || (rule.call != 0 && rule.call != call)) return Kind::None;
  value = rule.value;
  return rule.kind;
}

double replacement(Kind k, double answer, double chosen) {
  switch (k) {
    case Kind::NaN: return std::numeric_limits<double>::quiet_NaN();
    case Kind::PlusInf: return std::numeric_limits<double>::infinity();
    case Kind::MinusInf: return -std::numeric_limits<double>::infinity();
    case Kind::Zero: return 0.0;
    case Kind::Negative: return answer != 0.0 ? -answer : -1.0;
    case Kind::Huge: return 1e300;
    case Kind::Missing: {
      double m;
      std::memcpy(&m, &ZEL_PPRIV[0], sizeof m);
      return m;
    }
    case Kind::Tiny: return 1e-300;
    case Kind::Value: return chosen;
    default: return answer;
  }
}

}  // namespace

std::string_view name(Routine r) {
  static constexpr std::string_view names[kRoutines] = {
      "SIRK_ES01",     "SIRK_ES34",     "LUMENA_PL001D", "LUMENA_PSATWI", "LUMENA_ES15",
      "LUMENA_MUL202", "LUMENA_MUL201", "LUMENA_MUL001", "LUMENA_MUMIX1", "LUMENA_QUADMX",
      "LUMENA_VL004",  "LUMENA_IDLMIX", "LUMENA_IDLGS1"};
  return names[static_cast<int>(r)];
}

std::string_view name(Kind k) {
  static constexpr std::string_view names[kKinds] = {"none",     "NaN",     "+inf", "-inf",      "0",    "negative",
                                                     "1e300",    "missing", "tiny", "unwritten", "value"};
  return names[static_cast<int>(k)];
}

void set(Routine r, Kind k, int call, double value) {
  g.on = true;
  g.rules[static_cast<int>(r)] = Rule{k, call, value};
}

void clear() { g = State{}; }

void script(const std::uint8_t* bytes, std::size_t size) {
  g.on = true;
  g.script = bytes;
  g.script_size = size;
  g.script_next = 0;
}

int calls(Routine r) { return g.calls[static_cast<int>(r)]; }

Outputs::Outputs(Routine r, double* out, std::size_t n, double* also) : out_(out), n_(n), also_(also) {
  kind_ = decide(r, value_);
  if (kind_ == Kind::Unwritten) {
    saved_.assign(out_, out_ + n_);
    if (also_ != nullptr) saved_.push_back(*also_);
  }
}

Outputs::~Outputs() {
  if (kind_ == Kind::None) return;
  if (kind_ == Kind::Unwritten) {
    std::copy(saved_.begin(), saved_.begin() + static_cast<std::ptrdiff_t>(n_), out_);
    if (also_ != nullptr) *also_ = saved_.back();
    return;
  }
  for (std::size_t i = 0; i < n_; ++i) out_[i] = replacement(kind_, out_[i], value_);
  if (also_ != nullptr) *also_ = replacement(kind_, *also_, value_);
}

double answer(Routine r, double value) {
  double chosen = 0.0;
  const Kind k = decide(r, chosen);
  // A function result cannot be left unwritten: it is then the routine's own.
  return k == Kind::Unwritten ? value : replacement(k, value, chosen);
}

}  // namespace kova::refhost::faults
