// SPDX-License-Identifier: GPL-3.0-or-later
// The page on a phone, held upright (390 × 844) and on its side (844 × 390), with touch: the
// picture's two blocks drawn from the frame's own calls, panels that never cover it, targets a
// thumb can hit; the text that stands for the picture; axe-core's accessibility report.
// Run with: KEST_SITE=<built site> NODE_PATH=<node_modules> node --test
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const { lanceNavigateur, sert } = require('./navigateur.js');

const site = process.env.KEST_SITE;
const TELEPHONES = [[390, 844], [844, 390]];
let navigateur;
let serveur;
let url;

// Counts the module's computations of the text alternative in window.descriptions; the module
// puts its export in place at the first call, so the spy stands in front of it.
function compteDescriptions() {
  window.descriptions = 0;
  let usine;
  Object.defineProperty(window, 'createKestModule', { get: () => usine, set: (f) => {
    usine = (...a) => f(...a).then((M) => {
      let decrit = M._kest_description;
      const espion = (...x) => { window.descriptions += 1; return decrit(...x); };
      return Object.defineProperty(M, '_kest_description', { get: () => espion,
        set: (g) => { decrit = g; } });
    });
  } });
}

async function telephone(largeur, hauteur, adresse = url, nav = navigateur) {
  const p = await nav.newPage();
  await p.evaluateOnNewDocument(compteDescriptions);
  const mobile = largeur < 1000;  // a desktop size has a mouse
  await p.setViewport({ width: largeur, height: hauteur, deviceScaleFactor: mobile ? 3 : 1,
    isMobile: mobile, hasTouch: mobile });
  p.appuie = (sel) => (mobile ? p.tap(sel) : p.click(sel));
  await p.goto(adresse, { waitUntil: 'load' });
  await p.evaluate(() => kest.pret);
  return p;
}
const image = (p) => p.evaluate(() => new Promise((ok) =>
  requestAnimationFrame(() => requestAnimationFrame(ok))));
async function ouvrePanneaux(p) {
  for (const id of ['Dimensions1', 'Alimentation1', 'Bobinage1']) {
    await p.appuie('.menu:nth-child(4) .titre-menu');
    await p.appuie('#' + id);
  }
  await image(p);
}

before(async () => {
  serveur = await sert(site);
  url = `http://127.0.0.1:${serveur.address().port}/`;
  navigateur = await lanceNavigateur();
});
after(async () => {
  if (navigateur) await navigateur.close();
  if (serveur) serveur.close();
});

// The canvas's drawing while the frame is painted again: per clip (one per block on a tall
// screen), the transform and the lines, ellipses and texts, in device pixels.
function traceCanvas(p) {
  return p.evaluate(() => {
    const P = CanvasRenderingContext2D.prototype;
    const blocs = [{ lignes: [], ellipses: 0, textes: [] }];
    const origine = {};
    let t = [0, 0];
    const espionne = (nom, f) => {
      origine[nom] = P[nom];
      P[nom] = function (...a) {
        f(a);
        return origine[nom].apply(this, a);
      };
    };
    espionne('setTransform', (a) => { t = [a[4], a[5]]; });
    espionne('clip', () => blocs.push({ t: t, lignes: [], ellipses: 0, textes: [] }));
    espionne('lineTo', (a) => blocs[blocs.length - 1].lignes.push([a[0] + t[0], a[1] + t[1]]));
    espionne('ellipse', () => { blocs[blocs.length - 1].ellipses += 1; });
    espionne('fillText', (a) => blocs[blocs.length - 1].textes.push(a[0]));
    try {
      kest.tick(0);
    } finally {
      Object.assign(P, origine);
    }
    return { blocs: blocs.filter((b) => b.lignes.length || b.ellipses || b.textes.length),
      layout: kest.layout(), appels: kest.calls() };
  });
}

// The row of Play, the speed bar, "Plus", a view's check box and a picture's button: their
// middles grouped by 20 px from Play's, null for a control not shown.
const rangees = (p) => p.evaluate(() => {
  const y = ['SpeedButton1', 'ScrollBar1', 'PlusOutils', 'CheckBoxAfficheOnde', 'Copier']
    .map((id) => document.getElementById(id).getBoundingClientRect())
    .map((b) => (b.height ? (b.top + b.bottom) / 2 : null));
  return y.map((v) => (v === null ? null : 1 + Math.floor((v - y[0] + 10) / 20)));
});

