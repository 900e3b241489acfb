// What every routine returns and reports for degenerate inputs: empty and negative lists,
// zero or missing volumes, zero critical constants, zero mole fractions, non-finite
// temperature or pressure. The table in docs/degenerate-inputs.md is generated from this
// and a test keeps the two equal.
#pragma once

#include <string>
#include <vector>

#include "audit/harness.h"

namespace kova::audit {

// The results of a call in a few words, against the argument values before it: not written,
// 0 (every result written is zero), finite, or NOT FINITE.
std::string summarise(Call& c, const std::vector<std::vector<double>>& before);
// The distinct class/number pairs the gate was asked about since the host's last reset.
std::string gate_messages();

// The markdown table of all catalogued routines under every degenerate scenario.
std::string degenerate_table();

}  // namespace kova::audit
