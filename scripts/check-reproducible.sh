#!/usr/bin/env bash
# Builds the release twice from the same files, in two fresh folders, with two umasks,
# one after the other, and fails when the two zips differ (and says which entries).
# The installers are compared too, and must match as well. Each program in the zip is
# named with its sum, and a program missing from it fails the check.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/reproducible
# Compiled for real both times: a compiler cache would hand the second build the
# first one's objects.
export CCACHE_DISABLE=1
rm -rf "$out"
(umask 022 && bash scripts/release.sh --from-worktree --out "$out/a" >/dev/null)
(umask 077 && bash scripts/release.sh --from-worktree --out "$out/b" >/dev/null)
status=0
for a in "$out"/a/cardhold-*; do
  b=$out/b/${a##*/}
  if cmp -s "$a" "$b"; then
    echo "same bytes: ${a##*/} ($(stat -c %s "$a") bytes, sha256 $(sha256sum "$a" | cut -c1-64))"
  else
    echo "DIFFERENT: ${a##*/} from two builds of the same files" >&2
    # The entries' permissions, times, sizes and sums.
    entries() { { unzip -Z "$1" && unzip -v "$1"; } | grep -v '^Archive:'; }
    [[ "$a" == *.zip ]] && diff <(entries "$a") <(entries "$b") >&2 || true
    status=1
  fi
done
# Each program in the zip, named with its sum: the same zip means the same programs.
for program in cardhold.exe cardhold-cli.exe cardhold-tools.exe; do
  zip=$(ls "$out"/a/cardhold-*.zip)
  entry=$(unzip -Z1 "$zip" | grep "/$program\$" || true)
  if [ -z "$entry" ]; then
    echo "MISSING: $program in ${zip##*/}" >&2
    status=1
  else
    echo "  $program: sha256 $(unzip -p "$zip" "$entry" | sha256sum | cut -c1-64)"
  fi
done
exit $status
