// SPDX-License-Identifier: GPL-3.0-or-later
// The JavaScript face of the WebAssembly module (kest-module.js): the state rules and one frame's
// drawing calls. The page and the node tests use it alike; it computes nothing itself.
(function (racine) {
  'use strict';

  // Operation codes of web/Appels.h, their names in the vocabulary of DrawingSurface and the
  // number of integers that follow each.
  const NOMS = ['MoveTo', 'LineTo', 'Ellipse', 'TextOut', 'SetPenColor', 'SetPenStyle',
    'SetPenWidth', 'SetBrushColor', 'SetBrushStyle'];
  const NB_ARGS = [2, 2, 4, 3, 1, 1, 1, 1, 1];
  const DISTRIBUTIONS = ['Parfaite', 'Réelle', 'Double étoile'];

  // The calls as JSON-ready arrays: ["LineTo", x, y], ["TextOut", x, y, "Fresnel"],
  // ["SetPenStyle", "Dot"], ["SetBrushStyle", "Clear"], colours as 0x00BBGGRR numbers.
  function versListe(codes, textes) {
    const liste = [];
    for (let i = 0; i < codes.length;) {
      const op = codes[i];
      const a = Array.prototype.slice.call(codes, i + 1, i + 1 + NB_ARGS[op]);
      if (op === 3) a[2] = textes[a[2]];
      else if (op === 5) a[0] = a[0] ? 'Dot' : 'Solid';
      else if (op === 8) a[0] = a[0] ? 'Clear' : 'Solid';
      else if (op === 4 || op === 7) a[0] = a[0] >>> 0;
      liste.push([NOMS[op]].concat(a));
      i += 1 + NB_ARGS[op];
    }
    return liste;
  }

  function Noyau(M) {
    this.M = M;
    this._appliquer = M.cwrap('kest_appliquer', 'number',
      ['string', 'string', 'string', 'number', 'number', 'string']);
    this._reelVersTexte = M.cwrap('kest_reel_vers_texte', 'number', ['number', 'string']);
    this._texteVersReel = M.cwrap('kest_texte_vers_reel', 'number', ['string', 'string', 'number']);
    this._tampon = M._malloc(8);
    this.textes = [];
    this.longueur = 0;
  }

  // Enter in the options panel. Returns null, or the French message of the failing step.
  Noyau.prototype.appliquer = function (p, m, y, distribution, separateur) {
    const r = this._appliquer(p, m, y, distribution === 1 ? 1 : 0, distribution === 2 ? 1 : 0,
      separateur);
    return r ? this.M.UTF8ToString(r) : null;
  };
  // 0 Parfaite, 1 Réelle, 2 Double étoile.
  Noyau.prototype.choisirDistribution = function (d) {
    this.M._kest_choisir_distribution(d === 1 ? 1 : 0, d === 2 ? 1 : 0);
  };
  Noyau.prototype.avancer = function (n) { this.M._kest_avancer(n); };
  Noyau.prototype.reinitialise = function () { this.M._kest_reinitialise(); };
  Noyau.prototype.distribution = function () {
    // DoubleEtoile wins over Reelle, as in the scene.
    return this.M._kest_double_etoile() ? 2 : this.M._kest_reelle() ? 1 : 0;
  };
  Noyau.prototype.etat = function () {
    const M = this.M;
    return { p: M._kest_p(), m: M._kest_m(), Y: M._kest_y(), t: M._kest_t(),
      distribution: DISTRIBUTIONS[this.distribution()] };
  };

  // Draws one frame; returns the codes as a view of the module's memory, valid until the next
  // call into the module.
  Noyau.prototype.dessine = function (vues) {
    const M = this.M;
    const n = M._kest_dessine(vues.vecteurs ? 1 : 0, vues.onde ? 1 : 0, vues.bobinage ? 1 : 0);
    const debut = M._kest_appels() >> 2;
    this.longueur = n;
    this.codes = M.HEAP32.subarray(debut, debut + n);
    for (let i = this.textes.length; M.UTF8ToString(M._kest_texte(i)) !== ''; ++i)
      this.textes.push(M.UTF8ToString(M._kest_texte(i)));
    return this.codes;
  };
  // The last frame's calls in the vocabulary of DrawingSurface.
  Noyau.prototype.appels = function () {
    const M = this.M;
    const debut = M._kest_appels() >> 2;
    return versListe(M.HEAP32.subarray(debut, debut + this.longueur), this.textes);
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

  const exports = { ouvrir: ouvrir, versListe: versListe, NOMS: NOMS, NB_ARGS: NB_ARGS,
    DISTRIBUTIONS: DISTRIBUTIONS };
  if (typeof module === 'object' && module.exports) module.exports = exports;
  else racine.KestNoyau = exports;
})(typeof self !== 'undefined' ? self : this);
