// SPDX-License-Identifier: GPL-3.0-or-later
// A small static server for the built page, on 127.0.0.1 only.
// Usage: node web/serveur.js <site directory> [port]   (port 0: any free port, printed)
'use strict';
const http = require('http');
const fs = require('fs');
const path = require('path');

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8', '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png' };

function serveur(racine) {
  racine = path.resolve(racine);
  return http.createServer((req, res) => {
    let chemin = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    if (chemin.endsWith('/')) chemin += 'index.html';
    const fichier = path.join(racine, path.normalize(chemin));
    if (!fichier.startsWith(racine + path.sep)) {
      res.writeHead(403).end();
      return;
    }
    fs.readFile(fichier, (err, contenu) => {
      if (err) {
        res.writeHead(404, { 'Content-Type': 'text/plain' }).end('introuvable');
        return;
      }
      res.writeHead(200, { 'Content-Type': TYPES[path.extname(fichier)] || 'application/octet-stream',
        'Cache-Control': 'no-cache' });
      res.end(contenu);
    });
  });
}

module.exports = { serveur };

if (require.main === module) {
  const [racine, port] = process.argv.slice(2);
  if (!racine) {
    console.error('usage : node web/serveur.js <dossier du site> [port]');
    process.exit(2);
  }
  const s = serveur(racine).listen(Number(port || 8000), '127.0.0.1', () => {
    console.log('kest : http://127.0.0.1:' + s.address().port + '/');
  });
}
