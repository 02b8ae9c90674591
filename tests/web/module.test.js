// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly module against the native program: the same state rules, the same drawing
// calls for a table of windings and ticks, the same conversions.
// Run with: KEST_SITE=<built site> KEST_TRACE=<kest_web_trace's folder> KEST_DUMP_CALLS=<dump_calls>
//   node --no-experimental-fetch --test
'use strict';
const { test, before } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const path = require('node:path');

const site = process.env.KEST_SITE;
const dump = process.env.KEST_DUMP_CALLS;
const web = path.join(__dirname, '..', '..', 'web');
const { ouvrir } = require(path.join(web, 'noyau.js')).KestNoyau;
const createKestModule = require(path.join(site, 'kest-module.js'));
// The same module with Frontieres.h force-included, as dump_calls is: it also names the calls of
// a frame that rest on a conversion at a whole pixel.
const createKestTrace = require(path.join(process.env.KEST_TRACE, 'kest-module.js'));

let noyau; // the page's module
let trace;
before(async () => {
  noyau = await ouvrir(createKestModule);
  trace = await ouvrir(createKestTrace);
});

// The marked calls of the test module's frame for its state and these views, as one flag per
// call.
function marquesTrace(n, v) {
  const M = trace.M;
  const nb = M._kest_marque(v.vecteurs ? 1 : 0, v.onde ? 1 : 0, v.bobinage ? 1 : 0);
  const debut = M._kest_marques() >> 2;
  const marques = new Uint8Array(n);
  for (const i of M.HEAP32.subarray(debut, debut + nb)) marques[i] = 1;
  return marques;
}

// The table's distribution (0 Parfaite, 1 Réelle, 2 Double étoile) as the radio buttons' flags.
const boutons = (d) => [d === 1, d === 2];

function natif(...args) {
  return JSON.parse(execFileSync(dump, args.map(String), { maxBuffer: 1 << 28 }).toString());
}

// w and n: the module's and the native calls; marques: the module's flags, frontieres: the
// native indices of marked calls.
function compare(w, n, marques, frontieres, ou, bilan) {
  assert.equal(w.length, n.length, ou);
  for (const i of frontieres) marques[i] = 1;
  for (let k = 0; k < w.length; ++k) {
    const a = w[k];
    const b = n[k];
    bilan.marques += marques[k];
    if (a.length === b.length && a.every((v, j) => v === b[j])) continue;
    // sin and cos may differ in their last bit between the two C libraries; that moves a pixel
    // only where a real value lies on a whole pixel, which one side or the other has marked:
    // then one pixel at most on each coordinate.
    const texte = `${ou}, appel ${k} : ${JSON.stringify(a)} au lieu de ${JSON.stringify(b)}`;
    assert.ok(marques[k], `${texte}, sans troncature à une frontière`);
    assert.ok(a.length === b.length && a[0] === b[0], texte);
    for (let j = 1; j < a.length; ++j)
      assert.ok(typeof a[j] === 'number' ? Math.abs(a[j] - b[j]) <= 1 : a[j] === b[j], texte);
    ++bilan.ecarts;
  }
  bilan.appels += w.length;
}

// The supply of a row: [kind] for a radio button (0 Équilibrée .. 4 Libre, as the module counts
// them), or [4, a1, a2, a3, d1, d2, d3] for Enter in the free fields; none for the default.
function alimente(m, alim) {
  if (!alim) return;
  if (alim.length === 1) m.choisirAlimentation(alim[0]);
  else m.appliquerAlimentation(alim.slice(1, 4), alim.slice(4), '.');
}
const pourNatif = (alim) => (!alim ? [] : alim.length === 1 ? [alim[0], '-', '', '', '', '', '']
  : alim);

