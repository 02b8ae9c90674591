// SPDX-License-Identifier: GPL-3.0-or-later
// Offline use once the page has been opened from a web host: every file of the page is kept,
// served from the cache at once and refreshed behind it, so a new version shows at the next
// visit. Bump the name when the list of files changes.
'use strict';
const CACHE = 'kest-4';
const FICHIERS = ['./', 'index.html', 'kest.css', 'textes.js', 'kest.js', 'kest-module.js',
  'manifest.webmanifest', 'kest.svg'];

self.addEventListener('install', (e) => {
  e.waitUntil(caches.open(CACHE).then((c) => c.addAll(FICHIERS)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys()
    .then((noms) => Promise.all(noms.filter((n) => n !== CACHE).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.open(CACHE).then((c) => c.match(e.request, { ignoreSearch: true })
    .then((garde) => {
      const reseau = fetch(e.request).then((r) => {
        if (r.ok) c.put(e.request, r.clone());
        return r;
      });
      if (!garde) return reseau;
      reseau.catch(() => {});  // offline: the kept copy is the answer
      return garde;
    })));
});
