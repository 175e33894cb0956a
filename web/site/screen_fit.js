// SPDX-License-Identifier: GPL-3.0-or-later
// What a small screen asks of the page. A window wider than the page is scaled down to its
// width, as a screen of high density scales a desktop's windows, and again whenever the page
// is resized. Pop-ups (tips, menus) and dialogs stand inside the visible area: the visual
// viewport, which a pinch or an on-screen keyboard makes smaller than the page's.

/** How far a pop-up keeps from the visible area's edges, in CSS pixels. */
const kEdge = 4;

/** @type {Set<HTMLElement>} the windows kept to the page's width */
const fitted = new Set();

/** The room the page gives its windows: the layout viewport, inside the body's padding. */
export function pageRoom() {
  const style = getComputedStyle(document.body);
  const { clientWidth, clientHeight } = document.documentElement;
  return {
    width: clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight),
    height: clientHeight - parseFloat(style.paddingTop) - parseFloat(style.paddingBottom),
  };
}

/**
 * How many pixels of the page one of an element's own makes, in a window scaled down.
 * @param {HTMLElement} element
 */
export const scaleOf = (element) => element.getBoundingClientRect().width / element.offsetWidth;

/** @param {HTMLElement} frame */
function fit(frame) {
  frame.style.zoom = '';
  const own = frame.offsetWidth;
  const room = pageRoom().width;
  if (own > room) frame.style.zoom = String(room / own);
}

/**
 * Scales a window down to the page's width while it is wider, from now on.
 * @param {HTMLElement} frame
 */
export function fitToWidth(frame) {
  fitted.add(frame);
  fit(frame);
}

addEventListener('resize', () => {
  for (const frame of fitted) {
    if (frame.isConnected) fit(frame);
    else fitted.delete(frame);
  }
});

/** The visible area, in the layout viewport's coordinates. */
function visibleArea() {
  const view = window.visualViewport;
  return view ? { left: view.offsetLeft, top: view.offsetTop, width: view.width,
    height: view.height } : { left: 0, top: 0, width: innerWidth, height: innerHeight };
}

/**
 * Where a box of `size` put at `at` stands once moved as little as it takes to be inside
 * `start` to `start + room`, its start first where it is larger.
 * @param {number} at
 * @param {number} size
 * @param {number} start
 * @param {number} room
 */
const inside = (at, size, start, room) =>
  Math.max(start + kEdge, Math.min(at, start + room - size - kEdge));

/**
 * Puts a pop-up of the page (absolutely placed in the document) at a point of the layout
 * viewport, moved into the visible area and no wider than it, its lines wrapped if need be.
 * @param {HTMLElement} popUp
 * @param {number} x
 * @param {number} y
 */
export function popUpAt(popUp, x, y) {
  const area = visibleArea();
  popUp.style.maxWidth = `${area.width - 2 * kEdge}px`;
  popUp.style.left = `${inside(x, popUp.offsetWidth, area.left, area.width) + scrollX}px`;
  popUp.style.top = `${inside(y, popUp.offsetHeight, area.top, area.height) + scrollY}px`;
}

/**
 * Keeps a modal dialog (fixed in the layout viewport) in the middle of the visible area as it
 * changes; returns what stops this once the dialog has closed.
 * @param {HTMLDialogElement} dialog
 */
export function keepInView(dialog) {
  const place = () => {
    const area = visibleArea();
    const [width, height] = [dialog.offsetWidth, dialog.offsetHeight];
    const left = inside(area.left + (area.width - width) / 2, width, area.left, area.width);
    const top = inside(area.top + (area.height - height) / 2, height, area.top, area.height);
    Object.assign(dialog.style, { left: `${left}px`, top: `${top}px` });
  };
  place();
  const view = window.visualViewport;
  for (const type of ['resize', 'scroll']) view?.addEventListener(type, place);
  return () => {
    for (const type of ['resize', 'scroll']) view?.removeEventListener(type, place);
  };
}
