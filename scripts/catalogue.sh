#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogues of texts, one per language of translations/langues.txt (translations/kest_en.ts…):
# French sources, their translations.
#   scripts/catalogue.sh            brings the catalogues up to date with the sources (new texts
#                                   come in unfinished, texts gone from the sources go); then
#                                   translate the new ones (Qt Linguist, or by hand in the file)
#   scripts/catalogue.sh --verifie  changes nothing; fails when a text of the sources is missing
#                                   from a catalogue or untranslated, or an entry is stale
# The programs' texts are found in tr() and translate() calls, the model's and the scene's by
# the name Traduit, the page's scripts' by qsTranslate (in their one classic script, made by
# web/assemble.mjs: lupdate reads no ES module), and index.html's by web/catalogue.mjs.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-}
[ -n "$lupdate" ] || lupdate=$(command -v lupdate || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
node=$(command -v node || command -v nodejs) || { echo "node is missing: scripts/deps.sh test" >&2; exit 1; }
# The list's rows: code, catalogue ("-" for the source language, the first row), Qt's, label.
mapfile -t lignes < <(grep -v '^#' "$racine/translations/langues.txt" | awk 'NF >= 4 { print $1, $2 }')
source_=${lignes[0]%% *}

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
"$node" "$racine/web/catalogue.mjs" sources "$racine/web/index.html" >"$travail/page.js"
"$node" "$racine/web/assemble.mjs" "$racine/web/kest.js" "$travail/scripts.js"
sources=("$racine"/app "$racine"/cli "$racine"/model "$racine"/render "$racine"/scene
         "$racine"/web/*.cpp "$racine"/web/*.h "$travail/page.js" "$travail/scripts.js")
options=(-silent -I "$racine" -locations none -extensions cpp,h,js
         -tr-function-alias QT_TRANSLATE_NOOP+=Traduit,QT_TRANSLATE_NOOP+=ATraduire
         -source-language "$source_")

echec=0
for ligne in "${lignes[@]:1}"; do
    code=${ligne%% *}
    catalogue=$racine/translations/${ligne#* }
    if [ "${1:-}" != "--verifie" ]; then
        "$lupdate" "${options[@]}" -target-language "$code" -no-obsolete "${sources[@]}" -ts "$catalogue"
        continue
    fi
    cp "$catalogue" "$travail/verifie.ts"
    "$lupdate" "${options[@]}" -target-language "$code" "${sources[@]}" -ts "$travail/verifie.ts" >/dev/null
    # Each faulty message on one line: its context, its source and what is wrong with it.
    "$node" - "$travail/verifie.ts" "${catalogue#"$racine"/}" <<'JS' || echec=1
const xml = require('fs').readFileSync(process.argv[2], 'utf8');
const nomCatalogue = process.argv[3];
const defauts = [];
let total = 0;
for (const c of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
  const nom = /<name>([\s\S]*?)<\/name>/.exec(c[1])[1];
  for (const m of c[1].matchAll(/<message>([\s\S]*?)<\/message>/g)) {
    ++total;
    const source = (/<source>([\s\S]*?)<\/source>/.exec(m[1]) || [])[1];
    const t = /<translation( type="(\w+)")?>([\s\S]*?)<\/translation>|<translation( type="(\w+)")?\/>/.exec(m[1]);
    const type = t ? t[2] || t[5] : 'absente';
    const texte = t ? t[3] || '' : '';
    if (type === 'unfinished') defauts.push(`${nom}: ${source}: non traduit`);
    else if (type === 'vanished' || type === 'obsolete') defauts.push(`${nom}: ${source}: absent des sources`);
    else if (!texte.trim()) defauts.push(`${nom}: ${source}: traduction vide`);
  }
}
if (defauts.length) {
  console.log(defauts.join('\n'));
  console.error(`${nomCatalogue} is not up to date: run scripts/catalogue.sh and translate`);
  process.exit(1);
}
console.log(`${nomCatalogue} complete: ${total} texts translated`);
JS
done
exit "$echec"
