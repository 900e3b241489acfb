// The diagnostic sequence shared by every routine: gate call, message buffer, print
// request, the missing-parameter reporter and the range-warning rule.
#pragma once

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
  bool check_not_below(double& value, double marker, double fallback, std::int64_t cls, std::int64_t num,
                       std::string_view line, std::initializer_list<Item> items) {
    if (!missing_not_below(value, marker)) return false;
    value = fallback;
    report_as(cls, num, line, items);
    return true;
  }

  // Equality test with a default: when value equals the marker, writes the default into
  // the caller's element first, then reports. Returns whether the value was missing.
  bool check(double& value, double marker, double fallback, std::int64_t num,
             std::string_view line, std::initializer_list<Item> items) {
    if (!missing_equal(value, marker)) return false;
    value = fallback;
    report(num, line, items);
    return true;
  }

  int printed() const { return count_; }

 private:
  const Diag& diag_;
  std::string_view header_;
  std::span<const Item> header_items_;
  bool zero19_;
  int count_ = 0;
};

// Visits the list entries whose component has not been checked yet (flag not exactly 1.0),
// in list order, setting the flag to 1.0 before the visit: fn(i, c) with c = IDX(i).
template <class Fn>
void for_unchecked(std::int64_t n, Ints idx, Reals flag, Fn&& fn) {
  for (std::int64_t i = 1; i <= n; ++i) {
    const std::int64_t c = idx(i);
    if (flag(c) == 1.0) continue;
    flag(c) = 1.0;
    fn(i, c);
  }
}

}  // namespace kova::host
