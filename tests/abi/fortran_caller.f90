! A simulator written in Fortran, reduced to what the binary interface needs: explicit
! interfaces from the kova module, the host blocks bound by name (kova_host), its own
! diagnostic gate and print request, INTEGER(8)/REAL(8) arguments. It defines no trace
! routine, so the library's trace goes to standard output.

! The host's gate and print request, recording what they receive.
module abi_host
  use, intrinsic :: iso_c_binding, only: c_int64_t, c_double, c_char, c_loc, c_associated
  use kova_host
  implicit none

  integer(c_int64_t) :: gate_answer = 1
  integer :: n_gate = 0, n_print = 0
  character(len=16) :: gate_id = ' '
  integer(c_int64_t) :: gate_cls = 0, gate_num = 0, gate_kdiag = 0, gate_zero = -1, gate_one = -1
  logical :: gate_hostword_is_ppriv7 = .false., gate_closing_is_word19 = .false.
  real(c_double) :: gate_closing = -1.0_c_double
  integer(c_int64_t) :: print_nlines = 0
  character(len=kova_errout_columns) :: printed(kova_errout_lines) = ' '

contains

  function zel_irrchk(id, cls, num, kdiag, hostword, zero, one, closing) result(answer) &
      bind(C, name='ZEL_IRRCHK')
    character(kind=c_char), intent(in) :: id(16)
    integer(c_int64_t), intent(in) :: cls, num, kdiag, zero, one
    real(c_double), intent(in), target :: hostword, closing
    integer(c_int64_t) :: answer
    integer :: k
    n_gate = n_gate + 1
    do k = 1, 16
      gate_id(k:k) = id(k)
    end do
    gate_cls = cls
    gate_num = num
    gate_kdiag = kdiag
    gate_zero = zero
    gate_one = one
    gate_hostword_is_ppriv7 = c_associated(c_loc(hostword), c_loc(zel_ppriv(7)))
    gate_closing_is_word19 = c_associated(c_loc(closing), c_loc(zel_errtwo(19)))
    gate_closing = closing
    answer = gate_answer
  end function zel_irrchk

  subroutine zel_errprt(nlines) bind(C, name='ZEL_ERRPRT')
    integer(c_int64_t), intent(in) :: nlines
    integer :: k
    n_print = n_print + 1
    print_nlines = nlines
    do k = 1, min(int(nlines), kova_errout_lines)
      printed(k) = kova_errout_line(k)
    end do
  end subroutine zel_errprt

end module abi_host

