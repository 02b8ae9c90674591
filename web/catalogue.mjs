// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the catalogues of texts (translations/langues.txt and its catalogues), run
// by node:
//   node web/catalogue.mjs sources web/index.html   the page's French texts, written as
//       qsTranslate("page", …) calls, so that lupdate puts them in the catalogue beside the
//       scripts' and the programs' (scripts/catalogue.sh feeds it this output)
//   node web/catalogue.mjs table translations/langues.txt <site>/textes.js <folder>...   what
//       langue.js reads: the list of languages (code, menu label) and, for each language that
//       has a catalogue, every finished translation of the page's own texts and of the contexts
//       that the sources of the folders (the model's, the scene's, the module's) translate: the
//       windows' and the exporter's texts stay out of the page
// A text of index.html is a run of text and <u> (the access letter, written &X) between two
// other tags, or a data-hint, aria-label or description; translate="no" keeps an element's
// texts out. langue.js finds the same texts in the page.
import { readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';

const ENTITES = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'", nbsp: '\u00a0' };
const decode = (s) => s.replace(/&(#x[0-9a-f]+|#[0-9]+|[a-z]+);/gi, (m, e) => {
  if (e[0] === '#') return String.fromCodePoint(parseInt(e.slice(e[1] === 'x' ? 2 : 1), e[1] === 'x' ? 16 : 10));
  return ENTITES[e] !== undefined ? ENTITES[e] : m;
});

// The element with translate="no", whole, from its opening tag to its closing one.
function sansNonTraduits(html) {
  const ouvrant = /<([a-z0-9]+)\b[^>]*\btranslate="no"[^>]*>/i;
  for (let m; (m = ouvrant.exec(html));) {
    const nom = m[1].toLowerCase();
    const balise = new RegExp(`<(/?)${nom}\\b[^>]*>`, 'gi');
    balise.lastIndex = m.index + m[0].length;
    let profondeur = 1, fin = html.length;
    for (let b; profondeur > 0 && (b = balise.exec(html));) {
      profondeur += b[1] ? -1 : 1;
      fin = b.index + b[0].length;
    }
    html = html.slice(0, m.index) + html.slice(fin);
  }
  return html;
}

export function textesDeLaPage(html) {
  html = sansNonTraduits(html.replace(/<!--[\s\S]*?-->/g, '')
    .replace(/<(script|style|svg)\b[\s\S]*?<\/\1>/gi, ''));
  const textes = [];
  const ajoute = (t) => {
    t = t.trim();
    if (t && /\p{L}/u.test(t) && !textes.includes(t)) textes.push(t);
  };
  for (const m of html.matchAll(/\b(?:data-hint|aria-label)="([^"]*)"/g)) ajoute(decode(m[1]));
  for (const m of html.matchAll(/<meta name="description" content="([^"]*)"/g)) ajoute(decode(m[1]));
  const marque = html.replace(/<u>([^<]*)<\/u>/gi, '\u0001$1');
  for (const morceau of marque.split(/<[^>]*>/)) ajoute(decode(morceau).replace(/\u0001/g, '&'));
  return textes;
}

function sources(chemin) {
  const js = (t) => JSON.stringify(t);
  const lignes = textesDeLaPage(readFileSync(chemin, 'utf8'))
    .map((t) => `qsTranslate("page", ${js(t)});`);
  process.stdout.write(lignes.join('\n') + '\n');
}

// The rows of translations/langues.txt: code, catalogue ('-' for French, the source), Qt's own
// translation, the menu's label.
export function langues(chemin) {
  return readFileSync(chemin, 'utf8').split('\n').filter((l) => l.trim() && !l.startsWith('#'))
    .map((l) => {
      const [, code, catalogue, qt, libelle] = /^(\S+)\s+(\S+)\s+(\S+)\s+(.+?)\s*$/.exec(l);
      return { code, catalogue, qt, libelle };
    });
}

// A catalogue's finished translations, by context and source.
function traductions(ts) {
  const xml = readFileSync(ts, 'utf8');
  const table = {};
  for (const c of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const nom = decode(/<name>([\s\S]*?)<\/name>/.exec(c[1])[1]);
    for (const m of c[1].matchAll(/<message>([\s\S]*?)<\/message>/g)) {
      const source = /<source>([\s\S]*?)<\/source>/.exec(m[1]);
      const traduction = /<translation>([\s\S]*?)<\/translation>/.exec(m[1]);
      if (source && traduction) table[nom + '\u0004' + decode(source[1])] = decode(traduction[1]);
    }
  }
  return table;
}

// The contexts the C++ sources of the folders translate (Traduit, ATraduire), and the page's.
function contextes(dossiers) {
  const noms = new Set(['page']);
  for (const d of dossiers) {
    for (const f of readdirSync(d).filter((f) => /\.(cpp|h)$/.test(f))) {
      for (const m of readFileSync(join(d, f), 'utf8').matchAll(/\b(?:Traduit|ATraduire)\(\s*"([^"]+)"/g))
        noms.add(m[1]);
    }
  }
  return noms;
}

function table(liste, sortie, dossiers) {
  const lignes = langues(liste);
  const gardes = contextes(dossiers);
  const textes = {};
  for (const l of lignes.filter((l) => l.catalogue !== '-')) {
    textes[l.code] = Object.fromEntries(Object.entries(traductions(join(dirname(liste), l.catalogue)))
      .filter(([cle]) => gardes.has(cle.split('\u0004')[0])));
  }
  writeFileSync(sortie, '// Made from translations/langues.txt by web/catalogue.mjs: do not edit.\n' +
    `self.KestLangues = ${JSON.stringify(lignes.map((l) => ({ code: l.code, libelle: l.libelle })))};\n` +
    `self.KestTextes = ${JSON.stringify(textes)};\n`);
}

const [mode, a, b, ...dossiers] = process.argv.slice(2);
if (mode === 'sources') sources(a);
else if (mode === 'table') table(a, b, dossiers);
else {
  process.stderr.write('usage: node web/catalogue.mjs sources index.html | table langues.txt textes.js folder...\n');
  process.exit(2);
}
