# Sourced, never run: the one place for the project's Wine settings.
#
# Sets WINEPREFIX (the project's own prefix), WINEDEBUG, WINEDLLOVERRIDES, and:
#   CARDHOLD_WINE         the Wine loader to start Windows programs with
#   CARDHOLD_WINESERVER   its wineserver
#   CARDHOLD_WINDOWS_ARCH i686 where this machine runs 32-bit programs, else x86_64
#
# The product is 32-bit, and Wine runs 32-bit Windows programs with its 32-bit
# loader, a 32-bit Linux program. Some kernels run no 32-bit programs at all ("Exec
# format error"): there the Windows tests run the 64-bit build under Wine's 64-bit
# loader instead, and the scripts say so.
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-cardhold}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

if [ -z "${CARDHOLD_WINDOWS_ARCH:-}" ]; then
  if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    CARDHOLD_WINDOWS_ARCH=i686
  else
    CARDHOLD_WINDOWS_ARCH=x86_64
  fi
fi
export CARDHOLD_WINDOWS_ARCH
if [ "$CARDHOLD_WINDOWS_ARCH" = i686 ]; then
  export CARDHOLD_WINE=/usr/lib/wine/wine CARDHOLD_WINESERVER=/usr/lib/wine/wineserver32
else
  export CARDHOLD_WINE=/usr/lib/wine/wine64 CARDHOLD_WINESERVER=/usr/lib/wine/wineserver64
  export WINELOADER=/usr/lib/wine/wine64
fi
[ -x "$CARDHOLD_WINESERVER" ] || CARDHOLD_WINESERVER=wineserver
