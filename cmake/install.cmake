# What `cmake --install` puts under a prefix (GNUInstallDirs layout), and the Debian package
# that `cpack -G DEB` makes of the same tree. Every path written into an installed file is
# relative to the file itself, so that the tree works wherever it is unpacked.
include(CMakePackageConfigHelpers)

set(KOVA_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/kova)
set(KOVA_PKGCONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(TARGETS kova EXPORT kovaTargets LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS kovahost EXPORT kovaTargets LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_SKIP)
# The link-time name of the host is a linker script naming the library first, then the host:
# under --as-needed the host is then kept for the library's references, whatever the order
# of -lkova and -lkovahost on the command line (the linker finds both beside the script).
file(WRITE ${PROJECT_BINARY_DIR}/linker-script/libkovahost.so
  "/* The reference host, after the library whose host symbols it provides. */\n"
  "INPUT(libkova.so.0 libkovahost.so.0)\n")
install(FILES ${PROJECT_BINARY_DIR}/linker-script/libkovahost.so DESTINATION ${CMAKE_INSTALL_LIBDIR})
if(TARGET kova_cli)
  install(TARGETS kova_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES include/kova/kova.h include/kova/host.h include/kova/kova_types.h include/kova/kova.f90
              refhost/refhost.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kova)

# Fortran module files are particular to the compiler that wrote them: they go into a folder
# named after it, and a host built with another compiler compiles kova.f90 itself.
include(CheckLanguage)
check_language(Fortran)
if(CMAKE_Fortran_COMPILER)
  enable_language(Fortran)
  if(CMAKE_Fortran_COMPILER_ID STREQUAL "GNU")
    string(REGEX MATCH "^[0-9]+" KOVA_FC_MAJOR "${CMAKE_Fortran_COMPILER_VERSION}")
    set(KOVA_FMOD_SUBDIR gfortran-${KOVA_FC_MAJOR})
  else()
    string(TOLOWER "${CMAKE_Fortran_COMPILER_ID}-${CMAKE_Fortran_COMPILER_VERSION}" KOVA_FMOD_SUBDIR)
  endif()
  set(KOVA_FMOD_DIR ${CMAKE_INSTALL_INCLUDEDIR}/kova/${KOVA_FMOD_SUBDIR})
  add_library(kova_fortran_modules OBJECT include/kova/kova.f90)
  set_target_properties(kova_fortran_modules PROPERTIES
    Fortran_MODULE_DIRECTORY ${PROJECT_BINARY_DIR}/fortran_modules)
  install(FILES ${PROJECT_BINARY_DIR}/fortran_modules/kova.mod ${PROJECT_BINARY_DIR}/fortran_modules/kova_host.mod
          DESTINATION ${KOVA_FMOD_DIR})
else()
  message(WARNING "No Fortran compiler found (install gfortran): the Fortran module files are not installed.")
  set(KOVA_FMOD_DIR "")
endif()

# The CMake package: find_package(kova 0.1) gives kova::kova and kova::host.
install(EXPORT kovaTargets NAMESPACE kova:: DESTINATION ${KOVA_CMAKE_DIR})
configure_package_config_file(cmake/kovaConfig.cmake.in ${PROJECT_BINARY_DIR}/kovaConfig.cmake
                              INSTALL_DESTINATION ${KOVA_CMAKE_DIR} PATH_VARS KOVA_FMOD_DIR)
# Before 1.0 a minor release may change the interface: 0.1 accepts 0.1.x only.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/kovaConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/kovaConfig.cmake ${PROJECT_BINARY_DIR}/kovaConfigVersion.cmake
        DESTINATION ${KOVA_CMAKE_DIR})

# pkg-config: the prefix is found from the .pc file's own folder.
file(RELATIVE_PATH KOVA_PC_TO_PREFIX /${KOVA_PKGCONFIG_DIR} /)
string(REGEX REPLACE "/$" "" KOVA_PC_TO_PREFIX "${KOVA_PC_TO_PREFIX}")
foreach(pc IN ITEMS kova kovahost)
  configure_file(cmake/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${pc}.pc DESTINATION ${KOVA_PKGCONFIG_DIR})
endforeach()

install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
# The water coefficient blocks as data, and the example loaders that read them.
if(EXISTS ${PROJECT_SOURCE_DIR}/data/water_coefficients.txt)
  install(FILES data/water_coefficients.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/kova)
endif()
if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/examples)
  install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
endif()

# ---------------------------------------------------------------- Debian package
set(CPACK_PACKAGE_NAME kovalib)
set(CPACK_PACKAGE_VENDOR "kovalib")
set(CPACK_PACKAGE_CONTACT "kovalib maintainers <kovalib@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "transport-property models for process simulators")
set(CPACK_PACKAGE_DESCRIPTION
  "A shared library of viscosity, thermal conductivity, diffusion coefficient and surface\n"
  "tension models of pure components and mixtures (TRAPP corresponding states,\n"
  "Chung-Lee-Starling, Lucas, Dean-Stiel, Stiel-Thodos, Wilke, the 1985 water formulations,\n"
  "Wilke-Chang and others) called by reference from a process simulator; a reference host\n"
  "library with a component databank; the kova command-line calculator; C, C++ and Fortran\n"
  "interfaces with CMake and pkg-config files.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libkovahost needs libkova.so.0 of this same package.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
include(CPack)
