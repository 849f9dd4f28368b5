#!/usr/bin/env bash
# dpi_prefix.sh DPI DIR   makes DIR a copy of the project's Wine prefix ($WINEPREFIX)
#                         whose screen has DPI dots per inch (LogPixels)
# dpi_prefix.sh end DIR   ends the copy's wineserver
# A copy of its own, so that no other test ever sees the shared prefix change. The
# program folders, which nothing writes while tests run, are hard links where the file
# system allows; registry and fonts are copied.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
dpi=$1 copy=$2
if [ "$dpi" = end ]; then
  WINEPREFIX="$copy" "$CARDHOLD_WINESERVER" -k 2>/dev/null || true
  exit 0
fi
source=$WINEPREFIX
[ -f "$source/system.reg" ] || { echo "dpi_prefix: no Wine prefix at $source" >&2; exit 1; }
WINEPREFIX="$copy" "$CARDHOLD_WINESERVER" -k 2>/dev/null || true
rm -rf "$copy"
mkdir -p "$copy/drive_c/windows"
# copyFolder FROM TO SKIP [LINKED...]: FROM's entries into TO, except SKIP (copied on its
# own), with LINKED as hard links.
copyFolder() {
  local from=$1 to=$2 skip=$3 entry name
  shift 3
  for entry in "$from"/.[!.]* "$from"/*; do
    [ -e "$entry" ] || [ -L "$entry" ] || continue
    name=${entry##*/}
    if [ "$name" = "$skip" ]; then continue; fi
    if [[ " $* " == *" $name "* ]]; then
      cp -al "$entry" "$to/" 2>/dev/null || cp -a "$entry" "$to/"
    else
      cp -a "$entry" "$to/"
    fi
  done
}
copyFolder "$source" "$copy" drive_c
copyFolder "$source/drive_c" "$copy/drive_c" windows
copyFolder "$source/drive_c/windows" "$copy/drive_c/windows" "" system32 syswow64 winsxs

export WINEPREFIX="$copy"
# Both places Wine reads the screen's DPI from.
"$CARDHOLD_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
"$CARDHOLD_WINE" reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
  /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
"$CARDHOLD_WINESERVER" -w
echo "Wine prefix at $dpi DPI: $copy"
