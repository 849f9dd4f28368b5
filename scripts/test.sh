#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Cardhold three ways (native Linux, 32-bit and
# 64-bit Windows) and runs every test: the native suite, the Windows suite under Wine
# on a virtual display, and a short fuzzing run of the deck-file decoder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-cardhold}" WINEDEBUG="${WINEDEBUG:--all}"

step() { echo; echo "== $*"; }

step "native build"
cmake -S . -B build/linux -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/linux

step "32-bit Windows build (the product)"
cmake -S . -B build/i686 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" -DCARDHOLD_BENCHMARKS=OFF >/dev/null
cmake --build build/i686

step "64-bit Windows build"
cmake -S . -B build/x86_64 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake" -DCARDHOLD_TESTS=OFF >/dev/null
cmake --build build/x86_64

step "fuzzing build (clang, sanitizers)"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DCARDHOLD_FUZZ=ON -DCARDHOLD_BENCHMARKS=OFF >/dev/null
cmake --build build/fuzz --target deck_file_fuzz

# The Windows tests that open windows need an X display; a private Xvfb serves them.
xvfb_pid=""
full_disk="$root/build/i686/full-disk"
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  mountpoint -q "$full_disk" 2>/dev/null && umount "$full_disk" || true
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  display=$(bash scripts/start-xvfb.sh)
  xvfb_pid=${display#*:pid=}
  export DISPLAY=${display%%:pid=*}
fi

# A 64 KiB disk for the full-disk test under Wine, reached through Wine's Z: drive.
mkdir -p "$full_disk"
mountpoint -q "$full_disk" || mount -t tmpfs -o size=64k cardhold-full-disk "$full_disk" 2>/dev/null || true
if mountpoint -q "$full_disk"; then
  export CARDHOLD_FULL_DISK="Z:${full_disk//\//\\}"
else
  echo "note: no tmpfs could be mounted; the full-disk test under Wine will be skipped"
fi

failed=0
step "native tests"
ctest --test-dir build/linux --output-on-failure -j2 || failed=1
step "Windows tests under Wine (display $DISPLAY)"
ctest --test-dir build/i686 --output-on-failure -j2 || failed=1
step "fuzzing smoke"
ctest --test-dir build/fuzz --output-on-failure -R '^deck_file_fuzz' || failed=1

if [ $failed -ne 0 ]; then echo "SOME TESTS FAILED"; exit 1; fi
echo "all test suites passed"
