// SPDX-License-Identifier: GPL-3.0-or-later
// The page in headless Chromium, driven as a student would: clicks, keys and the options panel,
// read back through kest.state(), kest.calls() and the canvas pixels.
// Run with: KEST_SITE=<built site> KEST_DUMP_CALLS=<dump_calls> NODE_PATH=<node_modules> node --test
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');
const { execFileSync } = require('node:child_process');
const { lanceNavigateur, sert } = require('./navigateur.js');
const { emf } = require('./natif.js');

const site = process.env.KEST_SITE;
const PAS = 0.06283185307179587 / (100 * 3.141592653589793);  // one tick of t
let navigateur;
let serveur;
let url;
let page;
const erreurs = [];

async function ouvre(p, adresse) {
  await p.goto(adresse, { waitUntil: 'load' });
  await p.evaluate(() => kest.pret);
}
const image = (p) => p.evaluate(() => new Promise((ok) =>
  requestAnimationFrame(() => requestAnimationFrame(ok))));
const etat = (p) => p.evaluate(() => kest.state());

// The colour of the canvas at a point of the 700 × 500 picture.
function pixel(p, x, y) {
  return p.evaluate((x, y) => {
    const c = document.getElementById('image');
    const e = c.width / 700;
    return Array.from(c.getContext('2d').getImageData(Math.floor((x + 0.5) * e),
      Math.floor((y + 0.5) * e), 1, 1).data.slice(0, 3));
  }, x, y);
}
const bleu = ([r, g, b]) => b > 180 && r < 100 && g < 100;

function surveille(p) {
  p.on('console', (m) => { if (m.type() === 'error') erreurs.push(m.text()); });
  p.on('pageerror', (e) => erreurs.push(String(e)));
}

before(async () => {
  serveur = await sert(site);
  url = `http://127.0.0.1:${serveur.address().port}/`;
  navigateur = await lanceNavigateur();
  page = await navigateur.newPage();
  surveille(page);
  await page.setViewport({ width: 760, height: 640, deviceScaleFactor: 1 });
  await ouvre(page, url);
});

after(async () => {
  if (navigateur) await navigateur.close();
  if (serveur) serveur.close();
});

test('the first picture has the blue phasor right of the Fresnel diagram\'s centre', async () => {
  const e = await etat(page);
  assert.deepEqual([e.p, e.m, e.t, e.distribution, e.enMarche, e.intervalle],
    [1, 2, 0, 'Parfaite', false, 60]);
  // At t = 0 phase 0's phasor runs from (400, 100) to (440, 100).
  assert.ok(bleu(await pixel(page, 420, 100)), String(await pixel(page, 420, 100)));
  assert.ok(!bleu(await pixel(page, 420, 110)));
  const appels = await page.evaluate(() => kest.calls());
  assert.deepEqual(appels.filter((a) => a[0] === 'TextOut').map((a) => a[3]),
    ['Fresnel', 'Vecteur spatial']);
  assert.equal(await page.$eval('#SpeedButton1', (b) => b.textContent), 'Play');
  if (process.env.KEST_CAPTURE)
    await (await page.$('#fenetre')).screenshot({ path: process.env.KEST_CAPTURE });
});

test('Play and Stop advance t by whole steps, and the calls are the desktop\'s',
  async () => {
    await page.click('#SpeedButton1');
    assert.equal(await page.$eval('#SpeedButton1', (b) => b.textContent), 'Stop');
    await new Promise((r) => setTimeout(r, 500));
    await page.click('#SpeedButton1');
    assert.equal(await page.$eval('#SpeedButton1', (b) => b.textContent), 'Play');
    const t = (await etat(page)).t;
    const ticks = Math.round(t / PAS);
    assert.ok(ticks >= 2, `${ticks} ticks`);
    let somme = 0;
    for (let i = 0; i < ticks; ++i) somme = PAS + somme;
    assert.equal(t, somme);
    await new Promise((r) => setTimeout(r, 300));
    assert.equal((await etat(page)).t, t, 'stopped: t stays');
    await image(page);
    await page.evaluate(() => kest.tick(0));
    const natif = JSON.parse(execFileSync(process.env.KEST_DUMP_CALLS,
      ['scene', 'defaut', '', '', '0', String(ticks), '111']).toString());
    const appels = await page.evaluate(() => kest.calls());
    assert.equal(appels.length, natif.appels.length);
    const ecarts = appels.filter((a, k) => JSON.stringify(a) !== JSON.stringify(natif.appels[k]));
    assert.ok(ecarts.length <= 2, JSON.stringify(ecarts));
  });

test('the speed bar sets the interval from 10 to 200 ms', async () => {
  async function ticksEn(ms) {
    const t0 = (await etat(page)).t;
    await menu(page, 3, '#Play1');
    await new Promise((r) => setTimeout(r, ms));
    await menu(page, 3, '#Stop1');
    return Math.round(((await etat(page)).t - t0) / PAS);
  }
  await page.focus('#ScrollBar1');
  await page.keyboard.press('Home');
  assert.equal((await etat(page)).intervalle, 10);
  const rapide = await ticksEn(800);
  await page.focus('#ScrollBar1');
  await page.keyboard.press('End');
  assert.equal((await etat(page)).intervalle, 200);
  const lent = await ticksEn(800);
  assert.ok(rapide > 3 * lent && lent >= 1 && lent <= 5, `${rapide} puis ${lent} ticks`);
  await page.focus('#ScrollBar1');
  await page.keyboard.press('ArrowLeft');
  assert.equal((await etat(page)).intervalle, 199);
});

