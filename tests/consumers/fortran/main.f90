! A Fortran program compiled against the installed module files only (no kova.f90) and
! linked with the installed libraries: the reference host holds the host blocks, which the
! program reads through the kova_host module's bindings. Dean-Stiel pressure correction of
! methane and ethane.
program consumer_fortran
  use, intrinsic :: iso_c_binding, only: c_int64_t, c_double
  use kova, only: kova_muv007
  use kova_host, only: zel_ppriv
  implicit none
  real(c_double) :: tc(2) = [190.56_c_double, 305.32_c_double], zc(2) = [0.286_c_double, 0.279_c_double]
  real(c_double) :: vc(2) = [0.0986_c_double, 0.1455_c_double], mw(2) = [16.043_c_double, 30.07_c_double]
  real(c_double) :: flag(2) = 0.0_c_double, vv(2) = [0.5_c_double, 0.3_c_double], muvpc(2) = 0.0_c_double
  real(c_double) :: t = 300.0_c_double
  integer(c_int64_t) :: n = 2, idx(2) = [1_c_int64_t, 2_c_int64_t], kdiag = 0
  character(len=8) :: cid(2, 2)

  cid(:, 1) = [character(len=8) :: 'METH', 'ANE']
  cid(:, 2) = [character(len=8) :: 'ETHA', 'NE']
  if (.not. (zel_ppriv(0) > 0.99e35_c_double)) error stop 'the host''s missing-value marker is not seen'
  call kova_muv007(t, n, idx, vv, kdiag, muvpc, tc, zc, vc, mw, flag, cid)
  if (.not. (abs(muvpc(2) - 3.8026759133243884e-06_c_double) <= 1.0e-12_c_double * 3.8e-06_c_double)) then
    write (*, '(A, ES24.16)') 'ethane MUVPC ', muvpc(2)
    error stop 1
  end if
  if (.not. (muvpc(1) > 0.0_c_double .and. flag(1) > 0.5_c_double)) error stop 'methane'
  write (*, '(A, ES13.6, A)') 'Fortran (installed modules): ethane MUVPC = ', muvpc(2), ' Pa s'
end program consumer_fortran
