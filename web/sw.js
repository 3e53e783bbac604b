// Works offline after the first visit: every file of the site, cached under the
// version's name, served from the cache first.
const cache = 'zefnaro-@PROJECT_VERSION@';
const files = ['./', 'index.html', 'index.js', 'app.js', 'language.js', 'engine.js', 'calls.js', 'page.js', 'numbers.js', 'date.js', 'practice.js', 'find.js', 'find-worker.js', 'year.js',
  'keypad.js', 'worksheet.js',
  'zefnaro.mjs', 'zefnaro.wasm', 'first.js', 'first.mjs', 'first.wasm', 'full.js',
  'ZefnaroCoptic.woff2', 'manifest.webmanifest', 'icon.svg', 'icon-192.png'];

self.addEventListener('install', (e) => {
  e.waitUntil(caches.open(cache).then((c) => c.addAll(files)).then(() => self.skipWaiting()));
});
self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n !== cache).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});
self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.match(e.request, { ignoreSearch: true })
    .then((hit) => hit || fetch(e.request)));
});
