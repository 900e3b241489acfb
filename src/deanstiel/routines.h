// Dean-Stiel entry routines: argument unpacking, parameter checks, messages and trace
// around the correlation of dean_stiel.h. Argument lists as exported (kova/kova.h).
#pragma once

#include <cstdint>

#include "kova/kova_types.h"

namespace kova::deanstiel {

void muv007(const double* T, const std::int64_t* N, const std::int64_t* IDX, const double* VV,
            const std::int64_t* KDIAG, double* MUVPC, double* TC, double* ZC, double* VC, double* MW,
            double* FLAG, const kova_word* CID);

void muv205(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX,
            const double* VVMX, const std::int64_t* KDIAG, double* MUVXPC, double* TC, double* ZC,
            double* VC, double* MW, double* FLAG, const kova_word* CID);

void muv202(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX,
            const double* RHOMX, const double* MUVMXLP, const std::int64_t* KDIAG, double* MUVMX,
            double* TC, double* ZC, double* VC, double* MW, double* FLAG, const kova_word* CID);

}  // namespace kova::deanstiel
