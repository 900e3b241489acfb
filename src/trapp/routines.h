// Entry routines of the Ely-Hanley corresponding-states (TRAPP) models: the viscosity engine
// KOVA_MUVL01 and its four wrappers, the thermal-conductivity engine and its four wrappers.
// Argument lists as exported (kova/kova.h).
#pragma once

#include <cstdint>

#include "kova/kova_types.h"

namespace kova::trapp {

void muvl01(const double* T, const double* P, const double* X, const std::int64_t* N, const std::int64_t* IDX,
            const std::int64_t* IDSET, const std::int64_t* KDIAG, double* WORK, std::int64_t* IPTR,
            const std::int64_t* KVL, const std::int64_t* KCALC, double* MU, const kova_word* CID, double* TC,
            double* PC, double* VC, double* ZC, double* OMEGA, double* FLAG, const double* MW);

// The thermal-conductivity engine (not exported). Its two unused arguments are left out.
void kvl01(const double* T, const double* P, const double* X, const std::int64_t* N, const std::int64_t* IDX,
           const std::int64_t* IDSET, const std::int64_t* KDIAG, const std::int64_t* KVL,
           const std::int64_t* KCALC, double* K, std::int64_t* KCONV, double* ZC, const double* MW, double* TC,
           double* PC, double* VC, double* OMEGA, double* FLAG, const kova_word* CID, double* WORK,
           std::int64_t* IPTR);

// Viscosity wrappers: kvl 1 vapour, 2 liquid.
void viscosity_each(std::int64_t kvl, const double* T, const double* P, const std::int64_t* N,
                    const std::int64_t* KCALC, const std::int64_t* IDX, double* WORK, std::int64_t* IPTR,
                    const std::int64_t* KDIAG, const std::int64_t* IDSET, double* MU, const kova_word* CID,
                    double* TC, double* PC, double* VC, double* ZC, double* OMEGA, double* FLAG, const double* MW);
void viscosity_mixture(std::int64_t kvl, const double* T, const double* P, const double* X, const std::int64_t* N,
                       const std::int64_t* KCALC, const std::int64_t* IDX, double* WORK, std::int64_t* IPTR,
                       const std::int64_t* KDIAG, const std::int64_t* IDSET, double* MUMX, const kova_word* CID,
                       double* TC, double* PC, double* VC, double* ZC, double* OMEGA, double* FLAG,
                       const double* MW);

// Thermal-conductivity wrappers: kvl 1 vapour, 2 liquid.
void conductivity_each(std::int64_t kvl, const double* T, const double* P, const std::int64_t* N,
                       const std::int64_t* KCALC, const std::int64_t* IDX, const std::int64_t* KDIAG,
                       const std::int64_t* IDSET, double* K, std::int64_t* KCONV, double* ZC, const double* MW,
                       double* TC, double* PC, double* VC, double* OMEGA, double* FLAG, const kova_word* CID,
                       double* WORK, std::int64_t* IPTR);
void conductivity_mixture(std::int64_t kvl, const double* T, const double* P, const double* X,
                          const std::int64_t* N, const std::int64_t* KCALC, const std::int64_t* IDX,
                          const std::int64_t* KDIAG, const std::int64_t* IDSET, double* KMX, std::int64_t* KCONV,
                          double* ZC, const double* MW, double* TC, double* PC, double* VC, double* OMEGA,
                          double* FLAG, const kova_word* CID, double* WORK, std::int64_t* IPTR);

}  // namespace kova::trapp
