// Exported Chung-Lee-Starling routines.
#define KOVA_BUILDING_LIBRARY
#include "chung/routines.h"
#include "kova/kova.h"

using kova::chung::PairArrays;
using kova::chung::Presence;

extern "C" {

void KOVA_MUV008(const double* T, const int64_t* N, const int64_t* IDX, const int64_t* KDIAG, const int64_t* IDSET,
                 const int64_t* KCALC, double* MUVLP, const double* MUP, const double* MW, const double* TC,
                 const double* VC, const double* OMGCLK, const double* SIG3, const double* EPSIG3,
                 const double* EPSIG2M, const double* DIPSIG3, const double* SQKAP, const double* OMSIG3,
                 double* FLAG, const kova_word* CID) {
  kova::chung::muv008(T, N, IDX, KDIAG, IDSET, KCALC, MUVLP, Presence{MUP, MW, TC, VC, OMGCLK},
                      PairArrays{SIG3, EPSIG3, EPSIG2M, DIPSIG3, OMSIG3, SQKAP, 0}, FLAG, CID);
}

void KOVA_MUV206(const double* T, const double* X, const int64_t* N, const int64_t* IDX, const int64_t* KDIAG,
                 const int64_t* IDSET, const int64_t* KCALC, double* MUVMXLP, const double* MUP, const double* MW,
                 const double* TC, const double* VC, const double* OMGCLK, const double* SIG3, const double* EPSIG3,
                 const double* EPSIG2M, const double* DIPSIG3, const double* SQKAP, const double* OMSIG3,
                 double* FLAG, const kova_word* CID) {
  kova::chung::muv206(T, X, N, IDX, KDIAG, IDSET, KCALC, MUVMXLP, Presence{MUP, MW, TC, VC, OMGCLK},
                      PairArrays{SIG3, EPSIG3, EPSIG2M, DIPSIG3, OMSIG3, SQKAP, 0}, FLAG, CID);
}

void KOVA_MUVL04(const double* T, const int64_t* N, const int64_t* IDX, const int64_t* KDIAG, const int64_t* IDSET,
                 const int64_t* KCALC, const double* V, double* MU, const double* MUP, const void* /*DUMMY*/,
                 const double* MW, const double* TC, const double* VC, const double* OMGCLK, const double* SIG3,
                 const double* EPSIG3, const double* EPSIG2M, const double* DIPSIG3, const double* SQKAP,
                 const double* OMSIG3, double* FLAG, const kova_word* CID, const int64_t* KCOEF) {
  kova::chung::muvl04(T, N, IDX, KDIAG, IDSET, KCALC, V, MU, Presence{MUP, MW, TC, VC, OMGCLK},
                      PairArrays{SIG3, EPSIG3, EPSIG2M, DIPSIG3, OMSIG3, SQKAP, 0}, FLAG, CID, KCOEF);
}

void KOVA_MUVL03(const double* T, const double* X, const int64_t* N, const int64_t* IDX, const int64_t* KDIAG,
                 const int64_t* IDSET, const int64_t* KCALC, const double* VMX, double* MUVMXLP, const double* MUP,
                 const double* MW, const double* TC, const double* VC, const double* OMGCLK, const double* SIG3,
                 const double* EPSIG3, const double* EPSIG2M, const double* DIPSIG3, const double* SQKAP,
                 const double* OMSIG3, double* FLAG, const kova_word* CID, const int64_t* KCOEF) {
  kova::chung::muvl03(T, X, N, IDX, KDIAG, IDSET, KCALC, VMX, MUVMXLP, Presence{MUP, MW, TC, VC, OMGCLK},
                      PairArrays{SIG3, EPSIG3, EPSIG2M, DIPSIG3, OMSIG3, SQKAP, 0}, FLAG, CID, KCOEF);
}

void KOVA_KVL03(const double* T, const int64_t* N, const int64_t* IDX, const int64_t* KDIAG, const int64_t* IDSET,
                const int64_t* KCALC, const double* V, const double* MUVLP, const double* CP, double* K,
                const int64_t* KER, const double* MUP, const double* MW, const double* TC, const double* VC,
                const double* OMGCLS, const double* SIG3, const double* EPSIG3, const double* EPSIG2M,
                const double* DIPSIG3, const double* SQKAP, const double* OMSIG3, double* FLAG,
                const kova_word* CID) {
  kova::chung::kvl03(T, N, IDX, KDIAG, IDSET, KCALC, V, MUVLP, CP, K, KER, Presence{MUP, MW, TC, VC, OMGCLS},
                     PairArrays{SIG3, EPSIG3, EPSIG2M, DIPSIG3, OMSIG3, SQKAP, 0}, FLAG, CID);
}

void KOVA_KVL02(const double* T, const double* X, const int64_t* N, const int64_t* IDX, const int64_t* KDIAG,
                const int64_t* IDSET, const int64_t* KCALC, const double* VMX, const double* MUVMXLP,
                const double* CPMX, double* KMX, const int64_t* KER, const double* MUP, const double* MW,
                const double* TC, const double* VC, const double* OMGCLS, const double* SIG3, const double* EPSIG3,
                const double* EPSIG2M, const double* DIPSIG3, const double* SQKAP, const double* OMSIG3,
                double* FLAG, const kova_word* CID) {
  kova::chung::kvl02(T, X, N, IDX, KDIAG, IDSET, KCALC, VMX, MUVMXLP, CPMX, KMX, KER,
                     Presence{MUP, MW, TC, VC, OMGCLS}, PairArrays{SIG3, EPSIG3, EPSIG2M, DIPSIG3, OMSIG3, SQKAP, 0},
                     FLAG, CID);
}

}  // extern "C"
