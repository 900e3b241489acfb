// kova li, kova dkk, kova wilke-chang, kova mixed-solvent, kova bio-viscosity: the
// liquid-mixture and diffusion models on databank components (calc::li, calc::dkk,
// calc::wilke_chang, calc::mixed_solvent, calc::bio_viscosity).
#include <memory>

#include "command.h"

namespace kova::cli {
namespace {

const Registration li_command{"li", "Li's rule: thermal conductivity of a liquid mixture from pure values",
                              [](CLI::App& app, States& states) -> Action {
                                auto in = std::make_shared<calc::LiInput>();
                                add_mixture(app, *in);
                                add_temperature(app, states, in->t);
                                add_list(app, "--kl", in->kl,
                                         "pure liquid thermal conductivities, W/(m K) (default: TRAPP's liquid "
                                         "conductivity of each component, as kova trapp --phase liquid gives)");
                                add_list(app, "--vl", in->vl, "liquid molar volumes, m3/kmol (default: the host's)");
                                return [in](const Session& s) { return calc::li(*in, s.settings()); };
                              }};

const Registration dkk_command{
    "dkk", "Dawson-Khoury-Kobayashi: binary gas diffusion coefficients corrected to pressure P",
    [](CLI::App& app, States& states) -> Action {
      auto in = std::make_shared<calc::DkkInput>();
      add_mixture(app, *in);
      add_temperature(app, states, in->t);
      add_pressure(app, states, in->p);
      add_gas_phase(app, in->phase);
      add_positive(app, "--p0", in->p0, "reference pressure of DV0, Pa (default 101325)");
      add_list(app, "--dv0", in->dv0,
               "low-pressure coefficients, m2/s (measured, or from a low-pressure correlation such as "
               "Fuller's): one for all pairs, or pairs (2,1), (3,1), (3,2), ...")
          ->required();
      return [in](const Session& s) { return calc::dkk(*in, s.settings()); };
    }};

const Registration wilke_chang_command{
    "wilke-chang", "Wilke-Chang binary diffusion coefficients of every pair of a liquid mixture",
    [](CLI::App& app, States& states) -> Action {
      auto in = std::make_shared<calc::WilkeChangInput>();
      add_mixture(app, *in);
      add_temperature(app, states, in->t);
      add_list(app, "--mul", in->mul, "pure liquid viscosities, Pa s (default: the host's)");
      app.add_flag("--given", in->given, "divide by the mixture of the given viscosities (KOVA_DL004)");
      return [in](const Session& s) { return calc::wilke_chang(*in, s.settings()); };
    }};

const Registration bio_command{
    "bio-viscosity", "liquid mixture viscosity with bio-components (log-mean solvent, concentration cubic)",
    [](CLI::App& app, States& states) -> Action {
      auto in = std::make_shared<calc::BioViscosityInput>();
      add_mixture(app, *in);
      add_temperature(app, states, in->t);
      add_list(app, "--mul", in->mul, "pure liquid viscosities, Pa s (default: the host's)");
      app.add_option("--bio", in->bio, "a bio-component: NAME:a,b,d,lower,upper (m3/kg units, kg/m3 bounds)");
      app.add_option("--xtol", in->xtol, "smallest solvent mole-fraction total that is inverted (default 1e-8)");
      return [in](const Session& s) { return calc::bio_viscosity(*in, s.settings()); };
    }};

const Registration liquid_viscosity_command{
    "liquid-viscosity", "liquid mixture viscosity from pure-liquid viscosities (log-mean rule)",
    [](CLI::App& app, States& states) -> Action {
      auto in = std::make_shared<calc::BioViscosityInput>();
      add_mixture(app, *in);
      add_temperature(app, states, in->t);
      add_list(app, "--mul", in->mul,
               "pure liquid viscosities, Pa s (default: the host's DIPPR-101 correlation; kova show lists its "
               "range MUL_TMIN..MUL_TMAX)");
      return [in](const Session& s) { return calc::liquid_viscosity(*in, s.settings()); };
    }};

const Registration mixed_command{
    "mixed-solvent", "Wilke-Chang diffusion coefficients of solutes in a mixed liquid solvent",
    [](CLI::App& app, States& states) -> Action {
      auto in = std::make_shared<calc::MixedSolventInput>();
      add_mixture(app, *in);
      add_temperature(app, states, in->t);
      app.add_option("--solute", in->solute, "the solutes (names from --components; default: every component)")
          ->delimiter(',');
      app.add_option("--rule", in->rule, "solvent mixing rule: log (default), quadratic, cube-root")
          ->check(CLI::IsMember({"log", "quadratic", "cube-root"}));
      app.add_option("--bio", in->bio,
                     "a bio-component NAME:a,b,d,lower,upper: the solvent viscosity then "
                     "comes from the bio-component rule (KOVA_DL103)");
      app.add_option("--xtol", in->xtol, "with --bio: smallest solvent mole-fraction total that is inverted");
      return [in](const Session& s) { return calc::mixed_solvent(*in, s.settings()); };
    }};

}  // namespace
}  // namespace kova::cli
