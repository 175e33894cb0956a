// SPDX-License-Identifier: GPL-3.0-or-later
// Hands the site to its service worker (service_worker.js), which keeps every file of it so
// that the program starts without the network after one visit. Browsers offer service
// workers only to pages served over HTTPS or from the machine itself: elsewhere the program
// simply needs the network.

if ('serviceWorker' in navigator) {
  // After the page has loaded: the worker fetches the whole site again, and the program's
  // own files come first.
  const register = () => navigator.serviceWorker.register('service_worker.js').catch(
    (/** @type {unknown} */ error) => console.warn('Ombrix will not work offline:', error));
  if (document.readyState === 'complete') register();
  else window.addEventListener('load', register, { once: true });
}
