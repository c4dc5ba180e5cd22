#!/usr/bin/env bash
# Installs what is needed, builds every tree and runs every test (native and under Wine).
# The i686 tree (the shipped programs) and all its tests build on every machine; the Windows tests
# run the i686 build where the kernel runs 32-bit code, else the x86_64 build (ZV_TEST_ARCH forces
# one). Set ZV_BUILD to build elsewhere than build/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here"
source cmake/wine-env.sh
build=$zv_build
jobs=$(nproc)
forced=${ZV_TEST_ARCH:+forced}
t0=$(date +%s)
bash cmake/setup.sh
zv_wine_env
echo "Windows tests: $(zv_describe_arch "$forced")"
t1=$(date +%s)

configure() {  # tree, extra cmake arguments...
  local tree=$1; shift
  cmake -S . -B "$build/$tree" -G Ninja -Wno-dev "$@" >/dev/null
}
configure native -DCMAKE_BUILD_TYPE=Debug
cmake --build "$build/native" -j "$jobs"
configure fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DZV_FUZZ=ON -DZV_FUZZ_SECONDS="${ZV_FUZZ_SECONDS:-60}" -DZV_FUZZ_SEED="${ZV_FUZZ_SEED:-1}"
cmake --build "$build/fuzz" -j "$jobs"
windows_trees=(i686)
[ "$ZV_TEST_ARCH" = i686 ] || windows_trees+=("$ZV_TEST_ARCH")
for arch in "${windows_trees[@]}"; do
  configure "win-$arch" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZV_DEPS_PREFIX="$build/deps/$arch"
  cmake --build "$build/win-$arch" -j "$jobs"
done
t2=$(date +%s)

status=0
ctest --test-dir "$build/native" -j "$jobs" --output-on-failure ${ZV_CTEST_ARGS:-} \
  | tee "$build/ctest-native.log" || status=1
ctest --test-dir "$build/fuzz" -j "$jobs" --output-on-failure ${ZV_CTEST_ARGS:-} \
  | tee "$build/ctest-fuzz.log" || status=1
echo "Windows tests: $(zv_describe_arch "$forced")"
rm -f "$build/ctest-win.log"
if [ "$ZV_TEST_ARCH" = i686 ] && ! zv_kernel_runs_32bit; then
  echo "Windows tests not run: this machine's kernel cannot run the 32-bit Wine they need" >&2
  status=1
else
  source cmake/session.sh
  trap zv_end_session EXIT
  zv_start_display
  zv_start_wineserver
  ctest --test-dir "$build/win-$ZV_TEST_ARCH" -j "$jobs" --output-on-failure ${ZV_CTEST_ARGS:-} \
    | tee "$build/ctest-win.log" || status=1
fi
t3=$(date +%s)

# Every skipped test with the reason it gave; one that gives none fails the run.
for tree in native fuzz "win-$ZV_TEST_ARCH"; do
  bash cmake/skipped-tests.sh "$build/$tree" || status=1
done

count() { [ -f "$1" ] || return 0; sed -n 's/.*tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\).*/\1 \2/p' "$1" | tail -n1; }
read -r f1 n1 <<<"$(count "$build/ctest-native.log") "
read -r f2 n2 <<<"$(count "$build/ctest-win.log") "
read -r f3 n3 <<<"$(count "$build/ctest-fuzz.log") "
f=$(( ${f1:-0} + ${f2:-0} + ${f3:-0} )); n=$(( ${n1:-0} + ${n2:-0} + ${n3:-0} ))
echo "timing: setup $((t1-t0)) s, build $((t2-t1)) s, tests $((t3-t2)) s"
if [ "$n" -eq 0 ]; then echo "no tests ran" >&2; status=1; fi
echo "$((n-f)) passed, $f failed (Windows tests: $ZV_TEST_ARCH build)"
exit $status
