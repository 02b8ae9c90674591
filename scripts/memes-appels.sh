#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whether a change leaves every drawing call and every exported file as it was: two test builds
# (cmake --preset test), one of the tree before and one after, compared on the scene's calls of
# 405 states × 60 frames (p, m, Y, the distributions and the five supplies), on slot-winding and
# double-star links (frames and stars of slots), and on kest-export's EMF, SVG, PNG and spectra.
#   scripts/memes-appels.sh <build dir before> <build dir after>
# Prints each difference and a last line "differences: N"; exits 1 when N > 0.
set -uo pipefail
avant=$1 apres=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/a" "$tmp/b"
differences=0
compare() {  # compare <what> <file name> <arguments of both runs...>
  local quoi=$1 nom=$2
  shift 2
  "$avant/$quoi" "$@" > "$tmp/a/$nom" 2>&1
  "$apres/$quoi" "$@" > "$tmp/b/$nom" 2>&1
  cmp -s "$tmp/a/$nom" "$tmp/b/$nom" || { echo "differ: $quoi $*"; differences=$((differences + 1)); }
}
paints=0
for p in 1 2 3; do for m in 1 2 3; do for y in 3.14159265358979 2 2.6; do for d in 0 1 2; do
  for k in 0 1 2 3; do
    compare tests/web/dump_calls s.json serie $p $m $y $d 7 111 60 $k - - - - - -
  done
  compare tests/web/dump_calls s.json serie $p $m $y $d 7 111 60 4 1 0.5 0.8 0 100 250
  paints=$((paints + 300))
done; done; done; done
for l in 'p=5&encoches=12&couches=2&pas=1' 'p=4&encoches=9&couches=2&pas=1&alimentation=monophasee' \
         'p=2&encoches=36&couches=1&pas=9' 'p=2&encoches=24&couches=2&pas=5&alimentation=inverse' \
         'p=3&m=2&distribution=double-etoile&alimentation=phase-coupee'; do
  compare tests/web/dump_calls l.json lien "https://x/#$l"
  compare tests/web/dump_calls l.json etoile "https://x/#$l"
done
fichiers=0
while read -r ligne; do
  for ext in emf svg png; do
    "$avant/cli/kest-export" $ligne --sortie "$tmp/a/f.$ext" > /dev/null 2>&1
    "$apres/cli/kest-export" $ligne --sortie "$tmp/b/f.$ext" > /dev/null 2>&1
    cmp -s "$tmp/a/f.$ext" "$tmp/b/f.$ext" || { echo "differ: $ligne ($ext)"; differences=$((differences + 1)); }
    fichiers=$((fichiers + 1))
  done
  compare cli/kest-export s.txt $ligne --spectre
  compare cli/kest-export s.json $ligne --spectre --format json
  fichiers=$((fichiers + 2))
done <<'L'
--ticks 0
--p 2 --m 3 --distribution reelle --ticks 25
--p 2 --m 3 --distribution reelle --alimentation inverse --ticks 12
--alimentation monophasee --ticks 12
--p 3 --distribution double-etoile --alimentation phase-coupee --ticks 30
--amplitudes 1,0.5,1 --dephasages 0,100,250 --ticks 5
--p 5 --encoches 12 --couches 2 --pas 1 --ticks 9
--p 2 --encoches 24 --couches 2 --pas 5 --alimentation monophasee
L
echo "paints: $paints, links: 5, files: $fichiers"
echo "differences: $differences"
[ "$differences" -eq 0 ]
