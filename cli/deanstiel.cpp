// kova dean-stiel: the Dean-Stiel dense-gas correction of vapour viscosity for each listed
// component and for the mixture, and, given the mixture's low-pressure viscosity, its dense
// viscosity (calc::dean_stiel).
#include <memory>

#include "command.h"

namespace kova::cli {
namespace {

const Registration dean_stiel{
    "dean-stiel", "Dean-Stiel dense-gas correction of vapour viscosity, pure components and mixture",
    [](CLI::App& app, States& states) -> Action {
      auto in = std::make_shared<calc::DeanStielInput>();
      add_mixture(app, *in);
      add_temperature(app, states, in->t);
      add_molar_volume(app, states, in->volume, in->density, &in->p);
      add_gas_phase(app, in->phase);
      add_positive(app, "--mulp", in->mulp,
                   "low-pressure viscosity of the mixture, Pa s: also gives the dense mixture viscosity "
                   "(kova wilke or kova chung give it)");
      return [in](const Session& s) { return calc::dean_stiel(*in, s.settings()); };
    }};

}  // namespace
}  // namespace kova::cli