// Runs the same texts, distribution (0 Parfaite, 1 Réelle, 2 Double étoile), supply, ticks and
// views on both sides, for `frames` frames one tick apart.
function comparePlusieurs(texte, d, ticks, vues, frames, bilan, alim) {
  const lignes = execFileSync(dump, ['serie', ...texte, d, ticks, vues, frames,
    ...pourNatif(alim)].map(String), { maxBuffer: 1 << 30 }).toString().trim().split('\n');
  assert.equal(lignes.length, frames);
  trace.reinitialise();
  const erreur = texte[0] === 'defaut' ? null : trace.appliquer(...texte, ...boutons(d), '.');
  alimente(trace, alim);
  trace.avancer(ticks);
  const v = { vecteurs: vues[0] === '1', onde: vues[1] === '1', bobinage: vues[2] === '1' };
  lignes.forEach((ligne, f) => {
    const n = JSON.parse(ligne);
    if (f > 0) trace.avancer(1);
    const appels = trace.appels(trace.dessine(v));
    const e = trace.etat();
    const ou = `${texte.join(' ')} (${d}), ${ticks + f} ticks, vues ${vues}`;
    assert.equal(erreur, n.erreur, ou);
    assert.deepEqual([e.p, e.m, e.Y, e.t], [n.etat.p, n.etat.m, n.etat.Y, n.etat.t], ou);
    compare(appels, n.appels, marquesTrace(appels.length, v), n.frontieres, ou, bilan);
  });
}

// The page's module draws what the test module draws: the trace only counts.
function memeQueLaPage(texte, d, ticks, vues, alim) {
  const v = { vecteurs: vues[0] === '1', onde: vues[1] === '1', bobinage: vues[2] === '1' };
  const appels = [];
  for (const m of [noyau, trace]) {
    m.reinitialise();
    if (texte[0] !== 'defaut') m.appliquer(...texte, ...boutons(d), '.');
    alimente(m, alim);
    m.avancer(ticks);
    appels.push(m.appels(m.dessine(v)));
  }
  assert.deepEqual(appels[0], appels[1], `${texte.join(' ')} (${d}), ${ticks} ticks`);
}

test('the module\'s calls are the native program\'s', () => {
  const bilan = { appels: 0, marques: 0, ecarts: 0 };
  // Five windings over two supply periods, every view on.
  for (const [texte, d] of [[['defaut', '', ''], 0], [['2', '3', '2.5'], 1],
    [['3', '1', '3.14159265358979'], 2], [['4', '5', '2.5'], 0], [['8', '8', '3'], 2]])
    comparePlusieurs(texte, d, 0, '111', 200, bilan);
  // The views, the rules' edge rows and failures, and the largest winding.
  for (const [texte, d, ticks, vues] of [
    [['defaut', '', ''], 0, 1000, '010'], [['1', '4', '2'], 0, 77, '101'],
    [['4', '2', '1e-3'], 1, 3, '000'], [['2', '-2', '3'], 0, 11, '110'],
    [['1', '0', '3'], 0, 9, '111'], [['abc', '5', '1'], 2, 20, '111'],
    [['2', '2', '1e309'], 1, 4, '011'], [['99', '99', '3'], 2, 33, '111']]) {
    comparePlusieurs(texte, d, ticks, vues, 1, bilan);
    memeQueLaPage(texte, d, ticks, vues);
  }
  // The supplies other than the balanced one: every kind, and free values (Enter).
  for (const [texte, d, ticks, vues, alim] of [
    [['defaut', '', ''], 0, 0, '111', [1]], [['2', '3', '2.5'], 1, 17, '111', [2]],
    [['1', '4', '2'], 2, 40, '110', [3]],
    [['defaut', '', ''], 0, 23, '111', [4, '0.5', '1.5', '2', '10', '100', '250']],
    [['3', '2', '3'], 1, 5, '011', [4, '1', '0', '1', '0', '90', '180']]]) {
    comparePlusieurs(texte, d, ticks, vues, 40, bilan, alim);
    memeQueLaPage(texte, d, ticks, vues, alim);
  }
  console.log(`# ${bilan.appels} appels comparés, ${bilan.marques} marqués (troncature à ` +
    `moins de 1e-9 d'un entier), ${bilan.ecarts} différents d'un pixel`);
  assert.ok(bilan.appels > 1e6, 'the table must be large enough for the bound to mean something');
  assert.ok(bilan.ecarts <= bilan.appels / 100000, `${bilan.ecarts} écarts pour ${bilan.appels}`);
});