program fortran_caller
  use, intrinsic :: iso_c_binding, only: c_int64_t, c_double
  use kova
  use kova_host
  use abi_host
  implicit none

  real(c_double), parameter :: marker = 1.0e35_c_double, r_gas = 8314.46_c_double
  integer :: failures = 0
  real(c_double) :: tc(3), zc(3), vc(3), mw(3), flag(3)
  character(len=8) :: cid(2, 3)
  integer(c_int64_t) :: icid(2, 3)
  integer(c_int64_t) :: idx(2) = [3_c_int64_t, 1_c_int64_t]
  integer(c_int64_t) :: n = 2, kdiag
  real(c_double) :: t = 300.0_c_double, vv(2), muvpc(2), x(2), vvmx, muvxpc
  real(c_double) :: tcm, zcm, vcm, mwm

  ! Host blocks: marker, volume threshold, trace unit 6, gas constant, range warnings on.
  zel_ppriv = 0.0_c_double
  zel_errtwo = 0.0_c_double
  norva_ppglob = 0.0_c_double
  zel_errout = ' '
  zel_ppriv(0) = marker
  zel_ppriv(1) = 1.0e-10_c_double
  call kova_set_int_word(zel_ppriv(8), 6_c_int64_t)
  call kova_set_int_word(zel_errtwo(56), 1_c_int64_t)
  norva_ppglob(2) = r_gas

  ! Component names as a Fortran host keeps them: CHARACTER*8 words, four significant
  ! characters and four blanks. The same bytes as INTEGER(8) words serve as well.
  cid(:, 1) = [character(len=8) :: 'ETHA', 'NE']
  cid(:, 2) = [character(len=8) :: 'NITR', 'OGEN']
  cid(:, 3) = [character(len=8) :: 'METH', 'ANE']
  icid = reshape(transfer(cid, 0_c_int64_t, 6), [2, 3])

  call expect(maxval(abs(kova_prt1)) <= 0.0_c_double, 'KOVA_PRT1 is zero at load')

  ! Methane (3) and ethane (1) at 0.5 and 0.3 m3/kmol: results against the correlation.
  call reset_components()
  vv = [0.5_c_double, 0.3_c_double]
  kdiag = 0
  call kova_muv007(t, n, idx, vv, kdiag, muvpc, tc, zc, vc, mw, flag, cid)
  call expect_near(muvpc(1), dean_stiel(190.56_c_double, 0.286_c_double, 0.0986_c_double, &
                                        16.043_c_double, 0.5_c_double), 'MUV007 methane')
  call expect_near(muvpc(2), 3.8026759133243884e-06_c_double, 'MUV007 ethane')
  call expect(n_gate == 0 .and. n_print == 0, 'MUV007 without messages')
  call expect(exactly(flag(1), 1.0_c_double) .and. exactly(flag(3), 1.0_c_double) .and. &
              exactly(flag(2), 0.0_c_double), 'check flags of the listed components only')

  ! Ethane's TC absent, names passed as INTEGER(8) words: default written back, gate called
  ! with the host words by address, two-line message printed.
  call reset_components()
  tc(1) = marker
  zel_errtwo(19) = 7.5_c_double
  kdiag = 4
  call kova_muv007(t, n, idx, vv, kdiag, muvpc, tc, zc, vc, mw, flag, icid)
  call expect(exactly(tc(1), 507.4_c_double), 'default TC written back')
  call expect_near(muvpc(2), dean_stiel(507.4_c_double, 0.279_c_double, 0.1455_c_double, &
                                        30.07_c_double, 0.3_c_double), 'MUV007 with the default TC')
  call expect(n_gate == 1, 'one gate call')
  call expect(gate_id == 'MUV0    07      ', 'gate: routine identifier')
  call expect(gate_cls == 1 .and. gate_num == 1 .and. gate_kdiag == 4, 'gate: class, number, level')
  call expect(gate_zero == 0 .and. gate_one == 1, 'gate: the constants 0 and 1')
  call expect(gate_hostword_is_ppriv7, 'gate: ZEL_PPRIV word 7 by address')
  call expect(gate_closing_is_word19, 'gate: ZEL_ERRTWO word 19 by address')
  call expect(exactly(gate_closing, 0.0_c_double), 'gate: word 19 zeroed before the call')
  call expect(exactly(zel_errtwo(19), 0.0_c_double), 'word 19 zeroed after the print')
  call expect(n_print == 1 .and. print_nlines == 2, 'one two-line message')
  call expect(printed(1) == '      VISCOSITY MODEL MUV0DSPC HAS MISSING PARAMETERS:', 'header line')
  call expect(printed(2) == '      TC (DATA SET 1) MISSING FOR COMPONENT ETHANE', 'parameter line')

  ! The mixture: pseudo-critical constants as plain mole-fraction sums.
  call reset_components()
  x = [0.6_c_double, 0.4_c_double]
  vvmx = 0.4_c_double
  kdiag = 0
  call kova_muv205(t, x, n, idx, vvmx, kdiag, muvxpc, tc, zc, vc, mw, flag, cid)
  tcm = 0.6_c_double * 190.56_c_double + 0.4_c_double * 305.32_c_double
  zcm = 0.6_c_double * 0.286_c_double + 0.4_c_double * 0.279_c_double
  vcm = 0.6_c_double * 0.0986_c_double + 0.4_c_double * 0.1455_c_double
  mwm = 0.6_c_double * 16.043_c_double + 0.4_c_double * 30.07_c_double
  call expect_near(muvxpc, dean_stiel(tcm, zcm, vcm, mwm, vvmx), 'MUV205 mixture')
  call expect_near(muvxpc, 1.661407852487046e-06_c_double, 'MUV205 mixture, published constants')

  if (failures /= 0) then
    write (*, '(I0, A)') failures, ' check(s) failed'
    error stop 1
  end if
  write (*, '(A)') 'all checks passed'

contains

  ! Ethane (1) and methane (3) from published critical constants; component 2 absent.
  subroutine reset_components()
    tc = [305.32_c_double, marker, 190.56_c_double]
    zc = [0.279_c_double, marker, 0.286_c_double]
    vc = [0.1455_c_double, marker, 0.0986_c_double]
    mw = [30.07_c_double, marker, 16.043_c_double]
    flag = 0.0_c_double
    n_gate = 0
    n_print = 0
  end subroutine reset_components

  ! Dean and Stiel (1958): dense-gas excess viscosity, Pa s, evaluated here on its own.
  pure function dean_stiel(tcx, zcx, vcx, mwx, v) result(excess)
    real(c_double), intent(in) :: tcx, zcx, vcx, mwx, v
    real(c_double) :: excess, pc, xi, rr
    pc = r_gas * zcx * tcx / vcx
    xi = tcx**0.166666667_c_double / (pc**0.66666667_c_double * sqrt(mwx))
    rr = vcx / v
    excess = 4.9691e-11_c_double * (exp(1.439_c_double * rr) - exp(-1.11_c_double * rr**1.858_c_double)) / xi
  end function dean_stiel

  pure logical function exactly(a, b)
    real(c_double), intent(in) :: a, b
    exactly = .not. (a < b .or. a > b)
  end function exactly

  subroutine expect(ok, what)
    logical, intent(in) :: ok
    character(len=*), intent(in) :: what
    if (.not. ok) then
      failures = failures + 1
      write (*, '(2A)') 'check failed: ', what
    end if
  end subroutine expect

  subroutine expect_near(got, want, what)
    real(c_double), intent(in) :: got, want
    character(len=*), intent(in) :: what
    if (.not. (abs(got - want) <= 1.0e-12_c_double * abs(want))) then
      failures = failures + 1
      write (*, '(2A, ES24.16, A, ES24.16)') 'check failed: ', what, got, ' expected', want
    end if
  end subroutine expect_near

end program fortran_caller
