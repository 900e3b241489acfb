// Exported water and surface-tension routines.
#define KOVA_BUILDING_LIBRARY
#include "kova/kova.h"
#include "water/routines.h"
#include "water/surface_tension.h"

extern "C" {

void KOVA_MUV004(const double* T, const double* P, const int64_t* N, const int64_t* KCALC, const int64_t* IDX,
                 const int64_t* KDIAG, const void*, double* MU, const kova_word* CFORM) {
  kova::water::muv004(T, P, N, KCALC, IDX, KDIAG, MU, CFORM);
}

void KOVA_MUL004(const double* T, const double* P, const int64_t* N, const int64_t* KCALC, const int64_t* IDX,
                 const int64_t* KDIAG, const void*, double* MU, const kova_word* CFORM) {
  kova::water::mul004(T, P, N, KCALC, IDX, KDIAG, MU, CFORM);
}

void KOVA_KV005(const double* T, const double* P, const int64_t* N, const int64_t* KCALC, const int64_t* IDX,
                const int64_t* KDIAG, const void*, double* KV, const kova_word* CFORM) {
  kova::water::kv005(T, P, N, KCALC, IDX, KDIAG, KV, CFORM);
}

void KOVA_KL004(const double* T, const double* P, const int64_t* N, const int64_t* KCALC, const int64_t* IDX,
                const int64_t* KDIAG, const void*, double* KV, const kova_word* CFORM) {
  kova::water::kl004(T, P, N, KCALC, IDX, KDIAG, KV, CFORM);
}

void KOVA_SIG003(const double* T, const int64_t* N, const int64_t* KCALC, const int64_t* IDX, const void*,
                 const void*, const void*, const void*, double* SIGMA, const kova_word* CFORM) {
  kova::water::sig003(T, N, KCALC, IDX, SIGMA, CFORM);
}

void KOVA_SIG203(const double* X, const int64_t* N, const int64_t* IDX, const int64_t* NEXP, const double* SIG,
                 const void*, const double* VW, const int64_t* KMARK, double* SIGMX) {
  kova::water::sig203(X, N, IDX, NEXP, SIG, VW, KMARK, SIGMX);
}

}  // extern "C"
