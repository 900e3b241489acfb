// The calculator's own range warnings: a state outside what the inputs of a calculation were
// fitted over, or a model used outside its published scope. They come beside the library's
// messages, each tied to a row of the result (a component, or the mixture).
#pragma once

#include <string>
#include <vector>

#include "databank.h"

namespace kova::calc {

// What a calculation takes from the databank or assumes about a component.
enum Uses : unsigned {
  uses_ideal_gas_cp = 1u << 0,        // CPIG polynomial (CPIG_TMIN..CPIG_TMAX)
  uses_liquid_viscosity = 1u << 1,    // MUL correlation (MUL_TMIN..MUL_TMAX)
  uses_vapour_pressure = 1u << 2,     // PVAP correlation (PVAP_TMIN..PVAP_TMAX)
  liquid_state = 1u << 3,             // the component is computed as a liquid
  nonpolar_corresponding_states = 1u << 4,  // TRAPP: a simple-fluid reference, no polarity
  chung_model = 1u << 5,                    // Chung-Lee-Starling: polar, but not hydrogen bonding
  letsou_stiel_model = 1u << 6,  // Letsou-Stiel: non-polar liquids at 0.76 <= T/TC <= 0.98
  stiel_thodos_model = 1u << 7,  // Stiel-Thodos dense-gas conductivity: non-polar gases
  dean_stiel_model = 1u << 8,    // Dean-Stiel dense-gas viscosity: non-polar gases
};

struct RangeWarning {
  std::string row;   // the component's name, "mixture", or empty for the calculation
  std::string text;  // one sentence
};

// The warnings for component c at temperature t (K) in a calculation that uses what uses
// says. None when every range holds. A liquid is warned above its critical temperature and
// below its triple point (the lowest temperature of its vapour-pressure curve, PVAP_TMIN).
// The two corresponding-states models are warned for a strongly polar component (reduced
// dipole moment 131.3 mu/sqrt(VC TC) above 0.75, mu in debye, VC in cm3/mol) in TRAPP and
// for a hydrogen-bonding one (association factor KAPPA above 0) in either; water is pointed to
// `kova water`. The correlations fitted to non-polar fluids (Letsou-Stiel's liquids,
// Stiel-Thodos' and Dean-Stiel's dense gases) are warned for either kind; Letsou-Stiel also
// outside the reduced temperatures 0.76 to 0.98 of its fit (above TC the liquid warning
// says it instead).
std::vector<RangeWarning> range_warnings(const refhost::Component& c, double t, unsigned uses);

// The same for every component of a set (mole fractions x by list position; components
// with x = 0 are skipped).
std::vector<RangeWarning> range_warnings(const refhost::ComponentSet& set, const std::vector<double>& x, double t,
                                         unsigned uses);

// Reduced dipole moment of Chung et al. (0 when the databank lacks a value).
double reduced_dipole(const refhost::Component& c);

}  // namespace kova::calc
