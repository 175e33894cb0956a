// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the site in the browser so that, after one visit, it starts without the network.
// scripts/web.sh fills in the built site's files and a hash of their contents: a new build is
// a new worker, whose cache replaces the one before it.

const worker = /** @type {ServiceWorkerGlobalScope} */ (/** @type {unknown} */ (self));

/** Every file of the site but this one, which the browser fetches on its own. */
const kSiteFiles = ['@SITE_FILES@'];
const kSiteVersion = '@SITE_VERSION@';

// The sites of one origin share its caches: a cache is named by its site's scope too, and
// only this site's are ever deleted.
const kCachePrefix = `ombrix ${worker.registration.scope} `;
const kCacheName = kCachePrefix + kSiteVersion;

worker.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(kCacheName);
    // 'no-cache': the HTTP cache may still hold the build before, under the same names. The
    // folder itself is the address the page is opened at.
    const requests = ['./', ...kSiteFiles].map((file) => new Request(file, { cache: 'no-cache' }));
    await cache.addAll(requests);
    // Take over at once rather than once every page of the build before has closed: a page
    // fetches its files as it starts, so one already running does not mix two builds.
    await worker.skipWaiting();
  })());
});

worker.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    const stale = (await caches.keys())
      .filter((name) => name.startsWith(kCachePrefix) && name !== kCacheName);
    await Promise.all(stale.map((name) => caches.delete(name)));
    // The page of the first visit too, so that it is kept offline from then on.
    await worker.clients.claim();
  })());
});

worker.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith((async () => {
    // The page is one whatever its link's ?lang= says; a file is the file asked for.
    const cached = await (await caches.open(kCacheName))
      .match(event.request, { ignoreSearch: event.request.mode === 'navigate' });
    return cached ?? fetch(event.request);
  })());
});
