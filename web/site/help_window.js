// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the fixed help text and its Close command.

import { buildWindow, control, printLines } from './windows.js';

/** @typedef {import('./program.js').Program} Program */

export class HelpWindow {
  /** @param {Program} program */
  constructor(program) {
    this.program = program;
    this.layout = program.module.helpWindow();
  }

  /** Loads the window afresh in place of the main window, and prints the text into it. */
  show() {
    const window = buildWindow(this.layout);
    this.program.show(window);
    const close = control(window, this.layout.roles.close);
    close.addEventListener('click',
      () => this.program.run(() => this.program.mainWindow.show()));
    close.focus();
    printLines(control(window, this.layout.roles.text), this.layout.lines);
  }
}
