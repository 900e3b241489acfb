// Which phase a state (T, P, composition) is in, from the host's vapour pressures, and what
// the calculator says about it.
//
// A pure component below its critical temperature is liquid above its vapour pressure and
// vapour below it. A mixture is judged by Raoult's law: liquid at or above its bubble
// pressure sum(x Psat), vapour at or below its dew pressure 1/sum(x/Psat), two phases in
// between; above the mole-fraction average of the critical temperatures it is a
// supercritical fluid. That is an engineer's first estimate, not a flash: it is said so in
// the row's note.
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "databank.h"

namespace kova::calc {

// What the user asked for with --phase.
enum class PhaseRequest { automatic, vapour, liquid };
// What the state is.
enum class PhaseState { vapour, liquid, two_phase, supercritical };

std::string to_string(PhaseRequest p);
std::string to_string(PhaseState p);
// "auto", "vapour", "vapor", "v", "gas", "liquid", "l" (any case); false for anything else.
bool parse_phase_request(const std::string& text, PhaseRequest& out);

struct PhaseDecision {
  PhaseState state = PhaseState::vapour;  // the state at (T, P)
  bool liquid = false;                    // the phase to compute: true liquid, false vapour/gas
  double p_bubble = std::numeric_limits<double>::quiet_NaN();  // Pa, Raoult (pure: Psat)
  double p_dew = std::numeric_limits<double>::quiet_NaN();     // Pa, Raoult (pure: Psat)
  double t_pseudo_critical = std::numeric_limits<double>::quiet_NaN();  // K, sum(x Tc)
  std::string reason;                 // one line: why this state ("P above the vapour pressure 3169 Pa")
  std::vector<std::string> warnings;  // what the user should know: asked phase differs from the state
};

// The phase of the state (t K, p Pa, mole fractions x) with the components' vapour
// pressures psat (Pa) and critical temperatures tc (K) at t, and the phase to compute for
// the request: auto computes the state's phase (vapour for a supercritical fluid, said in the
// reason; the nearer one in the two-phase region, with a warning); an explicit vapour or
// liquid is kept, with a warning when the state is the other phase (or above the critical
// temperature for a liquid).
PhaseDecision decide_phase(PhaseRequest asked, double t, double p, const std::vector<double>& x,
                           const std::vector<double>& psat, const std::vector<double>& tc);

// A model for gases only (Lucas, Dean-Stiel, Dawson-Khoury-Kobayashi): it computes a gas
// whatever the state, so a liquid asked is refused (parse_gas_phase_option) and a liquid
// found is warned, tied to its row.
struct GasModel {
  const char* name;        // as the messages name it: "Lucas"
  const char* for_liquid;  // the commands that compute the same property of a liquid
};

// The commands that compute the viscosity of a liquid, for the gas models' pointers.
inline constexpr const char* kLiquidViscosityCommands =
    "`kova trapp --phase liquid`, `kova chung --phase liquid` or `kova letsou-stiel`";

// The phase a row of a gas model shows: the state's phase at the row's T and P ("vapour",
// also above the critical temperature, "liquid" or "two-phase").
std::string gas_model_phase(const PhaseDecision& d);

// The warning for a row of a gas model whose state d is not a gas, empty for a gas: what the
// state is and why, that the model computes a gas and how (computed, e.g. "V is the equation
// of state's vapour root"), and for a liquid the commands that compute it.
std::string gas_model_warning(const GasModel& model, PhaseRequest asked, const PhaseDecision& d,
                              const std::string& computed);

// The same for the components of a set, with the host's vapour pressures at t.
PhaseDecision decide_phase(PhaseRequest asked, const refhost::ComponentSet& set, const std::vector<double>& x,
                           double t, double p);

// Vapour pressures of the components of a set at t, Pa, as the reference host computes them:
// water from the IAPWS-IF97 saturation line, others from their DIPPR-101 coefficients, or the
// Lee-Kesler estimate from TC, PC and OMEGA where the databank has none (and above TC, where
// the estimate is the usual extrapolation of the vapour-pressure curve).
std::vector<double> host_vapour_pressures(const refhost::ComponentSet& set, double t);

// The host's liquid molar volumes (Rackett, LUMENA_VL004) of the components of the installed set at t,
// m3/kmol, by list position.
std::vector<double> host_liquid_volumes(const refhost::ComponentSet& set, double t);

// The pressure at which the Lucas routine evaluates each component of a set at t and p: at or
// above the critical temperature p itself; below it p, or the host's vapour pressure
// (LUMENA_PL001D, as the routine calls it) when p exceeds that. Pa, by list position.
std::vector<double> lucas_pressures(const refhost::ComponentSet& set, double t, double p);

}  // namespace kova::calc
