// SPDX-License-Identifier: GPL-3.0-or-later
// Headless Chromium for the page's tests and measurements: Debian's chromium, a fresh profile,
// no network of its own, and the built page served from 127.0.0.1.
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');
const { serveur } = require('../../web/serveur.js');

// langue: the browser's language (numbers; en-US by default). textes: the page's language as
// if chosen in its "Langue / Language" menu, French unless told; null leaves the choice to the
// browser's languages.
async function lanceNavigateur(langue, textes = 'fr') {
  const profil = fs.mkdtempSync(path.join(os.tmpdir(), 'kest-chromium-'));
  const navigateur = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profil,
    args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--no-first-run', '--disable-sync',
      '--lang=' + (langue || 'en-US')],
  });
  if (textes) {
    const nouvelle = navigateur.newPage.bind(navigateur);
    navigateur.newPage = async () => {
      const p = await nouvelle();
      await p.evaluateOnNewDocument((l) => {
        try {
          localStorage.setItem('kest.langue', l);
        } catch (e) { /* no storage for this page */ }
      }, textes);
      return p;
    };
  }
  const ferme = navigateur.close.bind(navigateur);
  navigateur.close = async () => {
    await ferme();
    fs.rmSync(profil, { recursive: true, force: true });
  };
  return navigateur;
}

function sert(site) {
  return new Promise((ok) => {
    const s = serveur(site).listen(0, '127.0.0.1', () => ok(s));
  });
}

module.exports = { lanceNavigateur, sert };
