#!/usr/bin/env bash
# Builds Cardhold for 32-bit Windows and runs it under Wine.
#
#   scripts/run.sh               with a display: runs the program
#   scripts/run.sh --screenshot  (or with no display at all) runs it on a private
#                                Xvfb display, saves build/cardhold-screenshot.png,
#                                closes the program and stops the display
#   scripts/run.sh --all         also builds the 64-bit Windows and native builds
#
# Installs what it needs first (scripts/setup.sh). Builds go to build/i686,
# build/x86_64 and build/linux, as the test script does.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
screenshot=0
all=0
for arg in "$@"; do
  case "$arg" in
    --screenshot) screenshot=1 ;;
    --all) all=1 ;;
    *) echo "usage: scripts/run.sh [--screenshot] [--all]" >&2; exit 2 ;;
  esac
done
[ -n "${DISPLAY:-}" ] || screenshot=1

bash "$root/scripts/setup.sh"
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-cardhold}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

configure() { # build-dir [cmake options...]
  local dir=$1; shift
  [ -f "$dir/build.ninja" ] || cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
}

build="$root/build/i686"
configure "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCARDHOLD_BENCHMARKS=OFF
cmake --build "$build" --target cardhold cardhold_window_tool
if [ "$all" = 1 ]; then
  configure "$root/build/x86_64" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake" -DCMAKE_BUILD_TYPE=Release -DCARDHOLD_TESTS=OFF
  cmake --build "$root/build/x86_64"
  configure "$root/build/linux" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$root/build/linux"
fi

exe="$build/shell/win32/cardhold.exe"
if [ "$screenshot" = 0 ]; then
  exec wine "$exe"
fi

# --- No display of our own: a private Xvfb, Wine's virtual desktop (so that the
# caption is drawn), one screenshot, and a clean close.
number=90
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
stop=$(mktemp -u /tmp/cardhold-stop.XXXXXX)
cleanup() {
  rm -f "$stop" "$stop.exit"
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

# Bounded waits: each polls a condition every 0.1 s.
wait_until() { # tries command...
  local tries=$1; shift
  for ((i = 0; i < tries; i++)); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}
display_up() { xwininfo -root >/dev/null 2>&1; }
wait_until 100 display_up || { echo "run: Xvfb did not start" >&2; exit 1; }

tool="$build/tests/win32/cardhold_window_tool.exe"
wine explorer /desktop=cardhold,1100x760 "$tool" run "$exe" "$stop" >/dev/null 2>&1 &

# The dialog's X window inside the virtual desktop: "WxH+X+Y  +absX+absY".
dialog_geometry() {
  xwininfo -root -tree 2>/dev/null | awk '/"Cardhold - TAVEN/ {
      split($(NF-1), size, /[x+]/); split($NF, at, "+");
      if (size[1] > 100) { print size[1] "x" size[2] "+" at[2] "+" at[3]; exit } }'
}
dialog_shown() { [ -n "$(dialog_geometry)" ]; }
wait_until 600 dialog_shown || { echo "run: the main dialog did not appear" >&2; exit 1; }
geometry=$(dialog_geometry)

# Takes pictures until two in a row agree, so the dialog is fully painted.
mkdir -p "$root/build"
shot="$root/build/cardhold-screenshot.png"
pixels() { import -window root -crop "$geometry" rgb:- 2>/dev/null | md5sum; }
previous=""
painted() {
  local now
  now=$(pixels)
  [ "$now" = "$previous" ] && return 0
  previous=$now
  return 1
}
wait_until 50 painted || true
import -window root -crop "$geometry" +repage "$shot"
echo "$shot"

touch "$stop"
ended() { [ -s "$stop.exit" ]; }
wait_until 300 ended || { echo "run: the program did not end" >&2; exit 1; }
code=$(tr -d '[:space:]' <"$stop.exit")
echo "cardhold exited with code $code"
[ "$code" = 0 ]
