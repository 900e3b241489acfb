# Checks the dynamic symbol table of libkova.so:
#  - every defined dynamic symbol is one of the names in exports.txt, and the version script
#    lists exactly those names;
#  - every routine and data block that the public header kova/kova.h declares, and every name
#    that the Fortran module kova.f90 binds, is exported (a host compiled against them links);
#  - every undefined reference belongs to the host (ZEL_, NORVA_, LUMENA_, SIRK_) or to the C
#    runtime (glibc, versioned), apart from the weak hooks that the toolchain's start-up
#    files and the statically linked C++ runtime leave (null when nobody defines them);
#  - the references to the host's property routines (SIRK_*, LUMENA_* but the block
#    LUMENA_CRICH4) are weak: a host that does not use a model need not define them;
#  - the library needs no shared object but the C runtime's: not the reference host, not the
#    C++ runtime (linked statically so that none of it is exported).
# In a sanitizer build the sanitizer runtimes are needed as well and define, unversioned, the
# C library functions they intercept: references are then also allowed to what those runtimes
# define (their files are found through the compiler given as CXX).
#
# Run as: cmake -DLIBRARY=libkova.so -DALLOWED=exports.txt -DVERSION_SCRIPT=libkova.map
#               -DHEADER=kova.h -DFORTRAN_MODULE=kova.f90 -DNM=nm -DREADELF=readelf
#               [-DSANITIZE=address,undefined -DCXX=g++] -P check_exports.cmake
#
# The library must export exactly the names of exports.txt (REQUIRE_ALL), and every name the
# C header declares or the Fortran module binds must be among them.
cmake_minimum_required(VERSION 3.20)

set(REQUIRE_ALL ON)

foreach(var LIBRARY ALLOWED VERSION_SCRIPT HEADER FORTRAN_MODULE NM READELF)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "check_exports: ${var} not given")
  endif()
endforeach()

set(failures 0)
macro(fail text)
  message(SEND_ERROR "${text}")
  math(EXPR failures "${failures} + 1")
endmacro()

# Output lines of a command, as a list.
function(command_lines out)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE text ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "check_exports: '${ARGN}' failed: ${err}")
  endif()
  string(REPLACE "\n" ";" lines "${text}")
  list(FILTER lines EXCLUDE REGEX "^[ \t]*$")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# ------------------------------------------------------------ the allowed names
file(STRINGS "${ALLOWED}" allowed REGEX "^[A-Z]")
file(STRINGS "${VERSION_SCRIPT}" map_lines REGEX "^[ \t]*KOVA_[A-Z0-9_]+;")
set(in_map "")
foreach(line IN LISTS map_lines)
  string(REGEX REPLACE "^[ \t]*(KOVA_[A-Z0-9_]+);.*$" "\\1" name "${line}")
  list(APPEND in_map ${name})
endforeach()
list(SORT allowed)
list(SORT in_map)
if(NOT "${allowed}" STREQUAL "${in_map}")
  fail("the version script ${VERSION_SCRIPT} does not list exactly the names of ${ALLOWED}")
endif()

# ------------------------------------------------------------ defined symbols
command_lines(defined_lines ${NM} -D --defined-only "${LIBRARY}")
set(defined "")
foreach(line IN LISTS defined_lines)
  if(line MATCHES "^[0-9a-fA-F]* *[A-Za-z] ([^ @]+)")
    list(APPEND defined ${CMAKE_MATCH_1})
  endif()
endforeach()
foreach(name IN LISTS defined)
  if(NOT name IN_LIST allowed)
    fail("libkova exports ${name}, which is not one of its names")
  endif()
endforeach()

# What the public interfaces promise: the names declared in kova.h (routines "KOVA_API void
# KOVA_xxx(", data blocks "extern KOVA_API ... KOVA_xxx[") and bound in kova.f90.
file(STRINGS "${HEADER}" header_lines REGEX "KOVA_API")
file(STRINGS "${FORTRAN_MODULE}" module_lines REGEX "name='KOVA_")
set(promised "")
foreach(line IN LISTS header_lines)
  if(line MATCHES "(KOVA_[A-Z0-9]+)[[(]")
    list(APPEND promised ${CMAKE_MATCH_1})
  endif()
