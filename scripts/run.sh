#!/usr/bin/env bash
# Builds Cardhold for 32-bit Windows and runs it under Wine.
#
#   scripts/run.sh               with a display: runs the program
#   scripts/run.sh --screenshot  (or with no display at all) runs it on a private
#                                Xvfb display, saves build/cardhold-screenshot.png,
#                                closes the program and stops the display
#   scripts/run.sh --all         also builds the 64-bit Windows and native builds
#   scripts/run.sh --tools       Cardhold Tools instead (build/cardhold-tools-screenshot.png)
#
# Installs what it needs first (scripts/setup.sh). Builds go to build/i686,
# build/x86_64 and build/linux, as the test script does.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
screenshot=0
all=0
program=cardhold caption="Cardhold - TAVEN"
for arg in "$@"; do
  case "$arg" in
    --screenshot) screenshot=1 ;;
    --all) all=1 ;;
    --tools) program=cardhold-tools caption="Cardhold Tools" ;;
    *) echo "usage: scripts/run.sh [--screenshot] [--all] [--tools]" >&2; exit 2 ;;
  esac
done
[ -n "${DISPLAY:-}" ] || screenshot=1

bash "$root/scripts/setup.sh"
. "$root/scripts/wine-env.sh"
. "$root/scripts/lib.sh"

windows_build() { # arch targets...
  local arch=$1; shift
  configure_windows --keep "$arch"
  (cd "$root" && cmake --build --preset "$arch" ${1:+--target "$@"})
}

# The product is the 32-bit build; Wine runs whichever build this machine can run.
windows_build i686 "$program"
build="$root/build/$CARDHOLD_WINDOWS_ARCH"
if [ "$CARDHOLD_WINDOWS_ARCH" != i686 ]; then
  echo "note: this machine runs no 32-bit programs; Wine runs the 64-bit build" >&2
  windows_build "$CARDHOLD_WINDOWS_ARCH" "$program" cardhold_window_tool
else
  windows_build i686 cardhold_window_tool
fi
if [ "$all" = 1 ]; then
  windows_build x86_64
  configure --keep linux
  (cd "$root" && cmake --build --preset linux)
fi

exe="$build/shell/win32/$program.exe"
if [ "$screenshot" = 0 ]; then
  exec "$CARDHOLD_WINE" "$exe"
fi

# --- No display of our own: a private Xvfb, Wine's virtual desktop (so that the
# caption is drawn), one screenshot, and a clean close. Everything started here is
# ended on the way out, on success, failure or Ctrl-C.
stop=$(mktemp -u /tmp/cardhold-stop.XXXXXX)
xvfb_pid=""
cleanup() {
  rm -f "$stop" "$stop.exit"
  "$CARDHOLD_WINESERVER" -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
trap 'exit 130' INT TERM
start_xvfb

# Bounded waits: each polls a condition every 0.1 s.
wait_until() { # tries command...
  local tries=$1; shift
  for ((i = 0; i < tries; i++)); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}

tool="$build/tools/win32/cardhold_window_tool.exe"
"$CARDHOLD_WINE" explorer /desktop=cardhold,1100x760 "$tool" run "$exe" "$stop" >/dev/null 2>&1 &

# The dialog's X window inside the virtual desktop: "WxH+X+Y  +absX+absY".
dialog_geometry() {
  xwininfo -root -tree 2>/dev/null | awk -v caption="\"$caption" 'index($0, caption) {
      split($(NF-1), size, /[x+]/); split($NF, at, "+");
      if (size[1] > 100) { print size[1] "x" size[2] "+" at[2] "+" at[3]; exit } }'
}
dialog_shown() { [ -n "$(dialog_geometry)" ]; }
wait_until 600 dialog_shown || { echo "run: the main dialog did not appear" >&2; exit 1; }
geometry=$(dialog_geometry)

# Takes pictures until two in a row agree, so the dialog is fully painted.
mkdir -p "$root/build"
shot="$root/build/$program-screenshot.png"
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
echo "$program exited with code $code"
[ "$code" = 0 ]
