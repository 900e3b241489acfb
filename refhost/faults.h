// Fault injection: the reference host answering badly, as a host's property routines do near
// a critical point, in a phase that does not exist or after a failed flash. Off unless a test
// or a fuzz target switches it on, and then only on the thread that did: every setting here
// is per thread.
//
// Each property routine's relied-on outputs can be replaced, per routine and per call, by a
// chosen value or one of the kinds below; "left unwritten" restores what the outputs held
// when the routine was entered.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kova::refhost::faults {

enum class Routine : int {
  Es01, Es34, Pl001d, Psatwi, Es15, Mul202, Mul201, Mul001, Mumix1, Quadmx, Vl004, Idlmix, Idlgs1,
  Count
};
inline constexpr int kRoutines = static_cast<int>(Routine::Count);
std::string_view name(Routine r);

enum class Kind : int {
  None,       // the routine's own answer
  NaN,
  PlusInf,
  MinusInf,
  Zero,
  Negative,   // the answer with its sign turned (-1 when the answer is 0)
  Huge,       // 1e300
  Missing,    // the host's missing-value marker (ZEL_PPRIV word 0)
  Tiny,       // 1e-300
  Unwritten,  // the outputs as they were on entry
  Value,      // a chosen value
  Count
};
inline constexpr int kKinds = static_cast<int>(Kind::Count);
std::string_view name(Kind k);

// Routine r answers with kind k (value for Kind::Value) on its call number `call` (counted
// from 1 since the last clear()), or on every call when `call` is 0.
void set(Routine r, Kind k, int call = 0, double value = 0.0);
// Every fault off, call counts back to zero, no script.
void clear();

// A script of bytes: each call of any property routine takes the next byte, whose value
// modulo kKinds is the kind of that call's answer (0: its own; Kind::Value takes the value
// from the eight bytes that follow); calls after the end of the script answer normally. The bytes must stay alive while the script is in use.
void script(const std::uint8_t* bytes, std::size_t size);

// The calls each routine received since the last clear() (counted while faults are on).
int calls(Routine r);

// Used by the host's routines: the outputs of one call, replaced as set when the call ends.
class Outputs {
 public:
  // out: n reals; also: one further real that answers with them (a derivative), or null.
  Outputs(Routine r, double* out, std::size_t n, double* also = nullptr);
  ~Outputs();
  Outputs(const Outputs&) = delete;
  Outputs& operator=(const Outputs&) = delete;

 private:
  Kind kind_ = Kind::None;
  double value_ = 0.0;
  double* out_ = nullptr;
  std::size_t n_ = 0;
  double* also_ = nullptr;
  std::vector<double> saved_;
};

// For a routine whose answer is its function result.
double answer(Routine r, double value);

}  // namespace kova::refhost::faults
