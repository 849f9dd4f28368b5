#!/usr/bin/env bash
# The installer's round trip under Wine, in a throwaway prefix with Wine's menu builder
# off (so nothing reaches the desktop of the machine): a quiet install puts the seven
# files in Program Files\Cardhold, the Start menu shortcuts to the program, to Cardhold
# Tools and to the guide's page, and the installed-programs entry; the installed cardhold.exe starts and
# shows its dialog; a quiet uninstall leaves no file, shortcut or registry entry of it,
# and a deck file in Documents is untouched throughout.
#
#   installer_test.sh PACKAGE.msi VERSION SMOKE_TEST.exe
set -euo pipefail
msi=$(realpath "$1") version=$2 smoke=$3
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
[ -f "$msi" ] || { echo "FAIL: no installer at $msi (scripts/setup.sh installs wixl)"; exit 1; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/cardhold-installer.XXXXXXXX")
# A home of its own: Wine links the user's Documents to $HOME, and the test writes a
# deck file there, which must never be a real user's.
mkdir "$scratch/home"
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config
export WINEPREFIX=$scratch/prefix WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
cleanup() {
  "$CARDHOLD_WINESERVER" -k 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
wine() { "$CARDHOLD_WINE" "$@"; }
failures=0
check() { # description, then a command that must succeed
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}

wine wineboot --init >/dev/null 2>&1
"$CARDHOLD_WINESERVER" -w
c=$WINEPREFIX/drive_c
program_files=$(cd "$c" && if [ -d "Program Files (x86)" ]; then echo "Program Files (x86)"; else echo "Program Files"; fi)
installed=$c/$program_files/Cardhold
# Windows puts a per-machine package's shortcut in the common Start menu; Wine 8 in the
# installing user's.
shortcuts() { # [NAME]: the Start menu shortcut NAME.lnk; without NAME, any of Cardhold
  find "$c/ProgramData/Microsoft/Windows/Start Menu/Programs" \
    "$c"/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs \
    -maxdepth 1 -iname "${1:-Cardhold*}.lnk" 2>/dev/null || true
}
documents=$(ls -d "$c"/users/*/Documents | grep -v /Public/ | head -n 1)
case "$(realpath "$documents")" in
"$(realpath "$scratch")"/*) ;;
*) echo "FAIL: Documents is $(realpath "$documents"), outside the test's folder"; exit 1 ;;
esac
printf 'a deck file' > "$documents/decks.tvn"
# Windows keeps a package's installed-programs entry in the registry view of its own
# bitness: on a 64-bit system a 32-bit package's is in the 32-bit view (Wow6432Node).
# A 64-bit prefix has both views and both are read; a 32-bit prefix has one.
if [ -d "$c/windows/syswow64" ]; then prefix_bits=64 views=(/reg:32 /reg:64); else prefix_bits=32 views=(""); fi
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
read_entries() { # the Cardhold entries of every view into $scratch/entries; fails when a view was not read
  local view text label
  : >"$scratch/entries"
  for view in "${views[@]}"; do
    rm -f "$scratch/uninstall.reg"
    wine reg export "$uninstall_key" 'Z:'"${scratch//\//\\}"'\uninstall.reg' $view /y >/dev/null 2>&1 || true
    text=$(iconv -f UTF-16LE -t UTF-8 "$scratch/uninstall.reg" 2>/dev/null | tr -d '\r') || true
    if ! grep -q '^\[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\]$' <<<"$text"; then
      echo "(the installed-programs key of view ${view:-the one} could not be read)"
      return 1
    fi
    label=${view:+${view#/reg:}-bit}
    awk -v view="${label:-only}" '/^\[/ { key = $0 } key != "" { block[key] = block[key] $0 "\n" }
      END { for (k in block) if (block[k] ~ /"DisplayName"="Cardhold"/) printf "%s %s", view, block[k] }' \
      <<<"$text" >>"$scratch/entries"
  done
}
leads_to() { # NAME FILE: the shortcut NAME names the installed FILE
  python3 -c 'import sys; d = open(sys.argv[1], "rb").read(); t = sys.argv[2]
sys.exit(0 if t.encode("utf-16-le") in d or t.encode() in d else 1)' "$(shortcuts "$1" | head -n 1)" \
    "C:\\$program_files\\Cardhold\\$2"
}
self_contained() { # the page links to nothing but its own parts, its pictures inside it
  test -n "$(grep -o 'src="data:image/png;base64,' "$1")" &&
    test -z "$(grep -oE '(src|href)="[^"]*"' "$1" | grep -vE '="(data:|#)')"
}
pictures_shipped() { # every picture the text names is in an installed file
  local picture page
  while read -r picture; do
    page=$(sed -n 's/^\[Picture in \([^:]*\):.*/\1/p' <<<"$picture")
    [ -n "$page" ] && [ -f "$installed/$page" ] || return 1
  done < <(grep -ao '\[Picture[^]]*' "$1")
}

wine msiexec /i 'Z:'"${msi//\//\\}" /qn
"$CARDHOLD_WINESERVER" -w
check "msiexec /i installs exactly the seven files in $program_files\\Cardhold" \
  test "$(LC_ALL=C ls "$installed" 2>/dev/null | tr '\n' ' ')" = \
  "CHANGELOG.txt Guide.html LICENSE.txt README.txt cardhold-cli.exe cardhold-tools.exe cardhold.exe "
check "the Start menu shortcut Cardhold leads to the installed cardhold.exe" leads_to Cardhold cardhold.exe
check "the Start menu shortcut Cardhold Tools leads to the installed cardhold-tools.exe" leads_to "Cardhold Tools" cardhold-tools.exe
check "the Start menu shortcut Cardhold guide leads to the installed Guide.html" leads_to "Cardhold guide" Guide.html
check "the guide's page holds its pictures and loads nothing beside it" self_contained "$installed/Guide.html"
check "README.txt names no picture that is not installed" pictures_shipped "$installed/README.txt"
check "the installed-programs entries are read (${#views[@]} view(s) of the registry)" read_entries
check "there is one installed-programs entry of Cardhold" test "$(grep -c '"DisplayName"="Cardhold"' "$scratch/entries")" = 1
entry_view=$(awk 'NR == 1 { print $1 }' "$scratch/entries")
check "the installed-programs entry gives the version $version" grep -q "^\"DisplayVersion\"=\"$version\"" "$scratch/entries"
check "the installed-programs entry gives the publisher" grep -q '^"Publisher"="The Cardhold developers"' "$scratch/entries"
check "the registry names Cardhold while it is installed" grep -qil cardhold "$WINEPREFIX/system.reg"

# The smoke test starts the installed program and waits for its dialog.
check "the installed cardhold.exe starts and shows its dialog" \
  wine "$smoke" "C:\\$program_files\\Cardhold\\cardhold.exe" --gtest_filter='*CancelCommand' --gtest_brief=1

wine msiexec /x 'Z:'"${msi//\//\\}" /qn
"$CARDHOLD_WINESERVER" -w
check "msiexec /x leaves no Cardhold folder" test ! -e "$installed"
check "msiexec /x leaves no shortcut" eval 'test -d "$c/ProgramData" && test -z "$(shortcuts)"'
check "msiexec /x leaves no installed-programs entry" eval 'read_entries && test ! -s "$scratch/entries"'
leftovers=$(grep -il cardhold "$WINEPREFIX"/*.reg || true)
check "msiexec /x leaves no registry value naming Cardhold${leftovers:+ (found in $leftovers)}" \
  eval 'test -f "$WINEPREFIX/system.reg" && test -z "$leftovers"'
files=$(cd "$c" && find . -iname '*cardhold*' ! -path "./users/*/Documents/decks.tvn")
check "msiexec /x leaves no file named cardhold${files:+ ($files)}" test -z "$files"
check "the deck file in Documents is untouched" test "$(cat "$documents/decks.tvn")" = "a deck file"

found=${entry_view:+the entry in the $entry_view view}
ran="Wine loader ${CARDHOLD_WINE##*/} ($CARDHOLD_WINDOWS_ARCH), a $prefix_bits-bit prefix, ${found:-no entry found}"
[ $failures -eq 0 ] || { echo "$failures check(s) failed; $ran"; exit 1; }
echo "installer round trip: every check passed; $ran"
