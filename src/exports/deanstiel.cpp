// Exported Dean-Stiel routines.
#define KOVA_BUILDING_LIBRARY
#include "deanstiel/routines.h"
#include "kova/kova.h"

extern "C" {

void KOVA_MUV007(const double* T, const int64_t* N, const int64_t* IDX, const double* VV, const int64_t* KDIAG,
                 double* MUVPC, double* TC, double* ZC, double* VC, double* MW, double* FLAG,
                 const kova_word* CID) {
  kova::deanstiel::muv007(T, N, IDX, VV, KDIAG, MUVPC, TC, ZC, VC, MW, FLAG, CID);
}

void KOVA_MUV205(const double* T, const double* X, const int64_t* N, const int64_t* IDX, const double* VVMX,
                 const int64_t* KDIAG, double* MUVXPC, double* TC, double* ZC, double* VC, double* MW,
                 double* FLAG, const kova_word* CID) {
  kova::deanstiel::muv205(T, X, N, IDX, VVMX, KDIAG, MUVXPC, TC, ZC, VC, MW, FLAG, CID);
}

void KOVA_MUV202(const double* T, const double* X, const int64_t* N, const int64_t* IDX, const double* RHOMX,
                 const double* MUVMXLP, const int64_t* KDIAG, double* MUVMX, double* TC, double* ZC, double* VC,
                 double* MW, double* FLAG, const kova_word* CID) {
  kova::deanstiel::muv202(T, X, N, IDX, RHOMX, MUVMXLP, KDIAG, MUVMX, TC, ZC, VC, MW, FLAG, CID);
}

}  // extern "C"
