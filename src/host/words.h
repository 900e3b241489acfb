// Typed access to host data words, 1-based argument views, identifiers and the two
// missing-value tests shared by every model routine.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "kova/host.h"
#include "kova/kova_types.h"

namespace kova::host {

// ---------------------------------------------------------------- host words
inline double real_word(const kova_word* block, int n) {
  double v;
  std::memcpy(&v, &block[n], sizeof v);
  return v;
}
inline std::int64_t int_word(const kova_word* block, int n) {
  std::int64_t v;
  std::memcpy(&v, &block[n], sizeof v);
  return v;
}
// Words that hold a Fortran default integer in their first four bytes (unit numbers).
inline std::int32_t low32_word(const kova_word* block, int n) {
  return static_cast<std::int32_t>(static_cast<std::uint64_t>(int_word(block, n)) & 0xffffffffu);
}
inline void set_real_word(kova_word* block, int n, double v) { std::memcpy(&block[n], &v, sizeof v); }

// The words the library reads, by meaning.
inline double missing_marker() { return real_word(ZEL_PPRIV, 0); }
inline double small_threshold() { return real_word(ZEL_PPRIV, 1); }
inline double gas_constant() { return real_word(NORVA_PPGLOB, 2); }
inline bool range_warnings_on() { return int_word(ZEL_ERRTWO, 56) != 0; }
// The delimiter character printed before and after a component name (item A1).
inline std::string_view delimiter() { return {ZEL_ERRTWO[15].c, 1}; }

// ---------------------------------------------------------------- missing values
// Equality test: missing when exactly equal to the marker.
inline bool missing_equal(double v, double marker) { return v == marker; }
// Not-below test: missing when not less than the marker (equal, greater, or NaN).
inline bool missing_not_below(double v, double marker) { return !(v < marker); }

// ---------------------------------------------------------------- 1-based views
// A caller's array addressed from 1, as the host indexes it. Element i is base[i-1].
template <class T>
class Array1 {
 public:
  explicit Array1(T* base) : base_(base) {}
  T& operator()(std::int64_t i) const { return base_[i - 1]; }
  T* data() const { return base_; }

 private:
  T* base_;
};
using Reals = Array1<double>;
using CReals = Array1<const double>;
using Ints = Array1<const std::int64_t>;

// ---------------------------------------------------------------- identifiers
// A 16-character routine identifier: two 8-character words, for example "MUV0    07      ".
struct RoutineId {
  char c[16];
  constexpr RoutineId(const char (&s)[17]) : c{} {
    for (int i = 0; i < 16; ++i) c[i] = s[i];
  }
  // The two words as character items (2A4 prints the first four characters of each).
  std::string_view word1() const { return {c, 8}; }
  std::string_view word2() const { return {c + 8, 8}; }
};

// The component identifier table CID: two 8-byte words per component number.
class CidTable {
 public:
  explicit CidTable(const kova_word* base) : base_(base) {}
  std::string_view word1(std::int64_t comp) const { return {base_[2 * (comp - 1)].c, 8}; }
  std::string_view word2(std::int64_t comp) const { return {base_[2 * (comp - 1) + 1].c, 8}; }

 private:
  const kova_word* base_;
};

// The formula identifier table CFORM: three 8-byte words per component number.
class CformTable {
 public:
  explicit CformTable(const kova_word* base) : base_(base) {}
  // Word k (1, 2 or 3) of the component's formula identifier.
  std::string_view word(std::int64_t comp, int k) const { return {base_[3 * (comp - 1) + (k - 1)].c, 8}; }
  // Water: the first word is exactly "H2O" and five blanks; the other words are not examined.
  bool is_water(std::int64_t comp) const { return word(comp, 1) == std::string_view("H2O     ", 8); }

 private:
  const kova_word* base_;
};

}  // namespace kova::host
