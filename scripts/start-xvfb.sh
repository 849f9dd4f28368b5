#!/usr/bin/env bash
# Starts Xvfb on a free display and prints ":N:pid=PID" once it accepts clients.
set -euo pipefail
for n in $(seq 90 130); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1 100); do
    if xdpyinfo -display ":$n" >/dev/null 2>&1; then echo ":$n:pid=$pid"; exit 0; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
done
echo "start-xvfb: no display could be started" >&2
exit 1
