#!/usr/bin/env bash
# Installs what building and testing Cardhold needs on a Debian 12 machine.
# Idempotent: packages already present are skipped by apt, the i386
# architecture is added once, the Russian locale is made once, the Wine prefix is
# created once and its fonts are copied only when missing or changed.
set -euo pipefail

need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then echo sudo; else
      echo "setup: run as root (or install sudo) to install packages" >&2; exit 1; fi
  fi
}
SUDO=$(need_root)

# chromium and nodejs: the collection page's test opens the page in headless Chromium;
# zip, wixl and msitools: the release's zip and installer; time: the memory measurements;
# python3-markdown: the guide as one HTML page.
packages=(cmake ninja-build g++ clang libgtest-dev libgmock-dev libbenchmark-dev python3
          mingw-w64 wine wine32 wine64 fonts-wine locales xvfb x11-utils imagemagick
          chromium nodejs zip wixl msitools time python3-markdown)

. "$(dirname "${BASH_SOURCE[0]}")/packages.sh"
install_packages "${packages[@]}" || { echo "setup: cannot go on without those packages" >&2; exit 1; }

# One Wine prefix, created before any test runs so parallel tests never race to make it.
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "setup: creating Wine prefix $WINEPREFIX"
  "$CARDHOLD_WINE" wineboot --init >/dev/null 2>&1 || true
  "$CARDHOLD_WINESERVER" -w || true
fi
# A Windows program that crashes under test prints Wine's backtrace and ends, instead
# of waiting on the crash dialog, where nobody will click, until its test times out.
if ! grep -q '^"ShowCrashDialog"=dword:00000000' "$WINEPREFIX/user.reg" 2>/dev/null; then
  "$CARDHOLD_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >/dev/null 2>&1 || true
  "$CARDHOLD_WINESERVER" -w || true
fi

# A locale whose Windows code page is not 1252 (Wine takes it from LC_ALL): the
# code-page test runs the program under ru_RU.UTF-8, code page 1251.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
  echo "setup: generating the ru_RU.UTF-8 locale"
  $SUDO sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -qx 'ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi

# Wine's own "MS Sans Serif" has Windows' metrics; without it the dialog font falls
# back to a wider face and captions are cut. Wine 8 chooses it only from the
# prefix's Fonts folder, so the bitmap fonts of every code page go there: sserife*
# for 96 DPI, sseriff* for 120 DPI and above (Wine skips its ms_sans_serif.ttf, which
# holds only bitmaps).
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
for font in /usr/share/wine/fonts/sserif{e,f}*.fon; do
  cmp -s "$font" "$fonts/${font##*/}" || cp "$font" "$fonts/"
done