test('upright, the blocks span the width uncovered, drawn from the frame\'s calls; tools fold',
  async () => {
    const p = await telephone(390, 844);
    await p.evaluate(() => kest.tick(17));
    const { blocs, layout, appels } = await traceCanvas(p);
    assert.ok(layout.blocs, 'the blocks are stacked');
    assert.equal(blocs.length, layout.blocs.length);
    const lignes = appels.filter((a) => a[0] === 'LineTo');
    const textes = appels.filter((a) => a[0] === 'TextOut').map((a) => a[3]);
    const e = layout.echelle;
    layout.blocs.forEach((b, i) => {
      const trace = blocs[i];
      // Every LineTo of the frame once, the first and the last where the block puts them.
      assert.equal(trace.lignes.length, lignes.length, `block ${i}`);
      assert.deepEqual(trace.textes, textes, `block ${i}`);
      assert.ok(trace.ellipses > 0 && trace.ellipses <= appels.filter((a) => a[0] === 'Ellipse')
        .length, `block ${i}`);
      for (const k of [0, lignes.length - 1]) {
        const [x, y] = trace.lignes[k];
        const ou = [Math.round(lignes[k][1] * e) - Math.round(b.x * e) + b.dx,
          Math.round(lignes[k][2] * e) - Math.round(b.y * e) + b.dy];
        assert.ok(Math.abs(x - ou[0]) <= 0.5 && Math.abs(y - ou[1]) <= 0.5,
          `block ${i}, line ${k}: ${[x, y]} for ${ou}`);
      }
    });
    // The circles on top, then the curves below them, across the page's width; at the top, the
    // middle and the foot of the scrolled page, nothing lies over the picture's visible part.
    assert.ok(layout.blocs[0].x > layout.blocs[1].x && layout.blocs[1].dy > layout.blocs[0].dy);
    // Each block on the canvas and centred on it, each block's bottom the next one's top (to
    // the rounding of a device pixel; the canvas's height to that of a CSS pixel, 3 of them).
    const [W, H] = await p.$eval('#image', (c) => [c.width, c.height]);
    layout.blocs.forEach((b, i) => {
      const [g, d, bas] = [b.dx, b.dx + b.largeur * e, b.dy + b.hauteur * e];
      assert.ok(Math.abs(g + d - W) <= 2 && g >= 0 && b.dy >= 0 && bas <= H + 3,
        `block ${i}: ${[g, b.dy, d, bas]} on ${W} × ${H}`);
      if (layout.blocs[i + 1]) assert.ok(Math.abs(layout.blocs[i + 1].dy - bas) <= 1, `${i}`);
    });
    assert.ok(await p.$eval('#image', (c) => c.getBoundingClientRect().width) >= 360);
    assert.deepEqual(await p.evaluate(() => {
      const c = document.getElementById('image');
      const couverts = [];
      for (const f of [0, 0.5, 1]) {
        window.scrollTo(0, f * (document.documentElement.scrollHeight - innerHeight));
        const b = c.getBoundingClientRect();
        for (let y = Math.max(b.top, 0) + 1; y < Math.min(b.bottom, innerHeight); y += 20) {
          if ([b.left + 1, b.right - 1].some((x) => document.elementFromPoint(x, y) !== c))
            couverts.push([scrollY, y]);
        }
        if (f === 1 && b.bottom > innerHeight) couverts.push(b.bottom);
      }
      return couverts;
    }), []);
    // The tool row folded to Play, the speed bar and "Plus", which unfolds the rest below.
    assert.deepEqual(await rangees(p), [1, 1, 1, null, null]);
    await p.tap('#PlusOutils');
    const [, , , vues, image] = await rangees(p);
    assert.ok(vues > 1 && image > vues, `${vues}, ${image}`);
    // Both blocks show ink: the stator's outline and a curve's dash, in the canvas's pixels.
    const encre = await p.evaluate(([b0, b1]) => {
      const c = document.getElementById('image');
      const e = kest.layout().echelle;
      const ctx = c.getContext('2d');
      const noir = (b, x0, x1, y) => {
        const d = ctx.getImageData(Math.round((x0 - b.x) * e + b.dx), Math.round((y - b.y) * e +
          b.dy), Math.round((x1 - x0) * e), 1).data;
        for (let i = 0; i < d.length; i += 4) if (d[i] + d[i + 1] + d[i + 2] < 100) return true;
        return false;
      };
      return [noir(b0, 380, 420, 300), noir(b1, 1, 300, 300)];
    }, layout.blocs);
    assert.deepEqual(encre, [true, true]);
    await p.close();
  });

