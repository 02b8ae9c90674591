#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# docs/moteur.gif: the single-phase motor's field from pulsating to circular as the capacitor
# grows, four stretches of a quarter period each, time running on. Needs a built kest-export
# (build-test by default) and ImageMagick's convert for the captions and the joining.
#   scripts/gif-moteur.sh [build dir]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
export_=${1:-$racine/build-test}/cli/kest-export
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
i=0
for c in ouvert 40 100 211.4; do
  "$export_" --machine monophasee --condensateur "$c" --rapport 2.568 --p 2 --distribution reelle \
    --ticks $((25 * i)) --images 25 --intervalle 100 --sortie "$tmp/s$i.gif"
  legende=$([ "$c" = ouvert ] && echo "ouvert (open)" || echo "${c/./,} µF")
  convert "$tmp/s$i.gif" -coalesce -gravity NorthWest -pointsize 16 \
    -annotate +440+432 "C = $legende, a = 2,568" "$tmp/a$i.gif"
  i=$((i + 1))
done
convert "$tmp"/a{0,1,2,3}.gif -layers Optimize "$racine/docs/moteur.gif"
