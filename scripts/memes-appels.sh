#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whether a change leaves every drawing call and every exported file as it was: two test builds
# (cmake --preset test), one of the tree before and one after, compared on the scene's calls of
# 405 states × 60 frames (p, m, Y, the distributions and the five supplies), on slot-winding and
# double-star links (frames and stars of slots), and on kest-export's EMF, SVG, PNG and spectra.
#   scripts/memes-appels.sh <build dir before> <build dir after>
# The spectra's JSON is compared number by number, to 1e-12: a transform may round differently
# (the orders a winding lacks come out as 1e-17 or as 0). Prints each difference and a last line
# "differences: N"; exits 1 when N > 0.
set -uo pipefail
avant=$1 apres=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/a" "$tmp/b"
differences=0
proches() {  # proches <json> <json>: the same document, numbers within 1e-12
  python3 - "$1" "$2" <<'PY'
import json, sys
def egal(a, b):
    if isinstance(a, (int, float)) and isinstance(b, (int, float)) and not isinstance(a, bool):
        return abs(a - b) <= 1e-12
    if isinstance(a, dict) and isinstance(b, dict):
        return a.keys() == b.keys() and all(egal(a[k], b[k]) for k in a)
    if isinstance(a, list) and isinstance(b, list):
        return len(a) == len(b) and all(egal(x, y) for x, y in zip(a, b))
    return a == b
sys.exit(0 if egal(*(json.load(open(f)) for f in sys.argv[1:3])) else 1)
PY
}
compare() {  # compare <what> <file name> <arguments of both runs...>
  local quoi=$1 nom=$2
  shift 2
  "$avant/$quoi" "$@" > "$tmp/a/$nom" 2>&1
  "$apres/$quoi" "$@" > "$tmp/b/$nom" 2>&1
  if [ "$nom" = spectre.json ]; then proches "$tmp/a/$nom" "$tmp/b/$nom"; else cmp -s "$tmp/a/$nom" "$tmp/b/$nom"; fi ||
    { echo "differ: $quoi $*"; differences=$((differences + 1)); }
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
# Slot windings and the double star under every supply, at three instants.
liens=5
for w in 'p=5&encoches=12&couches=2&pas=1' 'p=4&encoches=9&couches=2&pas=1' 'p=2&encoches=36&couches=1&pas=9' \
         'p=2&encoches=24&couches=2&pas=5' 'p=1&encoches=18&couches=2&pas=7' 'p=3&encoches=54&couches=1&pas=9' \
         'p=1&m=2&distribution=double-etoile' 'p=2&m=3&Y=2.6&distribution=double-etoile' \
         'p=3&m=1&distribution=double-etoile'; do
  for a in equilibree inverse monophasee phase-coupee 'libre&amplitudes=1,0.5,0.8&dephasages=0,100,250'; do
    for t in 0 7 33; do
      compare tests/web/dump_calls l.json lien "https://x/#$w&alimentation=$a&ticks=$t"
      liens=$((liens + 1))
    done
  done
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
  compare cli/kest-export spectre.json $ligne --spectre --format json
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
--p 4 --encoches 9 --couches 2 --pas 1 --alimentation phase-coupee --ticks 21
--p 2 --m 3 --distribution double-etoile --amplitudes 1,0.5,1 --dephasages 0,100,250 --ticks 5
L
echo "paints: $paints, links: $liens, files: $fichiers"
echo "differences: $differences"
[ "$differences" -eq 0 ]
