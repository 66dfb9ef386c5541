#!/usr/bin/env bash
# Prints each GoogleTest suite's count from its XML report, then one closing line
# "N passed, N failed" over all of them.
set -uo pipefail
total_pass=0 total_fail=0
for build in "$@"; do
  for xml in "$build"/test-results/*.xml; do
    [[ -f "$xml" ]] || continue
    line=$(grep -m1 -o '<testsuites [^>]*>' "$xml")
    tests=$(sed -n 's/.* tests="\([0-9]*\)".*/\1/p' <<<"$line")
    failures=$(sed -n 's/.* failures="\([0-9]*\)".*/\1/p' <<<"$line")
    errors=$(sed -n 's/.* errors="\([0-9]*\)".*/\1/p' <<<"$line")
    disabled=$(sed -n 's/.* disabled="\([0-9]*\)".*/\1/p' <<<"$line")
    skipped=$(grep -c '<skipped' "$xml")
    failed=$((failures + errors))
    passed=$((tests - failed - disabled - skipped))
    printf '%-28s %5d passed, %d failed\n' "$(basename "$xml" .xml):" "$passed" "$failed"
    total_pass=$((total_pass + passed)); total_fail=$((total_fail + failed))
  done
done
echo "$total_pass passed, $total_fail failed"
