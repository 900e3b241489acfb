// Entry routines of the liquid-mixture and diffusion models: argument lists as exported.
#pragma once

#include <cstdint>

#include "kova/kova_types.h"

namespace kova::mixing {

void kl204(const double *X, const std::int64_t *N, const std::int64_t *IDX, const void *UNUSED4, const double *VL,
           double *KL, const std::int64_t *KDIAG, double *KLMX, const kova_word *CID);

void dv002(const double *X, const std::int64_t *N, const std::int64_t *IDX, const double *T, const double *P,
           const double *P0, std::int64_t *IPAIR, double *YPAIR, const double *DV0, const std::int64_t *KDIAG,
           double *DV, const std::int64_t *IDSET, double *MW, double *VC, double *FLAG, const kova_word *CID,
           const void *P17, const void *P18, const void *P19, const void *P20, const void *P21);

void dl001(const double *T, const double *X, const std::int64_t *N, const std::int64_t *IDX, const double *MUL,
           const std::int64_t *KDIAG, double *BINDL, double *MW, const kova_word *CFORM, double *VB, double *FLAG,
           const kova_word *CID, const void *P13, const void *P14, const void *P15, const void *P16);

void dl004(const double *T, const double *X, const std::int64_t *N, const std::int64_t *IDX, const double *MUL,
           const std::int64_t *KDIAG, double *BINDL, double *MW, const kova_word *CFORM, double *VB, double *FLAG,
           const kova_word *CID, const void *P13, const void *P14, const void *P15);

void dl102(const double *T, const double *X, const std::int64_t *N, const std::int64_t *IDX, const std::int64_t *IDSET,
           double *XS, std::int64_t *KW, const std::int64_t *KDIAG, double *DL, double *MW, const kova_word *CFORM,
           double *VB, const double *KSOLU, double *FLAG, const kova_word *CID, const void *P16, const void *P17,
           const void *P18, const void *P19, const void *P20, const void *P21, const void *P22, const void *P23,
           const void *P24, const void *P25, const std::int64_t *KOPT, const void *P27, const void *P28,
           const void *P29);

void dl103(const double *T, const double *X, const std::int64_t *N, const std::int64_t *IDX, const std::int64_t *IDSET,
           const std::int64_t *KDIAG, double *MW, const kova_word *CFORM, double *VB, const double *KSOLU, double *FLAG,
           const kova_word *CID, double *XS, double *MULW, const void *UNUSED15, std::int64_t *KW, std::int64_t *KSV,
           const void *P18, const void *P19, const void *P20, const void *P21, const void *P22, const void *P23,
           const void *P24, const std::int64_t *KBIO, const double *MULBPS, double *VL, const void *P28,
           const void *P29, const void *P30, const void *P31, const void *P32, const double *XTOL, double *DL,
           const void *P35, const void *P36, const void *P37, const void *P38, const void *P39, const void *P40,
           const void *P41, const void *P42);

void mul205(const double *T, const double *X, const std::int64_t *N, const std::int64_t *IDX, const double *MUL,
            const std::int64_t *KDIAG, const void *P7, const void *P8, const void *P9, const void *P10, const void *P11,
            const void *P12, const void *P13, const void *P14, const void *P15, const std::int64_t *KBIO,
            const double *MW, const double *MULBPS, double *VL, const void *P20, double *MULMX, const double *XTOL,
            const void *P23, const void *P24, const void *P25, const void *P26, const void *P27);

}  // namespace kova::mixing
