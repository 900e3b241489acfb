// Prints the degenerate-input table (docs/degenerate-inputs.md is made from it).
#include <cstdio>

#include "audit/degenerate.h"

int main() {
  std::fputs(kova::audit::degenerate_table().c_str(), stdout);
  return 0;
}
