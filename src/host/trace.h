// Trace output to the host's numbered output units.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "host/layout.h"
#include "host/words.h"

namespace kova::host {

// Trace is written when the level is negative or above 6.
inline bool trace_on(std::int64_t level) { return level < 0 || level > 6; }

// The trace unit of most routines: the low 32 bits of ZEL_PPRIV word 8.
inline std::int64_t trace_unit() { return low32_word(ZEL_PPRIV, 8); }

// Writes one line to a unit: through the host's ZEL_WRLINE when it defines one, otherwise
// as a Fortran runtime would (unit 6 standard output, unit 0 standard error, unit n the
// file fort.n in the working directory, appended).
void write_line(std::int64_t unit, std::string_view line);

// Formats the items with the layout and writes every resulting line to the unit.
void trace(std::int64_t unit, std::string_view layout, std::span<const Item> items);
inline void trace(std::int64_t unit, std::string_view layout, std::initializer_list<Item> items = {}) {
  trace(unit, layout, std::span<const Item>(items.begin(), items.size()));
}

// The header of a routine's trace: an empty line, then one blank and the identifier.
void trace_header(std::int64_t unit, const RoutineId& id);
// The header followed by five blanks and the model name.
void trace_header(std::int64_t unit, const RoutineId& id, const RoutineId& model);

}  // namespace kova::host
