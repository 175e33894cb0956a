// SPDX-License-Identifier: GPL-3.0-or-later
// The page's language: chosen from its link and the browser's languages before the module
// starts, so that the page's own notice can say that the module could not; shown by the
// page's lang, its face and its manifest.

import { kPageWords } from './page_words.js';

/**
 * The first of `wanted` (BCP 47 tags) that the page has words for, by its first part, else
 * English. The module's own choice is the C++ PreferredCatalogue's, by the same rule; this one
 * is only for the page before its module has loaded, and for its notice that it could not.
 * @param {readonly string[]} wanted
 */
export function chooseLanguage(wanted) {
  const built = Object.keys(kPageWords);
  for (const tag of wanted) {
    const found = built.find((language) => language === tag.split(/[-_.@]/)[0].toLowerCase());
    if (found) return found;
  }
  return built[0];
}

/**
 * Fetches the page's face for `language`, as faces.css names it: windows are measured as they
 * are built, so it must be there first.
 * @param {string} language
 */
export async function loadFace(language) {
  const probe = document.createElement('span');
  probe.lang = language;
  document.body.append(probe);
  const face = getComputedStyle(probe).getPropertyValue('--own-face').trim();
  probe.remove();
  if (face) await document.fonts.load(`12px ${face}`);
}

/**
 * Shows the page in `language`: its lang, which picks its face, its notices' words, and the
 * manifest the app is installed with.
 * @param {string} language
 */
export function showLanguage(language) {
  const words = kPageWords[chooseLanguage([language])];
  document.documentElement.lang = language;
  for (const element of document.querySelectorAll('[data-word]'))
    element.textContent = words[/** @type {HTMLElement} */ (element).dataset.word ?? ''];
  document.querySelector('link[rel="manifest"]')
    ?.setAttribute('href', `manifest-${language}.webmanifest`);
}
