#!/usr/bin/env bash
# Runs a Windows test executable under Wine with the project's prefix. Used as
# CMake's cross-compiling emulator, so CTest runs Windows tests like native ones.
#
# Wine's server and its system processes (services, explorer, …) keep the standard
# error of the process that started them for as long as they live, which is as long
# as any Wine process runs. Given a test's pipe, they would hold it open while the
# other tests run, and CTest, waiting for that pipe to close, would time the test out.
# So the program writes its standard error to a file, copied to ours when it ends.
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
errors=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX") || exit 125
trap 'rm -f "$errors"' EXIT
# The program dies with this script, as it would if it were the process started: a
# test that kills the runner (a timeout, the save-kill test) kills the program.
setpriv --pdeathsig KILL -- "$CARDHOLD_WINE" "$@" 2>"$errors"
status=$?
cat "$errors" >&2
exit $status
