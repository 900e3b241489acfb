// What every routine that calls a host property routine returns and reports when the host
// answers badly (each kind of bad answer from every property routine, on every call), and
// what the routines that size or offset arrays by a host word do with a bad word. The
// "host faults" tables of docs/degenerate-inputs.md are generated from this and a test keeps
// them equal.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "audit/catalogue.h"
#include "audit/harness.h"
#include "faults.h"

namespace kova::audit {

// The audit's standard call of routine r for these tables: propane and water at the
// catalogue's state, propane a bio-component where the routine has them, KCALC 1.
Call host_call(const Routine& r);

// The bad answers of the table, in column order.
const std::vector<kova::refhost::faults::Kind>& fault_kinds();

// A bad host word: its title and how to set it (after the call is prepared).
struct WordScenario {
  const char* title;
  std::function<void()> set;
};
const std::vector<WordScenario>& word_scenarios();

// The catalogued routines that call a host property routine in the standard call, with the
// names of those routines.
std::vector<std::pair<const Routine*, std::string>> host_callers();

// Summary of one call: results (not written, 0, finite, NOT FINITE) and, after a semicolon,
// the diagnostic messages given (class/number).
std::string outcome(Call& call, const std::vector<std::vector<double>>& before);

std::string host_faults_table();
std::string host_words_table();

}  // namespace kova::audit
