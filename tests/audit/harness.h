// Calls a catalogued routine with every argument in its own guarded buffer, on the
// reference host, and tells what changed: outside the buffers' sizes (guards), in read-only
// arguments, in elements of by-component arrays that are not listed, and in host blocks.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "audit/catalogue.h"

namespace kova::audit {

inline constexpr std::uint64_t kGuard = 0xA5C3A5C3A5C3A5C3ull;
inline constexpr std::size_t kGuardWords = 16;

// One argument's storage: guard words, then the argument's words, then guard words.
struct Buffer {
  std::vector<std::uint64_t> words;
  std::size_t size = 0;  // the argument's own words
  std::uint64_t* data() { return words.data() + kGuardWords; }
  double* reals() { return reinterpret_cast<double*>(data()); }
  std::int64_t* ints() { return reinterpret_cast<std::int64_t*>(data()); }
  void allocate(std::size_t n);
  bool guards_intact() const;
};

// A call's arguments for a host set of `ncomp` databank components, the list `idx` and the
// composition `x` (by position).
struct Call {
  const Routine* routine = nullptr;
  std::vector<Arg> args;
  std::vector<Buffer> buffers;
  std::int64_t n = 0, ncomp = 0;

  // Fills every argument from the databank (parameters by column name), the defaults of the
  // catalogue, and the given list; flags start unchecked.
  Call(const Routine& r, std::int64_t ncomp, std::vector<std::int64_t> idx, std::vector<double> x);
  Buffer* find(const std::string& name);
  void set_scalar(const std::string& name, double v);
  void set_int(const std::string& name, std::int64_t v);
  void run();
};

// What a routine may write, checked after a call; empty when nothing was out of place.
std::vector<std::string> audit(Call& call, const std::function<void()>& before = {});

}  // namespace kova::audit
