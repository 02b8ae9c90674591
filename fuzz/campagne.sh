#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The long fuzz campaign (not run in CI): each target in turn, at the lowest priority, for a
# number of executions capped by a time budget, on a copy of its committed corpus. The corpus
# grown is then minimised (-merge=1 into a fresh folder) and replaces fuzz/corpus/<target>;
# the coverage of the minimised corpus is listed function by function. Logs and the record
# go to build-fuzz/campagne/; the figures are copied by hand into fuzz/README.md.
# Usage: fuzz/campagne.sh [executions per target, default 10000000] [seconds cap, default 2700]
#        CIBLES="fuzz_etat" fuzz/campagne.sh ...   to run only some targets
set -uo pipefail
cd "$(dirname "$0")/.."
executions="${1:-10000000}"
plafond="${2:-2700}"
cibles="${CIBLES:-fuzz_conversions fuzz_etat fuzz_bobinage}"

cmake --preset fuzz >/dev/null || exit 1
nice -n 19 cmake --build build-fuzz -j2 --target fuzz_conversions fuzz_etat fuzz_bobinage >/dev/null || exit 1

dossier=build-fuzz/campagne
mkdir -p "$dossier"
bilan="$dossier/bilan.txt"
echec=0
for cible in $cibles; do
  dict="fuzz/${cible#fuzz_}.dict"
  travail="$dossier/$cible-travail"
  minimal="$dossier/$cible-minimal"
  rm -rf "$travail" "$minimal"
  cp -r "fuzz/corpus/$cible" "$travail"
  mkdir -p "$minimal"
  journal="$dossier/$cible.log"
  debut=$(date +%s)
  nice -n 19 build-fuzz/fuzz/"$cible" "$travail" -dict="$dict" -runs="$executions" \
    -max_total_time="$plafond" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$dossier/$cible-" >"$journal" 2>&1
  rc=$?
  duree=$(($(date +%s) - debut))
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$journal")"
  cov="$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$journal" | tail -1)"
  {
    echo "$cible: ${runs:-?} executions in ${duree} s ($(date -u +%FT%TZ)), ${cov:-cov: ?}, rc=$rc"
  } | tee -a "$bilan"
  if [ "$rc" -ne 0 ]; then
    echec=1
    tail -n 40 "$journal"
    continue
  fi

  nice -n 19 build-fuzz/fuzz/"$cible" -merge=1 "$minimal" "$travail" \
    >"$dossier/$cible-merge.log" 2>&1 || { echec=1; continue; }
  # The minimised corpus replayed once: its coverage, and which of our functions it reaches.
  nice -n 19 build-fuzz/fuzz/"$cible" "$minimal" -runs=0 -print_coverage=1 \
    >"$dossier/$cible-couverture.log" 2>&1
  fichiers=$(find "$minimal" -type f | wc -l)
  octets=$(cat "$minimal"/* | wc -c)
  couvert=$(grep -c '^COVERED_FUNC' "$dossier/$cible-couverture.log")
  noncouvert=$(grep '^UNCOVERED_FUNC' "$dossier/$cible-couverture.log" | grep -c '/\(model\|scene\)/')
  # Edges of our own code (model/ and scene/) reached, summed over the functions listed.
  aretes=$(grep -E '^(UN)?COVERED_FUNC' "$dossier/$cible-couverture.log" | grep '/\(model\|scene\)/' |
    sed -E 's/.* edges: ([0-9]+)\/([0-9]+) .*/\1 \2/' | awk '{a += $1; b += $2} END {print a "/" b}')
  cov_min="$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$dossier/$cible-couverture.log" | tail -1)"
  echo "$cible: minimised to $fichiers files, $octets bytes, $cov_min;" \
    "functions covered: $couvert, edges of model/ and scene/: $aretes," \
    "functions of model/ and scene/ never reached: $noncouvert" |
    tee -a "$bilan"
  rm -rf "fuzz/corpus/$cible"
  cp -r "$minimal" "fuzz/corpus/$cible"
done
exit "$echec"
