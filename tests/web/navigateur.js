// SPDX-License-Identifier: GPL-3.0-or-later
// Headless Chromium for the page's tests and measurements: Debian's chromium, a fresh profile,
// no network of its own, and the built page served from 127.0.0.1.
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');
const { serveur } = require('../../web/serveur.js');

async function lanceNavigateur(langue) {
  const profil = fs.mkdtempSync(path.join(os.tmpdir(), 'kest-chromium-'));
  const navigateur = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profil,
    args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--no-first-run', '--disable-sync',
      '--lang=' + (langue || 'en-US')],
  });
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