test('the wide page keeps the whole picture in one piece', async () => {
  const p = await telephone(1280, 800);
  const { blocs, layout } = await traceCanvas(p);
  assert.equal(layout.blocs, null);
  assert.equal(blocs.length, 1);
  // Everything shows, but the fold's button.
  assert.deepEqual((await rangees(p)).map((r) => r !== null), [true, true, false, true, true]);
  await p.close();
});

// Every visible control, brought into view as a finger scrolls to it: its box and whether it
// lies on the screen.
function boites(p) {
  return p.evaluate(() => {
    const r = [];
    for (const el of document.querySelectorAll('button, input, [role=menuitemcheckbox]')) {
      if (!el.getClientRects().length || el.closest('dialog, .articles')) continue;
      el.scrollIntoView({ block: 'nearest', inline: 'nearest' });
      const b = el.getBoundingClientRect();
      r.push({ id: el.id || el.getAttribute('aria-label') || el.textContent.trim(), l: b.left, t: b.top, r: b.right, b: b.bottom });
    }
    window.scrollTo(0, 0);
    return r;
  });
}
const boite = (p, sel) => p.$eval(sel, (e) => {
  const b = e.getBoundingClientRect();
  return { l: b.left, t: b.top, r: b.right, b: b.bottom };
});
const visible = (a, b) => ({ l: Math.max(a.l, b.l), t: Math.max(a.t, b.t), r: Math.min(a.r, b.r),
  b: Math.min(a.b, b.b) });
const separees = (a, b) => a.r <= b.l || b.r <= a.l || a.b <= b.t || b.b <= a.t;

for (const [largeur, hauteur] of TELEPHONES) {
  test(`${largeur} × ${hauteur}: open panels leave the picture whole, every control is ` +
    'at least 24 × 24 and on the screen', async () => {
    const p = await telephone(largeur, hauteur);
    await ouvrePanneaux(p);
    const dessin = await boite(p, '#image');
    assert.ok(dessin.r - dessin.l > 200 && dessin.b - dessin.t > 150 && dessin.t >= 0 &&
      dessin.b <= hauteur, JSON.stringify(dessin));
    // A panel shows only where the sheets' scrolled box lets it.
    const feuilles = await boite(p, '#panneaux');
    for (const id of ['#OptionsDlg', '#AlimentationDlg', '#BobinageDlg', '#panneaux']) {
      const b = visible(await boite(p, id), feuilles);
      assert.ok(b.r <= b.l || b.b <= b.t || separees(b, dessin),
        `${id} ${JSON.stringify(b)} over ${JSON.stringify(dessin)}`);
    }
    const controles = await boites(p);
    assert.equal(controles.filter((b) => /^Encoche \d+, Couche (haute|basse) : /.test(b.id)).length,
      24, 'the slot table\'s cells');
    for (const b of controles) {
      assert.ok(b.r - b.l >= 24 && b.b - b.t >= 24, `${b.id}: ${b.r - b.l} × ${b.b - b.t}`);
      assert.ok(b.l >= 0 && b.t >= 0 && b.r <= largeur && b.b <= hauteur,
        `${b.id} off the screen: ${JSON.stringify(b)}`);
    }
    // A tap on a cell turns it to its next side.
    await p.tap('#TableEncoches button');
    assert.equal(await p.$eval('#TableEncoches button', (b) => b.textContent), 'A−');
    // A change in a panel shows at once; the close button is on the screen and closes it.
    await p.tap('#RBAlimentation1');
    await image(p);
    assert.equal((await p.evaluate(() => kest.state())).alimentation, 'Séquence inverse');
    const fermer = await boite(p, '#FermerAlimentation');
    assert.ok(fermer.t >= 0 && fermer.b <= hauteur && fermer.r <= largeur);
    await p.tap('#FermerAlimentation');
    assert.equal(await p.$eval('#AlimentationDlg', (d) => d.hidden), true);
    // With the language menu open nothing moves.
    const avant = await boite(p, '#FermerOptions');
    await p.tap('.menu:nth-child(6) .titre-menu');
    assert.deepEqual(await boite(p, '#FermerOptions'), avant);
    const menu = await boite(p, '.menu.ouvert .articles');
    assert.ok(menu.l >= 0 && menu.r <= largeur, JSON.stringify(menu));
    await p.close();
  });
}

