// SPDX-License-Identifier: GPL-3.0-or-later
// Tooltips for a finger: a browser shows an element's title to a mouse that rests on it, but
// never to a touch. A tap on an element with a title shows the title beside it instead, until
// the next touch anywhere.

let shown = /** @type {HTMLElement | null} */ (null);

function hide() {
  shown?.remove();
  shown = null;
}

/** @param {PointerEvent} event */
function onPointerUp(event) {
  if (event.pointerType !== 'touch') return;
  const target = /** @type {Element} */ (event.target).closest('[title]');
  hide();
  if (!(target instanceof HTMLElement) || !target.title) return;
  const tip = document.createElement('div');
  tip.className = 'touch-tip';
  tip.setAttribute('role', 'tooltip');
  tip.textContent = target.title;
  document.body.append(tip);
  // Below the element, kept inside the page.
  const box = target.getBoundingClientRect();
  const left = Math.min(box.left, document.documentElement.clientWidth - tip.offsetWidth - 4);
  tip.style.left = `${Math.max(4, left) + scrollX}px`;
  tip.style.top = `${box.bottom + 4 + scrollY}px`;
  shown = tip;
}

/** Shows titles on a tap, in the whole page. */
export function showTitlesOnTouch() {
  document.addEventListener('pointerdown', hide, true);
  document.addEventListener('pointerup', onPointerUp);
}
