#!/usr/bin/env bash
# run_scenario.sh RUNNER SCENARIO WORKDIR
# Runs one scenario in an empty WORKDIR and compares stdout with SCENARIO's .expected
# file byte for byte. A .status file beside it gives the expected exit status (else 0).
set -u
runner=$1 scenario=$2 work=$3
base=${scenario%.scenario}
rm -rf "$work" && mkdir -p "$work"
cd "$work" || exit 1
"$runner" < "$scenario" > actual.out 2> actual.err
status=$?
want_status=0
[ -f "$base.status" ] && want_status=$(cat "$base.status")
ok=1
if ! cmp -s actual.out "$base.expected"; then
  echo "output differs from $base.expected:"; diff -a "$base.expected" actual.out | head -40; ok=0
fi
if [ "$status" != "$want_status" ]; then
  echo "exit status $status, expected $want_status; stderr:"; cat actual.err; ok=0
fi
[ $ok = 1 ] && echo "scenario $(basename "$base") passed"
[ $ok = 1 ]
