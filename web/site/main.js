// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Ombrix in the page.

import createOmbrix from './ombrix.js';
import { Program } from './program.js';
import { showTitlesOnTouch } from './touch.js';

const desktop = /** @type {HTMLElement} */ (document.getElementById('desktop'));
const ended = /** @type {HTMLElement} */ (document.getElementById('ended'));
ended.querySelector('button')?.addEventListener('click', () => location.reload());

// The windows are measured as they are built, so the face must be there first.
await document.fonts.load('12px "Ombrix Gothic"');
showTitlesOnTouch();
new Program(await createOmbrix(), desktop, ended).start();
