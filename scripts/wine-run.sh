#!/usr/bin/env bash
# Runs a Windows test executable under Wine with the project's prefix. Used as
# CMake's cross-compiling emulator, so CTest runs Windows tests like native ones.
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-cardhold}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
