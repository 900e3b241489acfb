#!/bin/sh
# Rebuilds layout_golden.txt from gen_layout_golden.f90 with the local gfortran.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
gfortran -O0 -o "$tmp/gen" "$here/gen_layout_golden.f90" -J "$tmp"
"$tmp/gen" > "$here/layout_golden.txt"
echo "wrote $(wc -l < "$here/layout_golden.txt") rows to $here/layout_golden.txt"
