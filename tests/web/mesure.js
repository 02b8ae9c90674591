// SPDX-License-Identifier: GPL-3.0-or-later
// Speed and weight of the page in headless Chromium, for web/README.md. Not a test: it prints
// the medians. Usage: KEST_SITE=<built site> NODE_PATH=<node_modules> node tests/web/mesure.js
// [telephone]: with "telephone", a phone held upright (390 × 844, 3 device pixels per pixel, touch).
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const { lanceNavigateur, sert } = require('./navigateur.js');

const ECRAN = process.argv[2] === 'telephone'
  ? { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true }
  : { width: 760, height: 640, deviceScaleFactor: 1 };
const mediane = (v) => v.slice().sort((a, b) => a - b)[Math.floor(v.length / 2)];

// One frame as the clock makes it: a tick, the scene in wasm and the canvas replay; with `vide`
// the canvas is also flushed (a one-pixel read) so that its rasterisation is counted.
function images(p, n, vide) {
  return p.evaluate((n, vide) => {
    const ctx = document.getElementById('image').getContext('2d');
    const d = [];
    for (let i = 0; i < n; ++i) {
      const t0 = performance.now();
      kest.tick(1);
      if (vide) ctx.getImageData(0, 0, 1, 1);
      d.push(performance.now() - t0);
    }
    return d;
  }, n, vide);
}

(async () => {
  const site = process.env.KEST_SITE;
  const serveur = await sert(site);
  const url = `http://127.0.0.1:${serveur.address().port}/`;
  const navigateur = await lanceNavigateur();
  const premieres = [];
  for (let i = 0; i < 7; ++i) {
    // A fresh context each time: no service worker, no cache.
    const contexte = await navigateur.createBrowserContext();
    const p = await contexte.newPage();
    await p.setViewport(ECRAN);
    await p.goto(url);
    premieres.push(await p.evaluate(() => kest.pret.then(() => kest.premiereImage)));
    await contexte.close();
  }
  const p = await navigateur.newPage();
  await p.setViewport(ECRAN);
  await p.goto(url);
  await p.evaluate(() => kest.pret);
  await images(p, 50, true);
  const defaut = await images(p, 500, false);
  const defautVide = await images(p, 500, true);
  await p.evaluate(() => {
    document.getElementById('Dimensions1').click();
    for (const [id, v] of [['IDC_p', '99'], ['IDC_m', '99'], ['IDC_Y', '3']])
      document.getElementById(id).value = v;
    document.getElementById('RBDoubleetoile').click();
    document.getElementById('IDC_Y').dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter' }));
  });
  const etat = await p.evaluate(() => kest.state());
  const grand = await images(p, 30, false);
  const grandVide = await images(p, 30, true);
  await navigateur.close();
  serveur.close();
  let poids = 0;
  for (const f of fs.readdirSync(site))
    poids += zlib.gzipSync(fs.readFileSync(path.join(site, f)), { level: 9 }).length;
  console.log(`première image : ${mediane(premieres).toFixed(1)} ms après la navigation (médiane de 7)`);
  console.log(`image, bobinage par défaut : ${mediane(defaut).toFixed(3)} ms (médiane de 500), ${mediane(defautVide).toFixed(3)} ms rastérisée`);
  console.log(`image, p=${etat.p} m=${etat.m} ${etat.distribution} : ${mediane(grand).toFixed(1)} ms (médiane de 30), ${mediane(grandVide).toFixed(1)} ms rastérisée`);
  console.log(`poids : ${(poids / 1024).toFixed(1)} ko gzip`);
})();
