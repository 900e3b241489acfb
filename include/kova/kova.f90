! kovalib: explicit interfaces for Fortran hosts.
!
! Two modules:
!   kova       the library's exported routines and data blocks, bound by their exact names.
!   kova_host  the data blocks that libkova reads from its host, bound by name, and the
!              forms of the host routines it calls. A host whose own libraries already
!              define these blocks does not use this module; one that does not (a small
!              program, a test) uses it and thereby defines them.
!
! Calling convention: every argument is passed by reference; integers are INTEGER(8)
! (c_int64_t), reals REAL(8) (c_double), arrays are indexed from 1. Arrays are indexed
! either by component number (TC, ZC, VC, MW, FLAG, CID) or by list position (X, VV, results).
!
! Identifier tables carry no hidden length: CID holds two 8-byte words per component number,
! CFORM three. Either pass a CHARACTER(LEN=8) array dimensioned (2, ncomp) (resp. (3, ncomp)),
! each element four significant characters followed by four blanks, or an INTEGER(8) array of
! the same shape holding those bytes. The dummy is assumed-type (TYPE(*)), so both are accepted
! and only the address is passed.
!
! Compile this file with the host's sources (module files are compiler-specific) and link
! against libkova.so.

module kova
  use, intrinsic :: iso_c_binding, only: c_int64_t, c_double
  implicit none
  public

  ! ---------------------------------------------------------------- exported data blocks
  ! State of the last corresponding-states (TRAPP) engine call, 13 reals. Zero at load.
  ! A program that uses this module holds the block itself and the library works on that
  ! copy, as with any data block that a program takes from a shared library.
  real(c_double), target, bind(C, name='KOVA_PRT1') :: kova_prt1(13)
  ! Water coefficient blocks (IAPS 1985 viscosity and conductivity, the scaled equation of the
  ! critical region), zero at load; the host fills them before the first water call. Word n
  ! (from 1) of a block is element n.
  real(c_double), target, bind(C, name='KOVA_H2OMU0') :: kova_h2omu0(12)
  real(c_double), target, bind(C, name='KOVA_H2OMU1') :: kova_h2omu1(48)
  real(c_double), target, bind(C, name='KOVA_REFH2O') :: kova_refh2o(44)
  real(c_double), target, bind(C, name='KOVA_H2OKS0') :: kova_h2oks0(12)
  real(c_double), target, bind(C, name='KOVA_H2OKS1') :: kova_h2oks1(36)

  interface

    ! ------------------------------------------------------------ Dean-Stiel

    ! Dense-gas pressure correction of vapour viscosity, one per listed component, Pa s.
    ! VV, MUVPC by list position; TC, ZC, VC, MW, FLAG, CID by component number.
    subroutine kova_muv007(T, N, IDX, VV, KDIAG, MUVPC, TC, ZC, VC, MW, FLAG, CID) &
        bind(C, name='KOVA_MUV007')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      real(c_double), intent(in) :: VV(*)
      integer(c_int64_t), intent(in) :: KDIAG
      real(c_double), intent(out) :: MUVPC(*)
      real(c_double), intent(inout) :: TC(*), ZC(*), VC(*), MW(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
    end subroutine kova_muv007

    ! Dense-gas pressure correction of a vapour mixture's viscosity, Pa s.
    ! X by list position; VVMX the mixture's molar volume, m3/kmol.
    subroutine kova_muv205(T, X, N, IDX, VVMX, KDIAG, MUVXPC, TC, ZC, VC, MW, FLAG, CID) &
        bind(C, name='KOVA_MUV205')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      real(c_double), intent(in) :: VVMX
      integer(c_int64_t), intent(in) :: KDIAG
      real(c_double), intent(out) :: MUVXPC
      real(c_double), intent(inout) :: TC(*), ZC(*), VC(*), MW(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
    end subroutine kova_muv205

    ! Dense vapour mixture viscosity: low-pressure value MUVMXLP plus the Dean-Stiel residual
    ! at the molar density RHOMX (kmol/m3), Pa s.
    subroutine kova_muv202(T, X, N, IDX, RHOMX, MUVMXLP, KDIAG, MUVMX, TC, ZC, VC, MW, FLAG, CID) &
        bind(C, name='KOVA_MUV202')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      real(c_double), intent(in) :: RHOMX
      real(c_double), intent(in) :: MUVMXLP
      integer(c_int64_t), intent(in) :: KDIAG
      real(c_double), intent(out) :: MUVMX
      real(c_double), intent(inout) :: TC(*), ZC(*), VC(*), MW(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
    end subroutine kova_muv202

    ! ------------------------------------------------------------ TRAPP (corresponding states)

    ! Ely-Hanley viscosity engine, either phase (KVL 1 vapour, 2 liquid), Pa s. X by list position;
    ! TC, PC, VC, ZC, OMEGA, FLAG, MW, CID by component number. WORK: 4N+2+4o reals (o = N(N+1)/2);
    ! IPTR: 9 integers. KCALC 0: nothing is computed or written. UNUSED is not read.
    subroutine kova_muvl01(T, P, X, N, IDX, IDSET, KDIAG, WORK, IPTR, KVL, KCALC, MU, UNUSED, CID, &
        TC, PC, VC, ZC, OMEGA, FLAG, MW) &
        bind(C, name='KOVA_MUVL01')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N, IDX(*), IDSET, KDIAG
      real(c_double), intent(inout) :: WORK(*)
      integer(c_int64_t), intent(inout) :: IPTR(*)
      integer(c_int64_t), intent(in) :: KVL, KCALC
      real(c_double), intent(inout) :: MU
      type(*) :: UNUSED
      type(*), intent(in) :: CID(*)
      real(c_double), intent(inout) :: TC(*), PC(*), VC(*), ZC(*), OMEGA(*)
      real(c_double), intent(inout) :: FLAG(*)
      real(c_double), intent(in) :: MW(*)
    end subroutine kova_muvl01

    ! TRAPP vapour viscosity of each listed component, Pa s; P and MUV by list position.
    subroutine kova_muv003(T, P, N, KCALC, IDX, WORK, IPTR, KDIAG, IDSET, MUV, UNUSED, CID, TC, PC, &
        VC, ZC, OMEGA, FLAG, MW) &
        bind(C, name='KOVA_MUV003')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P(*)
      integer(c_int64_t), intent(in) :: N, KCALC, IDX(*)
      real(c_double), intent(inout) :: WORK(*)
      integer(c_int64_t), intent(inout) :: IPTR(*)
      integer(c_int64_t), intent(in) :: KDIAG, IDSET
      real(c_double), intent(inout) :: MUV(*)
      type(*) :: UNUSED
      type(*), intent(in) :: CID(*)
      real(c_double), intent(inout) :: TC(*), PC(*), VC(*), ZC(*), OMEGA(*)
      real(c_double), intent(inout) :: FLAG(*)
      real(c_double), intent(in) :: MW(*)
    end subroutine kova_muv003

    ! TRAPP liquid viscosity of each listed component, Pa s; P and MUL by list position.
    subroutine kova_mul003(T, P, N, KCALC, IDX, WORK, IPTR, KDIAG, IDSET, MUL, UNUSED, CID, TC, PC, &
        VC, ZC, OMEGA, FLAG, MW) &
        bind(C, name='KOVA_MUL003')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P(*)
      integer(c_int64_t), intent(in) :: N, KCALC, IDX(*)
      real(c_double), intent(inout) :: WORK(*)
      integer(c_int64_t), intent(inout) :: IPTR(*)
      integer(c_int64_t), intent(in) :: KDIAG, IDSET
      real(c_double), intent(inout) :: MUL(*)
      type(*) :: UNUSED
      type(*), intent(in) :: CID(*)
      real(c_double), intent(inout) :: TC(*), PC(*), VC(*), ZC(*), OMEGA(*)
      real(c_double), intent(inout) :: FLAG(*)
      real(c_double), intent(in) :: MW(*)
    end subroutine kova_mul003

    ! TRAPP vapour mixture viscosity, Pa s.
    subroutine kova_muv203(T, P, X, N, KCALC, IDX, WORK, IPTR, KDIAG, IDSET, MUVMX, UNUSED, CID, &
        TC, PC, VC, ZC, OMEGA, FLAG, MW) &
        bind(C, name='KOVA_MUV203')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P, X(*)
      integer(c_int64_t), intent(in) :: N, KCALC, IDX(*)
      real(c_double), intent(inout) :: WORK(*)
      integer(c_int64_t), intent(inout) :: IPTR(*)
      integer(c_int64_t), intent(in) :: KDIAG, IDSET
      real(c_double), intent(inout) :: MUVMX
      type(*) :: UNUSED
      type(*), intent(in) :: CID(*)
      real(c_double), intent(inout) :: TC(*), PC(*), VC(*), ZC(*), OMEGA(*)
      real(c_double), intent(inout) :: FLAG(*)
      real(c_double), intent(in) :: MW(*)
    end subroutine kova_muv203

    ! TRAPP liquid mixture viscosity, Pa s.
    subroutine kova_mul204(T, P, X, N, KCALC, IDX, WORK, IPTR, KDIAG, IDSET, MULMX, UNUSED, CID, &
        TC, PC, VC, ZC, OMEGA, FLAG, MW) &
        bind(C, name='KOVA_MUL204')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P, X(*)
      integer(c_int64_t), intent(in) :: N, KCALC, IDX(*)
      real(c_double), intent(inout) :: WORK(*)
      integer(c_int64_t), intent(inout) :: IPTR(*)
      integer(c_int64_t), intent(in) :: KDIAG, IDSET
      real(c_double), intent(inout) :: MULMX
      type(*) :: UNUSED
      type(*), intent(in) :: CID(*)
      real(c_double), intent(inout) :: TC(*), PC(*), VC(*), ZC(*), OMEGA(*)
      real(c_double), intent(inout) :: FLAG(*)
      real(c_double), intent(in) :: MW(*)
    end subroutine kova_mul204

    ! TRAPP vapour thermal conductivity of each listed component, W/(m K); P and KV by list
    ! position; KCONV: 1 if the last entry's equivalent state converged. WORK: 4N+2+4o+max(o, 3N) reals
    ! with N = 1 (one engine call per entry); IPTR: 10 integers.
    subroutine kova_kv004(T, P, N, KCALC, IDX, UNUSED1, UNUSED2, KDIAG, IDSET, KV, KCONV, ZC, MW, &
        TC, PC, VC, OMEGA, FLAG, CID, WORK, IPTR) &
        bind(C, name='KOVA_KV004')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P(*)
      integer(c_int64_t), intent(in) :: N, KCALC, IDX(*)
      type(*) :: UNUSED1, UNUSED2
      integer(c_int64_t), intent(in) :: KDIAG, IDSET
      real(c_double), intent(inout) :: KV(*)
      integer(c_int64_t), intent(inout) :: KCONV
      real(c_double), intent(inout) :: ZC(*)
      real(c_double), intent(in) :: MW(*)
      real(c_double), intent(inout) :: TC(*), PC(*), VC(*), OMEGA(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
      real(c_double), intent(inout) :: WORK(*)
      integer(c_int64_t), intent(inout) :: IPTR(*)
    end subroutine kova_kv004

    ! TRAPP liquid thermal conductivity of each listed component, W/(m K); P and KL by list
    ! position; KCONV: 1 if the last entry's equivalent state converged. WORK: 4N+2+4o+max(o, 3N) reals
    ! with N = 1 (one engine call per entry); IPTR: 10 integers.
    subroutine kova_kl003(T, P, N, KCALC, IDX, UNUSED1, UNUSED2, KDIAG, IDSET, KL, KCONV, ZC, MW, &
        TC, PC, VC, OMEGA, FLAG, CID, WORK, IPTR) &
        bind(C, name='KOVA_KL003')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P(*)
      integer(c_int64_t), intent(in) :: N, KCALC, IDX(*)
      type(*) :: UNUSED1, UNUSED2
      integer(c_int64_t), intent(in) :: KDIAG, IDSET
      real(c_double), intent(inout) :: KL(*)
      integer(c_int64_t), intent(inout) :: KCONV
      real(c_double), intent(inout) :: ZC(*)
      real(c_double), intent(in) :: MW(*)
      real(c_double), intent(inout) :: TC(*), PC(*), VC(*), OMEGA(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
      real(c_double), intent(inout) :: WORK(*)
      integer(c_int64_t), intent(inout) :: IPTR(*)
    end subroutine kova_kl003

    ! TRAPP vapour mixture thermal conductivity, W/(m K). WORK: 4N+2+4o+max(o, 3N) reals.
    subroutine kova_kv203(T, P, X, N, KCALC, IDX, UNUSED1, UNUSED2, KDIAG, IDSET, KVMX, KCONV, ZC, &
        MW, TC, PC, VC, OMEGA, FLAG, CID, WORK, IPTR) &
        bind(C, name='KOVA_KV203')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P, X(*)
      integer(c_int64_t), intent(in) :: N, KCALC, IDX(*)
      type(*) :: UNUSED1, UNUSED2
      integer(c_int64_t), intent(in) :: KDIAG, IDSET
      real(c_double), intent(inout) :: KVMX
      integer(c_int64_t), intent(inout) :: KCONV
      real(c_double), intent(inout) :: ZC(*)
      real(c_double), intent(in) :: MW(*)
      real(c_double), intent(inout) :: TC(*), PC(*), VC(*), OMEGA(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
      real(c_double), intent(inout) :: WORK(*)
      integer(c_int64_t), intent(inout) :: IPTR(*)
    end subroutine kova_kv203

    ! TRAPP liquid mixture thermal conductivity, W/(m K). WORK: 4N+2+4o+max(o, 3N) reals.
    subroutine kova_kl202(T, P, X, N, KCALC, IDX, UNUSED1, UNUSED2, KDIAG, IDSET, KLMX, KCONV, ZC, &
        MW, TC, PC, VC, OMEGA, FLAG, CID, WORK, IPTR) &
        bind(C, name='KOVA_KL202')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P, X(*)
      integer(c_int64_t), intent(in) :: N, KCALC, IDX(*)
      type(*) :: UNUSED1, UNUSED2
      integer(c_int64_t), intent(in) :: KDIAG, IDSET
      real(c_double), intent(inout) :: KLMX
      integer(c_int64_t), intent(inout) :: KCONV
      real(c_double), intent(inout) :: ZC(*)
      real(c_double), intent(in) :: MW(*)
      real(c_double), intent(inout) :: TC(*), PC(*), VC(*), OMEGA(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
      real(c_double), intent(inout) :: WORK(*)
      integer(c_int64_t), intent(inout) :: IPTR(*)
    end subroutine kova_kl202

    ! ------------------------------------------------------------ Chung-Lee-Starling

    ! Low-pressure vapour viscosity of each listed component, MUVLP (by list position), Pa s.
    ! Pair arrays SIG3, EPSIG3, EPSIG2M, DIPSIG3, OMSIG3: (LD, LD) by component number, LD =
    ! ZEL_PPRIV word 9 (viscosity) or ZEL_NCOMP word 0 (conductivity); SQKAP, MUP, MW, TC, VC
    ! and the acentric factor by component number, the last five only tested for presence.
    ! KCALC above 0: test and calculate; 0 or below: results left as passed.
    subroutine kova_muv008(T, N, IDX, KDIAG, IDSET, KCALC, MUVLP, MUP, MW, TC, VC, OMGCLK, &
        SIG3, EPSIG3, EPSIG2M, DIPSIG3, SQKAP, OMSIG3, FLAG, CID) &
        bind(C, name='KOVA_MUV008')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: KDIAG, IDSET, KCALC
      real(c_double), intent(inout) :: MUVLP(*)
      real(c_double), intent(in) :: MUP(*), MW(*), TC(*), VC(*), OMGCLK(*)
      real(c_double), intent(in) :: SIG3(*), EPSIG3(*), EPSIG2M(*), DIPSIG3(*), SQKAP(*), OMSIG3(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
    end subroutine kova_muv008

    ! Low-pressure vapour viscosity of a mixture, MUVMXLP, Pa s.
    subroutine kova_muv206(T, X, N, IDX, KDIAG, IDSET, KCALC, MUVMXLP, MUP, MW, TC, VC, OMGCLK, &
        SIG3, EPSIG3, EPSIG2M, DIPSIG3, SQKAP, OMSIG3, FLAG, CID) &
        bind(C, name='KOVA_MUV206')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: KDIAG, IDSET, KCALC
      real(c_double), intent(inout) :: MUVMXLP
      real(c_double), intent(in) :: MUP(*), MW(*), TC(*), VC(*), OMGCLK(*)
      real(c_double), intent(in) :: SIG3(*), EPSIG3(*), EPSIG2M(*), DIPSIG3(*), SQKAP(*), OMSIG3(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
    end subroutine kova_muv206

    ! Dense-fluid viscosity of each listed component at its molar volume V (m3/kmol), MU,
    ! Pa s. DUMMY is not read. KCOEF 1: the two-column coefficient set.
    subroutine kova_muvl04(T, N, IDX, KDIAG, IDSET, KCALC, V, MU, MUP, DUMMY, MW, TC, VC, &
        OMGCLK, SIG3, EPSIG3, EPSIG2M, DIPSIG3, SQKAP, OMSIG3, FLAG, CID, KCOEF) &
        bind(C, name='KOVA_MUVL04')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: KDIAG, IDSET, KCALC
      real(c_double), intent(in) :: V(*)
      real(c_double), intent(inout) :: MU(*)
      real(c_double), intent(in) :: MUP(*), MW(*), TC(*), VC(*), OMGCLK(*)
      type(*), intent(in) :: DUMMY
      real(c_double), intent(in) :: SIG3(*), EPSIG3(*), EPSIG2M(*), DIPSIG3(*), SQKAP(*), OMSIG3(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
      integer(c_int64_t), intent(in) :: KCOEF
    end subroutine kova_muvl04

    ! Dense-fluid viscosity of a mixture at molar volume VMX (m3/kmol), MUVMXLP, Pa s.
    subroutine kova_muvl03(T, X, N, IDX, KDIAG, IDSET, KCALC, VMX, MUVMXLP, MUP, MW, TC, VC, &
        OMGCLK, SIG3, EPSIG3, EPSIG2M, DIPSIG3, SQKAP, OMSIG3, FLAG, CID, KCOEF) &
        bind(C, name='KOVA_MUVL03')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: KDIAG, IDSET, KCALC
      real(c_double), intent(in) :: VMX
      real(c_double), intent(inout) :: MUVMXLP
      real(c_double), intent(in) :: MUP(*), MW(*), TC(*), VC(*), OMGCLK(*)
      real(c_double), intent(in) :: SIG3(*), EPSIG3(*), EPSIG2M(*), DIPSIG3(*), SQKAP(*), OMSIG3(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
      integer(c_int64_t), intent(in) :: KCOEF
    end subroutine kova_muvl03

    ! Thermal conductivity of each listed component, K, W/(m K), from its molar volume V
    ! (m3/kmol), low-pressure viscosity MUVLP (Pa s) and heat capacity CP (J/(kmol K)).
    ! KER is printed in the trace and never written.
    subroutine kova_kvl03(T, N, IDX, KDIAG, IDSET, KCALC, V, MUVLP, CP, K, KER, MUP, MW, TC, &
        VC, OMGCLS, SIG3, EPSIG3, EPSIG2M, DIPSIG3, SQKAP, OMSIG3, FLAG, CID) &
        bind(C, name='KOVA_KVL03')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: KDIAG, IDSET, KCALC
      real(c_double), intent(in) :: V(*), MUVLP(*), CP(*)
      real(c_double), intent(inout) :: K(*)
      integer(c_int64_t), intent(in) :: KER
      real(c_double), intent(in) :: MUP(*), MW(*), TC(*), VC(*), OMGCLS(*)
      real(c_double), intent(in) :: SIG3(*), EPSIG3(*), EPSIG2M(*), DIPSIG3(*), SQKAP(*), OMSIG3(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
    end subroutine kova_kvl03

    ! Thermal conductivity of a mixture, KMX, W/(m K).
    subroutine kova_kvl02(T, X, N, IDX, KDIAG, IDSET, KCALC, VMX, MUVMXLP, CPMX, KMX, KER, MUP, &
        MW, TC, VC, OMGCLS, SIG3, EPSIG3, EPSIG2M, DIPSIG3, SQKAP, OMSIG3, FLAG, CID) &
        bind(C, name='KOVA_KVL02')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: KDIAG, IDSET, KCALC
      real(c_double), intent(in) :: VMX, MUVMXLP, CPMX
      real(c_double), intent(inout) :: KMX
      integer(c_int64_t), intent(in) :: KER
      real(c_double), intent(in) :: MUP(*), MW(*), TC(*), VC(*), OMGCLS(*)
      real(c_double), intent(in) :: SIG3(*), EPSIG3(*), EPSIG2M(*), DIPSIG3(*), SQKAP(*), OMSIG3(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
    end subroutine kova_kvl02

    ! ------------------------------------------------------------ Wilke, Lucas, Stiel-Thodos, Letsou-Stiel

    ! Wilke mixing of low-pressure vapour viscosities with Brokaw's factors, Pa s.
    ! X, MUVLP by list position; MW, TB, VB, MUP, FLAG, CID by component number; STKPAR two
    ! reals per component (epsilon/k in K, sigma in m). Defaults and estimates written back.
    subroutine kova_muv201(T, X, N, IDX, MUVLP, IDSET, KDIAG, MUVXLP, MW, TB, VB, MUP, STKPAR, FLAG, CID) &
        bind(C, name='KOVA_MUV201')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      real(c_double), intent(in) :: MUVLP(*)
      integer(c_int64_t), intent(in) :: IDSET, KDIAG
      real(c_double), intent(out) :: MUVXLP
      real(c_double), intent(inout) :: MW(*)
      real(c_double), intent(in) :: TB(*)
      real(c_double), intent(inout) :: VB(*)
      real(c_double), intent(in) :: MUP(*)
      real(c_double), intent(inout) :: STKPAR(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
    end subroutine kova_muv201

    ! Lucas vapour viscosity of each listed component at its pressure PRES(i), Pa s. PLA1 to
    ! PLA14 are host data handed on unchanged to the host's LUMENA_PL001D (vapour pressure
    ! below the critical temperature). Nothing is done when KCALC is not above 0.
    subroutine kova_muv005(T, PRES, N, IDX, KDIAG, IDSET, KCALC, MUV, TC, PC, ZC, MW, MUP, MUR, CFORM, FLAG, &
                           CID, PLA1, PLA2, PLA3, PLA4, PLA5, PLA6, PLA7, PLA8, PLA9, PLA10, PLA11, PLA12, &
                           PLA13, PLA14) bind(C, name='KOVA_MUV005')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      real(c_double), intent(in) :: PRES(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: KDIAG, IDSET, KCALC
      real(c_double), intent(inout) :: MUV(*)
      real(c_double), intent(inout) :: TC(*), PC(*), ZC(*), MW(*), MUP(*)
      real(c_double), intent(in) :: MUR(*)
      type(*), intent(in) :: CFORM(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
      type(*), intent(in) :: PLA1(*), PLA2(*), PLA3(*), PLA4(*), PLA5(*), PLA6(*), PLA7(*)
      type(*), intent(in) :: PLA8(*), PLA9(*), PLA10(*), PLA11(*), PLA12(*), PLA13(*), PLA14(*)
    end subroutine kova_muv005

    ! Lucas vapour viscosity of a mixture, Pa s. X by list position.
    subroutine kova_muv204(T, P, X, N, IDX, KDIAG, IDSET, KCALC, MUVMX, TC, PC, ZC, MW, MUP, MUR, CFORM, &
                           FLAG, CID) bind(C, name='KOVA_MUV204')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: KDIAG, IDSET, KCALC
      real(c_double), intent(inout) :: MUVMX
      real(c_double), intent(inout) :: TC(*), PC(*), ZC(*), MW(*), MUP(*)
      real(c_double), intent(in) :: MUR(*)
      type(*), intent(in) :: CFORM(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
    end subroutine kova_muv204

    ! Stiel-Thodos dense-gas conductivity of each listed component: the residual is added to
    ! the low-pressure KV in place, W/(m K). KER is set only at the density limit.
    subroutine kova_kv003(N, IDX, VV, KDIAG, TC, MW, VC, PC, ZC, FLAG, CID, KV, KER) &
        bind(C, name='KOVA_KV003')
      import :: c_int64_t, c_double
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      real(c_double), intent(in) :: VV(*)
      integer(c_int64_t), intent(in) :: KDIAG
      real(c_double), intent(inout) :: TC(*), MW(*), VC(*)
      real(c_double), intent(in) :: PC(*)
      real(c_double), intent(inout) :: ZC(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
      real(c_double), intent(inout) :: KV(*)
      integer(c_int64_t), intent(inout) :: KER
    end subroutine kova_kv003

    ! Stiel-Thodos residual of each listed component, W/(m K).
    subroutine kova_kv006(N, IDX, VV, KDIAG, KVPC, TC, MW, VC, PC, ZC, FLAG, CID) &
        bind(C, name='KOVA_KV006')
      import :: c_int64_t, c_double
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      real(c_double), intent(in) :: VV(*)
      integer(c_int64_t), intent(in) :: KDIAG
      real(c_double), intent(out) :: KVPC(*)
      real(c_double), intent(inout) :: TC(*), MW(*), VC(*)
      real(c_double), intent(in) :: PC(*)
      real(c_double), intent(inout) :: ZC(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
    end subroutine kova_kv006

    ! Stiel-Thodos dense vapour mixture conductivity: KVMXLP plus the residual at the molar
    ! density RHOMX (kmol/m3), W/(m K). No check flags.
    subroutine kova_kv202(X, N, IDX, RHOMX, KVMXLP, KDIAG, KVMX, TC, MW, VC, ZC, CID) &
        bind(C, name='KOVA_KV202')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      real(c_double), intent(in) :: RHOMX, KVMXLP
      integer(c_int64_t), intent(in) :: KDIAG
      real(c_double), intent(out) :: KVMX
      real(c_double), intent(inout) :: TC(*), MW(*), VC(*), ZC(*)
      type(*), intent(in) :: CID(*)
    end subroutine kova_kv202

    ! Stiel-Thodos residual of a vapour mixture at the molar volume VVMX (m3/kmol), W/(m K).
    subroutine kova_kv204(X, N, IDX, VVMX, KDIAG, KVMXPC, TC, MW, VC, ZC, FLAG, CID) &
        bind(C, name='KOVA_KV204')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      real(c_double), intent(in) :: VVMX
      integer(c_int64_t), intent(in) :: KDIAG
      real(c_double), intent(out) :: KVMXPC
      real(c_double), intent(inout) :: TC(*), MW(*), VC(*), ZC(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
    end subroutine kova_kv204

    ! Letsou-Stiel liquid viscosity of each listed component, Pa s.
    subroutine kova_mul005(T, N, IDX, KDIAG, MUL, TC, PC, MW, OMEGA, FLAG, CID) bind(C, name='KOVA_MUL005')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: KDIAG
      real(c_double), intent(out) :: MUL(*)
      real(c_double), intent(inout) :: TC(*), PC(*), MW(*), OMEGA(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
    end subroutine kova_mul005

    ! ------------------------------------------------------------ water and surface tension

    ! Water vapour viscosity, Pa s, for the first list entry whose CFORM first word is 'H2O' and five blanks.
    ! MU by list position (other entries, and all with KCALC = 0, left as passed).
    subroutine kova_muv004(T, P, N, KCALC, IDX, KDIAG, UNUSED7, MU, CFORM) bind(C, name='KOVA_MUV004')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P
      integer(c_int64_t), intent(in) :: N, KCALC
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: KDIAG
      type(*) :: UNUSED7
      real(c_double), intent(inout) :: MU(*)
      type(*), intent(in) :: CFORM(*)
    end subroutine kova_muv004

    ! Water liquid viscosity, Pa s, for the first list entry whose CFORM first word is 'H2O' and five blanks.
    ! MU by list position (other entries, and all with KCALC = 0, left as passed).
    subroutine kova_mul004(T, P, N, KCALC, IDX, KDIAG, UNUSED7, MU, CFORM) bind(C, name='KOVA_MUL004')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P
      integer(c_int64_t), intent(in) :: N, KCALC
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: KDIAG
      type(*) :: UNUSED7
      real(c_double), intent(inout) :: MU(*)
      type(*), intent(in) :: CFORM(*)
    end subroutine kova_mul004

    ! Water vapour thermal conductivity, W/(m K), for the first list entry whose CFORM first word is 'H2O' and five blanks.
    ! KV by list position (other entries, and all with KCALC = 0, left as passed).
    subroutine kova_kv005(T, P, N, KCALC, IDX, KDIAG, UNUSED7, KV, CFORM) bind(C, name='KOVA_KV005')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P
      integer(c_int64_t), intent(in) :: N, KCALC
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: KDIAG
      type(*) :: UNUSED7
      real(c_double), intent(inout) :: KV(*)
      type(*), intent(in) :: CFORM(*)
    end subroutine kova_kv005

    ! Water liquid thermal conductivity, W/(m K), for the first list entry whose CFORM first word is 'H2O' and five blanks.
    ! KV by list position (other entries, and all with KCALC = 0, left as passed).
    subroutine kova_kl004(T, P, N, KCALC, IDX, KDIAG, UNUSED7, KV, CFORM) bind(C, name='KOVA_KL004')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P
      integer(c_int64_t), intent(in) :: N, KCALC
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: KDIAG
      type(*) :: UNUSED7
      real(c_double), intent(inout) :: KV(*)
      type(*), intent(in) :: CFORM(*)
    end subroutine kova_kl004

    ! Surface tension of liquid water, N/m, for the first water entry (SIGMA by list position).
    subroutine kova_sig003(T, N, KCALC, IDX, UNUSED5, UNUSED6, UNUSED7, UNUSED8, SIGMA, CFORM) &
        bind(C, name='KOVA_SIG003')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      integer(c_int64_t), intent(in) :: N, KCALC
      integer(c_int64_t), intent(in) :: IDX(*)
      type(*) :: UNUSED5, UNUSED6, UNUSED7, UNUSED8
      real(c_double), intent(inout) :: SIGMA(*)
      type(*), intent(in) :: CFORM(*)
    end subroutine kova_sig003

    ! Mixture surface tension, N/m. X, SIG by list position; VW, KMARK by component number.
    subroutine kova_sig203(X, N, IDX, NEXP, SIG, UNUSED6, VW, KMARK, SIGMX) bind(C, name='KOVA_SIG203')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: NEXP
      real(c_double), intent(in) :: SIG(*)
      type(*) :: UNUSED6
      real(c_double), intent(in) :: VW(*)
      integer(c_int64_t), intent(in) :: KMARK(*)
      real(c_double), intent(out) :: SIGMX
    end subroutine kova_sig203

    ! ------------------------------------------------------------ liquid mixtures and diffusion

    ! Li's rule: liquid mixture thermal conductivity from pure values, W/(m K). X, VL, KL by
    ! list position (KL values below 1E-4 are raised in place); argument 4 is not used.
    subroutine kova_kl204(X, N, IDX, UNUSED4, VL, KL, KDIAG, KLMX, CID) bind(C, name='KOVA_KL204')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      type(*) :: UNUSED4
      real(c_double), intent(in) :: VL(*)
      real(c_double), intent(inout) :: KL(*)
      integer(c_int64_t), intent(in) :: KDIAG
      real(c_double), intent(out) :: KLMX
      type(*), intent(in) :: CID(*)
    end subroutine kova_kl204

    ! Dawson-Khoury-Kobayashi density correction of low-pressure binary gas diffusion
    ! coefficients, m2/s. DV0, DV are (N, N) by list position; IPAIR, YPAIR work; P17 to P21
    ! are handed to the host's equation of state (SIRK_ES01).
    subroutine kova_dv002(X, N, IDX, T, P, P0, IPAIR, YPAIR, DV0, KDIAG, DV, IDSET, MW, VC, FLAG, CID, &
                          P17, P18, P19, P20, P21) bind(C, name='KOVA_DV002')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      real(c_double), intent(in) :: T, P, P0
      integer(c_int64_t), intent(inout) :: IPAIR(2)
      real(c_double), intent(inout) :: YPAIR(2)
      real(c_double), intent(in) :: DV0(*)
      integer(c_int64_t), intent(in) :: KDIAG
      real(c_double), intent(inout) :: DV(*)
      integer(c_int64_t), intent(in) :: IDSET
      real(c_double), intent(inout) :: MW(*), VC(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
      type(*) :: P17, P18, P19, P20, P21
    end subroutine kova_dv002

    ! Wilke-Chang binary liquid diffusion coefficients, m2/s, BINDL (N, N) by list position,
    ! over the host's own mixture viscosity (LUMENA_MUL202, which receives P13 to P16).
    subroutine kova_dl001(T, X, N, IDX, MUL, KDIAG, BINDL, MW, CFORM, VB, FLAG, CID, P13, P14, P15, P16) &
        bind(C, name='KOVA_DL001')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      real(c_double), intent(in) :: MUL(*)
      integer(c_int64_t), intent(in) :: KDIAG
      real(c_double), intent(inout) :: BINDL(*)
      real(c_double), intent(inout) :: MW(*)
      type(*), intent(in) :: CFORM(*)
      real(c_double), intent(inout) :: VB(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
      type(*) :: P13, P14, P15, P16
    end subroutine kova_dl001

    ! As kova_dl001, over the host's mixture of the given MUL (LUMENA_MUL201, P13 to P15).
    subroutine kova_dl004(T, X, N, IDX, MUL, KDIAG, BINDL, MW, CFORM, VB, FLAG, CID, P13, P14, P15) &
        bind(C, name='KOVA_DL004')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      real(c_double), intent(in) :: MUL(*)
      integer(c_int64_t), intent(in) :: KDIAG
      real(c_double), intent(inout) :: BINDL(*)
      real(c_double), intent(inout) :: MW(*)
      type(*), intent(in) :: CFORM(*)
      real(c_double), intent(inout) :: VB(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
      type(*) :: P13, P14, P15
    end subroutine kova_dl004

    ! Wilke-Chang coefficient of each solute (KSOLU non-zero) in the mixed solvent of the other
    ! entries, m2/s, DL by list position. XS (reals: solvent fractions, then the pure solvent
    ! viscosities after the offset in ZEL_PPRIV word 9) and KW (2N integers) are work arrays;
    ! KOPT(2) chooses the host mixing rule (2 LUMENA_MUMIX1, 1 LUMENA_QUADMX, else
    ! LUMENA_MUL201) and KOPT(1) is handed to it. The P arguments go to the host routines.
    subroutine kova_dl102(T, X, N, IDX, IDSET, XS, KW, KDIAG, DL, MW, CFORM, VB, KSOLU, FLAG, CID, &
                          P16, P17, P18, P19, P20, P21, P22, P23, P24, P25, KOPT, P27, P28, P29) &
        bind(C, name='KOVA_DL102')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: IDSET
      real(c_double), intent(inout) :: XS(*)
      integer(c_int64_t), intent(inout) :: KW(*)
      integer(c_int64_t), intent(in) :: KDIAG
      real(c_double), intent(out) :: DL(*)
      real(c_double), intent(inout) :: MW(*)
      type(*), intent(in) :: CFORM(*)
      real(c_double), intent(inout) :: VB(*)
      real(c_double), intent(in) :: KSOLU(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
      type(*) :: P16, P17, P18, P19, P20, P21, P22, P23, P24, P25
      integer(c_int64_t), intent(in) :: KOPT(2)
      type(*) :: P27, P28, P29
    end subroutine kova_dl102

    ! As kova_dl102, with the solvent viscosity from kova_mul205 (bio-components KBIO, MULBPS,
    ! XTOL). XS, MULW, KW (N), KSV, VL are work arrays.
    subroutine kova_dl103(T, X, N, IDX, IDSET, KDIAG, MW, CFORM, VB, KSOLU, FLAG, CID, XS, MULW, UNUSED15, &
                          KW, KSV, P18, P19, P20, P21, P22, P23, P24, KBIO, MULBPS, VL, P28, P29, P30, P31, &
                          P32, XTOL, DL, P35, P36, P37, P38, P39, P40, P41, P42) bind(C, name='KOVA_DL103')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      integer(c_int64_t), intent(in) :: IDSET, KDIAG
      real(c_double), intent(inout) :: MW(*)
      type(*), intent(in) :: CFORM(*)
      real(c_double), intent(inout) :: VB(*)
      real(c_double), intent(in) :: KSOLU(*)
      real(c_double), intent(inout) :: FLAG(*)
      type(*), intent(in) :: CID(*)
      real(c_double), intent(inout) :: XS(*), MULW(*)
      type(*) :: UNUSED15
      integer(c_int64_t), intent(inout) :: KW(*), KSV(*)
      type(*) :: P18, P19, P20, P21, P22, P23, P24
      integer(c_int64_t), intent(in) :: KBIO(*)
      real(c_double), intent(in) :: MULBPS(*)
      real(c_double), intent(inout) :: VL(*)
      type(*) :: P28, P29, P30, P31, P32
      real(c_double), intent(in) :: XTOL
      real(c_double), intent(out) :: DL(*)
      type(*) :: P35, P36, P37, P38, P39, P40, P41, P42
    end subroutine kova_dl103

    ! Liquid mixture viscosity with bio-components (KBIO = 1), Pa s. X, MUL, VL by list
    ! position; MULBPS(5, *) holds a, b, d, lower and upper bound per component. P7 to P15,
    ! P20, P23 to P27 go to the host's liquid-volume routines.
    subroutine kova_mul205(T, X, N, IDX, MUL, KDIAG, P7, P8, P9, P10, P11, P12, P13, P14, P15, KBIO, MW, &
                           MULBPS, VL, P20, MULMX, XTOL, P23, P24, P25, P26, P27) bind(C, name='KOVA_MUL205')
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      real(c_double), intent(in) :: X(*)
      integer(c_int64_t), intent(in) :: N
      integer(c_int64_t), intent(in) :: IDX(*)
      real(c_double), intent(in) :: MUL(*)
      integer(c_int64_t), intent(in) :: KDIAG
      type(*) :: P7, P8, P9, P10, P11, P12, P13, P14, P15
      integer(c_int64_t), intent(in) :: KBIO(*)
      real(c_double), intent(in) :: MW(*)
      real(c_double), intent(in) :: MULBPS(*)
      real(c_double), intent(inout) :: VL(*)
      type(*) :: P20
      real(c_double), intent(out) :: MULMX
      real(c_double), intent(in) :: XTOL
      type(*) :: P23, P24, P25, P26, P27
    end subroutine kova_mul205

  end interface

end module kova

module kova_host
  use, intrinsic :: iso_c_binding, only: c_int64_t, c_double, c_char
  implicit none
  public

  ! Block sizes in 8-byte words (ZEL_ERROUT in characters). The library relies only on the
  ! words named below; a host may make its blocks larger.
  integer, parameter :: kova_ppriv_words = 64, kova_errtwo_words = 64, kova_global_words = 64
  integer, parameter :: kova_rglob_words = 16, kova_ncomp_words = 4, kova_ppglob_words = 16
  integer, parameter :: kova_crich4_words = 8, kova_ipoff1_words = 1024
  integer, parameter :: kova_plex_words = 65536
  integer, parameter :: kova_errout_lines = 10, kova_errout_columns = 80

  ! Blocks are declared from word 0, so that zel_ppriv(7) is word 7 as the library counts,
  ! and carry TARGET so that a gate can compare the host word it receives (by address) with
  ! C_LOC of the word it expects.
  ! Blocks that hold mostly reals are REAL(8), those that hold integers INTEGER(8); a word of
  ! the other kind is read and written with TRANSFER (kova_int_word, kova_set_int_word).
  !
  ! ZEL_PPRIV   0 missing-value marker; 1 small positive threshold; 7 gate host word (passed
  !             by address); 8 trace unit (integer, low 32 bits); 9 pair-array rows (integer)
  real(c_double), target, bind(C, name='ZEL_PPRIV') :: zel_ppriv(0:kova_ppriv_words - 1)
  ! ZEL_ERRTWO  15 delimiter character; 19 message work value (written by the library);
  !             56 range-warning switch (integer)
  real(c_double), target, bind(C, name='ZEL_ERRTWO') :: zel_errtwo(0:kova_errtwo_words - 1)
  ! ZEL_GLOBAL  4 trace unit of the Chung conductivity routines; 7 gate host word of the
  !             routines that use it; 10 trace level of the routines whose trace ignores KDIAG
  integer(c_int64_t), target, bind(C, name='ZEL_GLOBAL') :: zel_global(0:kova_global_words - 1)
  ! ZEL_RGLOB   0 missing-value marker of the Chung conductivity routines; 1 small tolerance
  real(c_double), target, bind(C, name='ZEL_RGLOB') :: zel_rglob(0:kova_rglob_words - 1)
  ! ZEL_NCOMP   0 number of components in the host's set
  integer(c_int64_t), target, bind(C, name='ZEL_NCOMP') :: zel_ncomp(0:kova_ncomp_words - 1)
  ! ZEL_ERROUT  the message buffer, 10 lines of 80 characters, written by the library
  character(kind=c_char), target, bind(C, name='ZEL_ERROUT') :: &
      zel_errout(kova_errout_lines * kova_errout_columns)
  ! ZEL_PLEX    the parameter store (positions counted from 1); ZEL_IPOFF1 its offsets
  real(c_double), target, bind(C, name='ZEL_PLEX') :: zel_plex(kova_plex_words)
  integer(c_int64_t), target, bind(C, name='ZEL_IPOFF1') :: zel_ipoff1(0:kova_ipoff1_words - 1)
  ! NORVA_PPGLOB 2 universal gas constant, J/(kmol K)
  real(c_double), target, bind(C, name='NORVA_PPGLOB') :: norva_ppglob(0:kova_ppglob_words - 1)
  ! LUMENA_CRICH4 0 Tc0, 2 Vc0, 3 Zc0, 4 acentric factor, 5 molecular weight of methane
  real(c_double), target, bind(C, name='LUMENA_CRICH4') :: lumena_crich4(0:kova_crich4_words - 1)

  ! The routines the library calls, in the form the host defines them (BIND(C) with these
  ! names: 'ZEL_IRRCHK', 'ZEL_ERRPRT', and optionally 'ZEL_WRLINE'). When the host defines
  ! no ZEL_WRLINE, trace lines go to standard output (unit 6), standard error (unit 0) or the
  ! file fort.n (any other unit n, appended).
  abstract interface
    ! The diagnostic gate: 1 to print the message, 0 to suppress it. ID is the routine's
    ! 16-character identifier; HOSTWORD and CLOSING are passed by address (CLOSING is an
    ! integer 1 or 2, or ZEL_ERRTWO word 19, a real).
    function kova_gate(id, cls, num, kdiag, hostword, zero, one, closing) result(answer) bind(C)
      import :: c_int64_t, c_char
      character(kind=c_char), intent(in) :: id(16)
      integer(c_int64_t), intent(in) :: cls, num, kdiag, zero, one
      type(*), intent(in) :: hostword, closing
      integer(c_int64_t) :: answer
    end function kova_gate
    ! Print request: print the first NLINES lines of ZEL_ERROUT.
    subroutine kova_print_request(nlines) bind(C)
      import :: c_int64_t
      integer(c_int64_t), intent(in) :: nlines
    end subroutine kova_print_request
    ! One trace line of LENGTH characters (not NUL-terminated) for output unit UNIT.
    subroutine kova_line_writer(unit, text, length) bind(C)
      import :: c_int64_t, c_char
      integer(c_int64_t), intent(in) :: unit, length
      character(kind=c_char), intent(in) :: text(*)
    end subroutine kova_line_writer
    ! Vapour pressure for the Lucas routine (BIND(C) name 'LUMENA_PL001D'): LNPVAP receives
    ! the natural logarithm of the vapour pressure (Pa) of component LIST(1) at T. A7 to A18,
    ! A22 and A23 are the host data that KOVA_MUV005 hands on from its PLA arguments, in the
    ! order PLA3, PLA4, PLA5, PLA1, PLA2, PLA8, PLA9, PLA10, PLA11, PLA6, PLA7, PLA12, (CID,
    ! LNPVAP, OUT2), PLA13, PLA14.
    subroutine kova_vapour_pressure(T, n, list, one, kdiag, idset, a7, a8, a9, a10, a11, a12, a13, a14, a15, &
                                    a16, a17, a18, cid, lnpvap, out2, a22, a23) bind(C)
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      integer(c_int64_t), intent(in) :: n, list(*), one, kdiag, idset
      type(*), intent(in) :: a7(*), a8(*), a9(*), a10(*), a11(*), a12(*), a13(*), a14(*), a15(*), a16(*)
      type(*), intent(in) :: a17(*), a18(*), cid(*), a22(*), a23(*)
      real(c_double), intent(out) :: lnpvap, out2
    end subroutine kova_vapour_pressure
    ! Water saturation pressure at T, Pa (BIND(C) name 'LUMENA_PSATWI').
    function kova_water_psat(T) result(psat) bind(C)
      import :: c_double
      real(c_double), intent(in) :: T
      real(c_double) :: psat
    end function kova_water_psat
    ! Water molar volume V (m3/kmol) in phase KVL (1 vapour, 2 liquid) at T, P, and with
    ! OPTION 3 also DVDT = dV/dT at constant pressure (BIND(C) name 'LUMENA_ES15'). I5 to I10
    ! and I23 are integers (0, 1, 0, 0, 0, 0 and 0 from the library), W12 to W20 work words.
    subroutine kova_water_volume(T, P, KDIAG, KVL, i5, i6, i7, i8, i9, i10, option, w12, w13, w14, w15, V, &
                                 w17, w18, w19, w20, DVDT, KER, i23) bind(C)
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P
      integer(c_int64_t), intent(in) :: KDIAG, KVL, i5, i6, i7, i8, i9, i10, option, i23
      real(c_double), intent(inout) :: w12, w13, w14, w15, w17, w18, w19, w20
      real(c_double), intent(out) :: V
      real(c_double), intent(inout) :: DVDT
      integer(c_int64_t), intent(inout) :: KER
    end subroutine kova_water_volume
    ! Methane molar volume for the TRAPP routines (BIND(C) name 'SIRK_ES34'): R5(1) receives V0
    ! (m3/kmol) at T0, P0 in phase KVL; R1..R10 are result areas of two reals, W8..W11 words
    ! set to zero, I12 an integer set to 1, IDX and IPTR the caller's list and offset table.
    subroutine kova_methane_volume(T0, P0, one, IDX, IPTR, IPTR2, KVL, w8, w9, w10, w11, i12, one13, KDIAG, &
                                   r1, r2, r3, r4, r5, r6, r7, r8, r9, r10, extra) bind(C)
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T0, P0
      integer(c_int64_t), intent(in) :: one, IDX(*), IPTR(*), IPTR2(*), KVL, one13, KDIAG
      real(c_double), intent(inout) :: w8, w9, w10, w11, extra
      integer(c_int64_t), intent(inout) :: i12
      real(c_double), intent(inout) :: r1(2), r2(2), r3(2), r4(2), r5(2), r6(2), r7(2), r8(2), r9(2), r10(2)
    end subroutine kova_methane_volume
    ! Vapour molar volume of a mixture (BIND(C) name 'SIRK_ES01'): V receives the molar volume
    ! (m3/kmol) of the N components IDX with mole fractions Y at T, P. I6 to I11 are the
    ! switches 1, 0, 0, 0, 0, 1 from the library; P16 to P20 the data KOVA_DV002 hands on from
    ! its arguments 17 to 21; W* work words.
    subroutine kova_mixture_vapour_volume(T, P, Y, N, IDX, i6, i7, i8, i9, i10, i11, IDSET, KDIAG, w14, CID, &
                                          p16, p17, p18, p19, p20, w21, w22, w23, w24, V, w26, w27, w28, w29, &
                                          w30, w31, w32) bind(C)
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, P, Y(*)
      integer(c_int64_t), intent(in) :: N, IDX(*), i6, i7, i8, i9, i10, i11, IDSET, KDIAG
      type(*), intent(in) :: CID(*), p16(*), p17(*), p18(*), p19(*), p20(*)
      real(c_double), intent(inout) :: w14, w21, w22, w23, w24, w26, w27, w28, w29, w30, w31, w32
      real(c_double), intent(out) :: V
    end subroutine kova_mixture_vapour_volume
    ! Pure liquid viscosities (Pa s) of the N components IDX at T into MUL (BIND(C) name
    ! 'LUMENA_MUL001'). P7 to P16: the host data the diffusivity routines hand on, with CID
    ! at P11 and MW at P12.
    subroutine kova_liquid_viscosities(T, N, IDX, IDSET, KDIAG, MUL, p7, p8, p9, p10, p11, p12, p13, p14, p15, &
                                       p16) bind(C)
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T
      integer(c_int64_t), intent(in) :: N, IDX(*), IDSET, KDIAG
      real(c_double), intent(out) :: MUL(*)
      type(*), intent(in) :: p7(*), p8(*), p9(*), p10(*), p11(*), p12(*), p13(*), p14(*), p15(*), p16(*)
    end subroutine kova_liquid_viscosities
    ! Liquid mixture viscosity from the pure viscosities MUL (BIND(C) name 'LUMENA_MUL201');
    ! the host's own mixture model (BIND(C) name 'LUMENA_MUL202') takes
    ! (T, X, N, IDX, KDIAG, MULMX, p7, p8, MW, p10, p11, CID) instead.
    subroutine kova_liquid_mixture_viscosity(T, X, N, IDX, MUL, KDIAG, MULMX, IDSET, p9, p10, MW, p12) bind(C)
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, X(*), MUL(*), MW(*)
      integer(c_int64_t), intent(in) :: N, IDX(*), KDIAG, IDSET
      real(c_double), intent(out) :: MULMX
      type(*), intent(in) :: p9(*), p10(*), p12(*)
    end subroutine kova_liquid_mixture_viscosity
    ! Pure liquid molar volumes (m3/kmol) of the N components IDX at T into VL (BIND(C) name
    ! 'LUMENA_VL004'); the ideal-mixing volume (BIND(C) name 'LUMENA_IDLMIX') takes
    ! (X, N, SW, VL, VMX, p6).
    subroutine kova_liquid_volumes(T, N, IDX, SW, KDIAG, p6, p7, p8, p9, p10, p11, p12, p13, p14, VL, p16, p17, &
                                   p18, p19, MW, p21, p22) bind(C)
      import :: c_int64_t, c_double
      real(c_double), intent(in) :: T, MW(*)
      integer(c_int64_t), intent(in) :: N, IDX(*), SW, KDIAG
      real(c_double), intent(out) :: VL(*)
      type(*), intent(in) :: p6(*), p7(*), p8(*), p9(*), p10(*), p11(*), p12(*), p13(*), p14(*), p16(*), p17(*)
      type(*), intent(in) :: p18(*), p19(*), p21(*), p22(*)
    end subroutine kova_liquid_volumes
  end interface

contains

  ! An integer word of a REAL(8) block.
  pure function kova_int_word(word) result(value)
    real(c_double), intent(in) :: word
    integer(c_int64_t) :: value
    value = transfer(word, value)
  end function kova_int_word

  ! Stores an integer into a word of a REAL(8) block.
  pure subroutine kova_set_int_word(word, value)
    real(c_double), intent(out) :: word
    integer(c_int64_t), intent(in) :: value
    word = transfer(value, word)
  end subroutine kova_set_int_word

  ! Line k (1 to 10) of the message buffer.
  function kova_errout_line(k) result(line)
    integer, intent(in) :: k
    character(len=kova_errout_columns) :: line
    integer :: j
    do j = 1, kova_errout_columns
      line(j:j) = zel_errout((k - 1) * kova_errout_columns + j)
    end do
  end function kova_errout_line

end module kova_host
