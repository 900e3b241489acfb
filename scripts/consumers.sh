#!/usr/bin/env bash
# The library as an integrator gets it: installs the release build into an empty prefix and
# packs it as a Debian package (unpacked with dpkg-deb -x into a temporary root, never
# installed on this machine), checks both trees (the files, the shared-library names and
# dependencies, the package fields, no path of the source or build tree anywhere), then
# builds the programs of tests/consumers against each tree alone and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD
# The package is made of the targets built here; cpack need not build the test suite.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKOVA_BUILD_TESTS=ON -DKOVA_BUILD_CLI=ON -DKOVA_SANITIZE= \
  -DKOVA_BUILD_FUZZ=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build build -j"$(nproc)" --target kova kovahost kova_cli kova_fortran_modules >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install build --prefix "$work/prefix" >/dev/null
(cd build && cpack -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/deb/*.deb)
dpkg-deb -x "$deb" "$work/debroot"
# The consumers are copied out, so that nothing of this tree is within their reach.
cp -r tests/consumers "$work/consumers"

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

echo "-- package $(basename "$deb")"
for field in Version Maintainer Depends; do
  value=$(dpkg-deb -f "$deb" "$field")
  echo "   $field: $value"
  [ -n "$value" ] || fail "package field $field is empty"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$(sed -n 's/^project(kovalib VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)" ] ||
  fail "package version differs from the project's"
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -ge 3 ] || fail "package has no long description"
dpkg-deb -f "$deb" Depends | grep libc6 >/dev/null || fail "shared-library dependencies were not computed"

check_tree() {  # <root> <name>
  local root=$1 name=$2 pattern
  while read -r pattern; do
    # shellcheck disable=SC2086
    compgen -G "$root/$pattern" >/dev/null || fail "$name: $pattern not installed"
  done <"$work/consumers/installed-files.txt"
  [ "$(readelf -d "$root"/lib/libkova.so.0 | sed -n 's/.*SONAME.*\[\(.*\)\]/\1/p')" = libkova.so.0 ] ||
    fail "$name: libkova's SONAME"
  [ "$(readelf -d "$root"/lib/libkovahost.so.0 | sed -n 's/.*SONAME.*\[\(.*\)\]/\1/p')" = libkovahost.so.0 ] ||
    fail "$name: libkovahost's SONAME"
  readelf -d "$root"/lib/libkovahost.so.0 | grep 'NEEDED.*\[libkova\.so\.0\]' >/dev/null ||
    fail "$name: libkovahost does not name libkova as a dependency"
  # Any file naming the source or build tree, module files decompressed.
  local named
  named=$(grep -rlF -e "$src" -e "$(realpath build)" "$root" || true)
  for mod in "$root"/include/kova/*/*.mod; do
    zcat "$mod" | grep -F "$src" >/dev/null && named+=" $mod"
  done
  [ -z "$named" ] || fail "$name: the source or build tree is named in $named"
  "$root"/bin/kova water --t 300 --p 1e5 >/dev/null || fail "$name: the installed calculator does not run"
}

consume() {  # <root> <name>
  local root=$1 name=$2 out=$work/out-$2 c=$work/consumers
  local lib=$root/lib cflags=(-std=c11 -Wall -Wextra -Werror) strong=""
  mkdir -p "$out"
  export PKG_CONFIG_PATH=$lib/pkgconfig
  # Before the library's references to the host's property routines were weak, a host had
  # to define them all: the last two programs say so rather than fail.
  # (LUMENA_CRICH4 is a data block, required.)
  nm -D --undefined-only "$lib/libkova.so.0" | grep -E ' U (SIRK|LUMENA)_[A-Z0-9]+$' | grep -v ' LUMENA_CRICH4$' \
    >"$out/strong.txt" || true
  [ -s "$out/strong.txt" ] && strong=yes
  run() {  # <label> <command...>: a failure is counted and shown, and returns 1
    local label=$1
    shift
    if ! "$@" >"$out/$label.log" 2>&1; then
      fail "$name: $label"
      tail -n 20 "$out/$label.log"
      return 1
    fi
    [[ $label == build-* ]] || echo "   $name, $label: $(tail -n 1 "$out/$label.log")"
  }
  run build-cxx cmake -S "$c/cxx_cmake" -B "$out/cxx" -DCMAKE_PREFIX_PATH="$root" -DCMAKE_BUILD_TYPE=Release &&
    run build-cxx2 cmake --build "$out/cxx" && LD_LIBRARY_PATH=$lib run cxx "$out/cxx/consumer_cxx" || :
  [ -x "$out/cxx/consumer_c_host_first" ] && LD_LIBRARY_PATH=$lib run cmake-c "$out/cxx/consumer_c_host_first" || :
  # The C program twice: pkg-config's order (host first) and the reverse.
  # shellcheck disable=SC2046
  run build-c cc "${cflags[@]}" "$c/c_pkgconfig/main.c" -o "$out/c" $(pkg-config --cflags --libs kova kovahost) -lm &&
    LD_LIBRARY_PATH=$lib run c "$out/c" || :
  # shellcheck disable=SC2046
  run build-c-order cc "${cflags[@]}" "$c/c_pkgconfig/main.c" -o "$out/c-order" $(pkg-config --cflags kova) \
    -L"$lib" -lkova -lkovahost -lm && LD_LIBRARY_PATH=$lib run c-order "$out/c-order" || :
  # shellcheck disable=SC2046
  run build-load cc "${cflags[@]}" "$c/c_pkgconfig/load_host.c" -o "$out/load_host" $(pkg-config --cflags kova) -lm &&
    run load_host "$out/load_host" "$lib" || :
  # shellcheck disable=SC2046
  run build-fortran gfortran -Wall -Werror -I"$(pkg-config --variable=fmoddir kova)" "$c/fortran/main.f90" \
    -o "$out/fortran" $(pkg-config --libs kova kovahost) && LD_LIBRARY_PATH=$lib run fortran "$out/fortran" || :
  # shellcheck disable=SC2046
  run build-dlopen cc "${cflags[@]}" -rdynamic ${strong:+-DKOVA_DLOPEN_MODE=RTLD_LAZY} "$c/dlopen_host/main.c" \
    -o "$out/dlopen_host" $(pkg-config --cflags kova) -lm && run dlopen_host "$out/dlopen_host" "$lib/libkova.so.0" || :
  if [ -n "$strong" ]; then
    echo "   $name: minimal host SKIPPED: this libkova still references the host's property routines" \
         "strongly, so a host without them cannot link"
  else
    # shellcheck disable=SC2046
    run build-minimal cc "${cflags[@]}" "$c/minimal_host/main.c" -o "$out/minimal_host" \
      $(pkg-config --cflags --libs kova) -lm && LD_LIBRARY_PATH=$lib run minimal_host "$out/minimal_host" || :
  fi
  return 0
}

check_tree "$work/prefix" prefix
check_tree "$work/debroot/usr" deb
consume "$work/prefix" prefix
consume "$work/debroot/usr" deb

if [ "$failures" -ne 0 ]; then
  echo "consumers: $failures failure(s)"
  exit 1
fi
echo "consumers: installed tree and Debian package checked, every consumer passed against both"