test('each check box removes its view', async () => {
  const compte = async () => {
    await image(page);
    const a = await page.evaluate(() => kest.calls());
    return { tout: a.length, conducteurs: a.filter((c) => c[0] === 'Ellipse' &&
      c[3] - c[1] === 8).length };
  };
  const avant = await compte();
  assert.ok(avant.conducteurs > 0);
  for (const [id, cle] of [['#CheckBoxAfficheBobinage', 'bobinage'],
    ['#CheckBoxAfficheOnde', 'onde'], ['#CheckBoxAfficheVect', 'vecteurs']]) {
    await page.click(id);
    const c = await compte();
    assert.equal((await etat(page)).vues[cle], false);
    assert.ok(c.tout < avant.tout, id);
    if (cle === 'bobinage') assert.equal(c.conducteurs, 0);
    await page.click(id);
    assert.deepEqual(await compte(), avant, id);
  }
});

// Chooses an item of the n-th menu of the menu bar.
async function menu(p, n, id) {
  await p.click(`.menu:nth-child(${n}) .titre-menu`);
  await p.click(id);
}

async function saisit(p, id, texte) {
  await p.click(id, { clickCount: 3 });
  await p.evaluate((id) => { document.querySelector(id).value = ''; }, id);
  await p.type(id, texte);
  await p.keyboard.press('Enter');
  await image(p);
}

test('p = 2 through the options panel, and « abc » refused in French with nothing changed',
  async () => {
    await menu(page, 4, '#Dimensions1');
    assert.equal(await page.$eval('#IDC_Y', (e) => e.value), '3.14159265358979');
    assert.equal(await page.$eval('#RBParfaite', (e) => e.checked), true);
    await saisit(page, '#IDC_p', '2');
    assert.equal((await etat(page)).p, 2);
    // The axis of phase 0 ends at (549, 50) with two pole pairs.
    const appels = await page.evaluate(() => kest.calls());
    const k = appels.findIndex((a) => a[0] === 'MoveTo' && a[1] === 500 && a[2] === 100);
    assert.deepEqual(appels[k + 1], ['LineTo', 549, 50]);

    const avant = await etat(page);
    await saisit(page, '#IDC_p', 'abc');
    assert.equal(await page.$eval('#ErreurDlg', (d) => d.open), true);
    assert.equal(await page.$eval('#ErreurTexte', (d) => d.textContent),
      '\'abc\' n\'est pas une valeur entière correcte.');
    const apres = await etat(page);
    assert.deepEqual([apres.p, apres.m, apres.Y, apres.distribution],
      [avant.p, avant.m, avant.Y, avant.distribution]);
    await page.click('#ErreurDlg button');
    assert.equal(await page.$eval('#ErreurDlg', (d) => d.open), false);

    await page.click('#RBDoubleetoile');
    assert.equal((await etat(page)).distribution, 'Double étoile');
    await page.click('#FermerOptions');
    assert.equal(await page.$eval('#OptionsDlg', (d) => d.hidden), true);
  });

test('Monophasée through the Alimentation panel, and a refused amplitude changes nothing',
  async () => {
    await menu(page, 4, '#Alimentation1');
    assert.equal(await page.$eval('#AlimentationDlg', (d) => d.hidden), false);
    assert.equal(await page.$eval('#RBAlimentation0', (e) => e.checked), true);
    await page.click('#RBAlimentation2');
    await image(page);
    const avant = await etat(page);
    assert.equal(avant.alimentation, 'Monophasée');
    const textes = (await page.evaluate(() => kest.calls()))
      .filter((a) => a[0] === 'TextOut').map((a) => a[3]);
    assert.ok(textes.includes('direct') && textes.includes('inverse'), JSON.stringify(textes));

    const v = (t) => t.replace('.', avant.separateur);
    await saisit(page, '#IDC_amplitude1', v('2.5'));
    assert.equal(await page.$eval('#ErreurTexte', (d) => d.textContent),
      `Amplitude 1 : '${v('2.5')}' n'est pas une amplitude correcte (0 à 2).`);
    // The wrong field is named and not stored; the correct ones are, and "Libre" is chosen.
    const apres = await etat(page);
    assert.deepEqual([apres.alimentation, apres.amplitudes, apres.dephasages],
      ['Libre', [1, 1, 1], [0, 120, 240]]);
    await page.click('#ErreurDlg button');

    await saisit(page, '#IDC_amplitude1', '1');
    await saisit(page, '#IDC_amplitude2', v('0.5'));
    const libre = await etat(page);
    assert.deepEqual([libre.alimentation, libre.amplitudes], ['Libre', [1, 0.5, 1]]);
    // "Libre", the table's last row.
    assert.equal(await page.$eval('#GroupeAlimentation label:last-child input', (e) => e.checked),
      true);
    await page.click('#RBAlimentation0');
    await page.click('#FermerAlimentation');
    assert.equal(await page.$eval('#AlimentationDlg', (d) => d.hidden), true);
    assert.equal((await etat(page)).alimentation, 'Équilibrée');
  });

