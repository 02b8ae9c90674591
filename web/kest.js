// SPDX-License-Identifier: GPL-3.0-or-later
// The page: the desktop window's controls wired to the WebAssembly module, and the replay of one
// frame's drawing calls on the canvas and into SVG. Physics and rules stay in the module.
(function () {
  'use strict';

  const LARGEUR = 700;
  const HAUTEUR = 500;
  const FOND = 0xf0f0f0;  // the window's button face, also the brush its surface starts with
  const POLICE = '"MS Sans Serif", "Segoe UI", "DejaVu Sans", Arial, sans-serif';
  const $ = (id) => document.getElementById(id);

  function css(c) {
    return 'rgb(' + (c & 255) + ',' + ((c >>> 8) & 255) + ',' + ((c >>> 16) & 255) + ')';
  }

  // Pen, brush and current position carry over from one frame to the next on the same surface.
  function nouvelleSurface(brosse) {
    return { couleur: 0, pointille: 0, largeur: 1, brosse: brosse, brosseVide: 0, x: 0, y: 0 };
  }

  // Replays the calls on a 2D context whose pixels are `e` times the picture's. Coordinates are
  // snapped to device pixels, and a line of odd device width sits on pixel centres, so that
  // 1-px pens stay one sharp pixel (or a whole number of pixels) at every scale.
  function rejoue(ctx, codes, textes, s, e) {
    let chemin = false;
    let lw = 1;
    let decal = 0.5;
    let dx = NaN;  // device point where the open path stands
    let dy = NaN;
    let vus = new Map();  // boxes of ellipses already drawn in this one-colour run
    const X = (x) => Math.round(x * e) + decal;

    function stylo() {
      lw = Math.max(1, Math.round(s.largeur * e));
      decal = lw % 2 ? 0.5 : 0;
      ctx.strokeStyle = css(s.couleur);
      ctx.lineWidth = lw;
      ctx.setLineDash(s.pointille ? [lw, 2 * lw] : []);
    }
    function trace() {
      if (chemin) ctx.stroke();
      chemin = false;
      dx = dy = NaN;
    }
    function ouvre() {
      if (!chemin) {
        ctx.beginPath();
        chemin = true;
      }
    }
    function change() {
      trace();
      if (vus.size) vus = new Map();
    }

    ctx.lineCap = 'butt';
    stylo();
    for (let i = 0, n = codes.length; i < n;) {
      switch (codes[i]) {
        case 0:  // MoveTo
          s.x = codes[i + 1];
          s.y = codes[i + 2];
          i += 3;
          break;
        case 1: {  // LineTo
          const ax = X(s.x);
          const ay = X(s.y);
          ouvre();
          if (ax !== dx || ay !== dy) ctx.moveTo(ax, ay);
          s.x = codes[i + 1];
          s.y = codes[i + 2];
          dx = X(s.x);
          dy = X(s.y);
          ctx.lineTo(dx, dy);
          i += 3;
          break;
        }
        case 2: {  // Ellipse: outline inside the box, as the desktop draws it
          const x1 = codes[i + 1];
          const y1 = codes[i + 2];
          const x2 = codes[i + 3];
          const y2 = codes[i + 4];
          i += 5;
          const uneCouleur = s.brosseVide || s.brosse === s.couleur;
          if (uneCouleur) {
            // Numbers, not strings, for the large windings' tens of thousands of conductors.
            const cle = (x1 + 2e6) * 1e7 + (y1 + 2e6);
            const taille = (x2 - x1) * 1e7 + (y2 - y1);
            if (vus.get(cle) === taille) break;
            vus.set(cle, taille);
          }
          const l = Math.round(x1 * e);
          const t = Math.round(y1 * e);
          const cx = (l + Math.round(x2 * e)) / 2;
          const cy = (t + Math.round(y2 * e)) / 2;
          const rx = Math.max(0, cx - l - lw / 2);
          const ry = Math.max(0, cy - t - lw / 2);
          if (s.brosseVide) {
            // Clear ellipses join the open path: one stroke for a whole run of them.
            ouvre();
            ctx.moveTo(cx + rx, cy);
            ctx.ellipse(cx, cy, rx, ry, 0, 0, 2 * Math.PI);
            dx = dy = NaN;
          } else {
            trace();
            ctx.beginPath();
            ctx.ellipse(cx, cy, rx, ry, 0, 0, 2 * Math.PI);
            ctx.fillStyle = css(s.brosse);
            ctx.fill();
            ctx.stroke();
          }
          break;
        }
        case 3: {  // TextOut: on a box of the brush colour while the brush is solid
          change();
          const texte = textes[codes[i + 3]];
          const x = Math.round(codes[i + 1] * e);
          const y = Math.round(codes[i + 2] * e);
          i += 4;
          const taille = Math.max(1, Math.round(11 * e));
          ctx.font = taille + 'px ' + POLICE;
          ctx.textBaseline = 'top';
          if (!s.brosseVide) {
            ctx.fillStyle = css(s.brosse);
            ctx.fillRect(x, y, Math.ceil(ctx.measureText(texte).width), Math.round(13 * e));
          }
          ctx.fillStyle = '#000';
          ctx.fillText(texte, x, y);
          break;
        }
        case 4: case 5: case 6: {  // pen colour, style, width
          const champ = codes[i] === 4 ? 'couleur' : codes[i] === 5 ? 'pointille' : 'largeur';
          const v = codes[i] === 4 ? codes[i + 1] >>> 0 : codes[i + 1];
          i += 2;
          if (s[champ] === v) break;
          change();
          s[champ] = v;
          stylo();
          break;
        }
        case 7: case 8: {  // brush colour, style
          const champ = codes[i] === 7 ? 'brosse' : 'brosseVide';
          const v = codes[i] === 7 ? codes[i + 1] >>> 0 : codes[i + 1];
          i += 2;
          if (s[champ] === v) break;
          change();
          s[champ] = v;
          break;
        }
        default:
          throw new Error('appel inconnu ' + codes[i]);
      }
    }
    trace();
  }

  function xml(t) {
    return t.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
      .replace(/"/g, '&quot;');
  }

  // The same calls as a vector picture: paths for the lines, ellipses, and text, on no
  // background, with a fresh surface (black pen, white brush) as the clipboard copy has.
  function enSvg(codes, textes) {
    const s = nouvelleSurface(0xffffff);
    const morceaux = [];
    let d = '';
    let vus = new Set();
    const trait = () => 'stroke="' + css(s.couleur) + '" stroke-width="' + s.largeur + '"' +
      (s.pointille ? ' stroke-dasharray="' + s.largeur + ' ' + 2 * s.largeur + '"' : '');
    const decal = () => (s.largeur % 2 ? 0.5 : 0);
    function trace() {
      if (d) morceaux.push('<path fill="none" ' + trait() + ' d="' + d + '"/>');
      d = '';
    }
    function change() {
      trace();
      vus = new Set();
    }
    let px = NaN;
    let py = NaN;
    for (let i = 0; i < codes.length;) {
      const op = codes[i];
      if (op === 0) {
        s.x = codes[i + 1];
        s.y = codes[i + 2];
      } else if (op === 1) {
        const o = decal();
        if (s.x !== px || s.y !== py) d += 'M' + (s.x + o) + ' ' + (s.y + o);
        s.x = px = codes[i + 1];
        s.y = py = codes[i + 2];
        d += 'L' + (s.x + o) + ' ' + (s.y + o);
      } else if (op === 2) {
        const [x1, y1, x2, y2] = [codes[i + 1], codes[i + 2], codes[i + 3], codes[i + 4]];
        const uneCouleur = s.brosseVide || s.brosse === s.couleur;
        const cle = x1 + ',' + y1 + ',' + x2 + ',' + y2;
        if (!(uneCouleur && vus.has(cle))) {
          if (uneCouleur) vus.add(cle);
          trace();
          px = py = NaN;
          const w = s.largeur / 2;
          morceaux.push('<ellipse cx="' + (x1 + x2) / 2 + '" cy="' + (y1 + y2) / 2 +
            '" rx="' + Math.max(0, (x2 - x1) / 2 - w) + '" ry="' + Math.max(0, (y2 - y1) / 2 - w) +
            '" fill="' + (s.brosseVide ? 'none' : css(s.brosse)) + '" ' + trait() + '/>');
        }
      } else if (op === 3) {
        change();
        px = py = NaN;
        const texte = xml(textes[codes[i + 3]]);
        const [x, y] = [codes[i + 1], codes[i + 2]];
        const g = '<text x="' + x + '" y="' + (y + 10) + '" font-family="' + xml(POLICE) +
          '" font-size="11" fill="#000">' + texte + '</text>';
        if (!s.brosseVide) {
          // The width is the text's own; a rough box of 6 px per character stands behind it.
          morceaux.push('<rect x="' + x + '" y="' + y + '" width="' +
            6 * textes[codes[i + 3]].length + '" height="13" fill="' + css(s.brosse) + '"/>');
        }
        morceaux.push(g);
      } else {
        const champ = ['couleur', 'pointille', 'largeur', 'brosse', 'brosseVide'][op - 4];
        const v = op === 4 || op === 7 ? codes[i + 1] >>> 0 : codes[i + 1];
        if (s[champ] !== v) {
          change();
          px = py = NaN;
          s[champ] = v;
        }
      }
      i += 1 + KestNoyau.NB_ARGS[op];
    }
    trace();
    return '<?xml version="1.0" encoding="UTF-8"?>\n' +
      '<svg xmlns="http://www.w3.org/2000/svg" width="' + LARGEUR + '" height="' + HAUTEUR +
      '" viewBox="0 0 ' + LARGEUR + ' ' + HAUTEUR + '">\n' + morceaux.join('\n') + '\n</svg>\n';
  }

  // ---- The window -------------------------------------------------------------------------

  const canvas = $('image');
  const ctx = canvas.getContext('2d', { alpha: false });
  const surface = nouvelleSurface(FOND);
  let noyau = null;
  let echelle = 1;
  let enMarche = false;
  let intervalle = 60;
  let minuterie = null;
  let attente = false;
  let separateur = '.';
  const vues = () => ({ vecteurs: $('CheckBoxAfficheVect').checked,
    onde: $('CheckBoxAfficheOnde').checked, bobinage: $('CheckBoxAfficheBobinage').checked });

  function dessine() {
    const codes = noyau.dessine(vues());
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.fillStyle = css(FOND);
    ctx.fillRect(0, 0, canvas.width, canvas.height);
    rejoue(ctx, codes, noyau.textes, surface, echelle);
  }
  function demandeDessin() {
    if (attente || !noyau) return;
    attente = true;
    requestAnimationFrame(() => {
      attente = false;
      dessine();
    });
  }

  // The picture keeps its 700 × 500 aspect and fills what the controls leave; its canvas has
  // one pixel per device pixel.
  function ajuste() {
    const zone = $('zone');
    const k = Math.max(0.1, Math.min(zone.clientWidth / LARGEUR, zone.clientHeight / HAUTEUR));
    const l = Math.floor(LARGEUR * k);
    const h = Math.floor(HAUTEUR * k);
    canvas.style.width = l + 'px';
    canvas.style.height = h + 'px';
    const r = window.devicePixelRatio || 1;
    const w = Math.max(1, Math.round(l * r));
    if (canvas.width !== w || canvas.height !== Math.round(h * r)) {
      canvas.width = w;
      canvas.height = Math.max(1, Math.round(h * r));
    }
    echelle = canvas.width / LARGEUR;
    if (noyau) dessine();
  }

  // ---- Clock: one AvancerTemps per interval; nothing runs while the page is hidden --------

  function tic() {
    noyau.avancer(1);
    demandeDessin();
  }
  function relance() {
    if (minuterie !== null) clearInterval(minuterie);
    minuterie = enMarche && !document.hidden ? setInterval(tic, intervalle) : null;
  }
  function horloge(marche) {
    if (marche === enMarche) return;
    enMarche = marche;
    relance();
    $('SpeedButton1').textContent = marche ? 'Stop' : 'Play';
  }

  // ---- Messages ---------------------------------------------------------------------------

  function erreur(message) {
    $('ErreurTexte').textContent = message + '.';
    const d = $('ErreurDlg');
    if (!d.open) d.showModal();
  }

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

  // ---- Options panel ----------------------------------------------------------------------

  const radios = () => [$('RBParfaite'), $('RBReelle'), $('RBDoubleetoile')];
  function distributionChoisie() {
    const r = radios().findIndex((b) => b.checked);
    return r < 0 ? 0 : r;
  }
  function montreOptions(montre) {
    if (montre) {
      const d = noyau.distribution();
      const avant = distributionChoisie();
      const aucune = !radios().some((b) => b.checked);
      radios()[d].checked = true;
      const e = noyau.etat();
      $('IDC_p').value = String(e.p);
      $('IDC_m').value = String(e.m);
      $('IDC_Y').value = noyau.reelVersTexte(e.Y, separateur);
      if (aucune || avant !== d) demandeDessin();
    }
    $('OptionsDlg').hidden = !montre;
    $('Dimensions1').setAttribute('aria-checked', String(montre));
    if (montre) $('IDC_p').focus();
  }
  function appliquer() {
    const message = noyau.appliquer($('IDC_p').value, $('IDC_m').value, $('IDC_Y').value,
      distributionChoisie(), separateur);
    if (message) erreur(message);
    else demandeDessin();
  }

  // ---- Pictures out -----------------------------------------------------------------------

  function dernierCodes() {
    noyau.dessine(vues());
    return { codes: noyau.codes.slice(), textes: noyau.textes.slice() };
  }
  function svg() {
    const d = dernierCodes();
    return enSvg(d.codes, d.textes);
  }
  // The copy's picture: a fresh surface, nothing painted below the scene.
  function png() {
    const d = dernierCodes();
    const c = document.createElement('canvas');
    c.width = LARGEUR;
    c.height = HAUTEUR;
    rejoue(c.getContext('2d'), d.codes, d.textes, nouvelleSurface(0xffffff), 1);
    return new Promise((ok) => c.toBlob(ok, 'image/png'));
  }
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
    if (!navigator.clipboard || typeof ClipboardItem === 'undefined') {
      erreur('Impossible d\'ouvrir le Presse-papiers');
      return Promise.resolve(false);
    }
    // The item takes the promise so that the copy keeps the click's user activation.
    return navigator.clipboard.write([new ClipboardItem({ 'image/png': png() })])
      .then(() => true, () => {
        erreur('Impossible d\'ouvrir le Presse-papiers');
        return false;
      });
  }

  function pleinEcran() {
    if (document.fullscreenElement) document.exitFullscreen();
    else if ($('fenetre').requestFullscreen) $('fenetre').requestFullscreen().catch(() => {});
  }

  // ---- Wiring -----------------------------------------------------------------------------

  function relie() {
    $('SpeedButton1').addEventListener('click', () => horloge(!enMarche));
    $('Play1').addEventListener('click', () => horloge(true));
    $('Stop1').addEventListener('click', () => horloge(false));
    $('ScrollBar1').addEventListener('input', (ev) => {
      const v = Number(ev.target.value);
      if (v === intervalle) return;
      intervalle = v;
      if (enMarche) relance();
    });
    for (const id of ['CheckBoxAfficheVect', 'CheckBoxAfficheOnde', 'CheckBoxAfficheBobinage'])
      $(id).addEventListener('change', demandeDessin);
    $('Dimensions1').addEventListener('click',
      () => montreOptions($('OptionsDlg').hidden));
    $('FermerOptions').addEventListener('click', () => montreOptions(false));
    for (const id of ['IDC_p', 'IDC_m', 'IDC_Y']) {
      $(id).addEventListener('keydown', (ev) => {
        if (ev.key === 'Enter') {
          ev.preventDefault();
          appliquer();
        }
      });
    }
    radios().forEach((b, i) => b.addEventListener('change', () => {
      if (!b.checked) return;
      noyau.choisirDistribution(i);
      demandeDessin();
    }));
    $('Aproposde1').addEventListener('click', () => $('AboutDlg').showModal());
    $('Copy1').addEventListener('click', copier);
    $('Copier').addEventListener('click', copier);
    const svgClic = () => telecharge(new Blob([svg()], { type: 'image/svg+xml' }), 'kest.svg');
    const pngClic = () => png().then((b) => telecharge(b, 'kest.png'));
    $('TelechargerSVG').addEventListener('click', svgClic);
    $('EnregistrerSVG').addEventListener('click', svgClic);
    $('TelechargerPNG').addEventListener('click', pngClic);
    $('EnregistrerPNG').addEventListener('click', pngClic);
    $('PleinEcran').addEventListener('click', pleinEcran);

    // Menus open on click and close after a choice or a click elsewhere.
    document.addEventListener('click', (ev) => {
      const titre = ev.target.closest('.titre-menu');
      for (const m of document.querySelectorAll('.menu')) {
        if (titre && m.contains(titre)) m.classList.toggle('ouvert');
        else m.classList.remove('ouvert');
      }
    });
    // Hints in the status line only, as on the desktop.
    document.addEventListener('mouseover', (ev) => {
      const h = ev.target.closest && ev.target.closest('[data-hint]');
      $('StatusBar1').textContent = h ? h.dataset.hint : '';
    });
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
    document.addEventListener('visibilitychange', relance);
    window.addEventListener('languagechange', () => { separateur = separateurDecimal(); });
    new ResizeObserver(ajuste).observe($('zone'));
    window.addEventListener('resize', ajuste);
  }

  // ---- Automation -------------------------------------------------------------------------

  const kest = {
    // The state that the picture is drawn from, and the controls that drive it.
    state() {
      return Object.assign(noyau.etat(), { enMarche: enMarche, intervalle: intervalle,
        vues: vues(), separateur: separateur });
    },
    // The drawing calls of the last frame, in the vocabulary of DrawingSurface.
    calls() { return noyau.appels(); },
    // n clock ticks, then one frame drawn at once.
    tick(n) {
      noyau.avancer(Math.max(0, Math.floor(n === undefined ? 1 : n)));
      dessine();
      return kest.state();
    },
    svg: svg,
    png: png,
  };
  window.kest = kest;

  separateur = separateurDecimal();
  // The manifest only where it can be read: a page opened from the disk may not fetch it.
  if (/^https?:$/.test(location.protocol)) {
    const lien = document.createElement('link');
    lien.rel = 'manifest';
    lien.href = 'manifest.webmanifest';
    document.head.appendChild(lien);
  }
  kest.pret = KestNoyau.ouvrir(createKestModule).then((n) => {
    noyau = n;
    relie();
    ajuste();  // draws the first picture
    kest.premiereImage = performance.now();
    // Offline once opened from a web host; a page opened from the disk has nothing to keep.
    if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol))
      navigator.serviceWorker.register('sw.js').catch(() => {});
    return kest;
  });
})();
