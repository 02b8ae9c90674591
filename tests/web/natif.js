// SPDX-License-Identifier: GPL-3.0-or-later
// The native pictures that the page's are compared with: kest-export's EMF read back into its
// calls (lire_emf) and its SVG, for the same arguments.
// Needs KEST_EXPORT and KEST_LIRE_EMF.
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { execFileSync } = require('node:child_process');

// The file that kest-export writes for these arguments, as `lire` reads it.
function exporte(extension, lire, args) {
  const dossier = fs.mkdtempSync(path.join(os.tmpdir(), 'kest-natif-'));
  try {
    const f = path.join(dossier, 'f.' + extension);
    execFileSync(process.env.KEST_EXPORT, [...args, '--sortie', f]);
    return lire(f);
  } finally {
    fs.rmSync(dossier, { recursive: true, force: true });
  }
}

// The calls of kest-export's EMF for these arguments.
const emf = (...args) => exporte('emf', (f) =>
  JSON.parse(execFileSync(process.env.KEST_LIRE_EMF, [f]).toString()), args);

// kest-export's SVG (Qt's SVG writer) for these arguments, as text.
const svg = (...args) => exporte('svg', (f) => fs.readFileSync(f, 'utf8'), args);

module.exports = { emf, svg };
