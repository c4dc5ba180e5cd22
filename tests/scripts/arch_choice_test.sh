#!/usr/bin/env bash
# The scripts' choice of the Windows build the tests run, and the Wine that runs it:
#   arch_choice_test.sh SCRATCH
set -u
scratch=$1
rm -rf "$scratch"
mkdir -p "$scratch"
export ZV_BUILD=$scratch
source "$(dirname "$0")/../../cmake/wine-env.sh"
failures=0
check() {  # what, got, expected
  if [ "$2" != "$3" ]; then echo "FAIL: $1: '$2' instead of '$3'"; failures=$((failures + 1)); fi
}

# Forced either way: the build, its Wine, its prefix and the line the test command prints.
for arch in i686 x86_64; do
  (
    unset WINEPREFIX WINEARCH WINELOADER WINESERVER
    export ZV_TEST_ARCH=$arch WINEPREFIX=/somewhere/else
    zv_wine_env || { echo "FAIL: $arch: refused"; exit 1; }
    bits=64 loader=wine64 server=wineserver64 winearch=win64
    if [ "$arch" = i686 ]; then bits=32 loader=wine server=wineserver32 winearch=win32; fi
    check "$arch: loader" "$WINELOADER" "/usr/lib/wine/$loader"
    check "$arch: server" "$WINESERVER" "/usr/lib/wine/$server"
    check "$arch: Wine's architecture" "$WINEARCH" "$winearch"
    check "$arch: prefix" "$WINEPREFIX" "$scratch/wineprefix-$arch"
    check "$arch: line" "$(zv_describe_arch forced)" "the $arch build under $bits-bit Wine (forced by ZV_TEST_ARCH)"
    exit "$failures"
  ) || failures=$((failures + 1))
done

(export ZV_TEST_ARCH=i386; zv_wine_env 2>/dev/null) && { echo "FAIL: an unknown architecture was taken"; failures=$((failures + 1)); }

# Unforced: the i686 build exactly where the kernel runs 32-bit programs. The probe must agree with
# a real 32-bit program where one is installed.
runs32=no
zv_kernel_runs_32bit && runs32=yes
if [ -x /usr/lib/wine/wineserver32 ]; then
  real=no
  /usr/lib/wine/wineserver32 --version >/dev/null 2>&1 && real=yes
  check "the probe against a real 32-bit program" "$runs32" "$real"
fi
(
  unset ZV_TEST_ARCH
  zv_wine_env
  expected=x86_64 why="cannot run"
  if [ "$runs32" = yes ]; then expected=i686 why=runs; fi
  check "detected" "$ZV_TEST_ARCH" "$expected"
  case "$(zv_describe_arch)" in
    *"kernel $why 32-bit code)") ;;
    *) check "detected: line" "$(zv_describe_arch)" "... kernel $why 32-bit code)" ;;
  esac
  exit "$failures"
) || failures=$((failures + 1))
echo "this machine's kernel runs 32-bit code: $runs32"

rm -rf "$scratch"
[ "$failures" -eq 0 ] && echo "passed"
exit "$failures"
