// Exported Wilke, Lucas, Stiel-Thodos and Letsou-Stiel routines.
#define KOVA_BUILDING_LIBRARY
#include "correlations/routines.h"
#include "kova/kova.h"

extern "C" {

void KOVA_MUL005(const double* T, const int64_t* N, const int64_t* IDX, const int64_t* KDIAG, double* MUL,
                 double* TC, double* PC, double* MW, double* OMEGA, double* FLAG, const kova_word* CID) {
  kova::correlations::mul005(T, N, IDX, KDIAG, MUL, TC, PC, MW, OMEGA, FLAG, CID);
}

}  // extern "C"
