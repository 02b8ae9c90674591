// SPDX-License-Identifier: GPL-3.0-or-later
// The picture on screen: the canvas fitted to the page (its two blocks stacked on a tall
// screen), the frame it shows, which is also the one that the automation interface reports and
// that the SVG, the PNG and the copy take, and the text that stands for it.
import { KestRejeu } from './rejeu.js';

export const KestEcran = (function () {
  // vues() reads the three check boxes.
  function Ecran(noyau, canvas, zone, vues) {
    const c = noyau.constantes;
    const rejeu = KestRejeu.pour(noyau);
    const ctx = canvas.getContext('2d', { alpha: false });
    const crayon = rejeu.crayonFenetre();
    let echelle = 1;
    let blocs = null;  // on a tall screen, where each block of the picture goes
    let attente = false;
    let affichee = null;
    let apresDessin = () => {};

    function dessine() {
      affichee = noyau.dessine(vues());
      rejeu.canvas(ctx, affichee, crayon, echelle, blocs);
      apresDessin();
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
    // per device pixel. Where its blocks stacked (the circles above the curves, from the
    // module's plan) draw it larger, as on a phone held upright, they are stacked. The style
    // sheet may give the picture a place of the stacked blocks' aspect (--empilee) as wide as
    // the page, which then scrolls below it.
    const largeurEmpilee = Math.max(...c.blocs.map((b) => b.largeur));
    const hauteurEmpilee = c.blocs.reduce((h, b) => h + b.hauteur, 0);
    zone.style.setProperty('--empilee', largeurEmpilee + ' / ' + hauteurEmpilee);
    function ajuste() {
      const W = zone.clientWidth;
      const H = zone.clientHeight;
      const large = Math.min(W / c.largeur, H / c.hauteur);
      const haut = Math.min(W / largeurEmpilee, H / hauteurEmpilee);
      const empile = haut > large;
      const [L, Ht] = empile ? [largeurEmpilee, hauteurEmpilee] : [c.largeur, c.hauteur];
      const k = Math.max(0.1, empile ? haut : large);
      const l = Math.floor(L * k);
      const h = Math.floor(Ht * k);
      canvas.style.width = l + 'px';
      canvas.style.height = h + 'px';
      const r = window.devicePixelRatio || 1;
      const w = Math.max(1, Math.round(l * r));
      if (canvas.width !== w || canvas.height !== Math.round(h * r)) {
        canvas.width = w;
        canvas.height = Math.max(1, Math.round(h * r));
      }
      echelle = canvas.width / L;
      blocs = null;
      if (empile) {
        let y = 0;
        blocs = c.blocs.map((b) => {
          const place = Object.assign({ dx: Math.round((L - b.largeur) / 2 * echelle),
            dy: Math.round(y * echelle) }, b);
          y += b.hauteur;
          return place;
        });
      }
      dessine();
    }

    // The text that stands for the picture in `region` (an aria-live region), from the model,
    // rewritten after the frames that follow a change, at most once a second: a screen reader
    // hears the running field without being flooded.
    function decritDans(region, separateur) {
      let prevue = null;
      let derniere = -Infinity;
      apresDessin = () => {
        if (prevue !== null) return;
        prevue = setTimeout(() => {
          prevue = null;
          derniere = performance.now();
          const texte = noyau.description(separateur());
          if (region.textContent !== texte) region.textContent = texte;
        }, Math.max(0, derniere + 1000 - performance.now()));
      };
      apresDessin();
    }

    return {
      dessine: dessine,
      demandeDessin: demandeDessin,
      // After a rule of the module: a new frame only when the rule changed the picture.
      suit() {
        if (noyau.aRedessiner()) demandeDessin();
      },
      ajuste: ajuste,
      decritDans: decritDans,
      // How the picture lies on the canvas: the device pixels per picture pixel, and on a tall
      // screen its blocks with where they go (null: the whole picture at the corner).
      disposition: () => ({ echelle: echelle, blocs: blocs }),
      affichee: () => affichee,
      svg: () => rejeu.svg(affichee),
      png: () => rejeu.png(affichee),
      css: rejeu.css,
    };
  }

  return Ecran;
})();
