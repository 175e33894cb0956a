// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Ombrix in the page, in the language of its link (?lang=ja) or else of the browser.

import { chooseLanguage, loadFace, showLanguage } from './languages.js';
import createOmbrix from './ombrix.js';
import { Program } from './program.js';
import { showTitlesOnTouch } from './touch.js';

const desktop = /** @type {HTMLElement} */ (document.getElementById('desktop'));
const ended = /** @type {HTMLElement} */ (document.getElementById('ended'));
const failed = /** @type {HTMLElement} */ (document.getElementById('failed'));
for (const notice of [ended, failed])
  notice.querySelector('button')?.addEventListener('click', () => location.reload());
const linked = new URLSearchParams(location.search).get('lang');
const wanted = [...(linked ? [linked] : []), ...navigator.languages];
// The page's own guess names its manifest and its notices until the module has chosen, and
// stays should the module not load.
const guessed = chooseLanguage(wanted);
showLanguage(guessed);

try {
  showTitlesOnTouch();
  const [module] = await Promise.all([createOmbrix(), loadFace(guessed)]);
  // The module's catalogues decide; the windows are measured as they are built, in its face.
  const language = module.useLanguage(wanted);
  showLanguage(language);
  await loadFace(language);
  new Program(module, desktop, ended).start();
} catch (error) {
  // A program that cannot start says why: a module that could not be fetched (a first visit
  // without the network) or compiled (a browser without WebAssembly).
  /** @type {HTMLElement} */ (failed.querySelector('p')).textContent = String(error);
  failed.hidden = false;
  failed.querySelector('button')?.focus();
}
