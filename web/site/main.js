// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Ombrix in the page.

import createOmbrix from './ombrix.js';
import { Program } from './program.js';
import { showTitlesOnTouch } from './touch.js';

const desktop = /** @type {HTMLElement} */ (document.getElementById('desktop'));
const ended = /** @type {HTMLElement} */ (document.getElementById('ended'));
const failed = /** @type {HTMLElement} */ (document.getElementById('failed'));
for (const notice of [ended, failed])
  notice.querySelector('button')?.addEventListener('click', () => location.reload());

try {
  // The windows are measured as they are built, so the face must be there first.
  await document.fonts.load('12px "Ombrix Gothic"');
  showTitlesOnTouch();
  new Program(await createOmbrix(), desktop, ended).start();
} catch (error) {
  // A program that cannot start says why: a module that could not be fetched (a first visit
  // without the network) or compiled (a browser without WebAssembly).
  /** @type {HTMLElement} */ (failed.querySelector('p')).textContent = String(error);
  failed.hidden = false;
  failed.querySelector('button')?.focus();
}
