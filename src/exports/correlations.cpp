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

void KOVA_MUV005(const double* T, const double* PRES, const int64_t* N, const int64_t* IDX, const int64_t* KDIAG,
                 const int64_t* IDSET, const int64_t* KCALC, double* MUV, double* TC, double* PC, double* ZC, double* MW,
                 double* MUP, const double* MUR, const kova_word* CFORM, double* FLAG, const kova_word* CID,
                 const void* PLA1, const void* PLA2, const void* PLA3, const void* PLA4, const void* PLA5,
                 const void* PLA6, const void* PLA7, const void* PLA8, const void* PLA9, const void* PLA10,
                 const void* PLA11, const void* PLA12, const void* PLA13, const void* PLA14) {
  const kova::correlations::HostPassThrough pla{
      {PLA1, PLA2, PLA3, PLA4, PLA5, PLA6, PLA7, PLA8, PLA9, PLA10, PLA11, PLA12, PLA13, PLA14}};
  kova::correlations::muv005(T, PRES, N, IDX, KDIAG, IDSET, KCALC, MUV, TC, PC, ZC, MW, MUP, MUR, CFORM, FLAG, CID,
                             pla);
}

void KOVA_MUV204(const double* T, const double* P, const double* X, const int64_t* N, const int64_t* IDX,
                 const int64_t* KDIAG, const int64_t* IDSET, const int64_t* KCALC, double* MUVMX, double* TC,
                 double* PC, double* ZC, double* MW, double* MUP, const double* MUR, const kova_word* CFORM,
                 double* FLAG, const kova_word* CID) {
  kova::correlations::muv204(T, P, X, N, IDX, KDIAG, IDSET, KCALC, MUVMX, TC, PC, ZC, MW, MUP, MUR, CFORM, FLAG, CID);
}

}  // extern "C"
