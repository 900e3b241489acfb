// The diagnostic sequence shared by every routine: gate call, message buffer, print
// request, the missing-parameter reporter and the range-warning rule.
//
// Threads. Any number of threads may call the routines at once. One lock, the message
// lock, serialises everything a routine does to what the host shares between threads on
// the rare path: each message sequence (word 19 set to 0.0, gate call, buffer written,
// print request, word 19 set to 0.0 again) runs whole under it, so the host's gate and
// print request are never entered by two threads at once; trace lines are written under it;
// a component's parameters are checked (defaults written back, check flag set) under it,
// once, by the first thread to get there. The common path (flags set, nothing missing, no
// message) takes no lock: it reads check flags and parameters with acquire loads.
#pragma once

#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "host/layout.h"
#include "host/words.h"

namespace kova::host {

// The gate's eighth argument.
enum class Closing {
  Two,     // integer 2 (most routines)
  One,     // integer 1 (the water routines)
  Word19,  // the address of ZEL_ERRTWO word 19, a real
};

// Which host word is passed by address as the gate's fifth argument.
enum class HostWord {
  Ppriv7,   // ZEL_PPRIV word 7 (most routines)
  Global7,  // ZEL_GLOBAL word 7
};

// Holds the message lock for its lifetime. The lock is recursive: a message sequence may
// be nested inside a parameter check that already holds it.
class MessageLock {
 public:
  MessageLock();
  ~MessageLock();
  MessageLock(const MessageLock&) = delete;
  MessageLock& operator=(const MessageLock&) = delete;
};

// ---------------------------------------------------------------- host values shared by threads
// A host array element that another thread may write while this one reads it (a check flag,
// a parameter that may receive a default): read and written atomically, without a lock.
inline double shared_load(const double& v) {
  return std::atomic_ref<double>(const_cast<double&>(v)).load(std::memory_order_acquire);
}
inline void shared_store(double& v, double value) {
  std::atomic_ref<double>(v).store(value, std::memory_order_release);
}

namespace detail {
// The number of parameter checks in progress (each under the message lock). A check sets the
// component's flag before it writes the defaults, so a flag seen set while a check is in
// progress may not yet have its defaults behind it.
extern std::atomic<std::int64_t> checks_in_progress __attribute__((visibility("hidden")));
}  // namespace detail

// A parameter check of one component: holds the message lock and counts as in progress.
class CheckScope {
 public:
  CheckScope() { detail::checks_in_progress.fetch_add(1, std::memory_order_relaxed); }
  ~CheckScope() { detail::checks_in_progress.fetch_sub(1, std::memory_order_release); }
  CheckScope(const CheckScope&) = delete;
  CheckScope& operator=(const CheckScope&) = delete;

 private:
  MessageLock lock_;  // taken first, released last
};

// Whether component c's flag is set (exactly 1.0) with its check finished, so that its
// parameters, defaults included, may be read without the lock.
inline bool checked(Reals flag, std::int64_t c) {
  return shared_load(flag(c)) == 1.0 && detail::checks_in_progress.load(std::memory_order_acquire) == 0;
}

// Whether every listed component's flag is set with its check finished (the common path).
inline bool all_checked(std::int64_t n, Ints idx, Reals flag) {
  for (std::int64_t i = 1; i <= n; ++i)
    if (shared_load(flag(idx(i))) != 1.0) return false;
  return detail::checks_in_progress.load(std::memory_order_acquire) == 0;
}

// Component c's check, once: when its flag is not set, sets it to 1.0 and calls fn(), both
// under the message lock; a thread that finds the flag set by another thread meanwhile does
// nothing. Returns whether fn was called.
// The check itself is kept out of line, so that the common path, a flag already set, stays
// a load and a compare in the caller's loop.
namespace detail {
template <class Fn>
[[gnu::noinline, gnu::cold]] bool check_once_locked(Reals flag, std::int64_t c, Fn& fn) {
  const CheckScope scope;
  if (shared_load(flag(c)) == 1.0) return false;
  shared_store(flag(c), 1.0);
  fn();
  return true;
}
}  // namespace detail

template <class Fn>
bool check_once(Reals flag, std::int64_t c, Fn&& fn) {
  if (checked(flag, c)) [[likely]] return false;
  return detail::check_once_locked(flag, c, fn);
}

// Sets ZEL_ERRTWO word 19, the message work value, to 0.0.
void zero_word19();

// Writes lines into the message buffer ZEL_ERROUT from line 1, each padded with blanks to
// 80 columns (longer lines are cut at 80; at most 10 lines), leaving later lines as they
// were, and asks the host to print them. Returns the number of lines written.
std::int64_t print_lines(std::span<const std::string> lines);

// The diagnostic context of one routine call.
class Diag {
 public:
  Diag(const RoutineId& id, const std::int64_t* kdiag, Closing closing = Closing::Two,
       HostWord hostword = HostWord::Ppriv7)
      : id_(id), kdiag_(kdiag), closing_(closing), hostword_(hostword) {}

  // Calls the gate with the eight arguments and returns its answer as given.
  std::int64_t gate(std::int64_t cls, std::int64_t num) const;

  // Formats the layout into the buffer and requests printing; returns the line count.
  std::int64_t print(std::string_view layout, std::span<const Item> items) const;
  std::int64_t print(std::string_view layout, std::initializer_list<Item> items) const {
    return print(layout, std::span<const Item>(items.begin(), items.size()));
  }

