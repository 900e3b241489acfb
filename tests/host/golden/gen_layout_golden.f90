! Prints the golden table for the layout formatter test (tests/host/layout_test.cpp).
!
! Every case is written with gfortran's own formatted WRITE to a scratch file and read back
! record by record, so trailing blanks survive exactly. One output line per case, fields
! separated by TAB:
!   layout (blank separated, as the C++ side takes it)
!   item count, then one field per item: r:<16 hex digits of the IEEE double>, i:<decimal>,
!   or a:[<characters>]
!   one field per output record, as [<record>]
! To regenerate, run ./regenerate.sh in this directory (needs gfortran); it compiles this
! program and overwrites layout_golden.txt. Review the diff before committing: a change means
! the compiler's runtime formats differently from the one the table was made with.
module golden_io
  use, intrinsic :: iso_fortran_env, only: int64, real64, iostat_end
  implicit none
  character(len=1), parameter :: tab = achar(9)
  integer :: unit_out = -1
contains

  ! Blank-separated layout -> parenthesised, comma-separated Fortran format.
  function ffmt(layout) result(f)
    character(len=*), intent(in) :: layout
    character(len=:), allocatable :: f
    logical :: in_quote, in_token
    integer :: i
    character(len=1) :: c
    f = '('
    in_quote = .false.
    in_token = .false.
    do i = 1, len(layout)
      c = layout(i:i)
      if (.not. in_quote .and. (c == ' ' .or. c == ',')) then
        in_token = .false.
        cycle
      end if
      if (.not. in_token .and. len(f) > 1) then
        if (.not. in_quote) f = f // ','
      end if
      in_token = .true.
      if (c == "'") in_quote = .not. in_quote
      f = f // c
    end do
    f = f // ')'
  end function ffmt

  function er(x) result(s)
    real(real64), intent(in) :: x
    character(len=:), allocatable :: s
    character(len=16) :: h
    write (h, '(Z16.16)') transfer(x, 0_int64)
    s = 'r:' // h
  end function er

  function ei(k) result(s)
    integer(int64), intent(in) :: k
    character(len=:), allocatable :: s
    character(len=24) :: b
    write (b, '(I0)') k
    s = 'i:' // trim(b)
  end function ei

  function ea(t) result(s)
    character(len=*), intent(in) :: t
    character(len=:), allocatable :: s
    s = 'a:[' // t // ']'
  end function ea

  function itoa(k) result(s)
    integer, intent(in) :: k
    character(len=:), allocatable :: s
    character(len=12) :: b
    write (b, '(I0)') k
    s = trim(b)
  end function itoa

  integer function open_case() result(u)
    open (newunit=u, status='scratch', form='formatted', action='readwrite')
  end function open_case

  ! Reads back what was written to u and prints the table line.
  subroutine close_case(u, layout, nitems, items)
    integer, intent(in) :: u, nitems
    character(len=*), intent(in) :: layout, items
    character(len=1024) :: buf
    character(len=:), allocatable :: line
    integer :: n, ios
    rewind (u)
    line = layout // tab // itoa(nitems)
    if (nitems > 0) line = line // tab // items
    do
      read (u, '(A)', advance='no', size=n, iostat=ios) buf
      if (ios == iostat_end) exit
      line = line // tab // '[' // buf(1:n) // ']'
    end do
    close (u)
    write (unit_out, '(A)') line
  end subroutine close_case

  subroutine rcase(layout, x)
    character(len=*), intent(in) :: layout
    real(real64), intent(in) :: x
    integer :: u
    u = open_case()
    write (u, ffmt(layout)) x
    call close_case(u, layout, 1, er(x))
  end subroutine rcase

  subroutine icase(layout, k)
    character(len=*), intent(in) :: layout
    integer(int64), intent(in) :: k
    integer :: u
    u = open_case()
    write (u, ffmt(layout)) k
    call close_case(u, layout, 1, ei(k))
  end subroutine icase

  subroutine acase(layout, t)
    character(len=*), intent(in) :: layout, t
    integer :: u
    u = open_case()
    write (u, ffmt(layout)) t
    call close_case(u, layout, 1, ea(t))
  end subroutine acase

  ! Value just below / at / just above x for every layout in the list.
  subroutine around(layouts, x)
    character(len=*), intent(in) :: layouts(:)
    real(real64), intent(in) :: x
    integer :: i
    do i = 1, size(layouts)
      call rcase(trim(layouts(i)), nearest(x, -1.0_real64))
      call rcase(trim(layouts(i)), x)
      call rcase(trim(layouts(i)), nearest(x, 1.0_real64))
    end do
  end subroutine around