test('the single-phase motor through its panel: machine, start, slider and Enter redraw it; ' +
  'a refused reactance changes nothing', async () => {
  await menu(page, 4, '#Moteur1');
  assert.equal(await page.$eval('#MoteurDlg', (d) => d.hidden), false);
  assert.equal(await page.$eval('#GroupeMoteur', (d) => d.disabled), true);
  const triphase = await page.evaluate(() => kest.calls());
  await page.click('#RBMachine1');
  await image(page);
  assert.deepEqual([(await etat(page)).machine, (await etat(page)).demarrage], [1, 0]);
  const quadrature = await page.evaluate(() => kest.calls());
  assert.notDeepEqual(quadrature, triphase);
  // The quadrature start uses the capacitor that the mark shows.
  const curseur = () => page.$eval('#CurseurCondensateur', (e) => [Number(e.value),
    Number(e.max), getComputedStyle(document.getElementById('MarqueQuadrature'))
      .getPropertyValue('--marque'), e.getAttribute('aria-valuetext')]);
  const [position, pas, marque, texte] = await curseur();
  assert.equal(position / pas, Number(marque));
  assert.match(texte, /^C = 211.4 µF$/);

  // The slider moved: "Libre" at once, the design numbers and the picture follow.
  const conception = await page.$eval('#Conception', (e) => e.textContent);
  await page.$eval('#CurseurCondensateur', (e) => {
    e.value = String(Math.round(Number(e.max) / 4));
    e.dispatchEvent(new Event('input'));
  });
  await image(page);
  assert.equal((await etat(page)).demarrage, 3);
  assert.ok((await page.$eval('#RBDemarrage3', (e) => e.checked)));
  assert.notEqual(await page.$eval('#Conception', (e) => e.textContent), conception);
  assert.equal((await curseur())[2], marque);  // the mark stays at the quadrature capacitor
  const libre = await page.evaluate(() => kest.calls());
  assert.notDeepEqual(libre, quadrature);

  await saisit(page, '#IDC_rapport', '3');
  assert.match(await page.$eval('#Conception', (e) => e.textContent), /a = 3.000/);
  const trois = await page.evaluate(() => kest.calls());
  assert.notDeepEqual(trois, libre);
  await saisit(page, '#IDC_Xm', '0');
  assert.match(await page.$eval('#ErreurTexte', (d) => d.textContent), /^X_m : '0' /);
  await page.click('#ErreurDlg button');
  assert.deepEqual(await page.evaluate(() => kest.calls()), trois);
  assert.equal(await page.$eval('#IDC_Xm', (e) => e.value), '0');

  await page.click('#RBMachine0');
  await image(page);
  assert.deepEqual(await page.evaluate(() => kest.calls()), triphase);
  await page.click('#FermerMoteur');
});

test('Par encoches through the Bobinage panel: 10 slots refused with nothing changed, then 12/10',
  async () => {
    const p0 = String((await etat(page)).p);
    await menu(page, 4, '#Dimensions1');
    await saisit(page, '#IDC_p', '5');
    await page.click('#FermerOptions');
    await menu(page, 4, '#Bobinage1');
    assert.equal(await page.$eval('#BobinageDlg', (d) => d.hidden), false);
    assert.equal(await page.$eval('#RBBobinage0', (e) => e.checked), true);
    await saisit(page, '#IDC_encoches', '10');
    assert.equal(await page.$eval('#ErreurTexte', (d) => d.textContent),
      '10 encoches ne forment pas de bobinage triphasé : le nombre d\'encoches doit être un ' +
      'multiple de 3.');
    await page.click('#ErreurDlg button');
    assert.equal((await etat(page)).bobinage, 'classique');

    await saisit(page, '#IDC_encoches', '12');
    const e = await etat(page);
    assert.deepEqual([e.bobinage, e.encoches, e.couches, e.pas, e.p], ['encoches', 12, 2, 1, 5]);
    assert.equal(await page.$eval('#RBBobinage1', (b) => b.checked), true);
    assert.equal(await page.$eval('#NomEncoches', (d) => d.textContent),
      '12 encoches, p = 5, 2 couche(s), pas de 1 encoche(s)');
    await page.waitForFunction(() => location.hash.includes('encoches=12'));
    // 24 conductor circles on the stator's two rings, 8 of phase 1 on the space-vector circle.
    const cercles = (await page.evaluate(() => kest.calls()))
      .filter((a) => a[0] === 'Ellipse' && a[3] - a[1] === 8);
    assert.equal(cercles.length, 32);
    // What a designer reads: q, the periodicity, the slot table and the star of slots drawn.
    const lecture = () => page.evaluate(() => {
      const texte = (s) => Array.from(document.querySelectorAll(s), (x) => x.textContent);
      const toile = document.getElementById('Etoile');
      const px = toile.getContext('2d').getImageData(0, 0, toile.width, toile.height).data;
      let colores = 0;  // pixels of a phase's colour: red, green or blue alone
      for (let i = 0; i < px.length; i += 4) {
        const [r, g, b] = [px[i], px[i + 1], px[i + 2]];
        colores += (r > 150 && g < 90 && b < 90) || (g > 100 && r < 90 && b < 90) ||
          (b > 150 && r < 90 && g < 90);
      }
      return { q: texte('#EncochesParPole')[0], periodicite: texte('#Periodicite')[0],
        numeros: texte('#TableEncoches thead th'),
        couches: texte('#TableEncoches tbody th'),
        haut: texte('#TableEncoches tbody tr:first-child td').join(' '),
        rapport: toile.width / toile.height, colores: colores,
        rapportAffiche: toile.getBoundingClientRect().width / toile.getBoundingClientRect().height };
    });
    let l = await lecture();
    assert.deepEqual([l.q, l.periodicite, l.numeros.length, l.numeros[12], l.couches, l.haut],
      ['2/5', '1', 13, '12', ['Couche haute', 'Couche basse'],
        'A+ B+ B− C− C+ A+ A− B− B+ C+ C− A−']);
    for (const r of [l.rapport, l.rapportAffiche])
      assert.ok(Math.abs(r - 490 / 459) < 0.02, String(r));
    assert.ok(l.colores > 100, String(l.colores));
    await saisit(page, '#IDC_couches', '1');
    assert.deepEqual((await lecture()).couches, ['Couche unique']);
    await saisit(page, '#IDC_couches', '2');

    await page.click('#RBBobinage0');
    assert.equal((await etat(page)).bobinage, 'classique');
    // A new p in the Dimensions panel: the open panel reads the slot members again.
    await menu(page, 4, '#Dimensions1');
    await saisit(page, '#IDC_p', '4');
    l = await lecture();
    assert.deepEqual([l.q, l.periodicite], ['1/2', '4']);
    // 12 slots and 6 pole pairs make no three-phase winding: no periodicity, no table.
    await saisit(page, '#IDC_p', '6');
    l = await lecture();
    assert.deepEqual([l.q, l.periodicite, l.couches], ['1/3', '—', []]);
    await page.click('#FermerOptions');
    await page.click('#FermerBobinage');
    assert.equal(await page.$eval('#BobinageDlg', (d) => d.hidden), true);
    await menu(page, 4, '#Dimensions1');
    await saisit(page, '#IDC_p', p0);
    await page.click('#FermerOptions');
  });

