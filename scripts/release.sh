#!/usr/bin/env bash
# Makes a release from the committed sources, with the i686 preset the tests use, in a
# fresh folder, and writes into build/release/:
#   cardhold-VERSION-win32.zip   the folder cardhold-VERSION/: cardhold.exe,
#                                cardhold-cli.exe, README.txt (the user guide),
#                                LICENSE.txt, CHANGELOG.txt
#   cardhold-VERSION-win32.msi   the installer
#   SHA256SUMS                   both sums, as sha256sum -c reads them
# The bytes are a function of the commit alone: every time in them is the commit's date.
# The build's whole output is kept in OUT-build.log (build/release-build.log); while it
# runs, a line every 30 seconds says how far it is.
#
#   scripts/release.sh [--out DIR]
#   scripts/release.sh --from-worktree --out DIR   the files as they are now, committed or
#       not: for the check that two builds agree (scripts/check-reproducible.sh), never
#       for a release
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=$root/build/release
from_worktree=0
while [ $# -gt 0 ]; do
  case "$1" in
    --out) out=$(realpath -m "$2"); shift 2 ;;
    --from-worktree) from_worktree=1; shift ;;
    *) echo "usage: scripts/release.sh [--out DIR] [--from-worktree]" >&2; exit 2 ;;
  esac
done

git rev-parse --git-dir >/dev/null 2>&1 || { echo "release: not a git repository" >&2; exit 1; }
if [ $from_worktree -eq 0 ] && [ -n "$(git status --porcelain)" ]; then
  echo "release: the tree has uncommitted changes; commit or stash them first:" >&2
  git status --short >&2
  exit 1
fi

say() { echo "release: $*"; }
say "checking the tools (scripts/setup.sh)"
bash scripts/setup.sh

log=${out%/}-build.log
mkdir -p "$(dirname "$log")"
work=$(mktemp -d "${TMPDIR:-/tmp}/cardhold-release.XXXXXXXX")
builder=""
trap '[ -z "$builder" ] || kill "$builder" 2>/dev/null || true; rm -rf "$work"' EXIT
src=$work/cardhold
say "copying the sources of commit $(git rev-parse --short HEAD)$([ $from_worktree -eq 1 ] && echo ' with the files as they are now') to $src"
mkdir "$src"
if [ $from_worktree -eq 1 ]; then
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null -T - -cf - | tar -xf - -C "$src"
else
  git archive --format=tar HEAD | tar -xf - -C "$src"
fi

# Zip stores local times; the commit's date, in UTC, is every file's time.
export TZ=UTC LC_ALL=C SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct HEAD)
say "building the i686 release (several minutes); the whole output goes to $log"
(
  cd "$src"
  cmake --preset i686 -DCARDHOLD_TESTS=OFF -DCARDHOLD_SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH"
  cmake --build --preset i686 --target cardhold_release
) >"$log" 2>&1 &
builder=$! start=$SECONDS told=$SECONDS
# Ninja's "[DONE/ALL] what" lines tell how far the build is.
while kill -0 "$builder" 2>/dev/null; do
  sleep 2
  [ $((SECONDS - told)) -ge 30 ] || continue
  told=$SECONDS
  step=$(grep -o '^\[[0-9]*/[0-9]*\] .*' "$log" | tail -n 1 | cut -c1-100)
  say "still building after $((SECONDS - start))s: ${step:-configuring}"
done
status=0
wait "$builder" || status=$?
builder=""
if [ $status -ne 0 ]; then
  tail -n 40 "$log" >&2
  say "the build failed; its whole output is in $log" >&2
  exit 1
fi
say "built in $((SECONDS - start))s"

mkdir -p "$out"
rm -f "$out"/cardhold-*-win32.zip "$out"/cardhold-*-win32.msi "$out/SHA256SUMS"
files=()
for made in "$src"/build/i686/packaging/cardhold-*-win32.zip "$src"/build/i686/packaging/cardhold-*-win32.msi; do
  cp "$made" "$out/"
  files+=("${made##*/}")
done
(cd "$out" && sha256sum "${files[@]}" > SHA256SUMS)

echo "release: wrote, from commit $(git rev-parse --short HEAD)$([ $from_worktree -eq 1 ] && echo ' and the files as they are now'):"
for file in "${files[@]}" SHA256SUMS; do
  printf '  %s  %s bytes\n' "$out/$file" "$(stat -c %s "$out/$file")"
done
sed 's/^/  /' "$out/SHA256SUMS"
