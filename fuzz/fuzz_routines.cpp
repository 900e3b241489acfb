// Fuzz target of one routine family (KOVA_FUZZ_FAMILY): arbitrary bytes become a routine of
// the family, a list of components, every scalar and array argument (NaN, infinities,
// zeros, negative and huge values, the missing-value marker, plausible values), the host
// words that steer diagnostics, the value of every host block word the library reads
// (integers stored as reals, negative, huge, zero) and, per call of a host property routine,
// the answer the host gives (its own, or a bad one: see refhost/faults.h); the routine is
// called through its exported name with every argument in a guarded buffer. A crash, a sanitizer report, a hang (libFuzzer's -timeout)
// or a write out of place (the write audit) is a finding.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "audit/harness.h"
#include "faults.h"
#include "host/property.h"
#include "refhost.h"

namespace {

using kova::audit::Call;
using kova::audit::Kind;
using kova::audit::Routine;

constexpr std::int64_t kComponents = 10;

const std::vector<const Routine*>& family() {
  static const std::vector<const Routine*> routines = [] {
    std::vector<const Routine*> out;
    for (const Routine& r : kova::audit::catalogue())
      if (std::string(r.family) == KOVA_FUZZ_FAMILY) out.push_back(&r);
    return out;
  }();
  return routines;
}

// A real: mostly the plausible value, otherwise one of the awkward ones.
double real_from(FuzzedDataProvider& in, double plausible) {
  switch (in.ConsumeIntegralInRange<int>(0, 11)) {
    case 0: return std::numeric_limits<double>::quiet_NaN();
    case 1: return std::numeric_limits<double>::infinity();
    case 2: return -std::numeric_limits<double>::infinity();
    case 3: return 0.0;
    case 4: return -plausible;
    case 5: return 1.0e300;
    case 6: return 1.0e-300;
    case 7: return kova::refhost::kMissing;
    case 8: {
      double v;
      const std::uint64_t b = in.ConsumeIntegral<std::uint64_t>();
      std::memcpy(&v, &b, 8);
      return v;
    }
    case 9: return plausible * in.ConsumeFloatingPointInRange<double>(0.01, 100.0);
    default: return plausible;
  }
}

// An integer host word: mostly as the host set it, otherwise a real's bit pattern, a
// negative, zero, a huge or an arbitrary value.
std::int64_t int_from(FuzzedDataProvider& in, std::int64_t plausible) {
  switch (in.ConsumeIntegralInRange<int>(0, 6)) {
    case 0: {
      const double v = static_cast<double>(plausible);
      std::int64_t b;
      std::memcpy(&b, &v, 8);
      return b;
    }
    case 1: return -in.ConsumeIntegralInRange<std::int64_t>(1, 1000);
    case 2: return 0;
    case 3: return std::numeric_limits<std::int64_t>::max() - in.ConsumeIntegralInRange<std::int64_t>(0, 10);
    case 4: return in.ConsumeIntegral<std::int64_t>();
    case 5: return in.ConsumeIntegralInRange<std::int64_t>(0, 2 * kComponents);
    default: return plausible;
  }
}

// The host block words the library reads as values or counts (not the trace units, which
// name files, nor the store offsets, which only the host's own routines follow).
void fuzz_host_words(FuzzedDataProvider& in) {
  struct Word {
    kova_word* block;
    int n;
    bool integer;
  };
  static const Word words[] = {
      {ZEL_PPRIV, 0, false},    {ZEL_PPRIV, 1, false},     {ZEL_PPRIV, 9, true},      {ZEL_RGLOB, 0, false},
      {ZEL_RGLOB, 1, false},    {ZEL_NCOMP, 0, true},      {NORVA_PPGLOB, 2, false},  {LUMENA_CRICH4, 0, false},
      {LUMENA_CRICH4, 2, false}, {LUMENA_CRICH4, 3, false}, {LUMENA_CRICH4, 4, false}, {LUMENA_CRICH4, 5, false},
  };
  if (!in.ConsumeBool()) return;
  for (const Word& w : words) {
    if (!in.ConsumeBool()) continue;
    if (w.integer) {
      std::int64_t v;
      std::memcpy(&v, &w.block[w.n], 8);
      v = int_from(in, v);
      // A count between the set's size and the library's bound is one the library must take
      // at the host's word: the host's arrays are then that large, which these are not.
      if (v > kComponents && v <= kova::host::kMaxHostCount) v = -v;
      std::memcpy(&w.block[w.n], &v, 8);
    } else {
      double v;
      std::memcpy(&v, &w.block[w.n], 8);
      v = real_from(in, v != 0.0 ? v : 1.0);
      std::memcpy(&w.block[w.n], &v, 8);
    }
  }
}

}  // namespace

// A family whose routines are not built yet has nothing to fuzz.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (family().empty()) {
    std::printf("no routines of family %s: nothing to fuzz\n", KOVA_FUZZ_FAMILY);
    std::exit(0);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const auto& routines = family();
  if (routines.empty()) return 0;
  const Routine& r = *routines[in.ConsumeIntegralInRange<std::size_t>(0, routines.size() - 1)];

  kova::refhost::reset();
  kova::refhost::keep_record(false);
  kova::refhost::force_gate(in.ConsumeIntegralInRange<std::int64_t>(-1, 2));
  const std::int64_t warnings = in.ConsumeBool() ? 1 : 0;
  std::memcpy(&ZEL_ERRTWO[56], &warnings, 8);
  const std::int64_t level = in.ConsumeIntegralInRange<std::int64_t>(-1, 8);
  std::memcpy(&ZEL_GLOBAL[10], &level, 8);

  const std::int64_t n = in.ConsumeIntegralInRange<std::int64_t>(-1, 20);
  std::vector<std::int64_t> idx;
  std::vector<double> x;
  for (std::int64_t i = 0; i < n; ++i) {
    idx.push_back(in.ConsumeIntegralInRange<std::int64_t>(1, kComponents));
    x.push_back(real_from(in, 1.0 / static_cast<double>(n)));
  }
  Call call(r, kComponents, idx, x);
  call.set_int("N", n);
  fuzz_host_words(in);
  // The answers of the host's property routines, one byte per call (see faults::script).
  const std::vector<std::uint8_t> answers = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange<std::size_t>(0, 32));
  kova::refhost::faults::clear();
  if (!answers.empty()) kova::refhost::faults::script(answers.data(), answers.size());
  for (std::size_t k = 0; k < call.args.size(); ++k) {
    auto& a = call.args[k];
    auto& b = call.buffers[k];
    switch (a.kind) {
      case Kind::RealIn:
      case Kind::RealInOut:
      case Kind::PosIn:
      case Kind::PosInOut:
      case Kind::CompIn:
      case Kind::CompParam:
      case Kind::Pair:
        for (std::size_t i = 0; i < b.size; ++i)
          if (in.ConsumeBool()) b.reals()[i] = real_from(in, b.reals()[i] != 0.0 ? b.reals()[i] : 1.0);
        break;
      case Kind::Flag:
        for (std::size_t i = 0; i < b.size; ++i) b.reals()[i] = in.ConsumeBool() ? 1.0 : 0.0;
        break;
      case Kind::IntIn:
        if (in.ConsumeBool()) b.ints()[0] = in.ConsumeIntegralInRange<std::int64_t>(-2, 9);
        break;
      default:
        break;
    }
  }
  const std::vector<std::string> faults = kova::audit::audit(call);
  kova::refhost::faults::clear();
  if (!faults.empty()) {
    for (const std::string& f : faults) std::fprintf(stderr, "%s\n", f.c_str());
    std::abort();
  }
  return 0;
}
