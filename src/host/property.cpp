#include "host/property.h"

#include <cmath>
#include <string>

namespace kova::host {

namespace {

thread_local std::string hidden;

// An A edit item as wide as the name, so that it prints without leading blanks.
std::string name_item(std::string_view name) { return " A" + std::to_string(name.size()) + " "; }

}  // namespace

std::atomic<bool> detail::routine_hidden{false};

void testing::hide_property_routine(std::string_view name) {
  hidden.assign(name);
  if (!name.empty()) detail::routine_hidden.store(true, std::memory_order_relaxed);
}

bool report_absent(const Diag& diag, const void* routine, std::string_view name) {
  if (routine != nullptr && (hidden.empty() || hidden != name)) return true;
  diag.message(2, kMsgHostRoutineAbsent,
               "6X 'THE HOST DOES NOT PROVIDE THE PROPERTY ROUTINE '" + name_item(name) +
                   "/ 6X 'THE RESULT CANNOT BE CALCULATED AND IS SET TO ZERO'",
               {name});
  return false;
}

bool report_unusable(const Diag& diag, std::string_view name, double value) {
  diag.message(2, kMsgHostAnswer,
               "6X 'THE HOST PROPERTY ROUTINE '" + name_item(name) + "' GAVE THE UNUSABLE VALUE' G13.5 / "
               "6X 'THE RESULT CANNOT BE CALCULATED AND IS SET TO ZERO'",
               {name, value});
  return false;
}

bool report_count_word(const Diag& diag, std::string_view block, int word, std::int64_t value, std::int64_t least) {
  diag.message(2, kMsgHostWord,
               "6X 'HOST BLOCK '" + name_item(block) + "' WORD' I3 ' HOLDS' I21 / "
               "6X 'WHICH CANNOT SIZE THE ARRAYS OF THIS CALL (AT LEAST' I7 ')' / "
               "6X 'THE RESULT CANNOT BE CALCULATED AND IS SET TO ZERO'",
               {block, static_cast<std::int64_t>(word), value, least});
  return false;
}

}  // namespace kova::host
