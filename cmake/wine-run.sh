#!/usr/bin/env bash
# Runs a Windows program under the project's Wine prefix, on the test display, with a sound device
# that writes into a file of its own. CTest calls it for every Windows test:
#   wine-run.sh i686|x86_64 PROGRAM [ARGUMENTS...]
# The program sees ZV_SOUND_OUT (Windows path of that file), ZV_TEST_TMP (a scratch folder of
# its own) and ZV_SOURCE_DIR (the source tree).
set -u
source "$(dirname "$0")/wine-env.sh"
export ZV_TEST_ARCH=$1
shift
zv_wine_env || exit 1
if [ -n "${ZV_DISPLAY:-}" ]; then export DISPLAY=$ZV_DISPLAY; fi

mkdir -p "$zv_build/run"
home=$(mktemp -d "$zv_build/run/home.XXXXXX")
trap 'rm -rf "$home"' EXIT
cat > "$home/.asoundrc" <<ALSA
pcm.!default { type file slave.pcm "null" file "$home/sound.raw" format "raw" }
ALSA
mkdir -p "$home/tmp"
winpath() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
export ZV_SOUND_OUT=$(winpath "$home/sound.raw")
export ZV_TEST_TMP=$(winpath "$home/tmp")
export ZV_SOURCE_DIR=$(winpath "$zv_root")
export HOME=$home
# The tests' printer (cmake/printer.sh), while its scheduler runs.
if [ -S "$zv_build/cups/cups.sock" ]; then
  export CUPS_SERVER=$zv_build/cups/cups.sock
  export ZV_PRINT_OUT=$(winpath "$zv_build/cups/out/page.pdf")
fi
# The tests' network peers (cmake/peers.sh), while they run.
if [ -f "$zv_build/peers/ports.txt" ]; then
  export ZV_PEERS=$(winpath "$zv_build/peers")
fi
# Many test programs share the cores: keep Mesa's software renderer to a few threads each.
export LP_NUM_THREADS=${LP_NUM_THREADS:-2}
"$ZV_WINE" "$@" | tee "$home/stdout.txt"
code=${PIPESTATUS[0]}
# Wine kills a process (SIGKILL, code 137) whose host side is still closing a second after the program
# ended, which happens on a loaded machine to programs that used OpenGL; on a loaded machine Wine's
# host side has also been seen to fault (SIGSEGV, code 139) while closing. A fault of the program's
# own code ends it with the exception's code instead, so a test program that had already reported
# every test passed and then met one of these signals has ended well.
if { [ "$code" -eq 137 ] || [ "$code" -eq 139 ]; } && grep -q '^\[  PASSED  \]' "$home/stdout.txt" && ! grep -q '^\[  FAILED  \]' "$home/stdout.txt"; then
  echo "wine-run: $(basename "$1") passed; its process ended on a signal while closing (code $code)" >&2
  code=0
fi
# A program that ends badly before it says anything (Wine's own messages are off) still says how.
[ "$code" -eq 0 ] || echo "wine-run: $(basename "$1") ended with code $code" >&2
exit "$code"
