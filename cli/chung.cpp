// kova chung: Chung-Lee-Starling low-pressure and dense-fluid viscosity and thermal
// conductivity of the listed components and their mixture (calc::chung).
#include <memory>

#include "command.h"

namespace kova::cli {
namespace {

const Registration chung{
    "chung", "Chung-Lee-Starling viscosity (low pressure and dense fluid) and thermal conductivity",
    [](CLI::App& app, States& states) -> Action {
      auto in = std::make_shared<calc::ChungInput>();
      add_mixture(app, *in);
      add_temperature(app, states, in->t);
      add_molar_volume(app, states, in->volume, in->density, &in->p);
      app.add_option("--kcoef", in->kcoef,
                     "1: the two-column coefficient set for the dense-fluid viscosity; otherwise the full set")
          ->check(CLI::Range(-1000000, 1000000));
      return [in](const Session& s) { return calc::chung(*in, s.settings()); };
    }};

}  // namespace
}  // namespace kova::cli
