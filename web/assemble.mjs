// SPDX-License-Identifier: GPL-3.0-or-later
// The page's scripts are ES modules that import one another (web/kest.js first); a page opened
// from file:// may not load module scripts, so the build makes them one classic script:
//   node web/assemble.mjs web/kest.js <site>/kest.js
// Each module comes once, after the modules it imports; its import lines go, `export` leaves
// its declarations, and one function holds the whole, so that a module's names stay the page's
// own. Only the forms written here are read: `import { A, B } from './x.js';` on one line, and
// `export const`, `export const { A, B }` or `export function` at the start of a line; anything
// else that imports or exports is refused, as is a name imported that its module lacks, or a
// loop of imports.
import { readFileSync, writeFileSync } from 'node:fs';
import { basename, dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const IMPORT = /^import \{([\w\s,]+)\} from '\.\/([\w-]+\.js)';\n/gm;
const EXPORT = /^export (const|function) (\{[\w\s,]+\}|\w+)/gm;
const noms = (liste) => liste.replace(/[{}]/g, '').split(',').map((n) => n.trim()).filter(Boolean);

// A module's source: what it imports ({fichier, noms}), the names it exports, and its code
// with neither its import lines nor `export`.
export function lis(chemin) {
  const imports = [];
  const exports = [];
  const code = readFileSync(chemin, 'utf8')
    .replace(IMPORT, (_, n, fichier) => {
      imports.push({ fichier: fichier, noms: noms(n) });
      return '';
    })
    .replace(EXPORT, (_, mot, n) => {
      exports.push(...noms(n));
      return mot + ' ' + n;
    });
  const reste = /^\s*(import|export)\b.*/m.exec(code);
  if (reste) throw new Error(`${chemin}: not understood: ${reste[0].trim()}`);
  return { chemin: chemin, imports: imports, exports: exports, code: code };
}

// The modules that `entree` reaches, each after those it imports.
export function ordonne(entree) {
  const lus = new Map();
  const enCours = [];
  function visite(chemin) {
    if (lus.has(chemin)) return lus.get(chemin);
    if (enCours.includes(chemin)) {
      const boucle = enCours.slice(enCours.indexOf(chemin)).concat(chemin).map((c) => basename(c));
      throw new Error(`imports in a loop: ${boucle.join(' -> ')}`);
    }
    enCours.push(chemin);
    const m = lis(chemin);
    for (const i of m.imports) {
      const source = visite(join(dirname(chemin), i.fichier));
      for (const n of i.noms)
        if (!source.exports.includes(n)) throw new Error(`${chemin}: ${i.fichier} exports no ${n}`);
    }
    enCours.pop();
    lus.set(chemin, m);
    return m;
  }
  visite(entree);
  return Array.from(lus.values());
}

// The classic script of the modules that `entree` reaches.
export function assemble(entree) {
  const parties = ordonne(entree).map((m) => `// ${basename(m.chemin)}\n${m.code.trim()}\n`);
  return `// Made by web/assemble.mjs from ${basename(entree)} and the modules it imports.\n` +
    `(function () {\n'use strict';\n\n${parties.join('\n')}})();\n`;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [entree, sortie] = process.argv.slice(2);
  if (!sortie) {
    process.stderr.write('usage: node web/assemble.mjs web/kest.js <site>/kest.js\n');
    process.exit(2);
  }
  writeFileSync(sortie, assemble(entree));
}
