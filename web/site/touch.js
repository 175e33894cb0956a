// SPDX-License-Identifier: GPL-3.0-or-later
// What a finger needs that a browser gives a mouse alone. A browser shows an element's title
// to a mouse that rests on it, never to a touch: a tap on an element with a title shows the
// title beside it instead, until the next touch anywhere, as showTip shows any other tip (a
// tapped bar's). And some browsers turn no long press into a right click: onLongPress does.

import { popUpAt } from './screen_fit.js';

/** How long a finger presses for a menu rather than a tap, in milliseconds. */
const kLongPress = 500;

let shown = /** @type {HTMLElement | null} */ (null);
let pressedAt = 0;

/** @param {PointerEvent} event */
function onPointerDown(event) {
  shown?.remove();
  shown = null;
  pressedAt = event.timeStamp;
}

/**
 * Shows a tip below a box of the layout viewport, inside the visible area, until the next
 * touch anywhere.
 * @param {string} text
 * @param {DOMRect} box
 */
export function showTip(text, box) {
  shown?.remove();
  const tip = document.createElement('div');
  tip.className = 'touch-tip';
  tip.setAttribute('role', 'tooltip');
  tip.textContent = text;
  document.body.append(tip);
  popUpAt(tip, box.left, box.bottom + 4);
  shown = tip;
}

/** @param {PointerEvent} event */
function onPointerUp(event) {
  // A long press is not a tap: it opens a menu instead.
  if (event.pointerType !== 'touch' || event.timeStamp - pressedAt >= kLongPress) return;
  const target = /** @type {Element} */ (event.target).closest('[title]');
  if (target instanceof HTMLElement && target.title)
    showTip(target.title, target.getBoundingClientRect());
}

/** Shows titles on a tap, in the whole page. */
export function showTitlesOnTouch() {
  document.addEventListener('pointerdown', onPointerDown, true);
  document.addEventListener('pointerup', onPointerUp);
}

/**
 * Calls `handler` when a finger presses `element` for a while without lifting or moving away.
 * @param {HTMLElement} element
 * @param {(press: PointerEvent) => void} handler given the event of the finger's landing
 */
export function onLongPress(element, handler) {
  element.addEventListener('pointerdown', (down) => {
    if (down.pointerType !== 'touch') return;
    const press = setTimeout(() => handler(down), kLongPress);
    const moved = (/** @type {PointerEvent} */ move) =>
      Math.hypot(move.clientX - down.clientX, move.clientY - down.clientY) > 10 && end();
    const end = () => {
      clearTimeout(press);
      element.removeEventListener('pointermove', moved);
      for (const type of ['pointerup', 'pointercancel']) element.removeEventListener(type, end);
    };
    element.addEventListener('pointermove', moved);
    for (const type of ['pointerup', 'pointercancel']) element.addEventListener(type, end);
  });
}
