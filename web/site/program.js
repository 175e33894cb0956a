// SPDX-License-Identifier: GPL-3.0-or-later
// The program: which window is loaded, one command at a time, and the ending, over the module
// that holds the settings, the experiment and every text.

import { Cues } from './cues.js';
import { Dialogs } from './dialogs.js';
import { HelpWindow } from './help_window.js';
import { MainWindow } from './main_window.js';

/** @typedef {import('./ombrix.js').OmbrixModule} OmbrixModule */
/** @typedef {import('./windows.js').BuiltWindow} BuiltWindow */

export class Program {
  /**
   * @param {OmbrixModule} module
   * @param {HTMLElement} desktop where the loaded window stands
   * @param {HTMLElement} endedNotice shown, alone, once the program has ended
   */
  constructor(module, desktop, endedNotice) {
    this.module = module;
    this.desktop = desktop;
    this.endedNotice = endedNotice;
    this.dialogs = new Dialogs(module);
    this.mainWindow = new MainWindow(this);
    this.helpWindow = new HelpWindow(this);
    const { cues } = this.mainWindow.layout;
    this.cues = new Cues([cues.command, cues.exit]);
    this.busy = false;
    this.ended = false;
    module.page = {
      inputBox: (prompt, title, text) => this.dialogs.inputBox(prompt, title, text),
      messageBox: (prompt, title, style) => this.dialogs.messageBox(prompt, title, style),
      showCount: (label, text) => this.mainWindow.showCount(label, text),
    };
  }

  start() {
    this.run(() => this.mainWindow.show());
  }

  /**
   * Runs one command to its end. A command that waits for a dialog keeps the module
   * suspended in the middle of a call, and a second call into it then would overwrite that
   * call's saved stack: so while one runs, any other is dropped, as the desktop's modal
   * dialogs drop clicks.
   * @param {() => void | Promise<void>} command
   */
  async run(command) {
    if (this.busy || this.ended) return;
    this.busy = true;
    try {
      await command();
    } catch (error) {
      await this.report(error);
    } finally {
      this.busy = false;
    }
  }

  /**
   * Nothing inside the program traps errors: as on the desktop, one that escapes a command
   * is reported in a message box, and the program ends.
   * @param {unknown} error
   */
  async report(error) {
    const { prompt, title } =
      this.module.runTimeError(error instanceof Error ? error.message : String(error));
    await this.dialogs.messageBox(prompt, title, 0);
    this.end();
  }

  /**
   * Shows a freshly built window in place of the one before it: at most one is loaded.
   * @param {BuiltWindow} window
   */
  show(window) {
    // The chart goes with the main window, its replay at once.
    this.mainWindow.chart.close();
    this.desktop.replaceChildren(window.frame);
    document.title = window.frame.getAttribute('aria-label') ?? document.title;
  }

  /** Ends the program: every window and sound goes, and the page says how to start again. */
  end() {
    this.ended = true;
    this.cues.close();
    this.mainWindow.chart.close();
    this.desktop.replaceChildren();
    this.endedNotice.hidden = false;
    this.endedNotice.querySelector('button')?.focus();
  }
}
