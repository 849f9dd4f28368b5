#!/usr/bin/env bash
# Builds the installer with wixl, then gives it the package code and times of this
# commit (fixed_msi_summary.py says why). wixl takes its sources relative to the
# current folder.
#
#   make_msi.sh OUT.msi PACKAGE-CODE SOURCE_DATE_EPOCH WIXL-ARGUMENTS...
set -euo pipefail
out=$1 package_code=$2 epoch=$3
shift 3
start=$(date +%s)
wixl -o "$out" "$@"
python3 "$(dirname "$0")/fixed_msi_summary.py" "$out" "$package_code" "$epoch" "$start"
