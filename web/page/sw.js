// The offline copy: every file of the page is cached at the first visit; afterwards the page is
// served from the cache, so it works without a network. The build writes the file list and a
// version made from the files' contents into this file, so a new build replaces the cache.
const PREFIX = 'plotwerk-';
const VERSION = '@VERSION@';
const FILES = @FILES@;

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(PREFIX + VERSION);
    await cache.addAll(FILES);
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const key of await caches.keys()) {
      if (key.startsWith(PREFIX) && key !== PREFIX + VERSION) await caches.delete(key);
    }
    await self.clients.claim();
  })());
});

self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== self.location.origin) return;
  event.respondWith((async () => {
    // ?lang= and #worksheet= do not change the file.
    const cached = await caches.match(event.request, { ignoreSearch: true });
    if (cached) return cached;
    return fetch(event.request);
  })());
});
