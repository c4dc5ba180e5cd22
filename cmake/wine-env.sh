# Sourced by the scripts: which Windows architecture the tests run as, and Wine's variables for it.
# The programs are 32-bit: where the kernel runs 32-bit code the tests run the i686 build under
# 32-bit Wine; elsewhere (executing an i386 program fails there) the x86_64 build of the same
# sources under 64-bit Wine. ZV_TEST_ARCH=i686 or x86_64 forces one.
zv_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
zv_build=${ZV_BUILD:-$zv_root/build}

# True when this machine's kernel executes 32-bit x86 programs. Asks the kernel itself, with the
# smallest such program (it only exits with 0), so that the answer holds before anything is
# installed and cannot be mistaken for a broken 32-bit Wine.
zv_kernel_runs_32bit() {
  local probe
  mkdir -p "$zv_build" || return 1
  probe=$(mktemp "$zv_build/.i386-probe.XXXXXX") || return 1
  # ELF header, one loadable segment, then: mov eax, 1; xor ebx, ebx; int 0x80 (exit(0)).
  printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000'\
'\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000'\
'\064\000\040\000\001\000\000\000\000\000\000\000'\
'\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\135\000\000\000\135\000\000\000'\
'\005\000\000\000\000\020\000\000'\
'\270\001\000\000\000\061\333\315\200' >"$probe"
  chmod +x "$probe"
  local ok=1
  "$probe" >/dev/null 2>&1 && ok=0
  rm -f "$probe"
  return $ok
}

zv_detect_arch() {
  case "${ZV_TEST_ARCH:-}" in
    i686 | x86_64) echo "$ZV_TEST_ARCH"; return ;;
    "") ;;
    *) echo "ZV_TEST_ARCH must be i686 or x86_64, not '$ZV_TEST_ARCH'" >&2; return 1 ;;
  esac
  if zv_kernel_runs_32bit; then echo i686; else echo x86_64; fi
}

# One line on which build the Windows tests run and why; argument: "forced" when ZV_TEST_ARCH was
# given.
zv_describe_arch() {
  local why
  if [ "${1:-}" = forced ]; then
    why="forced by ZV_TEST_ARCH"
  elif [ "$ZV_TEST_ARCH" = i686 ]; then
    why="this machine's kernel runs 32-bit code"
  else
    why="this machine's kernel cannot run 32-bit code"
  fi
  if [ "$ZV_TEST_ARCH" = i686 ]; then
    echo "the i686 build under 32-bit Wine ($why)"
  else
    echo "the x86_64 build under 64-bit Wine ($why)"
  fi
}

zv_wine_env() {
  ZV_TEST_ARCH=$(zv_detect_arch) || return 1
  export ZV_TEST_ARCH
  export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
  # Each architecture has its prefix: a 64-bit Wine cannot use a 32-bit one.
  export WINEPREFIX=$zv_build/wineprefix-$ZV_TEST_ARCH
  if [ "$ZV_TEST_ARCH" = i686 ]; then
    export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
  else
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
  fi
  ZV_WINE=$zv_root/cmake/wine-start.sh
}
