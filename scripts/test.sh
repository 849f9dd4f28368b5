#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Cardhold (native Linux, 32-bit and 64-bit
# Windows, the 32-bit product with Clang, the fuzzing tree; the presets of
# CMakePresets.json) and runs the test suites:
#
#   scripts/test.sh            every suite
#   scripts/test.sh native     the native unit tests and scenarios, and the Release build
#   scripts/test.sh windows    the Windows tests under Wine on a virtual display
#   scripts/test.sh fuzz       a short fuzzing run
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
suites=("$@")
[ ${#suites[@]} -gt 0 ] || suites=(native windows fuzz)
for suite in "${suites[@]}"; do
  case "$suite" in native | windows | fuzz) ;; *) echo "usage: scripts/test.sh [native|windows|fuzz]..." >&2; exit 2 ;; esac
done
wants() { [[ " ${suites[*]} " == *" $1 "* ]]; }

bash scripts/setup.sh
. scripts/wine-env.sh
. scripts/lib.sh

step() { echo; echo "== $*"; }

xvfb_pid=""
full_disk="$root/build/full-disk"
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  if wants windows; then "$CARDHOLD_WINESERVER" -k 2>/dev/null || true; fi
  mountpoint -q "$full_disk" 2>/dev/null && umount "$full_disk" || true
}
trap cleanup EXIT
trap 'exit 130' INT TERM

failed=0
if wants native; then
  step "native build"
  configure linux
  cmake --build --preset linux
  step "native tests"
  ctest --preset linux || failed=1
  # Built, not run: the optimiser at -O3 finds warnings the test build's -O2 does not.
  step "native Release build (warnings as errors)"
  configure linux-release
  cmake --build --preset linux-release
fi

if wants windows; then
  # Both Windows builds always; the Windows tests in the one this machine can run.
  for arch in i686 x86_64; do
    step "$arch Windows build (tests $(windows_tests "$arch"))"
    configure_windows "$arch"
    cmake --build --preset "$arch"
  done
  # A second compiler on the product's code, warnings as errors.
  step "i686 Windows build with Clang"
  configure i686-clang
  cmake --build --preset i686-clang
  if [ "$CARDHOLD_WINDOWS_ARCH" != i686 ]; then
    echo "note: this machine runs no 32-bit programs, so Wine cannot start the 32-bit build;"
    echo "      the Windows tests run the 64-bit build of the same code under Wine's 64-bit loader"
  fi

  # The tests that open windows need an X display; a private Xvfb serves them.
  [ -n "${DISPLAY:-}" ] || start_xvfb
  # A 64 KiB disk for the full-disk test under Wine, reached through Wine's Z: drive.
  mkdir -p "$full_disk"
  mountpoint -q "$full_disk" || mount -t tmpfs -o size=64k cardhold-full-disk "$full_disk" 2>/dev/null || true
  if mountpoint -q "$full_disk"; then
    export CARDHOLD_FULL_DISK="Z:${full_disk//\//\\}"
  else
    echo "note: no tmpfs could be mounted; the full-disk test under Wine will be skipped"
  fi
  # Unix links for the Windows build to save through: Win32 code under Wine makes none.
  links="$root/build/unix-links"
  rm -rf "$links" && mkdir -p "$links"
  echo old > "$links/real.tvn"
  ln -s real.tvn "$links/link.tvn"
  ln -s loop-b "$links/loop-a" && ln -s loop-a "$links/loop-b"
  export CARDHOLD_UNIX_LINKS="Z:${links//\//\\}"
  step "Windows tests under Wine ($CARDHOLD_WINDOWS_ARCH, display $DISPLAY)"
  ctest --preset "$CARDHOLD_WINDOWS_ARCH" || failed=1
fi

if wants windows; then
  step "release built twice from the same files: the same bytes"
  bash scripts/check-reproducible.sh || failed=1
fi

if wants fuzz; then
  step "fuzzing build (clang, sanitizers)"
  configure fuzz
  cmake --build --preset fuzz
  step "fuzzing smoke"
  ctest --preset fuzz || failed=1
fi

if [ $failed -ne 0 ]; then echo "SOME TESTS FAILED"; exit 1; fi
echo "all test suites passed"
