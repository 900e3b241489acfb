// The reference host's ideal-gas heat-capacity routines (LUMENA_IDLGSF, LUMENA_IDLGS1) and
// what they last received, for the tests.
#pragma once

#include <cstdint>

#include "kova/kova_types.h"

namespace kova::refhost {

// The arguments of the last LUMENA_IDLGS1 call that the tests inspect.
struct IdealGasCall {
  double t = 0.0;
  std::int64_t n = 0;
  const kova_word* first_block = nullptr;  // the block at the first position from LUMENA_IDLGSF
  const kova_word* block48 = nullptr;      // the 48th parameter block
  const kova_word* pair_block[4] = {};     // the four blocks of the (block, integer) pairs
  std::int64_t pair_int[4] = {};
};
// The last call made on the calling thread.
const IdealGasCall& last_ideal_gas_call();

}  // namespace kova::refhost
