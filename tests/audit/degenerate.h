// What every routine returns and reports for degenerate inputs: empty and negative lists,
// zero or missing volumes, zero critical constants, zero mole fractions, non-finite
// temperature or pressure. The table in docs/degenerate-inputs.md is generated from this
// and a test keeps the two equal.
#pragma once

#include <string>

namespace kova::audit {

// The markdown table of all catalogued routines under every degenerate scenario.
std::string degenerate_table();

}  // namespace kova::audit
