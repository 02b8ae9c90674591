// SPDX-License-Identifier: GPL-3.0-or-later
// The page's pictures (the canvas, the SVG and the PNG replayed from the module's calls) against
// what the window draws: kest-export's SVG and EMF for the same state, and the pixels themselves.
// Run with: KEST_SITE=<built site> KEST_EXPORT=<kest-export> KEST_LIRE_EMF=<lire_emf>
//   NODE_PATH=<node_modules> node --test
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { lanceNavigateur, sert } = require('./navigateur.js');
const natif = require('./natif.js');

let navigateur;
let serveur;
let url;

before(async () => {
  serveur = await sert(process.env.KEST_SITE);
  url = `http://127.0.0.1:${serveur.address().port}/`;
  navigateur = await lanceNavigateur();
});

after(async () => {
  if (navigateur) await navigateur.close();
  if (serveur) serveur.close();
});

// The page opened at a link, its picture drawn.
async function ouvre(lien) {
  const p = await navigateur.newPage();
  // 700 CSS pixels for the picture: one device pixel for each of its pixels.
  await p.setViewport({ width: 701, height: 600, deviceScaleFactor: 1 });
  await p.goto(url + lien, { waitUntil: 'load' });
  await p.evaluate(() => kest.pret);
  return p;
}

// The states of the comparisons: the defaults, a dotted polyline and 2-px arrows (inverse
// supply), labels on a clear brush (single phase), p > 1 with short coils, the double star.
const ETATS = [
  [],
  ['--alimentation', 'inverse'],
  ['--p', '2', '--m', '3', '--Y', '2.5', '--distribution', 'reelle', '--alimentation',
    'monophasee', '--ticks', '40'],
  ['--p', '3', '--distribution', 'double-etoile', '--alimentation', 'phase-coupee', '--ticks',
    '7'],
];
// The page's link for the same arguments.
const lien = (args) => '#' + args.map((a, i) => (i % 2 ? a + '&' : a.slice(2) + '='))
  .join('').replace(/&$/, '');

// What an SVG shows, in order: its lines with their pen, its boxes and its texts. Reads the
// page's writer (<path d="M…L…">) and Qt's (<g> of the pen around <polyline>s) alike.
function lisSvg(svg) {
  const attribut = (a, nom) => (a.match(new RegExp(`(?:^|\\s)${nom}="([^"]*)"`)) || [])[1];
  const couleur = (c) => (c && c.startsWith('rgb(') ? '#' + c.slice(4, -1).split(',')
    .map((v) => Number(v).toString(16).padStart(2, '0')).join('') : c);
  const lu = { chemins: [], lignes: [], boites: [], textes: [] };
  let groupe = '';
  const motif = /<g ([^>]*)>|<(path|polyline|rect|text) ([^>]*?)\/?>(?:([^<]*)<\/text>)?/g;
  for (const [, g, element, a, texte] of svg.matchAll(motif)) {
    if (g !== undefined) {
      groupe = g;
      continue;
    }
    const de = (nom) => attribut(a, nom) || attribut(groupe, nom);
    const stylo = { couleur: couleur(de('stroke')), largeur: Number(de('stroke-width')),
      pointille: !!de('stroke-dasharray') };
    if (element === 'path') {
      const chemin = { stylo, points: [] };
      let debut = null;
      for (const [, o, x, y] of attribut(a, 'd').matchAll(/([ML])([-\d.e]+) ([-\d.e]+)/g)) {
        const point = [Number(x), Number(y)];
        if (o === 'L') lu.lignes.push({ stylo, points: [...debut, ...point] });
        else chemin.points.push([]);
        chemin.points[chemin.points.length - 1].push(point);
        debut = point;
      }
      lu.chemins.push(chemin);
    } else if (element === 'polyline') {
      const p = attribut(a, 'points').trim().split(/[ ,]/).map(Number);
      for (let i = 2; i < p.length; i += 2)
        lu.lignes.push({ stylo, points: [p[i - 2], p[i - 1], p[i], p[i + 1]] });
    } else if (element === 'rect') {
      lu.boites.push(['x', 'y', 'width', 'height'].map((n) => Number(attribut(a, n)))
        .concat(couleur(de('fill'))));
    } else {
      lu.textes.push([texte, Number(attribut(a, 'x')), Number(attribut(a, 'y'))]);
    }
  }
  return lu;
}