end module golden_io

program gen_layout_golden
  use golden_io
  use, intrinsic :: ieee_arithmetic, only: ieee_value, ieee_quiet_nan, ieee_positive_inf, &
                                           ieee_negative_inf
  use, intrinsic :: iso_fortran_env, only: output_unit
  implicit none
  character(len=8), parameter :: real_layouts(15) = [character(len=8) :: &
      'F7.2', 'F7.4', 'F8.2', 'F5.2', 'F3.0', 'F6.0', 'G12.5', 'G13.5', 'G15.5', 'G12.2', &
      'G12.3', 'D15.7', 'D15.8', 'E12.4', 'E9.3']
  real(real64) :: values(52)
  integer(int64), parameter :: ints(16) = [0_int64, 1_int64, -1_int64, 7_int64, 42_int64, &
      -42_int64, 99_int64, -99_int64, 100_int64, 999_int64, -999_int64, 1000_int64, &
      12345_int64, -12345_int64, 99999_int64, huge(0_int64)]
  character(len=5), parameter :: int_layouts(7) = [character(len=5) :: &
      'I1', 'I3', 'I4', 'I5', 'I20', 'I0', 'I5.3']
  character(len=8), parameter :: strings(7) = [character(len=8) :: &
      '', 'X', 'AB', 'ABCD', 'ABCDE', 'MUV0', 'ABCDEFGH']
  character(len=4), parameter :: str_layouts(5) = [character(len=4) :: 'A1', 'A4', 'A6', 'A', '3X A']
  integer :: i, j, d, u
  real(real64) :: x, nan, pinf, minf

  unit_out = output_unit
  nan = ieee_value(0.0_real64, ieee_quiet_nan)
  pinf = ieee_value(0.0_real64, ieee_positive_inf)
  minf = ieee_value(0.0_real64, ieee_negative_inf)

  values = [0.0_real64, -0.0_real64, 1.0_real64, -1.0_real64, 0.5_real64, 0.125_real64, &
      0.375_real64, 2.5_real64, 3.5_real64, -2.5_real64, 0.05_real64, -0.05_real64, &
      0.005_real64, -0.001_real64, 0.0999995_real64, 0.1_real64, 0.09999_real64, &
      0.95_real64, 0.999995_real64, 1.23456789_real64, 12.345_real64, 123.456_real64, &
      1234.5678_real64, 12345.6_real64, 99999.4_real64, 99999.5_real64, 1.0e5_real64, &
      1.0e6_real64, 123456789.0_real64, 1.0e10_real64, -9876.54321_real64, 1.0e-5_real64, &
      3.14159265358979_real64, 1.0e-300_real64, 1.0e300_real64, -1.0e300_real64, &
      huge(1.0_real64), tiny(1.0_real64), 4.9406564584124654e-324_real64, 1.0e-100_real64, &
      1.0e100_real64, 9.99999999e99_real64, 1.0e-99_real64, 9.99999999e-100_real64, &
      0.0499999_real64, 99.5_real64, 999.5_real64, 9.995_real64, nan, pinf, minf, &
      -1.0e-310_real64]

  ! Every real layout against every value.
  do i = 1, size(real_layouts)
    do j = 1, size(values)
      call rcase(trim(real_layouts(i)), values(j))
    end do
  end do

  ! Narrow fields for the special values and sign handling.
  do i = 1, 9
    call rcase('F' // itoa(i) // '.0', pinf)
    call rcase('F' // itoa(i) // '.0', minf)
    call rcase('G' // itoa(i) // '.1', nan)
  end do
  call rcase('F1.0', 0.0_real64)
  call rcase('F1.0', 0.4_real64)
  call rcase('F2.0', 0.4_real64)
  call rcase('F2.0', -0.4_real64)
  call rcase('F3.0', -0.4_real64)
  call rcase('F3.2', 0.05_real64)
  call rcase('F4.2', -0.05_real64)
  call rcase('F3.2', -0.05_real64)
  call rcase('F0.3', -0.25_real64)
  call rcase('F0.2', 123.456_real64)
  call rcase('F0.0', 0.0_real64)
  call rcase('F3.1', 9.96_real64)
  call rcase('F4.1', 9.96_real64)
  call rcase('E8.3', 0.125_real64)
  call rcase('E9.3', -0.125_real64)
  call rcase('E10.3', -0.125_real64)
  call rcase('G5.2', 1.0_real64)
  call rcase('G6.2', 1.0_real64)
  call rcase('G4.1', 1.0_real64)
  call rcase('G9.2', -1.0_real64)
  call rcase('D10.3', 1.0e-300_real64)
  call rcase('E9.3', 1.0e-300_real64)
  call rcase('D9.3', -1.0e300_real64)

  ! Rounding at every digit position.
  do d = 1, 15
    call rcase('F20.' // itoa(d), 2.0_real64 / 3.0_real64)
    call rcase('E24.' // itoa(d), -2.0_real64 / 3.0_real64)
    call rcase('G24.' // itoa(d), 9.87654321098765e4_real64)
    call rcase('D24.' // itoa(d), 1.0_real64 / 7.0_real64)
  end do

  ! G: the switch between fixed and exponent form, at the bottom, every decade and the top.
  call around([character(len=5) :: 'G12.2'], 0.095_real64)
  call around([character(len=5) :: 'G12.2'], 99.5_real64)
  call around([character(len=5) :: 'G12.3'], 0.09995_real64)
  call around([character(len=5) :: 'G12.3'], 999.5_real64)
  call around([character(len=5) :: 'G12.5', 'G15.5'], 0.0999995_real64)
  call around([character(len=5) :: 'G12.5'], 0.1_real64)
  x = 0.999995_real64
  do i = 0, 5
    call around([character(len=5) :: 'G12.5'], x)
    x = x * 10.0_real64
  end do
  call around([character(len=5) :: 'G12.5'], 99999.5_real64)
  call around([character(len=5) :: 'G12.5'], 1.0e5_real64)
  call around([character(len=5) :: 'E12.4', 'G12.5'], 1.0e100_real64)
  call around([character(len=5) :: 'E12.4'], 1.0e-99_real64)

  ! Integers.
  do i = 1, size(int_layouts)
    do j = 1, size(ints)
      call icase(trim(int_layouts(i)), ints(j))
    end do
    call icase(trim(int_layouts(i)), -huge(0_int64) - 1_int64)
  end do

  ! Characters.
  do i = 1, size(str_layouts)
    do j = 1, size(strings)
      call acase(trim(str_layouts(i)), trim(strings(j)))
    end do
  end do
  call acase('A4', 'MUV0    ')
  call acase('A', 'MUV0    ')
  call acase("'it''s ' A", 'x')

  ! Several items, records and reversion.
  u = open_case()
  write (u, ffmt('/ 1X 2A4')) 'MUV0    ', '07      '
  call close_case(u, '/ 1X 2A4', 2, ea('MUV0    ') // tab // ea('07      '))

  u = open_case()
  write (u, ffmt("2X '     VV(' I4 ')=' G12.5 '  MUVPC(' I4 ')=' G12.5 '    IDX(' I4 ')=' I4")) &
      3_int64, 1.0e6_real64, 4_int64, 12345.6_real64, 1_int64, 2_int64, &
      5_int64, -0.001_real64, 6_int64, 0.0_real64, 7_int64, -8_int64
  call close_case(u, "2X '     VV(' I4 ')=' G12.5 '  MUVPC(' I4 ')=' G12.5 '    IDX(' I4 ')=' I4", &
      12, ei(3_int64) // tab // er(1.0e6_real64) // tab // ei(4_int64) // tab // &
      er(12345.6_real64) // tab // ei(1_int64) // tab // ei(2_int64) // tab // &
      ei(5_int64) // tab // er(-0.001_real64) // tab // ei(6_int64) // tab // &
      er(0.0_real64) // tab // ei(7_int64) // tab // ei(-8_int64))

  u = open_case()
  write (u, ffmt("6X 'TCTRAP AND ITS DEFAULT TC (DATA SET ' I3 ') ' 'MISSING FOR COMPONENT ' 2A4")) &
      12_int64, 'WATE', 'R   '
  call close_case(u, "6X 'TCTRAP AND ITS DEFAULT TC (DATA SET ' I3 ') ' 'MISSING FOR COMPONENT ' 2A4", &
      3, ei(12_int64) // tab // ea('WATE') // tab // ea('R   '))

  u = open_case()
  write (u, ffmt('I3 2X I3')) 1_int64
  call close_case(u, 'I3 2X I3', 1, ei(1_int64))

  u = open_case()
  write (u, ffmt("I3 2X 'x' 2X I3")) 1_int64, 2_int64, 3_int64
  call close_case(u, "I3 2X 'x' 2X I3", 3, ei(1_int64) // tab // ei(2_int64) // tab // ei(3_int64))

  u = open_case()
  write (u, ffmt('I3 /')) 1_int64
  call close_case(u, 'I3 /', 1, ei(1_int64))

  u = open_case()
  write (u, ffmt('I3 /')) 1_int64, 2_int64
  call close_case(u, 'I3 /', 2, ei(1_int64) // tab // ei(2_int64))

  u = open_case()
  write (u, ffmt("'A=' F7.2 / 'B=' F7.2")) 1.5_real64, -2.25_real64, 3.0_real64
  call close_case(u, "'A=' F7.2 / 'B=' F7.2", 3, &
      er(1.5_real64) // tab // er(-2.25_real64) // tab // er(3.0_real64))

  u = open_case()
  write (u, ffmt('3I4')) 1_int64, 2_int64, 3_int64, 4_int64, 5_int64, 6_int64, 7_int64
  call close_case(u, '3I4', 7, ei(1_int64) // tab // ei(2_int64) // tab // ei(3_int64) // tab // &
      ei(4_int64) // tab // ei(5_int64) // tab // ei(6_int64) // tab // ei(7_int64))

  u = open_case()
  write (u, ffmt('2/ A')) 'x'
  call close_case(u, '2/ A', 1, ea('x'))

  u = open_case()
  write (u, ffmt("'HELLO' 3X 'WORLD'"))
  call close_case(u, "'HELLO' 3X 'WORLD'", 0, '')

  u = open_case()
  write (u, ffmt("'N=' I3 'never'"))
  call close_case(u, "'N=' I3 'never'", 0, '')

  u = open_case()
  write (u, ffmt('3X I3'))
  call close_case(u, '3X I3', 0, '')

  u = open_case()
  write (u, ffmt('A 3X'))  'ab'
  call close_case(u, 'A 3X', 1, ea('ab'))

  u = open_case()
  write (u, ffmt('A 3X / A'))  'ab', 'cd'
  call close_case(u, 'A 3X / A', 2, ea('ab') // tab // ea('cd'))

  u = open_case()
  write (u, ffmt('I5, F8.2, A')) 12_int64, 3.25_real64, 'kg'
  call close_case(u, 'I5, F8.2, A', 3, ei(12_int64) // tab // er(3.25_real64) // tab // ea('kg'))

  u = open_case()
  write (u, ffmt('G12.5 G12.5')) 1.0e6_real64, 12345.6_real64
  call close_case(u, 'G12.5 G12.5', 2, er(1.0e6_real64) // tab // er(12345.6_real64))

  u = open_case()
  write (u, ffmt('4X 2F7.2 3X A4')) 1.0_real64, -1.0_real64, 'ABCDEF', 2.0_real64
  call close_case(u, '4X 2F7.2 3X A4', 4, er(1.0_real64) // tab // er(-1.0_real64) // tab // &
      ea('ABCDEF') // tab // er(2.0_real64))

  u = open_case()
  write (u, ffmt('F7.2')) 1.0_real64, 22.5_real64, -333.125_real64
  call close_case(u, 'F7.2', 3, er(1.0_real64) // tab // er(22.5_real64) // tab // &
      er(-333.125_real64))

  u = open_case()
  write (u, ffmt("/ 'x' /")) 
  call close_case(u, "/ 'x' /", 0, '')

  u = open_case()
  write (u, ffmt("'T=' F8.2 '  P=' D15.8 '  VAP=' 2A4")) 350.15_real64, 1.01325e5_real64, &
      'STEA', 'M   '
  call close_case(u, "'T=' F8.2 '  P=' D15.8 '  VAP=' 2A4", 4, er(350.15_real64) // tab // &
      er(1.01325e5_real64) // tab // ea('STEA') // tab // ea('M   '))
end program gen_layout_golden
