// kova trapp: TRAPP viscosity and thermal conductivity of a databank mixture and of each
// component at (T, P, phase), with the equivalent methane state (calc::trapp).
#include <memory>

#include "command.h"

namespace kova::cli {
namespace {

const Registration trapp{
    "trapp", "TRAPP corresponding-states viscosity and thermal conductivity of a mixture, gas or liquid",
    [](CLI::App& app, States& states) -> Action {
      auto in = std::make_shared<calc::TrappInput>();
      add_mixture(app, *in);
      add_temperature(app, states, in->t);
      add_pressure(app, states, in->p);
      add_phase(app, in->phase);
      return [in](const Session& s) { return calc::trapp(*in, s.settings()); };
    }};

}  // namespace
}  // namespace kova::cli
