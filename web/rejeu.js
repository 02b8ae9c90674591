// SPDX-License-Identifier: GPL-3.0-or-later
// The replay of one frame's calls: the rules of the desktop's surface (render/PainterSurface)
// that shape the output, written once, and three outputs under them: the canvas, the SVG text
// and the PNG picture.
export const KestRejeu = (function () {
  // The desktop's 8-point dialog font: 11 px glyphs on 13 px lines.
  const POLICE = '"MS Sans Serif", "Segoe UI", "DejaVu Sans", Arial, sans-serif';
  const TAILLE_POLICE = 11;
  const HAUTEUR_TEXTE = 13;

  function css(c) {
    return 'rgb(' + (c & 255) + ',' + ((c >>> 8) & 255) + ',' + ((c >>> 16) & 255) + ')';
  }

  // Pen, brush, text colour and current position: on the window's canvas they carry over from
  // one frame to the next; a picture made for the outside starts from a fresh surface.
  function nouveauCrayon(brosse) {
    return { couleur: 0, pointille: false, largeur: 1, brosse: brosse, brosseVide: false,
      texte: 0, x: 0, y: 0 };
  }

  // The outline of an ellipse lies inside its box, as the desktop draws it: the centre of the
  // box, and radii that leave half the pen inside.
  function dansLaBoite(l, t, r, b, largeur) {
    const cx = (l + r) / 2;
    const cy = (t + b) / 2;
    return { cx: cx, cy: cy, rx: Math.max(0, cx - l - largeur / 2),
      ry: Math.max(0, cy - t - largeur / 2) };
  }

  // The box that a text stands on while the brush is solid: the text's own width, one line
  // high, at `e` output pixels per picture pixel; ctx takes the font.
  function boiteTexte(ctx, texte, e) {
    ctx.font = Math.max(1, Math.round(TAILLE_POLICE * e)) + 'px ' + POLICE;
    return { largeur: Math.ceil(ctx.measureText(texte).width),
      hauteur: Math.round(HAUTEUR_TEXTE * e) };
  }

  // The surface's rules, for any output (`sortie`): a setting that does not change anything is
  // no change; a change, or a text, ends the run of the path; a text stands on a box of the
  // brush colour while the brush is solid. The ellipses that add nothing to the picture are
  // left out by the module (Noyau.peins).
  function Surface(sortie, crayon) {
    this.sortie = sortie;
    this.s = crayon;
  }
  Surface.prototype.finDeSerie = function () {
    this.sortie.coupe();
  };
  Surface.prototype.regle = function (champ, v, stylo) {
    if (this.s[champ] === v) return;
    this.finDeSerie();
    this.s[champ] = v;
    if (stylo) this.sortie.stylo();
  };
  Surface.prototype.MoveTo = function (x, y) {
    this.s.x = x;
    this.s.y = y;
  };
  Surface.prototype.LineTo = function (x, y) {
    this.sortie.ligne(this.s.x, this.s.y, x, y);
    this.s.x = x;
    this.s.y = y;
  };
  Surface.prototype.Ellipse = function (x1, y1, x2, y2) {
    this.sortie.ellipse(x1, y1, x2, y2);
  };
  Surface.prototype.TextOut = function (x, y, texte) {
    this.finDeSerie();
    this.sortie.texte(x, y, texte, this.s.brosseVide ? null : this.s.brosse);
  };
  Surface.prototype.SetPenColor = function (c) { this.regle('couleur', c, true); };
  Surface.prototype.SetPenStyle = function (style) {
    this.regle('pointille', style === 'Dot', true);
  };
  Surface.prototype.SetPenWidth = function (w) { this.regle('largeur', w, true); };
  Surface.prototype.SetBrushColor = function (c) { this.regle('brosse', c, false); };
  Surface.prototype.SetBrushStyle = function (style) {
    this.regle('brosseVide', style === 'Clear', false);
  };
  // A text ends the path anyway: its colour alone leaves the path open.
  Surface.prototype.SetTextColor = function (c) { this.s.texte = c; };

  // The canvas, at `e` device pixels per picture pixel. Coordinates are snapped to device
  // pixels, and a line of odd device width sits on pixel centres, so that 1-px pens stay one
  // sharp pixel (or a whole number of pixels) at every scale. Such a line starts half a pixel
  // into its first pixel: its dots are moved back by as much, onto whole pixels.
  function sortieCanvas(ctx, s, e) {
    let chemin = false;
    let lw = 1;
    let decal = 0.5;
    let dx = NaN;  // device point where the open path stands
    let dy = NaN;
    const X = (x) => Math.round(x * e) + decal;
    function ouvre() {
      if (!chemin) {
        ctx.beginPath();
        chemin = true;
      }
    }
    const sortie = {
      stylo() {
        lw = Math.max(1, Math.round(s.largeur * e));
        decal = lw % 2 ? 0.5 : 0;
        ctx.strokeStyle = css(s.couleur);
        ctx.lineWidth = lw;
        ctx.setLineDash(s.pointille ? [lw, 2 * lw] : []);
        ctx.lineDashOffset = decal;
      },
      coupe() {
        if (chemin) ctx.stroke();
        chemin = false;
        dx = dy = NaN;
      },
      ligne(x1, y1, x2, y2) {
        const ax = X(x1);
        const ay = X(y1);
        ouvre();
        if (ax !== dx || ay !== dy) ctx.moveTo(ax, ay);
        dx = X(x2);
        dy = X(y2);
        ctx.lineTo(dx, dy);
      },
      ellipse(x1, y1, x2, y2) {
        const b = dansLaBoite(Math.round(x1 * e), Math.round(y1 * e), Math.round(x2 * e),
          Math.round(y2 * e), lw);
        if (s.brosseVide) {
          // Clear ellipses join the open path: one stroke for a whole run of them.
          ouvre();
          ctx.moveTo(b.cx + b.rx, b.cy);
          ctx.ellipse(b.cx, b.cy, b.rx, b.ry, 0, 0, 2 * Math.PI);
          dx = dy = NaN;
        } else {
          sortie.coupe();
          ctx.beginPath();
          ctx.ellipse(b.cx, b.cy, b.rx, b.ry, 0, 0, 2 * Math.PI);
          ctx.fillStyle = css(s.brosse);
          ctx.fill();
          ctx.stroke();
        }
      },
      texte(x, y, texte, fond) {
        const px = Math.round(x * e);
        const py = Math.round(y * e);
        const boite = boiteTexte(ctx, texte, e);
        ctx.textBaseline = 'top';
        if (fond !== null) {
          ctx.fillStyle = css(fond);
          ctx.fillRect(px, py, boite.largeur, boite.hauteur);
        }
        ctx.fillStyle = css(s.texte);
        ctx.fillText(texte, px, py);
      },
    };
    return sortie;
  }

  function xml(t) {
    return t.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
      .replace(/"/g, '&quot;');
  }

  // The same calls as a vector picture: paths for the lines, ellipses, and text.
  function sortieSvg(s, morceaux, mesure) {
    let d = '';
    let px = NaN;
    let py = NaN;
    const trait = () => 'stroke="' + css(s.couleur) + '" stroke-width="' + s.largeur + '"' +
      (s.pointille ? ' stroke-dasharray="' + s.largeur + ' ' + 2 * s.largeur + '"' +
        (s.largeur % 2 ? ' stroke-dashoffset="0.5"' : '') : '');
    const sortie = {
      stylo() {},
      coupe() {
        if (d) morceaux.push('<path fill="none" ' + trait() + ' d="' + d + '"/>');
        d = '';
        px = py = NaN;
      },
      ligne(x1, y1, x2, y2) {
        const o = s.largeur % 2 ? 0.5 : 0;
        if (x1 !== px || y1 !== py) d += 'M' + (x1 + o) + ' ' + (y1 + o);
        px = x2;
        py = y2;
        d += 'L' + (x2 + o) + ' ' + (y2 + o);
      },
      ellipse(x1, y1, x2, y2) {
        sortie.coupe();
        const b = dansLaBoite(x1, y1, x2, y2, s.largeur);
        morceaux.push('<ellipse cx="' + b.cx + '" cy="' + b.cy + '" rx="' + b.rx + '" ry="' +
          b.ry + '" fill="' + (s.brosseVide ? 'none' : css(s.brosse)) + '" ' + trait() + '/>');
      },
      texte(x, y, texte, fond) {
        if (fond !== null) {
          const boite = boiteTexte(mesure, texte, 1);
          morceaux.push('<rect x="' + x + '" y="' + y + '" width="' + boite.largeur +
            '" height="' + boite.hauteur + '" fill="' + css(fond) + '"/>');
        }
        morceaux.push('<text x="' + x + '" y="' + (y + 10) + '" font-family="' + xml(POLICE) +
          '" font-size="' + TAILLE_POLICE + '" fill="' + css(s.texte) + '">' + xml(texte) +
          '</text>');
      },
    };
    return sortie;
  }

  // The replays of one module's frames ({codes, textes} from Noyau.dessine).
  function pour(noyau) {
    const c = noyau.constantes;
    function rejoue(sortie, crayon, image) {
      noyau.peins(image, new Surface(sortie, crayon));
      sortie.coupe();
    }
    return {
      css: css,
      // Pen and brush for the window's canvas, starting as the window's surface does.
      crayonFenetre: () => nouveauCrayon(c.fond),
      // Paints the window's background, then the frame, on a canvas of `e` device pixels per
      // picture pixel. With `blocs` ({x, y, largeur, hauteur} of the picture, and dx, dy: where
      // its corner goes, in device pixels), the whole frame is replayed once per block, each
      // clipped to its block and moved by whole device pixels; each replay starts from the pen
      // and brush that the frame started with.
      canvas(ctx, image, crayon, e, blocs) {
        ctx.setTransform(1, 0, 0, 1, 0, 0);
        ctx.fillStyle = css(c.fond);
        ctx.fillRect(0, 0, ctx.canvas.width, ctx.canvas.height);
        ctx.lineCap = 'butt';
        if (!blocs) {
          const sortie = sortieCanvas(ctx, crayon, e);
          sortie.stylo();
          rejoue(sortie, crayon, image);
          return;
        }
        const debut = Object.assign({}, crayon);
        for (const b of blocs) {
          Object.assign(crayon, debut);
          const x = Math.round(b.x * e);
          const y = Math.round(b.y * e);
          ctx.save();
          ctx.setTransform(1, 0, 0, 1, b.dx - x, b.dy - y);
          ctx.beginPath();
          ctx.rect(x, y, Math.round((b.x + b.largeur) * e) - x,
            Math.round((b.y + b.hauteur) * e) - y);
          ctx.clip();
          const sortie = sortieCanvas(ctx, crayon, e);
          sortie.stylo();
          rejoue(sortie, crayon, image);
          ctx.restore();
        }
      },
      // The frame as SVG text, on no background, from a fresh surface.
      svg(image) {
        const crayon = nouveauCrayon(c.brosseNeuve);
        const morceaux = [];
        const mesure = document.createElement('canvas').getContext('2d');
        rejoue(sortieSvg(crayon, morceaux, mesure), crayon, image);
        return '<?xml version="1.0" encoding="UTF-8"?>\n' +
          '<svg xmlns="http://www.w3.org/2000/svg" width="' + c.largeur + '" height="' +
          c.hauteur + '" viewBox="0 0 ' + c.largeur + ' ' + c.hauteur + '">\n' +
          morceaux.join('\n') + '\n</svg>\n';
      },
      // The frame as a PNG picture (a promise of a Blob): a fresh surface, nothing painted
      // below the scene.
      png(image) {
        const toile = document.createElement('canvas');
        toile.width = c.largeur;
        toile.height = c.hauteur;
        const ctx = toile.getContext('2d');
        ctx.lineCap = 'butt';
        const crayon = nouveauCrayon(c.brosseNeuve);
        const sortie = sortieCanvas(ctx, crayon, 1);
        sortie.stylo();
        rejoue(sortie, crayon, image);
        return new Promise((ok) => toile.toBlob(ok, 'image/png'));
      },
    };
  }

  return { pour: pour };
})();