endforeach()
foreach(line IN LISTS module_lines)
  if(line MATCHES "name='(KOVA_[A-Z0-9]+)'")
    list(APPEND promised ${CMAKE_MATCH_1})
  endif()
endforeach()
list(REMOVE_DUPLICATES promised)
if(REQUIRE_ALL)
  list(APPEND promised ${allowed})
  list(REMOVE_DUPLICATES promised)
endif()
foreach(name IN LISTS promised)
  if(NOT name IN_LIST allowed)
    fail("the public interface names ${name}, which is not one of the library's names")
  elseif(NOT name IN_LIST defined)
    fail("libkova does not export ${name}, which its public interface declares")
  endif()
endforeach()

# ------------------------------------------------------------ needed shared objects
set(sanitizer_runtimes "")
command_lines(dynamic_lines ${READELF} -d "${LIBRARY}")
foreach(line IN LISTS dynamic_lines)
  if(line MATCHES "\\(NEEDED\\)[^[]*\\[([^]]+)\\]")
    set(needed ${CMAKE_MATCH_1})
    if(needed MATCHES "^(libc|libm)\\.so\\.[0-9]+$" OR needed MATCHES "^ld-linux")
      continue()
    elseif(SANITIZE AND needed MATCHES "^lib(asan|ubsan|lsan|tsan)\\.so")
      list(APPEND sanitizer_runtimes ${needed})
      continue()
    endif()
    fail("libkova needs ${needed}; it may need only the C runtime")
  endif()
endforeach()

# What the sanitizer runtimes define.
set(sanitizer_defined "")
foreach(runtime IN LISTS sanitizer_runtimes)
  execute_process(COMMAND ${CXX} -print-file-name=${runtime} OUTPUT_VARIABLE path
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  command_lines(runtime_lines ${NM} -D --defined-only "${path}")
  foreach(line IN LISTS runtime_lines)
    if(line MATCHES "^[0-9a-fA-F]* *[A-Za-z] ([^ @]+)")
      list(APPEND sanitizer_defined ${CMAKE_MATCH_1})
    endif()
  endforeach()
endforeach()

# ------------------------------------------------------------ undefined references
# Weak references that the toolchain leaves: transactional-memory hooks of the start-up files
# (_ITM_*) and of the C++ runtime (_ZGTt*), the profiling hook, the C++ pure-virtual handler.
set(toolchain_weak "^(_ITM_[A-Za-z0-9_]+|_ZGTt[A-Za-z0-9_]+|__gmon_start__|__cxa_pure_virtual)$")
command_lines(undefined_lines ${NM} -D --undefined-only "${LIBRARY}")
foreach(line IN LISTS undefined_lines)
  if(NOT line MATCHES "^[ \t]*([A-Za-z]) ([^ ]+)")
    continue()
  endif()
  set(kind ${CMAKE_MATCH_1})
  set(name ${CMAKE_MATCH_2})
  if(name MATCHES "^(SIRK_[A-Z0-9_]+|LUMENA_[A-Z0-9_]+)$" AND NOT name STREQUAL "LUMENA_CRICH4"
     AND NOT kind STREQUAL "w")
    # A host that does not use a model need not define its property routines.
    fail("libkova's reference to the host property routine ${name} is not weak")
  endif()
  if(name MATCHES "^(ZEL|NORVA|LUMENA|SIRK)_[A-Z0-9_]+$")
    continue()  # the host's
  elseif(name MATCHES "@GLIBC_[0-9.]+$")
    continue()  # the C runtime's
  elseif(kind STREQUAL "w" AND name MATCHES "${toolchain_weak}")
    continue()
  elseif(name IN_LIST sanitizer_defined)
    continue()
  endif()
  fail("libkova refers to ${name}, which neither the host nor the C runtime defines")
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} problem(s) in the dynamic symbol table of ${LIBRARY}")
endif()
list(LENGTH defined n_defined)
list(LENGTH allowed n_allowed)
message(STATUS "libkova exports ${n_defined} of its ${n_allowed} names, all that its headers "
               "declare, and refers only to its host and the C runtime")
