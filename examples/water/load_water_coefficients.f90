! Example host code: fill libkova's water coefficient blocks from the coefficient file
! installed with the library (share/kova/water_coefficients.txt). Each data line reads
! "BLOCK WORD VALUE [# comment]", WORD counted from 1; lines starting with '#' are comments.
! Uses the kova interface module (include/kova/kova.f90), whose block arrays are bound to the
! library's blocks by name and indexed from 1 as the words are numbered.
module kova_water_loader
  use, intrinsic :: iso_c_binding, only: c_double
  use kova, only: kova_h2omu0, kova_h2omu1, kova_refh2o, kova_h2oks0, kova_h2oks1
  implicit none
  private
  public :: kova_load_water_coefficients

contains

  ! nwords: the number of words stored, -n when line n is malformed, -1 when the file cannot
  ! be opened.
  subroutine kova_load_water_coefficients(path, nwords)
    character(len=*), intent(in) :: path
    integer, intent(out) :: nwords
    character(len=512) :: line
    character(len=32) :: name
    integer :: unit, ios, word, lineno, first
    real(c_double) :: value
    logical :: stored

    nwords = 0
    open (newunit=unit, file=path, status='old', action='read', iostat=ios)
    if (ios /= 0) then
      nwords = -1
      return
    end if
    lineno = 0
    do
      read (unit, '(A)', iostat=ios) line
      if (ios /= 0) exit
      lineno = lineno + 1
      first = verify(line, ' ')
      if (first == 0) cycle
      if (line(first:first) == '#') cycle
      ! The comment after the value is cut off before the list-directed read.
      if (index(line, '#') > 0) line = line(:index(line, '#') - 1)
      read (line, *, iostat=ios) name, word, value
      stored = .false.
      if (ios == 0) stored = store(trim(name), word, value)
      if (.not. stored) then
        nwords = -lineno
        close (unit)
        return
      end if
      nwords = nwords + 1
    end do
    close (unit)
  end subroutine kova_load_water_coefficients

  logical function store(name, word, value)
    character(len=*), intent(in) :: name
    integer, intent(in) :: word
    real(c_double), intent(in) :: value
    store = .false.
    select case (name)
    case ('KOVA_H2OMU0')
      if (word < 1 .or. word > size(kova_h2omu0)) return
      kova_h2omu0(word) = value
    case ('KOVA_H2OMU1')
      if (word < 1 .or. word > size(kova_h2omu1)) return
      kova_h2omu1(word) = value
    case ('KOVA_REFH2O')
      if (word < 1 .or. word > size(kova_refh2o)) return
      kova_refh2o(word) = value
    case ('KOVA_H2OKS0')
      if (word < 1 .or. word > size(kova_h2oks0)) return
      kova_h2oks0(word) = value
    case ('KOVA_H2OKS1')
      if (word < 1 .or. word > size(kova_h2oks1)) return
      kova_h2oks1(word) = value
    case default
      return
    end select
    store = .true.
  end function store

end module kova_water_loader
