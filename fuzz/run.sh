#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with the "fuzz" preset and runs each for a bounded time on a
# copy of its seed corpus (the committed corpus never grows). Exits non-zero on any crash,
# timeout or memory blow-up; the failing input is kept in build-fuzz/artifacts/.
# Usage: fuzz/run.sh [seconds per target, default 60]
set -uo pipefail
cd "$(dirname "$0")/.."
secondes="${1:-60}"

cmake --preset fuzz >/dev/null || exit 1
cmake --build build-fuzz -j2 --target fuzz_conversions fuzz_etat fuzz_bobinage >/dev/null || exit 1

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir -p build-fuzz/artifacts
echec=0
for cible in fuzz_conversions fuzz_etat fuzz_bobinage; do
  dict="fuzz/${cible#fuzz_}.dict"
  cp -r "fuzz/corpus/$cible" "$tmp/$cible"
  journal="build-fuzz/artifacts/$cible.log"
  build-fuzz/fuzz/"$cible" "$tmp/$cible" -dict="$dict" -max_total_time="$secondes" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$cible-" \
    >"$journal" 2>&1
  rc=$?
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$journal")"
  cov="$(grep -oE 'cov: [0-9]+' "$journal" | tail -1)"
  echo "$cible: ${runs:-?} executions in ${secondes} s, ${cov:-cov: ?}, rc=$rc"
  if [ "$rc" -ne 0 ]; then
    echec=1
    tail -n 40 "$journal"
  fi
done
exit "$echec"
