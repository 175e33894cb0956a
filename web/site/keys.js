// SPDX-License-Identifier: GPL-3.0-or-later
// The keys the windows act on, from the browser's names to the module's, whose key map says
// what each one does where it arrives; and the buttons a key presses, one a press.

/** KeyboardEvent.key to the module's key name; a letter by its small form. */
const kKeyNames = new Map([
  ['ArrowLeft', 'Left'], ['ArrowRight', 'Right'], ['ArrowUp', 'Up'], ['ArrowDown', 'Down'],
  ['PageUp', 'PgUp'], ['PageDown', 'PgDown'], ['Home', 'Home'], ['End', 'End'],
  ['Enter', 'Enter'], [' ', 'Space'], ['Escape', 'Esc'], ['Backspace', 'Backspace'],
  ['c', 'C'], ['g', 'G'], ['z', 'Z'], ['ContextMenu', 'Menu'], ['F10', 'F10'],
]);

/**
 * A pressed key as the module names it, Ctrl (or ⌘ on a Mac) as its control; null for a key
 * it binds nowhere.
 * @param {KeyboardEvent} event
 * @returns {{ name: string, control: boolean, shift: boolean } | null}
 */
export function moduleKey(event) {
  const name = kKeyNames.get(event.key.length === 1 ? event.key.toLowerCase() : event.key);
  return name ? { name, control: event.ctrlKey || event.metaKey, shift: event.shiftKey } : null;
}

/**
 * Lets one press of Enter or Space press one button: a repeat of a held key presses none, nor
 * does the key that pressed one press the next until it has been let go. Else a held Enter
 * runs the experiment and then opens Help, which the focus moves on to.
 */
export function pressOneButtonPerKey() {
  /** @type {Set<string>} the keys that pressed a button and are still down, by code */
  const pressing = new Set();
  document.addEventListener('keydown', (event) => {
    if ((event.key !== 'Enter' && event.key !== ' ')
      || !(event.target instanceof HTMLButtonElement)) return;
    if (event.repeat || pressing.has(event.code)) event.preventDefault();
    else pressing.add(event.code);
  }, true);
  document.addEventListener('keyup', (event) => pressing.delete(event.code), true);
  // A key let go while the page has no focus sends it no keyup.
  addEventListener('blur', () => pressing.clear());
}
