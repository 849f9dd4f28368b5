# Sourced, never run: what the run and test scripts share. Needs `root` (the
# repository) and scripts/wine-env.sh sourced before it.

# configure [--keep] PRESET [cmake options...]: configures build/PRESET, a preset of
# CMakePresets.json. With --keep a tree configured before is left as it is.
configure() {
  local keep=0
  [ "$1" = --keep ] && { keep=1; shift; }
  [ "$keep" = 1 ] && [ -f "$root/build/$1/build.ninja" ] && return 0
  (cd "$root" && cmake --preset "$@" >/dev/null)
}

# windows_tests ARCH: ON for the one Windows tree this machine can run, which builds
# the Windows tests; OFF for the other.
windows_tests() {
  if [ "$1" = "$CARDHOLD_WINDOWS_ARCH" ]; then echo ON; else echo OFF; fi
}

# configure_windows [--keep] ARCH
configure_windows() {
  local keep=()
  [ "$1" = --keep ] && { keep=(--keep); shift; }
  configure "${keep[@]}" "$1" -DCARDHOLD_TESTS="$(windows_tests "$1")"
}

# start_xvfb: starts a private Xvfb, exports its DISPLAY and sets xvfb_pid, which the
# caller ends on its way out.
start_xvfb() {
  local display
  display=$(bash "$root/scripts/start-xvfb.sh")
  xvfb_pid=${display#*:pid=}
  export DISPLAY=${display%%:pid=*}
}
