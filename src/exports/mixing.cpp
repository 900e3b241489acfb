// Exported liquid-mixture and diffusion routines.
#define KOVA_BUILDING_LIBRARY
#include "kova/kova.h"
#include "mixing/routines.h"

extern "C" {

void KOVA_KL204(const double *X, const int64_t *N, const int64_t *IDX, const void *UNUSED4, const double *VL,
                double *KL, const int64_t *KDIAG, double *KLMX, const kova_word *CID) {
  kova::mixing::kl204(X, N, IDX, UNUSED4, VL, KL, KDIAG, KLMX, CID);
}

void KOVA_DV002(const double *X, const int64_t *N, const int64_t *IDX, const double *T, const double *P,
                const double *P0, int64_t *IPAIR, double *YPAIR, const double *DV0, const int64_t *KDIAG, double *DV,
                const int64_t *IDSET, double *MW, double *VC, double *FLAG, const kova_word *CID, const void *P17,
                const void *P18, const void *P19, const void *P20, const void *P21) {
  kova::mixing::dv002(X, N, IDX, T, P, P0, IPAIR, YPAIR, DV0, KDIAG, DV, IDSET, MW, VC, FLAG, CID, P17, P18, P19, P20,
                      P21);
}

void KOVA_DL001(const double *T, const double *X, const int64_t *N, const int64_t *IDX, const double *MUL,
                const int64_t *KDIAG, double *BINDL, double *MW, const kova_word *CFORM, double *VB, double *FLAG,
                const kova_word *CID, const void *P13, const void *P14, const void *P15, const void *P16) {
  kova::mixing::dl001(T, X, N, IDX, MUL, KDIAG, BINDL, MW, CFORM, VB, FLAG, CID, P13, P14, P15, P16);
}

void KOVA_DL004(const double *T, const double *X, const int64_t *N, const int64_t *IDX, const double *MUL,
                const int64_t *KDIAG, double *BINDL, double *MW, const kova_word *CFORM, double *VB, double *FLAG,
                const kova_word *CID, const void *P13, const void *P14, const void *P15) {
  kova::mixing::dl004(T, X, N, IDX, MUL, KDIAG, BINDL, MW, CFORM, VB, FLAG, CID, P13, P14, P15);
}

void KOVA_DL102(const double *T, const double *X, const int64_t *N, const int64_t *IDX, const int64_t *IDSET,
                double *XS, int64_t *KW, const int64_t *KDIAG, double *DL, double *MW, const kova_word *CFORM,
                double *VB, const double *KSOLU, double *FLAG, const kova_word *CID, const void *P16, const void *P17,
                const void *P18, const void *P19, const void *P20, const void *P21, const void *P22, const void *P23,
                const void *P24, const void *P25, const int64_t *KOPT, const void *P27, const void *P28,
                const void *P29) {
  kova::mixing::dl102(T, X, N, IDX, IDSET, XS, KW, KDIAG, DL, MW, CFORM, VB, KSOLU, FLAG, CID, P16, P17, P18, P19, P20,
                      P21, P22, P23, P24, P25, KOPT, P27, P28, P29);
}

void KOVA_DL103(const double *T, const double *X, const int64_t *N, const int64_t *IDX, const int64_t *IDSET,
                const int64_t *KDIAG, double *MW, const kova_word *CFORM, double *VB, const double *KSOLU, double *FLAG,
                const kova_word *CID, double *XS, double *MULW, const void *UNUSED15, int64_t *KW, int64_t *KSV,
                const void *P18, const void *P19, const void *P20, const void *P21, const void *P22, const void *P23,
                const void *P24, const int64_t *KBIO, const double *MULBPS, double *VL, const void *P28,
                const void *P29, const void *P30, const void *P31, const void *P32, const double *XTOL, double *DL,
                const void *P35, const void *P36, const void *P37, const void *P38, const void *P39, const void *P40,
                const void *P41, const void *P42) {
  kova::mixing::dl103(T, X, N, IDX, IDSET, KDIAG, MW, CFORM, VB, KSOLU, FLAG, CID, XS, MULW, UNUSED15, KW, KSV, P18,
                      P19, P20, P21, P22, P23, P24, KBIO, MULBPS, VL, P28, P29, P30, P31, P32, XTOL, DL, P35, P36, P37,
                      P38, P39, P40, P41, P42);
}

void KOVA_MUL205(const double *T, const double *X, const int64_t *N, const int64_t *IDX, const double *MUL,
                 const int64_t *KDIAG, const void *P7, const void *P8, const void *P9, const void *P10, const void *P11,
                 const void *P12, const void *P13, const void *P14, const void *P15, const int64_t *KBIO,
                 const double *MW, const double *MULBPS, double *VL, const void *P20, double *MULMX, const double *XTOL,
                 const void *P23, const void *P24, const void *P25, const void *P26, const void *P27) {
  kova::mixing::mul205(T, X, N, IDX, MUL, KDIAG, P7, P8, P9, P10, P11, P12, P13, P14, P15, KBIO, MW, MULBPS, VL, P20,
                       MULMX, XTOL, P23, P24, P25, P26, P27);
}

}  // extern "C"
