// SPDX-License-Identifier: GPL-3.0-or-later
// Builds a window from its layout record: a caption bar over a client area of the record's
// size, and every control at its place, as the desktop's window builder does.

/** @typedef {import('./ombrix.js').WindowLayout} WindowLayout */
/** @typedef {import('./ombrix.js').ControlRecord} ControlRecord */

/**
 * A built window: its frame, and its controls by object name.
 * @typedef {{ frame: HTMLElement, controls: Map<string, HTMLElement> }} BuiltWindow
 */

/**
 * @param {number} points
 * @param {boolean} bold
 */
function font(points, bold) {
  return `${bold ? 'bold ' : ''}${points}pt var(--window-face)`;
}

/**
 * @param {HTMLElement} element
 * @param {{ left: number, top: number, width: number, height: number }} box
 */
function place(element, box) {
  element.style.left = `${box.left}px`;
  element.style.top = `${box.top}px`;
  element.style.width = `${box.width}px`;
  element.style.height = `${box.height}px`;
}

/** @param {ControlRecord} record */
function makeControl(record) {
  switch (record.kind) {
    case 'button': {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = record.caption;
      return button;
    }
    case 'text': {
      const input = document.createElement('input');
      input.type = 'text';
      // A keyboard with the digits and the point first; any text is still taken.
      if (record.number) input.inputMode = 'decimal';
      input.spellcheck = false;
      input.autocomplete = 'off';
      return input;
    }
    case 'picture': {
      const picture = document.createElement('div');
      picture.tabIndex = 0;
      return picture;
    }
    default: {
      const element = document.createElement('div');
      showText(element, record.caption, record.spoken);
      return element;
    }
  }
}

/**
 * How far a text's glyphs must be narrowed, as one, for the widest of its parts to fit the
 * client area of `box`: the face the windows were laid out for is narrower than the ones a
 * browser has. 1 for a text that fits, or a box not drawn.
 * @param {HTMLElement[]} parts
 * @param {HTMLElement} box
 */
function narrowing(parts, box) {
  // Both as drawn, in a window that may be scaled.
  const room = box.clientWidth * box.getBoundingClientRect().width / box.offsetWidth;
  const widest = Math.max(...parts.map((part) => part.getBoundingClientRect().width));
  return widest > room ? room / widest : 1;
}

/**
 * @param {HTMLElement} text
 * @param {number} scale from narrowing(); a text that fits is left as it is
 */
function narrow(text, scale) {
  if (scale < 1) text.style.transform = `scaleX(${scale})`;
}

/** @type {Map<HTMLElement, HTMLElement>} labels' shown texts not measured yet */
const unmeasured = new Map();

/**
 * Narrows the texts shown in the task now ending, all measured first: one layout for a run's
 * counts, not one a count.
 */
function narrowShown() {
  /** @type {[HTMLElement, number][]} */
  const scales = [...unmeasured].map(([label, shown]) => [shown, narrowing([shown], label)]);
  unmeasured.clear();
  for (const [shown, scale] of scales) narrow(shown, scale);
}

/**
 * Shows a label's text. A label with words of its own for a screen reader, which says
 * "shortage -3: 120 experiments" where the eye sees "120", shows its text to the eye alone,
 * narrowed if it is wider than the label: a count of 4 digits in its cell.
 * @param {HTMLElement} label
 * @param {string} text
 * @param {string} spoken its words for a screen reader; empty to say the text
 */
export function showText(label, text, spoken) {
  if (!spoken) {
    label.textContent = text;
    return;
  }
  const shown = document.createElement('span');
  shown.setAttribute('aria-hidden', 'true');
  shown.textContent = text;
  const said = document.createElement('span');
  said.className = 'spoken';
  said.textContent = spoken;
  label.replaceChildren(shown, said);
  if (unmeasured.size === 0) queueMicrotask(narrowShown);
  unmeasured.set(label, shown);
}

/**
 * A window's frame with its caption bar: the icon and the caption.
 * @param {string} name its object name
 * @param {string} caption
 */
export function windowFrame(name, caption) {
  const frame = document.createElement('section');
  frame.className = 'window';
  frame.id = name;
  frame.setAttribute('aria-label', caption);
  const bar = document.createElement('header');
  bar.className = 'caption-bar';
  const icon = document.createElement('img');
  icon.src = 'ombrix.svg';
  icon.alt = '';
  const title = document.createElement('h1');
  title.textContent = caption;
  bar.append(icon, title);
  frame.append(bar);
  return frame;
}

/**
 * @param {WindowLayout} layout
 * @param {string} caption the caption bar's text; a dialog's comes with each call
 * @returns {BuiltWindow}
 */
export function buildWindow(layout, caption = layout.caption) {
  const frame = windowFrame(layout.name, caption);
  const client = document.createElement('div');
  client.className = 'client';
  client.style.width = `${layout.rect.width}px`;
  client.style.height = `${layout.rect.height}px`;
  client.style.font = font(layout.points, layout.bold);

  /** @type {Map<string, HTMLElement>} */
  const controls = new Map();
  for (const record of layout.controls) {
    if (record.kind === 'media') continue;  // the cues play through Web Audio, never seen
    const control = makeControl(record);
    control.id = record.name;
    control.classList.add(record.kind, record.background);
    if (record.kind === 'label') control.classList.add(`border-${record.border}`);
    if (record.topLeft) control.classList.add('top-left');
    control.style.font = font(record.points, record.bold);
    if (record.toolTip) control.title = record.toolTip;
    place(control, record.rect);
    client.append(control);
    controls.set(record.name, control);
  }
  // Tab goes through the controls in the record's order: they stand at their places whatever
  // the order of the document, so these come last in it.
  client.append(...layout.tabOrder.map((name) => /** @type {HTMLElement} */ (controls.get(name))));
  frame.append(client);
  return { frame, controls };
}

/**
 * Shows the words of a layout afresh on the window built from it: its caption, and each
 * control's fixed caption and tooltip. A control with neither keeps what commands set on it.
 * @param {BuiltWindow} window
 * @param {WindowLayout} layout
 */
export function relabelWindow(window, layout) {
  window.frame.setAttribute('aria-label', layout.caption);
  const title = window.frame.querySelector('.caption-bar h1');
  if (title) title.textContent = layout.caption;
  for (const record of layout.controls) {
    const element = window.controls.get(record.name);
    if (!element) continue;
    if (record.caption && element instanceof HTMLButtonElement) element.textContent = record.caption;
    else if (record.caption) showText(element, record.caption, record.spoken);
    if (record.toolTip) element.title = record.toolTip;
  }
}

/**
 * The control of a built window; the layout guarantees it is there.
 * @param {BuiltWindow} window
 * @param {string} name
 */
export function control(window, name) {
  const found = window.controls.get(name);
  if (!found) throw new Error(`window ${window.frame.id} has no control ${name}`);
  return found;
}

/**
 * Prints lines into a picture area, one a line, the glyphs narrowed as one until the widest
 * line fits.
 * @param {HTMLElement} area
 * @param {string[]} lines
 */
export function printLines(area, lines) {
  const text = document.createElement('div');
  text.className = 'printed';
  for (const line of lines) {
    const row = document.createElement('div');
    const span = document.createElement('span');
    span.textContent = line;
    row.append(span);
    text.append(row);
  }
  area.replaceChildren(text);
  narrow(text, narrowing([...text.querySelectorAll('span')], area));
}
