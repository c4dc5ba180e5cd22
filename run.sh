#!/usr/bin/env bash
# Installs what is needed, builds the programs and starts the game under Wine; `./run.sh setup`
# starts the game's settings program instead (qbk.exe with its project, beside the game). Without
# a display of your own it runs on a virtual one for ZV_RUN_SECONDS (default 20) and saves a
# screenshot. `./run.sh package` makes the zip that users get, from the 32-bit build.
set -euo pipefail
case "${1:-}" in
  "") program=zorvane.exe shot=zorvane-screen.png what="the game" ;;
  setup) program=qbk.exe shot=settings-screen.png what="the settings program" ;;
  package) program= ;;
  *) echo "usage: ./run.sh [setup | package]" >&2; exit 2 ;;
esac
here=$(cd "$(dirname "$0")" && pwd)
cd "$here"
source cmake/wine-env.sh
forced=${ZV_TEST_ARCH:+forced}
bash cmake/setup.sh
zv_wine_env
arch=$ZV_TEST_ARCH
if [ -n "$program" ]; then echo "running $(zv_describe_arch "$forced")"; else arch=i686; fi
tree=$zv_build/win-$arch
cmake -S . -B "$tree" -G Ninja -Wno-dev -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$arch.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZV_DEPS_PREFIX="$zv_build/deps/$arch" >/dev/null
if [ -z "$program" ]; then
  cmake --build "$tree" -j "$(nproc)" --target zv_package
  echo "the package: $tree/zorvane.zip"
  exit 0
fi
cmake --build "$tree" -j "$(nproc)" --target zorvane qbk zv_settings_program
game=$tree/game

source cmake/session.sh
trap zv_end_session EXIT
if [ -z "${DISPLAY:-}" ]; then
  zv_start_display
  zv_start_wineserver
  (cd "$game" && "$ZV_WINE" "./$program") &
  pid=$!
  sleep "${ZV_RUN_SECONDS:-20}"
  xwd -root -display "$DISPLAY" | convert xwd:- "$zv_build/$shot"
  echo "screenshot of $what: $zv_build/$shot"
  "$WINESERVER" -k || true
  wait "$pid" 2>/dev/null || true
else
  zv_start_wineserver
  (cd "$game" && "$ZV_WINE" "./$program")
fi
