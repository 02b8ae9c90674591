// SPDX-License-Identifier: GPL-3.0-or-later
// The page's one classic script made from its ES modules (web/assemble.mjs), on small modules
// written for each case. Run with: node --test tests/web/assemble.test.js
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const vm = require('node:vm');

// The script made from these modules, a.js first.
async function assemble(modules) {
  const { assemble } = await import(path.join(__dirname, '..', '..', 'web', 'assemble.mjs'));
  const dossier = fs.mkdtempSync(path.join(os.tmpdir(), 'kest-assemble-'));
  try {
    for (const [f, texte] of Object.entries(modules))
      fs.writeFileSync(path.join(dossier, f), texte);
    return assemble(path.join(dossier, 'a.js'));
  } finally {
    fs.rmSync(dossier, { recursive: true });
  }
}

test('each module runs once, after those it imports, strict, its names kept from the page', async () => {
  // d.js is imported twice; b.js reads it as it loads, c.js when called.
  const script = await assemble({
    'a.js': "import { B } from './b.js';\nimport { C, F } from './c.js';\n" +
      'self.vu = [B, C(), F, (function () { return this === undefined; })()];\n',
    'b.js': "import { D } from './d.js';\n\nexport const B = D.concat('b');\n",
    'c.js': "import { D, E } from './d.js';\nexport function C() {\n  return D.concat('c');\n}\n" +
      'export const F = E;\n',
    'd.js': "// d\nexport const { D, E } = { D: ['d'], E: 'e' };\n",
  });
  assert.doesNotMatch(script, /^\s*(import|export)\b/m);
  const page = {};
  page.self = page;
  vm.runInNewContext(script, page);
  assert.equal(JSON.stringify(page.vu), JSON.stringify([['d', 'b'], ['d', 'c'], 'e', true]));
  assert.deepEqual(Object.keys(page).sort(), ['self', 'vu']);
});

test('what the script could not run as the modules would is refused', async () => {
  const importeB = "import { B } from './b.js';\n";
  const CAS = [
    { nom: 'a name that the module does not export', erreur: /a\.js: b\.js exports no C$/,
      modules: { 'a.js': "import { B, C } from './b.js';\n", 'b.js': 'export const B = 1;\n' } },
    { nom: 'imports in a loop', erreur: /imports in a loop: b\.js -> c\.js -> b\.js$/,
      modules: { 'a.js': importeB,
        'b.js': "import { C } from './c.js';\nexport const B = 1;\n",
        'c.js': "import { B } from './b.js';\nexport const C = 1;\n" } },
    { nom: 'an import of another form',
      erreur: /a\.js: not understood: import B from '\.\/b\.js';$/,
      modules: { 'a.js': "import B from './b.js';\n", 'b.js': 'export const B = 1;\n' } },
    { nom: 'an export of another form', erreur: /b\.js: not understood: export \{ B \};$/,
      modules: { 'a.js': importeB, 'b.js': 'const B = 1;\nexport { B };\n' } },
    { nom: 'an export inside a block', erreur: /b\.js: not understood: export const B = 1;$/,
      modules: { 'a.js': importeB, 'b.js': '{\n  export const B = 1;\n}\n' } },
    { nom: 'a module that is not there', erreur: /ENOENT/,
      modules: { 'a.js': importeB } },
  ];
  for (const c of CAS) await assert.rejects(assemble(c.modules), c.erreur, c.nom);
});
