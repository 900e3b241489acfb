/* The host's property routines (base property models and equations of state), defined here
   only so that a test program resolves every host name the library may reference. The
   Dean-Stiel routines call none of them; a call means the library reached a routine it
   should not have, and stops the program. Defined by name only, without the routines'
   argument lists, on purpose: no test should depend on them. */
#include <stdio.h>
#include <stdlib.h>

#define KOVA_HOST_STUB(name)                                           \
  void name(void);                                                     \
  void name(void) {                                                    \
    fputs("unexpected call of the host routine " #name "\n", stderr);  \
    abort();                                                           \
  }

KOVA_HOST_STUB(LUMENA_PSATWI)
KOVA_HOST_STUB(LUMENA_ES15)
KOVA_HOST_STUB(LUMENA_PL001D)
KOVA_HOST_STUB(LUMENA_IDLGSF)
KOVA_HOST_STUB(LUMENA_IDLGS1)
KOVA_HOST_STUB(LUMENA_MUL202)
KOVA_HOST_STUB(LUMENA_MUL201)
KOVA_HOST_STUB(LUMENA_MUL001)
KOVA_HOST_STUB(LUMENA_MUMIX1)
KOVA_HOST_STUB(LUMENA_QUADMX)
KOVA_HOST_STUB(LUMENA_VL004)
KOVA_HOST_STUB(LUMENA_IDLMIX)
KOVA_HOST_STUB(SIRK_ES01)
KOVA_HOST_STUB(SIRK_ES34)