test('with both flags set, the double star wins (state, panel, picture)',
  () => {
    const v = { vecteurs: true, onde: true, bobinage: true };
    const image = (reelle, doubleEtoile) => {
      noyau.reinitialise();
      noyau.choisirDistribution(reelle, doubleEtoile);
      return noyau.appels(noyau.dessine(v));
    };
    const seule = image(false, true);
    assert.notDeepEqual(image(true, false), seule);
    assert.deepEqual(image(true, true), seule);
    assert.equal(noyau.etat().distribution, 'Double étoile');
    const s = noyau.saisieAffichee(',');
    assert.deepEqual([s.p, s.m, s.Y, s.reelle, s.doubleEtoile],
      ['1', '2', '3,14159265358979', false, true]);
  });

// The links that every edition reads: tests/support/liens.json.
const LIENS = require(path.join(__dirname, '..', 'support', 'liens.json'));

test('a link is read as on the desktop and in kest-export, and written back the same', () => {
  const bilan = { appels: 0, marques: 0, ecarts: 0 };
  for (const lien of LIENS) {
    // The command line's strict reading, which kest and kest-export share.
    const n = natif('lien', lien);
    assert.equal(n.erreur, undefined, lien);
    const images = [];
    for (const m of [noyau, trace]) {
      const c = m.lisLien(lien, '.');
      assert.deepEqual(c.refus, [], lien);
      // The page writes the interval back from its speed bar, which the clock's rule sets.
      m.regleIntervalle(c.intervalle);
      const e = m.etat();
      assert.deepEqual([e.p, e.m, e.Y, e.t, c.vues, c.intervalle, c.enMarche],
        [n.etat.p, n.etat.m, n.etat.Y, n.etat.t, n.vues, n.intervalle, n.enMarche], lien);
      const ecrit = m.ecrisLien(c.vues, c.enMarche);
      assert.equal(ecrit, n.lien, lien);
      images.push(m.appels(m.dessine(c.vues)));
      if (m === trace) {
        compare(images[1], n.appels, marquesTrace(images[1].length, c.vues), n.frontieres, lien,
          bilan);
      }
      // Written back, the link forms the same configuration and writes itself again.
      const r = m.lisLien('#' + ecrit, '.');
      m.regleIntervalle(r.intervalle);
      assert.deepEqual([m.etat(), r.vues, r.intervalle, r.enMarche],
        [{ ...e, t: 0 }, c.vues, c.intervalle, c.enMarche], ecrit);
      assert.equal(m.ecrisLien(r.vues, r.enMarche), ecrit);
      m.regleIntervalle(60);
    }
    assert.deepEqual(images[0], images[1], lien);
  }
  console.log(`# liens : ${bilan.appels} appels comparés, ${bilan.marques} marqués, ` +
    `${bilan.ecarts} différents d'un pixel`);
});

// The links that every edition refuses, with the message of the one parser:
// tests/support/liens_refuses.json.
test('a link is refused with the same message as on the desktop and in kest-export', () => {
  for (const { lien, message } of require(path.join(__dirname, '..', 'support',
    'liens_refuses.json'))) {
    assert.equal(natif('lien', lien).erreur, message, lien);
    assert.deepEqual(noyau.lisLien(lien, '.').refus, [message], lien);
  }
});

function versDouble(hexa) {
  const v = new DataView(new ArrayBuffer(8));
  v.setBigUint64(0, BigInt('0x' + hexa));
  return v.getFloat64(0);
}

test('Y is written as on the desktop', () => {
  const lignes = execFileSync(process.env.KEST_ECRIRE_REELS || dump.replace(/dump_calls$/,
    'ecrire_reels'), ['100000', '7'], { maxBuffer: 1 << 26 }).toString().trim().split('\n');
  assert.equal(lignes.length, 100000);
  for (const l of lignes) {
    const [bits, texte] = l.split(' ');
    assert.equal(noyau.reelVersTexte(versDouble(bits), '.'), texte, bits);
  }
  assert.equal(noyau.reelVersTexte(Math.PI, ','), '3,14159265358979');
  assert.equal(noyau.reelVersTexte(2.5e-5, '.'), '2.5E-5');
});

