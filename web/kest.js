// SPDX-License-Identifier: GPL-3.0-or-later
// The page's start and its automation interface (window.kest): the module loads, the controls
// are wired, the first picture is drawn. Physics and rules stay in the module.
import { KestLangue } from './langue.js';
import { KestNoyau } from './noyau.js';
import { KestEcran } from './ecran.js';
import { KestHorloge } from './horloge.js';
import { KestCommandes } from './commandes.js';
import { KestLien } from './lien.js';

(function () {
  const $ = (id) => document.getElementById(id);
  const vues = () => ({ vecteurs: $('CheckBoxAfficheVect').checked,
    onde: $('CheckBoxAfficheOnde').checked, bobinage: $('CheckBoxAfficheBobinage').checked });

  const kest = {};
  window.kest = kest;

  // The manifest only where it can be read: a page opened from the disk may not fetch it.
  if (/^https?:$/.test(location.protocol)) {
    const lien = document.createElement('link');
    lien.rel = 'manifest';
    lien.href = 'manifest.webmanifest';
    document.head.appendChild(lien);
  }

  // The module's script (kest-module.js, large) comes after this one in the page, so that the
  // page's texts are in its language before it is read: the module opens once the page is read.
  const lue = new Promise((ok) => {
    if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', ok);
    else ok();
  });
  const ouvert = lue.then(() => KestNoyau.ouvrir(self.createKestModule, KestLangue.cherche));
  kest.pret = ouvert.then((noyau) => {
    const ecran = KestEcran(noyau, $('image'), $('zone'), vues);
    const horloge = KestHorloge(noyau, () => {
      noyau.avancer(1);
      ecran.suit();
    });
    // The module's messages, the panels' texts it gives and the picture's labels in the page's
    // language, from the first.
    noyau.langue(KestLangue.source());
    const commandes = KestCommandes.relie(noyau, ecran, horloge);
    KestLangue.suit(() => {
      noyau.langue(KestLangue.source());
      ecran.dessine();
      commandes.relit();
    });
    // The configuration of the address, before the first picture.
    const lien = KestLien.relie(noyau, commandes, horloge, vues);
    // The chrome takes the window's colour that the picture is drawn on.
    document.documentElement.style.setProperty('--fond', ecran.css(noyau.constantes.fond));

    // The state that the picture is drawn from, and the controls that drive it.
    kest.state = () => Object.assign(noyau.etat(), { enMarche: horloge.enMarche(),
      intervalle: noyau.intervalle(), vues: vues(), separateur: commandes.separateur() });
    // The drawing calls of the picture on screen, in the vocabulary of DrawingSurface.
    kest.calls = () => noyau.appels(ecran.affichee());
    // n clock ticks, then one frame drawn at once.
    kest.tick = (n) => {
      noyau.avancer(Math.max(0, Math.floor(n === undefined ? 1 : n)));
      ecran.dessine();
      return kest.state();
    };
    // The page's address for the configuration on screen (what "Lien" copies).
    kest.lien = lien.adresse;
    // Where the picture lies on its canvas (its blocks on a tall screen).
    kest.layout = ecran.disposition;
    kest.svg = ecran.svg;
    kest.png = ecran.png;

    new ResizeObserver(ecran.ajuste).observe($('zone'));
    window.addEventListener('resize', ecran.ajuste);
    ecran.ajuste();  // draws the first picture
    ecran.decritDans($('Description'), commandes.separateur);
    kest.premiereImage = performance.now();
    // Offline once opened from a web host; a page opened from the disk has nothing to keep.
    if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol))
      navigator.serviceWorker.register('sw.js').catch(() => {});
    return kest;
  });
})();