// Lines of an odd width lie on the pixels' centres, half a pixel from their whole coordinates.
test('the SVG\'s lines are the window\'s, 2-px ones where kest-export\'s SVG puts them',
  async () => {
    for (const args of ETATS) {
      const p = await ouvre(lien(args));
      const page = lisSvg(await p.evaluate(() => kest.svg()));
      await p.close();
      // Qt's SVG writer leaves out the lines of no length, which show nothing.
      page.lignes = page.lignes.filter(({ points: [a, b, c, d] }) => a !== c || b !== d);
      const qt = lisSvg(natif.svg(...args));
      assert.equal(page.lignes.length, qt.lignes.length, lien(args));
      assert.ok(qt.lignes.some((l) => l.stylo.largeur === 2), lien(args));
      // The same pen, the same points; a line end may lie one whole pixel away where the
      // browser's sin or cos and the system's differ in their last bit at a whole pixel.
      let ecarts = 0;
      qt.lignes.forEach((l, i) => {
        const o = l.stylo.largeur % 2 ? 0.5 : 0;
        const ou = `${lien(args)}, ligne ${i} : ${JSON.stringify(page.lignes[i])}`;
        assert.deepEqual(page.lignes[i].stylo, l.stylo, ou);
        page.lignes[i].points.forEach((v, j) => {
          const d = v - (l.points[j] + o);
          assert.ok(d === 0 || Math.abs(d) === 1, ou);
          ecarts += d !== 0;
        });
      });
      assert.ok(ecarts <= 16, `${lien(args)} : ${ecarts}`);
    }
  });

test('no SVG path is cut where the pen does not change, in the window\'s pictures', async () => {
  for (const args of ETATS) {
    const p = await ouvre(lien(args));
    const { chemins } = lisSvg(await p.evaluate(() => kest.svg()));
    await p.close();
    // Two paths one after the other, of one pen, the second going on from the end of the first:
    // one line cut in two, its dots starting again.
    for (let i = 1; i < chemins.length; ++i) {
      const fin = chemins[i - 1].points.at(-1).at(-1);
      assert.ok(JSON.stringify(chemins[i].stylo) !== JSON.stringify(chemins[i - 1].stylo) ||
        JSON.stringify(chemins[i].points[0][0]) !== JSON.stringify(fin), `${lien(args)}, ${i}`);
    }
  }
});

// The pixels of the picture: the canvas on screen (at e device pixels per picture pixel), the
// PNG, or the SVG drawn by the browser (e = 1); the background (the window's colour, or
// transparent) as null.
function pixels(p, source) {
  return p.evaluate(async (source) => {
    let toile = document.getElementById('image');
    if (source !== 'canvas') {
      toile = document.createElement('canvas');
      toile.width = 700;
      toile.height = 500;
      const im = new Image();
      im.src = URL.createObjectURL(source === 'png' ? await kest.png()
        : new Blob([kest.svg()], { type: 'image/svg+xml' }));
      await im.decode();
      toile.getContext('2d').drawImage(im, 0, 0);
    }
    const { width, height } = toile;
    const d = toile.getContext('2d').getImageData(0, 0, width, height).data;
    const fond = getComputedStyle(document.documentElement).getPropertyValue('--fond').trim();
    return { largeur: width, e: width / 700, v: Array.from({ length: width * height }, (_, i) => {
      const c = `rgb(${d[4 * i]},${d[4 * i + 1]},${d[4 * i + 2]})`;
      return d[4 * i + 3] === 0 || (source === 'canvas' && c === fond) ? null :
        d[4 * i + 3] === 255 ? c : c + '/' + d[4 * i + 3];
    }) };
  }, source);
}

// Along a dotted level line from x1 to x2 (its end pixels left out, where the page's path
// starts half a pixel in): the pen's colour on one pixel in three (e device pixels in 3e), the
// background between, anything else only where another drawing crosses (the curves run along
// the axes). Returns [as expected, contrary, crossed].
function pointilles(img, ligne) {
  const [x1, y, x2, couleur] = ligne;
  const { e, largeur, v } = img;
  const compte = [0, 0, 0];
  for (let x = (Math.min(x1, x2) + 1) * e; x < (Math.max(x1, x2) - 1) * e; ++x) {
    const c = v[Math.round(y * e) * largeur + x];
    const point = (x - x1 * e) % (3 * e) < e;
    if (c === couleur ? point : c === null ? !point : false) ++compte[0];
    else if (c === couleur || c === null) ++compte[1];
    else ++compte[2];
  }
  return compte;
}
const css = (c) => `rgb(${c & 255},${(c >>> 8) & 255},${(c >>> 16) & 255})`;