// The slot table edited by taps: each tap turns a cell to its next side and the picture, what the
// table tells and the address follow; Ctrl+Z and « Refaire » step back and forth; a state that refuses the
// custom winding (the single-phase motor) refuses the tap with nothing changed.
test('taps on the slot table edit the custom winding, which undoes, redoes and refuses',
  async () => {
    const p = await navigateur.newPage();
    surveille(p);
    await p.setViewport({ width: 760, height: 640, deviceScaleFactor: 1 });
    await ouvre(p, url);
    await menu(p, 4, '#Bobinage1');
    await p.click('#RBBobinage1');
    await image(p);
    const vue = () => p.evaluate(() => ({ appels: kest.calls(), bobinage: kest.state().bobinage,
      cases: Array.from(document.querySelectorAll('#TableEncoches td button'), (b) => b.textContent),
      diagnostic: document.getElementById('DiagnosticEncoches').textContent,
      boutons: [document.getElementById('AnnulerBobinage').disabled,
        document.getElementById('RefaireBobinage').disabled] }));
    const encoches = await vue();
    assert.deepEqual(encoches.boutons, [true, true]);
    const caseA = '#TableEncoches button[data-encoche="0"][data-couche="0"]';
    assert.equal(await p.$eval(caseA, (b) => b.textContent), 'A+');
    await p.click(caseA);
    await image(p);
    const inverse = await vue();
    assert.equal(inverse.bobinage, 'personnalise');
    assert.deepEqual(inverse.cases, ['A−', ...encoches.cases.slice(1)]);
    assert.notDeepEqual(inverse.appels, encoches.appels);
    assert.match(inverse.diagnostic, /La phase A ne se referme pas/);
    assert.deepEqual(inverse.boutons, [false, true]);
    // The address carries the table: opened, it draws the same picture.
    await p.waitForFunction(() => location.hash.includes('perso='));
    const q = await navigateur.newPage();
    surveille(q);
    await ouvre(q, await p.evaluate(() => location.href));
    assert.deepEqual(await q.evaluate(() => kest.calls()), inverse.appels);
    await q.close();
    // Undone, the custom copy of the slot winding draws it; redone, the reversed coil is back.
    await p.keyboard.down('Control');
    await p.keyboard.press('z');
    await p.keyboard.up('Control');
    await image(p);
    const annule = await vue();
    assert.deepEqual([annule.appels, annule.cases, annule.boutons],
      [encoches.appels, encoches.cases, [true, false]]);
    await p.click('#RefaireBobinage');
    await image(p);
    assert.deepEqual(await vue(), inverse);

    await p.click('#RBBobinage0');
    await p.click('#FermerBobinage');
    await menu(p, 4, '#Moteur1');
    await p.click('#RBMachine1');
    await p.click('#FermerMoteur');
    await menu(p, 4, '#Bobinage1');
    await p.waitForFunction(() => location.href === kest.lien());
    const moteur = await vue();
    const adresse = await p.evaluate(() => location.href);
    await p.click(caseA);
    assert.match(await p.$eval('#ErreurTexte', (d) => d.textContent), /monophasé/);
    await p.click('#ErreurDlg button');
    await new Promise((r) => setTimeout(r, 400));
    assert.deepEqual(await vue(), moteur);
    assert.equal(await p.evaluate(() => location.href), adresse);
    await p.close();
  });

