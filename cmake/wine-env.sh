# Sourced by the scripts: which Windows architecture the tests run as, and Wine's variables for it.
# The programs are 32-bit; a machine whose kernel cannot execute 32-bit code (i386 execve fails)
# runs the tests on the 64-bit build of the same sources under 64-bit Wine instead.
zv_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
zv_build=${ZV_BUILD:-$zv_root/build}

zv_detect_arch() {
  if [ -n "${ZV_TEST_ARCH:-}" ]; then echo "$ZV_TEST_ARCH"; return; fi
  if [ -x /usr/lib/wine/wineserver32 ] && /usr/lib/wine/wineserver32 --version >/dev/null 2>&1; then
    echo i686
  else
    echo x86_64
  fi
}

zv_wine_env() {
  ZV_TEST_ARCH=$(zv_detect_arch)
  export ZV_TEST_ARCH
  export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
  export WINEPREFIX=${WINEPREFIX:-$zv_build/wineprefix-$ZV_TEST_ARCH}
  if [ "$ZV_TEST_ARCH" = i686 ]; then
    export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
  else
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
  fi
  ZV_WINE=$WINELOADER
}
