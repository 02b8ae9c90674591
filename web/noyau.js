// SPDX-License-Identifier: GPL-3.0-or-later
// The JavaScript face of the WebAssembly module (kest-module.js): the state rules, one frame's
// drawing calls and the one reader of those calls. The page and the node tests use it alike;
// it computes nothing itself.
(function (racine) {
  'use strict';

  const DISTRIBUTIONS = ['Parfaite', 'Réelle', 'Double étoile'];  // as kest_distribution counts

  // The reader of a call list, built from the forms that the module gives for its codes: for
  // each code, a function that hands the call's arguments, read by their kind, to the method of
  // the same name of a surface (MoveTo, LineTo, … as in DrawingSurface).
  function lecteurs(constantes) {
    const sortes = {
      couleur: (v) => v >>> 0,
      texte: (v, textes) => textes[v],
      PenStyle: (v) => constantes.PenStyle[v],
      BrushStyle: (v) => constantes.BrushStyle[v],
    };
    const entier = (v) => v;
    return constantes.appels.map(({ nom, arguments: args }) => {
      const [a, b, c, d] = args.map((sorte) => sortes[sorte] || entier);
      const n = args.length;
      const appel = n === 1 ? (s, k, i, t) => s[nom](a(k[i + 1], t))
        : n === 2 ? (s, k, i, t) => s[nom](a(k[i + 1], t), b(k[i + 2], t))
          : n === 3 ? (s, k, i, t) => s[nom](a(k[i + 1], t), b(k[i + 2], t), c(k[i + 3], t))
            : (s, k, i, t) => s[nom](a(k[i + 1], t), b(k[i + 2], t), c(k[i + 3], t),
              d(k[i + 4], t));
      return { nom: nom, longueur: 1 + n, appel: appel };
    });
  }

  function Noyau(M) {
    this.M = M;
    this._appliquer = M.cwrap('kest_appliquer', 'number',
      ['string', 'string', 'string', 'number', 'number', 'string']);
    this._saisieAffichee = M.cwrap('kest_saisie_affichee', null, ['string']);
    this._reelVersTexte = M.cwrap('kest_reel_vers_texte', 'number', ['number', 'string']);
    this._texteVersReel = M.cwrap('kest_texte_vers_reel', 'number', ['string', 'string', 'number']);
    this._tampon = M._malloc(8);
    this.textes = [];
    // The forms of the operation codes, the picture's size and the window's colour.
    this.constantes = JSON.parse(M.UTF8ToString(M._kest_constantes()));
    this._lecteurs = lecteurs(this.constantes);
  }

  // Enter in the options panel: the texts as typed and the two radio buttons' states. Returns
  // null, or the French message of the failing step.
  Noyau.prototype.appliquer = function (p, m, y, reelle, doubleEtoile, separateur) {
    const r = this._appliquer(p, m, y, reelle ? 1 : 0, doubleEtoile ? 1 : 0, separateur);
    return r ? this.M.UTF8ToString(r) : null;
  };
  Noyau.prototype.choisirDistribution = function (reelle, doubleEtoile) {
    this.M._kest_choisir_distribution(reelle ? 1 : 0, doubleEtoile ? 1 : 0);
  };
  Noyau.prototype.avancer = function (n) { this.M._kest_avancer(n); };
  Noyau.prototype.reinitialise = function () { this.M._kest_reinitialise(); };
  // Whether the rules run since the last frame changed what the picture shows.
  Noyau.prototype.aRedessiner = function () { return this.M._kest_a_redessiner() !== 0; };
  // The speed bar at ms; true when the clock must start again on the new interval.
  Noyau.prototype.regleIntervalle = function (ms) { return this.M._kest_regle_intervalle(ms) !== 0; };
  Noyau.prototype.intervalle = function () { return this.M._kest_intervalle(); };

  // What the options panel shows for the state: {p, m, Y, reelle, doubleEtoile}.
  Noyau.prototype.saisieAffichee = function (separateur) {
    const M = this.M;
    this._saisieAffichee(separateur);
    return { p: M.UTF8ToString(M._kest_saisie_texte(0)), m: M.UTF8ToString(M._kest_saisie_texte(1)),
      Y: M.UTF8ToString(M._kest_saisie_texte(2)), reelle: M._kest_saisie_reelle() !== 0,
      doubleEtoile: M._kest_saisie_double_etoile() !== 0 };
  };
  Noyau.prototype.etat = function () {
    const M = this.M;
    return { p: M._kest_p(), m: M._kest_m(), Y: M._kest_y(), t: M._kest_t(),
      distribution: DISTRIBUTIONS[M._kest_distribution()] };
  };

  // Draws one frame; returns it as {codes, textes}, a copy that later calls leave alone.
  Noyau.prototype.dessine = function (vues) {
    const M = this.M;
    const n = M._kest_dessine(vues.vecteurs ? 1 : 0, vues.onde ? 1 : 0, vues.bobinage ? 1 : 0);
    const debut = M._kest_appels() >> 2;
    for (let i = this.textes.length; M.UTF8ToString(M._kest_texte(i)) !== ''; ++i)
      this.textes.push(M.UTF8ToString(M._kest_texte(i)));
    return { codes: M.HEAP32.slice(debut, debut + n), textes: this.textes.slice() };
  };

  // Hands each call of a frame to the surface's method of the same name, arguments read:
  // colours as 0x00BBGGRR numbers, texts as strings, styles by name ("Dot", "Clear", "Solid").
  Noyau.prototype.lis = function (image, surface) {
    const codes = image.codes;
    const textes = image.textes;
    const formes = this._lecteurs;
    for (let i = 0, n = codes.length; i < n;) {
      const f = formes[codes[i]];
      if (!f) throw new Error('appel inconnu ' + codes[i]);
      f.appel(surface, codes, i, textes);
      i += f.longueur;
    }
  };

  // A frame's calls as JSON-ready arrays: ["LineTo", x, y], ["TextOut", x, y, "Fresnel"],
  // ["SetPenStyle", "Dot"], ["SetBrushStyle", "Clear"], colours as 0x00BBGGRR numbers.
  Noyau.prototype.appels = function (image) {
    const liste = [];
    const surface = {};
    for (const { nom } of this._lecteurs)
      surface[nom] = function () { liste.push([nom].concat(Array.from(arguments))); };
    this.lis(image, surface);
    return liste;
  };

  Noyau.prototype.reelVersTexte = function (v, separateur) {
    return this.M.UTF8ToString(this._reelVersTexte(v, separateur));
  };
  // Returns {valeur} or {erreur: message}.
  Noyau.prototype.texteVersReel = function (texte, separateur) {
    const r = this._texteVersReel(texte, separateur, this._tampon);
    if (r) return { erreur: this.M.UTF8ToString(r) };
    return { valeur: this.M.HEAPF64[this._tampon >> 3] };
  };

  // createKestModule is the factory of kest-module.js; resolves to a Noyau.
  function ouvrir(createKestModule) {
    return createKestModule().then(function (M) { return new Noyau(M); });
  }

  const exports = { ouvrir: ouvrir, DISTRIBUTIONS: DISTRIBUTIONS };
  if (typeof module === 'object' && module.exports) module.exports = exports;
  else racine.KestNoyau = exports;
})(typeof self !== 'undefined' ? self : this);
