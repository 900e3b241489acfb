! The Fortran example loader of the water coefficient file (examples/water/) against the
! blocks the reference host fills when it is loaded: zero the blocks, load the file, compare.
program fortran_water_loader
  use, intrinsic :: iso_c_binding, only: c_double, c_int64_t
  use kova, only: kova_h2omu0, kova_h2omu1, kova_refh2o, kova_h2oks0, kova_h2oks1
  use kova_water_loader, only: kova_load_water_coefficients
  implicit none
  real(c_double) :: mu0(12), mu1(48), ref(44), ks0(12), ks1(36)
  character(len=4096) :: path
  integer :: nwords, bad

  call get_command_argument(1, path)
  mu0 = kova_h2omu0
  mu1 = kova_h2omu1
  ref = kova_refh2o
  ks0 = kova_h2oks0
  ks1 = kova_h2oks1
  if (differ(ref(1:1), [647.27_c_double]) /= 0) error stop 'the reference host did not fill the blocks'
  kova_h2omu0 = -1
  kova_h2omu1 = -1
  kova_refh2o = -1
  kova_h2oks0 = -1
  kova_h2oks1 = -1

  call kova_load_water_coefficients(trim(path), nwords)
  if (nwords /= 152) then
    print '(A, I0)', 'words stored: ', nwords
    error stop 1
  end if
  bad = differ(kova_h2omu0, mu0) + differ(kova_h2omu1, mu1) + differ(kova_refh2o, ref) + &
        differ(kova_h2oks0, ks0) + differ(kova_h2oks1, ks1)
  if (bad /= 0) then
    print '(I0, A)', bad, ' words differ from the reference host'
    error stop 1
  end if
  call kova_load_water_coefficients('/nonexistent/water_coefficients.txt', nwords)
  if (nwords /= -1) error stop 'a missing file was not refused'
  print '(A)', 'water coefficient file loaded: 152 words as the reference host'

contains

  ! Number of words whose bit patterns differ.
  integer function differ(a, b)
    real(c_double), intent(in) :: a(:), b(:)
    differ = count(transfer(a, 0_c_int64_t, size(a)) /= transfer(b, 0_c_int64_t, size(b)))
  end function differ
end program fortran_water_loader