test('Y is read as on the desktop, up to the extended rounding', () => {
  const n = 100000;
  const cas = natif('lire', n, 11);
  let arrondis = 0;
  for (const [texte, lu, correct] of cas) {
    const r = noyau.texteVersReel(texte, '.');
    if (typeof lu === 'object') {
      assert.equal(r.erreur, lu.erreur, texte);
      continue;
    }
    if (Object.is(r.valeur, versDouble(lu))) continue;
    // The desktop forms the number in 80-bit extended precision and rounds it again to a
    // double; the module's 128-bit long double rounds correctly instead: one unit in the last
    // place, and the module's value is the correctly rounded one.
    assert.ok(Object.is(r.valeur, versDouble(correct)), texte);
    const a = BigInt('0x' + lu);
    const v = new DataView(new ArrayBuffer(8));
    v.setFloat64(0, r.valeur);
    const d = v.getBigUint64(0) - a;
    assert.ok(d === 1n || d === -1n, texte);
    ++arrondis;
  }
  console.log(`# ${n} textes lus, ${arrondis} arrondis étendus différents`);
  assert.ok(arrondis < n / 1000);
  assert.equal(noyau.texteVersReel('3,5', ',').valeur, 3.5);
  assert.match(noyau.texteVersReel('3.5', ',').erreur, /'3.5' n'est pas une valeur en virgule/);
});

test('a slot winding is named by the state, and refused as the two other editions refuse it',
  () => {
    noyau.reinitialise();
    assert.equal(noyau.etat().bobinage, 'classique');
    assert.equal(noyau.appliquer('5', '2', '3.14159265358979', false, false, '.'), null);
    assert.equal(noyau.appliquerEncoches('12', '2', '1'), null);
    assert.deepEqual([noyau.etat().bobinage, noyau.etat().encoches, noyau.etat().couches,
      noyau.etat().pas], ['encoches', 12, 2, 1]);
    assert.equal(noyau.choisirBobinage(0), null);
    assert.equal(noyau.etat().bobinage, 'classique');
    for (const lien of ['#encoches=10', '#p=6&encoches=12', '#p=4&encoches=9&couches=1',
      '#encoches=12&pas=0', '#p=5&encoches=12&pas=7']) {
      const n = natif('lien', lien);
      assert.ok(n.erreur, lien);
      const c = noyau.lisLien(lien, '.');
      assert.deepEqual(c.refus, [n.erreur], lien);
      // The panel's Enter over the same numbers says the same and changes nothing.
      const cle = (k, d) => (new URLSearchParams(lien.slice(1))).get(k) || d;
      const avant = noyau.etat();
      assert.equal(noyau.appliquerEncoches(cle('encoches', '12'), cle('couches', '2'),
        cle('pas', '1')), n.erreur, lien);
      assert.deepEqual(noyau.etat(), avant, lien);
    }
    noyau.reinitialise();
  });

// The "Bobinage" panel's star is the scene's own: the module's list against the native
// DessineEtoile calls, for windings with and without a periodicity, one layer and two. Between
// two stars the picture's list is untouched, and the picture's frame stays readable.
test('the Bobinage panel\'s star of slots is drawn with the native scene\'s calls',
  () => {
    noyau.reinitialise();
    const image = noyau.dessine({ vecteurs: true, onde: true, bobinage: true });
    const avant = noyau.appels(image);
    for (const lien of ['p=5&encoches=12&couches=2&pas=1', 'p=4&encoches=9&couches=2&pas=1',
      'p=2&encoches=24&couches=1&pas=6', 'p=2&encoches=36&couches=2&pas=7']) {
      assert.deepEqual(noyau.lisLien('#' + lien, '.').refus, [], lien);
      const etoile = noyau.dessineEtoile();
      assert.deepEqual(noyau.appels(etoile), natif('etoile', lien).appels, lien);
      noyau.dessineEtoile();
      assert.throws(() => noyau.appels(etoile), /image remplacée/, lien);
    }
    assert.deepEqual(noyau.appels(image), avant);
    noyau.reinitialise();
  });

// What a designer reads beside the star, from the model: q = Q/(6p), the periodicity gcd(Q, p)
// and the slot table, a row per layer.
test('the Bobinage panel reads q, the periodicity and the slot table from the module', () => {
  const cas = [
    ['p=5&encoches=12&couches=2&pas=1', '2/5', 1,
      ['A+ B+ B− C− C+ A+ A− B− B+ C+ C− A−', 'A+ A− B− B+ C+ C− A− A+ B+ B− C− C+']],
    ['p=2&encoches=24&couches=1&pas=6', '2', 2,
      ['A+ A+ C− C− B+ B+ A− A− C+ C+ B− B− A+ A+ C− C− B+ B+ A− A− C+ C+ B− B−']],
    ['p=4&encoches=9&couches=2&pas=1', '3/8', 1, null],
  ];
  for (const [lien, q, periodicite, table] of cas) {
    noyau.lisLien('#' + lien, '.');
    const l = noyau.lectureEncoches();
    assert.deepEqual([l.q, l.periodicite], [q, periodicite], lien);
    assert.equal(l.table.length, noyau.etat().couches, lien);
    for (const rangee of l.table) assert.equal(rangee.length, noyau.etat().encoches, lien);
    if (table) assert.deepEqual(l.table.map((r) => r.join(' ')), table, lien);
  }
  // The classic winding kept, p = 6 leaves the slot members of no winding: no table.
  noyau.reinitialise();
  assert.equal(noyau.appliquer('6', '1', '3.14159265358979', false, false, '.'), null);
  const l = noyau.lectureEncoches();
  assert.deepEqual([l.periodicite, l.table], [0, []]);
  noyau.reinitialise();
});

// The page's scripts are ES modules from web/kest.js down, made one classic script at build
// time, where they share one scope: there a name of another module used without its import, or
// a module placed before one it imports, runs until the order of the script changes. The names
// of the page's two other scripts (textes.js, kest-module.js) are read from `self`.
test('each page module imports the names it uses, and the page\'s script holds it once after its imports', () => {
  const fs = require('node:fs');
  const script = fs.readFileSync(path.join(site, 'kest.js'), 'utf8');
  assert.doesNotMatch(script, /^\s*(import|export)\b/m);
  const NOM = /(?<![.\w])(Kest[A-Z]\w*|qsTranslate|createKestModule)\b/g;
  const liste = (noms) => noms.replace(/[{}]/g, '').split(',').map((n) => n.trim());
  const place = {};
  const importe = {};
  const modules = ['kest.js'];
  for (const f of modules) {
    const source = fs.readFileSync(path.join(web, f), 'utf8');
    const imports = Array.from(source.matchAll(/^import \{(.*)\} from '\.\/(.*)';$/gm));
    const exportes = Array.from(source.matchAll(/^export (?:const|function) (\{.*?\}|\w+)/gm))
      .flatMap((m) => liste(m[1]));
    const code = source.replace(/^import .*\n/gm, '').replace(/^export /gm, '').trim();
    const noms = Array.from(code.replace(/^\s*\/\/.*$/gm, '').matchAll(NOM), (m) => m[1]);
    assert.deepEqual(Array.from(new Set(noms)).filter((n) => !exportes.includes(n)).sort(),
      imports.flatMap((m) => liste(m[1])).sort(), f);
    place[f] = script.indexOf(code);
    assert.ok(place[f] >= 0 && script.indexOf(code, place[f] + 1) < 0, `${f} once in the script`);
    importe[f] = imports.map((m) => m[2]);
    for (const g of importe[f]) if (!modules.includes(g)) modules.push(g);
  }
  for (const [f, liste] of Object.entries(importe))
    for (const g of liste) assert.ok(place[g] < place[f], `${f} comes after ${g}`);
});
