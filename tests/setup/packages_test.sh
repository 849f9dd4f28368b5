#!/usr/bin/env bash
# The set-up's package step against stand-in apt-get, dpkg and dpkg-query on PATH (no
# real package manager is touched): a mirror whose update always fails, an install
# that fails until pinned to the release's suite, an install that always fails; then
# the whole setup.sh with the same stand-ins.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

mkdir -p "$work/bin"
# The stand-ins keep their state in $STATE: `installed` (one package a line), `log`.
cat >"$work/bin/dpkg-query" <<'EOF'
#!/bin/bash
grep -qx "${!#}" "$STATE/installed" 2>/dev/null && printf 'install ok installed'
EOF
cat >"$work/bin/dpkg" <<'EOF'
#!/bin/bash
[ "$1" = --print-foreign-architectures ] && echo i386
exit 0
EOF
cat >"$work/bin/apt-get" <<'EOF'
#!/bin/bash
echo "apt-get $*" >>"$STATE/log"
case "$1" in
  update) [ "$UPDATE" = ok ] && exit 0
          echo "E: Failed to fetch .../binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"; exit 100 ;;
  install) pinned=no; [[ " $* " == *" -t bookworm "* ]] && pinned=yes
           if [ "$INSTALL" = always-fails ] || { [ "$INSTALL" = fails-unpinned ] && [ $pinned = no ]; }; then
             echo " wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed"
             echo "E: Unable to correct problems, you have held broken packages."; exit 100; fi
           for arg in "$@"; do case "$arg" in install|-*|bookworm) ;; *) echo "$arg" >>"$STATE/installed" ;; esac; done ;;
esac
EOF
chmod +x "$work/bin/"*
echo 'VERSION_CODENAME=bookworm' >"$work/os-release"

# run_case NAME UPDATE INSTALL STATUS EXPECTED_LOG: install_packages of two packages,
# one of them installed already; the status and the stand-in's whole log compared.
run_case() {
  local name=$1 status
  export STATE="$work/$name" UPDATE=$2 INSTALL=$3
  mkdir -p "$STATE" && echo cmake >"$STATE/installed"
  (SUDO="" CARDHOLD_APT_TRIES=3 CARDHOLD_APT_PAUSE=0 CARDHOLD_OS_RELEASE="$work/os-release" \
    PATH="$work/bin:$PATH" bash -c ". '$root/scripts/packages.sh'; install_packages cmake wine32" \
    >"$STATE/out" 2>&1)
  status=$?
  if [ "$status" != "$4" ] || [ "$(cat "$STATE/log")" != "$5" ]; then
    echo "FAIL $name: status $status (expected $4), apt-get calls:"; cat "$STATE/log"; cat "$STATE/out"
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

run_case update-always-fails fails ok 0 "apt-get update -q
apt-get update -q
apt-get update -q
apt-get install -y -q --no-install-recommends wine32"
run_case install-fails-once ok fails-unpinned 0 "apt-get update -q
apt-get install -y -q --no-install-recommends wine32
apt-get install -y -q --no-install-recommends -t bookworm wine32"
run_case install-always-fails ok always-fails 1 "apt-get update -q
apt-get install -y -q --no-install-recommends wine32
apt-get install -y -q --no-install-recommends -t bookworm wine32
apt-get install -y -q --no-install-recommends -t bookworm wine32"
if ! grep -q "setup: wine32 is still missing: .*Depends: libwine" "$work/install-always-fails/out"; then
  echo "FAIL install-always-fails: the message does not name the package and why"; failures=$((failures + 1))
fi

# The whole set-up, every package missing at first, the mirror half-synced. Runs as
# root in CI, so no sudo resets PATH; its Wine prefix and locale steps find their work
# done by the test command's own set-up.
export STATE="$work/whole" UPDATE=fails INSTALL=fails-unpinned
mkdir -p "$STATE" && : >"$STATE/installed"
if CARDHOLD_APT_PAUSE=0 CARDHOLD_OS_RELEASE="$work/os-release" PATH="$work/bin:$PATH" \
  bash "$root/scripts/setup.sh" >"$STATE/out" 2>&1 && grep -qx wine32 "$STATE/installed"; then
  echo "ok   whole-setup"
else
  echo "FAIL whole-setup:"; cat "$STATE/out"; failures=$((failures + 1))
fi

echo "$((5 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
