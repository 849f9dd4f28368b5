#!/usr/bin/env bash
# wine_run_test.sh WINE_RUN DIR   once the runner every Windows test starts through has
# ended, nothing holds its caller's standard error: not even the Wine server its program
# started, while other Wine programs keep that server running (CTest waits for the
# pipe, and timed the test out).
set -u
wine_run=$1 scratch=$2
here=$(dirname "${BASH_SOURCE[0]}")
. "$here/../../scripts/wine-env.sh"
work=$(mktemp -d "$scratch/wine-run-test.XXXXXX")
prefix=$work/prefix
trap 'WINEPREFIX=$prefix "$CARDHOLD_WINESERVER" -k 2>/dev/null; rm -rf "$work"' EXIT
# A prefix of its own, so that the server is the one this run's program starts.
bash "$here/dpi_prefix.sh" 96 "$prefix" >/dev/null || exit 1
export WINEPREFIX=$prefix
# The server works in a folder named for the prefix's device and inode.
server_folder=$(printf 'server-%x-%x' "$(stat -c %d "$prefix")" "$(stat -c %i "$prefix")")
server_up() {
  local server
  for server in $(pgrep wineserver); do
    [[ "$(readlink "/proc/$server/cwd" 2>/dev/null)" == */"$server_folder" ]] && return
  done
  return 1
}

"$wine_run" cmd /c "ping -n 4 127.0.0.1 >nul" 2>"$work/err.txt" &
run=$!
for _ in $(seq 100); do server_up && break; sleep 0.1; done
server_up || { echo "FAILED: no Wine server came up for $prefix"; exit 1; }
# Another Wine program, started while the first runs, keeps the server alive.
"$CARDHOLD_WINE" cmd /c "ping -n 30 127.0.0.1 >nul" </dev/null >/dev/null 2>&1 &
wait $run

holders=$(for fd in /proc/[0-9]*/fd/[0-2]; do
  [ "$(readlink "$fd" 2>/dev/null)" = "$work/err.txt" ] && echo "${fd%/fd/*}"
done | sort -u | while read -r process; do cat "$process/comm" 2>/dev/null; done)
[ -z "$holders" ] || { echo "FAILED: still holding the caller's standard error:" $holders; exit 1; }
