#!/usr/bin/env bash
# Zips a staged release folder the same to the byte every time: the folder entry first,
# then the files in byte order of their names; fixed permissions (0755 folder, 0644
# files, whatever the umask); every time the given one (the commit's date), stored as
# UTC; no extra fields (owner, Unix times).
#
#   make_zip.sh STAGED_FOLDER OUT.zip SOURCE_DATE_EPOCH
set -euo pipefail
folder=$1 out=$2 epoch=$3
export TZ=UTC LC_ALL=C
parent=$(dirname "$folder") top=$(basename "$folder")
chmod 0755 "$folder"
find "$folder" -type f -exec chmod 0644 {} +
find "$folder" -exec touch -h -d "@$epoch" {} +
rm -f "$out"
out=$(realpath "$out")
(cd "$parent" && { echo "$top/"; find "$top" -type f | sort; } | zip -X -q -9 -@ "$out")
