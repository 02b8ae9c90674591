// SPDX-License-Identifier: GPL-3.0-or-later
// The JavaScript face of the WebAssembly module (kest-module.js): the state rules, one frame's
// drawing calls and the one reader of those calls. The page and the node tests use it alike;
// it computes nothing itself.
export const KestNoyau = (function () {
  // The reader of a call list, from the forms that the module gives for its codes: each call
  // goes to the surface's method of the same name (MoveTo, LineTo, … as in DrawingSurface), its
  // arguments read: colours as 0x00BBGGRR numbers, texts as strings, styles by name. The
  // ellipses at the offsets of `sauf` (ascending) are passed over.
  function lecteur(constantes) {
    const code = {};
    constantes.appels.forEach((f, i) => { code[f.nom] = i; });
    const longueur = constantes.appels.map((f) => 1 + f.arguments.length);
    const { MoveTo, LineTo, Ellipse, TextOut, SetPenColor, SetPenStyle, SetPenWidth,
      SetBrushColor, SetBrushStyle, SetTextColor } = code;
    const { PenStyle, BrushStyle } = constantes;
    return function (k, textes, s, sauf) {
      for (let i = 0, j = 0, n = k.length; i < n; i += longueur[k[i]]) {
        switch (k[i]) {
          case MoveTo: s.MoveTo(k[i + 1], k[i + 2]); break;
          case LineTo: s.LineTo(k[i + 1], k[i + 2]); break;
          case Ellipse:
            if (j < sauf.length && sauf[j] === i) ++j;
            else s.Ellipse(k[i + 1], k[i + 2], k[i + 3], k[i + 4]);
            break;
          case TextOut: s.TextOut(k[i + 1], k[i + 2], textes[k[i + 3]]); break;
          case SetPenColor: s.SetPenColor(k[i + 1] >>> 0); break;
          case SetPenStyle: s.SetPenStyle(PenStyle[k[i + 1]]); break;
          case SetPenWidth: s.SetPenWidth(k[i + 1]); break;
          case SetBrushColor: s.SetBrushColor(k[i + 1] >>> 0); break;
          case SetBrushStyle: s.SetBrushStyle(BrushStyle[k[i + 1]]); break;
          case SetTextColor: s.SetTextColor(k[i + 1] >>> 0); break;
          default: throw new Error('appel inconnu ' + k[i]);
        }
      }
    };
  }

  // The forms of the operation codes, the names of the styles, the picture's size and blocks,
  // the star of slots' frame,
  // the window's colour and a fresh surface's brush colour, as the module has them.
  function constantes(M) {
    const texte = (p) => M.UTF8ToString(p);
    const appels = [];
    for (let i = 0, n = M._kest_nb_codes(); i < n; ++i)
      appels.push({ nom: texte(M._kest_nom_appel(i)),
        arguments: texte(M._kest_arguments_appel(i)).split(' ') });
    const noms = (brosse) => {
      const n = [];
      for (let p; (p = M._kest_nom_style(brosse, n.length));) n.push(texte(p));
      return n;
    };
    // The blocks that a tall screen stacks, top to bottom.
    const blocs = [];
    for (let i = 0, n = M._kest_nb_blocs(); i < n; ++i) {
      const v = [0, 1, 2, 3].map((champ) => M._kest_bloc(i, champ));
      blocs.push({ x: v[0], y: v[1], largeur: v[2], hauteur: v[3] });
    }
    // The star of slots' frame on its figure, what the "Bobinage" panel shows of it.
    const c = [0, 1, 2, 3].map((champ) => M._kest_cadre_etoile(champ));
    const cadreEtoile = { x: c[0], y: c[1], largeur: c[2], hauteur: c[3] };
    return { appels: appels, PenStyle: noms(0), BrushStyle: noms(1), blocs: blocs,
      cadreEtoile: cadreEtoile,
      largeur: M._kest_largeur_image(), hauteur: M._kest_hauteur_image(),
      fond: M._kest_couleur_fenetre() >>> 0, brosseNeuve: M._kest_brosse_neuve() >>> 0 };
  }

  function Noyau(M) {
    this.M = M;
    this._appliquer = M.cwrap('kest_appliquer', 'number',
      ['string', 'string', 'string', 'number', 'number', 'string']);
    this._saisieAffichee = M.cwrap('kest_saisie_affichee', null, ['string']);
    this._appliquerEncoches = M.cwrap('kest_appliquer_encoches', 'number',
      ['string', 'string', 'string']);
    this._appliquerAlimentation = M.cwrap('kest_appliquer_alimentation', 'number',
      ['string', 'string', 'string', 'string', 'string', 'string', 'string']);
    this._alimentationAffichee = M.cwrap('kest_alimentation_affichee', null, ['string']);
    this._appliquerMoteur = M.cwrap('kest_appliquer_moteur', 'number',
      ['string', 'string', 'string', 'string', 'string', 'string', 'string']);
    this._moteurAffiche = M.cwrap('kest_moteur_affiche', null, ['string']);
    this._conception = M.cwrap('kest_conception', 'string', ['string']);
    this.ALIMENTATIONS = [];  // the supply kinds' names, as the module counts them
    for (let p; (p = M._kest_nom_alimentation(this.ALIMENTATIONS.length));)
      this.ALIMENTATIONS.push(M.UTF8ToString(p));
    this.DISTRIBUTIONS = [];  // the distributions' names, as kest_distribution counts them
    for (let p; (p = M._kest_nom_distribution(this.DISTRIBUTIONS.length));)
      this.DISTRIBUTIONS.push(M.UTF8ToString(p));
    this._reelVersTexte = M.cwrap('kest_reel_vers_texte', 'number', ['number', 'string']);
    this._texteVersReel = M.cwrap('kest_texte_vers_reel', 'number', ['string', 'string', 'number']);
    this._lisLien = M.cwrap('kest_lis_lien', 'number', ['string', 'string']);
    this._description = M.cwrap('kest_description', 'string', ['string']);
    this._tampon = M._malloc(8);
    // Per list of the module (0 the picture, 1 the star of slots): the texts met so far, and
    // the number of the last frame drawn.
    this._textes = [[], []];
    this._numeros = [0, 0];
    this.constantes = constantes(M);
    this._lis = lecteur(this.constantes);
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
  // The supply panel: a radio button (its index in ALIMENTATIONS), and Enter in one of its six
  // fields (three amplitudes, three lags in degrees, as typed), which returns null or the
  // French message with nothing changed.
  Noyau.prototype.choisirAlimentation = function (i) { this.M._kest_choisir_alimentation(i); };
  // A kind's name and its button's hint, of the supply or of the winding, in the page's
  // language; null past the last kind. genre(): the winding's kind, an index of that list.
  const texteOuNull = (M, p) => (p ? M.UTF8ToString(p) : null);
  Noyau.prototype.nomAlimentation = function (i) {
    return texteOuNull(this.M, this.M._kest_nom_alimentation(i));
  };
  Noyau.prototype.aideAlimentation = function (i) {
    return texteOuNull(this.M, this.M._kest_aide_alimentation(i));
  };
  Noyau.prototype.nomGenre = function (i) { return texteOuNull(this.M, this.M._kest_nom_genre(i)); };
  Noyau.prototype.aideGenre = function (i) { return texteOuNull(this.M, this.M._kest_aide_genre(i)); };
  Noyau.prototype.genre = function () { return this.M._kest_type_bobinage(); };
  Noyau.prototype.appliquerAlimentation = function (amplitudes, dephasages, separateur) {
    const r = this._appliquerAlimentation(amplitudes[0], amplitudes[1], amplitudes[2],
      dephasages[0], dephasages[1], dephasages[2], separateur);
    return r ? this.M.UTF8ToString(r) : null;
  };
  // What the supply panel shows: {alimentation (index), amplitudes: [3], dephasages: [3]}.
  Noyau.prototype.alimentationAffichee = function (separateur) {
    const M = this.M;
    this._alimentationAffichee(separateur);
    const texte = (i) => M.UTF8ToString(M._kest_alimentation_texte(i));
    return { alimentation: M._kest_alimentation(), amplitudes: [0, 1, 2].map(texte),
      dephasages: [3, 4, 5].map(texte) };
  };
  // The single-phase motor's panel: the machine (0 three-phase, 1 the motor; null, or the message
  // of a refusal with nothing changed), a start (a row of
  // the model's starts), the slider at a step (which chooses "Libre"), and Enter over its six
  // fields (C, a, R_m, X_m, R_a, X_a as typed), which returns null or the French message with
  // nothing changed. The labels and hints in the page's language, null past the last.
  Noyau.prototype.choisirMachine = function (i) {
    return texteOuNull(this.M, this.M._kest_choisir_machine(i));
  };
  Noyau.prototype.choisirDemarrage = function (i) { this.M._kest_choisir_demarrage(i); };
  Noyau.prototype.curseur = function (position) { this.M._kest_curseur(position); };
  Noyau.prototype.nomMachine = function (i) { return texteOuNull(this.M, this.M._kest_nom_machine(i)); };
  Noyau.prototype.nomDemarrage = function (i) {
    return texteOuNull(this.M, this.M._kest_nom_demarrage(i));
  };
  Noyau.prototype.aideDemarrage = function (i) {
    return texteOuNull(this.M, this.M._kest_aide_demarrage(i));
  };
  Noyau.prototype.appliquerMoteur = function (champs, separateur) {
    const r = this._appliquerMoteur(...champs, separateur);
    return r ? this.M.UTF8ToString(r) : null;
  };
  // What the motor's panel shows: {machine, demarrage, champs: [6 texts], pas (the slider's
  // steps), position (the step of the capacitance used), marque (the quadrature capacitor's
  // step, -1 off the scale), condensateur (µF used: 0 open, Infinity none), conception (text)}.
  Noyau.prototype.moteurAffiche = function (separateur) {
    const M = this.M;
    this._moteurAffiche(separateur);
    return { machine: M._kest_machine(), demarrage: M._kest_demarrage(),
      champs: [0, 1, 2, 3, 4, 5].map((i) => M.UTF8ToString(M._kest_moteur_texte(i))),
      pas: M._kest_pas_curseur(), position: M._kest_position_curseur(),
      marque: M._kest_marque_curseur(), condensateur: M._kest_condensateur_utilise(),
      conception: this._conception(separateur) };
  };
  // The winding panel: a kind chosen (0 classique, 1 par encoches), or Enter over its three
  // fields; each returns null, or the error box's message with nothing changed.
  Noyau.prototype.choisirBobinage = function (i) {
    const r = this.M._kest_choisir_bobinage(i);
    return r ? this.M.UTF8ToString(r) : null;
  };
  Noyau.prototype.appliquerEncoches = function (encoches, couches, pas) {
    const r = this._appliquerEncoches(encoches, couches, pas);
    return r ? this.M.UTF8ToString(r) : null;
  };
  // "12 encoches, p = 5, 2 couche(s), pas de 1 encoche(s)": the slot winding the state keeps.
  Noyau.prototype.nomEncoches = function () {
    return this.M.UTF8ToString(this.M._kest_nom_encoches());
  };
  Noyau.prototype.avancer = function (n) { this.M._kest_avancer(n); };
  // The module's texts in the page's language: its French sources, or the page's translation.
  Noyau.prototype.langue = function (source) { this.M._kest_langue(source ? 0 : 1); };
  Noyau.prototype.reinitialise = function () { this.M._kest_reinitialise(); };
  // Whether the rules run since the last frame changed what the picture shows.
  Noyau.prototype.aRedessiner = function () { return this.M._kest_a_redessiner() !== 0; };
  // The speed bar at ms; true when the clock must start again on the new interval.
  Noyau.prototype.regleIntervalle = function (ms) {
    return this.M._kest_regle_intervalle(ms) !== 0;
  };
  Noyau.prototype.intervalle = function () { return this.M._kest_intervalle(); };

  // A link (the address, or the part after '#') read as the panel reads typed input: the state
  // becomes the link's, each refused option at its default. Returns what the page's controls
  // take from it: {vues: {vecteurs, onde, bobinage}, intervalle, enMarche, refus: [messages]}.
  Noyau.prototype.lisLien = function (lien, separateur) {
    const M = this.M;
    const refus = [];
    for (let i = 0, n = this._lisLien(lien, separateur); i < n; ++i)
      refus.push(M.UTF8ToString(M._kest_lien_refus(i)));
    return { vues: { vecteurs: M._kest_lien_vue(0) !== 0, onde: M._kest_lien_vue(1) !== 0,
      bobinage: M._kest_lien_vue(2) !== 0 }, intervalle: M._kest_lien_intervalle(),
    enMarche: M._kest_lien_en_marche() !== 0, refus: refus };
  };
  // The link of the state, the clock's interval and these views and clock: the part after '#',
  // empty for the defaults.
  Noyau.prototype.ecrisLien = function (vues, enMarche) {
    return this.M.UTF8ToString(this.M._kest_ecris_lien(vues.vecteurs ? 1 : 0, vues.onde ? 1 : 0,
      vues.bobinage ? 1 : 0, enMarche ? 1 : 0));
  };

  // What a designer reads of the slot winding the state keeps: {q: "2/5" (Q/(6p), the motor's
  // Q/(4p)), phases: 3 or 2, periodicite: gcd(Q, p), 0 when it makes no winding with p, table: a
  // row per layer, top first, of each slot's side ("A+", "B−")}.
  Noyau.prototype.lectureEncoches = function () {
    const M = this.M;
    const table = M.UTF8ToString(M._kest_table_encoches());
    return { q: M.UTF8ToString(M._kest_encoches_par_pole_et_phase()),
      phases: M._kest_phases_encoches(),
      periodicite: M._kest_periodicite(),
      table: table ? table.split('\n').map((l) => l.split(' ')) : [] };
  };

  // The custom winding's edits: a tap on the cell of slot `encoche` (from 0), layer `couche`
  // (0 top), undo and redo; each returns null, or the error box's message with nothing changed.
  // historique(): {annuler, refaire}, whether there is an edit to undo, to redo.
  Noyau.prototype.editerCellule = function (encoche, couche) {
    return texteOuNull(this.M, this.M._kest_editer_cellule(encoche, couche));
  };
  Noyau.prototype.annuler = function () { return texteOuNull(this.M, this.M._kest_annuler()); };
  Noyau.prototype.refaire = function () { return texteOuNull(this.M, this.M._kest_refaire()); };
  Noyau.prototype.historique = function () {
    return { annuler: this.M._kest_peut_annuler() !== 0, refaire: this.M._kest_peut_refaire() !== 0 };
  };
  // What the slot table tells (conductors per phase, a phase that does not close, the working
  // wave and the sub-harmonics): its sentences, in the module's language.
  Noyau.prototype.diagnostic = function () {
    const t = this.M.UTF8ToString(this.M._kest_diagnostic());
    return t ? t.split('\n') : [];
  };

  // What the options panel shows for the state: {p, m, Y, reelle, doubleEtoile}.
  Noyau.prototype.saisieAffichee = function (separateur) {
    const M = this.M;
    this._saisieAffichee(separateur);
    return { p: M.UTF8ToString(M._kest_saisie_texte(0)), m: M.UTF8ToString(M._kest_saisie_texte(1)),
      Y: M.UTF8ToString(M._kest_saisie_texte(2)), reelle: M._kest_saisie_reelle() !== 0,
      doubleEtoile: M._kest_saisie_double_etoile() !== 0 };
  };
  // What the picture shows, told in the module's language (winding, supply, field).
  Noyau.prototype.description = function (separateur) { return this._description(separateur); };
  // The distribution the picture draws: 0 Parfaite, 1 Réelle, 2 Double étoile.
  Noyau.prototype.distribution = function () { return this.M._kest_distribution(); };
  Noyau.prototype.etat = function () {
    const M = this.M;
    const k = [0, 1, 2];
    return { p: M._kest_p(), m: M._kest_m(), Y: M._kest_y(), t: M._kest_t(),
      distribution: this.DISTRIBUTIONS[this.distribution()],
      alimentation: this.ALIMENTATIONS[M._kest_alimentation()],
      amplitudes: k.map((i) => M._kest_amplitude_libre(i)),
      dephasages: k.map((i) => M._kest_dephasage_libre(i)),
      bobinage: M.UTF8ToString(M._kest_genre_bobinage()), encoches: M._kest_encoches(0),
      couches: M._kest_encoches(1), pas: M._kest_encoches(2), machine: M._kest_machine(),
      demarrage: M._kest_demarrage() };
  };

  // Draws one frame; returns it as {liste, numero, longueur, deja, textes}. Its calls stay in
  // the module's memory until the next frame of its list is drawn, and only while it is the
  // last one can it be read.
  Noyau.prototype.dessine = function (vues) {
    const M = this.M;
    return this._image(0, M._kest_dessine(vues.vecteurs ? 1 : 0, vues.onde ? 1 : 0,
      vues.bobinage ? 1 : 0));
  };
  // The star of slots of the slot winding the state keeps (the "Bobinage" panel's figure), a
  // frame of its own list, read as the picture's.
  Noyau.prototype.dessineEtoile = function () {
    return this._image(1, this.M._kest_dessine_etoile());
  };
  Noyau.prototype._image = function (liste, n) {
    const M = this.M;
    const textes = this._textes[liste];
    for (let i = textes.length; M.UTF8ToString(M._kest_texte(liste, i)) !== ''; ++i)
      textes.push(M.UTF8ToString(M._kest_texte(liste, i)));
    return { liste: liste, numero: ++this._numeros[liste], longueur: n,
      deja: M._kest_nb_deja_dessinees(liste), textes: textes };
  };

  // Hands each call of the frame to the surface's method of the same name.
  Noyau.prototype.lis = function (image, surface) {
    this._rejoue(image, surface, new Int32Array(0));
  };
  // The same for painting: the ellipses that the module found add nothing are left out.
  Noyau.prototype.peins = function (image, surface) {
    const debut = this.M._kest_deja_dessinees(image.liste) >> 2;
    this._rejoue(image, surface, this.M.HEAP32.subarray(debut, debut + image.deja));
  };
  Noyau.prototype._rejoue = function (image, surface, sauf) {
    if (image.numero !== this._numeros[image.liste]) throw new Error('image remplacée');
    // A view made now: the memory may have grown since the frame was drawn.
    const debut = this.M._kest_appels(image.liste) >> 2;
    this._lis(this.M.HEAP32.subarray(debut, debut + image.longueur), image.textes, surface, sauf);
  };

  // A frame's calls as JSON-ready arrays: ["LineTo", x, y], ["TextOut", x, y, "Fresnel"],
  // ["SetPenStyle", "Dot"], ["SetBrushStyle", "Clear"], colours as 0x00BBGGRR numbers.
  Noyau.prototype.appels = function (image) {
    const liste = [];
    const surface = {};
    for (const { nom } of this.constantes.appels)
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

  // fabrique is the factory of kest-module.js (createKestModule); traduction(context, French
  // text), the page's translation or null, is what the module asks for its texts (none: they
  // stay French). Resolves to a Noyau.
  function ouvrir(fabrique, traduction) {
    return fabrique({ traduction: traduction }).then(function (M) { return new Noyau(M); });
  }

  return { ouvrir: ouvrir };
})();
