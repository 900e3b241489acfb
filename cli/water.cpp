// kova water: water viscosity, thermal conductivity and surface tension in either phase
// (calc::water); kova surface-tension: mixture surface tension from given pure-component
// values (calc::surface_tension).
#include <memory>

#include "command.h"

namespace kova::cli {
namespace {

const Registration water{"water",
                         "Water viscosity, thermal conductivity (IAPS 1985) and surface tension at T, P in one phase",
                         [](CLI::App& app, States& states) -> Action {
                           auto in = std::make_shared<calc::WaterInput>();
                           add_temperature(app, states, in->t);
                           add_pressure(app, states, in->p);
                           add_phase(app, in->phase);
                           return [in](const Session& s) { return calc::water(*in, s.settings()); };
                         }};

const Registration surface_tension{
    "surface-tension", "Mixture surface tension from pure-component values (power-law rule, marked components linear)",
    [](CLI::App& app, States&) -> Action {
      auto in = std::make_shared<calc::SurfaceTensionInput>();
      add_mixture(app, *in);
      add_list(app, "--sigma", in->sigma,
               "pure-component surface tensions, N/m, positive, in the order of --components (kova water gives "
               "water's)")
          ->required();
      app.add_option("--nexp", in->nexp, "exponent n of the power-law rule (0 is taken as 1)");
      app.add_option("--marked", in->marked, "components that enter linearly by their weighted fractions")
          ->delimiter(',');
      add_list(app, "--vw", in->vw, "weighting factors of the marked components, positive, in the order of --components");
      return [in](const Session& s) { return calc::surface_tension(*in, s.settings()); };
    },
    /*calls_library=*/false};

}  // namespace
}  // namespace kova::cli
