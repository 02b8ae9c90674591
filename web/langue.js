// SPDX-License-Identifier: GPL-3.0-or-later
// The page's language. Every text is French in the page and the scripts; the others come from
// textes.js, made at build time from the list translations/langues.txt (KestLangues: each
// language's code and menu label) and its catalogues (KestTextes). The browser's languages
// choose (the first the list has, French otherwise), unless the "Langue / Language" menu,
// one item per language, has chosen: that choice is kept in the browser. The scripts ask for their
// texts with qsTranslate(context, French text), the form that the catalogue's tools read.
export const { KestLangue, qsTranslate } = (function () {
  const CLE = 'kest.langue';
  const LISTE = self.KestLangues || [{ code: 'fr', libelle: 'Français' }];
  const LANGUES = LISTE.map((l) => l.code);
  const FRANCAIS = LANGUES[0];  // the source language, first in the list
  const abonnes = [];
  let langue = FRANCAIS;

  function duNavigateur() {
    for (const l of navigator.languages || [navigator.language || '']) {
      const nom = String(l).toLowerCase();
      const code = LANGUES.find((c) => nom === c || nom.startsWith(c + '-'));
      if (code) return code;
    }
    return FRANCAIS;
  }
  function gardee() {
    try {
      const l = localStorage.getItem(CLE);
      return LANGUES.includes(l) ? l : null;
    } catch (e) {
      return null;  // storage refused (a page opened from the disk in some browsers)
    }
  }

  // The translation of a French text, or null when the language is French or has none.
  function cherche(contexte, source) {
    if (langue === FRANCAIS) return null;
    const table = (self.KestTextes || {})[langue] || {};
    const t = table[contexte + '\u0004' + source];
    return t === undefined ? null : t;
  }
  function texte(contexte, source) {
    const t = cherche(contexte, source);
    return t === null ? source : t;
  }

  // The page's texts, found as web/catalogue.mjs finds them: runs of text and <u> between
  // other elements (the <u> letter written &X), and the hints and labels.
  const sites = [];
  function runs(el) {
    const liste = [];
    let run = [];
    for (const n of Array.from(el.childNodes)) {
      if (n.nodeType === Node.TEXT_NODE || n.nodeName === 'U') {
        run.push(n);
      } else {
        if (run.length) liste.push(run);
        run = [];
      }
    }
    if (run.length) liste.push(run);
    return liste;
  }
  const sourceDe = (run) => run.map((n) => (n.nodeType === Node.TEXT_NODE ? n.data
    : '&' + n.textContent)).join('');
  function parcourt(el) {
    if (el.getAttribute('translate') === 'no' || /^(SCRIPT|STYLE|svg|U)$/.test(el.nodeName)) return;
    for (const nom of ['data-hint', 'aria-label']) {
      if (el.hasAttribute(nom)) {
        const source = el.getAttribute(nom);
        sites.push({ source: source, ecrit: (t) => el.setAttribute(nom, t) });
      }
    }
    if (el.nodeName === 'META' && el.getAttribute('name') === 'description') {
      const source = el.getAttribute('content');
      sites.push({ source: source, ecrit: (t) => el.setAttribute('content', t) });
    }
    for (let run of runs(el)) {
      const brut = sourceDe(run);
      const source = brut.trim();
      if (!source) continue;
      const debut = brut.slice(0, brut.length - brut.trimStart().length);
      const fin = brut.slice(brut.trimEnd().length);
      sites.push({ source: source, ecrit: (t) => { run = remplace(run, debut + t + fin); } });
    }
    for (const enfant of Array.from(el.children)) parcourt(enfant);
  }
  // Writes `t` in place of the nodes of `run`, its &X as <u>X</u>; returns the new nodes. A run
  // that a script has since replaced (the Play/Stop caption) is the script's to write.
  function remplace(run, t) {
    const parent = run[0].parentNode;
    if (!parent || run.some((n) => n.parentNode !== parent)) return run;
    const suite = run[run.length - 1].nextSibling;
    for (const n of run) parent.removeChild(n);
    const i = t.indexOf('&');
    const nouveaux = [];
    if (i < 0 || i + 1 >= t.length) {
      nouveaux.push(document.createTextNode(t));
    } else {
      const u = document.createElement('u');
      u.textContent = t[i + 1];
      if (i > 0) nouveaux.push(document.createTextNode(t.slice(0, i)));
      nouveaux.push(u);
      if (i + 2 < t.length) nouveaux.push(document.createTextNode(t.slice(i + 2)));
    }
    for (const n of nouveaux) parent.insertBefore(n, suite);
    return nouveaux;
  }

  function applique() {
    document.documentElement.lang = langue;
    for (const s of sites) s.ecrit(texte('page', s.source));
    for (const b of boutons) b.setAttribute('aria-checked', String(b.lang === langue));
  }

  // Chooses the language, keeps the choice, rewrites the page and tells the subscribers.
  function choisit(l) {
    if (!LANGUES.includes(l)) return;
    try {
      localStorage.setItem(CLE, l);
    } catch (e) { /* the choice then lasts until the page is closed */ }
    langue = l;
    applique();
    for (const f of abonnes) f(langue);
  }

  // The language menu's items, in the list's order: "Langue" and the code, as LangueEn; each
  // label written in its own language, its &X the access letter.
  const boutons = [];
  const menu = document.getElementById('Langues');
  for (const l of menu ? LISTE : []) {
    const b = document.createElement('button');
    b.type = 'button';
    b.id = 'Langue' + l.code[0].toUpperCase() + l.code.slice(1);
    b.lang = l.code;
    b.setAttribute('role', 'menuitemradio');
    b.setAttribute('aria-checked', 'false');
    remplace([b.appendChild(document.createTextNode(''))], l.libelle);
    b.addEventListener('click', () => choisit(l.code));
    menu.appendChild(b);
    boutons.push(b);
  }

  langue = gardee() || duNavigateur();
  parcourt(document.documentElement);
  applique();

  return { qsTranslate: texte, KestLangue: {
    courante: () => langue,
    // Whether the current language is the sources' own (the list's first): nothing to translate.
    source: () => langue === FRANCAIS,
    cherche: cherche,
    choisit: choisit,
    // f(langue) after each choice (the module's texts, the picture's labels, live captions).
    suit: (f) => abonnes.push(f),
  } };
})();