test('the downloaded SVG parses and holds the scene', async () => {
  const dossier = fs.mkdtempSync(path.join(os.tmpdir(), 'kest-svg-'));
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: dossier });
  await page.click('#TelechargerSVG');
  const fichier = path.join(dossier, 'kest.svg');
  for (let i = 0; i < 100 && !fs.existsSync(fichier); ++i) await new Promise((r) => setTimeout(r, 50));
  const svg = fs.readFileSync(fichier, 'utf8');
  fs.rmSync(dossier, { recursive: true, force: true });
  const lu = await page.evaluate((texte) => {
    const doc = new DOMParser().parseFromString(texte, 'image/svg+xml');
    const el = (s) => Array.from(doc.querySelectorAll(s));
    return { erreur: el('parsererror').length, textes: el('text').map((t) => t.textContent),
      cercles: el('ellipse').map((e) => ['cx', 'cy', 'rx'].map((a) => Number(e.getAttribute(a)))),
      bleus: el('path').filter((p) => p.getAttribute('stroke') === 'rgb(0,0,255)').length };
  }, svg);
  assert.equal(lu.erreur, 0);
  assert.deepEqual(lu.textes, ['Fresnel', 'Vecteur spatial']);
  assert.ok(lu.cercles.some(([x, y, r]) => x === 500 && y === 300 && r === 99.5), 'stator');
  assert.ok(lu.cercles.some(([x, y, r]) => x === 500 && y === 100 && r === 59.5), 'space vector');
  assert.ok(lu.bleus > 0);
});

const toile = (p) => p.$eval('#image', (c) => c.toDataURL());

test('with « m = 0 » refused the screen keeps its picture, and kest.calls(), the SVG and the PNG are it',
  async () => {
    await menu(page, 4, '#Dimensions1');
    await image(page);
    const lis = () => page.evaluate(async () => ({ appels: kest.calls(), svg: kest.svg(),
      png: (await kest.png()).size }));
    const avant = await lis();
    const ecran = await toile(page);
    await saisit(page, '#IDC_m', '0');
    assert.equal(await page.$eval('#ErreurTexte', (d) => d.textContent),
      'Division par zéro en virgule flottante.');
    assert.equal((await etat(page)).m, 0, 'the steps before the failing one stay stored');
    await image(page);
    assert.equal(await toile(page), ecran, 'no repaint after a failed Enter');
    assert.deepEqual(await lis(), avant);
    assert.deepEqual(await lis(), avant, 'the pictures out do not draw again');
    await page.keyboard.press('Enter');  // the box's button has the focus
    assert.equal(await page.$eval('#ErreurDlg', (d) => d.open), false);
    await saisit(page, '#IDC_m', '2');
    await page.click('#FermerOptions');
  });

// Presses Alt with a letter, then a letter alone.
async function acces(p, menuLettre, article) {
  await p.keyboard.down('Alt');
  await p.keyboard.press('Key' + menuLettre);
  await p.keyboard.up('Alt');
  await p.keyboard.press('Key' + article);
}

test('the keyboard works: Alt+O then D, Alt+S then P, the speed bar by 10, hints on focus',
  async () => {
    await page.mouse.move(1, 300);  // no hint under the pointer when the panel shows
    await acces(page, 'O', 'D');
    assert.equal(await page.$eval('#OptionsDlg', (d) => d.hidden), false);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'IDC_p');
    assert.equal(await page.$eval('#StatusBar1', (b) => b.textContent),
      'choisi le nombre de paires de pôles du bobinage');
    await acces(page, 'O', 'D');
    assert.equal(await page.$eval('#OptionsDlg', (d) => d.hidden), true);
    await acces(page, 'S', 'P');
    assert.equal((await etat(page)).enMarche, true);
    await acces(page, 'S', 'S');
    assert.equal((await etat(page)).enMarche, false);
    assert.equal(await page.$$eval('.menu.ouvert', (m) => m.length), 0);

    await page.focus('#ScrollBar1');
    const v = (await etat(page)).intervalle;
    await page.keyboard.press('PageUp');
    assert.equal((await etat(page)).intervalle, v - 10);
    await page.keyboard.press('PageDown');
    assert.equal((await etat(page)).intervalle, v);
    await page.focus('#CheckBoxAfficheOnde');
    assert.equal(await page.$eval('#StatusBar1', (b) => b.textContent),
      'Affiche l\'onde associée à la kest');
  });

test('a modal box keeps the focus on its button, and the error box has its stop icon',
  async () => {
    await menu(page, 5, '#Aproposde1');
    await page.mouse.click(3, 3);  // on the backdrop
    assert.equal(await page.evaluate(() => document.activeElement.id), 'OKBtn');
    await page.click('#Label5');  // in the box, beside its button
    assert.equal(await page.evaluate(() => document.activeElement.id), 'OKBtn');
    await page.keyboard.press('Enter');
    assert.equal(await page.$eval('#AboutDlg', (d) => d.open), false);
    await menu(page, 4, '#Dimensions1');
    await saisit(page, '#IDC_p', '0x');
    const icone = await page.$eval('#ErreurDlg .icone', (i) => i.getBoundingClientRect().width);
    assert.ok(icone >= 24, `${icone}`);
    await page.click('#ErreurTexte');
    await page.keyboard.press('Enter');
    assert.equal(await page.$eval('#ErreurDlg', (d) => d.open), false);
    await page.click('#FermerOptions');
  });

test('at 1280 × 800 the options panel does not cover the picture, and can be moved', async () => {
  const p = await navigateur.newPage();
  surveille(p);
  await p.setViewport({ width: 1280, height: 800, deviceScaleFactor: 1 });
  await ouvre(p, url);
  await menu(p, 4, '#Dimensions1');
  await image(p);
  const boite = (id) => p.$eval(id, (e) => {
    const r = e.getBoundingClientRect();
    return { l: r.left, t: r.top, r: r.right, b: r.bottom };
  });
  const [panneau, dessin] = [await boite('#OptionsDlg'), await boite('#image')];
  assert.ok(panneau.l >= dessin.r || panneau.b <= dessin.t, JSON.stringify([panneau, dessin]));
  assert.ok(dessin.r - dessin.l >= 700, 'the picture keeps at least its own size');
  await p.mouse.move(panneau.l + 40, panneau.t + 8);
  await p.mouse.down();
  await p.mouse.move(panneau.l - 360, panneau.t + 108, { steps: 4 });
  await p.mouse.up();
  const deplace = await boite('#OptionsDlg');
  assert.deepEqual([deplace.l, deplace.t], [panneau.l - 400, panneau.t + 100]);
  await p.close();
});

