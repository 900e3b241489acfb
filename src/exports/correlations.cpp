// Exported Wilke, Lucas, Stiel-Thodos and Letsou-Stiel routines.
#define KOVA_BUILDING_LIBRARY
#include "correlations/routines.h"
#include "kova/kova.h"

extern "C" {

void KOVA_MUL005(const double* T, const int64_t* N, const int64_t* IDX, const int64_t* KDIAG, double* MUL,
                 double* TC, double* PC, double* MW, double* OMEGA, double* FLAG, const kova_word* CID) {
  kova::correlations::mul005(T, N, IDX, KDIAG, MUL, TC, PC, MW, OMEGA, FLAG, CID);
}

void KOVA_KV003(const int64_t* N, const int64_t* IDX, const double* VV, const int64_t* KDIAG, double* TC,
                double* MW, double* VC, const double* PC, double* ZC, double* FLAG, const kova_word* CID, double* KV,
                int64_t* KER) {
  kova::correlations::kv003(N, IDX, VV, KDIAG, TC, MW, VC, PC, ZC, FLAG, CID, KV, KER);
}

void KOVA_KV006(const int64_t* N, const int64_t* IDX, const double* VV, const int64_t* KDIAG, double* KVPC,
                double* TC, double* MW, double* VC, const double* PC, double* ZC, double* FLAG, const kova_word* CID) {
  kova::correlations::kv006(N, IDX, VV, KDIAG, KVPC, TC, MW, VC, PC, ZC, FLAG, CID);
}

void KOVA_KV202(const double* X, const int64_t* N, const int64_t* IDX, const double* RHOMX, const double* KVMXLP,
                const int64_t* KDIAG, double* KVMX, double* TC, double* MW, double* VC, double* ZC,
                const kova_word* CID) {
  kova::correlations::kv202(X, N, IDX, RHOMX, KVMXLP, KDIAG, KVMX, TC, MW, VC, ZC, CID);
}

void KOVA_KV204(const double* X, const int64_t* N, const int64_t* IDX, const double* VVMX, const int64_t* KDIAG,
                double* KVMXPC, double* TC, double* MW, double* VC, double* ZC, double* FLAG, const kova_word* CID) {
  kova::correlations::kv204(X, N, IDX, VVMX, KDIAG, KVMXPC, TC, MW, VC, ZC, FLAG, CID);
}

void KOVA_MUV201(const double* T, const double* X, const int64_t* N, const int64_t* IDX, const double* MUVLP,
                 const int64_t* IDSET, const int64_t* KDIAG, double* MUVXLP, double* MW, const double* TB, double* VB,
                 const double* MUP, double* STKPAR, double* FLAG, const kova_word* CID) {
  kova::correlations::muv201(T, X, N, IDX, MUVLP, IDSET, KDIAG, MUVXLP, MW, TB, VB, MUP, STKPAR, FLAG, CID);
}

}  // extern "C"
