#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogue of texts, translations/kest_en.ts: French sources, English translations.
#   scripts/catalogue.sh            brings the catalogue up to date with the sources (new texts
#                                   come in unfinished, texts gone from the sources go); then
#                                   translate the new ones (Qt Linguist, or by hand in the file)
#   scripts/catalogue.sh --verifie  changes nothing; fails when a text of the sources is missing
#                                   from the catalogue or untranslated, or an entry is stale
# The model's and the scene's texts are found by the name Traduit, the page's by qsTranslate.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-}
[ -n "$lupdate" ] || lupdate=$(command -v lupdate6 || command -v lupdate || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
catalogue=$racine/translations/kest_en.ts
sources=("$racine"/app "$racine"/cli "$racine"/model "$racine"/render "$racine"/scene "$racine"/web)
options=(-silent -I "$racine" -locations none -extensions cpp,h,js -tr-function-alias QT_TRANSLATE_NOOP+=Traduit
         -source-language fr -target-language en)

if [ "${1:-}" != "--verifie" ]; then
    "$lupdate" "${options[@]}" -no-obsolete "${sources[@]}" -ts "$catalogue"
    exit 0
fi

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
cp "$catalogue" "$travail/kest_en.ts"
"$lupdate" "${options[@]}" "${sources[@]}" -ts "$travail/kest_en.ts" >/dev/null
# Each message on one line: its source and what lupdate made of its translation.
defauts=$(python3 - "$travail/kest_en.ts" <<'PY'
import sys, xml.etree.ElementTree as ET
for contexte in ET.parse(sys.argv[1]).getroot().iter("context"):
    nom = contexte.findtext("name")
    for m in contexte.iter("message"):
        t = m.find("translation")
        etat = t.get("type") if t is not None else "absente"
        if etat in ("unfinished", "vanished", "obsolete", "absente") or not (t.text or "").strip():
            quoi = {"unfinished": "non traduit", "vanished": "absent des sources",
                    "obsolete": "absent des sources"}.get(etat, "vide")
            print(f"{nom}: {m.findtext('source')!r}: {quoi}")
PY
)
if [ -n "$defauts" ]; then
    echo "$defauts"
    echo "translations/kest_en.ts is not up to date: run scripts/catalogue.sh and translate" >&2
    exit 1
fi
echo "catalogue complete: $(grep -c '<message' "$catalogue") texts translated"
