#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing (run as root, or
# with sudo available). Used by the two set-up commands of the README.
set -euo pipefail
packages=(cmake make g++ gfortran libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
          libudunits2-dev
          clang libclang-rt-14-dev valgrind pybind11-dev python3-dev python3-numpy python3-pytest
          pkg-config dpkg-dev file binutils)
# The validation report and its test (scripts/report.sh, tests/validation).
packages+=(python3-matplotlib python3-iapws)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi
