// Exported corresponding-states (TRAPP) routines.
#define KOVA_BUILDING_LIBRARY
#include "kova/kova.h"
#include "trapp/routines.h"

using namespace kova::trapp;

extern "C" {

void KOVA_MUVL01(const double* T, const double* P, const double* X, const int64_t* N, const int64_t* IDX,
                 const int64_t* IDSET, const int64_t* KDIAG, double* WORK, int64_t* IPTR, const int64_t* KVL,
                 const int64_t* KCALC, double* MU, const void*, const kova_word* CID, double* TC, double* PC,
                 double* VC, double* ZC, double* OMEGA, double* FLAG, const double* MW) {
  muvl01(T, P, X, N, IDX, IDSET, KDIAG, WORK, IPTR, KVL, KCALC, MU, CID, TC, PC, VC, ZC, OMEGA, FLAG, MW);
}

void KOVA_MUV003(const double* T, const double* P, const int64_t* N, const int64_t* KCALC, const int64_t* IDX,
                 double* WORK, int64_t* IPTR, const int64_t* KDIAG, const int64_t* IDSET, double* MUV, const void*,
                 const kova_word* CID, double* TC, double* PC, double* VC, double* ZC, double* OMEGA, double* FLAG,
                 const double* MW) {
  viscosity_each(1, T, P, N, KCALC, IDX, WORK, IPTR, KDIAG, IDSET, MUV, CID, TC, PC, VC, ZC, OMEGA, FLAG, MW);
}

void KOVA_MUL003(const double* T, const double* P, const int64_t* N, const int64_t* KCALC, const int64_t* IDX,
                 double* WORK, int64_t* IPTR, const int64_t* KDIAG, const int64_t* IDSET, double* MUL, const void*,
                 const kova_word* CID, double* TC, double* PC, double* VC, double* ZC, double* OMEGA, double* FLAG,
                 const double* MW) {
  viscosity_each(2, T, P, N, KCALC, IDX, WORK, IPTR, KDIAG, IDSET, MUL, CID, TC, PC, VC, ZC, OMEGA, FLAG, MW);
}

void KOVA_MUV203(const double* T, const double* P, const double* X, const int64_t* N, const int64_t* KCALC,
                 const int64_t* IDX, double* WORK, int64_t* IPTR, const int64_t* KDIAG, const int64_t* IDSET,
                 double* MUVMX, const void*, const kova_word* CID, double* TC, double* PC, double* VC, double* ZC,
                 double* OMEGA, double* FLAG, const double* MW) {
  viscosity_mixture(1, T, P, X, N, KCALC, IDX, WORK, IPTR, KDIAG, IDSET, MUVMX, CID, TC, PC, VC, ZC, OMEGA, FLAG,
                    MW);
}

void KOVA_MUL204(const double* T, const double* P, const double* X, const int64_t* N, const int64_t* KCALC,
                 const int64_t* IDX, double* WORK, int64_t* IPTR, const int64_t* KDIAG, const int64_t* IDSET,
                 double* MULMX, const void*, const kova_word* CID, double* TC, double* PC, double* VC, double* ZC,
                 double* OMEGA, double* FLAG, const double* MW) {
  viscosity_mixture(2, T, P, X, N, KCALC, IDX, WORK, IPTR, KDIAG, IDSET, MULMX, CID, TC, PC, VC, ZC, OMEGA, FLAG,
                    MW);
}

void KOVA_KV004(const double* T, const double* P, const int64_t* N, const int64_t* KCALC, const int64_t* IDX,
                const void*, const void*, const int64_t* KDIAG, const int64_t* IDSET, double* KV, int64_t* KCONV,
                double* ZC, const double* MW, double* TC, double* PC, double* VC, double* OMEGA, double* FLAG,
                const kova_word* CID, double* WORK, int64_t* IPTR) {
  conductivity_each(1, T, P, N, KCALC, IDX, KDIAG, IDSET, KV, KCONV, ZC, MW, TC, PC, VC, OMEGA, FLAG, CID, WORK,
                    IPTR);
}

void KOVA_KL003(const double* T, const double* P, const int64_t* N, const int64_t* KCALC, const int64_t* IDX,
                const void*, const void*, const int64_t* KDIAG, const int64_t* IDSET, double* KL, int64_t* KCONV,
                double* ZC, const double* MW, double* TC, double* PC, double* VC, double* OMEGA, double* FLAG,
                const kova_word* CID, double* WORK, int64_t* IPTR) {
  conductivity_each(2, T, P, N, KCALC, IDX, KDIAG, IDSET, KL, KCONV, ZC, MW, TC, PC, VC, OMEGA, FLAG, CID, WORK,
                    IPTR);
}

void KOVA_KV203(const double* T, const double* P, const double* X, const int64_t* N, const int64_t* KCALC,
                const int64_t* IDX, const void*, const void*, const int64_t* KDIAG, const int64_t* IDSET,
                double* KVMX, int64_t* KCONV, double* ZC, const double* MW, double* TC, double* PC, double* VC,
                double* OMEGA, double* FLAG, const kova_word* CID, double* WORK, int64_t* IPTR) {
  conductivity_mixture(1, T, P, X, N, KCALC, IDX, KDIAG, IDSET, KVMX, KCONV, ZC, MW, TC, PC, VC, OMEGA, FLAG, CID,
                       WORK, IPTR);
}

void KOVA_KL202(const double* T, const double* P, const double* X, const int64_t* N, const int64_t* KCALC,
                const int64_t* IDX, const void*, const void*, const int64_t* KDIAG, const int64_t* IDSET,
                double* KLMX, int64_t* KCONV, double* ZC, const double* MW, double* TC, double* PC, double* VC,
                double* OMEGA, double* FLAG, const kova_word* CID, double* WORK, int64_t* IPTR) {
  conductivity_mixture(2, T, P, X, N, KCALC, IDX, KDIAG, IDSET, KLMX, KCONV, ZC, MW, TC, PC, VC, OMEGA, FLAG, CID,
                       WORK, IPTR);
}

}  // extern "C"
