// SPDX-License-Identifier: GPL-3.0-or-later
// The keys the windows act on, from the browser's names to the module's, whose key map says
// what each one does where it arrives.

/** KeyboardEvent.key to the module's key name; a letter by its small form. */
const kKeyNames = new Map([
  ['ArrowLeft', 'Left'], ['ArrowRight', 'Right'], ['ArrowUp', 'Up'], ['ArrowDown', 'Down'],
  ['PageUp', 'PgUp'], ['PageDown', 'PgDown'], ['Home', 'Home'], ['End', 'End'],
  ['Enter', 'Enter'], [' ', 'Space'], ['Escape', 'Esc'], ['Backspace', 'Backspace'],
  ['c', 'C'], ['g', 'G'], ['ContextMenu', 'Menu'], ['F10', 'F10'],
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
