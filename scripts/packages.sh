# Sourced, never run: installs Debian packages on a machine whose package mirror may
# be half-synced. `apt-get update` often fails on one index for a while ("File has
# unexpected size ... Mirror sync in progress?"); the other indexes still load, but
# multi-arch packages (wine32's i386 libraries) may then be known only in versions
# older than the installed amd64 ones, and an install fails until it is pinned to the
# release's own suite.
#
#   install_packages PACKAGE...
#
# Installs what is missing; returns 1, naming each package still missing and why,
# only when something could not be installed. Settings (for the tests' stand-ins):
#   CARDHOLD_APT_TRIES  how many times `apt-get update` is tried (default 3)
#   CARDHOLD_APT_PAUSE  seconds between those tries (default 20)
#   CARDHOLD_OS_RELEASE the file that names the release (default /etc/os-release)

package_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

# The release's own suite, "bookworm" on Debian 12.
release_suite() {
  (. "${CARDHOLD_OS_RELEASE:-/etc/os-release}" 2>/dev/null && echo "${VERSION_CODENAME:-}")
}

apt_update_with_retries() {
  local tries=${CARDHOLD_APT_TRIES:-3} pause=${CARDHOLD_APT_PAUSE:-20} try
  for ((try = 1; try <= tries; try++)); do
    $SUDO apt-get update -q && return 0
    [ "$try" -lt "$tries" ] && { echo "setup: apt-get update failed (try $try of $tries); again in ${pause}s"; sleep "$pause"; }
  done
  echo "setup: apt-get update failed $tries times; going on with the package lists it did load"
}

apt_install() {
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "$@"
}

install_packages() {
  local missing=() still=() p suite reason
  for p in "$@"; do package_installed "$p" || missing+=("$p"); done
  [ ${#missing[@]} -eq 0 ] && return 0

  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  apt_update_with_retries
  suite=$(release_suite || true)
  if ! apt_install "${missing[@]}"; then
    if [ -n "$suite" ]; then
      echo "setup: the install failed; trying once more from the release's own suite ($suite)"
      apt_install -t "$suite" "${missing[@]}" || true
    fi
  fi

  for p in "${missing[@]}"; do package_installed "$p" || still+=("$p"); done
  [ ${#still[@]} -eq 0 ] && return 0
  for p in "${still[@]}"; do
    # Each alone, so the reason is this package's own.
    reason=$(apt_install ${suite:+-t "$suite"} "$p" 2>&1 | grep -E '^E: |Depends:' | head -n 2 | tr '\n' ' ' || true)
    package_installed "$p" && continue
    echo "setup: $p is still missing: ${reason:-apt-get gave no reason}" >&2
  done
  for p in "${still[@]}"; do package_installed "$p" || return 1; done
}
