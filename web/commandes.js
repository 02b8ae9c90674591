// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls wired to the module, the clock and the picture, with the desktop's
// keyboard: the speed bar's steps, hints in the status line, Ctrl+C, F for the full screen.
import { KestLangue, qsTranslate } from './langue.js';
import { KestMenus } from './menus.js';
import { KestRejeu } from './rejeu.js';

export const KestCommandes = (function () {
  const $ = (id) => document.getElementById(id);

  // The browser's own language (its default locale) decides, as the regional settings did on
  // the desktop: "3,5" in a French browser.
  function separateurDecimal() {
    try {
      const partie = new Intl.NumberFormat().formatToParts(1.5).find((x) => x.type === 'decimal');
      return partie ? partie.value : '.';
    } catch (e) {
      return '.';
    }
  }

  // The speed bar's keys as on the desktop: the arrows by 1 ms (up toward the minimum), Page
  // Up and Page Down by 10. change() follows each move by the user; returns what sets the
  // clock from the bar.
  const PAS_VITESSE = { ArrowUp: -1, ArrowDown: 1, PageUp: -10, PageDown: 10 };
  function relieVitesse(barre, horloge, change) {
    const regle = () => horloge.intervalle(Number(barre.value));
    barre.addEventListener('input', () => {
      regle();
      change();
    });
    barre.addEventListener('keydown', (ev) => {
      const pas = PAS_VITESSE[ev.key];
      if (pas === undefined || ev.altKey || ev.ctrlKey || ev.metaKey) return;
      ev.preventDefault();
      barre.value = String(Number(barre.value) + pas);  // the range clamps it
      regle();
      change();
    });
    regle();
    return regle;
  }

  // A narrow screen (a phone, either way up): kest.css lays the panels out as sheets in the
  // page's flow, below the picture or beside it, where they never cover it.
  const ETROIT = matchMedia('(max-width: 699px), (max-height: 499px)');

  // The panels (Options, Alimentation) stand beside the picture, one under the other, when the
  // picture keeps at least its own size there; otherwise over its right edge. Dragged by its
  // title, a panel stays where it is put. On a narrow screen the style sheet places them.
  function panneaux(noyau, ids) {
    const zone = $('zone');
    const MARGE = 8;
    const HAUTEUR_MIN = 120;  // px: a panel low on the screen still shows a few rows
    const liste = ids.map((id) => ({ d: $(id), deplace: false }));
    function place() {
      const c = noyau.constantes;
      $('panneaux').classList.toggle('ouverts', liste.some((p) => !p.d.hidden));
      if (ETROIT.matches) {
        for (const p of liste) {
          p.deplace = false;
          p.d.style.left = p.d.style.right = p.d.style.top = p.d.style.maxHeight = '';
        }
        zone.style.marginRight = '';
        return;
      }
      const haut = zone.getBoundingClientRect().top;
      let y = haut + MARGE;
      let largeur = 0;
      for (const p of liste) {
        if (p.d.hidden || p.deplace) continue;
        p.d.style.left = '';
        p.d.style.right = MARGE + 'px';
        p.d.style.top = y + 'px';
        // A panel that would run past the bottom of the window scrolls within what is left.
        p.d.style.maxHeight = Math.max(HAUTEUR_MIN, innerHeight - y - MARGE) + 'px';
        y += p.d.offsetHeight + MARGE;
        largeur = Math.max(largeur, p.d.offsetWidth + 2 * MARGE);
      }
      if (largeur === 0) {
        zone.style.marginRight = '';
        return;
      }
      const aCote = Math.min((zone.clientWidth + parseFloat(zone.style.marginRight || 0) -
        largeur) / c.largeur, zone.clientHeight / c.hauteur) >= 1;
      zone.style.marginRight = aCote ? largeur + 'px' : '';
    }
    for (const p of liste) {
      const d = p.d;
      const titre = d.querySelector('header');
      titre.addEventListener('pointerdown', (ev) => {
        if (ev.button !== 0 || ev.target.closest('button') || ETROIT.matches) return;
        const r = d.getBoundingClientRect();
        const dx = ev.clientX - r.left;
        const dy = ev.clientY - r.top;
        titre.setPointerCapture(ev.pointerId);
        const bouge = (e) => {
          p.deplace = true;
          zone.style.marginRight = '';
          d.style.right = 'auto';
          d.style.left = Math.min(Math.max(0, e.clientX - dx), innerWidth - r.width) + 'px';
          d.style.top = Math.min(Math.max(0, e.clientY - dy), innerHeight - titre.offsetHeight) +
            'px';
        };
        const fin = () => {
          titre.removeEventListener('pointermove', bouge);
          titre.removeEventListener('pointerup', fin);
        };
        titre.addEventListener('pointermove', bouge);
        titre.addEventListener('pointerup', fin);
        ev.preventDefault();
      });
    }
    window.addEventListener('resize', place);
    ETROIT.addEventListener('change', place);
    return place;
  }

  // A panel, the page's form of the desktop's tool windows: its menu item shows and hides it and
  // is checked while it shows, its × button closes it. Before it shows, remplir() fills it; then
  // place() lays the panels out and the control that premier() gives takes the focus.
  function panneau(dialogue, article, fermer, remplir, place, premier) {
    function montre(m) {
      if (m) remplir();
      $(dialogue).hidden = !m;
      $(article).setAttribute('aria-checked', String(m));
      place();
      if (m) premier().focus();
    }
    $(article).addEventListener('click', () => montre($(dialogue).hidden));
    $(fermer).addEventListener('click', () => montre(false));
  }

  // One radio button per kind of one of the model's tables, in its order, appended to `groupe`:
  // nom(i) and aide(i) give a kind's name and hint in the page's language, null past the last.
  // nomme() writes them again after a change of language.
  function boutonsDuModele(groupe, nom, prefixe, libelle, aide) {
    const boutons = [];
    for (let i = 0; libelle(i) !== null; ++i) {
      const b = document.createElement('input');
      b.type = 'radio';
      b.name = nom;
      b.id = prefixe + i;
      const etiquette = document.createElement('label');
      etiquette.append(b, document.createTextNode(''));
      groupe.appendChild(etiquette);
      boutons.push(b);
    }
    function nomme() {
      boutons.forEach((b, i) => {
        b.nextSibling.data = ' ' + libelle(i);
        b.parentNode.dataset.hint = aide(i);
      });
    }
    nomme();
    return { boutons, nomme };
  }

  // The supply panel: a kind's button applies at once, Enter in one of the six fields hands
  // their texts to the module, whose rules answer; a message goes to the error box. Either
  // changes the configuration, which the address follows.
  function relieAlimentation(noyau, ecran, erreur, separateur, place, change) {
    const { boutons, nomme } = boutonsDuModele($('GroupeAlimentation'), 'alimentation',
      'RBAlimentation', (i) => noyau.nomAlimentation(i), (i) => noyau.aideAlimentation(i));
    const amplitudes = [1, 2, 3].map((k) => $('IDC_amplitude' + k));
    const dephasages = [1, 2, 3].map((k) => $('IDC_dephasage' + k));
    // Each phase's row carries its colour in the picture, from the module.
    [1, 2, 3].forEach((k) => {
      const c = noyau.M._kest_couleur_phase(k - 1) >>> 0;
      $('LignePhase' + k).querySelector('.pastille').style.color =
        `rgb(${c & 255}, ${(c >> 8) & 255}, ${(c >> 16) & 255})`;
    });
    function remplir() {
      const s = noyau.alimentationAffichee(separateur());
      boutons[s.alimentation].checked = true;
      amplitudes.forEach((e, k) => { e.value = s.amplitudes[k]; });
      dephasages.forEach((e, k) => { e.value = s.dephasages[k]; });
    }
    panneau('AlimentationDlg', 'Alimentation1', 'FermerAlimentation', remplir, place,
      () => boutons.find((b) => b.checked));
    boutons.forEach((b, i) => b.addEventListener('change', () => {
      if (!b.checked) return;
      noyau.choisirAlimentation(i);
      ecran.suit();
      change();
    }));
    for (const e of amplitudes.concat(dephasages)) {
      e.addEventListener('keydown', (ev) => {
        if (ev.key !== 'Enter') return;
        ev.preventDefault();
        const message = noyau.appliquerAlimentation(amplitudes.map((x) => x.value),
          dephasages.map((x) => x.value), separateur());
        // A refused field is named; the correct ones are kept and "Libre" is chosen.
        if (message) {
          erreur(message);
          boutons[noyau.alimentationAffichee(separateur()).alimentation].checked = true;
        } else remplir();
        ecran.suit();
        change();
      });
    }
    return { remplir: remplir, nomme: nomme };
  }

  // The single-phase motor's panel: the machine's and the start's buttons and the capacitance
  // slider apply at once (the slider as it moves, by finger too), Enter in one of its six fields
  // hands their texts to the module's rules; a message goes to the error box. The motor's
  // controls wait for the single-phase machine. Each changes the configuration.
  function relieMoteur(noyau, ecran, erreur, separateur, place, change) {
    const machines = boutonsDuModele($('GroupeMachine'), 'machine', 'RBMachine',
      (i) => noyau.nomMachine(i), (i) => [qsTranslate('page', 'Le stator triphasé et son champ tournant'),
        qsTranslate('page', 'Un enroulement principal et un auxiliaire à 90°, alimenté à travers un condensateur')][i]);
    const demarrages = boutonsDuModele($('GroupeDemarrage'), 'demarrage', 'RBDemarrage',
      (i) => noyau.nomDemarrage(i), (i) => noyau.aideDemarrage(i));
    const curseur = $('CurseurCondensateur');
    const champs = ['IDC_condensateur', 'IDC_rapport', 'IDC_Rm', 'IDC_Xm', 'IDC_Ra', 'IDC_Xa']
      .map($);
    // The capacitance used, as the slider's text and its label: a number, or the two ends.
    function valeur(c) {
      if (c === 0) return qsTranslate('page', 'C : auxiliaire ouverte');
      if (!isFinite(c)) return qsTranslate('page', 'C : aucun condensateur');
      return qsTranslate('page', 'C = %1 µF').replace('%1',
        c.toFixed(1).replace('.', separateur()));
    }
    // textes false: a refused Enter keeps what the user typed.
    function remplir(textes = true) {
      const s = noyau.moteurAffiche(separateur());
      machines.boutons[s.machine].checked = true;
      demarrages.boutons[s.demarrage].checked = true;
      $('GroupeMoteur').disabled = s.machine !== 1;
      curseur.max = String(s.pas);
      curseur.value = String(s.position);
      curseur.setAttribute('aria-valuetext', valeur(s.condensateur));
      $('LabelCondensateur').textContent = valeur(s.condensateur);
      const marque = $('MarqueQuadrature');
      marque.hidden = s.marque < 0;
      marque.style.setProperty('--marque', String(s.marque / s.pas));
      $('Conception').textContent = s.conception;
      if (textes) champs.forEach((e, i) => { e.value = s.champs[i]; });
    }
    panneau('MoteurDlg', 'Moteur1', 'FermerMoteur', remplir, place,
      () => machines.boutons.find((b) => b.checked));
    const applique = (regle, textes) => {
      regle();
      remplir(textes);
      ecran.suit();
      change();
    };
    machines.boutons.forEach((b, i) => b.addEventListener('change', () => {
      if (!b.checked) return;
      // A refused machine puts the buttons back.
      applique(() => {
        const message = noyau.choisirMachine(i);
        if (message) erreur(message);
      });
    }));
    demarrages.boutons.forEach((b, i) => b.addEventListener('change', () => {
      if (b.checked) applique(() => noyau.choisirDemarrage(i));
    }));
    curseur.addEventListener('input', () => applique(() => noyau.curseur(Number(curseur.value))));
    for (const e of champs) {
      e.addEventListener('keydown', (ev) => {
        if (ev.key !== 'Enter') return;
        ev.preventDefault();
        const message = noyau.appliquerMoteur(champs.map((x) => x.value), separateur());
        if (message) erreur(message);
        applique(() => {}, !message);
      });
    }
    return {
      remplir: remplir,
      nomme() {
        machines.nomme();
        demarrages.nomme();
      },
    };
  }

  // The winding panel: a kind's button applies at once (a slot winding that p no longer makes is
  // refused), Enter in one of its three fields hands their texts to the module's rules, and a tap
  // on a cell of the slot table gives it the next side (A+, A−, B+, B−, C+, C−, empty), which
  // makes the winding the custom one; its edits undo and redo (the buttons, Ctrl+Z and
  // Ctrl+Shift+Z while the panel shows). A message goes to the error box. Each changes the
  // configuration, which the address follows.
  function relieBobinage(noyau, ecran, erreur, place, change) {
    const { boutons, nomme } = boutonsDuModele($('GroupeBobinage'), 'bobinage', 'RBBobinage',
      (i) => noyau.nomGenre(i), (i) => noyau.aideGenre(i));
    const champs = ['IDC_encoches', 'IDC_couches', 'IDC_pas'].map($);
    const etoile = $('Etoile');
    const rejeu = KestRejeu.pour(noyau);
    // The star of slots, drawn by the scene into the module's second list and replayed as the
    // picture is, at one canvas pixel per device pixel: the star's frame of the figure only.
    function dessineEtoile() {
      if ($('BobinageDlg').hidden) return;
      const cadre = noyau.constantes.cadreEtoile;
      const l = etoile.clientWidth;
      const r = window.devicePixelRatio || 1;
      etoile.style.height = Math.round(l * cadre.hauteur / cadre.largeur) + 'px';
      etoile.width = Math.max(1, Math.round(l * r));
      etoile.height = Math.max(1, Math.round(l * cadre.hauteur / cadre.largeur * r));
      rejeu.canvas(etoile.getContext('2d'), noyau.dessineEtoile(), rejeu.crayonFenetre(),
        etoile.width / cadre.largeur, [Object.assign({ dx: 0, dy: 0 }, cadre)]);
    }
    // Each phase's colour in the picture: the cell's edge, and lightened its ground under black
    // text.
    const couleurs = [0, 1, 2].map((k) => {
      const c = noyau.M._kest_couleur_phase(k) >>> 0;
      const v = [c & 255, (c >> 8) & 255, (c >> 16) & 255];
      return { bord: `rgb(${v})`, fond: `rgb(${v.map((x) => Math.round(0.3 * x + 178.5))})` };
    });
    // The cell that holds the table's one keyboard stop: the arrows move it, Enter or Space taps.
    let courante = { s: 0, c: 0 };
    // The slot table: a column per slot, numbered from 1, a row per layer, the top one first,
    // each cell a button.
    function table(rangees) {
      const t = document.createElement('table');
      const cellule = (tr, nom, texte, portee) => {
        const x = tr.appendChild(document.createElement(nom));
        x.textContent = texte;
        if (portee) x.scope = portee;
        return x;
      };
      if (!rangees.length) return t;
      if (courante.c >= rangees.length || courante.s >= rangees[0].length) courante = { s: 0, c: 0 };
      const numeros = t.createTHead().insertRow();
      cellule(numeros, 'th', qsTranslate('page', 'Encoche'), 'row');
      rangees[0].forEach((_, s) => cellule(numeros, 'th', String(s + 1), 'col'));
      const corps = t.createTBody();
      // The layers named as the desktop's window names them.
      const noms = rangees.length === 1 ? [qsTranslate('page', 'Couche unique')]
        : [qsTranslate('page', 'Couche haute'), qsTranslate('page', 'Couche basse')];
      // The phases' letters in their order: the single-phase motor's main and auxiliary M, A.
      const phases = rangees.flat().some((cote) => cote.charAt(0) === 'M') ? 'MA' : 'ABC';
      rangees.forEach((rangee, c) => {
        const tr = corps.insertRow();
        cellule(tr, 'th', noms[c], 'row');
        rangee.forEach((cote, s) => {
          const b = cellule(cellule(tr, 'td', ''), 'button', cote);
          b.type = 'button';
          b.dataset.encoche = String(s);
          b.dataset.couche = String(c);
          b.tabIndex = s === courante.s && c === courante.c ? 0 : -1;
          b.setAttribute('aria-label', qsTranslate('page', 'Encoche %1, %2 : %3')
            .replace('%1', String(s + 1)).replace('%2', noms[c])
            .replace('%3', cote || qsTranslate('page', 'vide')));
          const k = phases.indexOf(cote.charAt(0));
          if (cote && k >= 0) {
            b.style.background = couleurs[k].fond;
            b.style.borderColor = couleurs[k].bord;
          }
        });
      });
      return t;
    }
    const cases = $('TableEncoches');
    const caseEn = (s, c) => cases.querySelector(`button[data-encoche="${s}"][data-couche="${c}"]`);
    function remplir() {
      const e = noyau.etat();
      boutons[noyau.genre()].checked = true;
      [e.encoches, e.couches, e.pas].forEach((v, i) => { champs[i].value = String(v); });
      $('NomEncoches').textContent = noyau.nomEncoches();
      const lecture = noyau.lectureEncoches();
      $('NomEncochesParPole').textContent = 'q = Q/(' + 2 * lecture.phases + 'p)';
      $('EncochesParPole').textContent = lecture.q;
      $('Periodicite').textContent = lecture.periodicite ? String(lecture.periodicite) : '—';
      const focus = cases.contains(document.activeElement);
      cases.replaceChildren(table(lecture.table));
      if (focus && caseEn(courante.s, courante.c)) caseEn(courante.s, courante.c).focus();
      $('DiagnosticEncoches').replaceChildren(...noyau.diagnostic().map((l) => {
        const li = document.createElement('li');
        li.textContent = l;
        return li;
      }));
      const h = noyau.historique();
      $('AnnulerBobinage').disabled = !h.annuler;
      $('RefaireBobinage').disabled = !h.refaire;
      dessineEtoile();
    }
    // A rule run on the winding: refused, nothing changed but the error box; otherwise the panel,
    // the picture and the address follow.
    function applique(message) {
      if (message) {
        erreur(message);
        return;
      }
      remplir();
      ecran.suit();
      change();
    }
    new ResizeObserver(dessineEtoile).observe(etoile);
    panneau('BobinageDlg', 'Bobinage1', 'FermerBobinage', remplir, place,
      () => boutons.find((b) => b.checked));
    boutons.forEach((b, i) => b.addEventListener('change', () => {
      if (!b.checked) return;
      const message = noyau.choisirBobinage(i);
      if (message) erreur(message);
      remplir();
      ecran.suit();
      change();
    }));
    for (const e of champs) {
      e.addEventListener('keydown', (ev) => {
        if (ev.key !== 'Enter') return;
        ev.preventDefault();
        const message = noyau.appliquerEncoches(...champs.map((x) => x.value));
        if (message) erreur(message);
        else remplir();
        ecran.suit();
        change();
      });
    }
    cases.addEventListener('click', (ev) => {
      const b = ev.target.closest('button[data-encoche]');
      if (!b) return;
      courante = { s: Number(b.dataset.encoche), c: Number(b.dataset.couche) };
      applique(noyau.editerCellule(courante.s, courante.c));
    });
    const PAS_CASE = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1],
      Home: [-Infinity, 0], End: [Infinity, 0] };
    cases.addEventListener('keydown', (ev) => {
      const pas = PAS_CASE[ev.key];
      const b = ev.target.closest('button[data-encoche]');
      if (!pas || !b || ev.altKey || ev.ctrlKey || ev.metaKey) return;
      ev.preventDefault();
      const rangees = cases.querySelectorAll('tbody tr');
      const n = rangees[0].querySelectorAll('button').length;
      const borne = (x, max) => Math.min(Math.max(x, 0), max);
      const s = borne(Number(b.dataset.encoche) + pas[0], n - 1);
      const c = borne(Number(b.dataset.couche) + pas[1], rangees.length - 1);
      b.tabIndex = -1;
      courante = { s, c };
      const suivante = caseEn(s, c);
      suivante.tabIndex = 0;
      suivante.focus();
    });
    $('AnnulerBobinage').addEventListener('click', () => applique(noyau.annuler()));
    $('RefaireBobinage').addEventListener('click', () => applique(noyau.refaire()));
    // Ctrl+Z and Ctrl+Shift+Z (or Ctrl+Y) for the winding while its panel shows; a text field
    // keeps its own.
    document.addEventListener('keydown', (ev) => {
      const touche = ev.key.toLowerCase();
      if (!(ev.ctrlKey || ev.metaKey) || ev.altKey || (touche !== 'z' && touche !== 'y') ||
          $('BobinageDlg').hidden || document.querySelector('dialog[open]') ||
          (ev.target.closest && ev.target.closest('input:not([type]), input[type=text]')))
        return;
      ev.preventDefault();
      $(touche === 'y' || ev.shiftKey ? 'RefaireBobinage' : 'AnnulerBobinage').click();
    });
    return { remplir: remplir, nomme: nomme };
  }

  // Wires every control; returns what the automation interface and the address read, and the
  // means to show a configuration read from a link.
  function relie(noyau, ecran, horloge) {
    let separateur = separateurDecimal();
    let quandChange = () => {};
    const change = () => quandChange();  // the user changed the configuration
    const erreur = ((ouvre) => (message) => {
      $('ErreurTexte').textContent = message + '.';
      ouvre();
    })(KestMenus.boiteModale($('ErreurDlg')));
    const aPropos = KestMenus.boiteModale($('AboutDlg'));

    function marche(m) {
      horloge.marche(m);
      $('SpeedButton1').textContent = horloge.enMarche() ? qsTranslate('page', 'Stop')
        : qsTranslate('page', 'Play');
    }
    const bascule = (m) => {
      marche(m);
      change();
    };
    $('SpeedButton1').addEventListener('click', () => bascule(!horloge.enMarche()));
    $('Play1').addEventListener('click', () => bascule(true));
    $('Stop1').addEventListener('click', () => bascule(false));
    const regleVitesse = relieVitesse($('ScrollBar1'), horloge, change);
    const cases = { vecteurs: $('CheckBoxAfficheVect'), onde: $('CheckBoxAfficheOnde'),
      bobinage: $('CheckBoxAfficheBobinage') };
    for (const c of Object.values(cases)) {
      c.addEventListener('change', () => {
        ecran.demandeDessin();
        change();
      });
    }

    // The panel.
    const reelle = $('RBReelle');
    const doubleEtoile = $('RBDoubleetoile');
    const radios = [$('RBParfaite'), reelle, doubleEtoile];  // as kest_distribution counts
    function distributionChoisie() {
      noyau.choisirDistribution(reelle.checked, doubleEtoile.checked);
      ecran.suit();
    }
    const placeOptions = panneaux(noyau, ['OptionsDlg', 'AlimentationDlg', 'BobinageDlg',
      'MoteurDlg']);
    // The panel shows the state.
    function remplitOptions() {
      const s = noyau.saisieAffichee(separateur);
      $('IDC_p').value = s.p;
      $('IDC_m').value = s.m;
      $('IDC_Y').value = s.Y;
      // A button that becomes selected here is chosen, as a click would.
      const avant = radios.map((b) => b.checked);
      const d = noyau.distribution();
      radios.forEach((b, i) => { b.checked = i === d; });
      if (radios.some((b, i) => b.checked && !avant[i])) distributionChoisie();
    }
    panneau('OptionsDlg', 'Dimensions1', 'FermerOptions', remplitOptions, placeOptions,
      () => $('IDC_p'));
    for (const id of ['IDC_p', 'IDC_m', 'IDC_Y']) {
      $(id).addEventListener('keydown', (ev) => {
        if (ev.key !== 'Enter') return;
        ev.preventDefault();
        const message = noyau.appliquer($('IDC_p').value, $('IDC_m').value, $('IDC_Y').value,
          reelle.checked, doubleEtoile.checked, separateur);
        if (message) erreur(message);
        if (!$('BobinageDlg').hidden) bobinage.remplir();
        ecran.suit();
        change();
      });
    }
    for (const b of radios) {
      b.addEventListener('change', () => {
        if (!b.checked) return;
        distributionChoisie();
        change();
      });
    }
    const alimentation = relieAlimentation(noyau, ecran, erreur, () => separateur, placeOptions,
      change);
    const bobinage = relieBobinage(noyau, ecran, erreur, placeOptions, change);
    const moteur = relieMoteur(noyau, ecran, erreur, () => separateur, placeOptions, change);

    // Pictures out, all from the frame on screen.
    function telecharge(blob, nom) {
      const a = document.createElement('a');
      a.href = URL.createObjectURL(blob);
      a.download = nom;
      document.body.appendChild(a);
      a.click();
      a.remove();
      setTimeout(() => URL.revokeObjectURL(a.href), 10000);
    }
    function copier() {
      const echec = () => {
        erreur(qsTranslate('page', 'Impossible d\'ouvrir le Presse-papiers'));
        return false;
      };
      if (!navigator.clipboard || typeof ClipboardItem === 'undefined')
        return Promise.resolve(echec());
      // The item takes the promise so that the copy keeps the click's user activation.
      return navigator.clipboard.write([new ClipboardItem({ 'image/png': ecran.png() })])
        .then(() => true, echec);
    }
    const svgClic = () => telecharge(new Blob([ecran.svg()], { type: 'image/svg+xml' }),
      'kest.svg');
    const pngClic = () => ecran.png().then((b) => telecharge(b, 'kest.png'));
    function pleinEcran() {
      if (document.fullscreenElement) document.exitFullscreen();
      else if ($('fenetre').requestFullscreen) $('fenetre').requestFullscreen().catch(() => {});
    }
    $('Aproposde1').addEventListener('click', aPropos);
    $('Copy1').addEventListener('click', copier);
    $('Copier').addEventListener('click', copier);
    $('TelechargerSVG').addEventListener('click', svgClic);
    $('EnregistrerSVG').addEventListener('click', svgClic);
    $('TelechargerPNG').addEventListener('click', pngClic);
    $('EnregistrerPNG').addEventListener('click', pngClic);
    $('PleinEcran').addEventListener('click', pleinEcran);
    // On a narrow screen the style sheet shows the views and these buttons only when "Plus" is
    // unfolded.
    const plus = $('PlusOutils');
    plus.addEventListener('click', () => plus.setAttribute('aria-expanded',
      String(plus.getAttribute('aria-expanded') !== 'true')));

    KestMenus.relie();
    // Hints in the status line only, for the control under the pointer or with the focus.
    const aide = (ev) => {
      const h = ev.target.closest && ev.target.closest('[data-hint]');
      $('StatusBar1').textContent = h ? h.dataset.hint : '';
    };
    document.addEventListener('mouseover', aide);
    document.addEventListener('focusin', aide);
    // A finger has no hover: a long press shows the hint too.
    let appui = null;
    const lache = () => {
      clearTimeout(appui);
      appui = null;
    };
    document.addEventListener('pointerdown', (ev) => {
      lache();
      if (ev.pointerType !== 'mouse') appui = setTimeout(() => aide(ev), 500);
    });
    for (const nom of ['pointerup', 'pointercancel']) document.addEventListener(nom, lache);
    document.addEventListener('keydown', (ev) => {
      const saisie = ev.target.closest && ev.target.closest('input:not([type]), input[type=text]');
      if (ev.ctrlKey && !ev.altKey && (ev.key === 'c' || ev.key === 'C') && !saisie &&
          !String(window.getSelection())) {
        ev.preventDefault();
        copier();
      } else if ((ev.key === 'f' || ev.key === 'F') && !ev.ctrlKey && !ev.altKey && !ev.metaKey &&
                 !saisie) {
        pleinEcran();
      }
    });
    window.addEventListener('languagechange', () => { separateur = separateurDecimal(); });
    // The clock's caption follows a new choice in the language menu.
    KestLangue.suit(() => marche(horloge.enMarche()));

    return {
      separateur: () => separateur,
      erreur: erreur,
      // f() runs after each change of the configuration by the user.
      surChangement(f) {
        quandChange = f;
      },
      // The module's texts in a new language: the panels that show them show them again.
      relit() {
        alimentation.nomme();
        bobinage.nomme();
        moteur.nomme();
        if (!$('BobinageDlg').hidden) bobinage.remplir();
        if (!$('MoteurDlg').hidden) moteur.remplir();
      },
      // A configuration read from a link (noyau.lisLien): the controls show it, and the first
      // refused option's message goes to the error box, as a bad value typed in the panel does.
      configure(c) {
        for (const v of Object.keys(cases)) cases[v].checked = c.vues[v];
        $('ScrollBar1').value = String(c.intervalle);
        regleVitesse();
        marche(c.enMarche);
        if (!$('OptionsDlg').hidden) remplitOptions();
        if (!$('AlimentationDlg').hidden) alimentation.remplir();
        if (!$('BobinageDlg').hidden) bobinage.remplir();
        if (!$('MoteurDlg').hidden) moteur.remplir();
        ecran.demandeDessin();
        if (c.refus.length) erreur(c.refus[0]);
      },
    };
  }

  return { relie: relie };
})();