// Each call that the picture shows with what it shows it with, as tests/web/lire_emf.cpp reads an
// EMF back: the pen where a line is drawn, the brush where a shape is filled or a text box
// painted (a clear brush's colour as null), the starting point of a line.
function montres(appels) {
  const stylo = [0, 'Solid', 1];
  const brosse = ['Solid', 0xFFFFFF];
  const fond = () => [brosse[0], brosse[0] === 'Clear' ? null : brosse[1]];
  let x = 0;
  let y = 0;
  const r = [];
  for (const a of appels) {
    switch (a[0]) {
      case 'SetPenColor': stylo[0] = a[1]; break;
      case 'SetPenStyle': stylo[1] = a[1]; break;
      case 'SetPenWidth': stylo[2] = a[1]; break;
      case 'SetBrushColor': brosse[1] = a[1]; break;
      case 'SetBrushStyle': brosse[0] = a[1]; break;
      case 'MoveTo': r.push(a); [x, y] = [a[1], a[2]]; break;
      case 'LineTo': r.push([...a, x, y, ...stylo]); [x, y] = [a[1], a[2]]; break;
      case 'Ellipse': r.push([...a, ...stylo, ...fond()]); break;
      case 'TextOut': r.push([...a, ...fond()]); break;
    }
  }
  return r;
}

test('the page opened at a link shows the calls of kest-export --lien for that link (EMF)',
  async () => {
    const lien = '#p=2&m=3&distribution=reelle';
    const p = await navigateur.newPage();
    surveille(p);
    await p.setViewport({ width: 760, height: 640, deviceScaleFactor: 1 });
    await ouvre(p, url + lien);
    const e = await etat(p);
    assert.deepEqual([e.p, e.m, e.t, e.distribution], [2, 3, 0, 'Réelle']);
    assert.equal(await p.$eval('#ErreurDlg', (d) => d.open), false);
    const page = montres(await p.evaluate(() => kest.calls()));
    const parLien = emf('--lien', url + lien);
    assert.ok(parLien.length > 100);
    assert.deepEqual(page, parLien);
    assert.deepEqual(emf('--p', '2', '--m', '3', '--distribution', 'reelle'), parLien);
    await p.close();
  });

test('a bad link shows the panel\'s message in the error box, the value at its default, ' +
  'never an empty page', async () => {
  const p = await navigateur.newPage();
  surveille(p);
  await p.setViewport({ width: 760, height: 640, deviceScaleFactor: 1 });
  // At load: the box over the picture of what the link holds that is right.
  await ouvre(p, url + '#p=abc&m=3');
  assert.equal(await p.$eval('#ErreurTexte', (d) => d.textContent),
    '\'abc\' n\'est pas une valeur entière correcte.');
  assert.deepEqual([(await etat(p)).p, (await etat(p)).m], [1, 3]);
  assert.ok(bleu(await pixel(p, 420, 100)));
  await p.keyboard.press('Enter');
  // The panel's message for the same value, typed.
  await menu(p, 4, '#Dimensions1');
  await saisit(p, '#IDC_m', '0');
  const duPanneau = await p.$eval('#ErreurTexte', (d) => d.textContent);
  await p.keyboard.press('Enter');
  // The failed Enter wrote its state back: the address is "#m=0" now.
  await p.waitForFunction(() => location.hash === '#m=0');
  const cas = [
    ['#cle=1&p=2', 'Clé inconnue « cle » dans le lien.', { p: 2, m: 2 }],
    ['#m=0', duPanneau, { p: 1, m: 2 }],
    ['#p=2&p=3', 'L\'option p (du lien) est donnée deux fois.', { p: 2, m: 2 }],
    ['#' + 'x=1&'.repeat(2560), 'Clé inconnue « x » dans le lien.', { p: 1, m: 2 }],
    ['#%70=3&distribution=double%2Detoile&onde=%30', null,
      { p: 3, m: 2, distribution: 'Double étoile', vues: { vecteurs: true, onde: false,
        bobinage: true } }],
    ['#Y=3,5', '\'3,5\' n\'est pas une valeur en virgule flottante correcte.',
      { Y: 3.141592653589793 }],
    ['#intervalle=5&marche=oui&onde=0', '\'5\' n\'est pas un intervalle en millisecondes ' +
      'correct (10 à 200).', { intervalle: 60, enMarche: false, vues: { vecteurs: true,
      onde: false, bobinage: true } }],
  ];
  for (const [lien, message, attendu] of cas) {
    await p.evaluate((h) => { location.hash = h; }, lien);
    await image(p);
    const ou = lien.slice(0, 60);
    assert.equal(await p.$eval('#ErreurDlg', (d) => d.open), message !== null, ou);
    if (message !== null) {
      assert.equal(await p.$eval('#ErreurTexte', (d) => d.textContent), message, ou);
      await p.keyboard.press('Enter');
    }
    const e = await etat(p);
    for (const [cle, v] of Object.entries(attendu)) assert.deepEqual(e[cle], v, `${ou} : ${cle}`);
    // The panel, open, shows the state of the link.
    assert.equal(await p.$eval('#IDC_p', (i) => i.value), String(e.p), ou);
    assert.ok(bleu(await pixel(p, 420, 100)), ou);
    assert.ok((await p.evaluate(() => kest.calls())).length > 100, ou);
  }
  await p.close();
});

