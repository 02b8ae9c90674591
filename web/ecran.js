// SPDX-License-Identifier: GPL-3.0-or-later
// The picture on screen: the canvas fitted to the page, and the frame it shows, which is also
// the one that the automation interface reports and that the SVG, the PNG and the copy take.
(function (racine) {
  'use strict';

  // vues() reads the three check boxes.
  function Ecran(noyau, canvas, zone, vues) {
    const c = noyau.constantes;
    const rejeu = KestRejeu.pour(noyau);
    const ctx = canvas.getContext('2d', { alpha: false });
    const crayon = rejeu.crayonFenetre();
    let echelle = 1;
    let attente = false;
    let affichee = null;

    function dessine() {
      affichee = noyau.dessine(vues());
      rejeu.canvas(ctx, affichee, crayon, echelle);
    }
    function demandeDessin() {
      if (attente) return;
      attente = true;
      requestAnimationFrame(() => {
        attente = false;
        dessine();
      });
    }

    // The picture keeps its aspect and fills what the controls leave; its canvas has one pixel
    // per device pixel.
    function ajuste() {
      const k = Math.max(0.1, Math.min(zone.clientWidth / c.largeur,
        zone.clientHeight / c.hauteur));
      const l = Math.floor(c.largeur * k);
      const h = Math.floor(c.hauteur * k);
      canvas.style.width = l + 'px';
      canvas.style.height = h + 'px';
      const r = window.devicePixelRatio || 1;
      const w = Math.max(1, Math.round(l * r));
      if (canvas.width !== w || canvas.height !== Math.round(h * r)) {
        canvas.width = w;
        canvas.height = Math.max(1, Math.round(h * r));
      }
      echelle = canvas.width / c.largeur;
      dessine();
    }

    return {
      dessine: dessine,
      demandeDessin: demandeDessin,
      // After a rule of the module: a new frame only when the rule changed the picture.
      suit() {
        if (noyau.aRedessiner()) demandeDessin();
      },
      ajuste: ajuste,
      affichee: () => affichee,
      svg: () => rejeu.svg(affichee),
      png: () => rejeu.png(affichee),
      css: rejeu.css,
    };
  }

  racine.KestEcran = Ecran;
})(self);
