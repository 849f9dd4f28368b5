#!/usr/bin/env bash
# Runs a Windows test executable under Wine with the project's prefix. Used as
# CMake's cross-compiling emulator, so CTest runs Windows tests like native ones.
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec "$CARDHOLD_WINE" "$@"