  // Gate, then print when the answer is nonzero. Returns whether it printed.
  bool message(std::int64_t cls, std::int64_t num, std::string_view layout,
               std::span<const Item> items) const;
  bool message(std::int64_t cls, std::int64_t num, std::string_view layout,
               std::initializer_list<Item> items) const {
    return message(cls, num, layout, std::span<const Item>(items.begin(), items.size()));
  }
  // Gate, then print only when the answer is exactly 1.
  bool message_if_one(std::int64_t cls, std::int64_t num, std::string_view layout,
                      std::span<const Item> items) const;
  bool message_if_one(std::int64_t cls, std::int64_t num, std::string_view layout,
                      std::initializer_list<Item> items) const {
    return message_if_one(cls, num, layout, std::span<const Item>(items.begin(), items.size()));
  }

  // A class-5 range warning: nothing at all when ZEL_ERRTWO word 56 is 0; otherwise the
  // gate is called (closing value 2, whatever this context's closing) and, whatever it
  // answers, the warning is printed. Returns whether it printed.
  bool range_warning(std::int64_t num, std::string_view layout, std::span<const Item> items) const;
  bool range_warning(std::int64_t num, std::string_view layout,
                     std::initializer_list<Item> items) const {
    return range_warning(num, layout, std::span<const Item>(items.begin(), items.size()));
  }

  const RoutineId& id() const { return id_; }
  const std::int64_t* kdiag() const { return kdiag_; }
  Closing closing() const { return closing_; }

 private:
  std::int64_t gate_with(std::int64_t cls, std::int64_t num, Closing closing) const;

  const RoutineId& id_;
  const std::int64_t* kdiag_;
  Closing closing_;
  HostWord hostword_;
};

// Missing-parameter reporting for one call: the first message printed in the call carries
// the model's header lines, later ones are the parameter line alone. A message suppressed
// by the gate is not counted.
class MissingReport {
 public:
  // header: the layout of the header line(s), ending with '/', with its items if any.
  // zero19: set ZEL_ERRTWO word 19 to 0.0 before each gate call and after each print.
  MissingReport(const Diag& diag, std::string_view header, bool zero19,
                std::span<const Item> header_items = {})
      : diag_(diag), header_(header), header_items_(header_items), zero19_(zero19) {}

  // Reports one missing parameter (class 1, message num) with its parameter line.
  // Returns whether a message was printed.
  bool report(std::int64_t num, std::string_view line, std::span<const Item> items);
  bool report(std::int64_t num, std::string_view line, std::initializer_list<Item> items) {
    return report(num, line, std::span<const Item>(items.begin(), items.size()));
  }
  // The same with another severity class, for a missing parameter that a model reports in
  // the same sequence but under class 3 (for example a dipole moment taken as zero).
  bool report_as(std::int64_t cls, std::int64_t num, std::string_view line, std::span<const Item> items);
  bool report_as(std::int64_t cls, std::int64_t num, std::string_view line, std::initializer_list<Item> items) {
    return report_as(cls, num, line, std::span<const Item>(items.begin(), items.size()));
  }

  // Not-below test with a default: when value is not less than the marker (equal, greater
  // or NaN), writes the default into the caller's element first, then reports under the
  // given class. Returns whether the value was missing.
  // Another thread may be writing the same default: the element is read atomically, and
  // written and reported under the message lock by the one thread that still finds it missing.
  bool check_not_below(double& value, double marker, double fallback, std::int64_t cls, std::int64_t num,
                       std::string_view line, std::initializer_list<Item> items) {
    if (!missing_not_below(shared_load(value), marker)) [[likely]] return false;
    return default_not_below(value, marker, fallback, cls, num, line, std::span<const Item>(items.begin(), items.size()));
  }

  // Equality test with a default: when value equals the marker, writes the default into
  // the caller's element first, then reports. Returns whether the value was missing.
  bool check(double& value, double marker, double fallback, std::int64_t num,
             std::string_view line, std::initializer_list<Item> items) {
    if (!missing_equal(shared_load(value), marker)) [[likely]] return false;
    return default_equal(value, marker, fallback, num, line, std::span<const Item>(items.begin(), items.size()));
  }

  int printed() const { return count_; }

 private:
  // The rare path of the two tests above, out of line: under the message lock, the one
  // thread that still finds the value missing writes the default and reports it.
  bool default_not_below(double& value, double marker, double fallback, std::int64_t cls, std::int64_t num,
                         std::string_view line, std::span<const Item> items);
  bool default_equal(double& value, double marker, double fallback, std::int64_t num, std::string_view line,
                     std::span<const Item> items);

  const Diag& diag_;
  std::string_view header_;
  std::span<const Item> header_items_;
  bool zero19_;
  int count_ = 0;
};

// Visits the list entries whose component has not been checked yet (flag not exactly 1.0),
// in list order, setting the flag to 1.0 before the visit: fn(i, c) with c = IDX(i). When
// every flag is set (the common path) it reads them and returns; otherwise the whole pass
// runs as one check under the message lock, so that the messages of one call stay together
// and a component is checked by one thread only.
namespace detail {
template <class Fn>
[[gnu::noinline, gnu::cold]] void check_unchecked(std::int64_t n, Ints idx, Reals flag, Fn& fn) {
  const CheckScope scope;
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::int64_t c = idx(i);
    if (shared_load(flag(c)) == 1.0) continue;
    shared_store(flag(c), 1.0);
    fn(i, c);
  }
}
}  // namespace detail

template <class Fn>
void for_unchecked(std::int64_t n, Ints idx, Reals flag, Fn&& fn) {
  if (all_checked(n, idx, flag)) [[likely]] return;
  detail::check_unchecked(n, idx, flag, fn);
}

}  // namespace kova::host
