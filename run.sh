#!/usr/bin/env bash
# Installs what is needed, builds the programs and starts the game under Wine. Without a display
# of your own it runs on a virtual one for ZV_RUN_SECONDS (default 20) and saves a screenshot.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here"
source cmake/wine-env.sh
forced=${ZV_TEST_ARCH:+forced}
bash cmake/setup.sh
zv_wine_env
echo "running $(zv_describe_arch "$forced")"
tree=$zv_build/win-$ZV_TEST_ARCH
cmake -S . -B "$tree" -G Ninja -Wno-dev -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$ZV_TEST_ARCH.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZV_DEPS_PREFIX="$zv_build/deps/$ZV_TEST_ARCH" >/dev/null
cmake --build "$tree" -j "$(nproc)" --target zorvane qbk
game=$tree/game

source cmake/session.sh
trap zv_end_session EXIT
if [ -z "${DISPLAY:-}" ]; then
  zv_start_display
  zv_start_wineserver
  (cd "$game" && "$ZV_WINE" ./zorvane.exe) &
  pid=$!
  sleep "${ZV_RUN_SECONDS:-20}"
  xwd -root -display "$DISPLAY" | convert xwd:- "$zv_build/zorvane-screen.png"
  echo "screenshot of the game: $zv_build/zorvane-screen.png"
  "$WINESERVER" -k || true
  wait "$pid" 2>/dev/null || true
else
  zv_start_wineserver
  (cd "$game" && "$ZV_WINE" ./zorvane.exe)
fi
