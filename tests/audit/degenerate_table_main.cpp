// Prints the tables of docs/degenerate-inputs.md: the degenerate-input table, or with the
// argument "host-faults" or "host-words" the table of bad host answers or of bad host words.
#include <cstdio>
#include <cstring>

#include "audit/degenerate.h"
#include "audit/host_faults.h"

int main(int argc, char** argv) {
  const char* which = argc > 1 ? argv[1] : "";
  if (std::strcmp(which, "host-faults") == 0) {
    std::fputs(kova::audit::host_faults_table().c_str(), stdout);
  } else if (std::strcmp(which, "host-words") == 0) {
    std::fputs(kova::audit::host_words_table().c_str(), stdout);
  } else {
    std::fputs(kova::audit::degenerate_table().c_str(), stdout);
  }
  return 0;
}
