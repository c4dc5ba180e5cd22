#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian 12 machine (as root), then
# cross-builds libpng and libjpeg for Windows into build/deps and creates the Wine prefix.
# Safe to run again: every step is skipped when its result is already there.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/cmake/wine-env.sh"
build=$zv_build
mkdir -p "$build/deps"

need_root() { if [ "$(id -u)" != 0 ]; then echo "setup: run as root (apt-get is needed)" >&2; exit 1; fi; }

packages=(
  g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev libz-mingw-w64-dev
  mingw-w64-tools
  wine wine32:i386 wine64
  libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386 libgl1 libglx-mesa0 libgl1-mesa-dri
  gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  xvfb xauth x11-apps imagemagick sox lame fonts-dejavu-core
  cmake ninja-build g++ clang libclang-rt-14-dev googletest libpng-dev libjpeg-dev zlib1g-dev
  dpkg-dev tcl
  cups-daemon cups-client cups-filters ghostscript poppler-utils libcups2 libcups2:i386
  python3-aiosmtpd python3-pyftpdlib socat
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

enable_sources() {
  local src=/etc/apt/sources.list.d/debian.sources
  if [ -f "$src" ] && ! grep -q '^Types:.*deb-src' "$src"; then
    sed -i 's/^Types: deb$/Types: deb deb-src/' "$src"
    return 0
  fi
  return 1
}

if [ ${#missing[@]} -gt 0 ]; then
  need_root
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then dpkg --add-architecture i386; fi
  enable_sources || true
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Cross-built image libraries for the Windows side, from Debian's source packages.
build_image_libs() {
  local arch=$1 prefix=$build/deps/$1
  [ -f "$prefix/lib/libpng.a" ] && [ -f "$prefix/lib/libjpeg.a" ] && return 0
  mkdir -p "$build/deps/src"
  cd "$build/deps/src"
  if ! ls libpng1.6_*.orig.tar.* >/dev/null 2>&1 || ! ls libjpeg-turbo_*.orig.tar.* >/dev/null 2>&1; then
    if enable_sources; then need_root; apt-get update -qq; fi
    apt-get source --download-only libpng1.6 libjpeg-turbo >/dev/null 2>&1 || true
  fi
  local png_tar jpeg_tar tc=$here/cmake/mingw-$arch.cmake
  png_tar=$(ls libpng1.6_*.orig.tar.* | head -n1)
  jpeg_tar=$(ls libjpeg-turbo_*.orig.tar.* | head -n1)
  rm -rf "png-$arch" "jpeg-$arch" "png-build-$arch" "jpeg-build-$arch"
  mkdir "png-$arch" "jpeg-$arch"
  tar -xf "$png_tar" -C "png-$arch" --strip-components=1
  tar -xf "$jpeg_tar" -C "jpeg-$arch" --strip-components=1
  cmake -Wno-dev -S "jpeg-$arch" -B "jpeg-build-$arch" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$tc" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DWITH_SIMD=0 -DENABLE_SHARED=0 -DWITH_TURBOJPEG=0 >/dev/null
  cmake --build "jpeg-build-$arch" --target install >/dev/null
  cmake -Wno-dev -S "png-$arch" -B "png-build-$arch" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$tc" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DPNG_SHARED=OFF -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DPNG_TOOLS=OFF \
    -DZLIB_INCLUDE_DIR=/usr/$arch-w64-mingw32/include -DZLIB_LIBRARY=/usr/$arch-w64-mingw32/lib/libz.a >/dev/null
  cmake --build "png-build-$arch" --target install >/dev/null
  echo "setup: built libjpeg and libpng for $arch Windows in $prefix"
}
build_image_libs i686
zv_wine_env
[ "$ZV_TEST_ARCH" = i686 ] || build_image_libs "$ZV_TEST_ARCH"

# The project's own Wine prefix, made once.
if [ "$ZV_TEST_ARCH" = i686 ] && ! zv_kernel_runs_32bit; then
  echo "setup: no 32-bit Wine prefix: this machine's kernel cannot run 32-bit code (ZV_TEST_ARCH=i686)" >&2
elif [ ! -f "$WINEPREFIX/.zv-ready" ]; then
  echo "setup: creating Wine prefix $WINEPREFIX ($ZV_TEST_ARCH)"
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  DISPLAY= "$ZV_WINE" wineboot -i >/dev/null 2>&1 || true
  "$WINESERVER" -w
  # A crashing test program must just end with an error code, not wait in a dialog.
  cat > "$build/zv-prefix.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
  DISPLAY= "$ZV_WINE" regedit /S "$(printf 'Z:%s' "${build//\//\\}")\\zv-prefix.reg" >/dev/null 2>&1 || true
  "$WINESERVER" -w
  [ -f "$WINEPREFIX/system.reg" ] || { echo "setup: Wine prefix was not created" >&2; exit 1; }
  touch "$WINEPREFIX/.zv-ready"
fi
