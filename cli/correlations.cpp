// kova wilke, kova lucas, kova stiel-thodos, kova letsou-stiel: the Wilke/Brokaw mixture
// viscosity, Lucas vapour viscosity, the Stiel-Thodos dense-gas conductivity and the
// Letsou-Stiel liquid viscosity of databank components (calc::wilke, calc::lucas,
// calc::stiel_thodos, calc::letsou_stiel).
#include <memory>

#include "command.h"

namespace kova::cli {
namespace {

const Registration wilke{"wilke", "Wilke mixture viscosity of a low-pressure vapour with Brokaw's factors",
                         [](CLI::App& app, States& states) -> Action {
                           auto in = std::make_shared<calc::WilkeInput>();
                           add_mixture(app, *in);
                           add_temperature(app, states, in->t);
                           add_list(app, "--mulp", in->mulp,
                                    "low-pressure viscosity of each component at T, Pa s, comma-separated (default: "
                                    "Chung-Lee-Starling's low-pressure viscosity; kova chung shows it as MU_LP)");
                           return [in](const Session& s) { return calc::wilke(*in, s.settings()); };
                         }};

const Registration lucas{"lucas", "Lucas vapour viscosity of pure components and the mixture, any pressure",
                         [](CLI::App& app, States& states) -> Action {
                           auto in = std::make_shared<calc::LucasInput>();
                           add_mixture(app, *in);
                           add_temperature(app, states, in->t);
                           add_pressure(app, states, in->p);
                           add_gas_phase(app, in->phase);
                           return [in](const Session& s) { return calc::lucas(*in, s.settings()); };
                         }};

const Registration stiel_thodos{
    "stiel-thodos", "Stiel-Thodos dense-gas thermal conductivity of vapours, pure components and mixture",
    [](CLI::App& app, States& states) -> Action {
      auto in = std::make_shared<calc::StielThodosInput>();
      add_mixture(app, *in);
      add_molar_volume(app, states, in->volume, in->density);
      add_list(app, "--klp", in->klp,
               "low-pressure conductivity of each component, W/(m K), comma-separated: also gives KV (kova chung gives "
               "Chung-Lee-Starling's at T and low pressure)");
      add_positive(app, "--kmxlp", in->kmxlp, "low-pressure conductivity of the mixture, W/(m K): also gives KVMX (kova chung "
                                                     "gives one)");
      return [in](const Session& s) { return calc::stiel_thodos(*in, s.settings()); };
    }};

const Registration letsou_stiel{"letsou-stiel", "Letsou-Stiel liquid viscosity of each component",
                                [](CLI::App& app, States& states) -> Action {
                                  auto in = std::make_shared<calc::LetsouStielInput>();
                                  add_components(app, in->components);
                                  add_temperature(app, states, in->t);
                                  return [in](const Session& s) { return calc::letsou_stiel(*in, s.settings()); };
                                }};

}  // namespace
}  // namespace kova::cli
