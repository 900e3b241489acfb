// Chung-Lee-Starling entry routines: the shared parameter test, the characteristic
// quantities from the host's pair arrays, messages and trace around the physics of
// chung.h. Argument lists as exported (kova/kova.h).
#pragma once

#include <cstdint>

#include "chung/chung.h"
#include "kova/kova_types.h"

namespace kova::chung {

// The pair arrays and SQKAP arrive as PairArrays whose row count is ignored: each routine
// family takes it from its own host word.

// Parameters that the routines only test for presence (never read for the calculation,
// never changed), by component number.
struct Presence {
  const double* mup;    // dipole moment
  const double* mw;     // molecular weight
  const double* tc;     // critical temperature
  const double* vc;     // critical volume
  const double* omega;  // acentric factor of the model (OMGCLK or OMGCLS)
};

// Low-pressure vapour viscosity of each listed component, MUVLP(i) in Pa s.
void muv008(const double* T, const std::int64_t* N, const std::int64_t* IDX, const std::int64_t* KDIAG,
            const std::int64_t* IDSET, const std::int64_t* KCALC, double* MUVLP, const Presence& par,
            const PairArrays& pairs, double* FLAG, const kova_word* CID);

// Low-pressure vapour viscosity of a mixture, MUVMXLP in Pa s.
void muv206(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX,
            const std::int64_t* KDIAG, const std::int64_t* IDSET, const std::int64_t* KCALC, double* MUVMXLP,
            const Presence& par, const PairArrays& pairs, double* FLAG, const kova_word* CID);

// Dense-fluid viscosity of each listed component at its molar volume V(i), MU(i) in Pa s.
void muvl04(const double* T, const std::int64_t* N, const std::int64_t* IDX, const std::int64_t* KDIAG,
            const std::int64_t* IDSET, const std::int64_t* KCALC, const double* V, double* MU,
            const Presence& par, const PairArrays& pairs, double* FLAG, const kova_word* CID,
            const std::int64_t* KCOEF);

// Dense-fluid viscosity of a mixture at molar volume VMX, MUVMXLP in Pa s (magnitude).
void muvl03(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX,
            const std::int64_t* KDIAG, const std::int64_t* IDSET, const std::int64_t* KCALC, const double* VMX,
            double* MUVMXLP, const Presence& par, const PairArrays& pairs, double* FLAG, const kova_word* CID,
            const std::int64_t* KCOEF);

// Thermal conductivity of each listed component, K(i) in W/(m K). KER is only printed.
void kvl03(const double* T, const std::int64_t* N, const std::int64_t* IDX, const std::int64_t* KDIAG,
           const std::int64_t* IDSET, const std::int64_t* KCALC, const double* V, const double* MUVLP,
           const double* CP, double* K, const std::int64_t* KER, const Presence& par, const PairArrays& pairs,
           double* FLAG, const kova_word* CID);

// Thermal conductivity of a mixture, KMX in W/(m K). KER is only printed.
void kvl02(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX,
           const std::int64_t* KDIAG, const std::int64_t* IDSET, const std::int64_t* KCALC, const double* VMX,
           const double* MUVMXLP, const double* CPMX, double* KMX, const std::int64_t* KER, const Presence& par,
           const PairArrays& pairs, double* FLAG, const kova_word* CID);

}  // namespace kova::chung
