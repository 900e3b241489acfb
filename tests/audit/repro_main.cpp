// Prints the bit patterns of every result of every catalogued routine over a fixed set of
// cases, so that builds at different optimisation levels and instruction sets can be
// compared for bit-identical results (scripts/repro.sh).
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <vector>

#include "audit/harness.h"
#include "refhost.h"

namespace {

using kova::audit::Call;
using kova::audit::Kind;

void print_results(Call& call, const char* label) {
  std::printf("%s %s", call.routine->name, label);
  for (std::size_t k = 0; k < call.args.size(); ++k) {
    const Kind kind = call.args[k].kind;
    if (kind == Kind::RealOut || kind == Kind::IntOut || kind == Kind::RealInOut || kind == Kind::PosOut ||
        kind == Kind::PosInOut || kind == Kind::SquareOut || kind == Kind::CompParam || kind == Kind::Work) {
      for (std::size_t i = 0; i < call.buffers[k].size; ++i) std::printf(" %016" PRIx64, call.buffers[k].data()[i]);
    }
  }
  std::printf("\n");
}

}  // namespace

int main() {
  struct Case {
    const char* label;
    std::vector<std::int64_t> idx;
    std::vector<double> x;
    double scale;  // applied to real scalar inputs (temperature, volume, pressure ...)
  };
  const std::vector<Case> cases = {
      {"pure", {3}, {1.0}, 1.0},
      {"binary", {1, 2}, {0.7, 0.3}, 1.0},
      {"five", {1, 2, 3, 4, 6}, {0.4, 0.2, 0.2, 0.1, 0.1}, 1.0},
      {"water-mix", {5, 8}, {0.6, 0.4}, 0.9},
      {"hot", {2, 7, 9}, {0.3, 0.3, 0.4}, 1.6},
  };
  kova::refhost::keep_record(false);
  for (const auto& r : kova::audit::catalogue()) {
    for (const Case& c : cases) {
      kova::refhost::reset();
      kova::refhost::keep_record(false);
      Call call(r, 10, c.idx, c.x);
      for (std::size_t k = 0; k < call.args.size(); ++k)
        if (call.args[k].kind == Kind::RealIn) call.buffers[k].reals()[0] *= c.scale;
      call.run();
      print_results(call, c.label);
    }
  }
  return 0;
}
