// SPDX-License-Identifier: GPL-3.0-or-later
// The page's address holds its configuration: read at load and whenever its fragment changes,
// written back as the user changes things (the address replaced, no history entry per click),
// and copied whole by "Lien" and "Copier le lien". What a link holds and means is the module's.
import { qsTranslate } from './langue.js';

export const KestLien = (function () {
  const $ = (id) => document.getElementById(id);
  // The least time between two writings of the address, in ms: a dragged speed bar writes it a
  // few times a second, not once per step (browsers refuse a page that replaces it too often).
  const PAUSE = 250;

  // vues() reads the three check boxes.
  function relie(noyau, commandes, horloge, vues) {
    // The whole address of the configuration on screen; without '#' for the defaults.
    function adresse() {
      const fragment = noyau.ecrisLien(vues(), horloge.enMarche());
      return location.href.split('#')[0] + (fragment ? '#' + fragment : '');
    }

    const lis = () => commandes.configure(noyau.lisLien(location.hash, commandes.separateur()));

    let prevue = null;
    let derniere = -Infinity;
    function ecris() {
      if (prevue !== null) return;
      prevue = setTimeout(() => {
        prevue = null;
        derniere = performance.now();
        const a = adresse();
        if (a !== location.href) history.replaceState(history.state, '', a);
      }, Math.max(0, derniere + PAUSE - performance.now()));
    }

    function copie() {
      const echec = () => {
        commandes.erreur(qsTranslate('page', 'Impossible d\'ouvrir le Presse-papiers'));
        return false;
      };
      if (!navigator.clipboard || !navigator.clipboard.writeText) return Promise.resolve(echec());
      return navigator.clipboard.writeText(adresse()).then(() => true, echec);
    }

    lis();
    window.addEventListener('hashchange', lis);
    commandes.surChangement(ecris);
    $('Lien').addEventListener('click', copie);
    $('CopierLien').addEventListener('click', copie);
    return { adresse: adresse };
  }

  return { relie: relie };
})();