test('upright, the motor\'s panel by touch: targets a thumb can hit, the slider follows a ' +
  'finger and redraws, and axe-core finds no violation', async () => {
  const p = await telephone(390, 844);
  await p.tap('.menu:nth-child(4) .titre-menu');
  await p.tap('#Moteur1');
  await p.tap('#RBMachine1');
  await image(p);
  assert.equal((await p.evaluate(() => kest.state())).machine, 1);
  for (const b of (await boites(p)).filter((x) => /Machine|Demarrage|Condensateur|IDC_/
    .test(x.id))) assert.ok(b.r - b.l >= 24 && b.b - b.t >= 24, `${b.id}: ${b.r - b.l} × ${b.b - b.t}`);
  const calls = await p.evaluate(() => kest.calls());
  await p.$eval('#CurseurCondensateur', (e) => e.scrollIntoView({ block: 'center' }));
  const c = await boite(p, '#CurseurCondensateur');
  await p.touchscreen.touchStart(c.l + 12, (c.t + c.b) / 2);
  await p.touchscreen.touchMove(c.r - 12, (c.t + c.b) / 2);
  await p.touchscreen.touchEnd();
  await image(p);
  assert.equal((await p.evaluate(() => kest.state())).demarrage, 3);
  assert.ok(await p.$eval('#CurseurCondensateur', (e) => e.value > 900));
  assert.notDeepEqual(await p.evaluate(() => kest.calls()), calls);
  await p.evaluate(fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8'));
  assert.deepEqual(await p.evaluate(() => axe.run(document, { resultTypes: ['violations'] })
    .then((r) => r.violations.map((x) => [x.id, x.nodes[0].target.join(' ')]))), []);
  await p.close();
});

test('the text that stands for the picture follows the state, in the page\'s language',
  async () => {
    const p = await telephone(390, 844);
    const texte = () => p.$eval('#Description', (d) => d.textContent);
    await p.waitForFunction(() => document.getElementById('Description').textContent !== '');
    const equilibre = await texte();
    assert.match(equilibre, /^Bobinage : p = 1, m = 2, .*Alimentation : Équilibrée\. Champ résultant : 1.50 × celui d'une phase, tourne dans le sens direct, à 0°\.$/);
    assert.equal(await p.$eval('#Description', (d) => d.getAttribute('aria-live')), 'polite');
    assert.equal(await p.$eval('#image', (c) => c.getAttribute('role')), 'img');
    assert.ok((await p.$eval('#image', (c) => c.getAttribute('aria-label'))).length > 10);
    await p.evaluate(() => kest.tick(25));
    await p.waitForFunction((t) => document.getElementById('Description').textContent !== t, {},
      equilibre);
    assert.match(await texte(), /sens direct, à 90°\.$/);
    await ouvrePanneaux(p);
    await p.tap('#RBAlimentation2');
    await p.waitForFunction(() => /Monophasée/.test(document.getElementById('Description')
      .textContent));
    assert.match(await texte(), /pulse sans tourner/);
    // Playing at a tick every 10 ms, the text is computed and the region rewritten at most once
    // a second (100 ticks turn the field by a whole turn: the text may come back the same).
    const [changements, calculs] = await p.evaluate(() => new Promise((ok) => {
      const d = document.getElementById('Description');
      let n = 0;
      const o = new MutationObserver(() => { n += 1; });
      o.observe(d, { childList: true, characterData: true, subtree: true });
      document.getElementById('RBAlimentation0').click();
      Object.assign(document.getElementById('ScrollBar1'), { value: '10' })
        .dispatchEvent(new Event('input'));
      const avant = window.descriptions;
      document.getElementById('SpeedButton1').click();
      setTimeout(() => {
        document.getElementById('SpeedButton1').click();
        o.disconnect();
        ok([n, window.descriptions - avant]);
      }, 2500);
    }));
    assert.ok(calculs >= 2 && calculs <= 3 && changements <= calculs,
      `${calculs} computations, ${changements} rewritings in 2.5 s`);
    await p.tap('.menu:nth-child(6) .titre-menu');
    await p.tap('#LangueEn');
    await p.waitForFunction(() => /^Winding: /.test(document.getElementById('Description')
      .textContent));
    assert.match(await texte(), /Supply: Balanced\. Resultant field: 1.50 × that of one phase, turning forward, at \d+°\.$/);
    assert.equal(await p.evaluate(() => document.documentElement.lang), 'en');
    await p.close();
  });

test('from the keyboard every control takes the focus and shows it; a long press shows a hint',
  async () => {
    const p = await telephone(1280, 800);
    await ouvrePanneaux(p);
    // A radio group is one stop: its checked button; the slot table too: its current cell.
    const attendus = await p.evaluate(() => Array.from(document.querySelectorAll('button, input'))
      .filter((e) => e.getClientRects().length && !e.closest('dialog, .articles') &&
        (e.type !== 'radio' || e.checked) && !e.disabled && e.tabIndex >= 0).map((e) => e.id || e.textContent.trim()));
    const vus = new Map();
    for (let i = 0; i < 2 * attendus.length + 10; ++i) {
      await p.keyboard.press('Tab');
      const [id, visible] = await p.evaluate(() => {
        const e = document.activeElement;
        const s = getComputedStyle(e);
        return [e.id || e.textContent.trim(), e.matches(':focus-visible') &&
          s.outlineStyle !== 'none' && parseFloat(s.outlineWidth) >= 1];
      });
      vus.set(id, visible);
    }
    for (const id of attendus) {
      assert.ok(vus.has(id), `${id} never takes the focus`);
      assert.ok(vus.get(id), `${id}: the focus does not show`);
    }
    await p.close();

    const q = await telephone(390, 844);
    await q.tap('#PlusOutils');
    const b = await boite(q, '#CheckBoxAfficheOnde');
    await q.touchscreen.touchStart((b.l + b.r) / 2, (b.t + b.b) / 2);
    await new Promise((r) => setTimeout(r, 800));
    assert.equal(await q.$eval('#StatusBar1', (e) => e.textContent),
      'Affiche l\'onde associée à la kest');
    const ligne = await boite(q, '#StatusBar1');
    assert.ok(ligne.t >= 0 && ligne.b <= 844, `the status line at ${ligne.t}`);
    await q.touchscreen.touchEnd();
    await q.close();
  });

// axe-core over the page with the three panels open (and upright the tool row unfolded), in each
// language, at a desktop size and upright on a phone: no violation.
test('axe-core finds no violation', async () => {
  const axe = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
  const rapport = [];
  for (const langue of ['fr', 'en']) {
    const nav = await lanceNavigateur('en-US', langue);
    try {
      for (const [largeur, hauteur] of [[1280, 800], [390, 844]]) {
        const p = await telephone(largeur, hauteur, url, nav);
        await ouvrePanneaux(p);
        if (largeur < 1000) await p.tap('#PlusOutils');
        await p.evaluate(axe);
        const v = await p.evaluate(() => axe.run(document, { resultTypes: ['violations'] })
          .then((r) => r.violations.map((x) => ({ id: x.id, impact: x.impact,
            n: x.nodes.length, cible: x.nodes[0].target.join(' ') }))));
        rapport.push(`${langue} ${largeur}×${hauteur}: ${v.length} violations` +
          (v.length ? ' ' + JSON.stringify(v) : ''));
        assert.deepEqual(v, [], `${langue} ${largeur}×${hauteur}`);
        await p.close();
      }
    } finally {
      await nav.close();
    }
  }
  console.log('# ' + rapport.join('\n# '));
});
