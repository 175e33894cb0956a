// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog and the message box: modal <dialog> elements built from their layout
// records. Each call resolves once its dialog has closed.

import { fitToWidth, keepInView } from './screen_fit.js';
import { buildWindow, control } from './windows.js';

/** @typedef {import('./ombrix.js').OmbrixModule} OmbrixModule */
/** @typedef {import('./windows.js').BuiltWindow} BuiltWindow */

export class Dialogs {
  /** @param {OmbrixModule} module */
  constructor(module) {
    this.module = module;
  }

  /** The settings dialog's layout, with its words in the current language. */
  get inputLayout() {
    return this.module.inputBox();
  }

  get messageLayout() {
    return this.module.messageBox();
  }

  /**
   * Asks for a text. Resolves to the text on OK or Enter, to the empty text on Cancel or
   * Esc.
   * @param {string} prompt
   * @param {string} title
   * @param {string} defaultText
   * @returns {Promise<string>}
   */
  inputBox(prompt, title, defaultText) {
    const layout = this.inputLayout;
    const { roles } = layout;
    const window = buildWindow(layout, title);
    control(window, roles.prompt).textContent = prompt;
    const answer = /** @type {HTMLInputElement} */ (control(window, roles.answer));
    answer.value = defaultText;
    answer.setAttribute('aria-label', prompt);
    const inputMethodKey = watchInputMethod(answer);
    return this.show(window, answer, (close) => {
      control(window, roles.ok).addEventListener('click', () => close(answer.value));
      control(window, roles.cancel).addEventListener('click', () => close(''));
      answer.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter' || inputMethodKey()) return;
        // Handled here alone: left to go on, the key would press the button that gets the
        // focus back once the dialog has closed. A held Enter answers one dialog, not the next.
        event.preventDefault();
        if (!event.repeat) close(answer.value);
      });
      answer.select();
    }, '', inputMethodKey);
  }

  /**
   * Shows a message with OK only. Resolves to 1, the code of OK, however it closes.
   * @param {string} prompt
   * @param {string} title
   * @returns {Promise<number>}
   */
  messageBox(prompt, title) {
    const layout = this.messageLayout;
    const { roles } = layout;
    const window = buildWindow(layout, title);
    control(window, roles.prompt).textContent = prompt;
    const ok = control(window, roles.ok);
    return this.show(window, ok, (close) => {
      ok.addEventListener('click', () => close(1));
    }, 1);
  }

  /**
   * @template T
   * @param {BuiltWindow} window
   * @param {HTMLElement} focus the control that takes the focus
   * @param {(close: (result: T) => void) => void} wire connects the controls to close
   * @param {T} onEscape the result of Esc
   * @param {() => boolean} inputMethodKey whether the key now pressed is an input method's
   * @returns {Promise<T>}
   */
  show(window, focus, wire, onEscape, inputMethodKey = () => false) {
    const dialog = document.createElement('dialog');
    dialog.className = 'modal';
    dialog.setAttribute('aria-labelledby', `${window.frame.id}-title`);
    // Named by the dialog alone: a named frame inside it would be announced a second time.
    window.frame.removeAttribute('aria-label');
    window.frame.querySelector('h1')?.setAttribute('id', `${window.frame.id}-title`);
    dialog.append(window.frame);
    document.body.append(dialog);
    dialog.showModal();
    fitToWidth(window.frame);
    // Above an on-screen keyboard, which the text box brings up.
    const stopKeeping = keepInView(dialog);
    focus.focus();
    return new Promise((resolve) => {
      /** @param {T} result */
      const close = (result) => {
        if (!dialog.open) return;  // a second click or key on its way out
        stopKeeping();
        dialog.close();
        dialog.remove();
        resolve(result);
      };
      dialog.addEventListener('cancel', (event) => {
        event.preventDefault();
        if (!inputMethodKey()) close(onEscape);  // an input method's Esc ends its conversion
      });
      // A browser lets a page refuse one cancel, not the next until the user acts: the
      // dialog it closes for an input method's Esc opens again.
      dialog.addEventListener('close', () => {
        if (!dialog.isConnected) return;  // closed above
        dialog.showModal();
        focus.focus();
      });
      wire(close);
    });
  }
}

/**
 * Follows the keys that an input method takes in `box`: the Enter or Esc that ends a
 * conversion is the input method's, not the dialog's. Chromium and Firefox send its keydown
 * while composing (isComposing); Safari ends the composition first and sends a keydown with
 * key code 229. Esc's cancel event comes after its keydown, before its keyup.
 * @param {HTMLInputElement} box
 * @returns {() => boolean} whether the key now pressed is the input method's
 */
function watchInputMethod(box) {
  let composing = false;
  let inputMethodKey = false;
  box.addEventListener('compositionstart', () => { composing = true; });
  box.addEventListener('compositionend', () => { composing = false; });
  box.addEventListener('keydown', (event) => {
    inputMethodKey = event.isComposing || event.keyCode === 229;
  });
  // Cleared, so that a cancel without a key (a back gesture) is not taken for one.
  box.addEventListener('keyup', () => { inputMethodKey = false; });
  return () => composing || inputMethodKey;
}