test('dotted lines stay one-pixel dots two pixels apart on the canvas, in the PNG and the SVG',
  async () => {
    const p = await ouvre('');
    // The level dotted lines of the picture, from its calls.
    const lignes = [];
    const stylo = [0, 'Solid', 1];
    let depuis = [0, 0];
    for (const a of await p.evaluate(() => kest.calls())) {
      if (a[0] === 'SetPenColor') stylo[0] = a[1];
      if (a[0] === 'SetPenStyle') stylo[1] = a[1];
      if (a[0] === 'SetPenWidth') stylo[2] = a[1];
      if (a[0] === 'LineTo' && stylo[1] === 'Dot' && stylo[2] === 1 && a[2] === depuis[1] &&
        Math.abs(a[1] - depuis[0]) > 50) lignes.push([depuis[0], a[2], a[1], css(stylo[0])]);
      if (a[0] === 'MoveTo' || a[0] === 'LineTo') depuis = [a[1], a[2]];
    }
    assert.ok(lignes.length >= 4, JSON.stringify(lignes));
    const q = await navigateur.newPage();
    await q.setViewport({ width: 701, height: 600, deviceScaleFactor: 2 });
    await q.goto(url, { waitUntil: 'load' });
    await q.evaluate(() => kest.pret);
    for (const [page, source] of [[p, 'canvas'], [q, 'canvas'], [p, 'png'], [p, 'svg']]) {
      const img = await pixels(page, source);
      assert.ok(Number.isInteger(img.e), `${source} : ${img.e}`);
      const total = [0, 0, 0];
      for (const l of lignes) pointilles(img, l).forEach((n, i) => { total[i] += n; });
      console.log(`# ${source} ${total}`);
      assert.equal(total[1], 0, `${source} : ${total}`);
      assert.ok(total[0] > total[2], `${source} : ${total}`);
    }
    await q.close();
    await p.close();
  });

test('a dotted line keeps its dots through settings that change nothing; a text its colour',
  async () => {
  const p = await ouvre('');
  // One level line in two pieces, joined at x = 101 (not on a dot), with every setting given
  // again, unchanged, between them; replayed by the page's module of the replay.
  const source = 'data:text/javascript;base64,' +
    fs.readFileSync(path.join(__dirname, '..', '..', 'web', 'rejeu.js')).toString('base64');
  const r = await p.evaluate(async (source) => {
    const { KestRejeu } = await import(source);
    const appels = [['SetPenColor', 0x808080], ['SetPenStyle', 'Dot'], ['MoveTo', 10, 10],
      ['LineTo', 101, 10], ['SetPenColor', 0x808080], ['SetPenStyle', 'Dot'],
      ['SetPenWidth', 1], ['SetBrushColor', 0xFFFFFF], ['SetBrushStyle', 'Solid'],
      ['LineTo', 190, 10], ['SetTextColor', 0x0000FF], ['TextOut', 10, 20, 'A']];
    const rejeu = KestRejeu.pour({
      constantes: { largeur: 700, hauteur: 500, fond: 0xC0C0C0, brosseNeuve: 0xFFFFFF },
      peins: (image, surface) => appels.forEach(([nom, ...a]) => surface[nom](...a)),
    });
    const ctx = document.createElement('canvas').getContext('2d');
    ctx.drawImage(await createImageBitmap(await rejeu.png(null)), 0, 0);
    const d = ctx.getImageData(0, 10, 190, 1).data;
    const t = Array.from(ctx.getImageData(10, 20, 10, 13).data);
    return { svg: rejeu.svg(null), rouge: t.filter((v, i) => !(i % 4) && v > 128 && t[i + 1] < 100)
      .length,
      ligne: Array.from({ length: 190 }, (_, x) => d[4 * x + 3] === 0 ? '.' :
        d[4 * x + 3] === 255 && d[4 * x] === 128 ? '#' : '?').join('') };
  }, source);
  const { chemins } = lisSvg(r.svg);
  assert.equal(chemins.length, 1);
  assert.equal(chemins[0].points.length, 1, 'one stroke: the dots go on');
  assert.equal(r.ligne.slice(11, 189), '..#'.repeat(60).slice(0, 178));
  assert.match(r.svg, /fill="rgb\(255,0,0\)">A</);
  assert.ok(r.rouge > 3, `${r.rouge} red pixels`);
  await p.close();
});

test('the labels\' boxes and texts are where kest-export\'s SVG draws them', async () => {
  for (const args of ETATS.slice(0, 3)) {
    const p = await ouvre(lien(args));
    const page = lisSvg(await p.evaluate(() => kest.svg()));
    await p.close();
    const qt = lisSvg(natif.svg(...args));
    assert.ok(qt.textes.length >= 2, lien(args));
    assert.deepEqual(page.textes.map((t) => t.slice(0, 2)), qt.textes.map((t) => t.slice(0, 2)),
      lien(args));
    // Qt puts the text's baseline at its ascent, the page at 10 px below the box's top.
    page.textes.forEach((t, i) => assert.ok(Math.abs(t[2] - qt.textes[i][2]) < 1, lien(args)));
    // The same boxes; their widths measured by two font libraries, a pixel apart at most.
    assert.equal(page.boites.length, qt.boites.length, lien(args));
    page.boites.forEach((b, i) => {
      const q = qt.boites[i];
      assert.deepEqual([b[0], b[1], b[3], b[4]], [q[0], q[1], q[3], q[4]], lien(args));
      assert.ok(Math.abs(b[2] - q[2]) <= 1, `${lien(args)} : ${b} / ${q}`);
    });
  }
});
