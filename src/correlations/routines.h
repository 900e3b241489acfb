// Entry routines of the Wilke, Lucas, Stiel-Thodos and Letsou-Stiel models: argument
// unpacking, parameter checks, messages, status words and trace around the physics of
// wilke.h, lucas.h, stiel_thodos.h and letsou_stiel.h. Argument lists as exported
// (kova/kova.h).
#pragma once

#include <cstdint>

#include "kova/kova_types.h"

namespace kova::correlations {

// Letsou-Stiel liquid viscosity of each listed component.
void mul005(const double* T, const std::int64_t* N, const std::int64_t* IDX, const std::int64_t* KDIAG,
            double* MUL, double* TC, double* PC, double* MW, double* OMEGA, double* FLAG, const kova_word* CID);

// Stiel-Thodos dense-gas conductivity: residual added to KV (kv003) or alone (kv006), per
// listed component; for the mixture with the low-pressure value (kv202) or alone (kv204).
void kv003(const std::int64_t* N, const std::int64_t* IDX, const double* VV, const std::int64_t* KDIAG,
           double* TC, double* MW, double* VC, const double* PC, double* ZC, double* FLAG, const kova_word* CID,
           double* KV, std::int64_t* KER);
void kv006(const std::int64_t* N, const std::int64_t* IDX, const double* VV, const std::int64_t* KDIAG,
           double* KVPC, double* TC, double* MW, double* VC, const double* PC, double* ZC, double* FLAG,
           const kova_word* CID);
void kv202(const double* X, const std::int64_t* N, const std::int64_t* IDX, const double* RHOMX,
           const double* KVMXLP, const std::int64_t* KDIAG, double* KVMX, double* TC, double* MW, double* VC,
           double* ZC, const kova_word* CID);
void kv204(const double* X, const std::int64_t* N, const std::int64_t* IDX, const double* VVMX,
           const std::int64_t* KDIAG, double* KVMXPC, double* TC, double* MW, double* VC, double* ZC, double* FLAG,
           const kova_word* CID);

// Wilke mixing of low-pressure vapour viscosities with Brokaw's factors.
void muv201(const double* T, const double* X, const std::int64_t* N, const std::int64_t* IDX, const double* MUVLP,
            const std::int64_t* IDSET, const std::int64_t* KDIAG, double* MUVXLP, double* MW, const double* TB,
            double* VB, const double* MUP, double* STKPAR, double* FLAG, const kova_word* CID);

// Lucas vapour viscosity of each listed component (asking the host for vapour pressures
// through the pass-through arguments PLA1..PLA14) and of a mixture.
struct HostPassThrough {
  const void* pla[14];  // PLA1 .. PLA14
};
void muv005(const double* T, const double* PRES, const std::int64_t* N, const std::int64_t* IDX,
            const std::int64_t* KDIAG, const std::int64_t* IDSET, const std::int64_t* KCALC, double* MUV, double* TC,
            double* PC, double* ZC, double* MW, double* MUP, const double* MUR, const kova_word* CFORM, double* FLAG,
            const kova_word* CID, const HostPassThrough& pla);
void muv204(const double* T, const double* P, const double* X, const std::int64_t* N, const std::int64_t* IDX,
            const std::int64_t* KDIAG, const std::int64_t* IDSET, const std::int64_t* KCALC, double* MUVMX,
            double* TC, double* PC, double* ZC, double* MW, double* MUP, const double* MUR, const kova_word* CFORM,
            double* FLAG, const kova_word* CID);

}  // namespace kova::correlations
