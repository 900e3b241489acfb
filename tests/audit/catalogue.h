// A catalogue of every exported routine: how to call it with an array of untyped argument
// pointers, and what each argument is (kind, size, whether the routine may write it).
// The write audit, the degenerate-input checks and the fuzz targets are all driven by it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kova::audit {

// An argument pointer that converts to whatever pointer type the routine takes.
struct AnyPtr {
  void* p;
  template <class T>
  operator T*() const {  // NOLINT: implicit by design
    return static_cast<T*>(p);
  }
};

using Invoker = void (*)(AnyPtr*);

namespace detail {
template <class... A>
struct Arity {
  static constexpr std::size_t value = sizeof...(A);
};
template <class F>
struct FnArity;
template <class... A>
struct FnArity<void (*)(A...)> : Arity<A...> {};
template <auto F, std::size_t... I>
void call(AnyPtr* a, std::index_sequence<I...>) {
  F(a[I]...);
}
}  // namespace detail

// An invoker of routine F with its exact argument list.
template <auto F>
void invoke(AnyPtr* a) {
  detail::call<F>(a, std::make_index_sequence<detail::FnArity<decltype(F)>::value>{});
}
template <auto F>
constexpr std::size_t arity() {
  return detail::FnArity<decltype(F)>::value;
}

// Argument kinds. Sizes: N is the list length, C the number of components in the host's
// set, and work arrays give theirs explicitly.
enum class Kind {
  RealIn,      // r[:value]   real scalar, read only
  IntIn,       // i[:value]   integer scalar, read only
  Count,       // n           the list length N
  RealOut,     // R           real scalar result
  IntOut,      // I           integer scalar result (status)
  RealInOut,   // Rio         real scalar, read and written
  Index,       // idx         N component numbers
  PosIn,       // p[:value]   N reals by list position, read only
  PosOut,      // P           N reals by list position, results
  PosInOut,    // Pio         N reals by list position, read and written
  SquareOut,   // PP          N x N reals by list position (column by column), results
  CompIn,      // c           C reals by component number, read only (ci: integers, 0)
  CompParam,   // C           C reals by component number; defaults may be written for listed ones
               // C2          the same with two reals per component
  Flag,        // flag        check flags by component number; listed ones may be set
  Cid,         // cid         2 words per component
  Cform,       // cform       3 words per component
  Pair,        // pair        C x C reals, read only
  Work,        // w:a,b,c     a N^2 + b N + c reals (or integers), all writable
  Unused,      // x           not used: must not be written
};

struct Arg {
  std::string name;
  Kind kind;
  double value = 0.0;         // default value of scalars and by-position inputs
  long a = 0, b = 0, c = 0;   // work size a N^2 + b N + c
  bool integer = false;       // integer work array
  std::size_t width = 1;      // reals per component of by-component arrays
};

struct Routine {
  const char* name;
  const char* family;  // deanstiel, trapp, chung, correlations, water, mixing
  Invoker call;
  std::size_t arity;
  const char* signature;  // the argument list in the notation above, blank separated, NAME:kind[:...]
  std::vector<Arg> args() const;
};

const std::vector<Routine>& catalogue();

}  // namespace kova::audit