test('the link written back after a change in the panel reopens that state, and « Lien » copies it',
  async () => {
    const p = await navigateur.newPage();
    surveille(p);
    await p.setViewport({ width: 760, height: 640, deviceScaleFactor: 1 });
    await navigateur.defaultBrowserContext().overridePermissions(url,
      ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    await ouvre(p, url);
    const historique = await p.evaluate(() => history.length);
    await menu(p, 4, '#Dimensions1');
    await saisit(p, '#IDC_m', '3');
    await p.waitForFunction(() => location.hash === '#m=3');
    await p.click('#RBReelle');
    await p.click('#CheckBoxAfficheVect');
    await p.focus('#ScrollBar1');
    await p.keyboard.press('PageUp');
    const attendue = url + '#m=3&distribution=reelle&vecteurs=0&intervalle=50';
    await p.waitForFunction((a) => location.href === a, {}, attendue);
    assert.equal(await p.evaluate(() => history.length), historique, 'no history entry');
    assert.equal(await p.evaluate(() => kest.lien()), attendue);
    await image(p);
    const avant = await etat(p);
    const appels = await p.evaluate(() => kest.calls());
    await p.click('#Lien');
    assert.equal(await p.evaluate(() => navigator.clipboard.readText()), attendue);
    // Edit > Copier le lien, by its access key.
    await p.evaluate(() => navigator.clipboard.writeText(''));
    await acces(p, 'E', 'L');
    await p.waitForFunction((a) => navigator.clipboard.readText().then((t) => t === a), {},
      await p.evaluate(() => kest.lien()));

    const q = await navigateur.newPage();
    surveille(q);
    await ouvre(q, await p.evaluate(() => location.href));
    const apres = await etat(q);
    assert.deepEqual(apres, avant);
    assert.deepEqual(await q.evaluate(() => kest.calls()), appels);
    await q.close();
    await p.close();
  });

// What the links and the menu must keep, seen through the page's real controls.
test('back at the defaults, the address has no bare "#"; the language menu is the list\'s',
  async () => {
    const p = await navigateur.newPage();
    surveille(p);
    await p.setViewport({ width: 760, height: 640, deviceScaleFactor: 1 });
    await ouvre(p, url + '#onde=0');
    await p.click('#CheckBoxAfficheOnde');
    await p.waitForFunction((a) => location.href === a, {}, url);
    assert.equal(await p.evaluate(() => kest.lien()), url);
    const liste = fs.readFileSync(path.join(__dirname, '..', '..', 'translations', 'langues.txt'),
      'utf8').split('\n').filter((l) => l.trim() && !l.startsWith('#'))
      .map((l) => l.split(/\s+/)[0]);
    assert.deepEqual(await p.$$eval('#Langues button', (b) => b.map((x) => x.lang)), liste);
    // Each item chooses its language, kept for the next opening.
    for (const code of [...liste.slice(1), liste[0]]) {
      await p.$eval(`#Langues button[lang="${code}"]`, (b) => b.click());
      assert.equal(await p.evaluate(() => document.documentElement.lang), code);
    }
    await p.close();
    // A browser that names only a regional English (en-GB) gets the English page.
    const q = await navigateur.newPage();
    surveille(q);
    await q.evaluateOnNewDocument(() => {
      localStorage.clear();
      Object.defineProperty(navigator, 'languages', { get: () => ['en-GB'] });
    });
    await ouvre(q, url);
    assert.equal(await q.evaluate(() => document.documentElement.lang), 'en');
    await q.evaluate(() => localStorage.clear());
    await q.close();
  });

test('what the page loads weighs at most 170 kB gzipped', () => {
  let total = 0;
  for (const f of fs.readdirSync(site)) total += zlib.gzipSync(fs.readFileSync(path.join(site, f)),
    { level: 9 }).length;
  console.log(`# ${total} octets gzip pour ${fs.readdirSync(site).length} fichiers`);
  assert.ok(total <= 170 * 1024, `${total} octets`);
});

// An English browser with no choice made: the page, the module's messages and the picture's
// labels in English, the access keys unique in each menu; "Français" in the language menu
// turns everything back at once, and the choice outlives a reload.
test('the page is in English in an English browser, then French once « Français » is chosen', async () => {
  const en = await lanceNavigateur('en-US', null);
  try {
    const p = await en.newPage();
    surveille(p);
    await ouvre(p, url);
    assert.match(await p.evaluate(() => navigator.languages.join()), /^en/);
    const lire = () => p.evaluate(() => ({
      menus: Array.from(document.querySelectorAll('.titre-menu'), (t) => t.innerHTML),
      acces: Array.from(document.querySelectorAll('.menu'), (m) => Array.from(
        m.querySelectorAll('.articles u'), (u) => u.textContent.toLowerCase()).join('')),
      aide: document.getElementById('vitesse').dataset.hint,
      bouton: document.getElementById('SpeedButton1').textContent,
      etiquettes: kest.calls().filter((a) => a[0] === 'TextOut').map((a) => a[3]),
      lang: document.documentElement.lang,
      // The supply buttons, made from the module's table: first and last, name and hint.
      alimentations: Array.from(document.querySelectorAll('#GroupeAlimentation label'),
        (l) => [l.textContent.trim(), l.dataset.hint]).filter((_, i, t) => !i || i === t.length - 1),
      genres: Array.from(document.querySelectorAll('#GroupeBobinage label'),
        (l) => [l.textContent.trim(), l.dataset.hint]),
    }));
    const anglais = await lire();
    assert.deepEqual(anglais.menus, ['<u>F</u>ile', '<u>E</u>dit', '<u>S</u>imulation',
      '<u>O</u>ptions', '<u>H</u>elp', '<u>L</u>angue / Language']);
    for (const lettres of anglais.acces) assert.equal(new Set(lettres).size, lettres.length, lettres);
    assert.equal(new Set(anglais.menus.map((m) => m[3])).size, anglais.menus.length);
    assert.equal(anglais.aide, 'Chooses the speed of the animation');
    assert.equal(anglais.bouton, 'Play');
    assert.deepEqual(anglais.etiquettes, ['Phasors', 'Space vector']);
    assert.equal(anglais.lang, 'en');
    assert.deepEqual(anglais.alimentations, [['Balanced',
      'Three equal currents 120° apart: a rotating field of constant amplitude'], ['Free',
      'Chosen amplitudes and lags: an elliptical field']]);
    assert.deepEqual(anglais.genres.map((g) => g[0]), ['Classic', 'In slots', 'Custom']);
    assert.deepEqual(anglais.genres[1], ['In slots',
      'Q slots, one or two layers, laid out by the star of slots']);
    await menu(p, 4, '#Dimensions1');
    assert.equal(await p.$eval('label[for=IDC_p]', (e) => e.textContent), 'Number of pole pairs p:');
    await saisit(p, '#IDC_p', 'abc');
    assert.equal(await p.$eval('#ErreurTexte', (d) => d.textContent),
      '\'abc\' is not a valid integer value.');
    await p.click('#ErreurDlg button');

    await menu(p, 6, '#LangueFr');
    await image(p);
    const francais = await lire();
    assert.deepEqual(francais.menus.slice(0, 5), ['<u>F</u>ichier', '<u>E</u>dit',
      '<u>S</u>imulation', '<u>O</u>ptions', '<u>A</u>ide']);
    assert.equal(francais.aide, 'Choisi la vitesse de l\'animation');
    assert.deepEqual(francais.etiquettes, ['Fresnel', 'Vecteur spatial']);
    assert.deepEqual(francais.alimentations.map((a) => a[0]), ['Équilibrée', 'Libre']);
    assert.deepEqual(francais.genres.map((g) => g[0]), ['Classique', 'Par encoches',
      'Personnalisé']);
    await ouvre(p, url);
    assert.deepEqual((await lire()).etiquettes, ['Fresnel', 'Vecteur spatial']);
  } finally {
    await en.close();
  }
});

test('a French browser takes « 3,5 » and refuses « 3.5 »', async () => {
  const fr = await lanceNavigateur('fr-FR');
  try {
    const p = await fr.newPage();
    surveille(p);
    // Headless Chromium ignores --lang; the locale override sets the browser's own language.
    await (await p.createCDPSession()).send('Emulation.setLocaleOverride', { locale: 'fr-FR' });
    await ouvre(p, url);
    assert.equal((await etat(p)).separateur, ',');
    await menu(p, 4, '#Dimensions1');
    assert.equal(await p.$eval('#IDC_Y', (e) => e.value), '3,14159265358979');
    await saisit(p, '#IDC_Y', '3,5');
    assert.equal((await etat(p)).Y, 3.5);
    await saisit(p, '#IDC_Y', '3.5');
    assert.equal(await p.$eval('#ErreurTexte', (d) => d.textContent),
      '\'3.5\' n\'est pas une valeur en virgule flottante correcte.');
    assert.equal((await etat(p)).Y, 3.5);
    await p.keyboard.press('Enter');
    // A link holds Y with a point, and a French reader's comma reads too.
    for (const [lien, Y] of [['#Y=2.5', 2.5], ['#Y=3,25', 3.25]]) {
      await p.evaluate((h) => { location.hash = h; }, lien);
      await image(p);
      assert.equal((await etat(p)).Y, Y, lien);
      assert.equal(await p.$eval('#ErreurDlg', (d) => d.open), false, lien);
    }
  } finally {
    await fr.close();
  }
});

test('opened from the disk (file://) at a link, the page draws it and writes its address back',
  async () => {
    const p = await navigateur.newPage();
    surveille(p);
    await ouvre(p, 'file://' + path.resolve(site, 'index.html') + '#p=2&m=3');
    assert.ok(bleu(await pixel(p, 420, 100)));
    assert.deepEqual([(await etat(p)).p, (await etat(p)).m], [2, 3]);
    await p.click('#CheckBoxAfficheOnde');
    await p.waitForFunction(() => location.hash === '#p=2&m=3&onde=0');
    await p.close();
  });

test('opened again with the server stopped, the page is served by the service worker', async () => {
  await page.evaluate(() => navigator.serviceWorker.ready);
  await new Promise((ok) => serveur.close(ok));
  serveur = null;
  const p = await navigateur.newPage();
  surveille(p);
  await ouvre(p, url + '#m=3');
  assert.equal(await p.evaluate(() => !!navigator.serviceWorker.controller), true);
  assert.ok(bleu(await pixel(p, 420, 100)));
  assert.equal((await etat(p)).m, 3);
  await p.close();
});

test('no error reaches the console', () => {
  assert.deepEqual(erreurs, []);
});
